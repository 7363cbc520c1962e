// Built things: walls, roof, doors, holes, ladders, the ruinstone and the furniture.
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

constexpr int kW = kTileW, kH = kTileH, kR = kTileRepeatH;

// Stone blocks in running bond; rows repeat with the tile.
void bricks(Image& l, const Ramp& stone, uint32_t seed) {
  constexpr int kRow = 7, kLen = 10;
  for (int y = 0; y < kH; ++y) {
    const int yy = y % kR, row = yy / kRow, ry = yy % kRow;
    const int off = (row % 2) * 5;
    for (int x = 0; x < kW; ++x) {
      const int bx = (x + off) % kW, col = bx / kLen, rx = bx % kLen;
      const double tone = rand01(col, row, seed) * 0.3;
      double lgt = 0.45 + tone + (rand01(x, yy, seed + 1) - 0.5) * 0.15;
      if (ry == 0 || rx == 0) lgt += 0.35;
      if (ry == kRow - 2 || rx == kLen - 1) lgt -= 0.25;
      Px c = LitShade(stone, lgt, x, y);
      if (ry == kRow - 1) c = scale(stone[0], 0.7);
      l.set(x, y, c);
    }
  }
}

void EarthWall(Image& l) {
  // Packed earth and stones, darker than the cave floor, with a lit ledge on each course.
  bricks(l, ramp(0x221810, 0x3a2c20, 0x54422f, 0x725c44), 75);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (rand01(x, y % kR, 76) < 0.08) l.set(x, y, rgb(0x1a120c));
  // A few dark roots and creepers hang down the face; kept sparse and dim, since every wall
  // cell of a maze repeats them.
  const Ramp vine = pal::kLeafDark;
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

void wall(Image& l, Ground g) {
  if (g == Ground::Dirt) return EarthWall(l);
  bricks(l, pal::kStone, 73);
  if (g == Ground::Snow)
    for (int x = 0; x < kW; ++x)
      for (int y = 0; y < 3 + static_cast<int>(rand01(x / 3, 0, 5) * 2); ++y)
        l.set(x, y, pal::kSnow[y == 0 ? 3 : 2]);
}

void cracks(Image& l) {
  const Px dark = rgb(0x141418), lit = rgb(0xd0d0d8);
  const int path[][2] = {{24, 4}, {21, 12}, {26, 19}, {20, 27}, {27, 34}, {23, 42}, {28, 52}};
  for (size_t i = 0; i + 1 < std::size(path); ++i) {
    ThickLine(l, path[i][0], path[i][1], path[i + 1][0], path[i + 1][1], 1.8, dark);
    line(l, path[i][0] + 1, path[i][1], path[i + 1][0] + 1, path[i + 1][1], lit);
  }
  ThickLine(l, 21, 12, 12, 16, 1.3, dark);
  ThickLine(l, 12, 16, 7, 14, 1, dark);
  ThickLine(l, 20, 27, 36, 24, 1.3, dark);
  ThickLine(l, 36, 24, 42, 28, 1, dark);
  ThickLine(l, 27, 34, 16, 40, 1.3, dark);
  FillEllipse(l, 25, 28, 3, 2, dark);
}

void window(Image& l, Ground g) {
  wall(l, g);
  ShadeBox(l, 11, 10, 28, 30, pal::kWood);
  for (int y = 13; y < 37; ++y)
    for (int x = 14; x < 36; ++x) {
      const double d = (x - 14) - (y - 13) * 0.8;
      Px c = LitShade(ramp(0x203858, 0x38608a, 0x6a9ac0, 0xc8e4f8), 0.35 + (y - 13) / 60.0, x, y);
      if (d > 4 && d < 8) c = rgb(0xd8f0ff);  // reflection streak
      l.set(x, y, c);
    }
  FillRect(l, 24, 13, 2, 24, pal::kWood[1]);
  FillRect(l, 14, 24, 22, 2, pal::kWood[1]);
  ShadeBox(l, 9, 40, 32, 4, pal::kWood);  // sill
}

void roof(Image& l, Ground g) {
  // Straw laid in overlapping courses, with sticks binding each course.
  const Ramp straw = pal::kStraw;
  for (int y = 0; y < kH; ++y) {
    const int yy = y % kR, course = yy / 8, cy = yy % 8;
    for (int x = 0; x < kW; ++x) {
      const int strand = (x + course * 3) % 3;
      double lgt =
          0.75 - cy * 0.07 + (strand == 0 ? -0.2 : 0.0) + (rand01(x, course, 81) - 0.5) * 0.3;
      Px c = LitShade(straw, lgt, x, y);
      if (cy == 7) c = straw[0];
      l.set(x, y, c);
    }
  }
  for (int c = 0; c < 7; ++c) line(l, 0, c * 8 + 2, kW - 1, c * 8 + 2, rgb(0x5a3e1c));
  if (g == Ground::Snow)
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if ((y % 8) < 3 && rand01(x / 2, y / 8, 83) < 0.75)
          l.set(x, y, pal::kSnow[(y % 8) == 0 ? 3 : 2]);
}

void chimney(Image& l, Ground g) {
  roof(l, g);
  Image c(kW, kH);
  bricks(c, ramp(0x5a3a34, 0x84544a, 0xa06a5c, 0xc8907e), 87);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (x < 14 || x > 35 || y < 14) c.set(x, y, Px{});
  ShadeBox(c, 12, 12, 26, 4, pal::kStone);
  outline(c);
  composite(l, c);
  FillRect(l, 16, 13, 18, 2, rgb(0x181410));
  for (int i = 0; i < 3; ++i) {
    Px s = rgb(0xb8b8c0);
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
      const double lgt = 0.75 - 0.5 * u - 0.3 * u * u + (rand01(x / 5, yy / 8, 91) - 0.5) * 0.2;
      l.set(x, y, ry == 7 ? rgb(0x2a1a10) : LitShade(pal::kBark, lgt, x, y));
    }
  }
  for (int r = 0; r < 7; ++r) FillEllipse(l, (r % 2) ? 3 : 46, r * 8 + 3.5, 3, 3.5, pal::kWood[2]);
  for (int x = 0; x < kW; ++x) l.set(x, 0, pal::kSnow[3]), l.set(x, 1, pal::kSnow[2]);
}

