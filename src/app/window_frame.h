// The window's picture kept at the client area's own size in memory and drawn there by SDL's
// software renderer. Only the pixels that changed since the last frame are scaled into the
// window and sent to the screen; a frame that changes nothing is never sent.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/display_list.h"
#include "app/sdl_handles.h"

namespace tq {

// Rectangles that together cover every pixel that differs between two surfaces of the same size
// and format within `within` (a few per frame: the changed rows, band by band, each cut to its
// changed columns).
std::vector<PixelRect> ChangedRects(const SDL_Surface& before, const SDL_Surface& after,
                                    PixelRect within);
inline std::vector<PixelRect> ChangedRects(const SDL_Surface& before, const SDL_Surface& after) {
  return ChangedRects(before, after, {0, 0, after.w, after.h});
}

class WindowFrame {
 public:
  // Nullptr, with `error` set, when the window has no surface to draw on.
  static std::unique_ptr<WindowFrame> Create(SDL_Window* window, std::string& error);

  // Draws into the frame in client pixels.
  SDL_Renderer* renderer() { return renderer_.get(); }
  // Sends what changed since the last call to the screen, or the whole frame when `all` (the
  // window was uncovered or resized). `drawn`, when given, holds every area drawn into since;
  // nothing else can have changed. Returns how many rectangles were sent.
  int Present(bool all, const std::vector<PixelRect>* drawn = nullptr);
  // What the screen shows now, at the client area's size.
  const SDL_Surface& shown() const { return *shown_; }
  // The client pixel under a window pixel; false outside the client area.
  bool ToClient(int windowX, int windowY, int& x, int& y) const;
  // The window pixel of a client pixel's top-left corner.
  void ToWindow(int x, int y, int& windowX, int& windowY) const;

 private:
  WindowFrame(SDL_Window* window, SurfaceHandle frame, SurfaceHandle shown,
              RendererHandle renderer);
  struct Placement {
    int scale, x, y;
  };
  Placement Place() const;

  SDL_Window* window_;
  SurfaceHandle frame_;  // drawn into
  SurfaceHandle shown_;  // what the screen shows
  RendererHandle renderer_;
};

}  // namespace tq
