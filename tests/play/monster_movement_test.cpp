// The monster's turn: which way it turns and steps for the draws it makes, the detour round a
// blocked way, the room file as its only record, and the turn on the main tick.
#include "play/monster_movement.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "kit/file_bytes.h"
#include "play/play_field.h"
#include "rooms/hero_fixture.h"
#include "world/room_file.h"

namespace tq {
namespace {

using kit::RoomBuilder;
namespace fs = std::filesystem;

// Room 45 of floor ringed by trees; the hero at (6, 6).
class MonsterTurnTest : public HeroTest {
 protected:
  // Writes the room, puts the hero in it (which admits its monster) and queues the draws.
  void Enter(const RoomBuilder& room, std::initializer_list<std::int64_t> draws = {}) {
    built = room.room();
    room.WriteTo(h, 45);
    PlaceHero(45, 6, 6);
    g.rnd.Script(draws);
  }
  // The room as built with the monster moved from one cell to another.
  RoomFile Moved(int fromRow, int fromCol, int toRow, int toCol) const {
    RoomFile r = built;
    if (fromRow == toRow && fromCol == toCol) return r;
    r.tags[toRow][toCol] = r.tags[fromRow][fromCol];
    r.tags[fromRow][fromCol] = "FLOOR";
    return r;
  }
  static bool Same(const RoomFile& a, const RoomFile& b) {
    return a.tags == b.tags && a.GroundCode == b.GroundCode;
  }

