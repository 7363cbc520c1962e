// The room monster's turn: it strikes the hero when it stands next to him, or else turns toward
// him and takes one step, written into the room file.
#pragma once

namespace tq {

class Game;

void MoveMonster(Game& g);

}  // namespace tq
