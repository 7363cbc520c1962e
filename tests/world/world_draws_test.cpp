// The draws of the world builder, scripted: which tile each roll gives, how many draws each roll
// makes and in what order the rules of a cell run. A world's invariants cannot tell a misplaced
// row of a roll table or a swapped draw; these cases can.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/random.h"
#include "world/overland_rooms.h"
#include "world/passages.h"
#include "world/special_cells.h"
#include "world/special_templates.h"
#include "world/template_batches.h"
#include "world/underground_rooms.h"
#include "world/world_work.h"

namespace tq {
namespace {

// A generator that hands out the given draws and then must have none left.
class Draws {
 public:
  explicit Draws(const std::vector<std::int64_t>& draws) {
    for (std::int64_t d : draws) rnd.Script({d});
  }
  ManualClock clock;
  Random rnd{clock};
};

struct OverlandRoll {
  int r;
  std::vector<std::int64_t> rowDraws;
  bool monsterBefore;
  const char* tag;
  bool monsterAfter;
};

TEST(OverlandRollTable, EachRowGivesItsTileWithItsOwnDraws) {
  const OverlandRoll cases[] = {
      {1, {}, false, "BUSH", false},
      {2, {}, false, "BUSH", false},
      {3, {84}, false, "FLOOR", false},
      {63, {85, 1}, false, "WYVERN", true},
      {20, {100, 2}, false, "PLATER", true},
      {30, {90, 3}, false, "NEWT", true},
      {40, {99, 4}, false, "BEETLE", true},
      {50, {99}, true, "FLOOR", true},  // the draw is made, but the room has had its monster
      {64, {1}, false, "BERRYPLANT", false},
      {64, {2}, false, "PLANT", false},
      {97, {1}, false, "BERRYPLANT", false},
      {97, {20}, false, "PLANT", false},
      {65, {1}, false, "APPLETREE", false},
      {87, {2}, false, "TREE", false},
      {88, {}, false, "SIGN", false},
      {89, {1}, false, "FLOWER1", false},
      {95, {4}, false, "FLOWER4", false},
      {96, {1}, false, "ROCKS", false},
      {96, {2}, false, "FLOOR", false},  // no rocks: plain ground
      {96, {3}, false, "FLOOR", false},
      {98, {}, false, "LOG", false},
      {99, {}, false, "LOG", false},
      {100, {1}, false, "BARREL", false},
      {100, {2}, false, "CRATE", false},
  };
  const WorldWork w;
  for (const OverlandRoll& c : cases) {
    SCOPED_TRACE("r = " + std::to_string(c.r) + ", " + c.tag);
    Draws d(c.rowDraws);
    bool monster = c.monsterBefore;
    EXPECT_EQ(RollOverlandCell(d.rnd, c.r, monster, w), c.tag);
    EXPECT_FALSE(d.rnd.HasScript()) << "a draw was left over";
    EXPECT_EQ(monster, c.monsterAfter);
  }
}

// The draws of one overland room's 49 inside cells, row by row: r, s, then each cell's own draws.
std::vector<std::int64_t> InsideDraws(
    const std::vector<std::pair<std::pair<int, int>, std::vector<std::int64_t>>>& special) {
  std::vector<std::int64_t> out;
  for (int a = 3; a <= 9; ++a) {
    for (int b = 3; b <= 9; ++b) {
      bool found = false;
      for (const auto& [cell, draws] : special) {
        if (cell == std::pair{a, b}) {
          out.insert(out.end(), draws.begin(), draws.end());
          found = true;
        }
      }
      if (!found) out.insert(out.end(), {88, 2});  // a SIGN, which draws nothing more
    }
  }
  return out;
}

TEST(OverlandRoom, ClearingRunsAfterTheRollAndTheSecretTreeLast) {
  Draws d(InsideDraws({
      {{3, 3}, {50, 1, 90, 1}},  // a WYVERN, cleared at once: the room's monster is spent
      {{3, 4}, {50, 2, 99}},     // so this floor draw places none
      {{3, 5}, {65, 2, 1}},      // an APPLETREE never hides the secret tree
      {{3, 6}, {65, 1, 2}},      // a tree cleared to floor draws no secret tree either
      {{3, 7}, {65, 2, 2, 2}},   // a tree whose secret-tree draw misses
      {{3, 8}, {70, 3, 2, 1}},   // the secret tree
      {{3, 9}, {70, 2, 2}},      // the room has its secret tree: no further draw
  }));
  WorldWork w;
  BuildOverlandRoom(d.rnd, 45, w);
  EXPECT_FALSE(d.rnd.HasScript()) << "a draw was left over";
  const auto& t = w.rooms.at(45).tags;
  const char* row3[] = {"FLOOR", "FLOOR", "APPLETREE", "FLOOR", "TREE", "STREE", "TREE"};
  for (int b = 3; b <= 9; ++b) EXPECT_EQ(t[3][b], row3[b - 3]) << "column " << b;
  EXPECT_EQ(t[5][5], "SIGN");
  EXPECT_EQ(w.StreeA[45], 3);
  EXPECT_EQ(w.StreeB[45], 8);
  EXPECT_EQ(w.rooms.at(45).GroundCode, 0);
}

struct UndergroundRoll {
  int r;
  int s;
  bool furnished;
  std::vector<std::int64_t> rowDraws;
  const char* tag;
};

TEST(UndergroundRollTable, CavesAndFurnishedRoomsEachGetTheirColumn) {
  const UndergroundRoll cases[] = {
      {1, 3, true, {}, "LIFESYMBOL"},
      {1, 2, true, {}, "FLOOR"},
      {1, 3, false, {}, "FLOOR"},
      {2, 3, true, {}, "POWERSYMBOL"},
      {2, 1, true, {}, "FLOOR"},
      {2, 3, false, {}, "FLOOR"},
      {3, 2, true, {75, 1}, "THIEF"},
      {64, 2, true, {100, 2}, "DRAGON"},
      {30, 2, true, {74}, "FLOOR"},
      {30, 2, false, {}, "FLOOR"},  // the cave's monster is drawn by its own rule
      {65, 2, false, {}, "TREE"},
      {84, 2, true, {}, "TABLE"},
      {85, 2, false, {}, "PLANT"},
      {85, 2, true, {1}, "SHELF"},
      {90, 2, true, {2}, "BED"},
      {91, 2, false, {3}, "BARREL"},  // caves draw here too, to no effect
      {91, 2, true, {1}, "BARREL"},
      {99, 2, true, {2}, "CRATE"},
      {100, 2, false, {1}, "BAG"},
      {100, 2, true, {1}, "GOLDBAG"},
      {100, 2, true, {3}, "BAG"},
  };
  WorldWork w;
  w.MonsterName[1] = "THIEF";
  w.MonsterName[2] = "DRAGON";
  for (const UndergroundRoll& c : cases) {
    SCOPED_TRACE("r = " + std::to_string(c.r) + (c.furnished ? " furnished" : " cave"));
    Draws d(c.rowDraws);
    UndergroundFlags flags;
    EXPECT_EQ(RollUndergroundCell(d.rnd, c.r, c.s, c.furnished ? 2 : 1, flags, w), c.tag);
    EXPECT_FALSE(d.rnd.HasScript()) << "a draw was left over";
  }
  // One of each symbol and one monster to a room.
  Draws d({80, 2});
  UndergroundFlags taken{true, true, true};
  EXPECT_EQ(RollUndergroundCell(d.rnd, 1, 3, 2, taken, w), "FLOOR");
  EXPECT_EQ(RollUndergroundCell(d.rnd, 2, 3, 2, taken, w), "FLOOR");
  EXPECT_EQ(RollUndergroundCell(d.rnd, 10, 2, 2, taken, w), "FLOOR");
  EXPECT_TRUE(d.rnd.HasScript());  // the monster draw was made, its kind draw was not
}

TEST(UndergroundRoom, CaveMonsterThenClearingThenTheLadder) {
  WorldWork w;
  w.StreeA[45] = 3;
  w.StreeB[45] = 5;
  std::vector<std::int64_t> script = {2};  // a cave
  for (int a = 3; a <= 9; ++a) {
    for (int b = 3; b <= 9; ++b) {
      if (a == 3 && b == 3) {
        script.insert(script.end(), {50, 1, 75, 4});  // an OGRE, cleared: the monster is spent
      } else if (a == 3 && b == 4) {
        script.insert(script.end(), {50, 2});  // floor, and no monster draw any more
      } else if (a == 3 && b == 5) {
        script.insert(script.end(), {50, 2});  // floor under the ladder
      } else {
        script.insert(script.end(), {70, 2});  // TREE
      }
    }
  }
  Draws d(script);
  BuildUndergroundRoom(d.rnd, 45, w);
  EXPECT_FALSE(d.rnd.HasScript()) << "a draw was left over";
  const RoomFile& room = w.rooms.at(345);
  EXPECT_EQ(room.GroundCode, 1);
  EXPECT_EQ(room.tags[3][3], "FLOOR");
  EXPECT_EQ(room.tags[3][4], "FLOOR");
  EXPECT_EQ(room.tags[3][5], "LADDERUP");
  EXPECT_EQ(room.tags[4][4], "TREE");
  EXPECT_EQ(w.HasLadder[45], 1);

  Draws furnished(std::vector<std::int64_t>(1 + 49 * 2, 1));  // furnished; every cell r 1, s 1
  BuildUndergroundRoom(furnished.rnd, 46, w);
  EXPECT_EQ(w.rooms.at(346).GroundCode, 2);
  EXPECT_EQ(w.HasLadder[46], 0);
}

TEST(SpecialCells, ARejectedDrawWalksBackAndEntriesAboveStillCount) {
  // 12, 13, 14 are taken; 14 again is refused at entry 4 and stays there; a border cell is
  // refused at entry 3; then 14 at entry 2 is refused because entry 4 still holds it, and the
  // walk goes back to entry 1, which takes 15. From there 28 more cells fill entries 2 to 29.
  std::vector<std::int64_t> script = {12, 13, 14, 14, 1, 14, 15};
  std::vector<int> rest;
  for (int row = 1; row <= 4; ++row) {
    for (int col = 2 + (row == 1 ? 4 : 0); col <= 9; ++col) rest.push_back(row * 10 + col);
  }
  ASSERT_EQ(rest.size(), 28u);
  script.insert(script.end(), rest.begin(), rest.end());
  Draws d(script);
  WorldWork w;
  DrawSpecialCells(d.rnd, w);
  EXPECT_FALSE(d.rnd.HasScript());
  EXPECT_EQ(w.SpecialCell[1], 15);
  for (int k = 2; k <= 29; ++k) EXPECT_EQ(w.SpecialCell[k], rest[k - 2]) << k;
}

TEST(Passages, TheFlipsGoNorthWestSouthEastAndOnlyLadderRoomsOpen) {
  WorldWork w;
  for (int m = 1; m <= 100; ++m) w.rooms[300 + m] = FilledRoom("WALL", 1);
  w.HasLadder[44] = w.HasLadder[45] = w.HasLadder[5] = 1;
  std::vector<std::int64_t> script;
  for (int m = 1; m <= 100; ++m) {
    if (m == 45) {
      script.insert(script.end(), {1, 1, 2, 1});  // north, west (a ladder room), not south, east
    } else if (m == 44) {
      script.insert(script.end(), {2, 2, 2, 2});
    } else {
      script.insert(script.end(), {1, 1, 1, 1});
    }
  }
  Draws d(script);
  DrawPassages(d.rnd, w);
  EXPECT_FALSE(d.rnd.HasScript());
  EXPECT_EQ(w.PassTop[45], 1);
  EXPECT_EQ(w.PassLeft[45], 0);
  EXPECT_EQ(w.PassBottom[45], 0);
  EXPECT_EQ(w.PassRight[45], 1);
  EXPECT_EQ(w.PassTop[5], 0);  // the border
  EXPECT_EQ(w.PassLeft[5] + w.PassBottom[5] + w.PassRight[5], 3);
  for (int m = 1; m <= 100; ++m) {
    if (m != 5 && m != 45) {
      EXPECT_EQ(w.PassTop[m] + w.PassLeft[m] + w.PassBottom[m] + w.PassRight[m], 0) << m;
    }
  }

  OpenPassages(w);
  EXPECT_EQ(w.MapTag[99 + 45], "Ldun11");  // north and east
  EXPECT_EQ(w.MapTag[99 + 35], "dun2");    // south, back to 45
  EXPECT_EQ(w.MapTag[99 + 46], "dun3");    // west, back to 45
  EXPECT_EQ(w.MapTag[99 + 44], "Ldun1");
  EXPECT_EQ(w.MapTag[99 + 5], "Ldun14");  // south, west, east
  EXPECT_EQ(w.MapTag[99 + 1], "dun1");
  EXPECT_EQ(w.rooms.at(345).tags[1][6], "EXIT");
  EXPECT_EQ(w.rooms.at(345).tags[6][11], "EXIT");
  EXPECT_EQ(w.rooms.at(345).tags[6][1], "WALL");
  EXPECT_EQ(w.rooms.at(335).tags[11][6], "EXIT");
  EXPECT_EQ(w.rooms.at(346).tags[6][1], "EXIT");
  EXPECT_EQ(w.rooms.at(305).tags[1][6], "WALL");
}

TEST(IceMonsters, TheFirstFloorWhoseDrawComesUpTakesTheKindDrawn) {
  const std::pair<std::int64_t, const char*> kinds[] = {
      {1, "SHADOW DEMON"}, {2, "DEMON LORD"}, {3, "ICE PLATER"}};
  for (const auto& [kindDraw, kind] : kinds) {
    SCOPED_TRACE(kind);
    RoomFile room = FilledRoom("ROCKS", 3);
    room.tags[2][3] = room.tags[2][7] = room.tags[5][5] = "FLOOR";
    Draws d({94, 95, kindDraw});  // (2,3) misses, (2,7) takes it, (5,5) draws nothing
    PlaceIceMonster(d.rnd, room);
    EXPECT_FALSE(d.rnd.HasScript());
    EXPECT_EQ(room.tags[2][3], "FLOOR");
    EXPECT_EQ(room.tags[2][7], kind);
    EXPECT_EQ(room.tags[5][5], "FLOOR");
  }
}

TEST(Zombie, EveryInsideCellDrawsAndOnlyTheFirstFloorHitInASwampTurns) {
  auto swamp = [] {
    RoomFile room = FilledRoom("FLOOR", 1);
    room.tags[1][1] = "SWAMPTREE";
    room.tags[3][3] = "BUSH";
    return room;
  };
  // (3,3) draws 1 but is no floor, (3,4) misses, (3,5) turns; every later draw is 1 too.
  std::vector<std::int64_t> script(49, 1);
  script[1] = 2;
  {
    Draws d(script);
    RoomFile room = swamp();
    PlaceZombie(d.rnd, 208, room);
    EXPECT_FALSE(d.rnd.HasScript());
    EXPECT_EQ(room.tags[3][3], "BUSH");
    EXPECT_EQ(room.tags[3][4], "FLOOR");
    EXPECT_EQ(room.tags[3][5], "ZOMBIE");
    int zombies = 0;
    for (const auto& row : room.tags)
      for (const auto& tag : row) zombies += tag == "ZOMBIE";
    EXPECT_EQ(zombies, 1);
  }
  for (const int t : {213, 207}) {
    SCOPED_TRACE(t);
    Draws d(script);
    RoomFile room = t == 213 ? swamp() : FilledRoom("FLOOR", 1);
    const RoomFile before = room;
    PlaceZombie(d.rnd, t, room);
    EXPECT_FALSE(d.rnd.HasScript());
    EXPECT_EQ(room.tags, before.tags);
  }
}

}  // namespace
}  // namespace tq
