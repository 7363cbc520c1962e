// Screens: wide scenes painted at a third of their size, then tripled into chunky pixels.
#include "screens.h"

#include <algorithm>
#include <cmath>

#include "figure.h"
#include "hero.h"
#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

constexpr int kW = kScreenW / 3 + 1, kH = kScreenH / 3;  // 129 x 110, tripled and cropped

Image finish(const Image& small) {
  Image big = scaleNearest(small, 3);
  Image out(kScreenW, kScreenH);
  composite(out, big);
  return flatten(out, rgb(0));
}

void sky(Image& l, uint32_t top, uint32_t bottom, int horizon) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double t = std::min(1.0, static_cast<double>(y) / horizon);
      // Banded gradient with dithered seams, the way a small palette would draw it.
      const double band = std::floor(t * 8 + bayer(x, y) - 0.5) / 8;
      l.set(x, y, mix(rgb(top), rgb(bottom), std::clamp(band, 0.0, 1.0)));
    }
}

void mountains(Image& l, int base, double height, uint32_t seed, Ramp r, bool snowCaps) {
  // Overlapping peaks: each a triangle lit on its left flank, capped with snow.
  Rng rng(seed);
  for (int i = 0; i < 9; ++i) {
    const double px = -10 + i * 17 + rng.range(-4, 4);
    const double h = height * (0.6 + rng.uniform() * 0.4);
    const double half = h * (1.1 + rng.uniform() * 0.4);
    const double top = base - h;
    for (int y = static_cast<int>(top); y < kH; ++y)
      for (int x = static_cast<int>(px - half - (y - top)); x <= px + half + (y - top); ++x) {
        const double t = (y - top) / h;
        const double w = half * t;
        if (x < px - w || x > px + w || x < 0 || x >= kW) continue;
        const bool lit = x < px - (y % 5 == 0 ? 1 : 0);
        Px c = litShade(r, (lit ? 0.6 : 0.3) - t * 0.2, x, y);
        if (snowCaps && t < 0.28 + 0.06 * std::sin(x * 1.3)) c = pal::kSnow[lit ? 3 : 1];
        l.set(x, y, c);
      }
  }
}

void treeLine(Image& l, int baseRow, const Ramp& r, uint32_t seed, double size) {
  const double base = baseRow;
  for (int i = 0; i < 40; ++i) {
    const double x = i * 3.6 + rand01(i, 0, seed) * 2;
    const double h = size * (0.7 + rand01(i, 1, seed) * 0.5);
    fillPoly(l, {{x - h * 0.35, base}, {x + h * 0.35, base}, {x, base - h}}, r[1]);
    fillPoly(l, {{x - h * 0.05, base}, {x + h * 0.35, base}, {x, base - h}}, r[0]);
  }
  fillRect(l, 0, baseRow, kW, kH - baseRow, r[0]);
}

void stars(Image& l, int below, uint32_t seed) {
  for (int i = 0; i < 60; ++i) {
    const int x = static_cast<int>(hash3(i, 0, seed) % kW),
              y = static_cast<int>(hash3(i, 1, seed) % below);
    l.set(x, y, i % 5 ? rgb(0xc8d0f0) : rgb(0xffffff));
  }
}

}  // namespace

Image titlePicture() {
  Image l(kW, kH);
  sky(l, 0x0a0a24, 0x3a2a5a, 70);
  stars(l, 55, 3);
  fillEllipse(l, 100, 16, 7, 7, rgb(0xf0ecd0));  // the moon
  fillEllipse(l, 103, 14, 6, 6, rgb(0x1a1638));
  mountains(l, 66, 30, 5, ramp(0x2a2a48, 0x3a3a60, 0x52527a, 0x7070a0), true);  // the Far North
  treeLine(l, 80, ramp(0x0c1a14, 0x142a1e, 0x1e3a2a, 0x2a4e38), 9, 14);         // the Black Woods
  // The ruinstone on its hill, alive with light.
  fillEllipse(l, 100, 86, 26, 9, rgb(0x16241a));
  fillRect(l, 92, 66, 4, 16, pal::kStone[1]);
  fillRect(l, 106, 66, 4, 16, pal::kStone[1]);
  fillRect(l, 90, 63, 22, 3, pal::kStone[2]);
  Px glow = rgb(0xa070ff);
  glow.a = 160;
  fillEllipse(l, 101, 74, 6, 8, glow);
  fillEllipse(l, 101, 74, 3, 5, rgb(0xe0d0ff));
  for (int i = 0; i < 6; ++i) l.set(95 + i * 3, 60 - (i % 3) * 3, rgb(0xd0c0ff));
  // The road winds from the viewer to the hill.
  for (int y = 88; y < kH; ++y) {
    const double cx = 78 + (y - 88) * 0.3, half = 3 + (y - 88) * 0.5;
    for (int x = static_cast<int>(cx - half); x < cx + half; ++x)
      l.set(x, y, litShade(pal::kDirt, 0.3 + (y - 88) * 0.02, x, y));
  }
  // The hero on the road, looking toward the light.
  Image hero(kTileW, kTileH);
  Figure f;
  f.facing = Facing::Rear;
  f.skin = pal::kSkin;
  f.hair = ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38);
  f.top = ramp(0x1e4a20, 0x2e6a2a, 0x46903a, 0x74b85a);
  f.legs = ramp(0x3a2616, 0x5a3c22, 0x7a5430, 0x9a7048);
  f.boots = ramp(0x1e140c, 0x3a2616, 0x5a3c22, 0x7a5430);
  f.belt = ramp(0x2a1a0c, 0x4a2e14, 0x8a6a2a, 0xe8c040);
  drawFigure(hero, f);
  shadeStroke(hero, f.farHandX, f.farHandY, f.farHandX + 3, f.farHandY - 14, 2, pal::kSteel);
  outline(hero);
  composite(l, hero, 52, 38);
  return finish(l);
}

