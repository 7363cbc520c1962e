// NEW: the toolbar and title screen at once, the world-building delay with and without the main
// tick counting along, and a rainstorm held across the new game.
#include "shell/new_game.h"

#include <gtest/gtest.h>

#include "kit/headless_game.h"
#include "kit/template_set.h"

namespace tq {
namespace {

class NewGame : public ::testing::Test {
 protected:
  void SetUp() override { kit::WriteTestTemplates(h.folder() / "Files"); }
  bool Built() { return h->lblMESSAGE.Caption == "I gotta' save my family... NOW!"; }
  kit::HeadlessGame h;
};

TEST_F(NewGame, TheClickSetsTheToolbarAndShowsTheWorldBeingBuilt) {
  h->mnuSAVE.Enabled = false;
  h->imgMAP1.Enabled = false;
  h->HasMagicShirt = 1;
  h->imgSHIRT.Visible = true;
  h->HasMagicBag = 1;
  h->imgMONEYBAG.Visible = true;
  h->QuestStage = 2;
  h->EnemyHP = 7;
  h->lblMESSAGE.ForeColor = 0x0000FF;
  h->lblMESSAGE.Caption = "earlier words";
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  EXPECT_FALSE(h->mnuNEW.Enabled);
  EXPECT_FALSE(h->mnuLOAD.Enabled);
  EXPECT_TRUE(h->mnuSAVE.Enabled);
  EXPECT_TRUE(h->mnuPAUSE.Enabled);
  EXPECT_TRUE(h->imgMAP1.Enabled);
  EXPECT_EQ(h->mnuNEW.Picture, h->GamePath + "menu/NOnew.ico");
  EXPECT_EQ(h->mnuLOAD.Picture, h->GamePath + "menu/NOload.ico");
  EXPECT_TRUE(h->picSTART.Visible);
  EXPECT_FALSE(h->picSCROLL.Visible);
  EXPECT_FALSE(h->imgSHIRT.Visible);
  EXPECT_FALSE(h->imgMONEYBAG.Visible);
  EXPECT_EQ(h->Image2.Picture, h->GamePath + "Pics/MakeWorld.bmp");
  EXPECT_FALSE(h->tmrscroll.Enabled());
  EXPECT_EQ(h->HasMagicShirt, 0);
  EXPECT_EQ(h->HasMagicBag, 0);
  EXPECT_EQ(h->QuestStage, 0);
  EXPECT_EQ(h->EnemyHP, 0);
  EXPECT_EQ(h->lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h->lblMESSAGE.Caption, "earlier words");
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/squeak.wav");
  EXPECT_EQ(h.mm2().played().back(), "");
  EXPECT_EQ(h.mm3().calls().back().op, RecordingChannel::Call::Op::Stop);
}

TEST_F(NewGame, WithTheMainTickStoppedTheWorldComesOnTheFifthTick) {
  h->tmrANIMATE.setEnabled(false);  // as after a death
  h->mnuNUM.Enabled = false;
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  h.Advance(999);
  EXPECT_FALSE(Built());
  EXPECT_EQ(h->MenuTick, 4);
  h.Advance(1);
  EXPECT_TRUE(Built());
  EXPECT_EQ(h->MenuTick, 0);
  EXPECT_FALSE(h->tmrBEGIN.Enabled());
  // World building enables NUM and the map button, and keeps NEW off.
  EXPECT_TRUE(h->mnuNUM.Enabled);
  EXPECT_TRUE(h->imgMAP1.Enabled);
  EXPECT_FALSE(h->mnuNEW.Enabled);
}

TEST_F(NewGame, WithTheMainTickCountingAlongTheFifthTickIsPassedOver) {
  ASSERT_TRUE(h->tmrANIMATE.Enabled());
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  h.Advance(1000);
  EXPECT_FALSE(Built());  // both timers counted: the fifth tick read 6
  EXPECT_TRUE(h->tmrBEGIN.Enabled());
  h.Advance(200);
  EXPECT_TRUE(Built());
  EXPECT_FALSE(h->tmrBEGIN.Enabled());
}

TEST_F(NewGame, AMainTickThatCountsOnceAndStopsBringsTheWorldEarly) {
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  h.Advance(200);  // the main tick counts 1, the first tmrBEGIN tick 2
  EXPECT_EQ(h->MenuTick, 2);
  h->tmrANIMATE.setEnabled(false);  // as a sword swing stops it
  h.Advance(400);
  EXPECT_FALSE(Built());
  h.Advance(200);  // the fourth tmrBEGIN tick reads 5
  EXPECT_TRUE(Built());
}

TEST_F(NewGame, ToolbarIconsFollowWithinOneRoundOfTheMainTick) {
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  h.Advance(1200);
  ASSERT_TRUE(Built());
  h.Advance(1200);
  EXPECT_EQ(h->mnuSAVE.Picture, h->GamePath + "MENU/SAVE.ico");
  EXPECT_EQ(h->mnuPAUSE.Picture, h->GamePath + "MENU/PAUSE.ico");
  EXPECT_EQ(h->mnuNUM.Picture, h->GamePath + "MENU/NUMBERS.ico");
  EXPECT_EQ(h->mnuNEW.Picture, h->GamePath + "MENU/noNEW.ico");
  EXPECT_EQ(h->mnuLOAD.Picture, h->GamePath + "MENU/NOload.ico");
}

TEST_F(NewGame, AStormIsHeldAcrossTheNewGameAndResumesOnUnpause) {
  h->RainTicks = 320;
  h->tmrRAIN.setEnabled(true);
  for (Control& overlay : h->imgRAIN) overlay.Visible = true;
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  EXPECT_FALSE(h->tmrRAIN.Enabled());
  for (const Control& overlay : h->imgRAIN) EXPECT_FALSE(overlay.Visible);
  h.Advance(1200);
  ASSERT_TRUE(Built());
  EXPECT_EQ(h->RainTicks, 320);
  EXPECT_FALSE(h->tmrRAIN.Enabled());
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_TRUE(h->tmrRAIN.Enabled());
}

}  // namespace
}  // namespace tq
