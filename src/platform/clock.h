// The game's sense of time: milliseconds for the timers and the time of day for seeding.
#pragma once

#include <cstdint>

namespace tq {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds on a steady count; only differences matter.
  virtual std::int64_t nowMs() const = 0;
  // Seconds since midnight, the value the random generator is seeded from.
  virtual double secondsOfDay() const = 0;
};

// A clock that moves only when told to: tests and the headless game run on it.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(double startSecondsOfDay = 43200.0) : dayStart_(startSecondsOfDay) {}
  std::int64_t nowMs() const override { return now_; }
  double secondsOfDay() const override {
    const double s = dayStart_ + static_cast<double>(now_) / 1000.0;
    return s - 86400.0 * static_cast<double>(static_cast<std::int64_t>(s / 86400.0));
  }
  void set(std::int64_t ms) { now_ = ms; }

 private:
  double dayStart_;
  std::int64_t now_ = 0;
};

}  // namespace tq