void pit(Image& l, Ground g, int kind) {
  const double cx = 25, cy = 30, rx = 17, ry = 13;
  const Ramp rim = kind == 5           ? ramp(0x6a88b0, 0x9ab8dc, 0xcce0f4, 0xffffff)
                   : g == Ground::Snow ? pal::kStone
                                       : pal::kDirt;
  FillEllipse(l, cx, cy, rx + 3, ry + 3, rim[1]);
  FillEllipse(l, cx, cy - 1, rx + 2, ry + 2, rim[2]);
  // The dark throat, lighter only at its far lip.
  for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry); ++y)
    for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx); ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy > 1) continue;
      const double depth = 1 - (dy + 1) / 2;  // the far wall shows at the top
      Px c = rgb(0x060406);
      if (depth > 0.7)
        c = LitShade(ramp(0x060406, 0x181010, 0x2a2018, 0x3a2c20), (depth - 0.7) * 3, x, y);
      l.set(x, y, c);
    }
  Rng rng(101 + static_cast<uint32_t>(kind));
  if (kind == 1) {  // ring of stones
    for (int i = 0; i < 11; ++i) {
      const double a = i / 11.0 * 6.283;
      ShadeEllipse(l, cx + std::cos(a) * (rx + 3), cy + std::sin(a) * (ry + 3), 3.2, 2.6,
                   pal::kStone);
    }
  } else if (kind == 2) {  // a frame of boards
    ShadeBox(l, 5, 14, 40, 4, pal::kWood);
    ShadeBox(l, 5, 43, 40, 4, pal::kWood);
    ShadeBox(l, 5, 14, 4, 33, pal::kWood);
    ShadeBox(l, 41, 14, 4, 33, pal::kWood);
  } else if (kind == 3) {  // bones and a skull at the lip
    const Ramp bone = ramp(0x8a8070, 0xb8ae98, 0xdcd4c0, 0xfaf6ea);
    ShadeEllipse(l, 12, 40, 4.5, 4, bone);
    l.set(10, 40, rgb(0x201810)), l.set(13, 40, rgb(0x201810));
    l.set(11, 42, rgb(0x201810)), l.set(12, 42, rgb(0x201810));
    ShadeStroke(l, 32, 44, 42, 40, 2, bone);
    ShadeStroke(l, 30, 18, 40, 20, 2, bone);
    FillEllipse(l, 32, 44, 1.5, 1.5, bone[3]);
    FillEllipse(l, 42, 40, 1.5, 1.5, bone[3]);
  } else if (kind == 5) {  // icicles hang into the pit
    for (int i = 0; i < 7; ++i) {
      const double x = 12 + i * 4.3;
      const double len = 4 + (i * 5) % 6;
      FillPoly(l, {{x - 1.5, cy - ry + 2}, {x + 1.5, cy - ry + 2}, {x, cy - ry + 2 + len}},
               rgb(0xd8ecff));
    }
  }
}

