// The window right after start-up: the start values, the layout's start states, the message
// shadow, the keyboard focus, and a save cut short that cannot be finished.
#include <gtest/gtest.h>

#include <filesystem>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/write_faults.h"
#include "platform/file_writes.h"
#include "shell/input.h"

namespace tq {
namespace {

TEST(StartUp, VariablesHoldTheirStartValues) {
  kit::HeadlessGame h;
  Game& g = h.game();
  EXPECT_EQ(g.GamePath, h.folder().string() + "/");
  EXPECT_EQ(g.HeroRow, 1);  // not the 8 of a new game
  EXPECT_EQ(g.HeroCol, 6);
  EXPECT_EQ(g.GroundType, "GRASS");
  EXPECT_EQ(g.MonsterFacing, "RIGHT");
  EXPECT_TRUE(g.Facing.isText());
  EXPECT_EQ(g.Facing, "");
  EXPECT_EQ(g.ShieldItem, "");
  EXPECT_EQ(g.ExploredPct, 1);
  for (const Value* v : {&g.AnimFrame, &g.MenuTick, &g.SwordPieces, &g.HasMagicBag, &g.Gold,
                         &g.Points, &g.QuestStage, &g.EnemyHP, &g.EnemyMaxHP, &g.HasMagicShirt}) {
    EXPECT_TRUE(v->isNumber());
    EXPECT_EQ(*v, 0);
  }
  EXPECT_EQ(g.Life, 10);
  EXPECT_EQ(g.MaxLife, 10);
  EXPECT_EQ(g.Strength, 20);
  EXPECT_EQ(g.MaxStrength, 20);
  EXPECT_EQ(g.SwordKind, 1);
  EXPECT_EQ(g.SwingWait, 0);
  // Left alone by start-up: empty until a game sets them.
  for (const Value* v : {&g.RoomNumber, &g.UiTick, &g.MapBlink, &g.RainTicks, &g.RainFrame,
                         &g.ReturnRoom, &g.ReturnRow, &g.ReturnCol, &g.BonusMode, &g.IdleTicks,
                         &g.StreePass, &g.SpareValue1, &g.SpareValue2}) {
    EXPECT_TRUE(v->isEmpty());
  }
  EXPECT_EQ(g.RoomNumber, 0);
  EXPECT_EQ(g.Image2.Picture, g.GamePath + "Icons/tqtitle.bmp");
}

TEST(StartUp, TheLayoutShowsTitleAndToolbarAndHidesTheRest) {
  kit::HeadlessGame h;
  Game& g = h.game();
  EXPECT_TRUE(g.picSTART.Showing());
  EXPECT_TRUE(g.Picture2.Showing());
  EXPECT_TRUE(g.lblHP[0].Showing());  // gold is always a number
  for (int i = 1; i < 5; ++i) EXPECT_FALSE(g.lblHP[i].Visible) << i;
  EXPECT_FALSE(g.imgMONEYBAG.Visible);
  EXPECT_FALSE(g.imgSHIRT.Visible);
  EXPECT_TRUE(g.imgTOOL[0].Visible);
  EXPECT_TRUE(g.imgSWORD.Visible);
  for (int i = 1; i < 10; ++i) EXPECT_FALSE(g.imgTOOL[i].Visible) << i;
  EXPECT_FALSE(g.fraMAP.Visible);
  EXPECT_FALSE(g.fraUNDERGROUND.Visible);
  EXPECT_FALSE(g.LBLpause.Visible);
  for (const Control& m : g.imgMAP) {
    EXPECT_FALSE(m.Visible);
    EXPECT_EQ(m.Tag, "house");
  }
  // The toolbar's start states.
  EXPECT_TRUE(g.mnuNEW.Enabled);
  EXPECT_TRUE(g.mnuLOAD.Enabled);
  EXPECT_FALSE(g.mnuSAVE.Enabled);
  EXPECT_TRUE(g.mnuNUM.Enabled);
  EXPECT_FALSE(g.mnuPAUSE.Enabled);
  EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
  EXPECT_TRUE(g.mnuEXIT.Enabled);
  EXPECT_TRUE(g.imgMAP1.Visible);
  EXPECT_FALSE(g.imgMAP2.Visible);
  // The gold bar's box lies outside the stats frame, where it is never seen.
  const Control& goldBox = g.Picture1[2];
  EXPECT_GE(goldBox.Left, g.Frame2.Width);
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "Armed with your hunting sword, you set out to find your captured brother!");
  EXPECT_EQ(g.focus, &g.pic1);
}

TEST(StartUp, TimersRunAsTheLayoutSays) {
  kit::HeadlessGame h;
  Game& g = h.game();
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_TRUE(g.tmrSHADOW.Enabled());
  EXPECT_TRUE(g.tmrscroll.Enabled());
  for (const Timer* t : {&g.tmrBEGIN, &g.tmrPAUSE, &g.timerMAP, &g.tmrATTACK, &g.tmrBREAK,
                         &g.tmrGUYHIT, &g.tmrSHIELD, &g.tmrRAIN, &g.tmrEND}) {
    EXPECT_FALSE(t->Enabled()) << t->name();
  }
  EXPECT_EQ(g.tmrANIMATE.Interval(), 200);
  EXPECT_EQ(g.tmrEND.Interval(), 4500);
  EXPECT_EQ(g.tmrATTACK.Interval(), 50);
}

TEST(StartUp, AMessageReachesItsShadowWithin50ms) {
  kit::HeadlessGame h;
  Game& g = h.game();
  h.Advance(20);
  g.lblMESSAGE.Caption = "Game is PAUSED.";
  h.Advance(29);
  EXPECT_NE(g.shadowmessage.Caption, "Game is PAUSED.");
  h.Advance(1);
  EXPECT_EQ(g.shadowmessage.Caption, "Game is PAUSED.");
  h.Advance(37);
  g.lblMESSAGE.Caption = "x";
  h.Advance(50);
  EXPECT_EQ(g.shadowmessage.Caption, "x");
}

TEST(StartUp, ClicksReachTheTopMostEnabledControl) {
  kit::HeadlessGame h;
  Game& g = h.game();
  // The title screen lies over the play field: a click on the field's middle hits the title.
  const Control* hit = ControlAt(g, 120 + 2375 + 100, 480 + 1920 + 100);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->name, "Image2");
  g.picSTART.Visible = false;
  hit = ControlAt(g, 120 + 2375 + 100, 480 + 1920 + 100);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->name, "IMGgrid");
  EXPECT_EQ(hit->index, 13);
  // EXIT unloads the window; a disabled button swallows nothing.
  bool unloaded = false;
  g.unload = [&] { unloaded = true; };
  g.mnuEXIT.Enabled = false;
  EXPECT_FALSE(h.ClickOn(g.mnuEXIT));
  g.mnuEXIT.Enabled = true;
  EXPECT_EQ(ClickAt(g, 120 + 5760 + 200, -50 + 50 + 200), &g.mnuEXIT);
  EXPECT_TRUE(unloaded);
}

