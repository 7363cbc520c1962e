// Walls and roofs: stone, earth and log walls, the cracked wall, the window, thatch, the chimney.
#include "walls.h"

#include <cmath>

#include "noise.h"
#include "palette.h"

namespace tq::art {

namespace {

constexpr int kW = kTileW, kH = kTileH, kR = kTileRepeatH;

}  // namespace

// Stone blocks in running bond; rows repeat with the tile.
void Bricks(Image& l, const Ramp& stone, uint32_t seed) {
  constexpr int kRow = 7, kLen = 10;
  for (int y = 0; y < kH; ++y) {
    const int yy = y % kR, row = yy / kRow, ry = yy % kRow;
    const int off = (row % 2) * 5;
    for (int x = 0; x < kW; ++x) {
      const int bx = (x + off) % kW, col = bx / kLen, rx = bx % kLen;
      const double tone = Rand01(col, row, seed) * 0.3;
      double lgt = 0.45 + tone + (Rand01(x, yy, seed + 1) - 0.5) * 0.15;
      if (ry == 0 || rx == 0) lgt += 0.35;
      if (ry == kRow - 2 || rx == kLen - 1) lgt -= 0.25;
      Px c = LitShade(stone, lgt, x, y);
      if (ry == kRow - 1) c = Scale(stone[0], 0.7);
      l.set(x, y, c);
    }
  }
}

namespace {

void EarthWall(Image& l) {
  // Packed earth and stones, darker than the cave floor, with a lit ledge on each course.
  Bricks(l, Ramp(0x221810, 0x3a2c20, 0x54422f, 0x725c44), 75);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (Rand01(x, y % kR, 76) < 0.08) l.set(x, y, Rgb(0x1a120c));
  // A few dark roots and creepers hang down the face; kept sparse and dim, since every wall
  // cell of a maze repeats them.
  const Ramp vine = kLeafDark;
  for (int v = 0; v < 2; ++v) {
    const double x0 = 11 + v * 24;
    const int len = 15 + v * 13;
    for (int y = 0; y < len; ++y) {
      const int x = static_cast<int>(x0 + std::sin(y * 0.35 + v) * 2.0);
      l.set(x, y, vine[1]);
      l.set(x + 1, y, vine[0]);
      if (y % 5 == v % 5) {
        FillEllipse(l, x + 2.5, y + 0.5, 2, 1.3, vine[2]);
        l.set(x + 2, y, vine[3]);
      }
    }
  }
}

void Wall(Image& l, Ground g) {
  if (g == Ground::Dirt) return EarthWall(l);
  Bricks(l, kStone, 73);
  if (g == Ground::Snow)
    for (int x = 0; x < kW; ++x)
      for (int y = 0; y < 3 + static_cast<int>(Rand01(x / 3, 0, 5) * 2); ++y)
        l.set(x, y, kSnow[y == 0 ? 3 : 2]);
}

void Cracks(Image& l) {
  const Px dark = Rgb(0x141418), lit = Rgb(0xd0d0d8);
  const int path[][2] = {{24, 4}, {21, 12}, {26, 19}, {20, 27}, {27, 34}, {23, 42}, {28, 52}};
  for (size_t i = 0; i + 1 < std::size(path); ++i) {
    ThickLine(l, path[i][0], path[i][1], path[i + 1][0], path[i + 1][1], 1.8, dark);
    Line(l, path[i][0] + 1, path[i][1], path[i + 1][0] + 1, path[i + 1][1], lit);
  }
  ThickLine(l, 21, 12, 12, 16, 1.3, dark);
  ThickLine(l, 12, 16, 7, 14, 1, dark);
  ThickLine(l, 20, 27, 36, 24, 1.3, dark);
  ThickLine(l, 36, 24, 42, 28, 1, dark);
  ThickLine(l, 27, 34, 16, 40, 1.3, dark);
  FillEllipse(l, 25, 28, 3, 2, dark);
}

void Window(Image& l, Ground g) {
  Wall(l, g);
  ShadeBox(l, 11, 10, 28, 30, kWood);
  for (int y = 13; y < 37; ++y)
    for (int x = 14; x < 36; ++x) {
      const double d = (x - 14) - (y - 13) * 0.8;
      Px c = LitShade(Ramp(0x203858, 0x38608a, 0x6a9ac0, 0xc8e4f8), 0.35 + (y - 13) / 60.0, x, y);
      if (d > 4 && d < 8) c = Rgb(0xd8f0ff);  // reflection streak
      l.set(x, y, c);
    }
  FillRect(l, 24, 13, 2, 24, kWood[1]);
  FillRect(l, 14, 24, 22, 2, kWood[1]);
  ShadeBox(l, 9, 40, 32, 4, kWood);  // sill
}

void Roof(Image& l, Ground g) {
  // Straw laid in overlapping courses, with sticks binding each course.
  const Ramp straw = kStraw;
  for (int y = 0; y < kH; ++y) {
    const int yy = y % kR, course = yy / 8, cy = yy % 8;
    for (int x = 0; x < kW; ++x) {
      const int strand = (x + course * 3) % 3;
      double lgt =
          0.75 - cy * 0.07 + (strand == 0 ? -0.2 : 0.0) + (Rand01(x, course, 81) - 0.5) * 0.3;
      Px c = LitShade(straw, lgt, x, y);
      if (cy == 7) c = straw[0];
      l.set(x, y, c);
    }
  }
  for (int c = 0; c < 7; ++c) Line(l, 0, c * 8 + 2, kW - 1, c * 8 + 2, Rgb(0x5a3e1c));
  if (g == Ground::Snow)
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if ((y % 8) < 3 && Rand01(x / 2, y / 8, 83) < 0.75)
          l.set(x, y, kSnow[(y % 8) == 0 ? 3 : 2]);
}

void Chimney(Image& l, Ground g) {
  Roof(l, g);
  Image c(kW, kH);
  Bricks(c, Ramp(0x5a3a34, 0x84544a, 0xa06a5c, 0xc8907e), 87);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (x < 14 || x > 35 || y < 14) c.set(x, y, Px{});
  ShadeBox(c, 12, 12, 26, 4, kStone);
  Outline(c);
  Composite(l, c);
  FillRect(l, 16, 13, 18, 2, Rgb(0x181410));
  for (int i = 0; i < 3; ++i) {
    Px s = Rgb(0xb8b8c0);
    s.a = static_cast<uint8_t>(200 - i * 50);
    FillEllipse(l, 24 + i * 5, 9 - i * 3, 4 + i, 3 + i * 0.5, s);
  }
}

void HouseWall(Image& l) {
  // Log cabin: stacked round logs with a snowy sill.
  for (int y = 0; y < kH; ++y) {
    const int yy = y % kR, ry = yy % 8;
    for (int x = 0; x < kW; ++x) {
      const double u = ry / 7.0 * 2 - 1;
      const double lgt = 0.75 - 0.5 * u - 0.3 * u * u + (Rand01(x / 5, yy / 8, 91) - 0.5) * 0.2;
      l.set(x, y, ry == 7 ? Rgb(0x2a1a10) : LitShade(kBark, lgt, x, y));
    }
  }
  for (int r = 0; r < 7; ++r) FillEllipse(l, (r % 2) ? 3 : 46, r * 8 + 3.5, 3, 3.5, kWood[2]);
  for (int x = 0; x < kW; ++x) l.set(x, 0, kSnow[3]), l.set(x, 1, kSnow[2]);
}

}  // namespace

const std::vector<TileObject>& WallTiles() {
  static const std::vector<TileObject> tiles = {
      {"WALL", [](Image& l, Ground g, int) { Wall(l, g); }},
      {"SPWALL", [](Image& l, Ground g, int) { Wall(l, g), Cracks(l); }},
      {"HOUSEWALL", [](Image& l, Ground, int) { HouseWall(l); }},
      {"WINDOW", [](Image& l, Ground g, int) { Window(l, g); }},
      {"ROOF", [](Image& l, Ground g, int) { Roof(l, g); }},
      {"CHIMNEY", [](Image& l, Ground g, int) { Chimney(l, g); }},
      {"BLACK", [](Image& l, Ground, int) { FillRect(l, 0, 0, kW, kH, Rgb(0x000000)); }},
  };
  return tiles;
}

}  // namespace tq::art