void ExitTile(Image& l, Ground g) {
  if (g == Ground::Wood) {
    // The shop's exit door, set in the wall.
    bricks(l, pal::kStone, 73);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if (y > 40) l.set(x, y, Px{});
    ShadeBox(l, 12, 6, 26, 36, pal::kWood);
    for (int x = 16; x < 36; x += 5) line(l, x, 8, x, 40, pal::kWood[1]);
    FillEllipse(l, 33, 25, 1.6, 1.6, pal::kGold[2]);
    ShadeBox(l, 14, 44, 22, 8, ramp(0x5a2020, 0x8a3030, 0xa84848, 0xc87070));  // mat
    return;
  }
  // Outdoors: a patch of ground worn by feet, open toward every side. It fades into the floor
  // round a ragged edge, so it reads as a trodden gap rather than a rug.
  const Ramp path = g == Ground::Snow   ? ramp(0xa4b4cc, 0xb8c6da, 0xccd8e8, 0xe4ecf6)
                    : g == Ground::Dirt ? ramp(0x2e2016, 0x44321f, 0x5a442e, 0x766048)
                                        : ramp(0x6a5434, 0x8a7048, 0xa88c5e, 0xc8ae80);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int yy = y % kR;
      const double dx = std::fabs(x + 0.5 - 25) / 25.0, dy = std::fabs(yy + 0.5 - 28) / 28.0;
      const double d = std::pow(std::pow(dx, 3) + std::pow(dy, 3), 1.0 / 3.0);
      const double wobble = (PeriodicNoise(x, yy, 7, kW, kR, 115) - 0.5) * 0.55 +
                            (PeriodicNoise(x, yy, 3, kW, kR, 116) - 0.5) * 0.2;
      const double e = d + wobble;
      if (e > 0.95) continue;
      if (e > 0.6 && bayer(x, y) < (e - 0.6) / 0.35) continue;
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

void ladder(Image& l, Ground g, bool up) {
  const Ramp wood = pal::kWood;
  if (up) {
    // A shaft of daylight with the ladder climbing into it.
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < kW; ++x) {
        const double dx = (x + 0.5 - 25) / (12 + y * 0.25), dy = (y - 12) / 16.0;
        if (dx * dx + dy * dy > 1) continue;
        Px c = rgb(0xfff4c8);
        c.a = static_cast<uint8_t>(std::max(0.0, 200 - y * 6.0));
        l.blend(x, y, c);
      }
    FillEllipse(l, 25, 6, 14, 5, rgb(0xf8f0d0));
  } else {
    FillEllipse(l, 25, 36, 16, 11, g == Ground::Snow ? pal::kStone[1] : pal::kDirt[0]);
    FillEllipse(l, 25, 37, 14, 9, rgb(0x080608));
  }
  const int top = up ? 4 : 24, bottom = up ? 54 : 46;
  Image lad(kW, kH);
  ShadeBox(lad, 15, top, 4, bottom - top, wood);
  ShadeBox(lad, 31, top, 4, bottom - top, wood);
  for (int y = top + 4; y < bottom - 2; y += 6) ShadeBox(lad, 18, y, 14, 3, wood);
  outline(lad);
  composite(l, lad);
}

