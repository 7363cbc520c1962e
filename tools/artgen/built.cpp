// Built things: walls, roof, doors, holes, ladders, the ruinstone and the furniture.
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

constexpr int kW = kTileW, kH = kTileH, kR = kTileRepeatH;

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

void Pit(Image& l, Ground g, int kind) {
  const double cx = 25, cy = 30, rx = 17, ry = 13;
  const Ramp rim = kind == 5           ? Ramp(0x6a88b0, 0x9ab8dc, 0xcce0f4, 0xffffff)
                   : g == Ground::Snow ? kStone
                                       : kDirt;
  FillEllipse(l, cx, cy, rx + 3, ry + 3, rim[1]);
  FillEllipse(l, cx, cy - 1, rx + 2, ry + 2, rim[2]);
  // The dark throat, lighter only at its far lip.
  for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry); ++y)
    for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx); ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy > 1) continue;
      const double depth = 1 - (dy + 1) / 2;  // the far wall shows at the top
      Px c = Rgb(0x060406);
      if (depth > 0.7)
        c = LitShade(Ramp(0x060406, 0x181010, 0x2a2018, 0x3a2c20), (depth - 0.7) * 3, x, y);
      l.set(x, y, c);
    }
  Rng rng(101 + static_cast<uint32_t>(kind));
  if (kind == 1) {  // ring of stones
    for (int i = 0; i < 11; ++i) {
      const double a = i / 11.0 * 6.283;
      ShadeEllipse(l, cx + std::cos(a) * (rx + 3), cy + std::sin(a) * (ry + 3), 3.2, 2.6, kStone);
    }
  } else if (kind == 2) {  // a frame of boards
    ShadeBox(l, 5, 14, 40, 4, kWood);
    ShadeBox(l, 5, 43, 40, 4, kWood);
    ShadeBox(l, 5, 14, 4, 33, kWood);
    ShadeBox(l, 41, 14, 4, 33, kWood);
  } else if (kind == 3) {  // bones and a skull at the lip
    const Ramp bone = Ramp(0x8a8070, 0xb8ae98, 0xdcd4c0, 0xfaf6ea);
    ShadeEllipse(l, 12, 40, 4.5, 4, bone);
    l.set(10, 40, Rgb(0x201810)), l.set(13, 40, Rgb(0x201810));
    l.set(11, 42, Rgb(0x201810)), l.set(12, 42, Rgb(0x201810));
    ShadeStroke(l, 32, 44, 42, 40, 2, bone);
    ShadeStroke(l, 30, 18, 40, 20, 2, bone);
    FillEllipse(l, 32, 44, 1.5, 1.5, bone[3]);
    FillEllipse(l, 42, 40, 1.5, 1.5, bone[3]);
  } else if (kind == 5) {  // icicles hang into the pit
    for (int i = 0; i < 7; ++i) {
      const double x = 12 + i * 4.3;
      const double len = 4 + (i * 5) % 6;
      FillPoly(l, {{x - 1.5, cy - ry + 2}, {x + 1.5, cy - ry + 2}, {x, cy - ry + 2 + len}},
               Rgb(0xd8ecff));
    }
  }
}

