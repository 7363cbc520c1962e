// Stepping a manual clock through the timers' due times.
#include "game/manual_time.h"

#include "game/game.h"
#include "platform/clock.h"

namespace tq {

void RunUntil(Game& g, ManualClock& clock, std::int64_t targetMs) {
  for (;;) {
    const auto due = g.scheduler.NextDue();
    if (!due || *due > targetMs || g.unloaded) break;
    if (*due > clock.nowMs()) clock.set(*due);
    g.scheduler.RunDue();
  }
  if (targetMs > clock.nowMs()) clock.set(targetMs);
}

}  // namespace tq
