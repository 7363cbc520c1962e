// The strike: the frames it shows beside the main tick, the blow with every modifier in its order,
// points and the BONUS, a monster that lives on, and a room file that changes under it or fails.
#include <filesystem>
#include <vector>

#include "game/monster_table.h"
#include "kit/file_bytes.h"
#include "play/sword_fixture.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

constexpr Color kWhite = 0xFFFFFF, kCyan = 0xFFFF00, kMagenta = 0xFF00FF, kYellow = 0x00FFFF,
                kRed = 0x0000FF;

class StrikeTest : public SwordTest {
 protected:
  fs::path RoomPath(int room = 45) {
    return h.folder() / "Files" / ("ROOM" + std::to_string(room));
  }
};

TEST_F(StrikeTest, ATreeFallsOverTheFramesTheStrikeSeesAndOnlyItsCellChangesOnDisk) {
  Face("TREE");
  RoomFile expected = kit::ReadRoom(h, 45);
  // The break frames of every strike tick; the main tick goes first when both are due.
  std::vector<std::string> frames;
  Swing({3, 2}, kSwingEnd);  // the blow no tree feels on the first frame, the main tick's rain roll
  for (int tick = 0; tick < 3; ++tick) {
    h.Advance(100);
    frames.push_back(g.IMGgrid[7].Picture);
    if (tick == 0) {
      EXPECT_EQ(h.mm1().playing(), Full("Sounds/WOODBREAK.wav"));
    }
    if (tick < 2) {
      EXPECT_TRUE(g.tmrBREAK.Enabled()) << tick;
    }
  }
  EXPECT_EQ(frames[0], Full("Pics/GRASSSTREEKILL1.bmp"));
  EXPECT_EQ(frames[1], Full("Pics/GRASSSTREEKILL3.bmp"));
  EXPECT_EQ(g.IMGgrid[7].Tag, "STUMP");
  EXPECT_EQ(g.IMGgrid[7].Picture, Full("Pics/GRASSSTUMP.bmp"));
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_EQ(g.AnimFrame, 0);
  EXPECT_EQ(g.Strength, 14);
  EXPECT_EQ(g.Points, 0);
  EXPECT_TRUE(h.mm2().played().empty());  // a plain tree hides no secret
  EXPECT_TRUE(UsedExactlyTheScript());
  expected.tags[5][6] = "STUMP";
  EXPECT_EQ(kit::Slurp(RoomPath()), RoomFileText(expected));
  // The keys reach the hero again.
  h.Press(kKeyLeft);
  EXPECT_EQ(Where(), "45:6,5");
}

struct FirstFrame {
  const char* tag;
  int sword;
  const char* picture;
  const char* sound;
};

class StrikeFirstFrame : public StrikeTest, public ::testing::WithParamInterface<FirstFrame> {};

TEST_P(StrikeFirstFrame, ShowsTheBreakPictureAndPlaysTheBreakSound) {
  const FirstFrame& p = GetParam();
  Face(p.tag);
  g.SwordKind = p.sword;
  Swing({}, p.sword == 2 ? 250 : kFirstFrame);
  EXPECT_EQ(g.IMGgrid[7].Picture, Full(p.picture));
  EXPECT_EQ(h.mm1().playing(), Full(p.sound));
  EXPECT_EQ(g.IMGgrid[7].Tag, p.tag);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, StrikeFirstFrame,
    ::testing::Values(
        FirstFrame{"BERRYPLANT", 1, "Pics/GRASSPLANTKILL1.bmp", "Sounds/PLANTBREAK.wav"},
        FirstFrame{"PLANT", 1, "Pics/GRASSPLANTKILL1.bmp", "Sounds/PLANTBREAK.wav"},
        FirstFrame{"APPLETREE", 1, "Pics/GRASSSTREEKILL1.bmp", "Sounds/WOODBREAK.wav"},
        FirstFrame{"SIGN", 1, "Pics/GRASSSIGNKILL1.bmp", "Sounds/WOODBREAK.wav"},
        FirstFrame{"CHEST", 1, "Pics/GRASSCHESTKILL1.bmp", "Sounds/OPENCHEST.wav"},
        FirstFrame{"ROCKS", 2, "Pics/GRASSROCKSKILL1.bmp", "Sounds/WOODBREAK.wav"}),
    [](const auto& c) { return std::string(c.param.tag); });

