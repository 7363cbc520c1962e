// A fingerprint of everything the window shows, so the screen is redrawn only when it changed.
#pragma once

#include <cstdint>

namespace tq {

class Game;

std::uint64_t ViewHash(const Game& g);

}  // namespace tq
