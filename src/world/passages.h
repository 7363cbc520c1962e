// Passages between underground rooms: the coin flips of the ladder rooms, the two-way openings,
// the exits cut into the walls and the underground map icons.
#pragma once

#include <string>

namespace tq {

class Random;
struct WorldWork;

// The four coin flips of every underground room; only a ladder room opens a side, and only
// toward a neighbour without a ladder. The generator is seeded from the clock before each room.
void DrawPassages(Random& rnd, WorldWork& w);

// Makes every passage two-way, cuts the exits and gives each underground map square its tag.
void OpenPassages(WorldWork& w);

// "dun1".."dun16" by the open sides, with "L" in front for a ladder room.
std::string UndergroundMapTag(bool north, bool south, bool west, bool east, bool ladder);

}  // namespace tq