TEST(StartUp, AClickedPictureBoxTakesTheFocusUntilTheMainTickGivesItBack) {
  kit::HeadlessGame h;
  Game& g = h.game();
  h.Advance(10);
  g.picSTART.Visible = false;
  ASSERT_NE(ClickAt(g, 120 + 2375 + 100, 480 + 1920 + 100), nullptr);  // a look at cell 13
  EXPECT_EQ(g.focus, &g.IMGgrid[13]);
  // Clicking an image (the EXIT button disabled here) leaves the focus where it is.
  g.mnuEXIT.Enabled = false;
  ClickAt(g, 120 + 5760 + 200, 200);
  EXPECT_EQ(g.focus, &g.IMGgrid[13]);
  h.Advance(200);
  EXPECT_EQ(g.focus, &g.pic1);
}

TEST(StartUp, ASaveCutShortThatCannotBeFinishedIsNamedInRed) {
  kit::TempFolder tmp;
  const std::filesystem::path files = tmp.path() / "Files";
  // A group was committed when the program died (before its first rename), and a folder now
  // stands where one of its files goes.
  ASSERT_TRUE(kit::KilledAtWriteStep(
      [&] {
        FileGroup group;
        group.Replace((files / "ROOM45").string(), "\"BLACK\"\r\n");
        group.Replace((files / "GAMEFILE").string(), "saved\r\n");
        group.Write();
      },
      4));
  std::filesystem::create_directories(files / "ROOM45" / "in the way");
  kit::HeadlessGame h(tmp.path());
  EXPECT_EQ(h->lblMESSAGE.Caption,
            "The last save was cut short and cannot be finished. Files/ROOM45 could not be "
            "replaced: Is a directory.");
  EXPECT_EQ(h->lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_TRUE(std::filesystem::exists(files / ".tq-ready" / "ROOM45"));  // kept for the next try
}

}  // namespace
}  // namespace tq
