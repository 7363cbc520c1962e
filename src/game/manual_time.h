// Runs the window's timers on a manual clock: every timer that falls due fires at its instant.
#pragma once

#include <cstdint>

namespace tq {

class Game;
class ManualClock;

// Moves the clock to `targetMs`, firing each due timer at the moment it falls due, in order.
void RunUntil(Game& g, ManualClock& clock, std::int64_t targetMs);

}  // namespace tq
