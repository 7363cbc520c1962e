// Choosing the 29 interior cells of the overland that receive a template room.
#pragma once

namespace tq {

class Random;
struct WorldWork;

// Fills SpecialCell(1..29) with distinct interior cells. A draw that falls on the border or
// repeats another entry sends the choice one place back, which is how the list ends up distinct.
void DrawSpecialCells(Random& rnd, WorldWork& w);

}  // namespace tq