void ExitTile(Image& l, Ground g) {
  if (g == Ground::Wood) {
    // The shop's exit door, set in the wall.
    Bricks(l, kStone, 73);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if (y > 40) l.set(x, y, Px{});
    ShadeBox(l, 12, 6, 26, 36, kWood);
    for (int x = 16; x < 36; x += 5) Line(l, x, 8, x, 40, kWood[1]);
    FillEllipse(l, 33, 25, 1.6, 1.6, kGold[2]);
    ShadeBox(l, 14, 44, 22, 8, Ramp(0x5a2020, 0x8a3030, 0xa84848, 0xc87070));  // mat
    return;
  }
  // Outdoors: a patch of ground worn by feet, open toward every side. It fades into the floor
  // round a ragged edge, so it reads as a trodden gap rather than a rug.
  const Ramp path = g == Ground::Snow   ? Ramp(0xa4b4cc, 0xb8c6da, 0xccd8e8, 0xe4ecf6)
                    : g == Ground::Dirt ? Ramp(0x2e2016, 0x44321f, 0x5a442e, 0x766048)
                                        : Ramp(0x6a5434, 0x8a7048, 0xa88c5e, 0xc8ae80);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int yy = y % kR;
      const double dx = std::fabs(x + 0.5 - 25) / 25.0, dy = std::fabs(yy + 0.5 - 28) / 28.0;
      const double d = std::pow(std::pow(dx, 3) + std::pow(dy, 3), 1.0 / 3.0);
      const double wobble = (PeriodicNoise(x, yy, 7, kW, kR, 115) - 0.5) * 0.55 +
                            (PeriodicNoise(x, yy, 3, kW, kR, 116) - 0.5) * 0.2;
      const double e = d + wobble;
      if (e > 0.95) continue;
      if (e > 0.6 && Bayer(x, y) < (e - 0.6) / 0.35) continue;
      const double n = PeriodicNoise(x, yy, 6, kW, kR, 113);
      l.set(x, y, LitShade(path, 0.3 + n * 0.45, x, y));
    }
  // Footprints coming and going.
  const int steps[][2] = {{19, 12}, {27, 18}, {20, 26}, {29, 33}, {22, 41}, {33, 24}};
  for (const auto& st : steps) {
    FillEllipse(l, st[0], st[1], 1.4, 2.2, path[0]);
    l.set(st[0], st[1] - 2, path[1]);
  }
}

void Ladder(Image& l, Ground g, bool up) {
  const Ramp wood = kWood;
  if (up) {
    // A shaft of daylight with the ladder climbing into it.
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < kW; ++x) {
        const double dx = (x + 0.5 - 25) / (12 + y * 0.25), dy = (y - 12) / 16.0;
        if (dx * dx + dy * dy > 1) continue;
        Px c = Rgb(0xfff4c8);
        c.a = static_cast<uint8_t>(std::max(0.0, 200 - y * 6.0));
        l.Blend(x, y, c);
      }
    FillEllipse(l, 25, 6, 14, 5, Rgb(0xf8f0d0));
  } else {
    FillEllipse(l, 25, 36, 16, 11, g == Ground::Snow ? kStone[1] : kDirt[0]);
    FillEllipse(l, 25, 37, 14, 9, Rgb(0x080608));
  }
  const int top = up ? 4 : 24, bottom = up ? 54 : 46;
  Image lad(kW, kH);
  ShadeBox(lad, 15, top, 4, bottom - top, wood);
  ShadeBox(lad, 31, top, 4, bottom - top, wood);
  for (int y = top + 4; y < bottom - 2; y += 6) ShadeBox(lad, 18, y, 14, 3, wood);
  Outline(lad);
  Composite(l, lad);
}

