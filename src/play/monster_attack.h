// One blow of the room's monster on the hero, from the cell beside him.
#pragma once

namespace tq {

class Game;

void MonsterAttack(Game& g);

}  // namespace tq
