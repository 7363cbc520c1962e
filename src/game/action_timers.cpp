// Stopping the action timers when a new or saved game takes over the window.
#include "game/action_timers.h"

#include "game/game.h"

namespace tq {

void StopActionTimers(Game& g) {
  for (Timer* t : {&g.tmrATTACK, &g.tmrBREAK, &g.tmrGUYHIT, &g.tmrSHIELD, &g.tmrEND}) {
    t->setEnabled(false);
  }
}

}  // namespace tq
