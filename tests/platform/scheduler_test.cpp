// Timers on a manual clock: intervals, restarts, the order of ties and no catch-up bursts.
#include "platform/scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"

namespace tq {
namespace {

struct Fixture {
  ManualClock clock;
  Scheduler s{clock};
  std::vector<std::string> log;

  void Hook(Timer& t) {
    t.onTimer = [this, &t] { log.push_back(t.name() + "@" + std::to_string(clock.nowMs())); };
  }
  // Steps through every due instant up to `target`, as the headless game does.
  void RunTo(std::int64_t target) {
    while (auto due = s.NextDue()) {
      if (*due > target) break;
      clock.set(*due);
      s.RunDue();
    }
    clock.set(target);
  }
};

TEST(Scheduler, TimersFireEveryIntervalOnlyWhileEnabled) {
  Fixture f;
  Timer a(f.s, "a", 200, true), b(f.s, "b", 500, false);
  f.Hook(a);
  f.Hook(b);
  f.RunTo(1000);
  EXPECT_EQ(f.log, (std::vector<std::string>{"a@200", "a@400", "a@600", "a@800", "a@1000"}));
  EXPECT_EQ(f.s.NextDue(), 1200);
}

TEST(Scheduler, EnablingOrChangingTheIntervalRestartsTheCount) {
  Fixture f;
  Timer a(f.s, "a", 200, true);
  f.Hook(a);
  f.RunTo(150);
  a.setEnabled(true);  // already on: the count starts again from 150
  f.RunTo(400);
  EXPECT_EQ(f.log, (std::vector<std::string>{"a@350"}));
  a.setInterval(75);
  f.RunTo(550);
  EXPECT_EQ(f.log, (std::vector<std::string>{"a@350", "a@475", "a@550"}));
  a.setEnabled(false);
  f.RunTo(2000);
  EXPECT_EQ(f.log.size(), 3u);
}

TEST(Scheduler, TiesFireInTheOrderTheTimersWereMade) {
  Fixture f;
  Timer first(f.s, "first", 100, true), second(f.s, "second", 50, true);
  f.Hook(first);
  f.Hook(second);
  f.RunTo(100);
  EXPECT_EQ(f.log, (std::vector<std::string>{"second@50", "first@100", "second@100"}));
}

TEST(Scheduler, AHandlerMaySwitchOtherTimersAndItself) {
  Fixture f;
  Timer main(f.s, "main", 200, true), swing(f.s, "swing", 50, false);
  f.Hook(swing);
  int swings = 0;
  main.onTimer = [&] {
    f.log.push_back("main@" + std::to_string(f.clock.nowMs()));
    main.setEnabled(false);
    swing.setEnabled(true);
  };
  swing.onTimer = [&] {
    f.log.push_back("swing@" + std::to_string(f.clock.nowMs()));
    if (++swings == 3) {
      swing.setEnabled(false);
      main.setEnabled(true);
    }
  };
  f.RunTo(560);
  EXPECT_EQ(f.log, (std::vector<std::string>{"main@200", "swing@250", "swing@300", "swing@350",
                                             "main@550"}));
}

TEST(Scheduler, ALateWakeFiresEachTimerOnceAndThenKeepsTheBeat) {
  Fixture f;
  Timer a(f.s, "a", 50, true), b(f.s, "b", 200, true);
  f.Hook(a);
  f.Hook(b);
  f.clock.set(1000);  // the machine stalled for a second
  EXPECT_EQ(f.s.RunDue(), 2);
  EXPECT_EQ(f.log, (std::vector<std::string>{"a@1000", "b@1000"}));
  EXPECT_EQ(f.s.NextDue(), 1050);
  EXPECT_EQ(f.s.RunDue(), 0);  // nothing more is due at 1000
}

}  // namespace
}  // namespace tq
