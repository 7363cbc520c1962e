// Water: open water, currents, pond corners, river, mouths, swamp and lily pads.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

constexpr double kCellW = kTileW, kCellH = kTileRepeatH;

// Rows of short wavelets that repeat with the tile; frame 2 moves them along.
Px WaterAt(int x, int y, int frame, const Ramp& w, uint32_t seed) {
  const int yy = y % kTileRepeatH;
  const double phase = frame == 2 ? 2.1 : 0.0;
  const double n = PeriodicNoise(x, yy, 10, kTileW, kTileRepeatH, seed);
  double l = 0.3 + n * 0.3;
  const int lift = static_cast<int>(std::lround(1.5 * std::sin(x * 6.283 / 25.0 + phase)));
  const int row = (yy + lift + 70) % 7;
  const int band = (yy + lift + 70) / 7;
  const bool dash = Rand01((x + (frame == 2 ? 3 : 0)) / 6, band, seed + 9) < 0.6;
  if (row == 0 && dash)
    l = 0.98;  // the lit crest
  else if (row == 1 && dash)
    l -= 0.22;  // its shadow
  return LitShade(w, l, x, y);
}

// Fill where `inside` says water, with a lit shore rim on the land side.
void Pond(Image& l, Ground g, int frame, const std::function<double(int, int)>& field,
          const Ramp& w = kWater) {
  const Px rim = g == Ground::Snow   ? Rgb(0xf4f8ff)
                 : g == Ground::Wood ? Rgb(0x5a3a1e)
                                     : Rgb(0xb8a070);
  const Px rimDark = g == Ground::Snow ? Rgb(0x8aa0c0) : Rgb(0x6a5434);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      const double f = field(x, y);  // > 0 water, < 0 land
      if (f > 2.0)
        l.set(x, y, WaterAt(x, y, frame, w, 3));
      else if (f > 0.8)
        l.set(x, y, w[0]);  // the deep edge under the bank
      else if (f > -0.4)
        l.set(x, y, rimDark);
      else if (f > -1.6)
        l.set(x, y, rim);
    }
}

void Current(Image& l, int frame, int dx, int dy) {
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) l.set(x, y, WaterAt(x, y, frame, kWater, 3));
  // Streaks and chevrons of foam pointing downstream.
  const Px foam = Rgb(0xd8ecff), foamDim = kWater[2];
  for (int k = 0; k < 3; ++k) {
    const double along = -14 + k * 14;
    const double side = (k - 1) * 9.0;
    const double cx = 25 + dx * along + dy * side, cy = 28 + dy * along * 1.1 + dx * side;
    const double tipx = cx + dx * 5, tipy = cy + dy * 5;
    ThickLine(l, tipx, tipy, cx - dx * 3 + dy * 6, cy - dy * 3 + dx * 6, 2, foam);
    ThickLine(l, tipx, tipy, cx - dx * 3 - dy * 6, cy - dy * 3 - dx * 6, 2, foam);
    ThickLine(l, cx - dx * 10, cy - dy * 10, cx - dx * 4, cy - dy * 4, 1, foamDim);
  }
}

// Rooms lay rivers east to west, so the stream runs across the cell: its middle wanders
// with a period of one cell, and every RIVER, MOUTH and LMOUTH meets its neighbour at the same
// rows. A MOUTH opens eastward into the lake beside it, an LMOUTH westward.
double RiverMiddle(double x) {
  return kTileRepeatH / 2.0 + std::sin((x + 0.5) * 2.0 * std::numbers::pi / kTileW) * 3.0;
}

void River(Image& l, Ground g, int opens) {
  constexpr double kHalf = 9.0;
  auto toMouth = [&](int x) {  // 0 where the stream comes in, 1 at the open side
    const double u = (x + 0.5) / kCellW;
    return opens > 0 ? u : opens < 0 ? 1.0 - u : 0.0;
  };
  Pond(l, g, 1, [&](int x, int y) {
    const double widen = std::pow(toMouth(x), 2.2) * (kCellH / 2 + 6 - kHalf);
    return kHalf + widen - std::fabs(y + 0.5 - RiverMiddle(x));
  });
  // Streaks of foam drift along the stream and fan out where it opens.
  const Px foam = kWater[3];
  for (int k = 0; k < 7; ++k) {
    const int x0 = (k * 17 + 3) % kTileW;
    const double lane = ((k % 3) - 1) * 4.5;
    for (int i = 0; i < 5; ++i) {
      const int x = (x0 + i) % kTileW;
      const double spread = 1.0 + std::pow(toMouth(x), 2.0) * 2.0;
      const int y = static_cast<int>(std::lround(RiverMiddle(x) + lane * spread));
      if (l.get(x, y).a && l.get(x, y) != kWater[0]) l.set(x, y, foam);
    }
  }
}

