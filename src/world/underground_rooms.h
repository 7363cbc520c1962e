// The underground rooms 301..400: caves and furnished rooms, with a ladder under every secret tree.
#pragma once

#include <string>

namespace tq {

class Random;
struct WorldWork;

// What the underground builder tracks for the room being built.
struct UndergroundFlags {
  bool monster = false;
  bool lifeSymbol = false;
  bool powerSymbol = false;
};

// The tag an inside cell gets from its roll r and clearing draw s, in a cave (ground 1) or a
// furnished room (ground 2), before the cave monster and clearing rules.
std::string RollUndergroundCell(Random& rnd, int r, int s, int groundCode, UndergroundFlags& f,
                                const WorldWork& w);

// Builds room 300 + m (m 1..100) into w.rooms and records whether it has a ladder.
void BuildUndergroundRoom(Random& rnd, int m, WorldWork& w);

}  // namespace tq
