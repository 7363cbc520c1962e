// Grounds: grass, dirt, wooden planks and snow, each repeating without seams.
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

constexpr int kW = kTileW, kR = kTileRepeatH;

// Distance on the wrapped tile, so details near an edge continue on the next cell.
double WrapDist(double ax, double ay, double bx, double by) {
  double dx = std::fabs(ax - bx), dy = std::fabs(ay - by);
  dx = std::min(dx, kW - dx);
  dy = std::min(dy, kR - dy);
  return std::hypot(dx, dy);
}

// Two octaves of wrapped noise: cells of `cell` pixels and of half that, with their weights.
double Mottle(int x, int y, int cell, double coarse, double fine, uint32_t seed) {
  return PeriodicNoise(x, y, cell, kW, kR, seed) * coarse +
         PeriodicNoise(x, y, cell / 2, kW, kR, seed + 1) * fine;
}

// Sets a pixel of the repeating floor, wrapping round the tile's edges.
void SetWrapped(Image& img, int x, int y, Px c) {
  img.set((x + kW) % kW, (y + kR) % kR, c);
}

void PaintGrass(Image& img) {
  const uint32_t seed = 11;
  for (int y = 0; y < kR; ++y)
    for (int x = 0; x < kW; ++x) {
      // Mostly fine mottling: broad blotches would show the tile repeating across a meadow.
      const double n = Mottle(x, y, 10, 0.45, 0.55, seed);
      img.set(x, y, LitShade(kGrass, 0.22 + n * 0.42, x, y));
    }
  // Tufts of blades: a dark root and lighter tips leaning a little.
  Rng rng(seed);
  for (int i = 0; i < 34; ++i) {
    const int x = rng.Range(0, kW - 1), y = rng.Range(0, kR - 1);
    const int lean = rng.Range(-1, 1);
    auto at = [&](int dx, int dy, Px c) { SetWrapped(img, x + dx, y + dy, c); };
    at(0, 0, kGrass[0]);
    at(-1, 0, kGrass[0]);
    at(1, 0, kGrass[0]);
    at(lean, -1, kGrass[2]);
    at(-1, -1, kGrass[1]);
    at(1, -1, kGrass[1]);
    at(lean, -2, kGrass[3]);
    if (rng.Uniform() < 0.5) at(lean - 2, -2, kGrass[2]);
    if (rng.Uniform() < 0.5) at(lean + 2, -2, kGrass[2]);
  }
  // A few tiny yellow and white specks of clover.
  for (int i = 0; i < 5; ++i) {
    const int x = rng.Range(0, kW - 1), y = rng.Range(0, kR - 1);
    img.set(x, y, Rgb(i % 2 ? 0xe8e070 : 0xdcead0));
  }
}

void PaintDirt(Image& img) {
  const uint32_t seed = 23;
  for (int y = 0; y < kR; ++y)
    for (int x = 0; x < kW; ++x) {
      const double n = Mottle(x, y, 10, 0.55, 0.45, seed);
      Px c = LitShade(kDirt, 0.15 + n * 0.55, x, y);
      if (Rand01(x, y, seed + 2) < 0.05) c = kDirt[0];
      img.set(x, y, c);
    }
  Rng rng(seed);
  for (int i = 0; i < 14; ++i) {  // pebbles
    const int x = rng.Range(0, kW - 1), y = rng.Range(0, kR - 1);
    const bool big = rng.Uniform() < 0.4;
    auto at = [&](int dx, int dy, Px c) { SetWrapped(img, x + dx, y + dy, c); };
    at(0, 0, Rgb(0x8a7c6c));
    at(1, 0, Rgb(0x6a5c50));
    at(0, 1, kDirt[0]);
    at(1, 1, kDirt[0]);
    if (big) {
      at(-1, 0, Rgb(0x9c8e7c));
      at(0, -1, Rgb(0xb0a290));
      at(1, -1, Rgb(0x8a7c6c));
      at(-1, 1, kDirt[0]);
    }
  }
}

void PaintPlanks(Image& img) {
  constexpr int kPlank = 7;
  for (int y = 0; y < kR; ++y) {
    const int plank = y / kPlank, row = y % kPlank;
    const int joint = static_cast<int>(Hash3(plank, 0, 41) % kW);
    const double tone = Rand01(plank, 1, 41) * 0.25;
    for (int x = 0; x < kW; ++x) {
      const int seg = ((x - joint + kW) % kW) < 25 ? 0 : 1;
      const double grain = PeriodicNoise(x * 0.35, y * 2.0, 4, kW, kR * 2, 43 + seg) * 0.35;
      double l = 0.42 + tone + grain - (seg ? 0.08 : 0.0);
      if (row == 0) l += 0.3;
      Px c = LitShade(kWood, l, x, y);
      if (row == kPlank - 1) c = kWood[0];
      if (x == joint || x == (joint + 25) % kW) c = row == kPlank - 1 ? Rgb(0x3c2410) : kWood[0];
      img.set(x, y, c);
    }
    // Nails beside each joint.
    if (row == 2) {
      img.set((joint + 2) % kW, y, Rgb(0x4a3a30));
      img.set((joint + kW - 2) % kW, y, Rgb(0x4a3a30));
    }
  }
}

void PaintSnow(Image& img) {
  const uint32_t seed = 57;
  for (int y = 0; y < kR; ++y)
    for (int x = 0; x < kW; ++x) {
      const double n = Mottle(x, y, 14, 0.65, 0.35, seed);
      img.set(x, y, LitShade(kSnow, 0.35 + n * 0.55, x, y));
    }
  Rng rng(seed);
  for (int i = 0; i < 5; ++i) {  // soft dents and their lit rims
    const double cx = rng.Range(0, kW - 1), cy = rng.Range(0, kR - 1);
    for (int y = 0; y < kR; ++y)
      for (int x = 0; x < kW; ++x) {
        const double d = WrapDist(x, y, cx, cy);
        if (d < 1.8)
          img.set(x, y, kSnow[1]);
        else if (d < 2.6 && y < cy)
          img.set(x, y, kSnow[3]);
      }
  }
  for (int i = 0; i < 10; ++i) img.set(rng.Range(0, kW - 1), rng.Range(0, kR - 1), Rgb(0xffffff));
}

}  // namespace

const char* GroundName(Ground g) {
  static constexpr const char* kNames[] = {"GRASS", "DIRT", "WOOD", "SNOW"};  // as Ground counts
  return kNames[static_cast<int>(g)];
}

Image PaintGround(Ground g) {
  Image img(kTileW, kTileH, Rgb(0));
  switch (g) {
    case Ground::Grass:
      PaintGrass(img);
      break;
    case Ground::Dirt:
      PaintDirt(img);
      break;
    case Ground::Wood:
      PaintPlanks(img);
      break;
    case Ground::Snow:
      PaintSnow(img);
      break;
  }
  for (int y = kR; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) img.set(x, y, img.get(x, y - kR));
  return img;
}

}  // namespace tq::art
