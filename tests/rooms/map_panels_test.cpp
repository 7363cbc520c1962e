// The map panels as the player uses them: the map button, the close button and the marker blink.
#include <gtest/gtest.h>

#include <vector>

#include "kit/headless_game.h"
#include "shell/input.h"

namespace tq {
namespace {

// A game in progress in one room, the toolbar as NEW leaves it; only the map's timer runs.
class MapPanels : public ::testing::Test {
 protected:
  void EnterRoom(int room) {
    g.picSTART.Visible = false;
    g.tmrscroll.setEnabled(false);
    g.tmrANIMATE.setEnabled(false);
    g.RoomNumber = room;
    g.mnuSAVE.Enabled = g.mnuPAUSE.Enabled = true;
    g.mnuNEW.Enabled = g.mnuLOAD.Enabled = false;
    h.mm1().clear();
  }
  // NEW, LOAD, SAVE, NUM, PAUSE, EXIT.
  std::vector<bool> Toolbar() const {
    return {g.mnuNEW.Enabled, g.mnuLOAD.Enabled,  g.mnuSAVE.Enabled,
            g.mnuNUM.Enabled, g.mnuPAUSE.Enabled, g.mnuEXIT.Enabled};
  }
  std::vector<std::string> Sounds(std::initializer_list<const char*> names) const {
    std::vector<std::string> out;
    for (const char* n : names) out.push_back(g.GamePath + n);
    return out;
  }

  kit::HeadlessGame h;
  Game& g = h.game();
};

TEST_F(MapPanels, TitleScreenIgnoresTheButtonAndUnchartedRoomsRefuse) {
  g.RoomNumber = 45;
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  EXPECT_TRUE(h.mm1().calls().empty());
  EXPECT_FALSE(g.fraMAP.Visible);
  // Room 0 is what an emptied room number in a hand-edited saved game reads as: it has no
  // square, so the map is refused there too.
  for (int room : {401, 500, 704, 1039, 0}) {
    EnterRoom(room);
    g.lblMESSAGE.ForeColor = 0x0000FF;
    ASSERT_TRUE(h.ClickOn(g.imgMAP1));
    EXPECT_EQ(g.lblMESSAGE.Caption,
              "You only have a MAP of the Black Woods and its Underground! Some areas are "
              "uncharted Tarvo!");
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(h.mm1().played(), Sounds({"sounds/NO.wav"}));
    EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
    EXPECT_FALSE(g.fraMAP.Visible || g.imgMAP2.Visible || g.timerMAP.Enabled()) << room;
  }
}

TEST_F(MapPanels, OpeningPausesAndClosingRunsTheGameEvenIfPausedBefore) {
  EnterRoom(45);
  ASSERT_TRUE(h.ClickOn(g.mnuPAUSE));
  ASSERT_TRUE(g.LBLpause.Visible);
  h.mm1().clear();
  g.mnuNEW.Enabled = true;  // a game LOAD started from the title screen
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo opens the MAP of the Black Woods. The game is PAUSED.");
  EXPECT_EQ(g.mnuPAUSE.Tag, "Unpause");
  EXPECT_TRUE(g.fraMAP.Showing());
  EXPECT_FALSE(g.fraUNDERGROUND.Visible);
  EXPECT_EQ(Toolbar(), std::vector<bool>(6, false));
  EXPECT_FALSE(h.ClickOn(g.imgMAP[44]));  // squares do nothing

  g.UiTick = 4;
  // The close button lies over the map button.
  ASSERT_EQ(ClickAt(g, g.imgMAP2.AbsLeft() + 200, g.imgMAP2.AbsTop() + 200), &g.imgMAP2);
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo closes his MAP of the Black Woods. The game is UNPAUSED.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), Sounds({"sounds/squeak.wav", "sounds/squeak2.wav"}));
  EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
  EXPECT_FALSE(g.LBLpause.Visible);
  EXPECT_EQ(g.UiTick, 0);
  EXPECT_FALSE(g.fraMAP.Visible || g.imgMAP2.Visible || g.timerMAP.Enabled());
  EXPECT_EQ(Toolbar(), (std::vector<bool>{false, false, true, true, true, true}));
}