void ShopDoor(Image& l, Ground g, int shop) {
  // Timber front with an open doorway and a signboard naming the trade.
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < kW; ++x) {
      const int plank = x / 6;
      l.set(x, y,
            LitShade(kWood, 0.45 + Rand01(plank, 0, 121) * 0.3 - ((x % 6) == 5 ? 0.35 : 0), x, y));
    }
  ShadeBox(l, 0, 0, kW, 4, kBark);
  for (int y = 18; y < 48; ++y)
    for (int x = 14; x < 36; ++x) {
      const double glow = 1.0 - (y - 18) / 40.0;
      l.set(x, y, Mix(Rgb(0x1a1008), Rgb(0x8a5a20), glow * 0.6 * (1 - std::fabs(x - 25) / 14.0)));
    }
  FillRect(l, 12, 16, 2, 32, kBark[0]);
  FillRect(l, 36, 16, 2, 32, kBark[0]);
  ShadeBox(l, 12, 14, 26, 3, kBark);
  // The open door leaf swung inward.
  ShadeBox(l, 30, 19, 6, 29, kWood);
  ShadeBox(l, 13, 4, 24, 9, kParchment);
  const double sx = 25, sy = 8.5;
  switch (shop) {
    case 1:  // shields and arms
      FillPoly(
          l, {{sx - 3, sy - 3}, {sx + 3, sy - 3}, {sx + 3, sy + 1}, {sx, sy + 4}, {sx - 3, sy + 1}},
          kBlue[2]);
      FillRect(l, static_cast<int>(sx) - 1, static_cast<int>(sy) - 3, 2, 6, Rgb(0xf0f0f0));
      break;
    case 2:  // potions
      FillEllipse(l, sx, sy + 1, 3, 2.6, kRed[2]);
      FillRect(l, static_cast<int>(sx) - 1, static_cast<int>(sy) - 4, 2, 3, Rgb(0xd0d0e0));
      break;
    case 3:  // supplies
      FillEllipse(l, sx, sy + 1, 3.5, 3, kCloth[1]);
      FillRect(l, static_cast<int>(sx) - 1, static_cast<int>(sy) - 3, 3, 2, kCloth[0]);
      l.set(static_cast<int>(sx), static_cast<int>(sy) + 1, kGold[3]);
      break;
    default:  // a blade for the demon hunters
      ThickLine(l, sx - 5, sy + 3, sx + 5, sy - 3, 1.5, kSteel[3]);
      ThickLine(l, sx - 4, sy, sx - 2, sy + 4, 1.2, kGold[1]);
      break;
  }
  if (g == Ground::Snow) FillRect(l, 0, 0, kW, 2, kSnow[3]);
}

void LockedDoor(Image& l, Ground g, int kind) {
  Bricks(l, g == Ground::Dirt ? kDirt : kStone, 73);
  for (int y = 50; y < kH; ++y)
    for (int x = 0; x < kW; ++x) l.set(x, y, Px{});
  const Ramp r = kind == 0 ? kGold : kind == 1 ? kRed : kPurple;
  // Arched door leaf.
  for (int y = 6; y < 50; ++y)
    for (int x = 10; x < 40; ++x) {
      const double dx = (x + 0.5 - 25) / 15.0, dy = (y - 20) / 14.0;
      if (y < 20 && dx * dx + dy * dy > 1) continue;
      double lgt = 0.55 - (x - 10) / 60.0 + (x % 7 == 0 ? -0.3 : 0.0);
      l.set(x, y, LitShade(r, lgt, x, y));
    }
  for (int y : {16, 36}) {
    FillRect(l, 10, y, 30, 2, kind == 0 ? kGold[0] : kBlack[1]);
    for (int x = 12; x < 40; x += 5) l.set(x, y, kSteel[3]);
  }
  ShadeBox(l, 29, 25, 6, 8, kind == 0 ? kSteel : kGold);
  FillRect(l, 31, 28, 2, 3, Rgb(0x100808));
  if (kind == 1)
    for (int d = 0; d < 4; ++d) FillRect(l, 14 + d * 6, 8 + d * 3, 1, 6 + d * 2, Rgb(0x4a0608));
  if (kind == 2) {  // glowing runes
    const Px glow = Rgb(0xf0b0ff);
    for (int i = 0; i < 3; ++i) {
      const int x = 15 + i * 5, y = 20 + (i % 2) * 4;
      Line(l, x, y, x + 2, y + 3, glow);
      Line(l, x + 2, y, x, y + 3, glow);
    }
    FillEllipse(l, 25, 12, 2, 2, glow);
  }
}

