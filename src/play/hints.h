// The hint a broken sign gives.
#pragma once

namespace tq {

class Game;

// Shows one of the fifty hints, drawn afresh from the clock, in white.
void ShowRandomHint(Game& g);

}  // namespace tq