void ShopDoor(Image& l, Ground g, int shop) {
  // Timber front with an open doorway and a signboard naming the trade.
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < kW; ++x) {
      const int plank = x / 6;
      l.set(x, y,
            LitShade(pal::kWood, 0.45 + rand01(plank, 0, 121) * 0.3 - ((x % 6) == 5 ? 0.35 : 0), x,
                     y));
    }
  ShadeBox(l, 0, 0, kW, 4, pal::kBark);
  for (int y = 18; y < 48; ++y)
    for (int x = 14; x < 36; ++x) {
      const double glow = 1.0 - (y - 18) / 40.0;
      l.set(x, y, mix(rgb(0x1a1008), rgb(0x8a5a20), glow * 0.6 * (1 - std::fabs(x - 25) / 14.0)));
    }
  FillRect(l, 12, 16, 2, 32, pal::kBark[0]);
  FillRect(l, 36, 16, 2, 32, pal::kBark[0]);
  ShadeBox(l, 12, 14, 26, 3, pal::kBark);
  // The open door leaf swung inward.
  ShadeBox(l, 30, 19, 6, 29, pal::kWood);
  ShadeBox(l, 13, 4, 24, 9, pal::kParchment);
  const double sx = 25, sy = 8.5;
  switch (shop) {
    case 1:  // shields and arms
      FillPoly(
          l, {{sx - 3, sy - 3}, {sx + 3, sy - 3}, {sx + 3, sy + 1}, {sx, sy + 4}, {sx - 3, sy + 1}},
          pal::kBlue[2]);
      FillRect(l, static_cast<int>(sx) - 1, static_cast<int>(sy) - 3, 2, 6, rgb(0xf0f0f0));
      break;
    case 2:  // potions
      FillEllipse(l, sx, sy + 1, 3, 2.6, pal::kRed[2]);
      FillRect(l, static_cast<int>(sx) - 1, static_cast<int>(sy) - 4, 2, 3, rgb(0xd0d0e0));
      break;
    case 3:  // supplies
      FillEllipse(l, sx, sy + 1, 3.5, 3, pal::kCloth[1]);
      FillRect(l, static_cast<int>(sx) - 1, static_cast<int>(sy) - 3, 3, 2, pal::kCloth[0]);
      l.set(static_cast<int>(sx), static_cast<int>(sy) + 1, pal::kGold[3]);
      break;
    default:  // a blade for the demon hunters
      ThickLine(l, sx - 5, sy + 3, sx + 5, sy - 3, 1.5, pal::kSteel[3]);
      ThickLine(l, sx - 4, sy, sx - 2, sy + 4, 1.2, pal::kGold[1]);
      break;
  }
  if (g == Ground::Snow) FillRect(l, 0, 0, kW, 2, pal::kSnow[3]);
}

void LockedDoor(Image& l, Ground g, int kind) {
  bricks(l, g == Ground::Dirt ? pal::kDirt : pal::kStone, 73);
  for (int y = 50; y < kH; ++y)
    for (int x = 0; x < kW; ++x) l.set(x, y, Px{});
  const Ramp r = kind == 0 ? pal::kGold : kind == 1 ? pal::kRed : pal::kPurple;
  // Arched door leaf.
  for (int y = 6; y < 50; ++y)
    for (int x = 10; x < 40; ++x) {
      const double dx = (x + 0.5 - 25) / 15.0, dy = (y - 20) / 14.0;
      if (y < 20 && dx * dx + dy * dy > 1) continue;
      double lgt = 0.55 - (x - 10) / 60.0 + (x % 7 == 0 ? -0.3 : 0.0);
      l.set(x, y, LitShade(r, lgt, x, y));
    }
  for (int y : {16, 36}) {
    FillRect(l, 10, y, 30, 2, kind == 0 ? pal::kGold[0] : pal::kBlack[1]);
    for (int x = 12; x < 40; x += 5) l.set(x, y, pal::kSteel[3]);
  }
  ShadeBox(l, 29, 25, 6, 8, kind == 0 ? pal::kSteel : pal::kGold);
  FillRect(l, 31, 28, 2, 3, rgb(0x100808));
  if (kind == 1)
    for (int d = 0; d < 4; ++d) FillRect(l, 14 + d * 6, 8 + d * 3, 1, 6 + d * 2, rgb(0x4a0608));
  if (kind == 2) {  // glowing runes
    const Px glow = rgb(0xf0b0ff);
    for (int i = 0; i < 3; ++i) {
      const int x = 15 + i * 5, y = 20 + (i % 2) * 4;
      line(l, x, y, x + 2, y + 3, glow);
      line(l, x + 2, y, x, y + 3, glow);
    }
    FillEllipse(l, 25, 12, 2, 2, glow);
  }
}

