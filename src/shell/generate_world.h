// The world builder: one call writes a whole new random world and starts play in the home room.
#pragma once

namespace tq {

class Game;

void GenerateWorld(Game& g);

}  // namespace tq
