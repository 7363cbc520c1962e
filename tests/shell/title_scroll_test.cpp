// The intro story's pass over the title screen and its night sound.
#include <gtest/gtest.h>

#include "kit/headless_game.h"

namespace tq {
namespace {

TEST(TitleScroll, OnePassTakes59SecondsWithOneNightSound) {
  kit::HeadlessGame h;
  Game& g = h.game();
  const std::string night = g.GamePath + "sounds/night.wav";
  // Five still ticks; the night sound plays on the fourth.
  h.Advance(1500);
  EXPECT_TRUE(h.mm1().played().empty());
  EXPECT_EQ(g.lblSCROLL.Top, 2400);
  h.Advance(500);
  EXPECT_EQ(h.mm1().played(), std::vector<std::string>{night});
  h.Advance(500);
  EXPECT_EQ(g.lblSCROLL.Top, 2400);
  h.Advance(500);  // the sixth tick makes the first move
  EXPECT_EQ(g.lblSCROLL.Top, 2300);
  // 112 moves in, the text stands at -8800; the 113th puts it back at the bottom.
  h.Advance(111 * 500);
  EXPECT_EQ(g.lblSCROLL.Top, -8800);
  EXPECT_EQ(g.UiTick, 117);
  h.Advance(500);
  EXPECT_EQ(g.lblSCROLL.Top, 2400);
  EXPECT_EQ(g.UiTick, 0);
  EXPECT_EQ(h.clock().nowMs(), 59000);
  EXPECT_EQ(h.mm1().played().size(), 1u);
  // The next pass plays the sound again on its fourth tick.
  h.Advance(2000);
  EXPECT_EQ(h.mm1().played().size(), 2u);
}

TEST(TitleScroll, StoppedForGoodWhenItsTimerIsSwitchedOff) {
  kit::HeadlessGame h;
  Game& g = h.game();
  h.Advance(5000);
  const int top = g.lblSCROLL.Top;
  g.tmrscroll.setEnabled(false);
  h.Advance(10000);
  EXPECT_EQ(g.lblSCROLL.Top, top);
}

}  // namespace
}  // namespace tq
