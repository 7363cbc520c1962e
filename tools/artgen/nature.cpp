// Nature: flowers, the mushroom, trees, bushes, plants, logs and rocks.
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

// Leafy crown: lit lumps with dithered leaf clusters on top.
void crown(Image& l, double cx, double cy, double rx, double ry, const Ramp& leaf, uint32_t seed) {
  Rng rng(seed);
  struct Lump {
    double x, y, r;
  };
  std::vector<Lump> lumps = {{cx, cy, std::min(rx, ry)}};
  for (int i = 0; i < 7; ++i) {
    const double a = i * 0.9 + rng.uniform() * 0.4;
    lumps.push_back({cx + std::cos(a) * rx * 0.55, cy + std::sin(a) * ry * 0.5,
                     std::min(rx, ry) * (0.5 + rng.uniform() * 0.2)});
  }
  for (const Lump& m : lumps) shadeEllipse(l, m.x, m.y, m.r * rx / std::min(rx, ry), m.r, leaf);
  // Leaf clusters: little arcs of light on the lit side, dark pockets on the other.
  for (int i = 0; i < 40; ++i) {
    const int x = static_cast<int>(cx + (rng.uniform() * 2 - 1) * rx * 0.9);
    const int y = static_cast<int>(cy + (rng.uniform() * 2 - 1) * ry * 0.9);
    if (l.get(x, y).a == 0 || l.get(x + 1, y + 1).a == 0) continue;
    const bool lit = (x - cx) / rx + (y - cy) / ry < 0.1;
    const Px c = lit ? leaf[3] : leaf[0];
    l.set(x, y, c);
    l.set(x + 1, y, c);
    l.set(x - 1, y + 1, lit ? leaf[2] : leaf[1]);
  }
}

void trunk(Image& l, double cx, int top, int bottom, double w, const Ramp& bark) {
  shadeCylinder(l, static_cast<int>(cx - w / 2), top, static_cast<int>(w), bottom - top, bark);
  // Roots flare at the base.
  shadeStroke(l, cx - w / 2, bottom - 3, cx - w / 2 - 3, bottom, 2.5, bark);
  shadeStroke(l, cx + w / 2, bottom - 3, cx + w / 2 + 3, bottom, 2.5, bark);
}

void snowCap(Image& l, double cx, double cy, double rx, double ry) {
  // Snow rests on the upper half of the crown.
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x) {
      if (l.get(x, y).a == 0) continue;
      const double dx = (x - cx) / rx, dy = (y - cy) / ry;
      const double edge = -0.15 + 0.25 * std::sin(x * 0.9);
      if (dy < edge && dx * dx + dy * dy < 1.1)
        l.set(x, y, litShade(pal::kSnow, 0.9 - dy * 0.3 + dx * -0.2, x, y));
    }
}

void tree(Image& l, Ground g, bool apples) {
  if (g == Ground::Dirt) {
    // Rongus Bark: a thick ridged trunk under a dark blue-green crown.
    const Ramp bark = ramp(0x2e2420, 0x4a3a30, 0x66524a, 0x8a7468);
    trunk(l, 25, 28, 54, 11, bark);
    for (int y = 30; y < 52; y += 3) line(l, 21, y, 24, y + 2, bark[0]);
    crown(l, 25, 19, 22, 16, pal::kLeafDark, 5);
  } else {
    trunk(l, 25, 30, 54, 8, pal::kBark);
    crown(l, 25, 20, 23, 19, pal::kLeaf, 3);
    if (g == Ground::Snow) snowCap(l, 25, 20, 23, 19);
  }
  if (apples) {
    const int pts[][2] = {{14, 16}, {30, 10}, {36, 24}, {20, 28}, {27, 20}, {10, 26}, {40, 15}};
    for (auto& p : pts) {
      shadeEllipse(l, p[0], p[1], 2.2, 2.2, pal::kRed);
      l.set(p[0], p[1] - 2, rgb(0x3a2a10));
    }
  }
}

void swampTree(Image& l) {
  // Deadrot: a bare, crooked grey-brown tree with drooping moss.
  const Ramp dead = ramp(0x2c2a24, 0x48443a, 0x666050, 0x8a8470);
  shadeStroke(l, 25, 54, 24, 20, 8, dead);
  shadeStroke(l, 24, 30, 10, 16, 4, dead);
  shadeStroke(l, 10, 16, 6, 6, 2.5, dead);
  shadeStroke(l, 25, 26, 40, 12, 4, dead);
  shadeStroke(l, 40, 12, 44, 4, 2.5, dead);
  shadeStroke(l, 24, 20, 26, 4, 3, dead);
  shadeStroke(l, 33, 19, 36, 28, 2, dead);
  for (int x : {9, 13, 38, 42, 26})
    for (int y = 0; y < 7; ++y)
      if ((x + y) % 3) l.set(x, 12 + y + (x % 5), rgb(0x5a6a3a));
  shadeStroke(l, 20, 54, 15, 56, 3, dead);
  shadeStroke(l, 30, 54, 35, 56, 3, dead);
}

