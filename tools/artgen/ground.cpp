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

void PaintGrass(Image& img) {
  const uint32_t seed = 11;
  for (int y = 0; y < kR; ++y)
    for (int x = 0; x < kW; ++x) {
      // Mostly fine mottling: broad blotches would show the tile repeating across a meadow.
      const double n = PeriodicNoise(x, y, 10, kW, kR, seed) * 0.45 +
                       PeriodicNoise(x, y, 5, kW, kR, seed + 1) * 0.55;
      img.set(x, y, LitShade(pal::kGrass, 0.22 + n * 0.42, x, y));
    }
  // Tufts of blades: a dark root and lighter tips leaning a little.
  Rng rng(seed);
  for (int i = 0; i < 34; ++i) {
    const int x = rng.range(0, kW - 1), y = rng.range(0, kR - 1);
    const int lean = rng.range(-1, 1);
    auto at = [&](int dx, int dy, Px c) { img.set((x + dx + kW) % kW, (y + dy + kR) % kR, c); };
    at(0, 0, pal::kGrass[0]);
    at(-1, 0, pal::kGrass[0]);
    at(1, 0, pal::kGrass[0]);
    at(lean, -1, pal::kGrass[2]);
    at(-1, -1, pal::kGrass[1]);
    at(1, -1, pal::kGrass[1]);
    at(lean, -2, pal::kGrass[3]);
    if (rng.uniform() < 0.5) at(lean - 2, -2, pal::kGrass[2]);
    if (rng.uniform() < 0.5) at(lean + 2, -2, pal::kGrass[2]);
  }
  // A few tiny yellow and white specks of clover.
  for (int i = 0; i < 5; ++i) {
    const int x = rng.range(0, kW - 1), y = rng.range(0, kR - 1);
    img.set(x, y, rgb(i % 2 ? 0xe8e070 : 0xdcead0));
  }
}

void PaintDirt(Image& img) {
  const uint32_t seed = 23;
  for (int y = 0; y < kR; ++y)
    for (int x = 0; x < kW; ++x) {
      const double n = PeriodicNoise(x, y, 10, kW, kR, seed) * 0.55 +
                       PeriodicNoise(x, y, 5, kW, kR, seed + 1) * 0.45;
      Px c = LitShade(pal::kDirt, 0.15 + n * 0.55, x, y);
      if (rand01(x, y, seed + 2) < 0.05) c = pal::kDirt[0];
      img.set(x, y, c);
    }
  Rng rng(seed);
  for (int i = 0; i < 14; ++i) {  // pebbles
    const int x = rng.range(0, kW - 1), y = rng.range(0, kR - 1);
    const bool big = rng.uniform() < 0.4;
    auto at = [&](int dx, int dy, Px c) { img.set((x + dx + kW) % kW, (y + dy + kR) % kR, c); };
    at(0, 0, rgb(0x8a7c6c));
    at(1, 0, rgb(0x6a5c50));
    at(0, 1, pal::kDirt[0]);
    at(1, 1, pal::kDirt[0]);
    if (big) {
      at(-1, 0, rgb(0x9c8e7c));
      at(0, -1, rgb(0xb0a290));
      at(1, -1, rgb(0x8a7c6c));
      at(-1, 1, pal::kDirt[0]);
    }
  }
}

void PaintPlanks(Image& img) {
  constexpr int kPlank = 7;
  for (int y = 0; y < kR; ++y) {
    const int plank = y / kPlank, row = y % kPlank;
    const int joint = static_cast<int>(hash3(plank, 0, 41) % kW);
    const double tone = rand01(plank, 1, 41) * 0.25;
    for (int x = 0; x < kW; ++x) {
      const int seg = ((x - joint + kW) % kW) < 25 ? 0 : 1;
      const double grain = PeriodicNoise(x * 0.35, y * 2.0, 4, kW, kR * 2, 43 + seg) * 0.35;
      double l = 0.42 + tone + grain - (seg ? 0.08 : 0.0);
      if (row == 0) l += 0.3;
      Px c = LitShade(pal::kWood, l, x, y);
      if (row == kPlank - 1) c = pal::kWood[0];
      if (x == joint || x == (joint + 25) % kW)
        c = row == kPlank - 1 ? rgb(0x3c2410) : pal::kWood[0];
      img.set(x, y, c);
    }
    // Nails beside each joint.
    if (row == 2) {
      img.set((joint + 2) % kW, y, rgb(0x4a3a30));
      img.set((joint + kW - 2) % kW, y, rgb(0x4a3a30));
    }
  }
}

void PaintSnow(Image& img) {
  const uint32_t seed = 57;
  for (int y = 0; y < kR; ++y)
    for (int x = 0; x < kW; ++x) {
      const double n = PeriodicNoise(x, y, 14, kW, kR, seed) * 0.65 +
                       PeriodicNoise(x, y, 7, kW, kR, seed + 1) * 0.35;
      img.set(x, y, LitShade(pal::kSnow, 0.35 + n * 0.55, x, y));
    }
  Rng rng(seed);
  for (int i = 0; i < 5; ++i) {  // soft dents and their lit rims
    const double cx = rng.range(0, kW - 1), cy = rng.range(0, kR - 1);
    for (int y = 0; y < kR; ++y)
      for (int x = 0; x < kW; ++x) {
        const double d = WrapDist(x, y, cx, cy);
        if (d < 1.8)
          img.set(x, y, pal::kSnow[1]);
        else if (d < 2.6 && y < cy)
          img.set(x, y, pal::kSnow[3]);
      }
  }
  for (int i = 0; i < 10; ++i) img.set(rng.range(0, kW - 1), rng.range(0, kR - 1), rgb(0xffffff));
}

}  // namespace

const char* groundName(Ground g) {
  switch (g) {
    case Ground::Grass:
      return "GRASS";
    case Ground::Dirt:
      return "DIRT";
    case Ground::Wood:
      return "WOOD";
    case Ground::Snow:
      return "SNOW";
  }
  return "GRASS";
}

Image PaintGround(Ground g) {
  Image img(kTileW, kTileH, rgb(0));
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
