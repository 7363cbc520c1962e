// Timer bookkeeping: due times, restarts and the firing order.
#include "platform/scheduler.h"

#include "platform/clock.h"

namespace tq {

Timer::Timer(Scheduler& s, std::string name, int interval, bool enabled)
    : scheduler_(&s), name_(std::move(name)), interval_(interval), enabled_(enabled) {
  scheduler_->Register(*this);
}

void Timer::setEnabled(bool on) {
  enabled_ = on;
  if (on) scheduler_->Restart(*this);
}

void Timer::setInterval(int ms) {
  interval_ = ms;
  if (enabled_) scheduler_->Restart(*this);
}

void Scheduler::Register(Timer& t) {
  t.order_ = static_cast<int>(timers_.size());
  timers_.push_back(&t);
  Restart(t);
}

void Scheduler::Restart(Timer& t) {
  t.due_ = clock_->nowMs() + t.interval_;
}

std::optional<std::int64_t> Scheduler::NextDue() const {
  std::optional<std::int64_t> best;
  for (const Timer* t : timers_) {
    if (t->enabled_ && t->interval_ > 0 && (!best || t->due_ < *best)) best = t->due_;
  }
  return best;
}

int Scheduler::RunDue() {
  const std::int64_t now = clock_->nowMs();
  std::vector<bool> fired(timers_.size(), false);
  int count = 0;
  for (;;) {
    // The earliest due timer not yet fired in this call; ties go to the older timer.
    Timer* next = nullptr;
    for (Timer* t : timers_) {
      if (!t->enabled_ || t->interval_ <= 0 || fired[t->order_] || t->due_ > now) continue;
      if (!next || t->due_ < next->due_) next = t;
    }
    if (!next) return count;
    fired[next->order_] = true;
    // The next turn is counted from the due time, or from now when the turn came late; the
    // handler may still switch the timer off or restart it.
    const std::int64_t following = next->due_ + next->interval_;
    next->due_ = following > now ? following : now + next->interval_;
    ++count;
    if (next->onTimer) next->onTimer();
  }
}

}  // namespace tq
