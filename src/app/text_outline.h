// The outline a label's letters can carry so that they read on any picture beneath them.
#pragma once

#include "app/display_list.h"
#include "app/sdl_handles.h"

namespace tq {

// Black round light letters, white round dark ones: whichever stands further apart from them.
Color OutlineFor(Color letters);

// The letters in `ink` over an outline in `ring` that reaches kOutlinePx beyond them, on a surface
// kOutlinePx larger on every side; `letters` gives their coverage in its alpha. Nullptr when SDL
// cannot make the surface.
SurfaceHandle Outlined(SDL_Surface* letters, SDL_Color ink, SDL_Color ring);

}  // namespace tq
