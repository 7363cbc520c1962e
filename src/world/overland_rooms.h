// The generated overland rooms: the tree frame with its exits and the roll table of the inside.
#pragma once

#include <string>

namespace tq {

class Random;
struct WorldWork;

// The tag an inside cell gets from its roll r (1..100), with the draws the roll's row makes.
// `monsterPlaced` is the room's monster flag; it is set when a monster is put down.
std::string RollOverlandCell(Random& rnd, int r, bool& monsterPlaced, const WorldWork& w);

// Builds overland room n (1..100) into w.rooms and records its secret tree, if any.
void BuildOverlandRoom(Random& rnd, int n, WorldWork& w);

}  // namespace tq
