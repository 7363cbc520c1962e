// Furniture: crate, barrel, table, bed, shelf, sign, chest, campfire, well and the armour racks.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

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

// A four-pointed glint of light centred on (x, y), its arms `r` long.
void Glint(Image& l, int x, int y, int r, Px c) {
  for (int i = -r; i <= r; ++i) {
    Px arm = c;
    arm.a = static_cast<uint8_t>(255 - 110 * std::abs(i) / r);
    l.Blend(x + i, y, arm), l.Blend(x, y + i, arm);
  }
  l.set(x, y, Rgb(0xffffff));
}

// The open chest's inside between the rim and the raised lid: dark, with a warm light rising
// from whatever lies in it, brightest in the middle, and a glint once the lid is up. What the
// chest held shows as the loot that takes its place.
void ChestInside(Image& l, int top, int frame) {
  const double open = (frame - 1) / 3.0;
  for (int y = top; y < 29; ++y)
    for (int x = 9; x < 41; ++x) {
      const double middle = 1 - std::abs(x + 0.5 - 25) / 16;
      const double light = open * (0.35 + 0.65 * middle) * (y - top + 1) / (29.0 - top);
      l.set(x, y, LitShade(Ramp(0x1e1008, 0x6a3a10, 0xc88a28, 0xf8d870), light, x, y));
    }
  if (frame < 3) return;
  Glint(l, 25, 27 - (frame - 3) * 2, frame == 3 ? 3 : 5, Rgb(0xffffff));
  if (frame == 4) Glint(l, 31, 27, 2, Rgb(0xffffff));
}

}  // namespace

Image OpeningChest(int frame) {
  // The closed chest is cut at the lid's seam; the lid rises a little more each frame and
  // tips back, its front growing shorter, while the inside shows beneath it.
  constexpr int kSeam = 29;  // the first row of the box
  constexpr int kLift[4] = {1, 3, 5, 7};
  constexpr double kTilt[4] = {1.0, 0.9, 0.78, 0.66};
  frame = std::clamp(frame, 1, 4);
  Image closed(kTileW, kTileH), l(kTileW, kTileH);
  Chest(closed);
  for (int y = kSeam; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) l.set(x, y, closed.get(x, y));
  const int bottom = kSeam - 1 - kLift[frame - 1];
  ChestInside(l, bottom + 1, frame);
  const double tilt = kTilt[frame - 1];
  for (int y = 0; y <= bottom; ++y) {
    const int from = static_cast<int>(std::lround(kSeam - 1 - (bottom - y) / tilt));
    for (int x = 0; x < kTileW; ++x)
      if (from >= 0 && closed.get(x, from).a) l.set(x, y, closed.get(x, from));
  }
  if (frame > 1)  // the lid's inner edge, lit from inside
    for (int x = 9; x < 41; ++x) l.set(x, bottom, Mix(kWood[0], kGold[2], 0.25 * frame));
  return l;
}

const std::vector<TileObject>& FurnitureTiles() {
  static const std::vector<TileObject> tiles = {
      {"CRATE", [](Image& l, Ground, int) { Crate(l); }},
      {"BARREL", [](Image& l, Ground, int) { Barrel(l); }},
      {"TABLE", [](Image& l, Ground, int) { Table(l); }},
      {"BED", [](Image& l, Ground, int) { Bed(l); }},
      {"SHELF", [](Image& l, Ground g, int) { Shelf(l, g); }},
      {"SIGN", [](Image& l, Ground g, int) { Sign(l, g); }},
      {"CHEST", [](Image& l, Ground, int) { Chest(l); }},
      {"CAMPFIRE", [](Image& l, Ground, int frame) { Campfire(l, frame); }},
      {"WELL", [](Image& l, Ground, int) { Well(l); }},
      {"ARMORSTAND", [](Image& l, Ground, int) { ArmorStand(l); }},
      {"WEAPONRACK", [](Image& l, Ground, int) { WeaponRack(l); }},
  };
  return tiles;
}

}  // namespace tq::art