  RoomFile built;
};

TEST_F(MonsterTurnTest, ItTurnsTowardTheHeroAndStepsOneCell) {
  struct Case {
    const char* name;
    int row, col;                                      // the monster
    std::map<std::pair<int, int>, const char*> tiles;  // anything else in the room
    std::initializer_list<std::int64_t> draws;         // the coin toss, then the detour
    const char* facing;
    int toRow, toCol;  // where it stands after the turn
  } cases[] = {
      {"down his column", 4, 6, {}, {2, 3}, "FRONT", 5, 6},
      {"up his column", 8, 6, {}, {1, 1}, "REAR", 7, 6},
      {"along his row, rightward", 6, 3, {}, {1, 2}, "RIGHT", 6, 4},
      {"along his row, leftward", 6, 9, {}, {2, 4}, "LEFT", 6, 8},
      // Off both his row and column the toss decides: 2 keeps the vertical way, 1 goes across.
      {"diagonal, toss 2", 4, 4, {}, {2, 1}, "FRONT", 5, 4},
      {"diagonal, toss 1", 4, 4, {}, {1, 1}, "RIGHT", 4, 5},
      // The way across is blocked: the turn stays blocked though the way down is open, and the
      // detour draws until it differs from the way it faces.
      {"blocked across, toss 2", 4, 4, {{{4, 5}, "TREE"}}, {2, 2, 2, 3}, "FRONT", 4, 3},
      {"blocked across, toss 1", 4, 4, {{{4, 5}, "TREE"}}, {1, 4, 1}, "RIGHT", 3, 4},
      // A flower counts as blocking for the facing but not for the step.
      {"round a flower onto one",
       4,
       6,
       {{{5, 6}, "FLOWER2"}, {{4, 7}, "FLOWER1"}},
       {2, 4},
       "FRONT",
       4,
       7},
      {"round a flower into a tree",
       4,
       6,
       {{{5, 6}, "FLOWER2"}, {{3, 6}, "TREE"}},
       {2, 1},
       "FRONT",
       4,
       6},
      {"round a flower onto a mushroom",
       4,
       6,
       {{{5, 6}, "FLOWER3"}, {{4, 7}, "FLOWER4"}},
       {2, 4},
       "FRONT",
       4,
       6},
      // A monster on the outer ring of a hand-made room finds nothing beyond the grid.
      {"on the outer ring, looking out", 0, 6, {}, {2, 1}, "FRONT", 0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RoomBuilder room;
    room.Set(c.row, c.col, "OGRE");
    for (const auto& [cell, tag] : c.tiles) room.Set(cell.first, cell.second, tag);
    Enter(room, c.draws);
    g.MonsterFacing = "";
    MoveMonster(g);
    EXPECT_FALSE(g.rnd.HasScript());
    EXPECT_EQ(g.MonsterFacing, c.facing);
    const bool stepped = c.toRow != c.row || c.toCol != c.col;
    EXPECT_TRUE(Same(kit::ReadRoom(h, 45), Moved(c.row, c.col, c.toRow, c.toCol)));
    // A step redraws the view around the hero, who stays where he is.
    EXPECT_EQ(Where(), "45:6,6");
    EXPECT_EQ(g.EnterMode, 0);
    const int cell = (c.toRow - 4) * 5 + (c.toCol - 4);
    const bool inView = c.toRow >= 4 && c.toRow <= 8 && c.toCol >= 4 && c.toCol <= 8;
    if (stepped && inView) {
      EXPECT_EQ(g.IMGgrid[cell].Tag, "OGRE");
      EXPECT_EQ(g.IMGgrid[cell].Picture, Full(Join("Pics/GRASSOGRE", c.facing, ".bmp")));
    }
    EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
  }
}

TEST_F(MonsterTurnTest, TheDetourTakesEachOtherWayAlikeAndAlwaysEnds) {
  // Blocked by a flower on the way to the hero, with floor on the three other sides.
  const RoomBuilder room = RoomBuilder().Set(4, 6, "OGRE").Set(5, 6, "FLOWER1");
  Enter(room);
  std::array<int, 5> landed{};
  for (std::uint32_t seed = 1; seed <= 600; ++seed) {
    room.WriteTo(h, 45);
    g.rnd.setSeed(seed * 7919u);
    MoveMonster(g);
    const RoomFile after = kit::ReadRoom(h, 45);
    if (after.tags[3][6] == "OGRE") ++landed[1];
    if (after.tags[5][6] == "OGRE") ++landed[2];
    if (after.tags[4][5] == "OGRE") ++landed[3];
    if (after.tags[4][7] == "OGRE") ++landed[4];
  }
  EXPECT_EQ(landed[2], 0);
  EXPECT_EQ(landed[1] + landed[3] + landed[4], 600);
  for (int dir : {1, 3, 4}) {
    EXPECT_GT(landed[dir], 160) << dir;
    EXPECT_LT(landed[dir], 240) << dir;
  }
}

TEST_F(MonsterTurnTest, BesideTheHeroItRearsUpAndStrikesButNeverSteps) {
  struct Case {
    int row, col, cell;
    const char* facing;
    const char* heroFacing;  // toward the monster, so that the blow is not from behind
  } cases[] = {{6, 7, 13, "LEFT", "RIGHT"},
               {6, 5, 11, "RIGHT", "LEFT"},
               {5, 6, 7, "FRONT", "REAR"},
               {7, 6, 17, "REAR", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    Enter(RoomBuilder().Set(c.row, c.col, "DEMON LORD"), {2, 3});
    g.Facing = c.heroFacing;
    g.Life = g.MaxLife = 30;
    // While the hero's strike is resolved the blow is refused, and the monster shows its frame.
    g.tmrBREAK.setEnabled(true);
    g.AnimFrame = 2;
    MoveMonster(g);
    EXPECT_EQ(g.MonsterCell, c.cell);
    EXPECT_EQ(g.MonsterFacing, c.facing);
    EXPECT_EQ(g.IMGgrid[c.cell].Picture, Full(Join("pics/GRASSDEMON LORD", c.facing, "2.bmp")));
    EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
    EXPECT_TRUE(Same(kit::ReadRoom(h, 45), built));

    g.tmrBREAK.setEnabled(false);
    g.rnd.Script({2, 3, 7});
    MoveMonster(g);
    EXPECT_EQ(g.lblMESSAGE.Caption, "DEMON LORD hits you for 7 damage!");
    EXPECT_EQ(g.IMGgrid[c.cell].Picture, Full("/Pics/GRASSDEMON LORDattack.bmp"));
    EXPECT_TRUE(Same(kit::ReadRoom(h, 45), built));
    g.tmrGUYHIT.setEnabled(false);
  }
}

TEST_F(MonsterTurnTest, TheLastMonsterInFileOrderIsTheOneThatMoves) {
  Enter(RoomBuilder().Set(3, 3, "BAT").Set(9, 9, "OGRE"), {2, 1});
  EXPECT_EQ(g.EnemyHP, 9);  // the hit points are the first one's
  MoveMonster(g);
  EXPECT_TRUE(Same(kit::ReadRoom(h, 45), Moved(9, 9, 8, 9)));
  EXPECT_EQ(g.MonsterFacing, "REAR");
}

TEST_F(MonsterTurnTest, AStepRedrawsWithoutTakingOrBuyingWhatIsUnderfoot) {
  RoomBuilder shop(kit::kWood);
  shop.Set(6, 6, "FOOD").Set(3, 6, "THIEF");
  shop.WriteTo(h, 403);
  built = shop.room();
  g.Gold = 10;
  PlaceHero(403, 6, 6);
  ASSERT_EQ(g.Gold, 5);  // the load onto the deed bought it
  g.Life = 3;
  g.rnd.Script({2, 1});
  MoveMonster(g);
  EXPECT_EQ(g.Gold, 5);
  EXPECT_EQ(g.Life, 3);
  EXPECT_EQ(g.IMGgrid[2].Tag, "THIEF");
  EXPECT_TRUE(h.mm1().calls().empty());
}

TEST_F(MonsterTurnTest, WithoutALiveMonsterNoFileIsRead) {
  Enter(RoomBuilder().Set(4, 6, "OGRE"), {2, 1});
  g.EnemyHP = 0;
  fs::remove(h.folder() / "Files" / "ROOM45");
  MoveMonster(g);
  EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
  EXPECT_TRUE(g.rnd.HasScript());
}

TEST_F(MonsterTurnTest, ARoomFileThatCannotBeReadOrWrittenCostsTheTurnAndSaysWhy) {
  // Missing, then damaged: no draws, no step, the file named in red.
  Enter(RoomBuilder().Set(4, 6, "OGRE"), {2, 1});
  const fs::path file = h.folder() / "Files" / "ROOM45";
  fs::remove(file);
  MoveMonster(g);
  EXPECT_NE(g.lblMESSAGE.Caption.find("ROOM45"), std::string::npos) << g.lblMESSAGE.Caption;
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_TRUE(g.rnd.HasScript());

  Enter(RoomBuilder().Set(4, 6, "OGRE"), {2, 1});
  std::string bytes = kit::Slurp(file);
  bytes.resize(bytes.size() / 2);
  kit::Spit(file, bytes);
  MoveMonster(g);
  EXPECT_NE(g.lblMESSAGE.Caption.find("ROOM45"), std::string::npos) << g.lblMESSAGE.Caption;
  EXPECT_EQ(kit::Slurp(file), bytes);
  EXPECT_TRUE(g.tmrANIMATE.Enabled());

  // A room that reads but cannot be replaced: its path is nearly as long as a path may be, so
  // the temporary file beside it cannot be made. The step is not taken and the file stays whole.
  std::string deep = h.folder().string();
  while (deep.size() < 3950) deep += "/" + std::string(100, 'd');
  const std::size_t tail = std::string("/Files/ROOM45").size();
  deep += "/" + std::string(4090 - tail - deep.size() - 1, 'e');
  fs::create_directories(fs::path(deep) / "Files");
  g.GamePath = deep + "/";
  const std::string deepFile = g.GamePath + "Files/ROOM45";
  ASSERT_EQ(deepFile.size(), 4090u);
  RoomBuilder room;
  room.Set(4, 6, "OGRE");
  kit::Spit(deepFile, RoomFileText(room.room()));
  PlaceHero(45, 6, 6);
  g.rnd.Script({2, 1});
  MoveMonster(g);
  EXPECT_NE(g.lblMESSAGE.Caption.find("ROOM45"), std::string::npos) << g.lblMESSAGE.Caption;
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_EQ(kit::Slurp(deepFile), RoomFileText(room.room()));
  EXPECT_EQ(g.IMGgrid[7].Tag, "FLOOR");  // no redraw of a step not taken
}

TEST(MonsterTurnOnTheMainTick, TheMonsterMovesOnARollOfOneAfterTheOtherRolls) {
  kit::HeadlessGame h;
  Game& g = h.game();
  RoomBuilder().Set(3, 6, "WYVERN").WriteTo(h, 45);
  test::ShowPlayField(g, 45);
  g.HeroRow = 6;
  g.HeroCol = 6;
  g.Facing = "XXX";
  MoveHero(g);
  ASSERT_EQ(g.EnemyHP, 5);
  // First tick (an odd frame): the rain roll, the monster's roll of 1, its toss and detour.
  g.rnd.Script({2, 1, 2, 1});
  test::Ticks(h);
  EXPECT_FALSE(g.rnd.HasScript());
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[4][6], "WYVERN");
  // Second tick (an even frame): the rain roll, a sparkle roll per view cell, then a 2.
  g.rnd.Script({2});
  for (int i = 0; i < 25; ++i) g.rnd.Script({50});
  g.rnd.Script({2, 3});
  test::Ticks(h);
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[4][6], "WYVERN");
  EXPECT_EQ(g.rnd.Draw(3), 3);  // left for the next roll: no turn was taken
}

}  // namespace
}  // namespace tq