void Ruinstone(Image& l, Ground g, bool active, int frame) {
  const Ramp stone = Ramp(0x3a3a48, 0x5a5a6c, 0x7c7c90, 0xa8a8bc);
  FillEllipse(l, 25, 50, 20, 5, stone[1]);
  ShadeCylinder(l, 6, 12, 9, 38, stone);
  ShadeCylinder(l, 35, 12, 9, 38, stone);
  ShadeBox(l, 3, 7, 44, 6, stone);
  for (int y = 18; y < 46; y += 9) {
    Line(l, 8, y, 12, y + 2, stone[0]);
    Line(l, 37, y + 3, 41, y + 5, stone[0]);
  }
  if (active) {
    // Energy swirling between the pillars; the second frame turns the swirl.
    const double turn = frame == 2 ? 0.8 : 0.0;
    for (int y = 14; y < 50; ++y)
      for (int x = 15; x < 35; ++x) {
        const double dx = (x - 25) / 10.0, dy = (y - 31) / 18.0;
        const double r = std::hypot(dx, dy);
        if (r > 1) continue;
        const double a = std::atan2(dy, dx) + r * 4 + turn;
        const double v = 0.5 + 0.5 * std::sin(a * 3);
        Px c = LitShade(Ramp(0x3a1a8a, 0x6a3ad0, 0x9a7af0, 0xe8e0ff), v * (1.1 - r), x, y);
        c.a = 235;
        l.Blend(x, y, c);
      }
    for (int i = 0; i < 5; ++i) {
      const int y = 14 + i * 8 + (frame == 2 ? 4 : 0);
      l.set(10, y, Rgb(0xd0c0ff));
      l.set(39, y + 2, Rgb(0xd0c0ff));
    }
  } else {
    // Spent: cold stone, cracked and frosted.
    Line(l, 9, 20, 12, 30, Rgb(0x20202a));
    Line(l, 40, 14, 38, 26, Rgb(0x20202a));
    for (int x = 3; x < 47; ++x) l.set(x, 7, kSnow[3]);
    FillEllipse(l, 10, 12, 4, 1.5, kSnow[2]);
    FillEllipse(l, 40, 12, 4, 1.5, kSnow[2]);
  }
  (void)g;
}

void Crate(Image& l) {
  const Ramp pine = Ramp(0x7a5a2a, 0xa88040, 0xc8a058, 0xe8c888);
  ShadeBox(l, 10, 22, 30, 28, pine);
  for (int y = 27; y < 46; y += 6) Line(l, 12, y, 37, y, pine[1]);
  ThickLine(l, 12, 24, 37, 47, 3, pine[3]);
  Line(l, 12, 26, 36, 48, pine[1]);
  ShadeBox(l, 10, 22, 30, 3, pine);
  ShadeBox(l, 10, 47, 30, 3, pine);
  for (int x : {12, 37}) l.set(x, 23, kSteel[1]), l.set(x, 48, kSteel[1]);
}

void Barrel(Image& l) {
  for (int y = 18; y < 52; ++y) {
    const double t = (y - 35) / 17.0;
    const int half = static_cast<int>(12 - 3 * t * t);
    for (int x = 25 - half; x < 25 + half; ++x) {
      const double u = (x + 0.5 - 25) / half;
      const double lgt = 0.8 - 0.6 * u - 0.35 * u * u;
      l.set(x, y, LitShade(kWood, lgt, x, y));
    }
  }
  for (int y : {22, 33, 46})
    for (int x = 14; x < 37; ++x)
      if (l.get(x, y).a) l.set(x, y, kSteel[x < 22 ? 2 : 1]), l.set(x, y + 1, kSteel[0]);
  FillEllipse(l, 25, 19, 9, 3, kWood[1]);
  FillEllipse(l, 25, 19, 7, 2, kWood[0]);
}

void Table(Image& l) {
  ShadeBox(l, 12, 40, 4, 12, kWood);
  ShadeBox(l, 34, 40, 4, 12, kWood);
  ShadeBox(l, 6, 26, 38, 15, kWood);
  for (int y = 30; y < 40; y += 4) Line(l, 8, y, 42, y, kWood[1]);
  ShadeBox(l, 6, 40, 38, 3, kBark);
  FillEllipse(l, 18, 31, 4, 2, Rgb(0xe8e8f0));  // a plate and a mug
  FillEllipse(l, 18, 31, 2, 1, Rgb(0xc8c8d0));
  ShadeBox(l, 30, 27, 5, 6, kSteel);
}

