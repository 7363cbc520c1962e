// SDL key symbols as the window's key codes: 32 for the space bar, 37 to 40 for the arrows, the
// only keys the game acts on. Every other key reaches the game as kOtherKey, which only tells
// it that the player is awake.
#pragma once

#include <SDL_keycode.h>

#include "game/key_codes.h"

namespace tq {

constexpr int kOtherKey = 0;

inline int WindowKeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_SPACE:
      return kKeySpace;
    case SDLK_LEFT:
      return kKeyLeft;
    case SDLK_UP:
      return kKeyUp;
    case SDLK_RIGHT:
      return kKeyRight;
    case SDLK_DOWN:
      return kKeyDown;
    default:
      return kOtherKey;
  }
}

}  // namespace tq
