// The status bars to the twip, with the maximum and scale carried from bar to bar, and the numbers.
#include "play/status_display.h"

#include <gtest/gtest.h>

#include "kit/headless_game.h"

namespace tq {
namespace {

struct Stats {
  int life = 10, maxLife = 10, strength = 20, maxStrength = 20, gold = 0;
  int enemyHP = 0, enemyMaxHP = 0, points = 0;
};

// Returns the five bar positions for the given state.
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

TEST(StatusBars, LifeAndStrengthUseTheWholePartOfTheirScale) {
  EXPECT_EQ(BarsFor({}), (std::array<int, 5>{0, 0, -1420, -1420, -1420}));
  EXPECT_EQ(BarsFor({.life = 0})[0], -1420);  // 20 twips of an empty bar stay in view
  EXPECT_EQ(BarsFor({.life = 5, .maxLife = 11})[0], -6 * 129);
  EXPECT_EQ(BarsFor({.strength = 3, .maxStrength = 25})[1], -22 * 56);
  // Above the maximum the bar moves right and its box clips it.
  EXPECT_EQ(BarsFor({.strength = 23})[1], 3 * 71);
}

TEST(StatusBars, GoldKeepsItsFractionalScale) {
  EXPECT_EQ(BarsFor({.gold = 100})[2], -710);
  EXPECT_EQ(BarsFor({.gold = 1})[2], -1413);   // 1412.9 twips, on the nearest whole twip
  EXPECT_EQ(BarsFor({.gold = 500})[2], 2130);  // the magic bag's gold lies beyond the box
}

TEST(StatusBars, EnemyAndPointsBarsBorrowTheScaleBeforeThemWhenAtZero) {
  // No monster: the enemy bar measures 0 against gold's 200 at 7.1, and so do the points.
  EXPECT_EQ(BarsFor({.enemyHP = 0, .enemyMaxHP = 40})[3], -1420);
  EXPECT_EQ(BarsFor({.enemyHP = 0, .enemyMaxHP = 40})[4], -1420);
  // A live monster at 0 points: the points bar takes the enemy's maximum and scale.
  EXPECT_EQ(BarsFor({.enemyHP = 55, .enemyMaxHP = 55})[4], -1375);
  EXPECT_EQ(BarsFor({.enemyHP = 3, .enemyMaxHP = 18})[4], -1404);
  EXPECT_EQ(BarsFor({.enemyHP = 10, .enemyMaxHP = 17})[3], -7 * 83);
  EXPECT_EQ(BarsFor({.enemyHP = 10, .enemyMaxHP = 17, .points = 30})[4], -70 * 14);
  EXPECT_EQ(BarsFor({.points = 100})[4], 0);
}

TEST(StatusBars, OddValuesNeverBreakTheRefresh) {
  // A zero maximum has nothing to measure against: the bar shows empty.
  EXPECT_EQ(BarsFor({.maxLife = 0})[0], -1420);
  EXPECT_EQ(BarsFor({.enemyHP = 4, .enemyMaxHP = 0})[3], -1420);
  EXPECT_EQ(BarsFor({.enemyHP = 4, .enemyMaxHP = 0})[4], -1420);
  // The values are read as 16-bit numbers, held at the edge of that range.
  EXPECT_EQ(BarsFor({.points = 40000})[4], BarsFor({.points = 32767})[4]);
  EXPECT_EQ(BarsFor({.points = 40000})[4], (32767 - 100) * 14);
}

TEST(StatusNumbers, EachLabelShowsItsValue) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.Gold = 123;
  g.Life = 7;
  g.Strength = 0;
  g.EnemyHP = 26;
  g.Points = 99;
  const int barBefore = g.imgBAR[0].Left;
  RefreshStatusNumbers(g);
  EXPECT_EQ(g.lblHP[0].Caption, "123");
  EXPECT_EQ(g.lblHP[1].Caption, "7");
  EXPECT_EQ(g.lblHP[2].Caption, "0");
  EXPECT_EQ(g.lblHP[3].Caption, "26");
  EXPECT_EQ(g.lblHP[4].Caption, "99");
  EXPECT_EQ(g.imgBAR[0].Left, barBefore);  // the numbers alone leave the bars
}

}  // namespace
}  // namespace tq
