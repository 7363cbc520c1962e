// Software frame, changed-pixel rectangles and the scaled copy into the window's surface.
#include "app/window_frame.h"

#include <algorithm>
#include <cstring>

namespace tq {
namespace {

constexpr int kBand = 8;  // rows compared and sent together

const Uint32* Row(const SDL_Surface& s, int y) {
  return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s.pixels) + y * s.pitch);
}

}  // namespace

std::vector<PixelRect> ChangedRects(const SDL_Surface& before, const SDL_Surface& after,
                                    PixelRect within) {
  std::vector<PixelRect> rects;
  within = Intersection(within, {0, 0, after.w, after.h});
  if (within.empty()) return rects;
  const int left = within.x, w = within.w, bottom = within.y + within.h;
  for (int top = within.y; top < bottom; top += kBand) {
    int x0 = left + w, x1 = -1, y0 = -1, y1 = -1;
    for (int y = top; y < std::min(bottom, top + kBand); ++y) {
      const Uint32* a = Row(before, y);
      const Uint32* b = Row(after, y);
      if (std::memcmp(a + left, b + left, static_cast<std::size_t>(w) * 4) == 0) continue;
      int first = left, last = left + w - 1;
      while (a[first] == b[first]) ++first;
      while (a[last] == b[last]) --last;
      x0 = std::min(x0, first);
      x1 = std::max(x1, last);
      if (y0 < 0) y0 = y;
      y1 = y;
    }
    if (y0 < 0) continue;
    const PixelRect band{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    // A band joins the one above when together they waste little: one rectangle sent, not two.
    if (!rects.empty()) {
      PixelRect& up = rects.back();
      const int ux0 = std::min(up.x, band.x), ux1 = std::max(up.x + up.w, band.x + band.w);
      const PixelRect joined{ux0, up.y, ux1 - ux0, band.y + band.h - up.y};
      if (up.y + up.h == band.y && joined.w * joined.h <= (up.w * up.h + band.w * band.h) * 3 / 2) {
        up = joined;
        continue;
      }
    }
    rects.push_back(band);
  }
  return rects;
}

std::unique_ptr<WindowFrame> WindowFrame::Create(SDL_Window* window, std::string& error) {
  SDL_Surface* screen = SDL_GetWindowSurface(window);
  if (!screen) {
    error = SDL_GetError();
    return nullptr;
  }
  // The frame takes the screen's own 32-bit format, so a scaled copy moves pixels unchanged.
  const Uint32 format =
      screen->format->BytesPerPixel == 4 ? screen->format->format : Uint32{SDL_PIXELFORMAT_RGB888};
  SurfaceHandle frame(
      SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32, format));
  SurfaceHandle shown(
      SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32, format));
  if (!frame || !shown) {
    error = SDL_GetError();
    return nullptr;
  }
  SDL_SetSurfaceBlendMode(frame.get(), SDL_BLENDMODE_NONE);
  SDL_SetSurfaceBlendMode(shown.get(), SDL_BLENDMODE_NONE);
  RendererHandle renderer(SDL_CreateSoftwareRenderer(frame.get()));
  if (!renderer) {
    error = SDL_GetError();
    return nullptr;
  }
  return std::unique_ptr<WindowFrame>(
      new WindowFrame(window, std::move(frame), std::move(shown), std::move(renderer)));
}

WindowFrame::WindowFrame(SDL_Window* window, SurfaceHandle frame, SurfaceHandle shown,
                         RendererHandle renderer)
    : window_(window),
      frame_(std::move(frame)),
      shown_(std::move(shown)),
      renderer_(std::move(renderer)) {}

WindowFrame::Placement WindowFrame::Place() const {
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  const int scale = std::max(1, std::min(w / kClientWidthPx, h / kClientHeightPx));
  return {scale, std::max(0, (w - kClientWidthPx * scale) / 2),
          std::max(0, (h - kClientHeightPx * scale) / 2)};
}

bool WindowFrame::ToClient(int windowX, int windowY, int& x, int& y) const {
  const Placement p = Place();
  if (windowX < p.x || windowY < p.y) return false;
  x = (windowX - p.x) / p.scale;
  y = (windowY - p.y) / p.scale;
  return x < kClientWidthPx && y < kClientHeightPx;
}

void WindowFrame::ToWindow(int x, int y, int& windowX, int& windowY) const {
  const Placement p = Place();
  windowX = p.x + x * p.scale;
  windowY = p.y + y * p.scale;
}

int WindowFrame::Present(bool all, const std::vector<PixelRect>* drawn) {
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (!screen) return 0;
  std::vector<PixelRect> rects;
  if (all) {
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    rects.push_back({0, 0, kClientWidthPx, kClientHeightPx});
  } else if (drawn) {
    for (const PixelRect& area : *drawn) {
      for (const PixelRect& r : ChangedRects(*shown_, *frame_, area)) rects.push_back(r);
    }
  } else {
    rects = ChangedRects(*shown_, *frame_);
  }
  if (rects.empty()) return 0;
  const Placement p = Place();
  std::vector<SDL_Rect> sent;
  for (const PixelRect& r : rects) {
    SDL_Rect from{r.x, r.y, r.w, r.h};
    SDL_Rect to{p.x + r.x * p.scale, p.y + r.y * p.scale, r.w * p.scale, r.h * p.scale};
    SDL_BlitScaled(frame_.get(), &from, screen, &to);
    SDL_Rect keep = from;
    SDL_BlitSurface(frame_.get(), &from, shown_.get(), &keep);
    sent.push_back(to);
  }
  if (all) sent.assign(1, SDL_Rect{0, 0, screen->w, screen->h});
  SDL_UpdateWindowSurfaceRects(window_, sent.data(), static_cast<int>(sent.size()));
  return static_cast<int>(rects.size());
}

}  // namespace tq