Image makeWorldPicture() {
  // The map of the Black Woods being drawn square by square, magic still at work on the rest.
  Image l(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      l.set(x, y, litShade(pal::kParchment, 0.45 + rand01(x / 3, y / 3, 7) * 0.3, x, y));
  const int cell = 9, ox = 19, oy = 10;
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 10; ++c) {
      const int x0 = ox + c * cell, y0 = oy + r * cell;
      const bool drawn = r * 10 + c < 63;
      if (!drawn) {
        if (r * 10 + c < 70 && ((r + c) % 2 == 0))
          for (int i = 0; i < 3; ++i) l.set(x0 + 2 + i * 2, y0 + 3 + (i % 2) * 2, rgb(0xc080ff));
        continue;
      }
      const uint32_t h = hash3(r, c, 77) % 10;
      for (int y = y0; y < y0 + cell - 1; ++y)
        for (int x = x0; x < x0 + cell - 1; ++x)
          l.set(x, y, litShade(pal::kGrass, 0.35 + rand01(x, y, 78) * 0.3, x, y));
      if (h < 5)
        fillEllipse(l, x0 + 4, y0 + 4, 3, 3, pal::kLeafDark[1]);
      else if (h < 7)
        fillEllipse(l, x0 + 4, y0 + 4, 3, 2.5, pal::kWater[2]);
      else if (h < 8)
        fillPoly(l, {{x0 + 1.0, y0 + 5.0}, {x0 + 7.0, y0 + 5.0}, {x0 + 4.0, y0 + 1.0}},
                 pal::kRed[2]);
    }
  // The quill at the drawing edge.
  const double qx = ox + 3 * cell + 4, qy = oy + 6 * cell + 4;
  fillPoly(l, {{qx, qy}, {qx + 20, qy - 22}, {qx + 24, qy - 18}, {qx + 2, qy + 1}}, rgb(0xf0f0f0));
  line(l, static_cast<int>(qx), static_cast<int>(qy), static_cast<int>(qx + 22),
       static_cast<int>(qy - 20), rgb(0x8a8a9a));
  for (int i = 0; i < 8; ++i)
    l.set(static_cast<int>(qx) - 2 + i * 3 % 7, static_cast<int>(qy) + 2 + i % 3, rgb(0xd0b0ff));
  // A dark border like a bound map.
  for (int x = 0; x < kW; ++x) l.set(x, 0, pal::kBark[0]), l.set(x, kH - 1, pal::kBark[0]);
  for (int y = 0; y < kH; ++y) l.set(0, y, pal::kBark[0]), l.set(kW - 1, y, pal::kBark[0]);
  return finish(l);
}

Image endPicture() {
  // The brothers together at home, under a dawn sky.
  Image l(kW, kH);
  sky(l, 0x3a4a8a, 0xf0a060, 60);
  fillEllipse(l, 64, 60, 14, 14, rgb(0xfff0a0));
  mountains(l, 62, 16, 9, ramp(0x3a3a5a, 0x545478, 0x706c98, 0x9a90c0), false);
  for (int y = 62; y < kH; ++y)
    for (int x = 0; x < kW; ++x) l.set(x, y, litShade(pal::kGrass, 0.5 - (y - 62) * 0.006, x, y));
  // Home: a thatched house on the left.
  fillRect(l, 10, 52, 26, 18, pal::kWood[2]);
  fillPoly(l, {{6, 53}, {40, 53}, {23, 38}}, pal::kStraw[2]);
  fillRect(l, 20, 60, 6, 10, pal::kWood[0]);
  fillRect(l, 29, 56, 4, 4, rgb(0xf8d870));
  Image hero = Image(kTileW, kTileH);
  Figure f;
  f.skin = pal::kSkin;
  f.hair = ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38);
  f.top = ramp(0x1e4a20, 0x2e6a2a, 0x46903a, 0x74b85a);
  f.legs = ramp(0x3a2616, 0x5a3c22, 0x7a5430, 0x9a7048);
  f.boots = ramp(0x1e140c, 0x3a2616, 0x5a3c22, 0x7a5430);
  f.belt = ramp(0x2a1a0c, 0x4a2e14, 0x8a6a2a, 0xe8c040);
  drawFigure(hero, f);
  outline(hero);
  Image brother(kTileW, kTileH);
  drawBrother(brother);
  outline(brother);
  composite(l, hero, 42, 32);
  composite(l, brother, 56, 33);
  for (int i = 0; i < 5; ++i) {  // birds
    const int x = 80 + i * 7, y = 20 + (i % 2) * 4;
    l.set(x, y, rgb(0x2a2a3a)), l.set(x + 1, y + 1, rgb(0x2a2a3a)), l.set(x + 2, y, rgb(0x2a2a3a));
  }
  return finish(l);
}

}  // namespace tq::art
