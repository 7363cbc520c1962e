// The map panels as the player uses them: the map button, the close button and the marker blink.
#include <gtest/gtest.h>

#include <vector>

#include "kit/headless_game.h"
#include "shell/input.h"

namespace tq {
namespace {

// A game in progress in one room, as NEW leaves the toolbar. The intro scroll is over and the
// main tick is held, so only the map's own timer runs.
class MapPanels : public ::testing::Test {
 protected:
  void EnterRoom(int room) {
    g.picSTART.Visible = false;
    g.tmrscroll.setEnabled(false);
    g.tmrANIMATE.setEnabled(false);
    g.RoomNumber = room;
    g.mnuNEW.Enabled = false;
    g.mnuLOAD.Enabled = false;
    g.mnuSAVE.Enabled = true;
    g.mnuPAUSE.Enabled = true;
    h.mm1().clear();
  }
  bool Open() { return h.ClickOn(g.imgMAP1); }
  bool Close() { return h.ClickOn(g.imgMAP2); }
  // Which of NEW, LOAD, SAVE, NUM, PAUSE, EXIT are enabled.
  std::vector<bool> Toolbar() const {
    return {g.mnuNEW.Enabled, g.mnuLOAD.Enabled,  g.mnuSAVE.Enabled,
            g.mnuNUM.Enabled, g.mnuPAUSE.Enabled, g.mnuEXIT.Enabled};
  }
  bool MarkerOn(const Control& marker, int square) const {
    return marker.Left == g.imgMAP[square].Left && marker.Top == g.imgMAP[square].Top;
  }

  kit::HeadlessGame h;
  Game& g = h.game();
};

TEST_F(MapPanels, MapButtonDoesNothingOnTheTitleScreen) {
  g.RoomNumber = 45;
  g.lblMESSAGE.ForeColor = 0x00FF00;
  const std::string before = g.lblMESSAGE.Caption;
  ASSERT_TRUE(Open());
  EXPECT_FALSE(g.fraMAP.Visible);
  EXPECT_FALSE(g.imgMAP2.Visible);
  EXPECT_FALSE(g.timerMAP.Enabled());
  EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
  EXPECT_EQ(g.lblMESSAGE.Caption, before);
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x00FF00u);
  EXPECT_TRUE(h.mm1().calls().empty());
}

TEST_F(MapPanels, RoomsWithoutAMapRefuseAndTheGameKeepsRunning) {
  for (int room : {401, 404, 500, 704, 1039, 0}) {
    EnterRoom(room);
    g.lblMESSAGE.ForeColor = 0x0000FF;
    ASSERT_TRUE(Open()) << room;
    EXPECT_EQ(g.lblMESSAGE.Caption,
              "You only have a MAP of the Black Woods and its Underground! Some areas are "
              "uncharted Tarvo!")
        << room;
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/NO.wav"});
    EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
    EXPECT_FALSE(g.fraMAP.Visible);
    EXPECT_FALSE(g.imgMAP2.Visible);
    EXPECT_FALSE(g.timerMAP.Enabled());
    EXPECT_EQ(Toolbar(), (std::vector<bool>{false, false, true, true, true, true}));
  }
}

TEST_F(MapPanels, OpeningOverlandPausesAndLeavesOnlyTheCloseButton) {
  EnterRoom(45);
  ASSERT_TRUE(Open());
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo opens the MAP of the Black Woods. The game is PAUSED.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/squeak.wav"});
  EXPECT_EQ(g.mnuPAUSE.Tag, "Unpause");
  EXPECT_TRUE(g.fraMAP.Showing());
  EXPECT_FALSE(g.fraUNDERGROUND.Visible);
  EXPECT_TRUE(g.timerMAP.Enabled());
  EXPECT_EQ(Toolbar(), std::vector<bool>(6, false));
  // The pause comes from the flag alone: no PAUSED label.
  EXPECT_FALSE(g.LBLpause.Visible);
  // The close button lies over the map button, so a click there closes the map.
  ASSERT_TRUE(g.imgMAP2.Showing());
  EXPECT_EQ(ClickAt(g, g.imgMAP2.AbsLeft() + 200, g.imgMAP2.AbsTop() + 200), &g.imgMAP2);
  EXPECT_FALSE(g.fraMAP.Visible);
}

TEST_F(MapPanels, UndergroundPanelCoversTheOverlandOne) {
  EnterRoom(345);
  ASSERT_TRUE(Open());
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo opens the MAP of the Underground. The game is PAUSED.");
  EXPECT_TRUE(g.fraMAP.Visible);
  EXPECT_TRUE(g.fraUNDERGROUND.Showing());
  // Room 345 lies under room 45: its square is at the same place on the lower panel.
  const Control& square = g.imgMAP[144];
  EXPECT_EQ(square.Left, g.imgMAP[44].Left);
  EXPECT_EQ(square.Top, g.imgMAP[44].Top);
  // A point on the map hits the underground panel, not the overland one beneath it.
  Control* hit = ControlAt(g, g.fraMAP.AbsLeft() + 60, g.fraMAP.AbsTop() + 60);
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit, &g.fraUNDERGROUND);

  h.Advance(200);
  EXPECT_TRUE(MarkerOn(g.imgTARVOUNDER, 144));
  EXPECT_TRUE(g.imgTARVOUNDER.Showing());

