// The whole window under a restless player: thousands of random clicks anywhere in the client
// area, keys and waits, through new games, loads, saves, pauses and maps, on the shipped rooms.
// Nothing may crash, no file may fail, and the hero always stands where the view fits.
#include <gtest/gtest.h>

#include <random>

#include "game/game.h"
#include "kit/headless_game.h"
#include "shell/input.h"

namespace tq {
namespace {

TEST(WholeWindow, SurvivesARestlessPlayer) {
  kit::HeadlessGame h(true);
  Game& g = h.game();
  g.unload = [] {};  // the EXIT button is clicked now and then; the window must stay to be tested
  // A first game, so that there is always a saved game to load.
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  h.Advance(1200);

  std::mt19937 pick(7);
  std::uniform_int_distribution<int> x(0, 6479), y(0, 6284), wait(0, 700), what(0, 9);
  std::uniform_int_distribution<int> key(37, 41);  // the arrows, and 41 for the space bar
  int clicks = 0, keys = 0, heading = 38, swinging = 0;
  for (int event = 0; event < 10000; ++event) {
    const int w = what(pick);
    if (w == 0 && g.fraMAP.Visible) {
      h.ClickOn(g.imgMAP2);  // a player closes the map again before long
    } else if (w == 0 && g.mnuPAUSE.Tag == "Unpause") {
      h.ClickOn(g.mnuPAUSE);  // and unpauses
    } else if (w < 2) {
      ClickAt(g, x(pick), y(pick));
      ++clicks;
    } else if (w < 8) {
      // A player walks a while in one direction before turning.
      if (what(pick) == 0) heading = key(pick);
      h.Press(heading == 41 ? 32 : heading);
      ++keys;
    } else {
      h.Advance(wait(pick));
    }
    g.unloaded = false;
    SCOPED_TRACE(Join("event ", event, " room ", g.RoomNumber, " at ", g.HeroRow, ",", g.HeroCol));
    // Red is the colour of a file the game could not read or write.
    ASSERT_NE(g.lblMESSAGE.ForeColor, 0x0000FFu) << g.lblMESSAGE.Caption;
    if (!g.picSTART.Visible && g.RoomNumber > 0) {
      ASSERT_GE(g.HeroRow, 2);
      ASSERT_LE(g.HeroRow, 10);
      ASSERT_GE(g.HeroCol, 2);
      ASSERT_LE(g.HeroCol, 10);
      // The main tick is only ever off while a swing, the hurt frames or the ending run.
      if (g.Life > 0) {
        ASSERT_TRUE(g.tmrANIMATE.Enabled() || g.tmrATTACK.Enabled() || g.tmrGUYHIT.Enabled() ||
                    g.tmrEND.Enabled());
      }
    }
    if (g.tmrATTACK.Enabled() || g.tmrBREAK.Enabled()) ++swinging;
  }
  EXPECT_GT(clicks, 800);
  EXPECT_GT(keys, 2500);
  EXPECT_GT(swinging, 100) << "the sword was hardly swung";
  EXPECT_GT(g.RoomNumber, 0) << "no game was ever started";
}

}  // namespace
}  // namespace tq
