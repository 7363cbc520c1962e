// The status rows: the hero's and the enemy's bars and the numbers beside them.
#pragma once

namespace tq {

class Game;

void RefreshStatusBars(Game& g);
void RefreshStatusNumbers(Game& g);

}  // namespace tq