TEST_F(MapPanels, UndergroundPanelCoversTheOverlandOneAndTheMarkerFindsTheRoom) {
  EnterRoom(345);
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo opens the MAP of the Underground. The game is PAUSED.");
  EXPECT_EQ(ControlAt(g, g.fraMAP.AbsLeft() + 60, g.fraMAP.AbsTop() + 60), &g.fraUNDERGROUND);
  h.Advance(200);
  // Room 345 lies under room 45, on the square at the same place.
  EXPECT_EQ(g.imgTARVOUNDER.Left, g.imgMAP[44].Left);
  EXPECT_EQ(g.imgTARVOUNDER.Top, g.imgMAP[44].Top);
  EXPECT_TRUE(g.imgTARVOUNDER.Showing());
  ASSERT_TRUE(h.ClickOn(g.imgMAP2));
  EXPECT_FALSE(g.fraMAP.Visible || g.fraUNDERGROUND.Visible);
}

TEST_F(MapPanels, MarkerBlinksEvery200msAndItsPhaseRunsOnAcrossOpenings) {
  EnterRoom(45);
  const int underLeft = g.imgTARVOUNDER.Left, underTop = g.imgTARVOUNDER.Top;
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  h.Advance(199);
  EXPECT_NE(g.imgTARVOLOC.Left, g.imgMAP[44].Left);
  std::vector<bool> seen;
  for (int i = 0; i < 3; ++i) {
    h.Advance(i == 0 ? 1 : 200);
    seen.push_back(g.imgTARVOLOC.Visible);
    // Both markers blink together.
    EXPECT_EQ(g.imgTARVOUNDER.Visible, g.imgTARVOLOC.Visible) << i;
  }
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(g.imgTARVOLOC.Top, g.imgMAP[44].Top);
  // The marker of the hidden panel keeps its place.
  EXPECT_EQ(g.imgTARVOUNDER.Left, underLeft);
  EXPECT_EQ(g.imgTARVOUNDER.Top, underTop);
  ASSERT_TRUE(h.ClickOn(g.imgMAP2));
  h.Advance(1000);
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  h.Advance(200);
  EXPECT_FALSE(g.imgTARVOLOC.Visible);  // goes on from the shown phase
}

TEST_F(MapPanels, OpeningARunningGameShowsNoPausedLabelAndLeavesTheStormAlone) {
  EnterRoom(12);
  g.RainTicks = 200;
  g.tmrRAIN.setEnabled(true);
  for (Control& r : g.imgRAIN) r.Visible = true;
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  EXPECT_EQ(g.mnuPAUSE.Tag, "Unpause");
  EXPECT_FALSE(g.LBLpause.Visible);
  EXPECT_FALSE(g.tmrPAUSE.Enabled());
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  h.Advance(1000);
  EXPECT_LT(g.RainTicks, 200);  // the storm counts down under the open map

  // The blink stops itself should the hero be anywhere the map does not cover.
  const Value phase = g.MapBlink;
  g.RoomNumber = 704;
  h.Advance(200);
  EXPECT_FALSE(g.timerMAP.Enabled());
  EXPECT_EQ(g.MapBlink, phase);
}

TEST_F(MapPanels, ClosingResumesAStormOnlyWhenThePauseHeldIt) {
  EnterRoom(12);
  g.RainTicks = 200;
  g.tmrRAIN.setEnabled(true);
  for (Control& r : g.imgRAIN) r.Visible = true;
  ASSERT_TRUE(h.ClickOn(g.mnuPAUSE));
  ASSERT_FALSE(g.tmrRAIN.Enabled());
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  ASSERT_TRUE(h.ClickOn(g.imgMAP2));
  EXPECT_TRUE(g.tmrRAIN.Enabled());

  // Held underground: the overlay is hidden and the storm waits for the overland.
  g.tmrRAIN.setEnabled(false);
  for (Control& r : g.imgRAIN) r.Visible = false;
  EnterRoom(312);
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  ASSERT_TRUE(h.ClickOn(g.imgMAP2));
  EXPECT_FALSE(g.tmrRAIN.Enabled());
}

}  // namespace
}  // namespace tq
