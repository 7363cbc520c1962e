// The hero's step: one call walks him a tile, changes rooms, redraws the view and applies the tile
// underfoot.
#pragma once

namespace tq {

class Game;

void MoveHero(Game& g);

}  // namespace tq
