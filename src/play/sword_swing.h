// The sword swing: the three swing frames of the hero and the price of the blow.
#pragma once

namespace tq {

class Game;

// Every 75 ms (50 ms with the SHADOW SWORD) while the hero swings.
void tmrATTACK_Timer(Game& g);

}  // namespace tq