void ruinstone(Image& l, Ground g, bool active, int frame) {
  const Ramp stone = ramp(0x3a3a48, 0x5a5a6c, 0x7c7c90, 0xa8a8bc);
  FillEllipse(l, 25, 50, 20, 5, stone[1]);
  ShadeCylinder(l, 6, 12, 9, 38, stone);
  ShadeCylinder(l, 35, 12, 9, 38, stone);
  ShadeBox(l, 3, 7, 44, 6, stone);
  for (int y = 18; y < 46; y += 9) {
    line(l, 8, y, 12, y + 2, stone[0]);
    line(l, 37, y + 3, 41, y + 5, stone[0]);
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
        Px c = LitShade(ramp(0x3a1a8a, 0x6a3ad0, 0x9a7af0, 0xe8e0ff), v * (1.1 - r), x, y);
        c.a = 235;
        l.blend(x, y, c);
      }
    for (int i = 0; i < 5; ++i) {
      const int y = 14 + i * 8 + (frame == 2 ? 4 : 0);
      l.set(10, y, rgb(0xd0c0ff));
      l.set(39, y + 2, rgb(0xd0c0ff));
    }
  } else {
    // Spent: cold stone, cracked and frosted.
    line(l, 9, 20, 12, 30, rgb(0x20202a));
    line(l, 40, 14, 38, 26, rgb(0x20202a));
    for (int x = 3; x < 47; ++x) l.set(x, 7, pal::kSnow[3]);
    FillEllipse(l, 10, 12, 4, 1.5, pal::kSnow[2]);
    FillEllipse(l, 40, 12, 4, 1.5, pal::kSnow[2]);
  }
  (void)g;
}

void crate(Image& l) {
  const Ramp pine = ramp(0x7a5a2a, 0xa88040, 0xc8a058, 0xe8c888);
  ShadeBox(l, 10, 22, 30, 28, pine);
  for (int y = 27; y < 46; y += 6) line(l, 12, y, 37, y, pine[1]);
  ThickLine(l, 12, 24, 37, 47, 3, pine[3]);
  line(l, 12, 26, 36, 48, pine[1]);
  ShadeBox(l, 10, 22, 30, 3, pine);
  ShadeBox(l, 10, 47, 30, 3, pine);
  for (int x : {12, 37}) l.set(x, 23, pal::kSteel[1]), l.set(x, 48, pal::kSteel[1]);
}

void barrel(Image& l) {
  for (int y = 18; y < 52; ++y) {
    const double t = (y - 35) / 17.0;
    const int half = static_cast<int>(12 - 3 * t * t);
    for (int x = 25 - half; x < 25 + half; ++x) {
      const double u = (x + 0.5 - 25) / half;
      const double lgt = 0.8 - 0.6 * u - 0.35 * u * u;
      l.set(x, y, LitShade(pal::kWood, lgt, x, y));
    }
  }
  for (int y : {22, 33, 46})
    for (int x = 14; x < 37; ++x)
      if (l.get(x, y).a) l.set(x, y, pal::kSteel[x < 22 ? 2 : 1]), l.set(x, y + 1, pal::kSteel[0]);
  FillEllipse(l, 25, 19, 9, 3, pal::kWood[1]);
  FillEllipse(l, 25, 19, 7, 2, pal::kWood[0]);
}

void table(Image& l) {
  ShadeBox(l, 12, 40, 4, 12, pal::kWood);
  ShadeBox(l, 34, 40, 4, 12, pal::kWood);
  ShadeBox(l, 6, 26, 38, 15, pal::kWood);
  for (int y = 30; y < 40; y += 4) line(l, 8, y, 42, y, pal::kWood[1]);
  ShadeBox(l, 6, 40, 38, 3, pal::kBark);
  FillEllipse(l, 18, 31, 4, 2, rgb(0xe8e8f0));  // a plate and a mug
  FillEllipse(l, 18, 31, 2, 1, rgb(0xc8c8d0));
  ShadeBox(l, 30, 27, 5, 6, pal::kSteel);
}