void Bed(Image& l) {
  ShadeBox(l, 11, 6, 28, 6, kWood);  // headboard
  ShadeBox(l, 12, 11, 26, 40, kWood);
  ShadeBox(l, 14, 12, 22, 8, Ramp(0xa0a0b0, 0xc8c8d8, 0xe8e8f0, 0xffffff));  // pillow
  for (int y = 20; y < 50; ++y)
    for (int x = 13; x < 37; ++x) {
      const bool check = ((x / 4) + (y / 4)) % 2 == 0;
      l.set(x, y,
            LitShade(check ? kRed : Ramp(0x6a1a1a, 0xa03030, 0xc85050, 0xe88080),
                     0.5 + (y == 20 ? 0.4 : 0) - (x > 34 ? 0.3 : 0), x, y));
    }
  FillRect(l, 13, 20, 24, 2, Rgb(0xf0f0f8));  // folded sheet
  ShadeBox(l, 11, 49, 28, 4, kWood);
}

void Shelf(Image& l, Ground g) {
  if (g == Ground::Snow) {
    // A torn banner bearing the ghost's face.
    ShadeStroke(l, 10, 6, 40, 6, 3, kBark);
    for (int y = 8; y < 48; ++y)
      for (int x = 12; x < 38; ++x) {
        if (y > 42 && ((x - 12) / 4) % 2 == (y - 42) / 3 % 2) continue;
        l.set(x, y, LitShade(kPurple, 0.45 - (x - 12) / 80.0 + (x % 5 == 0 ? 0.15 : 0), x, y));
      }
    FillRect(l, 12, 8, 26, 2, kGold[2]);
    ShadeEllipse(l, 25, 24, 7, 8, Ramp(0x8a9aa8, 0xb8c8d4, 0xdce8f0, 0xffffff));
    FillPoly(l, {{18, 26}, {32, 26}, {30, 38}, {25, 34}, {20, 38}}, Rgb(0xc8d8e4));
    FillEllipse(l, 22, 23, 1.5, 2, Rgb(0x1a0a2a));
    FillEllipse(l, 28, 23, 1.5, 2, Rgb(0x1a0a2a));
    FillEllipse(l, 25, 29, 2, 1.5, Rgb(0x1a0a2a));
    return;
  }
  ShadeBox(l, 6, 8, 38, 44, kBark);
  for (int y : {10, 24, 38}) {
    FillRect(l, 8, y, 34, 12, kBark[0]);
    ShadeBox(l, 7, y + 12, 36, 2, kWood);
  }
  // Jars, books and odds and ends.
  const uint32_t books[] = {0x8a2a2a, 0x2a4a8a, 0x3a6a2a, 0x8a6a2a, 0x5a2a6a};
  for (int i = 0; i < 6; ++i)
    ShadeBox(l, 9 + i * 3, 13 + (i % 2), 3, 9 - (i % 2), RampFrom(books[i % 5]));
  ShadeEllipse(l, 33, 18, 4, 4, Ramp(0x3a5a3a, 0x5a8a5a, 0x8ab88a, 0xd0f0d0));
  ShadeEllipse(l, 14, 33, 4, 4, Ramp(0x6a4a2a, 0x9a6a3a, 0xc89a5a, 0xf0d0a0));
  ShadeBox(l, 22, 29, 6, 7, kSteel);
  ShadeEllipse(l, 35, 32, 4, 4, kRed);
  for (int i = 0; i < 4; ++i) ShadeBox(l, 10 + i * 8, 42, 5, 8, RampFrom(books[(i + 2) % 5]));
}

void Sign(Image& l, Ground g) {
  ShadeBox(l, 23, 26, 4, 26, kBark);
  ShadeBox(l, 8, 12, 34, 16, kWood);
  for (int y = 16; y < 26; y += 3) Line(l, 12, y, 12 + (y * 7) % 18 + 8, y, kWood[0]);
  for (int x : {10, 39}) l.set(x, 14, kSteel[1]), l.set(x, 25, kSteel[1]);
  if (g == Ground::Snow) FillRect(l, 8, 11, 34, 2, kSnow[3]);
}