TEST_F(StrikeTest, TheBlowIsDrawnOnTheFirstFrameWhateverWasStruck) {
  struct Case {
    const char* tag;
    int sword;
    int ground;
    std::vector<std::int64_t> draws;  // d 1..3, [DIRT 1..2], then critical 1..100 for a monster
  } cases[] = {
      {"CRATE", 1, kit::kGrass, {3}},       {"SIGN", 2, kit::kWood, {1}},
      {"TREE", 2, kit::kDirt, {2, 2}},      {"ROCKS", 2, kit::kSnow, {1}},
      {"OGRE", 2, kit::kDirt, {1, 1, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    Face(c.tag, "REAR", c.ground);
    g.SwordKind = c.sword;
    g.Strength = 20;
    g.EnemyHP = 50;
    const std::string before = kit::Slurp(RoomPath());
    for (std::int64_t d : c.draws) g.rnd.Script({d});
    Swing({}, c.sword == 2 ? 250 : kFirstFrame);
    EXPECT_TRUE(UsedExactlyTheScript());
    // Only a monster feels the blow; an object waits for its last frame.
    EXPECT_EQ(g.EnemyHP, IsMonster(c.tag) ? 47 : 50);  // 1, +1 the SHADOW SWORD, +1 on DIRT
    EXPECT_TRUE(g.tmrBREAK.Enabled());
    EXPECT_EQ(g.IMGgrid[7].Tag, c.tag);
    EXPECT_EQ(kit::Slurp(RoomPath()), before);
    h.Advance(1000);
  }
}

struct BlowCase {
  const char* name;
  const char* tag;
  const char* monsterFacing;
  const char* heroFacing;  // the monster stands on that side of the hero
  int sword = 1;
  bool medal = false;
  int ground = kit::kGrass;
  bool bonus = false;
  bool rain = false;
  int strength = 10;
  int hp = 50;
  std::vector<std::int64_t> draws;  // d 1..3, [DIRT 1..2], critical 1..100, [back-stab 1..4]
  int damage = 0;
  const char* message = "";
  Color colour = kWhite;
  const char* sound = "";  // what MM1 ends on
  int strengthAfter = 10;
};

class StrikeBlow : public StrikeTest, public ::testing::WithParamInterface<BlowCase> {};

TEST_P(StrikeBlow, DamageMessageColourAndSoundFollowEveryModifierInItsOrder) {
  const BlowCase& p = GetParam();
  Face(p.tag, p.heroFacing, p.ground);
  g.MonsterFacing = p.monsterFacing;
  g.SwordKind = p.sword;
  g.imgTOOL[9].Visible = p.medal;
  g.BonusMode = p.bonus ? 1 : 0;
  if (p.rain) {
    g.RainTicks = 100;
    g.tmrRAIN.setEnabled(true);
  }
  g.Strength = p.strength;
  g.EnemyHP = p.hp;
  for (std::int64_t d : p.draws) g.rnd.Script({d});
  Swing({}, p.sword == 2 ? 250 : kFirstFrame);
  EXPECT_TRUE(UsedExactlyTheScript());
  EXPECT_EQ(g.EnemyHP, std::max(0, p.hp - p.damage));
  EXPECT_EQ(g.lblMESSAGE.Caption, p.message);
  EXPECT_EQ(g.lblMESSAGE.ForeColor, p.colour);
  EXPECT_EQ(h.mm1().playing(), Full(p.sound));
  EXPECT_EQ(g.Strength, p.strengthAfter);
  const bool killed = p.hp <= p.damage;
  EXPECT_EQ(h.mm2().played(),
            killed ? Paths({"Sounds/ENEMYKILL2.wav"}) : std::vector<std::string>{});
  // A blow that does nothing ends the strike at once, still on its first frame.
  const bool glanced = p.damage == 0;
  EXPECT_EQ(g.tmrBREAK.Enabled(), !glanced);
  EXPECT_EQ(g.AnimFrame, glanced ? 1 : 2);
}

constexpr const char* kPop = "Sounds/POP.wav";

INSTANTIATE_TEST_SUITE_P(
    Modifiers, StrikeBlow,
    ::testing::Values(BlowCase{.name = "Plain",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .draws = {2, 50},
                               .damage = 2,
                               .message = "You hit the OGRE for 2 damage.",
                               .sound = kPop},
                      BlowCase{.name = "ShadowSwordIndoors",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .sword = 2,
                               .ground = kit::kWood,
                               .draws = {1, 50},
                               .damage = 3,
                               .message = "You hit the OGRE for 3 damage.",
                               .sound = kPop},
                      BlowCase{.name = "ShadowSwordUnderground",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .sword = 2,
                               .ground = kit::kDirt,
                               .draws = {1, 2, 50},
                               .damage = 4,
                               .message = "You hit the OGRE for 4 damage.",
                               .sound = kPop},
                      BlowCase{.name = "HunterSwordUnderground",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .ground = kit::kDirt,
                               .draws = {1, 50},
                               .damage = 1,
                               .message = "You hit the OGRE for 1 damage.",
                               .sound = kPop},
                      BlowCase{.name = "Medal",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .medal = true,
                               .draws = {1, 50},
                               .damage = 3,
                               .message = "You hit the OGRE for 3 damage.",
                               .sound = kPop},
                      BlowCase{.name = "BackStabOneInFour",
                               .tag = "OGRE",
                               .monsterFacing = "RIGHT",
                               .heroFacing = "RIGHT",
                               .draws = {2, 50, 1},
                               .damage = 3,
                               .message = "You hit the OGRE in the BACK for 3 damage.",
                               .colour = kCyan,
                               .sound = "SOUNDS/backstab1.wav"},
                      BlowCase{.name = "BackStabTerror",
                               .tag = "OGRE",
                               .monsterFacing = "REAR",
                               .heroFacing = "REAR",
                               .draws = {2, 50, 4},
                               .damage = 3,
                               .message = "You hit the OGRE in the BACK for 3 damage.",
                               .colour = kCyan,
                               .sound = "SOUNDS/TERROR.wav"},
                      BlowCase{.name = "BackStabFacingTheViewer",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "",
                               .draws = {1, 50, 2},
                               .damage = 2,
                               .message = "You hit the OGRE in the BACK for 2 damage.",
                               .colour = kCyan,
                               .sound = "SOUNDS/TERROR.wav"},
                      BlowCase{.name = "BonusDoublesBeforeTheDragonsHide",
                               .tag = "DRAGON",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .bonus = true,
                               .draws = {1, 50},
                               .damage = 1,
                               .message = "You hit the DRAGON for 1 damage.",
                               .sound = kPop},
                      BlowCase{.name = "DragonsHide",
                               .tag = "DRAGON",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .draws = {1, 50},
                               .damage = 0,
                               .message = "You hit the DRAGON'S head armor- NO DAMAGE!",
                               .sound = "SOUNDS/EQUIPSOUND.WAV"},
                      BlowCase{.name = "RainNeverTakesTheLastPoint",
                               .tag = "DRAGON",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .rain = true,
                               .draws = {1, 50},
                               .damage = 1,
                               .message = "You hit the DRAGON for 1 damage.",
                               .sound = kPop},
                      BlowCase{.name = "RainBlunts",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .rain = true,
                               .draws = {3, 50},
                               .damage = 2,
                               .message = "You hit the OGRE for 2 damage.",
                               .sound = kPop},
                      BlowCase{.name = "PlateArmour",
                               .tag = "PLATER",
                               .monsterFacing = "LEFT",
                               .heroFacing = "RIGHT",
                               .draws = {3, 50},
                               .damage = 0,
                               .message = "You hit the PLATER'S head armor- NO DAMAGE!",
                               .sound = "SOUNDS/EQUIPSOUND.WAV"},
                      BlowCase{.name = "PlateArmourFromAbove",
                               .tag = "ICE PLATER",
                               .monsterFacing = "FRONT",
                               .heroFacing = "REAR",
                               .bonus = true,
                               .draws = {3, 50},
                               .damage = 0,
                               .message = "You hit the ICE PLATER'S head armor- NO DAMAGE!",
                               .sound = "SOUNDS/EQUIPSOUND.WAV"},
                      BlowCase{.name = "MedalPiercesPlate",
                               .tag = "PLATER",
                               .monsterFacing = "LEFT",
                               .heroFacing = "RIGHT",
                               .medal = true,
                               .draws = {1, 50},
                               .damage = 3,
                               .message = "You hit the PLATER for 3 damage.",
                               .sound = kPop},
                      BlowCase{.name = "PlaterFromBehind",
                               .tag = "PLATER",
                               .monsterFacing = "RIGHT",
                               .heroFacing = "RIGHT",
                               .draws = {1, 50, 2},
                               .damage = 2,
                               .message = "You hit the PLATER in the BACK for 2 damage.",
                               .colour = kCyan,
                               .sound = "SOUNDS/TERROR.wav"},
                      BlowCase{.name = "Critical",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .strength = 25,
                               .draws = {2, 5},
                               .damage = 5,
                               .message = "You hit the OGRE for 5 CRITICAL damage.",
                               .colour = kMagenta,
                               .sound = "SOUNDS/YEAH.wav",
                               .strengthAfter = 5},
                      BlowCase{.name = "CriticalThroughPlate",
                               .tag = "PLATER",
                               .monsterFacing = "LEFT",
                               .heroFacing = "RIGHT",
                               .strength = 20,
                               .draws = {3, 5},
                               .damage = 1,
                               .message = "You hit the PLATER for 1 CRITICAL damage.",
                               .colour = kMagenta,
                               .sound = "SOUNDS/YEAH.wav",
                               .strengthAfter = 0},
                      BlowCase{.name = "CriticalNeedsTwentyStrength",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .strength = 19,
                               .draws = {2, 1},
                               .damage = 2,
                               .message = "You hit the OGRE for 2 damage.",
                               .sound = kPop,
                               .strengthAfter = 19},
                      BlowCase{.name = "CriticalChanceWithBothAtFifteen",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .sword = 2,
                               .medal = true,
                               .strength = 30,
                               .draws = {1, 15},
                               .damage = 9,
                               .message = "You hit the OGRE for 9 CRITICAL damage.",
                               .colour = kMagenta,
                               .sound = "SOUNDS/YEAH.wav",
                               .strengthAfter = 10},
                      BlowCase{.name = "CriticalChanceWithBothMissesAtSixteen",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .sword = 2,
                               .medal = true,
                               .strength = 30,
                               .draws = {1, 16},
                               .damage = 4,
                               .message = "You hit the OGRE for 4 damage.",
                               .sound = kPop,
                               .strengthAfter = 30},
                      BlowCase{.name = "CriticalInTheBack",
                               .tag = "OGRE",
                               .monsterFacing = "LEFT",
                               .heroFacing = "LEFT",
                               .strength = 20,
                               .draws = {1, 5},
                               .damage = 5,
                               .message = "You hit the OGRE for 5 CRITICAL damage.",
                               .colour = kMagenta,
                               .sound = "SOUNDS/YEAH.wav",
                               .strengthAfter = 0},
                      BlowCase{.name = "Kill",
                               .tag = "OGRE",
                               .monsterFacing = "FRONT",
                               .heroFacing = "RIGHT",
                               .hp = 2,
                               .draws = {2, 50},
                               .damage = 2,
                               .message = "You hit the OGRE for 2 damage and killed it!",
                               .sound = "Sounds/1hmiss.wav"},
                      BlowCase{
                          .name = "KillInTheBack",
                          .tag = "OGRE",
                          .monsterFacing = "RIGHT",
                          .heroFacing = "RIGHT",
                          .hp = 1,
                          .draws = {3, 50, 1},
                          .damage = 4,
                          .message = "You hit the OGRE in the BACK for 4 damage and killed it!",
                          .colour = kCyan,
                          .sound = "SOUNDS/backstab1.wav"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(StrikeTest, AKillEarnsItsPointsAfterTheLastFrameAndAHundredGiveTheBonus) {
  Face("OGRE", "RIGHT");
  g.MonsterFacing = "FRONT";
  g.EnemyHP = 1;
  g.Points = 95;
  g.Life = 3;
  g.Strength = 5;
  // The blow, the main tick's rain and monster rolls, then the loot: nothing.
  Swing({2, 50, 2, 2, 2}, kFirstFrame);
  EXPECT_EQ(g.Points, 95);
  h.Advance(200);
  EXPECT_TRUE(UsedExactlyTheScript());
  EXPECT_EQ(g.Points, 2);
  EXPECT_EQ(g.BonusMode, 1);
  EXPECT_EQ(g.Life, 10);
  EXPECT_EQ(g.Strength, 20);
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "HOORAY! You have enough points to get a BONUS! Break things and use NO STRENGTH! Hit "
            "for DOUBLE DAMAGE! If you are hurt, you lose the BONUS!");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, kYellow);
  EXPECT_EQ(h.mm1().playing(), Full("sounds/LEVELUP.wav"));
  EXPECT_EQ(g.IMGgrid[13].Tag, "FLOOR");
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[6][7], "FLOOR");
  // The star blinks from the next main ticks on.
  h.Advance(400);
  EXPECT_EQ(g.imgSCRN[2].Picture, Full("Icons/starPIC2.bmp"));
}

TEST_F(StrikeTest, AMonsterThatLivesOnEarnsNothingAndItsRoomIsNotWritten) {
  Face("OGRE", "RIGHT");
  g.MonsterFacing = "FRONT";
  g.Points = 95;
  const std::string before = kit::Slurp(RoomPath());
  fs::last_write_time(RoomPath(), fs::file_time_type::clock::now() - std::chrono::hours(1));
  const auto stamp = fs::last_write_time(RoomPath());
  Swing({3, 50, 2, 2}, kResolved);
  EXPECT_TRUE(UsedExactlyTheScript());
  EXPECT_EQ(g.EnemyHP, 7);
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_EQ(g.AnimFrame, 0);
  EXPECT_EQ(g.Points, 95);
  EXPECT_EQ(g.IMGgrid[13].Tag, "OGRE");
  EXPECT_EQ(kit::Slurp(RoomPath()), before);
  EXPECT_EQ(fs::last_write_time(RoomPath()), stamp);
}

TEST_F(StrikeTest, AMonsterStepWrittenDuringTheStrikeIsKept) {
  kit::RoomBuilder().Set(5, 6, "CRATE").Set(3, 3, "BAT").WriteTo(h, 45);
  PlaceHero(45, 6, 6);
  g.Facing = "REAR";
  g.EnemyHP = 0;  // the bat is far away and asleep: no monster roll on the main tick
  Swing({3, 2, 4}, kFirstFrame);  // the blow no crate feels, the rain roll, the loot
  // The bat moves while the crate breaks, and its step is written as the monster's turn does.
  RoomFile moved = kit::ReadRoom(h, 45);
  moved.tags[3][3] = "FLOOR";
  moved.tags[3][4] = "BAT";
  ASSERT_FALSE(WriteRoomFile(RoomFilePath(g.GamePath, 45), moved));
  h.Advance(200);
  moved.tags[5][6] = "FLOOR";
  EXPECT_EQ(kit::Slurp(RoomPath()), RoomFileText(moved));
}

TEST_F(StrikeTest, NothingIsGivenForARoomThatCannotBeRead) {
  for (const bool damaged : {false, true}) {
    SCOPED_TRACE(damaged ? "damaged" : "missing");
    Face("CHEST");
    g.Points = 98;
    Swing({3, 2}, kFirstFrame);  // the blow no chest feels, the rain roll
    const std::string cut = kit::Slurp(RoomPath()).substr(0, 300);
    if (damaged) {
      kit::Spit(RoomPath(), cut);
    } else {
      fs::remove(RoomPath());
    }
    h.Advance(200);
    EXPECT_TRUE(UsedExactlyTheScript());
    EXPECT_NE(g.lblMESSAGE.Caption.find("Files/ROOM45"), std::string::npos) << g.lblMESSAGE.Caption;
    EXPECT_EQ(g.lblMESSAGE.ForeColor, kRed);
    EXPECT_EQ(g.Points, 98);
    EXPECT_EQ(g.BonusMode, 0);
    EXPECT_EQ(g.IMGgrid[7].Tag, "CHEST");
    EXPECT_FALSE(g.owns(ItemSlot::GoldKey));
    EXPECT_FALSE(g.tmrBREAK.Enabled());
    EXPECT_TRUE(g.tmrANIMATE.Enabled());
    EXPECT_EQ(fs::exists(RoomPath()), damaged);
    if (damaged) {
      EXPECT_EQ(kit::Slurp(RoomPath()), cut);
    }
    h.Advance(1000);  // the game goes on
    EXPECT_GT(g.AnimFrame, 0);
  }
}

}  // namespace
}  // namespace tq
