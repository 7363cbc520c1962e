// Outlined letters: the letters' coverage widened by a round pen, then the letters laid over it.
#include "app/text_outline.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tq {
namespace {

// The relative luminance of a window colour (&H00BBGGRR), 0 black to 1 white.
double Luminance(Color c) {
  auto linear = [](unsigned channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) +
         0.0722 * linear((c >> 16) & 0xFF);
}

// Coverage 0..1 of each pixel of a surface, row by row.
std::vector<double> CoverageOf(SDL_Surface* s) {
  std::vector<double> alpha(static_cast<std::size_t>(s->w) * s->h);
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) +
                                                      static_cast<std::ptrdiff_t>(y) * s->pitch);
    for (int x = 0; x < s->w; ++x) {
      Uint8 r = 0, g = 0, b = 0, a = 0;
      SDL_GetRGBA(row[x], s->format, &r, &g, &b, &a);
      alpha[static_cast<std::size_t>(y) * s->w + x] = a / 255.0;
    }
  }
  SDL_UnlockSurface(s);
  return alpha;
}

}  // namespace

Color OutlineFor(Color letters) {
  // Against black the contrast is (L + 0.05) / 0.05, against white 1.05 / (L + 0.05); they are
  // equal where L + 0.05 is the root of 0.0525.
  return Luminance(letters) + 0.05 > std::sqrt(0.0525) ? 0x000000 : 0xFFFFFF;
}

SurfaceHandle Outlined(SDL_Surface* letters, SDL_Color ink, SDL_Color ring) {
  constexpr int kPad = kOutlinePx;
  const int w = letters->w + 2 * kPad, h = letters->h + 2 * kPad;
  SurfaceHandle out(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32));
  if (!out) return nullptr;
  const std::vector<double> cover = CoverageOf(letters);
  auto coverAt = [&](int x, int y) {  // in the outlined surface's pixels
    x -= kPad, y -= kPad;
    if (x < 0 || y < 0 || x >= letters->w || y >= letters->h) return 0.0;
    return cover[static_cast<std::size_t>(y) * letters->w + x];
  };
  SDL_LockSurface(out.get());
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(out->pixels) +
                                          static_cast<std::ptrdiff_t>(y) * out->pitch);
    for (int x = 0; x < w; ++x) {
      // The ring: the most that any letter pixel within the round pen's reach covers.
      double ringCover = 0;
      for (int dy = -kPad; dy <= kPad; ++dy)
        for (int dx = -kPad; dx <= kPad; ++dx)
          if (dx * dx + dy * dy <= kPad * kPad + 1)
            ringCover = std::max(ringCover, coverAt(x + dx, y + dy));
      // The letter laid over the ring.
      const double a = coverAt(x, y), total = a + ringCover * (1 - a);
      auto over = [&](Uint8 top, Uint8 under) {
        if (total <= 0) return under;
        return static_cast<Uint8>(std::lround((top * a + under * ringCover * (1 - a)) / total));
      };
      row[x] = SDL_MapRGBA(out->format, over(ink.r, ring.r), over(ink.g, ring.g),
                           over(ink.b, ring.b), static_cast<Uint8>(std::lround(total * 255)));
    }
  }
  SDL_UnlockSurface(out.get());
  return out;
}

}  // namespace tq
