// People: the four shopkeepers, the four elves met on the road and the rescued brother.
#include <cmath>

#include "figure.h"
#include "hero.h"
#include "items.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

void Shopkeeper(Image& l, int which) {
  Image body(kTileW, kTileH);
  Figure f;
  f.skin = kSkin;
  f.belt = Ramp(0x2a1a0c, 0x4a2e14, 0x8a6a2a, 0xe8c040);
  f.legs = f.boots = kBark;
  f.feet = 62;
  f.k = 1.3;
  switch (which) {
    case 1:
      f.bald = true, f.beard = true;
      f.hair = Ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38);
      f.top = Ramp(0x5a4a30, 0x7a6a48, 0xa08c64, 0xc8b48a);  // leather apron
      break;
    case 2:
      f.hood = true;
      f.hair = kPurple;
      f.top = Ramp(0x2a1a40, 0x46306a, 0x64489a, 0x9478c8);
      break;
    case 3:
      f.hair = Ramp(0x6a1a08, 0x9a3010, 0xc85020, 0xe88040);
      f.top = Ramp(0x1e4a20, 0x2e6a2a, 0x46903a, 0x74b85a);
      break;
    default:
      f.beard = true;
      f.hair = Ramp(0x80808a, 0xa8a8b0, 0xd0d0d8, 0xf4f4f8);
      f.top = Ramp(0x141e3a, 0x22305a, 0x36487e, 0x5a70a8);
      f.k = 1.25;
      break;
  }
  DrawFigure(body, f);
  Outline(body);
  Composite(l, body);
  // The counter in front of him, with the wares of the trade on top.
  ShadeBox(l, 0, 38, kTileW, 5, kWood);
  for (int y = 43; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x)
      l.set(x, y,
            LitShade(kWood, 0.35 - ((x % 10) == 9 ? 0.3 : 0.0) + (y == 43 ? -0.3 : 0.0), x, y));
  const char* ware[] = {"", "SHIELD", "POWERPOTION", "BAG", "FOOD"};
  Image goods(kTileW, kTileH);
  DrawItem(goods, ware[which], 40, 36, 0.6);
  Outline(goods);
  Composite(l, goods);
}

Figure Armored() {
  Figure f;
  f.skin = kSkin;
  f.hair = kSteel;
  f.top = kSteel;
  f.legs = kSteel;
  f.boots = Ramp(0x2a2e38, 0x3c4450, 0x6a7480, 0x9ca6b0);
  f.belt = Ramp(0x2a1a0c, 0x4a2e14, 0x8a6a2a, 0xe8c040);
  f.helmet = true;
  return f;
}

void Elf(Image& l, int which) {
  if (which == 1) {  // full armour and a huge sword
    Figure f = Armored();
    DrawFigure(l, f);
    ShadeStroke(l, f.nearHandX, f.nearHandY + 2, f.nearHandX - 3, 6, 3.4, kSteel);
    ShadeStroke(l, f.nearHandX - 5, f.nearHandY - 2, f.nearHandX + 4, f.nearHandY - 2, 2, kGold);
    FillPoly(l, {{25, 12}, {27, 9}, {23, 9}}, kBlue[2]);
  } else if (which == 2) {  // all in black, but friendly
    Figure f;
    f.skin = kSkin;
    f.hood = true;
    f.hair = kBlack;
    f.top = kBlack;
    f.legs = kBlack;
    f.boots = kBlack;
    f.belt = Ramp(0x3a3a3a, 0x5a5a5a, 0x8a8a8a, 0xc0c0c0);
    f.eyes = Rgb(0x2060a0);
    DrawFigure(l, f);
    const int mouth = 26;  // a small smile
    l.set(24, mouth, kSkin[0]), l.set(25, mouth + 0, kSkin[0]);
    l.set(23, mouth - 1, kSkin[0]), l.set(26, mouth - 1, kSkin[0]);
  } else if (which == 3) {  // armoured cook at his fire
    Figure f = Armored();
    f.cx = 17;
    f.top = Ramp(0x3a3426, 0x5a5238, 0x7c724e, 0xa09870);
    DrawFigure(l, f);
    for (int i = 0; i < 5; ++i)
      ShadeEllipse(l, 36 + std::cos(i * 1.25) * 7, 50 + std::sin(i * 1.25) * 2.5, 2.4, 2, kStone);
    FillPoly(l, {{32, 50}, {40, 50}, {36, 40}}, kFire[1]);
    FillPoly(l, {{34, 50}, {38, 50}, {36, 44}}, kFire[2]);
    ShadeStroke(l, f.farHandX, f.farHandY, 38, 36, 1.4, kBark);  // the spit
    DrawItem(l, "LIFEPOTION", 38, 37, 0.45);
  } else {  // swamp warrior with two blades
    Figure f;
    f.skin = Ramp(0x6a4028, 0x8a5a38, 0xb07a50, 0xd8a070);
    f.hair = Ramp(0x101010, 0x202020, 0x383838, 0x505050);
    f.top = Ramp(0x2a3418, 0x404e24, 0x5a6a34, 0x7a8c4c);
    f.legs = Ramp(0x3a2a16, 0x56402a, 0x70583a, 0x8c7050);
    f.boots = kBark;
    f.belt = Ramp(0x2a1a0c, 0x4a2e14, 0x8a6a2a, 0xe8c040);
    f.girth = 1.15;
    DrawFigure(l, f);
    ShadeStroke(l, f.nearHandX, f.nearHandY, f.nearHandX - 8, f.nearHandY - 12, 2, kSteel);
    ShadeStroke(l, f.farHandX, f.farHandY, f.farHandX + 8, f.farHandY - 12, 2, kSteel);
    FillRect(l, 20, 21, 10, 1, Rgb(0x8a1a1a));  // war paint
  }
}

}  // namespace

const std::vector<TileObject>& PeopleTiles() {
  static const std::vector<TileObject> tiles = {
      {"COUNTER", [](Image& l, Ground, int) { Shopkeeper(l, 1); }},
      {"COUNTER2", [](Image& l, Ground, int) { Shopkeeper(l, 2); }},
      {"COUNTER3", [](Image& l, Ground, int) { Shopkeeper(l, 3); }},
      {"COUNTER4", [](Image& l, Ground, int) { Shopkeeper(l, 4); }},
      {"ELF1", [](Image& l, Ground, int) { Elf(l, 1); }},
      {"ELF2", [](Image& l, Ground, int) { Elf(l, 2); }},
      {"ELF3", [](Image& l, Ground, int) { Elf(l, 3); }},
      {"ELF4", [](Image& l, Ground, int) { Elf(l, 4); }},
      {"SIBLING1", [](Image& l, Ground, int) { DrawBrother(l); }},
  };
  return tiles;
}

}  // namespace tq::art