void stump(Image& l, Ground g) {
  shadeCylinder(l, 16, 36, 18, 14, pal::kBark);
  shadeStroke(l, 16, 47, 12, 51, 3, pal::kBark);
  shadeStroke(l, 34, 47, 38, 51, 3, pal::kBark);
  fillEllipse(l, 25, 36, 9, 4, pal::kWood[2]);
  for (double r : {6.5, 4.0, 1.5}) {
    for (int a = 0; a < 40; ++a) {
      const double t = a / 40.0 * 6.283;
      l.set(static_cast<int>(25 + std::cos(t) * r), static_cast<int>(36 + std::sin(t) * r * 0.45),
            pal::kWood[1]);
    }
  }
  if (g == Ground::Snow) fillEllipse(l, 24, 35, 7, 2.5, pal::kSnow[2]);
}

void bush(Image& l, Ground g, bool berries) {
  const Ramp leaf = berries ? pal::kLeaf : ramp(0x1c3e1e, 0x2a5a28, 0x3e7a34, 0x62a046);
  crown(l, 25, 38, 20, 14, leaf, berries ? 17 : 13);
  if (!berries) {
    // Thorns: pale little spikes along the rim.
    for (int a = 0; a < 22; ++a) {
      const double t = a / 22.0 * 6.283;
      const int x = static_cast<int>(25 + std::cos(t) * 19),
                y = static_cast<int>(38 + std::sin(t) * 13);
      if (l.get(x, y).a) l.set(x + (x > 25 ? 1 : -1), y - 1, rgb(0xd8c890));
    }
  } else {
    Rng rng(99);
    for (int i = 0; i < 16; ++i) {
      const int x = rng.range(10, 40), y = rng.range(28, 48);
      if (l.get(x, y).a == 0) continue;
      fillEllipse(l, x, y, 1.6, 1.6, rgb(0x2a2e7a));
      l.set(x, y - 1, rgb(0x7a8ae0));
    }
  }
  if (g == Ground::Snow) snowCap(l, 25, 38, 20, 14);
}

void plant(Image& l, Ground g) {
  if (g == Ground::Dirt) {
    // Underground shrub: pale stalks with fleshy grey-green leaves.
    const Ramp pale = ramp(0x3a4a3a, 0x587058, 0x7a9a78, 0xa8c8a0);
    for (int i = -2; i <= 2; ++i) shadeStroke(l, 25, 50, 25 + i * 7, 30 - std::abs(i) * 2, 2, pale);
    for (int i = -2; i <= 2; ++i) shadeEllipse(l, 25 + i * 7, 29 - std::abs(i) * 2, 4, 3, pale);
    return;
  }
  // Forest plant: a fern of arching fronds.
  for (int i = 0; i < 7; ++i) {
    const double a = 3.4 + i * 0.45;
    const double ex = 25 + std::cos(a) * 18, ey = 48 + std::sin(a) * 20;
    shadeStroke(l, 25, 50, ex, ey, 2.0, pal::kLeaf);
    for (int k = 1; k < 6; ++k) {
      const double t = k / 6.0;
      const double px = 25 + (ex - 25) * t, py = 50 + (ey - 50) * t;
      thickLine(l, px, py, px - 3 * (1 - t) - 1, py - 2, 1.4, pal::kLeaf[2]);
      thickLine(l, px, py, px + 3 * (1 - t) + 1, py - 2, 1.4, pal::kLeaf[1]);
    }
  }
  if (g == Ground::Snow)
    for (int x = 12; x < 40; x += 3) l.set(x, 32 + (x * 7) % 6, pal::kSnow[3]);
}

void logPiece(Image& l, bool swamp) {
  const Ramp bark = swamp ? ramp(0x22261c, 0x363a2a, 0x4c5036, 0x68704a) : pal::kBark;
  for (int x = 8; x < 42; ++x) {
    for (int y = 34; y < 48; ++y) {
      const double u = (y - 34) / 14.0 * 2 - 1;
      const double lgt = 0.8 - 0.7 * u - 0.2 * u * u + (rand01(x, y / 2, 7) - 0.5) * 0.25;
      l.set(x, y, litShade(bark, lgt, x, y));
    }
  }
  for (int x = 10; x < 40; x += 5) line(l, x, 37 + x % 3, x + 3, 37 + x % 3, bark[0]);
  // The cut end shows its rings.
  shadeEllipse(l, 42, 41, 4, 7, swamp ? ramp(0x3a3024, 0x5a4a34, 0x7a6446, 0x9a8060) : pal::kWood);
  for (int y = 37; y < 46; y += 3) l.set(42, y, swamp ? rgb(0x3a3024) : pal::kWood[0]);
  if (swamp) {
    for (int x = 9; x < 40; ++x)
      if (rand01(x, 1, 31) < 0.6)
        l.set(x, 34 + static_cast<int>(rand01(x, 2, 31) * 3), rgb(0x5a7a34));
    fillEllipse(l, 20, 36, 4, 1.5, rgb(0x6a8a3a));
  } else {
    shadeStroke(l, 20, 34, 17, 28, 2, bark);
    fillEllipse(l, 16, 27, 3, 2, pal::kLeaf[2]);
  }
}

