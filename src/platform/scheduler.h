// The window's timers and the scheduler that fires them from a Clock, one event at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tq {

class Clock;
class Scheduler;

class Timer {
 public:
  Timer(Scheduler& s, std::string name, int interval, bool enabled);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  // Switching a timer on (even when it already runs) or changing its interval restarts the count.
  void setEnabled(bool on);
  void setInterval(int ms);

  // What the timer does when it fires; set once when the window is put together.
  std::function<void()> onTimer;

 private:
  friend class Scheduler;
  Scheduler* scheduler_;
  std::string name_;
  int interval_;
  bool enabled_;
  std::int64_t due_ = 0;
  int order_ = 0;
};

class Scheduler {
 public:
  explicit Scheduler(const Clock& clock) : clock_(&clock) {}

  // The earliest instant at which a running timer falls due, if any runs.
  std::optional<std::int64_t> NextDue() const;
  // Fires every timer that is due at the clock's present time, in the order of their due times;
  // timers due at the same instant fire in the order they were made. A timer fires at most once
  // per call: after a stall its next turn is one interval after now, so no burst of ticks follows.
  // Returns the number of events fired.
  int RunDue();
  const Clock& clock() const { return *clock_; }
  const std::vector<Timer*>& timers() const { return timers_; }

 private:
  friend class Timer;
  void Register(Timer& t);
  void Restart(Timer& t);

  const Clock* clock_;
  std::vector<Timer*> timers_;
};

}  // namespace tq
