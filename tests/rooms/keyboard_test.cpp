// The key-down handler: which keys reach the hero, and what the space bar starts.
#include "hero_fixture.h"

namespace tq {
namespace {

class KeyboardTest : public HeroTest {
 protected:
  void SetUp() override {
    kit::RoomBuilder().Set(8, 7, "TREE").WriteTo(h, 45);
    PlaceHero(45, 8, 6);
    g.IdleTicks = 9;
  }
};

TEST_F(KeyboardTest, ArrowKeyOnTheTitleScreenOfAFreshRunDoesNothing) {
  kit::HeadlessGame fresh;
  const std::string intro = fresh->lblMESSAGE.Caption;
  fresh.Press(kKeyLeft);
  EXPECT_EQ(fresh->Facing, "");
  EXPECT_EQ(fresh->lblMESSAGE.Caption, intro);
  EXPECT_TRUE(fresh.mm1().calls().empty());
  EXPECT_TRUE(fresh->RoomNumber.isEmpty());
}

TEST_F(KeyboardTest, EveryKeyIsDroppedWhileTheTitleScreenShows) {
  g.picSTART.Visible = true;
  for (int key : {kKeySpace, kKeyLeft, kKeyDown, 65}) h.Press(key);
  EXPECT_EQ(g.IdleTicks, 9);
  EXPECT_FALSE(g.tmrATTACK.Enabled());
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_EQ(Where(), "45:8,6");
  EXPECT_TRUE(h.mm1().calls().empty());
}

TEST_F(KeyboardTest, ArrowKeysTurnAndStepTheHeroEvenTowardABlockedTile) {
  g.SwingWait = 3;
  h.Press(kKeyRight);  // a tree: he turns but stays
  EXPECT_EQ(g.Facing, "RIGHT");
  EXPECT_EQ(Where(), "45:8,6");
  EXPECT_EQ(g.SwingWait, 0);
  EXPECT_EQ(g.IdleTicks, 0);

  h.Press(kKeyDown);
  EXPECT_TRUE(g.Facing.isText());
  EXPECT_EQ(g.Facing, "");
  EXPECT_EQ(Where(), "45:9,6");
  h.Press(kKeyUp);
  h.Press(kKeyLeft);
  EXPECT_EQ(g.Facing, "LEFT");
  EXPECT_EQ(Where(), "45:8,5");
}

TEST_F(KeyboardTest, KeysAreDroppedWhileTheHeroCannotAct) {
  for (Timer* busy : {&g.tmrSHIELD, &g.tmrGUYHIT, &g.tmrEND}) {
    busy->setEnabled(true);
    h.Press(kKeyLeft);
    busy->setEnabled(false);
  }
  g.mnuPAUSE.Tag = "Unpause";
  h.Press(kKeyLeft);
  EXPECT_EQ(g.IdleTicks, 9);
  g.mnuPAUSE.Tag = "Pause";

  // Dead, swinging or striking: the key only counts as the player being awake.
  g.Life = 0;
  h.Press(kKeyLeft);
  EXPECT_EQ(g.IdleTicks, 0);
  g.Life = 5;
  for (Timer* busy : {&g.tmrATTACK, &g.tmrBREAK}) {
    busy->setEnabled(true);
    h.Press(kKeyLeft);
    busy->setEnabled(false);
  }
  EXPECT_EQ(g.Facing, "");
  EXPECT_EQ(Where(), "45:8,6");
}

TEST_F(KeyboardTest, TheSpaceBarNeverFreezesTheGame) {
  g.IdleTicks = 5;
  h.Press(kKeySpace);
  EXPECT_EQ(g.IdleTicks, 0);
  // The swing gives the play field back to the main tick once its frames are shown.
  h.Advance(225);
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_FALSE(g.tmrATTACK.Enabled());
  h.Press(kKeyDown);  // and the hero still walks
  EXPECT_EQ(Where(), "45:9,6");
}

TEST_F(KeyboardTest, SpaceBarStartsASwingUnlessSwimmingOrCoolingDown) {
  g.GroundType = "SNOW";
  h.Press(kKeySpace);
  EXPECT_EQ(g.AnimFrame, 1);
  EXPECT_FALSE(g.tmrANIMATE.Enabled());
  EXPECT_TRUE(g.tmrATTACK.Enabled());
  EXPECT_EQ(h.mm1().played(), Paths({"Sounds/1hmiss.wav"}));

  g.tmrATTACK.setEnabled(false);
  g.GroundType = "WOOD";
  h.Press(kKeySpace);
  EXPECT_EQ(h.mm1().playing(), Full("SOUNDS/1HMISSECHO.wav"));

  // No swing while swimming or cooling down; an arrow key still swims on.
  g.tmrATTACK.setEnabled(false);
  h.mm1().clear();
  g.InWater = 1;
  h.Press(kKeySpace);
  g.InWater = 0;
  g.SwingWait = 2;
  h.Press(kKeySpace);
  EXPECT_FALSE(g.tmrATTACK.Enabled());
  EXPECT_TRUE(h.mm1().calls().empty());
  g.InWater = 1;
  h.Press(kKeyDown);
  EXPECT_EQ(Where(), "45:9,6");
}

}  // namespace
}  // namespace tq