  ASSERT_TRUE(Close());
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo closes his MAP of the Underground. The game is UNPAUSED.");
  EXPECT_FALSE(g.fraMAP.Visible);
  EXPECT_FALSE(g.fraUNDERGROUND.Visible);
}

TEST_F(MapPanels, MarkerBlinksEvery200msAndItsPhaseRunsOnAcrossOpenings) {
  EnterRoom(45);
  ASSERT_TRUE(Open());
  h.Advance(199);
  EXPECT_FALSE(MarkerOn(g.imgTARVOLOC, 44));  // not yet moved from its layout place
  h.Advance(1);
  EXPECT_TRUE(MarkerOn(g.imgTARVOLOC, 44));
  EXPECT_TRUE(g.imgTARVOLOC.Visible);
  h.Advance(200);
  EXPECT_FALSE(g.imgTARVOLOC.Visible);
  h.Advance(200);
  EXPECT_TRUE(g.imgTARVOLOC.Visible);
  // Both markers blink together; the one of the hidden panel keeps its place.
  EXPECT_TRUE(g.imgTARVOUNDER.Visible);
  EXPECT_EQ(g.imgTARVOUNDER.Left, 2880);

  ASSERT_TRUE(Close());
  EXPECT_FALSE(g.timerMAP.Enabled());
  h.Advance(1000);
  EXPECT_TRUE(g.imgTARVOLOC.Visible);  // frozen while closed

  // Opening again goes on from the shown phase: the first tick hides the marker.
  ASSERT_TRUE(Open());
  h.Advance(200);
  EXPECT_FALSE(g.imgTARVOLOC.Visible);
  h.Advance(200);
  EXPECT_TRUE(g.imgTARVOLOC.Visible);
}

TEST_F(MapPanels, BlinkStopsItselfOutsideTheMappedRooms) {
  EnterRoom(45);
  ASSERT_TRUE(Open());
  h.Advance(200);
  g.RoomNumber = 402;
  h.Advance(200);
  EXPECT_FALSE(g.timerMAP.Enabled());
  EXPECT_TRUE(g.imgTARVOLOC.Visible);
  EXPECT_TRUE(MarkerOn(g.imgTARVOLOC, 44));
}

TEST_F(MapPanels, ClosingRunsTheGameAndSetsTheToolbar) {
  EnterRoom(7);
  g.mnuNEW.Enabled = true;  // a game LOAD started from the title screen
  ASSERT_TRUE(Open());
  h.mm1().clear();
  g.UiTick = 4;
  ASSERT_TRUE(Close());
  EXPECT_EQ(g.lblMESSAGE.Caption, "Tarvo closes his MAP of the Black Woods. The game is UNPAUSED.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/squeak2.wav"});
  EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
  EXPECT_EQ(g.UiTick, 0);
  EXPECT_FALSE(g.imgMAP2.Visible);
  EXPECT_FALSE(g.fraMAP.Visible);
  EXPECT_FALSE(g.timerMAP.Enabled());
  // NEW stays off after a map was used, whatever it was before.
  EXPECT_EQ(Toolbar(), (std::vector<bool>{false, false, true, true, true, true}));
  EXPECT_TRUE(g.imgMAP1.Showing());
}

TEST_F(MapPanels, ClosingUnpausesAGamePausedBeforeTheMapWasOpened) {
  EnterRoom(12);
  // What PAUSE leaves behind.
  g.mnuPAUSE.Tag = "Unpause";
  g.LBLpause.Visible = true;
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Close());
  EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
  EXPECT_FALSE(g.LBLpause.Visible);
}

TEST_F(MapPanels, StormsAcrossTheMap) {
  // A running storm goes on while the map is open and is left alone by closing it.
  EnterRoom(12);
  g.RainTicks = 200;
  g.tmrRAIN.setEnabled(true);
  for (Control& r : g.imgRAIN) r.Visible = true;
  ASSERT_TRUE(Open());
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  ASSERT_TRUE(Close());
  EXPECT_TRUE(g.tmrRAIN.Enabled());

  // A storm that PAUSE stopped goes on once the map closes, since the game runs again.
  g.tmrRAIN.setEnabled(false);
  g.mnuPAUSE.Tag = "Unpause";
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Close());
  EXPECT_TRUE(g.tmrRAIN.Enabled());

  // A storm held while the hero is underground stays held until he is back on the overland.
  g.tmrRAIN.setEnabled(false);
  for (Control& r : g.imgRAIN) r.Visible = false;
  g.RoomNumber = 312;
  ASSERT_TRUE(Open());
  ASSERT_TRUE(Close());
  EXPECT_FALSE(g.tmrRAIN.Enabled());
}

TEST_F(MapPanels, ClickingASquareDoesNothing) {
  EnterRoom(45);
  g.imgMAP[44].Visible = true;
  ASSERT_TRUE(Open());
  h.mm1().clear();
  const std::string before = g.lblMESSAGE.Caption;
  ClickAt(g, g.imgMAP[44].AbsLeft() + 100, g.imgMAP[44].AbsTop() + 100);
  EXPECT_TRUE(h.mm1().calls().empty());
  EXPECT_EQ(g.lblMESSAGE.Caption, before);
  EXPECT_TRUE(g.fraMAP.Visible);
}

}  // namespace
}  // namespace tq
