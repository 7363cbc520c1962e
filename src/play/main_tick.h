// The game's heartbeat: the 200 ms animation timer that runs every step of a play tick.
#pragma once

namespace tq {

class Game;

void tmrANIMATE_Timer(Game& g);

}  // namespace tq
