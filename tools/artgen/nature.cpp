// Nature: flowers, the mushroom, trees, bushes, plants, logs and rocks.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

// Leafy crown: lit lumps with dithered leaf clusters on top.
void Crown(Image& l, double cx, double cy, double rx, double ry, const Ramp& leaf, uint32_t seed) {
  Rng rng(seed);
  struct Lump {
    double x, y, r;
  };
  std::vector<Lump> lumps = {{cx, cy, std::min(rx, ry)}};
  for (int i = 0; i < 7; ++i) {
    const double a = i * 0.9 + rng.Uniform() * 0.4;
    lumps.push_back({cx + std::cos(a) * rx * 0.55, cy + std::sin(a) * ry * 0.5,
                     std::min(rx, ry) * (0.5 + rng.Uniform() * 0.2)});
  }
  for (const Lump& m : lumps) ShadeEllipse(l, m.x, m.y, m.r * rx / std::min(rx, ry), m.r, leaf);
  // Leaf clusters: little arcs of light on the lit side, dark pockets on the other.
  for (int i = 0; i < 40; ++i) {
    const int x = static_cast<int>(cx + (rng.Uniform() * 2 - 1) * rx * 0.9);
    const int y = static_cast<int>(cy + (rng.Uniform() * 2 - 1) * ry * 0.9);
    if (l.get(x, y).a == 0 || l.get(x + 1, y + 1).a == 0) continue;
    const bool lit = (x - cx) / rx + (y - cy) / ry < 0.1;
    const Px c = lit ? leaf[3] : leaf[0];
    l.set(x, y, c);
    l.set(x + 1, y, c);
    l.set(x - 1, y + 1, lit ? leaf[2] : leaf[1]);
  }
}

void Trunk(Image& l, double cx, int top, int bottom, double w, const Ramp& bark) {
  ShadeCylinder(l, static_cast<int>(cx - w / 2), top, static_cast<int>(w), bottom - top, bark);
  // Roots flare at the base.
  ShadeStroke(l, cx - w / 2, bottom - 3, cx - w / 2 - 3, bottom, 2.5, bark);
  ShadeStroke(l, cx + w / 2, bottom - 3, cx + w / 2 + 3, bottom, 2.5, bark);
}

void SnowCap(Image& l, double cx, double cy, double rx, double ry) {
  // Snow rests on the upper half of the crown.
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x) {
      if (l.get(x, y).a == 0) continue;
      const double dx = (x - cx) / rx, dy = (y - cy) / ry;
      const double edge = -0.15 + 0.25 * std::sin(x * 0.9);
      if (dy < edge && dx * dx + dy * dy < 1.1)
        l.set(x, y, LitShade(kSnow, 0.9 - dy * 0.3 + dx * -0.2, x, y));
    }
}

void Tree(Image& l, Ground g, bool apples) {
  if (g == Ground::Dirt) {
    // Rongus Bark: a thick ridged trunk under a dark blue-green crown.
    const Ramp bark = Ramp(0x2e2420, 0x4a3a30, 0x66524a, 0x8a7468);
    Trunk(l, 25, 28, 54, 11, bark);
    for (int y = 30; y < 52; y += 3) Line(l, 21, y, 24, y + 2, bark[0]);
    Crown(l, 25, 19, 22, 16, kLeafDark, 5);
  } else {
    Trunk(l, 25, 30, 54, 8, kBark);
    Crown(l, 25, 20, 23, 19, kLeaf, 3);
    if (g == Ground::Snow) SnowCap(l, 25, 20, 23, 19);
  }
  if (apples) {
    const int pts[][2] = {{14, 16}, {30, 10}, {36, 24}, {20, 28}, {27, 20}, {10, 26}, {40, 15}};
    for (auto& p : pts) {
      ShadeEllipse(l, p[0], p[1], 2.2, 2.2, kRed);
      l.set(p[0], p[1] - 2, Rgb(0x3a2a10));
    }
  }
}