void Chest(Image& l) {
  ShadeBox(l, 8, 30, 34, 20, kWood);
  for (int y = 12; y < 31; ++y)
    for (int x = 8; x < 42; ++x) {
      const double dy = (y - 30) / 14.0;
      if (dy * dy + ((x - 25) / 60.0) * ((x - 25) / 60.0) > 1.2 && y < 20) continue;
      l.set(x, y, LitShade(kWood, 0.8 - (30 - y) * -0.02 - (x - 8) / 60.0, x, y));
    }
  for (int x : {12, 36}) ShadeBox(l, x, 16, 3, 34, kGold);
  ShadeBox(l, 8, 29, 34, 3, kGold);
  ShadeBox(l, 22, 28, 6, 8, kGold);
  FillRect(l, 24, 31, 2, 3, Rgb(0x201008));
}

void Campfire(Image& l, int frame) {
  for (int i = 0; i < 8; ++i) {
    const double a = i / 8.0 * 6.283;
    ShadeEllipse(l, 25 + std::cos(a) * 15, 45 + std::sin(a) * 6, 3.5, 2.8, kStone);
  }
  ShadeStroke(l, 14, 48, 36, 40, 4, kBark);
  ShadeStroke(l, 14, 40, 36, 48, 4, kBark);
  // Flames: tongues that sway between the two frames.
  const double sway = frame == 2 ? 2.5 : -2.0;
  const double tongues[][3] = {{25, 14, 7}, {19, 24, 5}, {31, 22, 5}, {23, 26, 4}, {28, 20, 4}};
  for (auto& t : tongues) {
    const double tx = t[0] + sway * (t[1] < 20 ? 1.0 : -0.6);
    FillPoly(l, {{t[0] - t[2], 44}, {t[0] + t[2], 44}, {tx, t[1]}}, kFire[1]);
  }
  for (auto& t : tongues) {
    const double tx = t[0] + sway * 0.5;
    FillPoly(l, {{t[0] - t[2] * 0.5, 44}, {t[0] + t[2] * 0.5, 44}, {tx, t[1] + 8}}, kFire[2]);
  }
  FillEllipse(l, 25, 41, 5, 3, kFire[3]);
  l.set(frame == 2 ? 30 : 18, frame == 2 ? 10 : 12, kFire[2]);
  l.set(frame == 2 ? 20 : 33, frame == 2 ? 7 : 9, kFire[3]);
}

void Well(Image& l) {
  ShadeBox(l, 9, 8, 3, 30, kBark);
  ShadeBox(l, 38, 8, 3, 30, kBark);
  FillPoly(l, {{4, 10}, {25, 0}, {46, 10}, {44, 13}, {25, 4}, {6, 13}}, kStraw[2]);
  FillPoly(l, {{6, 12}, {25, 3}, {44, 12}, {44, 14}, {6, 14}}, kStraw[1]);
  ShadeStroke(l, 10, 17, 40, 17, 2, kWood);
  Line(l, 25, 18, 25, 26, Rgb(0x6a5a40));
  ShadeBox(l, 22, 26, 6, 5, kWood);
  ShadeCylinder(l, 8, 32, 34, 18, kStone);
  for (int y = 36; y < 50; y += 5)
    for (int x = 10 + (y % 2) * 4; x < 42; x += 8) Line(l, x, y, x, y + 4, kStone[0]);
  FillEllipse(l, 25, 32, 17, 5, kStone[2]);
  FillEllipse(l, 25, 32, 13, 3.5, Rgb(0x0a1020));
  FillEllipse(l, 27, 33, 4, 1, kWater[1]);
}

void ArmorStand(Image& l) {
  ShadeBox(l, 17, 49, 16, 4, kWood);
  ShadeBox(l, 24, 40, 2, 10, kWood);
  const Ramp s = kSteel;
  ShadeEllipse(l, 25, 10, 5.5, 6, s);
  FillRect(l, 22, 10, 7, 2, Rgb(0x101018));  // visor slit
  FillPoly(l, {{25, 2}, {27, 5}, {23, 5}}, kRed[2]);
  ShadeEllipse(l, 15, 20, 5, 4, s);
  ShadeEllipse(l, 35, 20, 5, 4, s);
  ShadeBox(l, 17, 17, 16, 18, s);
  ShadeStroke(l, 12, 22, 11, 36, 3.5, s);
  ShadeStroke(l, 38, 22, 39, 36, 3.5, s);
  FillRect(l, 18, 33, 14, 3, kBark[1]);
  ShadeStroke(l, 21, 36, 21, 46, 4, s);
  ShadeStroke(l, 29, 36, 29, 46, 4, s);
  Line(l, 25, 19, 25, 32, s[0]);
  FillEllipse(l, 25, 24, 2, 2, kGold[2]);
}

