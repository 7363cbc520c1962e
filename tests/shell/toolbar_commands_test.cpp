// SAVE, NUM and PAUSE: what they write, show and switch, the colour cycle that never stops, and
// a rainstorm across a pause.
#include "shell/toolbar_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "kit/headless_game.h"
#include "world/saved_game.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// A game in play: the title screen gone and the buttons of a running game usable.
void InPlay(Game& g) {
  g.picSTART.Visible = false;
  g.RoomNumber = 345;  // away from the overland, so no storm starts by chance
  g.HeroRow = 8;
  g.mnuSAVE.Enabled = true;
  g.mnuPAUSE.Enabled = true;
  g.tmrscroll.setEnabled(false);  // NEW and LOAD stop the intro for good
}

TEST(Save, WritesBothFilesAndSaysSoInGreen) {
  kit::HeadlessGame h;
  InPlay(h.game());
  h->Gold = 77;
  ASSERT_TRUE(h.ClickOn(h->mnuSAVE));
  EXPECT_EQ(h->lblMESSAGE.Caption,
            "All items, money, and stats saved. You'll start here if you load the game.");
  EXPECT_EQ(h->lblMESSAGE.ForeColor, 0x00FF00u);
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/squeak.wav");
  SavedGame saved;
  ASSERT_FALSE(ReadSavedGame(h->GamePath, saved));
  EXPECT_EQ(saved.Gold, 77);
  EXPECT_EQ(saved.RoomNumber, 345);
}

TEST(Save, AFailedWriteIsNotReportedAsSaved) {
  kit::HeadlessGame h;
  InPlay(h.game());
  // A folder where the saved game belongs cannot be replaced by a file.
  fs::create_directories(h.folder() / "Files" / "GAMEFILE" / "in the way");
  ASSERT_TRUE(h.ClickOn(h->mnuSAVE));
  EXPECT_NE(h->lblMESSAGE.Caption.find("GAMEFILE"), std::string::npos) << h->lblMESSAGE.Caption;
  EXPECT_NE(h->lblMESSAGE.ForeColor, 0x00FF00u);
}

TEST(Numbers, SwitchToNumbersAndBackWithGoldAlwaysANumber) {
  kit::HeadlessGame h;
  ASSERT_FALSE(h->lblHP[1].Visible);
  ASSERT_TRUE(h.ClickOn(h->mnuNUM));
  for (const Control& number : h->lblHP) EXPECT_TRUE(number.Visible);
  for (const Control& bar : h->Picture1) EXPECT_FALSE(bar.Visible);
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/squeak.wav");
  ASSERT_TRUE(h.ClickOn(h->mnuNUM));
  for (int i = 1; i < 5; ++i) EXPECT_FALSE(h->lblHP[i].Visible) << i;
  EXPECT_TRUE(h->lblHP[0].Visible);
  for (const Control& bar : h->Picture1) EXPECT_TRUE(bar.Visible);
}

TEST(Pause, PausesAndUnpausesWithItsLabelMessagesAndSounds) {
  kit::HeadlessGame h;
  InPlay(h.game());
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_EQ(h->mnuPAUSE.Tag, "Unpause");
  EXPECT_EQ(h->lblMESSAGE.Caption, "Game is PAUSED.");
  EXPECT_TRUE(h->LBLpause.Visible);
  EXPECT_TRUE(h->tmrPAUSE.Enabled());
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/squeak.wav");
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_EQ(h->mnuPAUSE.Tag, "Pause");
  EXPECT_EQ(h->lblMESSAGE.Caption, "Game is UNPAUSED.");
  EXPECT_EQ(h->lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_FALSE(h->LBLpause.Visible);
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/squeak2.wav");
}

TEST(Pause, TheLabelCyclesItsColoursAndTheCycleNeverStops) {
  kit::HeadlessGame h;
  InPlay(h.game());
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  const Color expected[] = {0x000000, 0xFFFFFF, 0x0000FF, 0xFF0000, 0x00FFFF, 0x00FF00, 0x000000};
  for (Color colour : expected) {
    h.Advance(100);
    EXPECT_EQ(h->LBLpause.ForeColor, colour);
  }
  EXPECT_EQ(h->UiTick, 1);
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_EQ(h->UiTick, 0);
  // Back in play the count goes on: 1, 2, 3, 4, 5, 0 ...
  for (int step = 1; step <= 12; ++step) {
    h.Advance(100);
    EXPECT_EQ(h->UiTick, step % 6) << step;
  }
  EXPECT_TRUE(h->tmrPAUSE.Enabled());
}

TEST(Pause, AStormIsHeldWhilePausedAndResumesAfter) {
  kit::HeadlessGame h;
  InPlay(h.game());
  h->RoomNumber = 45;  // a storm runs over the overland
  for (Control& drop : h->imgRAIN) drop.Visible = true;
  h->RainTicks = 300;
  h->tmrRAIN.setEnabled(true);
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_FALSE(h->tmrRAIN.Enabled());
  EXPECT_EQ(h->RainTicks, 300);
  EXPECT_TRUE(h->imgRAIN[7].Visible);  // the overlay stays while paused
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_TRUE(h->tmrRAIN.Enabled());
  EXPECT_TRUE(h.mm3().calls().empty());  // the rain loop never stopped
  // With no storm left, unpausing starts none.
  h->tmrRAIN.setEnabled(false);
  h->RainTicks = 0;
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_FALSE(h->tmrRAIN.Enabled());
}

TEST(Pause, AStormHeldByALoadComesBackIntoViewOnlyOverTheOverland) {
  kit::HeadlessGame h;
  InPlay(h.game());
  // Held underground: unpausing leaves it held for the walk back out.
  h->RoomNumber = 345;
  h->RainTicks = 200;
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_FALSE(h->tmrRAIN.Enabled());
  EXPECT_FALSE(h->imgRAIN[0].Visible);
  EXPECT_EQ(h->RainTicks, 200);
  // Held by a load that put the hero outdoors: the storm shows and sounds again.
  h->RoomNumber = 45;
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  ASSERT_TRUE(h.ClickOn(h->mnuPAUSE));
  EXPECT_TRUE(h->tmrRAIN.Enabled());
  for (const Control& drop : h->imgRAIN) EXPECT_TRUE(drop.Visible);
  EXPECT_EQ(h.mm3().played(), std::vector<std::string>{h->GamePath + "sounds/rainthunder.wav"});
}

}  // namespace
}  // namespace tq