void SwampTree(Image& l) {
  // Deadrot: a bare, crooked grey-brown tree with drooping moss.
  const Ramp dead = Ramp(0x2c2a24, 0x48443a, 0x666050, 0x8a8470);
  ShadeStroke(l, 25, 54, 24, 20, 8, dead);
  ShadeStroke(l, 24, 30, 10, 16, 4, dead);
  ShadeStroke(l, 10, 16, 6, 6, 2.5, dead);
  ShadeStroke(l, 25, 26, 40, 12, 4, dead);
  ShadeStroke(l, 40, 12, 44, 4, 2.5, dead);
  ShadeStroke(l, 24, 20, 26, 4, 3, dead);
  ShadeStroke(l, 33, 19, 36, 28, 2, dead);
  for (int x : {9, 13, 38, 42, 26})
    for (int y = 0; y < 7; ++y)
      if ((x + y) % 3) l.set(x, 12 + y + (x % 5), Rgb(0x5a6a3a));
  ShadeStroke(l, 20, 54, 15, 56, 3, dead);
  ShadeStroke(l, 30, 54, 35, 56, 3, dead);
}

void Stump(Image& l, Ground g) {
  ShadeCylinder(l, 16, 36, 18, 14, kBark);
  ShadeStroke(l, 16, 47, 12, 51, 3, kBark);
  ShadeStroke(l, 34, 47, 38, 51, 3, kBark);
  FillEllipse(l, 25, 36, 9, 4, kWood[2]);
  for (double r : {6.5, 4.0, 1.5}) {
    for (int a = 0; a < 40; ++a) {
      const double t = a / 40.0 * 6.283;
      l.set(static_cast<int>(25 + std::cos(t) * r), static_cast<int>(36 + std::sin(t) * r * 0.45),
            kWood[1]);
    }
  }
  if (g == Ground::Snow) FillEllipse(l, 24, 35, 7, 2.5, kSnow[2]);
}

void Bush(Image& l, Ground g, bool berries) {
  const Ramp leaf = berries ? kLeaf : Ramp(0x1c3e1e, 0x2a5a28, 0x3e7a34, 0x62a046);
  Crown(l, 25, 38, 20, 14, leaf, berries ? 17 : 13);
  if (!berries) {
    // Thorns: pale little spikes along the rim.
    for (int a = 0; a < 22; ++a) {
      const double t = a / 22.0 * 6.283;
      const int x = static_cast<int>(25 + std::cos(t) * 19),
                y = static_cast<int>(38 + std::sin(t) * 13);
      if (l.get(x, y).a) l.set(x + (x > 25 ? 1 : -1), y - 1, Rgb(0xd8c890));
    }
  } else {
    Rng rng(99);
    for (int i = 0; i < 16; ++i) {
      const int x = rng.Range(10, 40), y = rng.Range(28, 48);
      if (l.get(x, y).a == 0) continue;
      FillEllipse(l, x, y, 1.6, 1.6, Rgb(0x2a2e7a));
      l.set(x, y - 1, Rgb(0x7a8ae0));
    }
  }
  if (g == Ground::Snow) SnowCap(l, 25, 38, 20, 14);
}

