// Water: open water, currents, pond corners, river, mouths, swamp and lily pads.
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

// Rows of short wavelets that repeat with the tile; frame 2 moves them along.
Px waterAt(int x, int y, int frame, const Ramp& w, uint32_t seed) {
  const int yy = y % kTileRepeatH;
  const double phase = frame == 2 ? 2.1 : 0.0;
  const double n = periodicNoise(x, yy, 10, kTileW, kTileRepeatH, seed);
  double l = 0.3 + n * 0.3;
  const int lift = static_cast<int>(std::lround(1.5 * std::sin(x * 6.283 / 25.0 + phase)));
  const int row = (yy + lift + 70) % 7;
  const int band = (yy + lift + 70) / 7;
  const bool dash = rand01((x + (frame == 2 ? 3 : 0)) / 6, band, seed + 9) < 0.6;
  if (row == 0 && dash)
    l = 0.98;  // the lit crest
  else if (row == 1 && dash)
    l -= 0.22;  // its shadow
  return litShade(w, l, x, y);
}

// Fill where `inside` says water, with a lit shore rim on the land side.
void pond(Image& l, Ground g, int frame, const std::function<double(int, int)>& field,
          const Ramp& w = pal::kWater) {
  const Px rim = g == Ground::Snow   ? rgb(0xf4f8ff)
                 : g == Ground::Wood ? rgb(0x5a3a1e)
                                     : rgb(0xb8a070);
  const Px rimDark = g == Ground::Snow ? rgb(0x8aa0c0) : rgb(0x6a5434);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      const double f = field(x, y);  // > 0 water, < 0 land
      if (f > 2.0)
        l.set(x, y, waterAt(x, y, frame, w, 3));
      else if (f > 0.8)
        l.set(x, y, w[0]);  // the deep edge under the bank
      else if (f > -0.4)
        l.set(x, y, rimDark);
      else if (f > -1.6)
        l.set(x, y, rim);
    }
}

void current(Image& l, int frame, int dx, int dy) {
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) l.set(x, y, waterAt(x, y, frame, pal::kWater, 3));
  // Streaks and chevrons of foam pointing downstream.
  const Px foam = rgb(0xd8ecff), foamDim = pal::kWater[2];
  for (int k = 0; k < 3; ++k) {
    const double along = -14 + k * 14;
    const double side = (k - 1) * 9.0;
    const double cx = 25 + dx * along + dy * side, cy = 28 + dy * along * 1.1 + dx * side;
    const double tipx = cx + dx * 5, tipy = cy + dy * 5;
    thickLine(l, tipx, tipy, cx - dx * 3 + dy * 6, cy - dy * 3 + dx * 6, 2, foam);
    thickLine(l, tipx, tipy, cx - dx * 3 - dy * 6, cy - dy * 3 - dx * 6, 2, foam);
    thickLine(l, cx - dx * 10, cy - dy * 10, cx - dx * 4, cy - dy * 4, 1, foamDim);
  }
}