void bed(Image& l) {
  ShadeBox(l, 11, 6, 28, 6, pal::kWood);  // headboard
  ShadeBox(l, 12, 11, 26, 40, pal::kWood);
  ShadeBox(l, 14, 12, 22, 8, ramp(0xa0a0b0, 0xc8c8d8, 0xe8e8f0, 0xffffff));  // pillow
  for (int y = 20; y < 50; ++y)
    for (int x = 13; x < 37; ++x) {
      const bool check = ((x / 4) + (y / 4)) % 2 == 0;
      l.set(x, y,
            LitShade(check ? pal::kRed : ramp(0x6a1a1a, 0xa03030, 0xc85050, 0xe88080),
                     0.5 + (y == 20 ? 0.4 : 0) - (x > 34 ? 0.3 : 0), x, y));
    }
  FillRect(l, 13, 20, 24, 2, rgb(0xf0f0f8));  // folded sheet
  ShadeBox(l, 11, 49, 28, 4, pal::kWood);
}

void shelf(Image& l, Ground g) {
  if (g == Ground::Snow) {
    // A torn banner bearing the ghost's face.
    ShadeStroke(l, 10, 6, 40, 6, 3, pal::kBark);
    for (int y = 8; y < 48; ++y)
      for (int x = 12; x < 38; ++x) {
        if (y > 42 && ((x - 12) / 4) % 2 == (y - 42) / 3 % 2) continue;
        l.set(x, y, LitShade(pal::kPurple, 0.45 - (x - 12) / 80.0 + (x % 5 == 0 ? 0.15 : 0), x, y));
      }
    FillRect(l, 12, 8, 26, 2, pal::kGold[2]);
    ShadeEllipse(l, 25, 24, 7, 8, ramp(0x8a9aa8, 0xb8c8d4, 0xdce8f0, 0xffffff));
    FillPoly(l, {{18, 26}, {32, 26}, {30, 38}, {25, 34}, {20, 38}}, rgb(0xc8d8e4));
    FillEllipse(l, 22, 23, 1.5, 2, rgb(0x1a0a2a));
    FillEllipse(l, 28, 23, 1.5, 2, rgb(0x1a0a2a));
    FillEllipse(l, 25, 29, 2, 1.5, rgb(0x1a0a2a));
    return;
  }
  ShadeBox(l, 6, 8, 38, 44, pal::kBark);
  for (int y : {10, 24, 38}) {
    FillRect(l, 8, y, 34, 12, pal::kBark[0]);
    ShadeBox(l, 7, y + 12, 36, 2, pal::kWood);
  }
  // Jars, books and odds and ends.
  const uint32_t books[] = {0x8a2a2a, 0x2a4a8a, 0x3a6a2a, 0x8a6a2a, 0x5a2a6a};
  for (int i = 0; i < 6; ++i)
    ShadeBox(l, 9 + i * 3, 13 + (i % 2), 3, 9 - (i % 2), RampFrom(books[i % 5]));
  ShadeEllipse(l, 33, 18, 4, 4, ramp(0x3a5a3a, 0x5a8a5a, 0x8ab88a, 0xd0f0d0));
  ShadeEllipse(l, 14, 33, 4, 4, ramp(0x6a4a2a, 0x9a6a3a, 0xc89a5a, 0xf0d0a0));
  ShadeBox(l, 22, 29, 6, 7, pal::kSteel);
  ShadeEllipse(l, 35, 32, 4, 4, pal::kRed);
  for (int i = 0; i < 4; ++i) ShadeBox(l, 10 + i * 8, 42, 5, 8, RampFrom(books[(i + 2) % 5]));
}

void sign(Image& l, Ground g) {
  ShadeBox(l, 23, 26, 4, 26, pal::kBark);
  ShadeBox(l, 8, 12, 34, 16, pal::kWood);
  for (int y = 16; y < 26; y += 3) line(l, 12, y, 12 + (y * 7) % 18 + 8, y, pal::kWood[0]);
  for (int x : {10, 39}) l.set(x, 14, pal::kSteel[1]), l.set(x, 25, pal::kSteel[1]);
  if (g == Ground::Snow) FillRect(l, 8, 11, 34, 2, pal::kSnow[3]);
}

