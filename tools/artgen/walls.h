// Walls: the stone courses that walls, doors and the chimney are laid from.
#pragma once

#include <cstdint>

#include "shade.h"
#include "tiles.h"

namespace tq::art {

// Stone blocks in running bond over the whole cell; rows repeat with the tile.
void Bricks(Image& l, const Ramp& stone, uint32_t seed);

}  // namespace tq::art
