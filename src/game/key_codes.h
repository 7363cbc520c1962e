// The key codes the game acts on, as the window delivers them: the space bar and the arrows.
// Every other key only tells the game that the player is awake.
#pragma once

namespace tq {

constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

}  // namespace tq
