// The LOAD command: back to the saved game, its map, its items and its music.
#pragma once

namespace tq {

class Game;

void mnuLOAD_Click(Game& g, int index);

}  // namespace tq
