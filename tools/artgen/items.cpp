// Items: every pickable thing drawn from a few lit shapes so it stays readable when small.
#include "items.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "palette.h"
#include "shade.h"
#include "tiles.h"

namespace tq::art {

namespace {

struct Pen {
  Image& l;
  double cx, cy, s;
  double X(double x) const { return cx + x * s; }
  double Y(double y) const { return cy + y * s; }
  void Ball(double x, double y, double rx, double ry, const Ramp& r, double bias = 0) const {
    ShadeEllipse(l, X(x), Y(y), std::max(0.7, rx * s), std::max(0.7, ry * s), r, bias);
  }
  void Stroke(double x0, double y0, double x1, double y1, double w, const Ramp& r) const {
    ShadeStroke(l, X(x0), Y(y0), X(x1), Y(y1), std::max(1.0, w * s), r);
  }
  void Poly(std::vector<Pt> pts, Px c) const {
    for (Pt& p : pts) p = {X(p.x), Y(p.y)};
    FillPoly(l, pts, c);
  }
  void Dot(double x, double y, Px c) const {
    l.set(static_cast<int>(std::floor(X(x))), static_cast<int>(std::floor(Y(y))), c);
  }
};

void Coins(const Pen& p, int frame) {
  const double pile[][2] = {{-4, 4}, {3, 4}, {0, 1}, {-2, -2}, {5, 0}, {-6, 0}};
  for (auto& c : pile) {
    p.Ball(c[0], c[1] + 1, 3.2, 1.6, kGold, -0.3);
    p.Ball(c[0], c[1], 3.2, 1.6, kGold, 0.1);
  }
  // A twinkle that hops between the coins.
  const double tw = frame == 2 ? 4.0 : -3.0, ty = frame == 2 ? 0.0 : -3.0;
  const Px w = Rgb(0xffffff);
  for (int i = -2; i <= 2; ++i) {
    p.Dot(tw + i * 0.5, ty, w);
    p.Dot(tw, ty + i * 0.5, w);
  }
}

void Sack(const Pen& p, const Ramp& cloth, bool magic) {
  p.Ball(0, 3, 6.5, 5.5, cloth);
  p.Poly({{-2.5, -3}, {2.5, -3}, {1.5, -1}, {-1.5, -1}}, cloth[1]);
  p.Ball(0, -4.5, 3.2, 2, cloth);
  p.Stroke(-2.5, -2, 2.5, -2, 1, magic ? kPurple : kRed);
  p.Ball(-4, -5.5, 1.6, 1.6, kGold);
  p.Ball(4, -5, 1.4, 1.4, kGold);
  if (magic) {
    p.Dot(-3, 2, Rgb(0xf0d8ff));
    p.Dot(2, 4, Rgb(0xf0d8ff));
    p.Dot(0, 0, Rgb(0xffffff));
  } else {
    p.Ball(0, 3, 2, 2, kGold);  // the coin badge sewn on the front
  }
}

void Drumstick(const Pen& p) {
  const Ramp meat = Ramp(0x6a3010, 0x9a5020, 0xc87838, 0xf0b070);
  p.Stroke(2, 2, 6, 6, 2.2, Ramp(0xb0a890, 0xd0c8b0, 0xece4d0, 0xffffff));
  p.Ball(7, 7, 1.6, 1.6, Ramp(0xb0a890, 0xd0c8b0, 0xece4d0, 0xffffff));
  p.Ball(6.2, 7.8, 1.4, 1.4, Ramp(0xb0a890, 0xd0c8b0, 0xece4d0, 0xffffff));
  p.Ball(-2, -2, 6.5, 5, meat);
}

void Potion(const Pen& p, const Ramp& liquid) {
  p.Ball(0, 2.5, 5.5, 5.5, Ramp(0x506070, 0x8090a0, 0xc0d0e0, 0xffffff));
  p.Ball(0, 3, 4.6, 4.4, liquid);
  p.Stroke(0, -6, 0, -2, 3.2, Ramp(0x506070, 0x8090a0, 0xc0d0e0, 0xffffff));
  p.Stroke(0, -7.5, 0, -6.5, 2.6, kBark);
  p.Dot(-2, 1, Rgb(0xffffff));
}

void Apples(const Pen& p) {
  const double at[][2] = {{-4, 3}, {3, 3}, {0, -2}, {6, -1}};
  for (auto& a : at) {
    p.Ball(a[0], a[1], 3.4, 3.1, kRed);
    p.Dot(a[0], a[1] - 3.2, Rgb(0x3a2a10));
  }
  p.Ball(1.5, -5.5, 1.5, 0.8, kLeaf);
}

void Berries(const Pen& p) {
  const Ramp b = Ramp(0x141848, 0x26307a, 0x4050b0, 0x98a8f0);
  for (int row = 0; row < 4; ++row)
    for (int i = 0; i <= 3 - row; ++i) p.Ball(-5 + row * 1.7 + i * 3.4, 5 - row * 2.8, 1.8, 1.8, b);
  p.Ball(3, -5, 2, 1, kLeaf);
}

void HeartShape(const Pen& p, const Ramp& r, double k) {
  p.Ball(-2.6 * k, -1.5 * k, 3.2 * k, 3.2 * k, r);
  p.Ball(2.6 * k, -1.5 * k, 3.2 * k, 3.2 * k, r);
  p.Poly({{-5.7 * k, -0.6 * k}, {5.7 * k, -0.6 * k}, {0, 6 * k}}, r[2]);
  p.Ball(-2.8 * k, -2.6 * k, 1.0 * k, 0.8 * k, Ramp(0xffffff, 0xffffff, 0xffffff, 0xffffff));
}

void Symbol(const Pen& p, bool life, int frame) {
  // A glowing disc with the sign on it; the second frame pulses brighter.
  const Ramp halo = life ? Ramp(0x801830, 0xc03050, 0xf07080, 0xffd0d8)
                         : Ramp(0x1a3880, 0x3060c0, 0x60a0f0, 0xd0f0ff);
  Px glow = halo[frame == 2 ? 3 : 2];
  glow.a = 90;
  FillEllipse(p.l, p.X(0), p.Y(0), 8.5 * p.s, 8.5 * p.s, glow);
  p.Ball(0, 0, 6.5, 6.5, halo, frame == 2 ? 0.2 : 0.0);
  if (life) {
    HeartShape(p, Ramp(0xc0c0c8, 0xe0e0e8, 0xffffff, 0xffffff), 0.65);
  } else {
    // A lightning fist: a bolt of strength.
    p.Poly({{1, -5}, {-3, 0.5}, {0, 0.5}, {-1.5, 5}, {3.5, -1}, {0.5, -1}}, Rgb(0xfff4a0));
  }
}

void Key(const Pen& p, const Ramp& metal, bool horizontal) {
  if (horizontal) {  // the 17 x 7 item slot
    p.Ball(-5, 0, 2.8, 2.8, metal);
    p.Ball(-5, 0, 1.0, 1.0, Ramp(0x000000, 0x000000, 0x000000, 0x000000));
    p.Stroke(-2.5, 0, 7, 0, 1.6, metal);
    p.Stroke(5, 0, 5, 2.2, 1.2, metal);
    p.Stroke(7, 0, 7, 2.2, 1.2, metal);
    return;
  }
  p.Ball(-3, -3, 3.5, 3.5, metal);
  p.Ball(-3, -3, 1.4, 1.4, Ramp(0x201010, 0x201010, 0x201010, 0x201010));
  p.Stroke(-0.5, -0.5, 6, 6, 2, metal);
  p.Stroke(3.5, 3.5, 5.5, 1.5, 1.6, metal);
  p.Stroke(5.5, 5.5, 7.5, 3.5, 1.6, metal);
}

void Shirt(const Pen& p) {
  const Ramp cloak = Ramp(0x26243a, 0x3c3a58, 0x5a587c, 0x8a88b0);
  p.Poly(
      {{-4, -6}, {4, -6}, {8, -3}, {6, 0}, {4, -1}, {4, 7}, {-4, 7}, {-4, -1}, {-6, 0}, {-8, -3}},
      cloak[2]);
  p.Poly({{4, -6}, {8, -3}, {6, 0}, {4, -1}, {4, 7}, {1, 7}}, cloak[1]);
  p.Poly({{-1.5, -6}, {1.5, -6}, {0, -3}}, cloak[0]);
  p.Dot(-2, 1, cloak[3]);
  p.Dot(-1, 4, Rgb(0xb8a0ff));
}

// A length of blade along the axis (ax, ay) from s0 to s1, `half` wide each side of it. A
// broken end is jagged; a pointed end tapers to the tip over its last `taper` units.
void BladePiece(const Pen& p, double ax, double ay, double s0, double s1, double half, double taper,
                const Ramp& blade) {
  const double nx = -ay, ny = ax;
  auto at = [&](double s, double t) { return Pt{ax * s + nx * t, ay * s + ny * t}; };
  auto widthAt = [&](double s) { return s > s1 - taper ? half * (s1 - s) / taper : half; };
  const double jag[] = {-1.0, 0.2, -0.6, 0.8, -0.3};  // the broken edge, across the blade
  std::vector<Pt> shape;
  for (int i = 0; i <= 4; ++i) {  // the break at s0, from one edge to the other
    const double t = -half + 2 * half * i / 4.0;
    shape.push_back(at(s0 + jag[i], t));
  }
  for (double s = s0 + 1; s <= s1; s += 1) shape.push_back(at(s, widthAt(s)));
  if (taper <= 0) {  // broken at the far end too
    for (int i = 4; i >= 0; --i)
      shape.push_back(at(s1 - jag[4 - i] * 0.8, -half + 2 * half * i / 4.0));
  }
  for (double s = s1 - 1; s > s0; s -= 1) shape.push_back(at(s, -widthAt(s)));
  p.Poly(shape, blade[1]);
  // The lit bevel on the upper edge and the dark fuller down the middle.
  std::vector<Pt> bevel;
  for (double s = s0 + 1; s <= s1 - 0.5; s += 1) bevel.push_back(at(s, widthAt(s)));
  for (double s = s1 - 0.5; s >= s0 + 1; s -= 1) bevel.push_back(at(s, widthAt(s) * 0.2));
  p.Poly(bevel, blade[2]);
  for (double s = s0 + 1.5; s < s1 - std::max(taper, 1.5); s += 0.5) {
    const Pt q = at(s, 0);
    p.Dot(q.x, q.y, blade[0]);
  }
  const Pt shine = at(s0 + (s1 - s0) * 0.6, half * 0.6);
  p.Dot(shine.x, shine.y, blade[3]);
}

void SwordPart(const Pen& p, int part, bool shadow) {
  const Ramp blade = shadow ? Ramp(0x140a24, 0x2a1850, 0x5a3aa0, 0xc8a8ff) : kSteel;
  if (part == 1 || part == 0) {  // hilt, with the scabbard behind it
    if (part == 1) p.Stroke(-6, 6, 2, -2, 3, Ramp(0x1a1020, 0x2e1e38, 0x4a3458, 0x6a5080));
    p.Stroke(2, -2, 6, -6, 1.6, Ramp(0x3a2010, 0x5a3a20, 0x7a5430, 0x9a7040));
    p.Stroke(0, -4, 4, 0, 1.6, kGold);
    p.Ball(6.5, -6.5, 1.3, 1.3, kPurple);
  }
  if (part == 0) {  // the whole blade
    p.Stroke(2, -2, -4, 4, 2.4, blade);
    p.Stroke(-4, 4, -7, 7, 2.2, blade);
    p.Poly({{-6.5, 6.0}, {-8.0, 8.0}, {-6, 6.5}}, blade[2]);
    p.Dot(-1, 1, blade[3]);
    return;
  }
  // The loose pieces of the shadow blade: the middle, broken at both ends, lies wide and flat;
  // the tip points up the other way. Their glow marks them as one sword.
  const Ramp loose = Ramp(0x2a1850, 0x5a3aa0, 0x8a6ad0, 0xe8dcff);
  if (part == 2) BladePiece(p, 0.87, -0.5, -8, 8, 2.6, 0, loose);
  if (part == 3) BladePiece(p, -0.42, -0.91, -6, 10, 2.1, 11, loose);
  if (part == 1) return;
  const Px spark = Rgb(0xf4ecff);  // a glint of the magic in it
  for (const Pt& q : {Pt{-5, -5}, Pt{6, 4}}) {
    p.Dot(q.x, q.y, spark);
    for (const Pt& d : {Pt{1, 0}, Pt{-1, 0}, Pt{0, 1}, Pt{0, -1}})
      p.Dot(q.x + d.x / p.s, q.y + d.y / p.s, loose[2]);
  }
}

void Shield(const Pen& p) {
  p.Poly({{-6, -7}, {6, -7}, {6, 0}, {0, 8}, {-6, 0}}, kBlue[2]);
  p.Poly({{0, -7}, {6, -7}, {6, 0}, {0, 8}}, kBlue[1]);
  p.Poly({{-1.3, -7}, {1.3, -7}, {1.3, 7}, {-1.3, 7}}, Rgb(0xf0f0f8));
  p.Poly({{-6, -2.3}, {6, -2.3}, {6, 0}, {-6, 0}}, Rgb(0xe0e0ec));
  p.Ball(0, -1, 1.8, 1.8, kSteel);
}

void Torch(const Pen& p, int flame) {
  p.Stroke(3, 7, -1, -2, 2.4, kBark);
  p.Stroke(-0.5, -1, -1.5, -3, 3.4, Ramp(0x3a2a1a, 0x5a4430, 0x7a6040, 0x9a8060));
  if (flame == 0) {  // burnt out: a wisp of smoke
    p.Dot(-2, -5, Rgb(0x808088));
    p.Dot(-1, -7, Rgb(0xa0a0a8));
    return;
  }
  const double sway = flame == 2 ? 1.2 : -0.8;
  p.Poly({{-4.5, -3}, {2, -3}, {-1 + sway, -10}}, kFire[1]);
  p.Poly({{-3, -3}, {0.5, -3}, {-1.2 + sway * 0.5, -7.5}}, kFire[2]);
  p.Ball(-1.2, -4, 1, 1, kFire);
}

void Book(const Pen& p) {
  p.Poly({{-7, -5}, {6, -6}, {7, 5}, {-6, 6}}, kBlue[1]);
  p.Poly({{-6, -4}, {5, -5}, {6, 4}, {-5, 5}}, kBlue[2]);
  p.Poly({{-6, 5}, {6, 4}, {6.5, 5.5}, {-6, 6.5}}, Rgb(0xf0ecd8));
  // A fish on the cover.
  p.Ball(-0.5, -0.3, 3, 1.7, kGold);
  p.Poly({{2, -0.3}, {4.5, -2.3}, {4.5, 1.7}}, kGold[1]);
  p.Dot(-2.2, -0.8, Rgb(0x101010));
}

void Glove(const Pen& p) {
  const Ramp leather = Ramp(0x4a2a10, 0x7a4a20, 0xa86a34, 0xd09a5a);
  p.Ball(0, 1, 5, 5, leather);
  for (int f = 0; f < 4; ++f)
    p.Stroke(-3 + f * 2, -1, -3.5 + f * 2.2, -7 + (f == 0 || f == 3 ? 1.5 : 0), 1.8, leather);
  p.Stroke(-4, 2, -7, -1, 2, leather);
  p.Stroke(-4, 6, 4, 6, 3, kGold);
}

void CrystalBall(const Pen& p, bool flash) {
  p.Poly({{-5, 5}, {5, 5}, {6, 8}, {-6, 8}}, kGold[1]);
  p.Stroke(-5, 5.5, 5, 5.5, 1.4, kGold);
  p.Ball(0, -1, 6, 6,
         flash ? Ramp(0x6a40c0, 0xa080f0, 0xe0d0ff, 0xffffff)
               : Ramp(0x202a70, 0x3a50b0, 0x7aa0e8, 0xe8f4ff));
  p.Dot(-2.5, -3.5, Rgb(0xffffff));
  p.Dot(-2, -3, Rgb(0xffffff));
  if (flash) {
    const Px w = Rgb(0xffffff);
    for (int i = -8; i <= 8; i += 2) {
      p.Dot(i, -1, i % 4 ? kPurple[3] : w);
      p.Dot(0, i - 1, i % 4 ? kPurple[3] : w);
    }
  }
}

void Medal(const Pen& p, bool glow) {
  p.Poly({{-4, -8}, {-1, -8}, {1, -2}, {-2, -2}}, kRed[2]);
  p.Poly({{4, -8}, {1, -8}, {-1, -2}, {2, -2}}, kBlue[2]);
  p.Ball(0, 2.5, 5, 5, glow ? Ramp(0xc89020, 0xf8d040, 0xfff080, 0xffffff) : kGold);
  p.Poly({{0, -0.5},
          {1.2, 2},
          {3.5, 2.2},
          {1.7, 3.7},
          {2.3, 6},
          {0, 4.6},
          {-2.3, 6},
          {-1.7, 3.7},
          {-3.5, 2.2},
          {-1.2, 2}},
         glow ? Rgb(0xffffff) : kGold[0]);
}

void Food(const Pen& p) {
  // Bread loaf and cheese.
  p.Ball(-1, 1, 6.5, 4, Ramp(0x7a4a18, 0xa86a28, 0xd09040, 0xf0c070));
  for (int i = -1; i <= 1; ++i)
    p.Stroke(-1 + i * 3 - 1, -1.5, -1 + i * 3 + 1, 1, 0.9,
             Ramp(0x5a3010, 0x5a3010, 0x5a3010, 0x5a3010));
  p.Poly({{2, 2}, {8, 4}, {8, 7}, {2, 7}}, Rgb(0xf0d040));
  p.Poly({{2, 2}, {8, 4}, {3, 4}}, Rgb(0xfff080));
  p.Dot(5, 5.5, Rgb(0xc8a020));
}

// Every item by name, and how it is drawn with the pen; frame and glow as DrawItem has them.
using ItemPaint = void (*)(const Pen& p, int frame, bool glow);
const std::pair<std::string_view, ItemPaint> kItems[] = {
    {"COIN", [](const Pen& p, int frame, bool) { Coins(p, frame); }},
    {"BAG", [](const Pen& p, int, bool) { Sack(p, kCloth, false); }},
    {"GOLDBAG", [](const Pen& p, int, bool) { Sack(p, kGold, false); }},
    {"MAGICBAG", [](const Pen& p, int, bool) { Sack(p, kPurple, true); }},
    {"LIFEPOTION", [](const Pen& p, int, bool) { Drumstick(p); }},
    {"POWERPOTION", [](const Pen& p, int, bool) { Potion(p, kBlue); }},
    {"APPLES", [](const Pen& p, int, bool) { Apples(p); }},
    {"BLUEBERRIES", [](const Pen& p, int, bool) { Berries(p); }},
    {"LIFESYMBOL", [](const Pen& p, int frame, bool) { Symbol(p, true, frame); }},
    {"POWERSYMBOL", [](const Pen& p, int frame, bool) { Symbol(p, false, frame); }},
    {"GOLDKEY", [](const Pen& p, int, bool) { Key(p, kGold, false); }},
    {"REDKEY", [](const Pen& p, int, bool) { Key(p, kRed, false); }},
    {"PURPLEKEY", [](const Pen& p, int, bool) { Key(p, kPurple, false); }},
    {"goldkey", [](const Pen& p, int, bool) { Key(p, kGold, true); }},
    {"redkey", [](const Pen& p, int, bool) { Key(p, kRed, true); }},
    {"purplekey", [](const Pen& p, int, bool) { Key(p, kPurple, true); }},
    {"SHIRT", [](const Pen& p, int, bool) { Shirt(p); }},
    {"SWORD1", [](const Pen& p, int, bool) { SwordPart(p, 1, true); }},
    {"SWORD2", [](const Pen& p, int, bool) { SwordPart(p, 2, true); }},
    {"SWORD3", [](const Pen& p, int, bool) { SwordPart(p, 3, true); }},
    {"SHADOWSWORD", [](const Pen& p, int, bool) { SwordPart(p, 0, true); }},
    {"HUNTERSWORD", [](const Pen& p, int, bool) { SwordPart(p, 0, false); }},
    {"SHIELD", [](const Pen& p, int, bool) { Shield(p); }},
    {"TORCH", [](const Pen& p, int frame, bool) { Torch(p, frame); }},
    {"BOOK", [](const Pen& p, int, bool) { Book(p); }},
    {"GLOVE", [](const Pen& p, int, bool) { Glove(p); }},
    {"CRYSTALBALL", [](const Pen& p, int, bool glow) { CrystalBall(p, glow); }},
    {"MEDAL", [](const Pen& p, int, bool glow) { Medal(p, glow); }},
    {"FOOD", [](const Pen& p, int, bool) { Food(p); }},
    {"HEART", [](const Pen& p, int, bool) { HeartShape(p, kRed, 1.0); }},
};

}  // namespace

void DrawItem(Image& l, std::string_view item, double cx, double cy, double s, int frame,
              bool glow) {
  const Pen pen{l, cx, cy, s};
  for (const auto& [name, paint] : kItems)
    if (name == item) {
      paint(pen, frame, glow);
      return;
    }
}

}  // namespace tq::art