// The plant blocks the way like a bush, so it is as big: a waist-high clump that fills the
// cell's width, where the flowers the hero walks over stay small and low.
void Plant(Image& l, Ground g) {
  if (g == Ground::Dirt) {
    // Underground shrub: a thicket of pale stalks with fleshy grey-green leaves.
    const Ramp pale = Ramp(0x3a4a3a, 0x587058, 0x7a9a78, 0xa8c8a0);
    const double tops[][2] = {{9, 28}, {16, 18}, {25, 13}, {34, 18}, {41, 28}, {20, 30}, {31, 30}};
    for (auto& t : tops) ShadeStroke(l, 25 + (t[0] - 25) * 0.3, 52, t[0], t[1] + 3, 2.4, pale);
    for (auto& t : tops) {
      ShadeEllipse(l, t[0], t[1], 5.5, 4, pale);
      ShadeEllipse(l, t[0] + (t[0] < 25 ? -4 : 4), t[1] + 5, 3.5, 2.5, pale);
    }
    return;
  }
  // Forest plant: a big fern, its fronds arching out from the middle to both sides.
  const Ramp frond = g == Ground::Snow ? kLeafDark : kLeaf;
  for (int i = 0; i < 9; ++i) {
    const double a = 3.25 + i * 0.365;  // from the left, over the top, to the right
    const double reach = 20 + 3 * std::sin(i * 2.3);
    const double ex = 25 + std::cos(a) * reach * 1.1, ey = 50 + std::sin(a) * reach * 1.75;
    const double mx = 25 + std::cos(a) * reach * 0.6, my = 50 + std::sin(a) * reach * 1.5;
    auto along = [&](double t, double& x, double& y) {  // a bent spine through (mx, my)
      x = (1 - t) * (1 - t) * 25 + 2 * t * (1 - t) * mx + t * t * ex;
      y = (1 - t) * (1 - t) * 50 + 2 * t * (1 - t) * (my - 6) + t * t * ey;
    };
    double px = 25, py = 50;
    for (int k = 1; k <= 10; ++k) {
      double x, y;
      along(k / 10.0, x, y);
      ShadeStroke(l, px, py, x, y, k < 4 ? 2.0 : 1.4, frond);
      px = x, py = y;
    }
    for (int k = 2; k < 10; ++k) {  // pairs of leaflets, shrinking to the tip
      double x, y, x2, y2;
      along(k / 10.0, x, y);
      along(k / 10.0 + 0.05, x2, y2);
      const double dx = x2 - x, dy = y2 - y, len = std::max(0.1, std::hypot(dx, dy));
      const double size = 4.0 * (1.0 - k / 11.0) + 1.0;
      const double nx = -dy / len * size, ny = dx / len * size;
      ThickLine(l, x, y, x + nx + dx / len * 2, y + ny + dy / len * 2, 1.3, frond[2]);
      ThickLine(l, x, y, x - nx + dx / len * 2, y - ny + dy / len * 2, 1.3, frond[1]);
    }
  }
  if (g == Ground::Snow)
    for (int x = 8; x < 43; x += 3) {
      const int y = 16 + (x * 7) % 9;
      if (l.get(x, y).a) l.set(x, y, kSnow[3]), l.set(x + 1, y, kSnow[2]);
    }
}

void LogPiece(Image& l, bool swamp) {
  const Ramp bark = swamp ? Ramp(0x22261c, 0x363a2a, 0x4c5036, 0x68704a) : kBark;
  for (int x = 8; x < 42; ++x) {
    for (int y = 34; y < 48; ++y) {
      const double u = (y - 34) / 14.0 * 2 - 1;
      const double lgt = 0.8 - 0.7 * u - 0.2 * u * u + (Rand01(x, y / 2, 7) - 0.5) * 0.25;
      l.set(x, y, LitShade(bark, lgt, x, y));
    }
  }
  for (int x = 10; x < 40; x += 5) Line(l, x, 37 + x % 3, x + 3, 37 + x % 3, bark[0]);
  // The cut end shows its rings.
  ShadeEllipse(l, 42, 41, 4, 7, swamp ? Ramp(0x3a3024, 0x5a4a34, 0x7a6446, 0x9a8060) : kWood);
  for (int y = 37; y < 46; y += 3) l.set(42, y, swamp ? Rgb(0x3a3024) : kWood[0]);
  if (swamp) {
    for (int x = 9; x < 40; ++x)
      if (Rand01(x, 1, 31) < 0.6)
        l.set(x, 34 + static_cast<int>(Rand01(x, 2, 31) * 3), Rgb(0x5a7a34));
    FillEllipse(l, 20, 36, 4, 1.5, Rgb(0x6a8a3a));
  } else {
    ShadeStroke(l, 20, 34, 17, 28, 2, bark);
    FillEllipse(l, 16, 27, 3, 2, kLeaf[2]);
  }
}

void Rocks(Image& l, Ground g) {
  const Ramp stone = g == Ground::Dirt ? Ramp(0x3a3430, 0x5a524c, 0x7a726a, 0xa09890) : kStone;
  ShadeEllipse(l, 16, 42, 11, 9, stone);
  ShadeEllipse(l, 34, 43, 12, 8, stone);
  ShadeEllipse(l, 25, 30, 12, 10, stone);
  ShadeEllipse(l, 40, 33, 6, 5, stone);
  Line(l, 22, 26, 26, 32, stone[0]);
  Line(l, 30, 41, 33, 46, stone[0]);
  if (g == Ground::Snow) {
    FillEllipse(l, 24, 23, 8, 3, kSnow[2]);
    FillEllipse(l, 34, 37, 6, 2, kSnow[2]);
  }
}

