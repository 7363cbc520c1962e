// Map icons: the squares of the overland map, seen from above, and the dungeon's rooms.
#include <string>
#include <utility>

#include "icons.h"
#include "noise.h"
#include "palette.h"

namespace tq::art {

namespace {

// The overland seen from above: grass to draw on.
Image MapBase(uint32_t seed) {
  Image l(17, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      l.set(x, y, LitShade(kGrass, 0.35 + Rand01(x, y, seed) * 0.3, x, y));
  return l;
}
void MapTree(Image& l, double x, double y) {
  ShadeEllipse(l, x, y, 2.3, 2.3, kLeafDark);
}
void ForestRing(Image& l) {
  for (int i = 0; i < 17; i += 3) {
    MapTree(l, i + 1, 1.5), MapTree(l, i + 1, 15.5), MapTree(l, 1.5, i + 1),
        MapTree(l, 15.5, i + 1);
  }
}
void MapWater(Image& l, double cx, double cy, double rx, double ry) {
  ShadeEllipse(l, cx, cy, rx, ry, kWater, 0.1);
}
void MapHouse(Image& l, double cx, double cy, const Ramp& roofColour) {
  ShadeBox(l, static_cast<int>(cx - 4), static_cast<int>(cy - 1), 8, 5, kStone);
  FillPoly(l, {{cx - 5.5, cy}, {cx + 5.5, cy}, {cx, cy - 5}}, roofColour[2]);
  FillPoly(l, {{cx, cy - 5}, {cx + 5.5, cy}, {cx, cy}}, roofColour[1]);
  l.set(static_cast<int>(cx), static_cast<int>(cy + 2), kWood[0]);
  l.set(static_cast<int>(cx), static_cast<int>(cy + 3), kWood[0]);
}
void MapHole(Image& l, double cx, double cy, Px rim) {
  FillEllipse(l, cx, cy, 4, 3.2, rim);
  FillEllipse(l, cx, cy + 0.3, 3, 2.3, Rgb(0x080408));
}

Image DunIcon(int n, bool ladderUp) {
  // Which sides each room shape opens to: north, south, west, east.
  static const char* open[] = {"",   "",   "S",  "W",   "N",   "E",   "SW",  "NS",  "SE",
                               "NW", "WE", "NE", "NWE", "NSW", "SWE", "NSE", "NSWE"};
  const std::string sides = open[n];
  Image l(17, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      l.set(x, y,
            LitShade(Ramp(0x1a1410, 0x2a2018, 0x3a2e22, 0x4a3c2e), 0.3 + Rand01(x, y, 5) * 0.4, x,
                     y));
  const Ramp floor = kDirt;
  auto carve = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        l.set(x, y, LitShade(floor, 0.55 + Rand01(x, y, 6) * 0.3, x, y));
  };
  carve(4, 4, 12, 12);
  for (char c : sides) {
    if (c == 'N') carve(6, 0, 10, 4);
    if (c == 'S') carve(6, 12, 10, 16);
    if (c == 'W') carve(0, 6, 4, 10);
    if (c == 'E') carve(12, 6, 16, 10);
  }
  if (ladderUp) {
    for (int y = 5; y <= 11; ++y) l.set(6, y, kWood[3]), l.set(10, y, kWood[3]);
    for (int y = 6; y <= 11; y += 2) Line(l, 7, y, 9, y, kWood[2]);
  }
  return l;
}
// Flowers scattered in a regular pattern, each with a darker edge.
void MapFlowers(Image& l, Px c) {
  for (int i = 0; i < 9; ++i) {
    const int x = 4 + (i * 5) % 10, y = 4 + (i * 3) % 10;
    l.set(x, y, c), l.set(x + 1, y, Scale(c, 0.7)), l.set(x, y + 1, Scale(c, 0.7));
  }
}

void MapMarsh(Image& l, uint32_t seed) {
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x)
      if (Rand01(x / 2, y / 2, seed) < 0.55)
        l.set(x, y, LitShade(Ramp(0x1e2a18, 0x2e3e22, 0x435630, 0x6a7e44), 0.4, x, y));
}

void MapMaze(Image& l, uint32_t seed) {
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x) {
      const bool wall = (x % 4 == 0 || y % 4 == 0) &&
                        Rand01(x / 4 + (x % 4 ? 0 : 7), y / 4 + (y % 4 ? 0 : 11), seed) < 0.65;
      if (wall) l.set(x, y, kLeafDark[1]);
    }
}

void MapRuins(Image& l, bool two) {
  ShadeBox(l, 3, 3, 11, 2, kStone), ShadeBox(l, 3, 3, 2, two ? 11 : 7, kStone);
  ShadeBox(l, 12, two ? 7 : 3, 2, 7, kStone), ShadeBox(l, 6, 12, two ? 4 : 8, 2, kStone);
}

// Every overland square by name, and what stands on its grass.
const std::pair<std::string_view, void (*)(Image&)> kOverland[] = {
    {"floor", [](Image& l) { ForestRing(l), MapTree(l, 8, 8); }},
    {"house", [](Image& l) { ForestRing(l), MapHouse(l, 8.5, 9, kStraw); }},
    {"house2", [](Image& l) { MapHouse(l, 6, 7, kRed), MapHouse(l, 11, 12, kStraw); }},
    {"house3", [](Image& l) { MapHouse(l, 8.5, 8, kBlue), MapTree(l, 3, 14), MapTree(l, 14, 14); }},
    {"hole", [](Image& l) { ForestRing(l), MapHole(l, 8.5, 8.5, kStone[2]); }},
    {"hole2",
     [](Image& l) { MapHole(l, 8.5, 8.5, kWood[2]), MapTree(l, 3, 3), MapTree(l, 14, 14); }},
    {"hole3",
     [](Image& l) { MapHole(l, 8.5, 8.5, Rgb(0xe8e0d0)), MapTree(l, 14, 3), MapTree(l, 3, 14); }},
    {"pond", [](Image& l) { MapWater(l, 8.5, 8.5, 5.5, 4.5); }},
    {"pond2", [](Image& l) { MapWater(l, 8.5, 8.5, 7, 6); }},
    {"pond3", [](Image& l) { MapWater(l, 7, 8, 5, 6), MapTree(l, 14, 4); }},
    {"pond4", [](Image& l) { MapWater(l, 9, 9, 6, 3.5), ForestRing(l); }},
    {"ponds",
     [](Image& l) {
       MapWater(l, 5, 5, 3.2, 2.6), MapWater(l, 12, 11, 3.2, 2.6), MapWater(l, 5, 13, 2.5, 2);
     }},
    {"swamp", [](Image& l) { MapMarsh(l, 8u); }},
    {"swamp2", [](Image& l) { MapMarsh(l, 9u), MapTree(l, 8, 8); }},
    {"ruinstone",
     [](Image& l) {
       ShadeBox(l, 4, 5, 3, 9, kStone), ShadeBox(l, 10, 5, 3, 9, kStone);
       ShadeBox(l, 3, 3, 11, 2, kStone);
       FillRect(l, 7, 6, 3, 7, kPurple[2]);
     }},
    {"maze", [](Image& l) { MapMaze(l, 21u); }},
    {"MAZE2", [](Image& l) { MapMaze(l, 22u); }},
    {"flower1", [](Image& l) { MapFlowers(l, kPurple[3]); }},
    {"flower2", [](Image& l) { MapFlowers(l, kRed[3]); }},
    {"flower3", [](Image& l) { MapFlowers(l, kBlue[3]); }},
    {"rock",
     [](Image& l) {
       ShadeEllipse(l, 7, 9, 4, 3.5, kStone), ShadeEllipse(l, 11, 10, 3.5, 3, kStone);
     }},
    {"RUINS1", [](Image& l) { MapRuins(l, false); }},
    {"RUINS2", [](Image& l) { MapRuins(l, true); }},
    {"WATERCROSS",
     [](Image& l) {
       FillRect(l, 6, 0, 5, 17, kWater[2]);
       FillRect(l, 0, 6, 17, 5, kWater[2]);
       FillRect(l, 7, 0, 1, 17, kWater[3]);
     }},
    {"GARDEN",
     [](Image& l) {
       for (int y = 3; y < 15; y += 3)
         for (int x = 3; x < 15; x += 2) l.set(x, y, (x + y) % 4 ? kRed[3] : kGold[3]);
       for (int i = 2; i < 15; ++i) l.set(i, 1, kWood[2]), l.set(i, 15, kWood[2]);
     }},
    {"ladder",
     [](Image& l) {
       ForestRing(l);
       for (int y = 4; y <= 12; ++y) l.set(6, y, kWood[3]), l.set(10, y, kWood[3]);
       for (int y = 5; y <= 12; y += 2) Line(l, 7, y, 9, y, kWood[1]);
     }},
};

Image OverlandIcon(std::string_view n) {
  Image l = MapBase(SeedOf(n));
  for (const auto& [name, paint] : kOverland)
    if (name == n) paint(l);
  return l;
}

}  // namespace

Image MapIcon(std::string_view n) {
  if (n.starts_with("Ldun")) return DunIcon(std::stoi(std::string(n.substr(4))), true);
  if (n.starts_with("dun")) return DunIcon(std::stoi(std::string(n.substr(3))), false);
  return OverlandIcon(n);
}

}  // namespace tq::art
