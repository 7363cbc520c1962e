// The timers of the hero's and the monster's actions: the swing, the strike, the hurt and dying
// frames, the block and the ending.
#pragma once

namespace tq {

class Game;

// GUARD: a swing, strike, hurt, block or ending left running over a new or loaded game would
// act on it (the ending would stop its main tick and cover it). NEW and LOAD stop them all first.
void StopActionTimers(Game& g);

}  // namespace tq