// A pool of murky water with a muddy, ragged bank; the floor shows round it, so neighbouring
// marsh cells read as pools among tussocks instead of squares.
void swamp(Image& l, Ground g) {
  const Ramp murk = ramp(0x26281a, 0x3a3e26, 0x535a36, 0x8e9860);
  const Px mud = rgb(0x3a2e1a), mudLit = rgb(0x5a4a2a);
  const Ramp moss = g == Ground::Snow ? ramp(0x7a8a7a, 0x98a898, 0xb8c4b8, 0xdce4dc)
                                      : ramp(0x2a4a1c, 0x3c6224, 0x56802e, 0x86a848);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      const int yy = y % kTileRepeatH;
      // A rounded pool that nearly fills the cell, its shore wandering in and out.
      const double dx = std::fabs(x + 0.5 - kTileW / 2.0) / (kTileW / 2.0);
      const double dy = std::fabs(yy + 0.5 - kTileRepeatH / 2.0) / (kTileRepeatH / 2.0);
      const double r = std::pow(std::pow(dx, 3) + std::pow(dy, 3), 1.0 / 3.0);
      const double d = (1.0 - r) * 25.0 +
                       (periodicNoise(x, yy, 8, kTileW, kTileRepeatH, 64) - 0.5) * 9.0 +
                       (periodicNoise(x, yy, 3, kTileW, kTileRepeatH, 65) - 0.5) * 2.5;
      if (d < 1.0) continue;  // the floor itself
      if (d < 2.2) {          // mossy fringe, broken up
        if (bayer(x, y) < 0.6) l.set(x, y, litShade(moss, 0.55, x, y));
        continue;
      }
      if (d < 3.6) {  // the muddy bank, lit on its far side
        l.set(x, y, yy > kTileRepeatH / 2 ? mudLit : mud);
        continue;
      }
      const double n = periodicNoise(x, yy, 7, kTileW, kTileRepeatH, 61);
      double lgt = 0.3 + n * 0.35 - (d < 5.5 ? 0.25 : 0.0);  // darker under the bank
      // Slow ripples: short lit dashes with a dark trough under them.
      const int lift = static_cast<int>(std::lround(std::sin(x * 0.28) * 1.2));
      const int row = (yy + lift + 90) % 8;
      const bool dash = rand01(x / 5, (yy + lift + 90) / 8, 63) < 0.5;
      if (d > 5.5 && dash && row == 0) lgt = 0.85;
      if (d > 5.5 && dash && row == 1) lgt -= 0.2;
      Px c = litShade(murk, lgt, x, y);
      // Scum of duckweed in little rafts.
      if (d > 5.0 && rand01(x / 3, yy / 2, 62) < 0.025)
        c = (x + yy) % 3 ? rgb(0x6e8a30) : rgb(0x9ab448);
      l.set(x, y, c);
    }
  const int bubbles[][2] = {{15, 17}, {33, 24}, {21, 38}};
  for (auto& b : bubbles) {
    fillEllipse(l, b[0], b[1], 1.6, 1.3, murk[3]);
    l.set(b[0] - 1, b[1] - 1, rgb(0xd0d8a8));
  }
  // Reeds and a bulrush at the bank.
  const Ramp reed = ramp(0x3a4a1a, 0x5a6a24, 0x7a8a34, 0xa0b050);
  for (int x : {9, 11, 38, 40}) shadeStroke(l, x, 49 - (x % 3), x + 1, 34 + (x % 4) * 2, 1.2, reed);
  fillEllipse(l, 10, 34, 1.3, 3, rgb(0x5a3a1a));
  fillEllipse(l, 39.5, 35, 1.3, 3, rgb(0x5a3a1a));
}

void lilypads(Image& l) {
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) l.set(x, y, waterAt(x, y, 1, pal::kWater, 3));
  const double pads[][3] = {{14, 16, 8}, {36, 30, 7}, {17, 42, 6}, {38, 50, 4}};
  for (auto& p : pads) {
    shadeEllipse(l, p[0], p[1], p[2], p[2] * 0.7, pal::kLeaf, 0.1);
    // The notch of the pad.
    thickLine(l, p[0], p[1], p[0] + p[2], p[1] - p[2] * 0.2, 1.5, pal::kLeaf[0]);
  }
  for (int i = 0; i < 5; ++i) {
    const double a = i * 1.2566;
    fillEllipse(l, 13 + std::cos(a) * 2, 14 + std::sin(a) * 2, 1.8, 1.8, rgb(0xf0a0c8));
  }
  fillEllipse(l, 13, 14, 1, 1, rgb(0xf8e060));
}

}  // namespace

