// The status bars to the twip, with the maximum and scale carried from bar to bar.
#include "play/status_display.h"

#include <gtest/gtest.h>

#include "kit/headless_game.h"

namespace tq {
namespace {

struct Stats {
  int life = 10, maxLife = 10, strength = 20, maxStrength = 20, gold = 0;
  int enemyHP = 0, enemyMaxHP = 0, points = 0;
};

std::array<int, 5> BarsFor(const Stats& s) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.Life = s.life;
  g.MaxLife = s.maxLife;
  g.Strength = s.strength;
  g.MaxStrength = s.maxStrength;
  g.Gold = s.gold;
  g.EnemyHP = s.enemyHP;
  g.EnemyMaxHP = s.enemyMaxHP;
  g.Points = s.points;
  RefreshStatusBars(g);
  std::array<int, 5> left{};
  for (int b = 0; b < 5; ++b) left[b] = g.imgBAR[b].Left;
  return left;
}

TEST(StatusBars, SlideByTheirScaleAndBorrowTheOneBeforeWhenAtZero) {
  using Bars = std::array<int, 5>;
  // Full life and strength; no monster and no points measure against gold's 200 at 7.1.
  EXPECT_EQ(BarsFor({}), (Bars{0, 0, -1420, -1420, -1420}));
  EXPECT_EQ(BarsFor({.life = 0, .strength = 23, .gold = 1}),
            (Bars{-1420, 213, -1413, -1420, -1420}));
  EXPECT_EQ(BarsFor({.life = 5, .maxLife = 11, .strength = 3, .maxStrength = 25, .gold = 500}),
            (Bars{-774, -1232, 2130, -1420, -1420}));
  // At 0 points the points bar takes a live monster's maximum and scale.
  EXPECT_EQ(BarsFor({.enemyHP = 55, .enemyMaxHP = 55})[4], -1375);
  EXPECT_EQ(BarsFor({.enemyHP = 3, .enemyMaxHP = 18}), (Bars{0, 0, -1420, -1170, -1404}));
  EXPECT_EQ(BarsFor({.enemyHP = 3, .enemyMaxHP = 18, .points = 30})[4], -980);
}

TEST(StatusBars, OddValuesNeverBreakTheRefresh) {
  // A zero maximum has nothing to measure against: the bar shows empty.
  EXPECT_EQ(BarsFor({.maxLife = 0, .enemyHP = 4, .enemyMaxHP = 0}),
            (std::array<int, 5>{-1420, 0, -1420, -1420, -1420}));
  // Values are read as 16-bit numbers, held at the edge of that range.
  EXPECT_EQ(BarsFor({.points = 40000})[4], (32767 - 100) * 14);
}

}  // namespace
}  // namespace tq
