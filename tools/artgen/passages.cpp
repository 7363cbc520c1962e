// Ways in and out: holes, ladders, the exit, the shop doors, the locked doors and the ruinstone.
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"
#include "walls.h"

namespace tq::art {

namespace {

constexpr int kW = kTileW, kH = kTileH, kR = kTileRepeatH;

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

void Ruinstone(Image& l, bool active, int frame) {
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
}

}  // namespace

const std::vector<TileObject>& PassageTiles() {
  static const std::vector<TileObject> tiles = {
      {"EXIT", [](Image& l, Ground g, int) { ExitTile(l, g); }},
      {"HOLE", [](Image& l, Ground g, int) { Pit(l, g, 1); }},
      {"HOLE2", [](Image& l, Ground g, int) { Pit(l, g, 2); }},
      {"HOLE3", [](Image& l, Ground g, int) { Pit(l, g, 3); }},
      {"HOLE5", [](Image& l, Ground g, int) { Pit(l, g, 5); }},
      {"LADDERUP", [](Image& l, Ground g, int) { Ladder(l, g, true); }},
      {"LADDERDOWN", [](Image& l, Ground g, int) { Ladder(l, g, false); }},
      {"DOOR", [](Image& l, Ground g, int) { ShopDoor(l, g, 1); }},
      {"DOOR2", [](Image& l, Ground g, int) { ShopDoor(l, g, 2); }},
      {"DOOR3", [](Image& l, Ground g, int) { ShopDoor(l, g, 3); }},
      {"DOOR4", [](Image& l, Ground g, int) { ShopDoor(l, g, 4); }},
      {"GOLDDOOR", [](Image& l, Ground g, int) { LockedDoor(l, g, 0); }},
      {"REDDOOR", [](Image& l, Ground g, int) { LockedDoor(l, g, 1); }},
      {"PURPLEDOOR", [](Image& l, Ground g, int) { LockedDoor(l, g, 2); }},
      {"RUINSTONE", [](Image& l, Ground, int frame) { Ruinstone(l, true, frame); }},
      {"RUINSTONESNOW", [](Image& l, Ground, int frame) { Ruinstone(l, false, frame); }},
  };
  return tiles;
}

}  // namespace tq::art
