// The end of a game lost: the hero is gone, the death tune plays and the toolbar offers a new
// start.
#pragma once

namespace tq {

class Game;

void GameOver(Game& g);

}  // namespace tq