void WeaponRack(Image& l) {
  ShadeBox(l, 6, 14, 38, 3, kWood);
  ShadeBox(l, 6, 40, 38, 3, kWood);
  ShadeBox(l, 6, 14, 3, 38, kWood);
  ShadeBox(l, 41, 14, 3, 38, kWood);
  // Sword, spear, axe and mace.
  ShadeStroke(l, 15, 6, 15, 40, 2.5, kSteel);
  ShadeStroke(l, 11, 38, 19, 38, 2, kGold);
  ShadeStroke(l, 15, 40, 15, 47, 2, kBark);
  ShadeStroke(l, 23, 4, 23, 50, 2, kBark);
  FillPoly(l, {{21, 8}, {25, 8}, {23, 1}}, kSteel[2]);
  ShadeStroke(l, 31, 10, 31, 50, 2, kBark);
  FillPoly(l, {{31, 10}, {38, 7}, {38, 19}, {31, 16}}, kSteel[2]);
  Line(l, 37, 8, 37, 18, kSteel[3]);
  ShadeStroke(l, 38, 22, 38, 50, 2, kBark);
  ShadeEllipse(l, 38, 21, 3.5, 3.5, kSteel);
}

}  // namespace

bool PaintBuilt(Image& l, Ground g, std::string_view tag, int frame) {
  if (tag == "WALL")
    Wall(l, g);
  else if (tag == "SPWALL")
    Wall(l, g), Cracks(l);
  else if (tag == "HOUSEWALL")
    HouseWall(l);
  else if (tag == "WINDOW")
    Window(l, g);
  else if (tag == "ROOF")
    Roof(l, g);
  else if (tag == "CHIMNEY")
    Chimney(l, g);
  else if (tag == "BLACK")
    FillRect(l, 0, 0, kW, kH, Rgb(0x000000));
  else if (tag == "EXIT")
    ExitTile(l, g);
  else if (tag == "HOLE")
    Pit(l, g, 1);
  else if (tag == "HOLE2")
    Pit(l, g, 2);
  else if (tag == "HOLE3")
    Pit(l, g, 3);
  else if (tag == "HOLE5")
    Pit(l, g, 5);
  else if (tag == "LADDERUP")
    Ladder(l, g, true);
  else if (tag == "LADDERDOWN")
    Ladder(l, g, false);
  else if (tag == "DOOR")
    ShopDoor(l, g, 1);
  else if (tag == "DOOR2")
    ShopDoor(l, g, 2);
  else if (tag == "DOOR3")
    ShopDoor(l, g, 3);
  else if (tag == "DOOR4")
    ShopDoor(l, g, 4);
  else if (tag == "GOLDDOOR")
    LockedDoor(l, g, 0);
  else if (tag == "REDDOOR")
    LockedDoor(l, g, 1);
  else if (tag == "PURPLEDOOR")
    LockedDoor(l, g, 2);
  else if (tag == "RUINSTONE")
    Ruinstone(l, g, true, frame);
  else if (tag == "RUINSTONESNOW")
    Ruinstone(l, g, false, frame);
  else if (tag == "CRATE")
    Crate(l);
  else if (tag == "BARREL")
    Barrel(l);
  else if (tag == "TABLE")
    Table(l);
  else if (tag == "BED")
    Bed(l);
  else if (tag == "SHELF")
    Shelf(l, g);
  else if (tag == "SIGN")
    Sign(l, g);
  else if (tag == "CHEST")
    Chest(l);
  else if (tag == "CAMPFIRE")
    Campfire(l, frame);
  else if (tag == "WELL")
    Well(l);
  else if (tag == "ARMORSTAND")
    ArmorStand(l);
  else if (tag == "WEAPONRACK")
    WeaponRack(l);
  else
    return false;
  return true;
}

}  // namespace tq::art
