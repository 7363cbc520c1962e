// SDL key symbols as the window's key codes: 32 for the space bar, 37 to 40 for the arrows, the
// only keys the game acts on. Every other key reaches the game as kOtherKey, which only tells
// it that the player is awake.
#pragma once

#include <SDL_keycode.h>

namespace tq {

constexpr int kOtherKey = 0;

inline int WindowKeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_SPACE:
      return 32;
    case SDLK_LEFT:
      return 37;
    case SDLK_UP:
      return 38;
    case SDLK_RIGHT:
      return 39;
    case SDLK_DOWN:
      return 40;
    default:
      return kOtherKey;
  }
}

}  // namespace tq
