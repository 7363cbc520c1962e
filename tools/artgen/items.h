// Items: loot, keys, sword pieces and the things the shop deeds sell, at any size.
#pragma once

#include <string_view>

#include "canvas.h"

namespace tq::art {

// Draws an item centred at (cx, cy); s = 1 fits a 16-pixel box. frame 2 is the second
// picture of animated items (coins, symbols); 'glow' lights up blinking icons.
void DrawItem(Image& l, std::string_view item, double cx, double cy, double s, int frame = 1,
              bool glow = false);

}  // namespace tq::art