// A smooth field that repeats exactly every cell across and down: a few slow waves whose
// counts per cell are whole numbers.
double CellWaves(double x, double y, uint32_t seed) {
  double v = 0.0;
  for (int k = 0; k < 5; ++k) {
    const int m = 1 + static_cast<int>(Hash3(k, 0, seed) % 3);
    const int n = static_cast<int>(Hash3(k, 1, seed) % 5) - 2;
    const double phase = Rand01(k, 2, seed) * 2.0 * std::numbers::pi;
    v += std::sin(2.0 * std::numbers::pi * (m * x / kTileW + n * y / kTileRepeatH) + phase) /
         (1.0 + k * 0.5);
  }
  return v / 3.2;  // about -1 .. 1
}

// Marsh water: still, murky and olive-brown, with rafts of duckweed and slow ripples. It fills
// the cell and repeats with it, so a marsh of many cells is one sheet of water, and the lily
// pads float on the same water.
void MarshWater(Image& l) {
  const Ramp murk = Ramp(0x17241c, 0x22382a, 0x34523c, 0x5c7e5e);
  const Px sheen = Rgb(0x9ab8a0);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      const int yy = y % kTileRepeatH;
      double lgt = 0.42 + CellWaves(x, yy, 61) * 0.2;
      // Slow ripples: short lit dashes with a dark trough under them, every eighth row.
      const int lift = static_cast<int>(std::lround(std::sin(x * 2.0 * std::numbers::pi / 25.0)));
      const int row = (yy + lift + 56) % 8;
      const int band = ((yy + lift + 56) / 8) % 7;
      const bool dash = Rand01(x / 5, band, 63) < 0.5;
      Px c = LitShade(murk, lgt, x, y);
      if (dash && row == 0) c = (x % 5) == 2 ? sheen : murk[3];
      if (dash && row == 1) c = murk[0];
      l.set(x, y, c);
    }
  // Duckweed: tiny leaves gathered in rafts where a second field runs high.
  const Ramp weed = Ramp(0x3c6a1c, 0x5c8e26, 0x84b436, 0xbede64);
  for (int y = 0; y < kTileRepeatH; y += 2)
    for (int x = (y / 2) % 2; x < kTileW; x += 2) {
      const double raft = CellWaves(x, y, 67) + CellWaves(x, y, 71) * 0.8 - 0.25;
      if (raft < 0.15 || Rand01(x, y, 68) > (raft - 0.15) * 2.5) continue;
      const Px leaf = weed[1 + static_cast<int>(Hash3(x, y, 69) % 3)];
      for (int yy : {y, y + kTileRepeatH}) {  // the overlap rows repeat the top ones
        l.set(x, yy, leaf);
        l.set((x + 1) % kTileW, yy, weed[0]);
      }
    }
}

// How far the bank reaches in from a side of a marsh cell, at `t` along it: a few waves with
// whole counts per cell, cut off at nothing, so that here and there the water meets the side
// and elsewhere the bank reaches in by up to 7 pixels.
double BankReach(double t, double period, uint32_t seed) {
  double v = 0.0;
  for (int k = 0; k < 4; ++k) {
    const int waves = 2 + 2 * k + static_cast<int>(Hash3(k, 0, seed) % 2);
    const double phase = Rand01(k, 1, seed) * 2.0 * std::numbers::pi;
    v += std::sin(2.0 * std::numbers::pi * waves * t / period + phase) / (1.0 + k * 0.7);
  }
  return std::max(0.0, 1.8 + 2.4 * v);
}

// Above nothing on the bank, below in the water. A marsh cell does not know its neighbours, so
// its bank is the same mirrored about each of its sides: where two marsh cells meet, their banks
// make one low ridge and their water one sheet, and toward bare floor the water ends in an
// uneven shore with a tussock at each corner instead of a straight cut.
double MarshBank(int x, int y) {
  const int yy = y % kTileRepeatH;
  const double u = std::min(x + 0.5, kCellW - x - 0.5), v = std::min(yy + 0.5, kCellH - yy - 0.5);
  const double sides =
      std::max(BankReach(yy + 0.5, kCellH, 81) - u, BankReach(x + 0.5, kCellW, 83) - v);
  return std::max(sides, 6.0 - std::hypot(u, v));
}

// The marsh's shore: the water grows shallow and muddy toward it, and the bank beyond is a bed
// of sedge standing in wet mud, thick at the water and thinning out into the floor.
void MarshShore(Image& l, Ground g) {
  const Px mud = g == Ground::Snow   ? Rgb(0x7c8a9c)
                 : g == Ground::Wood ? Rgb(0x3a2814)
                                     : Rgb(0x2e3418);
  const Ramp sedge = Ramp(0x1e2c14, 0x2e4018, 0x44602a, 0x6a8a3a);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      const double bank = MarshBank(x, y);
      if (bank <= -1.5) continue;
      if (bank <= 0) {
        l.set(x, y, Mix(l.get(x, y), mud, 0.45 + bank * 0.2));
        continue;
      }
      // Blades stand in columns mirrored about the cell's sides, lit at their tips.
      const int u = std::min(x, kTileW - 1 - x);
      const double thick = std::clamp(1.0 - bank / 4.0, 0.0, 1.0);
      const int yy = y % kTileRepeatH;
      if (Rand01(u, yy / 3 + static_cast<int>(Hash3(u, 0, 87) % 3), 88) < 0.2 + 0.7 * thick) {
        const int tip = static_cast<int>((yy + Hash3(u, 1, 87)) % 5);
        l.set(x, y, sedge[tip == 0 ? 3 : tip < 3 ? 2 : 1]);
      } else {
        Px wet = mud;
        wet.a = static_cast<uint8_t>(std::lround(50 + 160 * thick));
        l.set(x, y, wet);
      }
    }
}

