// The random generator: draws in range, repeatable from a seed, and scripted draws for tests.
#include "platform/random.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/clock.h"

namespace tq {
namespace {

TEST(Random, DrawsCoverOneToNEvenly) {
  ManualClock clock;
  Random r(clock);
  r.Randomize();
  std::map<std::int64_t, int> seen;
  for (int i = 0; i < 60000; ++i) seen[r.Draw(6)]++;
  ASSERT_EQ(seen.size(), 6u);
  EXPECT_EQ(seen.begin()->first, 1);
  EXPECT_EQ(seen.rbegin()->first, 6);
  for (auto [face, count] : seen) EXPECT_NEAR(count, 10000, 600) << face;
}

TEST(Random, TheSameInstantGivesTheSameSequenceAndAnotherInstantAnother) {
  ManualClock clock(1234.5);
  Random a(clock), b(clock);
  a.Randomize();
  b.Randomize();
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Draw(100), b.Draw(100));
  Random c(clock);
  clock.set(500);
  c.Randomize();
  Random d(clock);
  clock.set(1500);
  d.Randomize();
  int same = 0;
  for (int i = 0; i < 100; ++i) same += c.Draw(1000) == d.Draw(1000);
  EXPECT_LT(same, 5);
}

TEST(Random, ScriptedDrawsComeFirstAndAreChecked) {
  ManualClock clock;
  Random r(clock);
  r.Script({96, 1});
  EXPECT_EQ(r.Draw(100), 96);
  EXPECT_EQ(r.Draw(4), 1);
  EXPECT_FALSE(r.HasScript());
  r.Script({7});
  EXPECT_THROW(r.Draw(6), std::logic_error);
}

}  // namespace
}  // namespace tq
