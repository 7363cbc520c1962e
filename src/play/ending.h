// The ending after VEV falls: the brothers' short dialogue and the end picture.
#pragma once

namespace tq {

class Game;

// Prepares the dialogue and starts its timer; called by the strike that kills VEV.
void StartEnding(Game& g);
// Every 4.5 s: one step of the dialogue, and the end picture on the sixth.
void tmrEND_Timer(Game& g);

}  // namespace tq
