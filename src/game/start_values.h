// The start values of a game, which the window takes when it loads and every new world again.
#pragma once

namespace tq {

struct GameState;

// Ground and facings, no items, no gold, no points, full life (10) and strength (20), the
// hunting sword, and the middle column of the room.
void SetStartValues(GameState& s);

}  // namespace tq
