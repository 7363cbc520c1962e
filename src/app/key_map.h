// SDL key symbols as the window's key codes: 32 for the space bar, 37 to 40 for the arrows.
#pragma once

#include <SDL_keycode.h>

#include "game/key_codes.h"

namespace tq {

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
    case SDLK_RETURN:
      return 13;
    case SDLK_ESCAPE:
      return 27;
    default:
      if (key >= 'a' && key <= 'z') return key - 'a' + 'A';  // letters as upper-case codes
      if (key >= '0' && key <= '9') return key;
      return key & 0xFF;
  }
}

}  // namespace tq
