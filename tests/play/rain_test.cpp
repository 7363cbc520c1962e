// Rainstorms: the start, the overlay frames, the held storm, the skipped beat and the end.
#include "play/rain.h"

#include <gtest/gtest.h>

#include "game/key_codes.h"
#include "kit/room_builder.h"
#include "play/play_field.h"
#include "rooms/move_hero.h"

namespace tq {
namespace {

// Overland room 5, where the first main tick brings a storm of (n + 9) x 30 rain ticks; the
// storm starts at 200 ms and counts its first tick at 300 ms.
struct Storm {
  explicit Storm(int n) {
    test::ShowPlayField(h.game(), 5);
    h->rnd.Script({1, n});
    h.Advance(200);
  }
  kit::HeadlessGame h;
};

TEST(Rain, AStormRunsItsOverlayAndEndsWithTheSun) {
  Storm s(1);
  Game& g = s.h.game();
  EXPECT_EQ(g.RainTicks, 300);
  EXPECT_EQ(s.h.mm3().playing(), g.GamePath + "sounds/RAINTHUNDER.wav");
  EXPECT_EQ(g.lblMESSAGE.Caption, "A heavy rainstorm begins.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xC0C0C0u);
  EXPECT_TRUE(g.imgRAIN[24].Visible);
  EXPECT_EQ(g.imgRAIN[24].Picture, "");  // the overlay's last picture until the first beat

  const std::string rain = g.GamePath + "icons/RAIN";
  for (int k : {1, 2, 3, 2, 1, 3, 1}) {
    s.h.Advance(100);
    for (const Control& drop : g.imgRAIN)
      ASSERT_EQ(drop.Picture, rain + std::to_string(k) + ".ico");
  }
  s.h.mm1().clear();
  s.h.Advance(292 * 100);
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  s.h.Advance(100);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.RainTicks, 0);
  EXPECT_FALSE(g.imgRAIN[24].Visible);
  EXPECT_EQ(s.h.mm3().playing(), g.GamePath + "sounds/overland2.mid");
  EXPECT_EQ(s.h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/wild.wav"});
  EXPECT_EQ(g.lblMESSAGE.Caption, "The rains fade as the sun comes out once again.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xC0C0C0u);

  // 299 beats left the overlay on step 5; the next storm goes on from there.
  g.rnd.Script({1, 1});
  s.h.Advance(200);
  EXPECT_EQ(g.imgRAIN[0].Picture, rain + "1.ico");
  s.h.Advance(100);
  EXPECT_EQ(g.imgRAIN[0].Picture, rain + "3.ico");
}

TEST(Rain, IsHeldOffTheOverlandAndSkipsTheBeatsThatMeetThePauseBlinkerAtOne) {
  Storm s(2);
  Game& g = s.h.game();
  s.h.Advance(1000);
  EXPECT_EQ(g.RainTicks, 320);
  const std::string frame = g.imgRAIN[0].Picture;
  g.RoomNumber = 501;
  s.h.Advance(5000);
  g.RoomNumber = 5;
  g.UiTick = 1;
  s.h.Advance(500);
  EXPECT_EQ(g.RainTicks, 320);
  EXPECT_EQ(g.imgRAIN[0].Picture, frame);
  g.UiTick = 4;
  s.h.Advance(320 * 100);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.lblMESSAGE.Caption, "The rains fade as the sun comes out once again.");
}

TEST(Rain, AStormHeldByADungeonVisitGoesOnWithItsRemainingTimeOnTheWayBack) {
  kit::HeadlessGame h;
  Game& g = h.game();
  kit::RoomBuilder().Set(7, 6, "HOLE").WithExits().WriteTo(h, 45);
  kit::RoomBuilder(kit::kDirt).WithExits().WriteTo(h, 550);
  test::ShowPlayField(g, 45);
  g.HeroRow = 8;
  g.HeroCol = 6;
  g.Facing = "XXX";
  MoveHero(g);
  g.rnd.Script({1, 1});
  h.Advance(200);
  h.Advance(1000);
  ASSERT_EQ(g.RainTicks, 290);

  h.Press(kKeyUp);
  ASSERT_EQ(g.RoomNumber, 550);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_FALSE(g.imgRAIN[12].Visible);
  h.Advance(5000);
  EXPECT_EQ(g.RainTicks, 290);

  h.mm3().clear();
  h.Press(kKeyDown);
  ASSERT_EQ(g.RoomNumber, 45);
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_TRUE(g.imgRAIN[12].Visible);
  EXPECT_EQ(h.mm3().playing(), g.GamePath + "sounds/rainthunder.wav");
  EXPECT_EQ(g.lblMESSAGE.Caption, "Rains continue throughout the land.");
  h.Advance(289 * 100);
  EXPECT_EQ(g.RainTicks, 1);
  h.Advance(100);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.lblMESSAGE.Caption, "The rains fade as the sun comes out once again.");
}

}  // namespace
}  // namespace tq
