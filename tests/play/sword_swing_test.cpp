// The sword swing: its frames and pictures on the clock, the cooldown, the price of a blow with
// the GLOVE and the BONUS, the refusals, and a swing before the hero faces any way.
#include "kit/file_bytes.h"
#include "play/sword_fixture.h"
#include "world/saved_game.h"

namespace tq {
namespace {

struct SwingSpeed {
  int sword;
  int frameMs;
  int cooldownTicks;
};

class SwingTiming : public SwordTest, public ::testing::WithParamInterface<SwingSpeed> {};

TEST_P(SwingTiming, ThreeFramesWithTheMainTickOffThenTheCooldown) {
  const SwingSpeed& p = GetParam();
  Face("FLOOR", "LEFT");
  g.SwordKind = p.sword;
  g.ShieldItem = "SHIELD";
  g.HasMagicShirt = 1;
  g.Strength = 7;
  Swing({}, 0);
  EXPECT_FALSE(g.tmrANIMATE.Enabled());
  const std::string frame = p.sword == 2 ? "1" : "";
  for (int i = 1; i <= 3; ++i) {
    h.Advance(p.frameMs - 1);
    EXPECT_TRUE(g.tmrATTACK.Enabled()) << i;
    h.Advance(1);
    EXPECT_EQ(g.IMGgrid[12].Picture,
              Full("Pics/GRASSLEFTSHIELDFIGHTWALK" + frame + std::to_string(i) + "a.bmp"));
    EXPECT_EQ(g.SwingWait, 3);
  }
  // A swing at the floor: the main tick is back, nothing is charged, said or struck.
  EXPECT_FALSE(g.tmrATTACK.Enabled());
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_EQ(g.AnimFrame, 1);
  EXPECT_EQ(g.Strength, 7);
  EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
  EXPECT_EQ(h.mm1().played(), Paths({"Sounds/1hmiss.wav"}));

  // The next swing waits for the main tick to count the cooldown down...
  for (int tick = 1; tick < p.cooldownTicks; ++tick) {
    h.Advance(200);
    h.Press(kKeySpace);
    EXPECT_FALSE(g.tmrATTACK.Enabled()) << tick;
  }
  h.Advance(200);
  h.Press(kKeySpace);
  EXPECT_TRUE(g.tmrATTACK.Enabled());
  // ...unless an arrow key comes between.
  h.Advance(3 * p.frameMs);
  ASSERT_EQ(g.SwingWait, 3);
  h.Press(kKeyLeft);
  h.Press(kKeySpace);
  EXPECT_TRUE(g.tmrATTACK.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Swords, SwingTiming,
                         ::testing::Values(SwingSpeed{1, 75, 3}, SwingSpeed{2, 50, 2}),
                         [](const auto& c) {
                           return c.param.sword == 1 ? "HunterSword" : "ShadowSword";
                         });

struct Price {
  const char* tag;
  int sword;
  bool glove, bonus;
  int strength;
  // What the swing leaves: strength, a strike under way, the message (nullptr: untouched).
  int strengthAfter;
  bool strikes;
  const char* message;
};

constexpr const char* kTooWeak =
    "YOUR SWORD CAN'T break this! Try again later with a stronger weapon!";
constexpr const char* kTooTired = "NOT ENOUGH STRENGTH to break this!";

class SwingPrice : public SwordTest, public ::testing::WithParamInterface<Price> {};

TEST_P(SwingPrice, TheFacedTagSetsTheCostAndTheGloveAndBonusLowerIt) {
  const Price& p = GetParam();
  Face(p.tag);
  g.SwordKind = p.sword;
  g.imgTOOL[4].Visible = p.glove;
  g.BonusMode = p.bonus ? 1 : 0;
  g.Strength = p.strength;
  Swing({}, p.sword == 2 ? 150 : kSwingEnd);
  EXPECT_EQ(g.TargetTile, 7);
  EXPECT_EQ(g.Strength, p.strengthAfter);
  EXPECT_EQ(g.tmrBREAK.Enabled(), p.strikes);
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  if (p.message) {
    EXPECT_EQ(g.lblMESSAGE.Caption, p.message);
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(h.mm1().playing(), Full("sounds/NO.wav"));
  } else {
    EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
    EXPECT_NE(h.mm1().playing(), Full("sounds/NO.wav"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tags, SwingPrice,
    ::testing::Values(
        Price{"TREE", 1, false, false, 10, 4, true, nullptr},
        Price{"APPLETREE", 1, true, false, 10, 5, true, nullptr},
        Price{"CHEST", 1, true, false, 0, 0, true, nullptr},  // the GLOVE makes it free
        Price{"BED", 1, false, false, 8, 0, true, nullptr},   // just enough leaves nothing
        Price{"BED", 1, false, false, 7, 7, false, kTooTired},
        Price{"SWAMPLOG", 1, false, true, 0, 0, true, nullptr},  // the BONUS makes it free
        Price{"CRATE", 1, false, false, 1, 1, false, kTooTired},
        Price{"TABLE", 1, false, false, 3, 0, true, nullptr},
        Price{"ROCKS", 1, false, true, 50, 50, false, kTooWeak},
        Price{"SPWALL", 1, false, false, 50, 50, false, kTooWeak},
        Price{"ROCKS", 2, false, false, 15, 0, true, nullptr},
        Price{"SPWALL", 2, true, false, 14, 0, true, nullptr},
        Price{"ROCKS", 2, false, false, 14, 14, false, kTooTired},
        Price{"ROCKS", 2, false, true, 0, 0, true, nullptr},
        Price{"SHADOW BOSS", 1, false, false, 0, 0, true, nullptr},
        Price{"FLOOR", 1, false, false, 9, 9, false, nullptr},
        Price{"WATER", 1, true, false, 9, 9, false, nullptr}),
    [](const auto& c) {
      std::string name = c.param.tag;
      std::erase(name, ' ');
      return name + "Sword" + std::to_string(c.param.sword) + (c.param.glove ? "Glove" : "") +
             (c.param.bonus ? "Bonus" : "") + "Strength" + std::to_string(c.param.strength);
    });

TEST_F(SwordTest, ASwingBeforeTheFirstTickAfterALoadMissesWhateverLiesAtTheViewsCorner) {
  // The view's top-left cell holds a tree; the hero has not been turned yet.
  kit::RoomBuilder().Set(4, 4, "TREE").Set(5, 6, "ROCKS").WriteTo(h, 45);
  PlaceHero(45, 6, 6);
  g.Strength = 12;
  ASSERT_EQ(SaveGame(g).message, "");
  ASSERT_TRUE(h.ClickOn(g.mnuLOAD));
  ASSERT_EQ(g.Facing, "XXX");
  ASSERT_EQ(g.IMGgrid[0].Tag, "TREE");
  const std::string before = kit::Slurp(h.folder() / "Files" / "ROOM45");
  g.lblMESSAGE.Caption = "loaded";
  Swing({}, 75);
  EXPECT_EQ(g.IMGgrid[12].Picture, Full("Pics/GRASSFIGHTWALK1.bmp"));
  h.Advance(150);
  EXPECT_EQ(g.SwingWait, 3);
  EXPECT_EQ(g.TargetTile, 0);
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_EQ(g.Strength, 12);
  EXPECT_EQ(g.lblMESSAGE.Caption, "loaded");
  h.Advance(1000);
  EXPECT_EQ(g.IMGgrid[0].Tag, "TREE");
  EXPECT_EQ(kit::Slurp(h.folder() / "Files" / "ROOM45"), before);
}

}  // namespace
}  // namespace tq