void rocks(Image& l, Ground g) {
  const Ramp stone = g == Ground::Dirt ? ramp(0x3a3430, 0x5a524c, 0x7a726a, 0xa09890) : pal::kStone;
  shadeEllipse(l, 16, 42, 11, 9, stone);
  shadeEllipse(l, 34, 43, 12, 8, stone);
  shadeEllipse(l, 25, 30, 12, 10, stone);
  shadeEllipse(l, 40, 33, 6, 5, stone);
  line(l, 22, 26, 26, 32, stone[0]);
  line(l, 30, 41, 33, 46, stone[0]);
  if (g == Ground::Snow) {
    fillEllipse(l, 24, 23, 8, 3, pal::kSnow[2]);
    fillEllipse(l, 34, 37, 6, 2, pal::kSnow[2]);
  }
}

void flower(Image& l, Ground g, const Ramp& petals, int kind) {
  const Ramp stem = g == Ground::Snow ? pal::kLeafDark : pal::kLeaf;
  const int heads[][2] = {{25, 30}, {16, 38}, {34, 37}};
  for (auto& h : heads) shadeStroke(l, h[0], h[1], h[0] + (25 - h[0]) / 4, 50, 1.5, stem);
  fillEllipse(l, 20, 46, 4, 1.5, stem[2]);
  fillEllipse(l, 31, 47, 4, 1.5, stem[1]);
  for (auto& h : heads) {
    const double r = kind == 1 ? 3.2 : 2.8;
    for (int p = 0; p < 5; ++p) {
      const double a = p * 1.2566 + (kind == 2 ? 0.6 : 0);
      shadeEllipse(l, h[0] + std::cos(a) * r, h[1] + std::sin(a) * r, 2.4, 2.4, petals);
    }
    fillEllipse(l, h[0], h[1], 1.6, 1.6, kind == 3 ? rgb(0xf8f0f0) : rgb(0xf0d040));
  }
}

void mushroom(Image& l) {
  shadeCylinder(l, 21, 34, 9, 16, ramp(0xa89a80, 0xd0c4a8, 0xeee4cc, 0xfffaf0));
  // The cap: a wide dome with white spots.
  for (int y = 16; y < 37; ++y)
    for (int x = 6; x < 45; ++x) {
      const double dx = (x + 0.5 - 25.5) / 19.0, dy = (y + 0.5 - 36) / 19.0;
      if (dx * dx + dy * dy > 1 || y > 35) continue;
      const double lgt = 0.9 - dx * 0.55 - (1 + dy) * 0.3;
      l.set(x, y, litShade(pal::kRed, lgt, x, y));
    }
  fillRect(l, 8, 34, 35, 2, rgb(0xd8c8b0));
  const int spots[][3] = {{17, 24, 3}, {29, 21, 3}, {36, 28, 2},
                          {23, 31, 2}, {11, 31, 2}, {32, 31, 2}};
  for (auto& s : spots) fillEllipse(l, s[0], s[1], s[2], s[2] * 0.8, rgb(0xf8f0e8));
}

}  // namespace

bool paintNature(Image& l, Ground g, std::string_view tag, int /*frame*/) {
  if (tag == "TREE" || tag == "STREE")
    tree(l, g, false);
  else if (tag == "APPLETREE")
    tree(l, g, true);
  else if (tag == "SWAMPTREE")
    swampTree(l);
  else if (tag == "STUMP")
    stump(l, g);
  else if (tag == "BUSH")
    bush(l, g, false);
  else if (tag == "BERRYPLANT")
    bush(l, g, true);
  else if (tag == "PLANT")
    plant(l, g);
  else if (tag == "LOG")
    logPiece(l, false);
  else if (tag == "SWAMPLOG")
    logPiece(l, true);
  else if (tag == "ROCKS")
    rocks(l, g);
  else if (tag == "FLOWER1")
    flower(l, g, pal::kPurple, 1);
  else if (tag == "FLOWER2")
    flower(l, g, pal::kRed, 2);
  else if (tag == "FLOWER3")
    flower(l, g, pal::kBlue, 3);
  else if (tag == "FLOWER4")
    mushroom(l);
  else
    return false;
  return true;
}

}  // namespace tq::art