void chest(Image& l) {
  ShadeBox(l, 8, 30, 34, 20, pal::kWood);
  for (int y = 12; y < 31; ++y)
    for (int x = 8; x < 42; ++x) {
      const double dy = (y - 30) / 14.0;
      if (dy * dy + ((x - 25) / 60.0) * ((x - 25) / 60.0) > 1.2 && y < 20) continue;
      l.set(x, y, LitShade(pal::kWood, 0.8 - (30 - y) * -0.02 - (x - 8) / 60.0, x, y));
    }
  for (int x : {12, 36}) ShadeBox(l, x, 16, 3, 34, pal::kGold);
  ShadeBox(l, 8, 29, 34, 3, pal::kGold);
  ShadeBox(l, 22, 28, 6, 8, pal::kGold);
  FillRect(l, 24, 31, 2, 3, rgb(0x201008));
}

void campfire(Image& l, int frame) {
  for (int i = 0; i < 8; ++i) {
    const double a = i / 8.0 * 6.283;
    ShadeEllipse(l, 25 + std::cos(a) * 15, 45 + std::sin(a) * 6, 3.5, 2.8, pal::kStone);
  }
  ShadeStroke(l, 14, 48, 36, 40, 4, pal::kBark);
  ShadeStroke(l, 14, 40, 36, 48, 4, pal::kBark);
  // Flames: tongues that sway between the two frames.
  const double sway = frame == 2 ? 2.5 : -2.0;
  const double tongues[][3] = {{25, 14, 7}, {19, 24, 5}, {31, 22, 5}, {23, 26, 4}, {28, 20, 4}};
  for (auto& t : tongues) {
    const double tx = t[0] + sway * (t[1] < 20 ? 1.0 : -0.6);
    FillPoly(l, {{t[0] - t[2], 44}, {t[0] + t[2], 44}, {tx, t[1]}}, pal::kFire[1]);
  }
  for (auto& t : tongues) {
    const double tx = t[0] + sway * 0.5;
    FillPoly(l, {{t[0] - t[2] * 0.5, 44}, {t[0] + t[2] * 0.5, 44}, {tx, t[1] + 8}}, pal::kFire[2]);
  }
  FillEllipse(l, 25, 41, 5, 3, pal::kFire[3]);
  l.set(frame == 2 ? 30 : 18, frame == 2 ? 10 : 12, pal::kFire[2]);
  l.set(frame == 2 ? 20 : 33, frame == 2 ? 7 : 9, pal::kFire[3]);
}

void well(Image& l) {
  ShadeBox(l, 9, 8, 3, 30, pal::kBark);
  ShadeBox(l, 38, 8, 3, 30, pal::kBark);
  FillPoly(l, {{4, 10}, {25, 0}, {46, 10}, {44, 13}, {25, 4}, {6, 13}}, pal::kStraw[2]);
  FillPoly(l, {{6, 12}, {25, 3}, {44, 12}, {44, 14}, {6, 14}}, pal::kStraw[1]);
  ShadeStroke(l, 10, 17, 40, 17, 2, pal::kWood);
  line(l, 25, 18, 25, 26, rgb(0x6a5a40));
  ShadeBox(l, 22, 26, 6, 5, pal::kWood);
  ShadeCylinder(l, 8, 32, 34, 18, pal::kStone);
  for (int y = 36; y < 50; y += 5)
    for (int x = 10 + (y % 2) * 4; x < 42; x += 8) line(l, x, y, x, y + 4, pal::kStone[0]);
  FillEllipse(l, 25, 32, 17, 5, pal::kStone[2]);
  FillEllipse(l, 25, 32, 13, 3.5, rgb(0x0a1020));
  FillEllipse(l, 27, 33, 4, 1, pal::kWater[1]);
}

