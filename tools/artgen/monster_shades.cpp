// Shades: the shadow demons (hooded cloaks with great swords; the boss with two, a horned hood
// and a violet glow) and VEV the ghost. The demon slashes; the boss and VEV cast.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "monster_painters.h"
#include "palette.h"
#include "shade.h"

namespace tq::art {

namespace {

// Paints the opaque pixels of a flat shape with a ramp, lit from the upper left across
// [x0, x1], with a few darker folds running down.
void ShadeShape(Image& l, const Image& shape, const Ramp& r, double x0, double x1, bool folds) {
  for (int y = 0; y < shape.h(); ++y)
    for (int x = 0; x < shape.w(); ++x) {
      if (!shape.get(x, y).a) continue;
      const double u = (x + 0.5 - x0) / std::max(1.0, x1 - x0);  // 0 left .. 1 right
      double lgt = 0.85 - 0.65 * u - y * 0.004;
      if (folds && y > 30 && (x * 7 + y / 9) % 6 == 0) lgt -= 0.3;
      l.set(x, y, LitShade(r, lgt, x, y));
    }
}

// A glow hugging a silhouette: a bright ring one pixel out and a fainter one beyond.
void GlowAround(Image& l, Px c) {
  const Image src = l;
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x) {
      if (src.get(x, y).a) continue;
      int near = 3;
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          if (src.get(x + dx, y + dy).a > 128)
            near = std::min(near, std::max(std::abs(dx), std::abs(dy)));
      if (near > 2) continue;
      Px g = c;
      g.a = near == 1 ? 210 : 110;
      l.set(x, y, g);
    }
}

// A jagged bolt of magic from (x0, y0) to (x1, y1).
void Bolt(Image& l, double x0, double y0, double x1, double y1, Px c, int seed) {
  double px = x0, py = y0;
  for (int i = 1; i <= 5; ++i) {
    const double t = i / 5.0;
    const double jx = i < 5 ? ((seed * 7 + i * 13) % 5 - 2) * 1.2 : 0;
    const double x = x0 + (x1 - x0) * t + jx, y = y0 + (y1 - y0) * t;
    ThickLine(l, px, py, x, y, 1.6, c);
    Line(l, static_cast<int>(px), static_cast<int>(py), static_cast<int>(x), static_cast<int>(y),
         Rgb(0xffffff));
    px = x, py = y;
  }
}

void Sword(Image& l, double hx, double hy, double tx, double ty) {
  const Ramp blade = Ramp(0x2a2a34, 0x5a5a6a, 0x9a9aae, 0xf0f0ff);
  ShadeStroke(l, hx, hy, tx, ty, 3, blade);
  const double len = std::hypot(tx - hx, ty - hy);
  const double nx = -(ty - hy) / len, ny = (tx - hx) / len;
  const double gx = hx + (tx - hx) * 0.12, gy = hy + (ty - hy) * 0.12;
  ThickLine(l, gx - nx * 3.5, gy - ny * 3.5, gx + nx * 3.5, gy + ny * 3.5, 1.6,
            Rgb(0x20202a));  // the crossguard
  ThickLine(l, hx, hy, hx - (tx - hx) / len * 4, hy - (ty - hy) / len * 4, 2,
            Rgb(0x3a2a20));  // the grip
}

// The shadow demons: a tall hooded cloak with a ragged hem, a black face with glowing eyes
// under the hood, and a great sword (the boss carries two and wears a horned hood). The cloak
// is near black with cold lit folds, so it stays a dark shape on the cave earth too.
struct Hooded {
  bool boss, attack;
  double k;  // the boss stands taller
  Ramp cloak;
  Px eye;
  Facing f;
  bool side, front;
  double bob, sway;  // the body's lift and the hem's swing in this frame
  double hx, hy;     // the hood's middle
};

Hooded HoodedOf(const MonsterPose& p, bool boss) {
  Hooded h;
  h.boss = boss, h.attack = p.attack;
  h.k = boss ? 1.12 : 1.0;
  h.cloak = boss ? Ramp(0x120a1e, 0x241636, 0x5a3a8a, 0xa070e0)
                 : Ramp(0x0c0a14, 0x1a1828, 0x4a4a6e, 0x8a8ab8);
  h.eye = boss ? Rgb(0xff4040) : Rgb(0x9ae8ff);
  h.f = p.attack ? Facing::Front : p.facing;
  h.side = h.f == Facing::Right, h.front = h.f == Facing::Front;
  h.bob = p.frame == 2 || p.attack ? -1 : 0;
  h.sway = p.attack ? 3 : p.frame == 2 ? 1.5 : -1.5;
  h.hx = 25, h.hy = 17 + h.bob;
  return h;
}

// The cloak and the peaked hood, shaded with folds; the boss's hem is trimmed in violet.
void CloakBody(Image& l, const Hooded& h) {
  const double k = h.k, bob = h.bob, sway = h.sway, hx = h.hx, hy = h.hy;
  const double top = 22 + bob, hem = 53.0;
  Image body(l.w(), l.h());
  std::vector<Pt> shape;
  double x0, x1;
  if (h.side) {
    shape = {{22, top}, {29, top}, {31 * k, 38 + bob}, {33, hem}};
    for (int i = 0; i <= 6; ++i)  // the ragged hem, trailing behind
      shape.push_back({33 - i * 3.6, hem + ((i % 2) ? -3.0 : 0.0) + (i > 3 ? sway : 0)});
    shape.push_back({10 + sway, hem - 4});
    shape.push_back({17, 34 + bob});
    x0 = 10, x1 = 33;
  } else {
    const double flare = h.attack ? 3 : 0;  // the cloak swirls with the blow
    shape = {{25 - 7 * k, top}, {25 + 7 * k, top}, {25 + 10 * k + flare, 40 + bob}};
    for (int i = 0; i <= 8; ++i)
      shape.push_back({25 + 12 * k + flare - i * (3 * k + flare * 0.75),
                       hem + ((i % 2) ? -3.0 : 0.0) + (i % 3 ? 0 : sway)});
    shape.push_back({25 - 10 * k - flare, 40 + bob});
    x0 = 25 - 12 * k, x1 = 25 + 12 * k;
  }
  FillPoly(body, shape, h.cloak[1]);
  FillEllipse(body, hx, hy, 6.5 * k, 7 * k, h.cloak[1]);
  FillPoly(body, {{hx - 4, hy - 4}, {hx + 4, hy - 4}, {h.side ? hx - 6 : hx, hy - 11 * k}},
           h.cloak[1]);
  ShadeShape(l, body, h.cloak, x0, x1, true);
  if (h.boss)
    for (int x = 0; x < l.w(); ++x)
      for (int y = l.h() - 1; y > 40; --y)
        if (body.get(x, y).a) {
          l.set(x, y, Rgb(0xb87cff)), l.set(x, y - 1, Rgb(0x8a50d8));
          break;
        }
}

// Sleeves and the sword arms; the boss casts with both arms flung up, a crackling orb of shadow
// between the hands and bolts at the viewer.
void CloakArms(Image& l, const Hooded& h) {
  const double k = h.k, bob = h.bob;
  const Ramp& cloak = h.cloak;
  if (h.attack && h.boss) {
    ShadeStroke(l, 25 - 7 * k, 26 + bob, 11, 13, 5, cloak);
    ShadeStroke(l, 25 + 7 * k, 26 + bob, 39, 13, 5, cloak);
    Sword(l, 11, 14, 4, 34);
    Sword(l, 39, 14, 46, 34);
    Px halo = Rgb(0xc080ff);
    halo.a = 170;
    FillEllipse(l, 25, 6, 7, 5, halo);
    FillEllipse(l, 25, 6, 3.5, 3, Rgb(0xf0e0ff));
    Bolt(l, 21, 9, 12, 52, Rgb(0xc080ff), 1);
    Bolt(l, 29, 9, 38, 52, Rgb(0xc080ff), 2);
  } else if (h.attack) {
    ShadeStroke(l, 25 - 7 * k, 26 + bob, 29, 18, 5, cloak);
    ShadeStroke(l, 25 + 7 * k, 26 + bob, 34, 17, 5, cloak);
    FillEllipse(l, 31, 17.5, 2.2, 2.2, Rgb(0x101018));
  } else if (h.side) {
    ShadeStroke(l, 25, 27 + bob, 31, 36 + bob, 5, cloak);
    Sword(l, 33, 36 + bob, 45, 14 + bob);
    FillEllipse(l, 33, 36 + bob, 2, 2, Rgb(0x101018));
  } else if (h.front) {
    ShadeStroke(l, 25 + 7 * k, 26 + bob, 25 + 9 * k, 38 + bob, 5, cloak);
    ShadeStroke(l, 25 - 7 * k, 26 + bob, 25 - 9 * k, 38 + bob, 5, cloak);
    if (h.boss) Sword(l, 25 - 9 * k, 39 + bob, 25 - 11 * k, 13 + bob);
    Sword(l, 25 + 9 * k, 39 + bob, 25 + 11 * k, 13 + bob);
  }
}

// The face: darkness under the hood and two glowing eyes; the boss's horned hood and the violet
// glow of his power round it all.
void HoodFace(Image& l, const Hooded& h) {
  const double hx = h.hx, hy = h.hy;
  const Px eye = h.eye;
  if (h.front) {
    FillEllipse(l, 25, hy + 1.5, 4.2, 4.6, Rgb(0x06040a));
    for (int s : {-1, 1}) {
      l.set(static_cast<int>(25 + s * 2 - (s > 0 ? 1 : 0)), static_cast<int>(hy + 1), eye);
      l.set(static_cast<int>(25 + s * 2 - (s > 0 ? 1 : 0)), static_cast<int>(hy + 2),
            h.attack ? eye : Scale(eye, 0.6));
    }
  } else if (h.side) {
    FillEllipse(l, hx + 4, hy + 1.5, 2.6, 4.4, Rgb(0x06040a));
    l.set(static_cast<int>(hx + 5), static_cast<int>(hy + 1), eye);
    l.set(static_cast<int>(hx + 5), static_cast<int>(hy + 2), Scale(eye, 0.6));
  }
  if (!h.boss) return;
  for (int s : {-1, 1}) {
    if (h.side && s > 0) continue;
    FillPoly(l, {{hx + s * 3, hy - 5}, {hx + s * 7, hy - 4}, {hx + s * 9, hy - 13}}, Rgb(0x8a60d0));
  }
  GlowAround(l, Rgb(0x9a5cf0));
}

void Cloaked(Image& l, const MonsterPose& p, bool boss) {
  const Hooded h = HoodedOf(p, boss);
  if (p.attack && !boss) {  // the great sword raised over the hood, about to come down
    SwingTrail(l, 26, 30, 24, -2.9, -2.0, Rgb(0xc8e8ff));
    Sword(l, 32, 17, 9, 3);
  }
  // A sword held behind the body is painted first.
  if (h.f == Facing::Rear) Sword(l, 33, 36 + h.bob, 36, 12 + h.bob);
  CloakBody(l, h);
  CloakArms(l, h);
  HoodFace(l, h);
}

}  // namespace

