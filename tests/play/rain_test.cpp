// Rainstorms: the start with its overlay, sound and message, the countdown and its overlay frames,
// the held storm, the skipped beat of the pause blinker, and the end.
#include "play/rain.h"

#include <gtest/gtest.h>

#include "kit/headless_game.h"
#include "play/play_field.h"

namespace tq {
namespace {

using test::ShowPlayField;

// A game in overland room 5 in which the main tick's first roll brings a storm of
// (n + 9) x 30 rain ticks; the storm starts at 200 ms and its first tick comes at 300 ms.
struct Storm {
  explicit Storm(int n) {
    Game& g = h.game();
    ShowPlayField(g, 5);
    g.UiTick = 0;
    g.rnd.Script({1, n});
    h.Advance(200);
  }
  kit::HeadlessGame h;
};

TEST(Rain, AStormBeginsWithTheOverlayTheThunderAndASilverMessage) {
  Storm s(1);
  Game& g = s.h.game();
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.RainTicks, 300);
  EXPECT_EQ(s.h.mm3().playing(), g.GamePath + "sounds/RAINTHUNDER.wav");
  EXPECT_EQ(g.lblMESSAGE.Caption, "A heavy rainstorm begins.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xC0C0C0u);
  for (const Control& drop : g.imgRAIN) {
    EXPECT_TRUE(drop.Visible);
    EXPECT_EQ(drop.Picture, "");  // the first storm shows the overlay's own picture at first
  }
}

TEST(Rain, TheOverlayRunsOneTwoThreeTwoOneThreeAndContinuesIntoTheNextStorm) {
  Storm s(1);
  Game& g = s.h.game();
  const std::string icons = g.GamePath + "icons/RAIN";
  for (int k : {1, 2, 3, 2, 1, 3, 1, 2}) {
    s.h.Advance(100);
    for (const Control& drop : g.imgRAIN)
      EXPECT_EQ(drop.Picture, icons + std::to_string(k) + ".ico");
  }
  EXPECT_EQ(g.RainTicks, 292);

  // The next storm picks the overlay up where this one left it.
  StopRain(g);
  g.rnd.Script({1, 1});
  s.h.Advance(200);
  ASSERT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.imgRAIN[0].Picture, icons + "2.ico");
  s.h.Advance(100);
  EXPECT_EQ(g.imgRAIN[0].Picture, icons + "3.ico");
}

TEST(Rain, TheStormEndsWhenItsTimeIsCountedDown) {
  Storm s(1);
  Game& g = s.h.game();
  s.h.mm1().clear();
  s.h.Advance(299 * 100);
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.RainTicks, 1);
  s.h.Advance(100);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.RainTicks, 0);
  for (const Control& drop : g.imgRAIN) EXPECT_FALSE(drop.Visible);
  EXPECT_EQ(s.h.mm3().playing(), g.GamePath + "sounds/overland2.mid");
  EXPECT_EQ(s.h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/wild.wav"});
  EXPECT_EQ(g.lblMESSAGE.Caption, "The rains fade as the sun comes out once again.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xC0C0C0u);
}

TEST(Rain, OffTheOverlandTheStormIsHeldAndResumesWithItsRemainingTime) {
  Storm s(2);  // 330 ticks
  Game& g = s.h.game();
  s.h.Advance(1000);
  EXPECT_EQ(g.RainTicks, 320);
  const std::string frame = g.imgRAIN[0].Picture;

  g.RoomNumber = 501;  // into a dungeon
  s.h.Advance(5000);
  EXPECT_EQ(g.RainTicks, 320);
  EXPECT_EQ(g.imgRAIN[0].Picture, frame);

  g.RoomNumber = 5;
  s.h.Advance(3100);
  EXPECT_EQ(g.RainTicks, 289);
  s.h.Advance(289 * 100);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.lblMESSAGE.Caption, "The rains fade as the sun comes out once again.");
}

TEST(Rain, ABeatThatMeetsThePauseBlinkerAtOneIsSkipped) {
  Storm s(1);
  Game& g = s.h.game();
  g.UiTick = 1;
  s.h.Advance(500);
  EXPECT_EQ(g.RainTicks, 300);
  EXPECT_EQ(g.imgRAIN[0].Picture, "");
  g.UiTick = 4;
  s.h.Advance(100);
  EXPECT_EQ(g.RainTicks, 299);
  EXPECT_EQ(g.imgRAIN[0].Picture, g.GamePath + "icons/RAIN1.ico");
}

TEST(Rain, NoStormGathersWhileTheMapIsOpen) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.fraMAP.Visible = true;
  StartRain(g);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_FALSE(g.imgRAIN[0].Visible);
  EXPECT_TRUE(h.mm3().played().empty());
  EXPECT_TRUE(g.RainTicks.isEmpty());
}

}  // namespace
}  // namespace tq