void ArmorStand(Image& l) {
  ShadeBox(l, 17, 49, 16, 4, pal::kWood);
  ShadeBox(l, 24, 40, 2, 10, pal::kWood);
  const Ramp s = pal::kSteel;
  ShadeEllipse(l, 25, 10, 5.5, 6, s);
  FillRect(l, 22, 10, 7, 2, rgb(0x101018));  // visor slit
  FillPoly(l, {{25, 2}, {27, 5}, {23, 5}}, pal::kRed[2]);
  ShadeEllipse(l, 15, 20, 5, 4, s);
  ShadeEllipse(l, 35, 20, 5, 4, s);
  ShadeBox(l, 17, 17, 16, 18, s);
  ShadeStroke(l, 12, 22, 11, 36, 3.5, s);
  ShadeStroke(l, 38, 22, 39, 36, 3.5, s);
  FillRect(l, 18, 33, 14, 3, pal::kBark[1]);
  ShadeStroke(l, 21, 36, 21, 46, 4, s);
  ShadeStroke(l, 29, 36, 29, 46, 4, s);
  line(l, 25, 19, 25, 32, s[0]);
  FillEllipse(l, 25, 24, 2, 2, pal::kGold[2]);
}

void WeaponRack(Image& l) {
  ShadeBox(l, 6, 14, 38, 3, pal::kWood);
  ShadeBox(l, 6, 40, 38, 3, pal::kWood);
  ShadeBox(l, 6, 14, 3, 38, pal::kWood);
  ShadeBox(l, 41, 14, 3, 38, pal::kWood);
  // Sword, spear, axe and mace.
  ShadeStroke(l, 15, 6, 15, 40, 2.5, pal::kSteel);
  ShadeStroke(l, 11, 38, 19, 38, 2, pal::kGold);
  ShadeStroke(l, 15, 40, 15, 47, 2, pal::kBark);
  ShadeStroke(l, 23, 4, 23, 50, 2, pal::kBark);
  FillPoly(l, {{21, 8}, {25, 8}, {23, 1}}, pal::kSteel[2]);
  ShadeStroke(l, 31, 10, 31, 50, 2, pal::kBark);
  FillPoly(l, {{31, 10}, {38, 7}, {38, 19}, {31, 16}}, pal::kSteel[2]);
  line(l, 37, 8, 37, 18, pal::kSteel[3]);
  ShadeStroke(l, 38, 22, 38, 50, 2, pal::kBark);
  ShadeEllipse(l, 38, 21, 3.5, 3.5, pal::kSteel);
}

}  // namespace

bool PaintBuilt(Image& l, Ground g, std::string_view tag, int frame) {
  if (tag == "WALL")
    wall(l, g);
  else if (tag == "SPWALL")
    wall(l, g), cracks(l);
  else if (tag == "HOUSEWALL")
    HouseWall(l);
  else if (tag == "WINDOW")
    window(l, g);
  else if (tag == "ROOF")
    roof(l, g);
  else if (tag == "CHIMNEY")
    chimney(l, g);
  else if (tag == "BLACK")
    FillRect(l, 0, 0, kW, kH, rgb(0x000000));
  else if (tag == "EXIT")
    ExitTile(l, g);
  else if (tag == "HOLE")
    pit(l, g, 1);
  else if (tag == "HOLE2")
    pit(l, g, 2);
  else if (tag == "HOLE3")
    pit(l, g, 3);
  else if (tag == "HOLE5")
    pit(l, g, 5);
  else if (tag == "LADDERUP")
    ladder(l, g, true);
  else if (tag == "LADDERDOWN")
    ladder(l, g, false);
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
    ruinstone(l, g, true, frame);
  else if (tag == "RUINSTONESNOW")
    ruinstone(l, g, false, frame);
  else if (tag == "CRATE")
    crate(l);
  else if (tag == "BARREL")
    barrel(l);
  else if (tag == "TABLE")
    table(l);
  else if (tag == "BED")
    bed(l);
  else if (tag == "SHELF")
    shelf(l, g);
  else if (tag == "SIGN")
    sign(l, g);
  else if (tag == "CHEST")
    chest(l);
  else if (tag == "CAMPFIRE")
    campfire(l, frame);
  else if (tag == "WELL")
    well(l);
  else if (tag == "ARMORSTAND")
    ArmorStand(l);
  else if (tag == "WEAPONRACK")
    WeaponRack(l);
  else
    return false;
  return true;
}

}  // namespace tq::art