bool paintWater(Image& l, Ground g, std::string_view tag, int frame) {
  const double W = kTileW, H = kTileRepeatH;
  // Water is a quarter ellipse grown from (cx, cy) that meets the cell's far sides, so it runs
  // on into the straight shore of the open water beside it and its bank thins out there.
  auto corner = [&](double cx, double cy) {
    pond(l, g, frame, [&](int x, int y) {
      return (1.0 - std::hypot((x + 0.5 - cx) / W, (y + 0.5 - cy) / H)) * 50.0;
    });
  };
  auto bite = [&](double cx, double cy) {  // water all round a small bay of land at (cx, cy)
    pond(l, g, frame, [&](int x, int y) {
      return std::hypot(x + 0.5 - cx, (y + 0.5 - cy) * 50.0 / 56.0) - 13.0;
    });
  };
  if (tag == "WATER") {
    for (int y = 0; y < kTileH; ++y)
      for (int x = 0; x < kTileW; ++x)
        l.set(x, y, waterAt(x, y, frame == 20 ? 2 : frame, pal::kWater, 3));
    if (frame == 20) {  // a glint: two bright stars on the crests
      const Px s = rgb(0xffffff), soft = pal::kWater[3];
      for (const auto& [cx, cy, r] : {std::tuple{31, 20, 5}, std::tuple{17, 37, 3}}) {
        for (int i = -r; i <= r; ++i) {
          const Px c = std::abs(i) <= 1 ? s : soft;
          l.set(cx + i, cy, c);
          l.set(cx, cy + i, c);
        }
        l.set(cx - 1, cy - 1, soft), l.set(cx + 1, cy + 1, soft);
        l.set(cx + 1, cy - 1, soft), l.set(cx - 1, cy + 1, soft);
      }
    }
  } else if (tag == "NORTH")
    current(l, frame, 0, -1);
  else if (tag == "SOUTH")
    current(l, frame, 0, 1);
  else if (tag == "EAST")
    current(l, frame, 1, 0);
  else if (tag == "WEST")
    current(l, frame, -1, 0);
  else if (tag == "ULCORNER")
    corner(W, H);
  else if (tag == "URCORNER")
    corner(0, H);
  else if (tag == "LLCORNER")
    corner(W, 0);
  else if (tag == "LRCORNER")
    corner(0, 0);
  else if (tag == "WUL")
    bite(0, 0);
  else if (tag == "WUR")
    bite(W, 0);
  else if (tag == "WLL")
    bite(0, H);
  else if (tag == "WLR")
    bite(W, H);
  else if (tag == "RIVER" || tag == "MOUTH" || tag == "LMOUTH") {
    const Ramp river = ramp(0x224a88, 0x3266ac, 0x4a86cc, 0xa8d8f8);
    pond(
        l, g, frame,
        [&](int x, int y) {
          const double wiggle = std::sin(y * 6.283 / H) * 3.0;
          double half = 9.0;
          if (tag == "MOUTH") half = 9.0 + std::pow(y / H, 2.2) * 22.0;  // opens toward the south
          if (tag == "LMOUTH") {
            const double widen = 9.0 + std::pow(x / W, 2.2) * 26.0;  // opens toward the east
            return widen - std::fabs(y + 0.5 - H / 2);
          }
          return half - std::fabs(x + 0.5 - W / 2 - wiggle);
        },
        river);
    for (int y = 2; y < kTileH; y += 7) {  // flow streaks
      const int x = 22 + static_cast<int>(std::sin(y * 6.283 / H) * 3) + (y % 3);
      if (tag != "LMOUTH")
        line(l, x, y, x, y + 3, river[3]);
      else
        line(l, (y * 7) % 40 + 4, 27 + (y % 5) - 2, (y * 7) % 40 + 8, 27 + (y % 5) - 2, river[3]);
    }
  } else if (tag == "SWAMP")
    swamp(l, g);
  else if (tag == "LILYPADS")
    lilypads(l);
  else
    return false;
  return true;
}

}  // namespace tq::art