void DrawShade(Image& l, std::string_view kind, const MonsterPose& p) {
  Cloaked(l, p, kind == "SHADOW BOSS");
}

// VEV: a pale hooded shape that thins into a wisp, hovering in a violet aura. He casts with his
// arms flung up, wailing, bolts of shadow striking down at the viewer.
void DrawGhost(Image& l, const MonsterPose& p) {
  const Facing f = p.attack ? Facing::Front : p.facing;
  const int frame = p.attack ? 2 : p.frame;
  const double hover = frame == 2 ? -2 : 0;
  Px aura = Rgb(0x8040d8);
  aura.a = 110;
  FillEllipse(l, 25, 30 + hover, 19, 24, aura);
  const Ramp pale = Ramp(0x7a88a8, 0xa8b4cc, 0xd0d8e8, 0xf4f8ff);
  Image body(l.w(), l.h());
  for (int y = 8; y < 54; ++y) {
    const double t = (y - 8) / 46.0;
    const double half =
        12 * std::sin(std::min(1.0, t * 1.6) * std::numbers::pi * 0.55) * (1.0 - 0.55 * t);
    const double sway = std::sin(t * 6 + frame) * 3 * t;
    for (int x = static_cast<int>(25 + sway - half); x < 25 + sway + half; ++x) {
      const double u = (x + 0.5 - 25 - sway) / std::max(half, 1.0);
      body.set(x, static_cast<int>(y + hover), LitShade(pale, 0.8 - 0.5 * u - t * 0.3, x, y));
    }
  }
  // Arms reaching out, or flung up to cast.
  const double reach = frame == 2 ? 3 : 0;
  if (p.attack) {
    ShadeStroke(body, 16, 24 + hover, 7, 8, 3, pale);
    ShadeStroke(body, 34, 24 + hover, 43, 8, 3, pale);
  } else if (f != Facing::Right) {
    ShadeStroke(body, 16, 24 + hover, 7 - reach, 30 + hover, 3, pale);
    ShadeStroke(body, 34, 24 + hover, 43 + reach, 30 + hover, 3, pale);
  } else {
    ShadeStroke(body, 26, 24 + hover, 40 + reach, 27 + hover, 3, pale);
  }
  for (int y = 0; y < body.h(); ++y)
    for (int x = 0; x < body.w(); ++x) {
      Px px = body.get(x, y);
      if (px.a) px.a = 225;
      body.set(x, y, px);
    }
  Composite(l, body);
  if (f == Facing::Front) {
    FillEllipse(l, 25, 18 + hover, 6, 6.5, Rgb(0x140a20));
    FillEllipse(l, 22.5, 17 + hover, 1.3, 1.6, Rgb(0xff40ff));
    FillEllipse(l, 27.5, 17 + hover, 1.3, 1.6, Rgb(0xff40ff));
    if (p.attack) FillEllipse(l, 25, 21 + hover, 1.8, 2.2, Rgb(0x000000));  // the wail
  } else if (f == Facing::Right) {
    FillEllipse(l, 29, 18 + hover, 4, 5.5, Rgb(0x140a20));
    FillEllipse(l, 30.5, 17 + hover, 1.2, 1.5, Rgb(0xff40ff));
  }
  if (p.attack) {
    for (int s : {-1, 1}) {
      FillEllipse(l, 25 + s * 18, 7, 2.5, 2.5, Rgb(0xf0c0ff));
      Bolt(l, 25 + s * 18, 9, 25 + s * 9, 55, Rgb(0xc080ff), s + 3);
    }
  }
}

}  // namespace tq::art
