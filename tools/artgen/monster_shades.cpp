// Shades: the shadow demon (a hooded cloak with a great sword, which he slashes with) and the
// shapes of shadow the boss and VEV share: shaded flat shapes, glows and bolts.
#include <algorithm>
#include <cmath>
#include <vector>

#include "monster_painters.h"
#include "shade.h"

namespace tq::art {

Stance StanceOf(const MonsterPose& p, double rise, const double (&sways)[3]) {
  Stance s;
  s.f = p.attack ? Facing::Front : p.facing;
  s.attack = p.attack;
  s.side = s.f == Facing::Right, s.rear = s.f == Facing::Rear;
  s.bob = p.frame == 2 || p.attack ? -rise : 0;
  s.sway = sways[p.attack ? 2 : p.frame == 2 ? 1 : 0];
  return s;
}

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

namespace {

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

// The shadow demon: a tall hooded cloak with a ragged hem, a black face with glowing eyes
// under the hood, and a great sword. The cloak is near black with cold lit folds, so it stays a
// dark shape on the cave earth too.
struct Hooded {
  bool attack;
  Ramp cloak;
  Px eye;
  Facing f;
  bool side, front;
  double bob, sway;  // the body's lift and the hem's swing in this frame
  double hx, hy;     // the hood's middle
};

Hooded HoodedOf(const MonsterPose& p) {
  Hooded h;
  h.attack = p.attack;
  h.cloak = Ramp(0x0c0a14, 0x1a1828, 0x4a4a6e, 0x8a8ab8);
  h.eye = Rgb(0x9ae8ff);
  h.f = p.attack ? Facing::Front : p.facing;
  h.side = h.f == Facing::Right, h.front = h.f == Facing::Front;
  h.bob = p.frame == 2 || p.attack ? -1 : 0;
  h.sway = p.attack ? 3 : p.frame == 2 ? 1.5 : -1.5;
  h.hx = 25, h.hy = 17 + h.bob;
  return h;
}

// The cloak and the peaked hood, shaded with folds.
void CloakBody(Image& l, const Hooded& h) {
  const double bob = h.bob, sway = h.sway, hx = h.hx, hy = h.hy;
  const double top = 22 + bob, hem = 53.0;
  Image body(l.w(), l.h());
  std::vector<Pt> shape;
  double x0, x1;
  if (h.side) {
    shape = {{22, top}, {29, top}, {31, 38 + bob}, {33, hem}};
    for (int i = 0; i <= 6; ++i)  // the ragged hem, trailing behind
      shape.push_back({33 - i * 3.6, hem + ((i % 2) ? -3.0 : 0.0) + (i > 3 ? sway : 0)});
    shape.push_back({10 + sway, hem - 4});
    shape.push_back({17, 34 + bob});
    x0 = 10, x1 = 33;
  } else {
    const double flare = h.attack ? 3 : 0;  // the cloak swirls with the blow
    shape = {{25 - 7, top}, {25 + 7, top}, {25 + 10 + flare, 40 + bob}};
    for (int i = 0; i <= 8; ++i)
      shape.push_back({25 + 12 + flare - i * (3 + flare * 0.75),
                       hem + ((i % 2) ? -3.0 : 0.0) + (i % 3 ? 0 : sway)});
    shape.push_back({25 - 10 - flare, 40 + bob});
    x0 = 25 - 12, x1 = 25 + 12;
  }
  FillPoly(body, shape, h.cloak[1]);
  FillEllipse(body, hx, hy, 6.5, 7, h.cloak[1]);
  FillPoly(body, {{hx - 4, hy - 4}, {hx + 4, hy - 4}, {h.side ? hx - 6 : hx, hy - 11}}, h.cloak[1]);
  ShadeShape(l, body, h.cloak, x0, x1, true);
}

// Sleeves and the sword arm: raised over the hood for the slash, at the side otherwise.
void CloakArms(Image& l, const Hooded& h) {
  const double bob = h.bob;
  const Ramp& cloak = h.cloak;
  if (h.attack) {
    ShadeStroke(l, 25 - 7, 26 + bob, 29, 18, 5, cloak);
    ShadeStroke(l, 25 + 7, 26 + bob, 34, 17, 5, cloak);
    FillEllipse(l, 31, 17.5, 2.2, 2.2, Rgb(0x101018));
  } else if (h.side) {
    ShadeStroke(l, 25, 27 + bob, 31, 36 + bob, 5, cloak);
    Sword(l, 33, 36 + bob, 45, 14 + bob);
    FillEllipse(l, 33, 36 + bob, 2, 2, Rgb(0x101018));
  } else if (h.front) {
    ShadeStroke(l, 25 + 7, 26 + bob, 25 + 9, 38 + bob, 5, cloak);
    ShadeStroke(l, 25 - 7, 26 + bob, 25 - 9, 38 + bob, 5, cloak);
    Sword(l, 25 + 9, 39 + bob, 25 + 11, 13 + bob);
  }
}

// The face: darkness under the hood and two glowing eyes.
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
}

}  // namespace

void DrawShade(Image& l, const MonsterPose& p) {
  const Hooded h = HoodedOf(p);
  if (p.attack) {  // the great sword raised over the hood, about to come down
    SwingTrail(l, 26, 30, 24, -2.9, -2.0, Rgb(0xc8e8ff));
    Sword(l, 32, 17, 9, 3);
  }
  // A sword held behind the body is painted first.
  if (h.f == Facing::Rear) Sword(l, 33, 36 + h.bob, 36, 12 + h.bob);
  CloakBody(l, h);
  CloakArms(l, h);
  HoodFace(l, h);
}

}  // namespace tq::art
