// The SHADOW BOSS: the shadow demons' master, a hulk in black plate that fills his cell where
// they are slim hooded shapes: great swept horns, spiked pauldrons, a tattered mantle spread
// like wings to the cell's edges and a great sword planted point-down before him. Red eyes
// burn in a black visor and a violet glow hugs his outline. He casts with both clawed hands
// raised, the sword left standing in the ground.
#include <cmath>
#include <vector>

#include "monster_painters.h"
#include "shade.h"

namespace tq::art {

namespace {

const Ramp kPlate = Ramp(0x0c0a14, 0x1e1a30, 0x3e3462, 0x8070b8);
const Ramp kMantle = Ramp(0x0e0818, 0x221434, 0x46286c, 0x7a50b0);
const Ramp kLining = Ramp(0x1e0620, 0x3e0c3a, 0x6a1a5a, 0xa0388a);
const Ramp kHorn = Ramp(0x4a3c5a, 0x8a7aa2, 0xbcaed4, 0xeee6ff);
const Ramp kBlade = Ramp(0x3a3452, 0x7a74a0, 0xb4b0d4, 0xf4f0ff);
const Ramp kRobe = Ramp(0x08060e, 0x14101e, 0x2c2244, 0x544478);
constexpr Px kEye = Rgb(0xff3a30);
constexpr Px kRune = Rgb(0xb070ff);

// The mantle: from the shoulders out to the cell's edges, its hem torn into tatters of uneven
// length. Seen from the side it streams out behind him.
void Mantle(Image& l, const Stance& b) {
  Image shape(l.w(), l.h());
  std::vector<Pt> pts;
  const double top = 21 + b.bob, flare = b.attack ? 1.5 : 0;
  if (b.side) {
    pts = {{24, top}, {30, top + 2}, {33, 54}};
    for (int i = 0; i <= 7; ++i)  // the hem, torn, running back to the trailing edge
      pts.push_back({31 - i * 3.9 + (i > 3 ? b.sway : 0), 55.0 - (i % 2 ? 5 : 0) - i * 0.6});
    pts.push_back({2 + b.sway, 40});
    pts.push_back({9, 28 + b.bob});
  } else {
    pts = {{15, top}, {35, top}, {46 + flare, 40}};
    for (int i = 0; i <= 10; ++i)  // the hem from right to left, tips and notches
      pts.push_back({48 + flare - i * (4.6 + flare * 0.3),
                     56.0 - (i % 2 ? 6 + (i % 3) : 0) + (i % 4 == 1 ? b.sway : 0)});
    pts.push_back({4 - flare, 40});
  }
  FillPoly(shape, pts, kMantle[1]);
  // Spread open behind him, the mantle shows its crimson lining from the front.
  const bool lining = b.f == Facing::Front;
  ShadeShape(l, shape, lining ? kLining : kMantle, b.side ? 2 : 3, b.side ? 33 : 47, true);
  // Folds fanning down from the shoulders.
  const double fans[] = {-20, -13, 13, 20};
  if (!b.side)
    for (double dx : fans)
      Line(l, static_cast<int>(25 + dx * 0.45), static_cast<int>(top + 3),
           static_cast<int>(25 + dx), 50, (lining ? kLining : kMantle)[0]);
}

// Great horns sweeping out from the helm and curling up, over the head at (hx, hy).
void Horns(Image& l, const Stance& b, double hx, double hy) {
  for (int s : {-1, 1}) {
    if (b.side && s > 0) continue;
    const double d = b.side ? -0.7 : s;  // from the side the horn sweeps back
    ShadeTaper(l,
               {{hx + d * 3, hy - 3},
                {hx + d * 8, hy - 6},
                {hx + d * 13, hy - 5},
                {hx + d * 16.5, hy - 9},
                {hx + d * 17, hy - 14}},
               3.6, 0.8, kHorn);
  }
}

// The helm: black plate with a spiked crest; from the front a visor slit with two burning eyes,
// from the side one eye.
void Helm(Image& l, const Stance& b, double hx, double hy) {
  ShadeEllipse(l, hx, hy, 5.2, 6, kPlate, 0.1);
  for (int i = -1; i <= 1; ++i)  // a crown of spikes fanning out
    FillPoly(l,
             {{hx + i * 2.6 - 1.2, hy - 4.5},
              {hx + i * 2.6 + 1.2, hy - 4.5},
              {hx + i * 5, hy - (i ? 8 : 10)}},
             kPlate[2]);
  if (b.rear) return;
  const Px dark = Rgb(0x040208);
  if (b.side) {
    FillRect(l, static_cast<int>(hx + 1), static_cast<int>(hy), 5, 2, dark);
    l.set(static_cast<int>(hx + 3), static_cast<int>(hy), kEye);
    l.set(static_cast<int>(hx + 4), static_cast<int>(hy), Rgb(0xffb080));
    return;
  }
  FillRect(l, static_cast<int>(hx - 4), static_cast<int>(hy), 9, 2, dark);  // the visor
  FillRect(l, static_cast<int>(hx), static_cast<int>(hy), 1, 6, dark);
  for (int s : {-1, 1}) {
    l.set(static_cast<int>(hx + s * 2.5), static_cast<int>(hy), kEye);
    l.set(static_cast<int>(hx + s * 2.5 + (s > 0 ? -1 : 1)), static_cast<int>(hy), kEye);
    l.set(static_cast<int>(hx + s * 2.5), static_cast<int>(hy + 1), Scale(kEye, 0.6));
  }
}

// A spiked shoulder plate at (x, y); `s` the side it points out to.
void Pauldron(Image& l, double x, double y, int s) {
  ShadeEllipse(l, x, y, 6, 4.5, kPlate, 0.15);
  for (int i = 0; i < 2; ++i) {
    const double bx = x + s * (i * 3.5 - 1);
    FillPoly(l, {{bx - 1.6, y - 3}, {bx + 1.6, y - 3}, {bx + s * (2.5 + i), y - 9 + i * 2}},
             kHorn[2]);
  }
}

// The body: a broad breastplate and a row of hip plates over a long black robe, narrower seen
// from the side; `cx` its middle.
void Body(Image& l, const Stance& b, double cx) {
  const double w = b.side ? 0.55 : 1.0, top = 23 + b.bob, waist = 38 + b.bob;
  Image robe(l.w(), l.h()), plate(l.w(), l.h());
  FillPoly(robe, {{cx - 8 * w, waist}, {cx + 8 * w, waist}, {cx + 12 * w, 54}, {cx - 12 * w, 54}},
           kRobe[1]);
  ShadeShape(l, robe, kRobe, cx - 12 * w, cx + 12 * w, true);
  FillPoly(plate,
           {{cx - 11 * w, top}, {cx + 11 * w, top}, {cx + 7 * w, waist}, {cx - 7 * w, waist}},
           kPlate[1]);
  FillPoly(
      plate,
      {{cx - 8 * w, waist}, {cx + 8 * w, waist}, {cx + 9 * w, waist + 6}, {cx - 9 * w, waist + 6}},
      kPlate[1]);
  ShadeShape(l, plate, kPlate, cx - 11 * w, cx + 11 * w, false);
  FillRect(l, static_cast<int>(cx - 8 * w), static_cast<int>(waist) - 1,
           static_cast<int>(16 * w) + 1, 2, kPlate[0]);  // the belt
  if (b.side) return;
  for (int y = static_cast<int>(top) + 2; y < waist - 1; ++y)  // the breastplate's ridge
    l.set(static_cast<int>(cx), y, b.rear ? kPlate[0] : kPlate[3]);
  for (int s : {-1, 1})  // the hip plates part at the middle and the sides
    Line(l, static_cast<int>(cx + s * 4.5 * w), static_cast<int>(waist + 1),
         static_cast<int>(cx + s * 5 * w), static_cast<int>(waist + 5), kPlate[0]);
}

// The great sword stood point-down: pommel at (x, y), the blade running to (tx, ty), a violet
// rune down its middle and a violet stone in the pommel.
void GreatSword(Image& l, double x, double y, double tx, double ty) {
  const double len = std::hypot(tx - x, ty - y), ux = (tx - x) / len, uy = (ty - y) / len;
  const double gx = x + ux * 6, gy = y + uy * 6;  // the crossguard
  ShadeTaper(l, {{gx, gy}, {tx, ty}}, 4.6, 1.2, kBlade);
  for (double t = 3; t < len - 9; t += 3)
    l.set(static_cast<int>(gx + ux * t), static_cast<int>(gy + uy * t), kRune);
  ShadeStroke(l, x, y, gx, gy, 2, kPlate);  // the grip
  ShadeTaper(l, {{gx - uy * 7, gy + ux * 7 + 2}, {gx, gy}, {gx + uy * 7, gy - ux * 7 + 2}}, 2.4,
             2.4, kPlate);
  FillEllipse(l, x, y, 1.4, 1.4, kRune);  // a violet stone in the pommel
}

// A gauntlet at (x, y) with three pale claws pointing along (dx, dy).
void Gauntlet(Image& l, double x, double y, double dx, double dy) {
  ShadeEllipse(l, x, y, 2.6, 2.4, kPlate, 0.2);
  for (int c = -1; c <= 1; ++c)
    ShadeTaper(l,
               {{x + dx * 1.5 - dy * c * 1.3, y + dy * 1.5 + dx * c * 1.3},
                {x + dx * 3.8 - dy * c * 1.6, y + dy * 3.8 + dx * c * 1.6}},
               1.2, 0.5, kHorn);
}

// Both arms flung up, a crackling orb of shadow over each hand and bolts at the viewer.
void Cast(Image& l, const Stance& b) {
  for (int s : {-1, 1}) {
    const double hx = 25 + s * 18, hy = 18;
    ShadeTaper(l, {{25 + s * 10.0, 26 + b.bob}, {25 + s * 15.0, 24}, {hx, hy}}, 5, 3.6, kPlate);
    Gauntlet(l, hx, hy, 0, -1);
    FillEllipse(l, hx, hy - 7, 4.5, 4.5, Rgb(0xb070ff));  // a ball of shadow rimmed in light
    FillEllipse(l, hx, hy - 7, 3.3, 3.3, Rgb(0x1c0830));
    l.set(static_cast<int>(hx - 1), static_cast<int>(hy - 9), Rgb(0xf0e0ff));
    Bolt(l, hx, hy - 3, 25 + s * 9, 55, Rgb(0xc080ff), s + 4);
  }
}

}  // namespace

void DrawBoss(Image& l, const MonsterPose& p) {
  const Stance b = StanceOf(p, 1, {-1, 1.5, 2});
  const double hx = b.side ? 27 : 25, hy = 16 + b.bob;
  if (!b.rear) Mantle(l, b);
  Body(l, b, 25);
  if (b.attack) GreatSword(l, 25, 32, 25, 55);  // left standing in the ground before him
  if (b.rear) Mantle(l, b);                     // from behind it covers his back
  if (b.side) {
    ShadeTaper(l, {{26, 26 + b.bob}, {29, 33 + b.bob}, {33, 34 + b.bob}}, 5, 4, kPlate);
    GreatSword(l, 34, 32 + b.bob, 44, 55);
    Gauntlet(l, 34, 33 + b.bob, 1, 0.3);
    Pauldron(l, 25, 24 + b.bob, -1);
  } else {
    for (int s : {-1, 1}) Pauldron(l, 25 + s * 11, 24 + b.bob, s);
    if (b.attack) {
      Cast(l, b);
    } else if (!b.rear) {
      for (int s : {-1, 1})
        ShadeTaper(l,
                   {{25 + s * 12.0, 27 + b.bob}, {25 + s * 11.0, 33 + b.bob}, {25 + s * 4.0, 34}},
                   5, 4, kPlate);
      GreatSword(l, 25, 28 + b.bob, 25, 55);
      for (int s : {-1, 1}) Gauntlet(l, 25 + s * 3.5, 34, 0, 1);
    }
  }
  Horns(l, b, hx, hy);
  Helm(l, b, hx, hy);
  GlowAround(l, Rgb(0x9a5cf0));
}

}  // namespace tq::art