// Marsh cells are laid side by side in whole pools, so the water carries nothing that would
// show the same spot cell after cell: a few small bubbles rising and no more.
void Swamp(Image& l, Ground g) {
  MarshWater(l);
  const int bubbles[][2] = {{15, 17}, {33, 31}, {22, 44}};
  for (auto& b : bubbles) {
    l.set(b[0], b[1], Rgb(0x4a6450)), l.set(b[0] + 1, b[1], Rgb(0x3a5242));
    l.set(b[0], b[1] - 1, Rgb(0xc8d8c0));
  }
  MarshShore(l, g);
}

void LilyPads(Image& l, Ground g) {
  MarshWater(l);
  const double pads[][3] = {{14, 16, 9}, {36, 29, 8}, {17, 41, 7}, {37, 48, 5}};
  for (auto& p : pads) {
    FillEllipse(l, p[0] + 1, p[1] + 1.5, p[2], p[2] * 0.7, Rgb(0x161a10));  // its shadow
    ShadeEllipse(l, p[0], p[1], p[2], p[2] * 0.7, kLeaf, 0.1);
    // The notch of the pad.
    ThickLine(l, p[0], p[1], p[0] + p[2], p[1] - p[2] * 0.2, 1.5, kLeaf[0]);
  }
  for (int i = 0; i < 5; ++i) {
    const double a = i * 1.2566;
    FillEllipse(l, 13 + std::cos(a) * 2, 14 + std::sin(a) * 2, 1.8, 1.8, Rgb(0xf0a0c8));
  }
  FillEllipse(l, 13, 14, 1, 1, Rgb(0xf8e060));
  MarshShore(l, g);
}

// Water is a quarter ellipse grown from (cx, cy) that meets the cell's far sides, so it runs on
// into the straight shore of the open water beside it and its bank thins out there.
void Corner(Image& l, Ground g, int frame, double cx, double cy) {
  Pond(l, g, frame, [&](int x, int y) {
    return (1.0 - std::hypot((x + 0.5 - cx) / kCellW, (y + 0.5 - cy) / kCellH)) * 50.0;
  });
}

// Water all round a small bay of land at (cx, cy).
void Bite(Image& l, Ground g, int frame, double cx, double cy) {
  Pond(l, g, frame,
       [&](int x, int y) { return std::hypot(x + 0.5 - cx, (y + 0.5 - cy) * 50.0 / 56.0) - 13.0; });
}

// Open water; frame 20 is the glint: two bright stars on the crests.
void OpenWater(Image& l, int frame) {
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) l.set(x, y, WaterAt(x, y, frame == 20 ? 2 : frame, kWater, 3));
  if (frame != 20) return;
  const Px s = Rgb(0xffffff), soft = kWater[3];
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

}  // namespace

const std::vector<TileObject>& WaterTiles() {
  static const std::vector<TileObject> tiles = {
      {"WATER", [](Image& l, Ground, int frame) { OpenWater(l, frame); }},
      {"NORTH", [](Image& l, Ground, int frame) { Current(l, frame, 0, -1); }},
      {"SOUTH", [](Image& l, Ground, int frame) { Current(l, frame, 0, 1); }},
      {"EAST", [](Image& l, Ground, int frame) { Current(l, frame, 1, 0); }},
      {"WEST", [](Image& l, Ground, int frame) { Current(l, frame, -1, 0); }},
      {"ULCORNER", [](Image& l, Ground g, int frame) { Corner(l, g, frame, kCellW, kCellH); }},
      {"URCORNER", [](Image& l, Ground g, int frame) { Corner(l, g, frame, 0, kCellH); }},
      {"LLCORNER", [](Image& l, Ground g, int frame) { Corner(l, g, frame, kCellW, 0); }},
      {"LRCORNER", [](Image& l, Ground g, int frame) { Corner(l, g, frame, 0, 0); }},
      {"WUL", [](Image& l, Ground g, int frame) { Bite(l, g, frame, 0, 0); }},
      {"WUR", [](Image& l, Ground g, int frame) { Bite(l, g, frame, kCellW, 0); }},
      {"WLL", [](Image& l, Ground g, int frame) { Bite(l, g, frame, 0, kCellH); }},
      {"WLR", [](Image& l, Ground g, int frame) { Bite(l, g, frame, kCellW, kCellH); }},
      {"RIVER", [](Image& l, Ground g, int) { River(l, g, 0); }},
      {"MOUTH", [](Image& l, Ground g, int) { River(l, g, 1); }},
      {"LMOUTH", [](Image& l, Ground g, int) { River(l, g, -1); }},
      {"SWAMP", [](Image& l, Ground g, int) { Swamp(l, g); }},
      {"LILYPADS", [](Image& l, Ground g, int) { LilyPads(l, g); }},
  };
  return tiles;
}

}  // namespace tq::art
