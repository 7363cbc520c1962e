// The break frames of what the sword strikes and survives: a monster's four frames play on every
// blow and a chest's as its lid gives, so the figure stays whole in each of them; a kill is told
// by the message, the sound and the loot.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/asset_measures.h"
#include "game/monster_table.h"
#include "game/picture_names.h"

namespace tq {
namespace {

const char* const kGrounds[] = {"GRASS", "DIRT", "WOOD", "SNOW"};
constexpr double kKeptGoal = 0.6;

// The share of the figure each break frame of `tag` keeps, measured against `whole`; adds a line
// to `misses` when a frame keeps less than the goal.
void MeasureFrames(const std::string& ground, std::string_view tag, const std::string& whole,
                   std::vector<Miss>& misses) {
  const Decoded figure = GamePicture(whole);
  const Decoded floor = GamePicture(TilePictureName(ground, "FLOOR"));
  ASSERT_FALSE(figure.rgba.empty()) << whole;
  ASSERT_FALSE(floor.rgba.empty()) << ground;
  double worst = 1;
  std::string line = ground + " " + std::string(tag) + ":";
  for (int frame = 1; frame <= 4; ++frame) {
    const Decoded kill = GamePicture(BreakFrameName(ground, tag, frame));
    ASSERT_FALSE(kill.rgba.empty()) << ground << tag << " frame " << frame;
    const double kept = KeptShare(figure, kill, floor);
    worst = std::min(worst, kept);
    char percent[16];
    std::snprintf(percent, sizeof percent, " %.0f%%", 100 * kept);
    line += percent;
  }
  if (worst < kKeptGoal) misses.push_back({worst, line});
}

TEST(BreakFrames, AStruckMonsterStaysWholeInEveryFrame) {
  std::vector<Miss> misses;
  for (const std::string ground : kGrounds)
    for (const MonsterKind& kind : MonsterTable())
      MeasureFrames(ground, kind.tag, MonsterPictureName(ground, kind.tag, "FRONT"), misses);
  EXPECT_TRUE(misses.empty()) << "share of the monster kept in frames 1-4 (goal 60 %): "
                              << WorstFirst(misses);
}

TEST(BreakFrames, AStruckChestOpensWithoutShattering) {
  std::vector<Miss> misses;
  for (const std::string ground : kGrounds)
    MeasureFrames(ground, "CHEST", TilePictureName(ground, "CHEST"), misses);
  EXPECT_TRUE(misses.empty()) << "share of the chest kept in frames 1-4 (goal 60 %): "
                              << WorstFirst(misses);
}

}  // namespace
}  // namespace tq