void Flower(Image& l, Ground g, const Ramp& petals, int kind) {
  const Ramp stem = g == Ground::Snow ? kLeafDark : kLeaf;
  const int heads[][2] = {{25, 30}, {16, 38}, {34, 37}};
  for (auto& h : heads) ShadeStroke(l, h[0], h[1], h[0] + (25 - h[0]) / 4, 50, 1.5, stem);
  FillEllipse(l, 20, 46, 4, 1.5, stem[2]);
  FillEllipse(l, 31, 47, 4, 1.5, stem[1]);
  for (auto& h : heads) {
    const double r = kind == 1 ? 3.2 : 2.8;
    for (int p = 0; p < 5; ++p) {
      const double a = p * 1.2566 + (kind == 2 ? 0.6 : 0);
      ShadeEllipse(l, h[0] + std::cos(a) * r, h[1] + std::sin(a) * r, 2.4, 2.4, petals);
    }
    FillEllipse(l, h[0], h[1], 1.6, 1.6, kind == 3 ? Rgb(0xf8f0f0) : Rgb(0xf0d040));
  }
}

// The giant mushroom is something to walk past and over, like the flowers: a low spotted cap
// with two small ones beside it, sitting flat on the floor rather than standing like a tree.
void Mushroom(Image& l) {
  const Ramp stem = Ramp(0xa89a80, 0xd0c4a8, 0xeee4cc, 0xfffaf0);
  auto one = [&](double cx, double base, double r) {
    ShadeCylinder(l, static_cast<int>(cx - r * 0.3), static_cast<int>(base - r * 0.75),
                  std::max(2, static_cast<int>(r * 0.6)), static_cast<int>(r * 0.75), stem);
    const double top = base - r * 1.35, rim = base - r * 0.6;
    for (int y = static_cast<int>(top); y <= static_cast<int>(rim); ++y)
      for (int x = static_cast<int>(cx - r - 1); x <= cx + r + 1; ++x) {
        const double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - rim) / (rim - top);
        if (dx * dx + dy * dy > 1) continue;
        l.set(x, y, LitShade(kRed, 0.9 - dx * 0.5 - (1 + dy) * 0.3, x, y));
      }
    FillRect(l, static_cast<int>(cx - r + 1), static_cast<int>(rim), static_cast<int>(2 * r - 1), 1,
             Rgb(0xd8c8b0));
  };
  one(36, 49, 4);
  one(13, 50, 3);
  one(24, 48, 11);
  const int spots[][3] = {{18, 37, 2}, {27, 35, 2}, {32, 39, 1}, {22, 41, 1}, {35, 44, 1}};
  for (auto& sp : spots) FillEllipse(l, sp[0], sp[1], sp[2] + 0.5, sp[2] * 0.8, Rgb(0xf8f0e8));
}

}  // namespace

const std::vector<TileObject>& NatureTiles() {
  static const std::vector<TileObject> tiles = {
      {"TREE", [](Image& l, Ground g, int) { Tree(l, g, false); }},
      {"STREE", [](Image& l, Ground g, int) { Tree(l, g, false); }},
      {"APPLETREE", [](Image& l, Ground g, int) { Tree(l, g, true); }},
      {"SWAMPTREE", [](Image& l, Ground, int) { SwampTree(l); }},
      {"STUMP", [](Image& l, Ground g, int) { Stump(l, g); }},
      {"BUSH", [](Image& l, Ground g, int) { Bush(l, g, false); }},
      {"BERRYPLANT", [](Image& l, Ground g, int) { Bush(l, g, true); }},
      {"PLANT", [](Image& l, Ground g, int) { Plant(l, g); }},
      {"LOG", [](Image& l, Ground, int) { LogPiece(l, false); }},
      {"SWAMPLOG", [](Image& l, Ground, int) { LogPiece(l, true); }},
      {"ROCKS", [](Image& l, Ground g, int) { Rocks(l, g); }},
      {"FLOWER1", [](Image& l, Ground g, int) { Flower(l, g, kPurple, 1); }},
      {"FLOWER2", [](Image& l, Ground g, int) { Flower(l, g, kRed, 2); }},
      {"FLOWER3", [](Image& l, Ground g, int) { Flower(l, g, kBlue, 3); }},
      {"FLOWER4", [](Image& l, Ground, int) { Mushroom(l); }},
  };
  return tiles;
}

}  // namespace tq::art
