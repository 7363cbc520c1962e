// Monsters: body plans (reptiles, brutes, flyers, crawlers, the ghost) dressed per kind.
#include "monsters.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "noise.h"
#include "palette.h"

namespace tq::art {

namespace {

constexpr double kPi = std::numbers::pi;

struct Reptile {
  Ramp body, belly;
  double k = 1.0;
  bool wings = false, plates = false, horns = false, spots = false, open = false;
  Ramp wing = ramp(0, 0, 0, 0);
  Px spot = rgb(0);
};

void reptileWings(Image& l, const Reptile& r, Facing f, int frame) {
  const double up = frame == 2 ? -6 : 0;
  const double k = r.k;
  if (f == Facing::Right) {
    fillPoly(l, {{22, 34}, {30, 34}, {26 - 6 * k, 12 * (2 - k) + up}, {14 - 4 * k, 18 + up}},
             r.wing[1]);
    for (int i = 0; i < 3; ++i)
      line(l, 26, 34, static_cast<int>(14 - 4 * k + i * 6), static_cast<int>(18 + up - i * 2),
           r.wing[0]);
  } else {
    for (int s : {-1, 1}) {
      fillPoly(l,
               {{25.0 + s * 4, 32},
                {25.0 + s * 22 * k, 18 + up},
                {25.0 + s * 24 * k, 30 + up * 0.5},
                {25.0 + s * 14 * k, 38}},
               r.wing[f == Facing::Rear ? 2 : 1]);
      for (int i = 0; i < 3; ++i)
        line(l, static_cast<int>(25 + s * 4), 32, static_cast<int>(25 + s * (14 + i * 5) * k),
             static_cast<int>(38 - i * 9 + up * 0.5), r.wing[0]);
    }
  }
}

void reptile(Image& l, const Reptile& r, Facing f, int frame) {
  const double k = r.k;
  const int step = frame == 2 ? 1 : -1;
  if (r.wings) reptileWings(l, r, f, frame);
  if (f == Facing::Right) {
    shadeStroke(l, 25 - 8 * k, 42, 25 - 20 * k, 50 + step, 5 * k, r.body);  // tail
    shadeStroke(l, 25 - 20 * k, 50 + step, 4, 48, 2.5, r.body);
    for (int s : {-1, 1}) {
      shadeStroke(l, 25 + s * 6 * k, 43, 25 + s * 6 * k + step * s * 2, 52, 3.2 * k, r.body);
      shadeStroke(l, 25 + s * 6 * k - 2, 43, 25 + s * 6 * k - 2 - step * s * 2, 51, 3 * k,
                  Ramp{{r.body[0], r.body[0], r.body[1], r.body[2]}});
    }
    shadeEllipse(l, 25, 41, 12 * k, 7 * k, r.body);
    for (int x = static_cast<int>(25 - 10 * k); x < 25 + 10 * k; ++x)
      l.set(x, static_cast<int>(46 + 1.5 * k), r.belly[2]);
    shadeStroke(l, 25 + 9 * k, 39, 25 + 14 * k, 34 - 2 * k, 6 * k, r.body);  // neck
    shadeEllipse(l, 25 + 17 * k, 33 - 2 * k, 6 * k, 4.5 * k, r.body);
    if (r.open)
      fillPoly(l, {{25 + 15 * k, 35 - 2 * k}, {25 + 23 * k, 33 - 2 * k}, {25 + 22 * k, 38 - 2 * k}},
               rgb(0x500810));
    l.set(static_cast<int>(25 + 18 * k), static_cast<int>(31 - 2 * k), rgb(0xfff060));
    l.set(static_cast<int>(25 + 18 * k), static_cast<int>(32 - 2 * k), rgb(0x100808));
    if (r.horns)
      fillPoly(l, {{25 + 13 * k, 30 - 2 * k}, {25 + 15 * k, 30 - 2 * k}, {25 + 10 * k, 22 - 2 * k}},
               rgb(0xe8dcc0));
    if (r.plates)
      for (int i = 0; i < 5; ++i) {
        const double x = 25 - 9 * k + i * 4.5 * k;
        fillPoly(l, {{x - 2, 35.0 - k * 2}, {x + 2, 35.0 - k * 2}, {x, 29.0 - k * 2}}, r.belly[1]);
      }
  } else {
    const bool front = f == Facing::Front;
    if (!front) {  // the tail swings toward the viewer
      shadeStroke(l, 25, 44, 25 + step * 3, 53, 5 * k, r.body);
      shadeStroke(l, 25 + step * 3, 53, 25 + step * 7, 56, 2.5, r.body);
    }
    for (int s : {-1, 1}) {
      shadeStroke(l, 25 + s * 8 * k, 36, 25 + s * 12 * k, 44 + (s == step ? -2 : 0), 3.5 * k,
                  r.body);
      shadeStroke(l, 25 + s * 8 * k, 46, 25 + s * 12 * k, 53 + (s == step ? -2 : 0), 3.5 * k,
                  r.body);
    }
    shadeEllipse(l, 25, 42, 9 * k, 11 * k, r.body);
    if (front) {
      for (int y = static_cast<int>(36); y < 52; ++y)
        for (int x = static_cast<int>(25 - 4 * k); x < 25 + 4 * k; ++x)
          if (l.get(x, y).a && (y % 3)) l.set(x, y, r.belly[2]);
      shadeEllipse(l, 25, 36 - 4 * k, 7 * k, 5.5 * k, r.body);
      l.set(static_cast<int>(25 - 3 * k), static_cast<int>(35 - 4 * k), rgb(0xfff060));
      l.set(static_cast<int>(25 + 3 * k), static_cast<int>(35 - 4 * k), rgb(0xfff060));
      if (r.open)
        fillEllipse(l, 25, 39 - 4 * k, 3 * k, 1.6 * k, rgb(0x500810));
      else
        line(l, static_cast<int>(25 - 3 * k), static_cast<int>(39 - 4 * k),
             static_cast<int>(25 + 3 * k), static_cast<int>(39 - 4 * k), r.body[0]);
    } else {
      shadeEllipse(l, 25, 31 - 2 * k, 6 * k, 5 * k, r.body);
    }
    if (r.horns)
      for (int s : {-1, 1})
        fillPoly(l,
                 {{25 + s * 3 * k, 31 - 5 * k},
                  {25 + s * 5 * k, 31 - 5 * k},
                  {25 + s * 8 * k, 23 - 5 * k}},
                 rgb(0xe8dcc0));
    if (r.plates)
      for (int i = 0; i < 4; ++i)
        fillPoly(l, {{23, 36.0 + i * 4}, {27, 36.0 + i * 4}, {25, 33.0 + i * 4}},
                 r.belly[front ? 0 : 1]);
  }
  if (r.spots) {
    Rng rng(7);
    for (int i = 0; i < 14; ++i) {
      const int x = rng.range(10, 42), y = rng.range(30, 50);
      if (l.get(x, y).a && l.get(x + 1, y).a) l.set(x, y, r.spot), l.set(x + 1, y, r.spot);
    }
  }
}

Figure brute(const Ramp& skin, const Ramp& top, const Ramp& legs) {
  Figure f;
  f.skin = skin;
  f.hair = skin;
  f.top = top;
  f.legs = legs;
  f.boots = Ramp{{legs[0], legs[0], legs[1], legs[2]}};
  f.belt = ramp(0x2a1a0c, 0x4a2e14, 0x6a4a24, 0x9a7a3a);
  f.bald = true;
  return f;
}

void humanoid(Image& l, std::string_view kind, Facing facing, int frame) {
  Figure f;
  f.facing = facing;
  f.step = frame == 2 ? 1 : -1;
  const bool side = facing == Facing::Right;
  auto weapon = [&](double angle, double len, const Ramp& r, double w) {
    shadeStroke(l, f.nearHandX, f.nearHandY, f.nearHandX + std::cos(angle) * len,
                f.nearHandY + std::sin(angle) * len, w, r);
  };
  const double up = side ? -kPi / 4 : -kPi / 2 - 0.3;
  if (kind == "OGRE") {
    f = brute(ramp(0x3a4a1a, 0x5a6a2a, 0x7a8a3a, 0xa0b058),
              ramp(0x3a4a1a, 0x5a6a2a, 0x7a8a3a, 0xa0b058),
              ramp(0x4a3420, 0x6a4a2c, 0x8a6440, 0xa88050));
    f.facing = facing, f.step = frame == 2 ? 1 : -1;
    f.k = 1.25, f.girth = 1.25, f.feet = 55;
    f.eyes = rgb(0xe0e040);
    drawFigure(l, f);
    shadeEllipse(l, 25 + (side ? 2 : 0), 38, 7, 5,
                 ramp(0x4a5a22, 0x6a7a32, 0x8a9a44, 0xb0c060));                   // belly
    fillRect(l, 17, 41, 16, 4, ramp(0x4a3420, 0x6a4a2c, 0x8a6440, 0xa88050)[1]);  // loincloth
    shadeStroke(l, f.nearHandX, f.nearHandY, f.nearHandX + (side ? 8 : -4), f.nearHandY - 14, 3,
                pal::kBark);
    shadeEllipse(l, f.nearHandX + (side ? 9 : -5), f.nearHandY - 15, 4, 4,
                 pal::kBark);  // club head
    if (facing == Facing::Front) {
      l.set(22, 27, rgb(0xf0f0e0)), l.set(28, 27, rgb(0xf0f0e0));  // tusks
    }
  } else if (kind == "DEMON" || kind == "DEMON LORD") {
    const bool lord = kind == "DEMON LORD";
    const Ramp red = lord ? ramp(0x3a0810, 0x601420, 0x8a2030, 0xc04a50)
                          : ramp(0x6a1010, 0x9a2018, 0xc83a24, 0xf07050);
    if (lord) {  // wings behind
      const double lift = frame == 2 ? -4 : 0;
      for (int s : {-1, 1})
        if (!side || s < 0)
          fillPoly(l,
                   {{25.0 + s * 4, 28},
                    {25.0 + s * 23, 10 + lift},
                    {25.0 + s * 20, 24 + lift},
                    {25.0 + s * 22, 34 + lift},
                    {25.0 + s * 6, 38}},
                   ramp(0x200408, 0x3a0a14, 0x5a1420, 0x7a2430)[1]);
    }
    f = brute(red, red, red);
    f.facing = facing, f.step = frame == 2 ? 1 : -1;
    f.horns = true;
    f.k = lord ? 1.2 : 1.0;
    f.eyes = rgb(0xfff040);
    f.belt = ramp(0x1a1010, 0x2a1a1a, 0x4a3a3a, 0x6a5a5a);
    drawFigure(l, f);
    // Tail with a barbed tip.
    const double tx = side ? 10 : 36, ty = 50;
    shadeStroke(l, 25, 44, tx, ty, 1.8, red);
    fillPoly(l, {{tx - 2, ty}, {tx + 2, ty}, {tx, ty + 3}}, red[0]);
    if (lord) {  // the hellish pitchfork
      const double x0 = f.nearHandX, y0 = f.nearHandY;
      shadeStroke(l, x0, y0 + 8, x0 + (side ? 6 : 0), y0 - 24, 2, pal::kBlack);
      const double tx2 = x0 + (side ? 6 : 0), ty2 = y0 - 24;
      for (int t = -1; t <= 1; ++t)
        shadeStroke(l, tx2 + t * 3, ty2, tx2 + t * 3, ty2 - 6, 1.4, pal::kFire);
      line(l, static_cast<int>(tx2 - 3), static_cast<int>(ty2), static_cast<int>(tx2 + 3),
           static_cast<int>(ty2), pal::kFire[1]);
    } else {
      for (int c = -1; c <= 1; ++c)
        l.set(static_cast<int>(f.nearHandX + c), static_cast<int>(f.nearHandY + 2), rgb(0xf0f0e0));
    }
  } else if (kind == "ZOMBIE") {
    // Sickly pale green skin and a faded blue shirt, so it shows on earth and grass alike.
    f = brute(ramp(0x4a6a46, 0x6e9464, 0x94b886, 0xc4e0ac),
              ramp(0x28324a, 0x3c4a64, 0x56687e, 0x7a8ca0),
              ramp(0x2a2a30, 0x3c3c46, 0x54545e, 0x70707a));
    f.facing = facing, f.step = frame == 2 ? 1 : -1;
    f.bald = false;
    f.hair = ramp(0x2a2a20, 0x3a3a2c, 0x4a4a38, 0x5a5a48);
    f.eyes = rgb(0xe02020);
    f.bob = frame == 2 ? -1 : 0;
    drawFigure(l, f);
    // Arms reach forward, and the clothes hang in tatters.
    if (!side) {
      shadeStroke(l, 18, 30, 16, 38 - (frame == 2 ? 3 : 0), 3, f.skin);
      shadeStroke(l, 32, 30, 34, 38 - (frame == 2 ? 0 : 3), 3, f.skin);
    } else {
      shadeStroke(l, 26, 30, 36, 31 + (frame == 2 ? 1 : 0), 3, f.skin);
    }
    for (int x = 19; x < 32; x += 3) l.set(x, 43, Px{}), l.set(x + 1, 44, f.top[0]);
    l.set(22, 34, rgb(0x6a1010)), l.set(27, 37, rgb(0x6a1010));
  } else if (kind == "THIEF") {
    f = brute(pal::kSkin, ramp(0x1a2a1a, 0x2a3e2a, 0x3e583c, 0x587a54),
              ramp(0x1e1e24, 0x2e2e38, 0x44444e, 0x5e5e6a));
    f.facing = facing, f.step = frame == 2 ? 1 : -1;
    f.bald = false, f.hood = true;
    f.hair = ramp(0x1a2a1a, 0x2a3e2a, 0x3e583c, 0x587a54);
    drawFigure(l, f);
    if (facing == Facing::Front) fillRect(l, 21, 24, 9, 2, rgb(0x181818));  // mask
    weapon(up, 8, pal::kSteel, 1.6);                                        // dagger
    shadeEllipse(l, side ? 17 : f.farHandX + 2, side ? 40 : f.farHandY + 2, 4, 3.5,
                 pal::kCloth);  // loot sack
    l.set(side ? 17 : static_cast<int>(f.farHandX + 2),
          side ? 40 : static_cast<int>(f.farHandY + 2), pal::kGold[3]);
  } else if (kind == "KNIGHT") {
    const Ramp black = ramp(0x101016, 0x22222c, 0x3a3a48, 0x6a6a80);
    f.skin = black, f.hair = black, f.top = black, f.legs = black, f.boots = black;
    f.belt = ramp(0x3a0a0a, 0x6a1414, 0x9a2020, 0xc84040);
    f.helmet = true;
    f.k = 1.1, f.girth = 1.1;
    drawFigure(l, f);
    fillPoly(l, {{25, 14}, {28, 10}, {30, 6}, {24, 12}}, pal::kRed[2]);  // plume
    // The axe.
    const double ax = f.nearHandX, ay = f.nearHandY;
    const double hx = ax + (side ? 6 : -2), hy = ay - 18;
    shadeStroke(l, ax, ay + 4, hx, hy, 2, pal::kBark);
    fillPoly(l,
             {{hx, hy - 2},
              {hx + (side ? 7 : -7), hy - 6},
              {hx + (side ? 8 : -8), hy + 4},
              {hx, hy + 3}},
             pal::kSteel[2]);
    line(l, static_cast<int>(hx + (side ? 7 : -7)), static_cast<int>(hy - 5),
         static_cast<int>(hx + (side ? 8 : -8)), static_cast<int>(hy + 3), pal::kSteel[3]);
  }
}

// Paints the opaque pixels of a flat shape with a ramp, lit from the upper left across
// [x0, x1], with a few darker folds running down.
void shadeShape(Image& l, const Image& shape, const Ramp& r, double x0, double x1, bool folds) {
  for (int y = 0; y < shape.h(); ++y)
    for (int x = 0; x < shape.w(); ++x) {
      if (!shape.get(x, y).a) continue;
      const double u = (x + 0.5 - x0) / std::max(1.0, x1 - x0);  // 0 left .. 1 right
      double lgt = 0.85 - 0.65 * u - y * 0.004;
      if (folds && y > 30 && (x * 7 + y / 9) % 6 == 0) lgt -= 0.3;
      l.set(x, y, litShade(r, lgt, x, y));
    }
}

// The shadow demons: a tall hooded cloak with a ragged hem, a black face with glowing eyes
// under the hood, and a great sword (the boss carries two and wears a horned hood).
void cloaked(Image& l, Facing f, int frame, bool boss) {
  const double k = boss ? 1.12 : 1.0;
  const Ramp cloak = boss ? ramp(0x1a1626, 0x2e2a44, 0x48446a, 0x6e6a96)
                          : ramp(0x2e2e36, 0x4c4c56, 0x6e6e7a, 0x9c9ca8);
  const Ramp blade = ramp(0x2a2a34, 0x5a5a6a, 0x9a9aae, 0xf0f0ff);
  const Px eye = boss ? rgb(0xff4040) : rgb(0x9ae8ff);
  const double bob = frame == 2 ? -1 : 0;
  const double sway = frame == 2 ? 1.5 : -1.5;
  if (boss) {  // an aura of shadow
    Px aura = rgb(0x6a30c0);
    aura.a = 80;
    fillEllipse(l, 25, 32, 20, 24, aura);
  }
  const bool side = f == Facing::Right, front = f == Facing::Front;
  const double top = 22 + bob, hem = 53.0;
  auto sword = [&](double hx, double hy, double tx, double ty) {
    shadeStroke(l, hx, hy, tx, ty, 3, blade);
    const double len = std::hypot(tx - hx, ty - hy);
    const double nx = -(ty - hy) / len, ny = (tx - hx) / len;
    const double gx = hx + (tx - hx) * 0.12, gy = hy + (ty - hy) * 0.12;
    thickLine(l, gx - nx * 3.5, gy - ny * 3.5, gx + nx * 3.5, gy + ny * 3.5, 1.6,
              rgb(0x20202a));  // the crossguard
    thickLine(l, hx, hy, hx - (tx - hx) / len * 4, hy - (ty - hy) / len * 4, 2,
              rgb(0x3a2a20));  // the grip
  };
  // A sword held behind the body is painted first.
  if (f == Facing::Rear) sword(33, 36 + bob, 36, 12 + bob);
  Image body(kTileW, kTileH);
  std::vector<Pt> shape;
  double x0, x1;
  if (side) {
    shape = {{22, top}, {29, top}, {31 * k, 38 + bob}, {33, hem}};
    for (int i = 0; i <= 6; ++i)  // the ragged hem, trailing behind
      shape.push_back({33 - i * 3.6, hem + ((i % 2) ? -3.0 : 0.0) + (i > 3 ? sway : 0)});
    shape.push_back({10 + sway, hem - 4});
    shape.push_back({17, 34 + bob});
    x0 = 10, x1 = 33;
  } else {
    shape = {{25 - 7 * k, top}, {25 + 7 * k, top}, {25 + 10 * k, 40 + bob}};
    for (int i = 0; i <= 8; ++i)
      shape.push_back({25 + 12 * k - i * 3 * k, hem + ((i % 2) ? -3.0 : 0.0) + (i % 3 ? 0 : sway)});
    shape.push_back({25 - 10 * k, 40 + bob});
    x0 = 25 - 12 * k, x1 = 25 + 12 * k;
  }
  fillPoly(body, shape, cloak[1]);
  // The hood, peaked.
  const double hx = side ? 25 : 25, hy = 17 + bob;
  fillEllipse(body, hx, hy, 6.5 * k, 7 * k, cloak[1]);
  fillPoly(body, {{hx - 4, hy - 4}, {hx + 4, hy - 4}, {side ? hx - 6 : hx, hy - 11 * k}}, cloak[1]);
  shadeShape(l, body, cloak, x0, x1, true);
  // Sleeves and the sword arm.
  if (side) {
    shadeStroke(l, 25, 27 + bob, 31, 36 + bob, 5, cloak);
    sword(33, 36 + bob, 45, 14 + bob);
    fillEllipse(l, 33, 36 + bob, 2, 2, rgb(0x101018));
  } else if (front) {
    shadeStroke(l, 25 + 7 * k, 26 + bob, 25 + 9 * k, 38 + bob, 5, cloak);
    shadeStroke(l, 25 - 7 * k, 26 + bob, 25 - 9 * k, 38 + bob, 5, cloak);
    if (boss) sword(25 - 9 * k, 39 + bob, 25 - 11 * k, 13 + bob);
    sword(25 + 9 * k, 39 + bob, 25 + 11 * k, 13 + bob);
  }
  // The face: darkness under the hood and two glowing eyes.
  if (front) {
    fillEllipse(l, 25, hy + 1.5, 4.2, 4.6, rgb(0x06040a));
    for (int s : {-1, 1}) {
      l.set(static_cast<int>(25 + s * 2 - (s > 0 ? 1 : 0)), static_cast<int>(hy + 1), eye);
      l.set(static_cast<int>(25 + s * 2 - (s > 0 ? 1 : 0)), static_cast<int>(hy + 2),
            scale(eye, 0.6));
    }
  } else if (side) {
    fillEllipse(l, hx + 4, hy + 1.5, 2.6, 4.4, rgb(0x06040a));
    l.set(static_cast<int>(hx + 5), static_cast<int>(hy + 1), eye);
    l.set(static_cast<int>(hx + 5), static_cast<int>(hy + 2), scale(eye, 0.6));
  }
  if (boss)  // the horned hood
    for (int s : {-1, 1}) {
      if (side && s > 0) continue;
      fillPoly(l, {{hx + s * 3, hy - 5}, {hx + s * 7, hy - 4}, {hx + s * 9, hy - 13}},
               rgb(0x8a60d0));
    }
}

// The bat flaps with its wings spread whichever way it flies; from the side the far wing is
// foreshortened and the head turns to show an ear, an eye and the fangs.
void bat(Image& l, Facing f, int frame) {
  const Ramp fur = ramp(0x24141c, 0x442834, 0x684252, 0x946878);
  const Ramp wing = ramp(0x24121a, 0x4a2836, 0x6e4050, 0x966474);
  const double up = frame == 2 ? 10 : 0;
  const double y0 = 26 + (frame == 2 ? 2 : 0);
  const bool side = f == Facing::Right;
  const double cx = side ? 23 : 25;
  for (int s : {-1, 1}) {
    const double w = side ? (s < 0 ? 0.95 : 0.7) : 1.0;  // the far wing is shorter
    const Ramp& r = wing;
    const int shade = f == Facing::Rear ? 2 : (side && s > 0 ? 0 : 1);
    fillPoly(l,
             {{cx + s * 3, y0 - 2},
              {cx + s * 22 * w, y0 - 12 + up},
              {cx + s * 20 * w, y0 + 2 + up * 0.5},
              {cx + s * 15 * w, y0 - 2 + up * 0.5},
              {cx + s * 11 * w, y0 + 6},
              {cx + s * 4, y0 + 5}},
             r[shade]);
    for (int i = 0; i < 3; ++i)  // the finger bones
      line(l, static_cast<int>(cx + s * 3), static_cast<int>(y0),
           static_cast<int>(cx + s * (22 - i * 4) * w), static_cast<int>(y0 - 12 + up + i * 5),
           r[shade + 1 > 3 ? 3 : shade + 2]);
  }
  shadeEllipse(l, cx, y0 + 2, 5.5, 6.5, fur);
  const double hx = side ? cx + 4 : cx;
  shadeEllipse(l, hx, y0 - 4, 4.2, 3.8, fur);
  for (int s : {-1, 1}) {
    if (side && s > 0) continue;
    const double ex = side ? hx - 1 : hx;
    fillPoly(l, {{ex + s * 1, y0 - 6}, {ex + s * 4, y0 - 6}, {ex + s * 4, y0 - 12}}, fur[2]);
  }
  const Px red = rgb(0xff3838), fang = rgb(0xffffff);
  if (f == Facing::Front) {
    l.set(23, static_cast<int>(y0) - 4, red), l.set(26, static_cast<int>(y0) - 4, red);
    l.set(24, static_cast<int>(y0) - 2, fang), l.set(26, static_cast<int>(y0) - 2, fang);
  } else if (side) {
    fillPoly(l, {{hx + 3, y0 - 5}, {hx + 7, y0 - 3}, {hx + 3, y0 - 1}}, fur[1]);  // snout
    l.set(static_cast<int>(hx + 2), static_cast<int>(y0) - 5, red);
    l.set(static_cast<int>(hx + 5), static_cast<int>(y0) - 1, fang);
  }
}

void crawler(Image& l, std::string_view kind, Facing f, int frame) {
  const bool beetle = kind == "BEETLE";
  const bool ice = kind == "ICE PLATER";
  // The plater is a sandy brown beast under a dark iron plate; its ice kin a deep frosty blue
  // under a plate of ice, so both stand out from grass and snow.
  const Ramp shell = beetle ? ramp(0x0c1020, 0x1a2240, 0x2a3a6a, 0x7a9ad8)
                     : ice  ? ramp(0x16345e, 0x285a94, 0x4684c4, 0x9ad0f8)
                            : ramp(0x5a3a1c, 0x8a5c2e, 0xb88444, 0xe4b874);
  const Ramp plate = ice ? ramp(0x6890c0, 0xa8d0f0, 0xd8f0ff, 0xffffff)
                         : ramp(0x26282e, 0x464a54, 0x747a86, 0xbcc4d0);
  const Ramp head = ice ? ramp(0x1e4070, 0x3468a4, 0x5a94d0, 0xa8dcff)
                        : ramp(0x6a4424, 0x9a6a38, 0xc8945a, 0xf0c890);
  const int step = frame == 2 ? 1 : -1;
  const Ramp leg = beetle ? ramp(0x080a14, 0x141a30, 0x222c4a, 0x3a4a70)
                          : Ramp{{shell[0], shell[0], shell[1], shell[2]}};
  if (f == Facing::Right) {
    for (int i = 0; i < 3; ++i) {
      const double x = 16 + i * 8;
      shadeStroke(l, x, 42, x + (((i + (step > 0 ? 1 : 0)) % 2) ? 3 : -3), 53, 2, leg);
    }
    shadeEllipse(l, 24, 38, 15, 10, shell);
    if (beetle) {
      line(l, 14, 34, 34, 34, shell[0]);
      shadeEllipse(l, 40, 40, 5, 4.5, leg);
      fillPoly(l, {{43, 38}, {50, 36.0 + step}, {45, 41}}, rgb(0x30281e));
      fillPoly(l, {{43, 42}, {50, 45.0 - step}, {45, 43}}, rgb(0x30281e));
    } else {
      shadeEllipse(l, 40, 42, 6, 5, head);
      shadeEllipse(l, 38, 33, 8, 3.5, plate);  // the plate on its head
      l.set(43, 41, rgb(0x101010));
      fillRect(l, 44, 44, 3, 1, rgb(0x501010));
    }
  } else {
    const bool front = f == Facing::Front;
    for (int s : {-1, 1})
      for (int i = 0; i < 3; ++i) {
        const double y = 34 + i * 6;
        shadeStroke(l, 25 + s * 10, y, 25 + s * 19,
                    y + 4 + (((i + (step > 0 ? 1 : 0)) % 2) ? 2 : -2), 2, leg);
      }
    shadeEllipse(l, 25, 38, 13, 14, shell);
    if (beetle) {
      line(l, 25, 26, 25, 52, shell[0]);
      if (front) {
        shadeEllipse(l, 25, 49, 6, 4.5, leg);
        fillPoly(l, {{21, 51}, {15, 56.0 + step}, {22, 53}}, rgb(0x30281e));
        fillPoly(l, {{29, 51}, {35, 56.0 - step}, {28, 53}}, rgb(0x30281e));
        l.set(23, 48, rgb(0xff6020)), l.set(27, 48, rgb(0xff6020));
      }
    } else {
      const double hy = front ? 48 : 28;
      shadeEllipse(l, 25, hy, 7, 5, head);
      shadeEllipse(l, 25, hy - 3, 10, 4, plate);
      if (front) {
        l.set(22, static_cast<int>(hy) + 1, rgb(0x101010)),
            l.set(28, static_cast<int>(hy) + 1, rgb(0x101010));
        fillRect(l, 23, static_cast<int>(hy) + 3, 5, 1, rgb(0x501010));
      }
    }
    if (ice)
      for (int i = 0; i < 5; ++i)
        fillPoly(l, {{17.0 + i * 4, 30}, {20.0 + i * 4, 30}, {18.5 + i * 4, 23}}, plate[3]);
  }
}

void ghost(Image& l, Facing f, int frame) {
  // The ghost: a pale hooded shape that thins into a wisp, hovering.
  const double hover = frame == 2 ? -2 : 0;
  Px aura = rgb(0x8040d8);
  aura.a = 110;
  fillEllipse(l, 25, 30 + hover, 19, 24, aura);
  const Ramp pale = ramp(0x7a88a8, 0xa8b4cc, 0xd0d8e8, 0xf4f8ff);
  Image body(kTileW, kTileH);
  for (int y = 8; y < 54; ++y) {
    const double t = (y - 8) / 46.0;
    const double half = 12 * std::sin(std::min(1.0, t * 1.6) * kPi * 0.55) * (1.0 - 0.55 * t);
    const double sway = std::sin(t * 6 + frame) * 3 * t;
    for (int x = static_cast<int>(25 + sway - half); x < 25 + sway + half; ++x) {
      const double u = (x + 0.5 - 25 - sway) / std::max(half, 1.0);
      body.set(x, static_cast<int>(y + hover), litShade(pale, 0.8 - 0.5 * u - t * 0.3, x, y));
    }
  }
  // Arms reaching out.
  const double reach = frame == 2 ? 3 : 0;
  if (f != Facing::Right) {
    shadeStroke(body, 16, 24 + hover, 7 - reach, 30 + hover, 3, pale);
    shadeStroke(body, 34, 24 + hover, 43 + reach, 30 + hover, 3, pale);
  } else {
    shadeStroke(body, 26, 24 + hover, 40 + reach, 27 + hover, 3, pale);
  }
  for (int y = 0; y < body.h(); ++y)
    for (int x = 0; x < body.w(); ++x) {
      Px p = body.get(x, y);
      if (p.a) p.a = 225;
      body.set(x, y, p);
    }
  composite(l, body);
  if (f == Facing::Front) {
    fillEllipse(l, 25, 18 + hover, 6, 6.5, rgb(0x140a20));
    fillEllipse(l, 22.5, 17 + hover, 1.3, 1.6, rgb(0xff40ff));
    fillEllipse(l, 27.5, 17 + hover, 1.3, 1.6, rgb(0xff40ff));
  } else if (f == Facing::Right) {
    fillEllipse(l, 29, 18 + hover, 4, 5.5, rgb(0x140a20));
    fillEllipse(l, 30.5, 17 + hover, 1.2, 1.5, rgb(0xff40ff));
  }
}

void draw(Image& l, std::string_view kind, Facing f, int frame) {
  if (kind == "WYVERN") {
    // Violet with a cream belly: it must not melt into the grass it hunts in.
    Reptile r{ramp(0x36184e, 0x582a7a, 0x7e46a8, 0xb482dc),
              ramp(0x8a7a50, 0xb8a870, 0xe0d098, 0xf8f0c0)};
    r.wings = true, r.k = 0.88, r.open = frame == 2;
    r.wing = ramp(0x24103a, 0x44206a, 0x66388e, 0x9468be);
    reptile(l, r, f, frame);
  } else if (kind == "NEWT" || kind == "SALAMANDER") {
    const bool sal = kind == "SALAMANDER";
    Reptile r{sal ? ramp(0x141418, 0x24242c, 0x383844, 0x5a5a6a)
                  : ramp(0x6a1410, 0x9a2418, 0xc84028, 0xf07a50),
              sal ? ramp(0x8a6a10, 0xc0a020, 0xe8c830, 0xfff070)
                  : ramp(0xa05a20, 0xd08030, 0xf0a850, 0xffd090)};
    r.spots = true, r.spot = sal ? rgb(0xf0d030) : rgb(0xf8a040);
    r.k = sal ? 0.95 : 0.85, r.open = sal || frame == 2;
    r.horns = sal;
    reptile(l, r, f, frame);
  } else if (kind == "DRAGON") {
    Reptile r{ramp(0x5a1008, 0x8a2010, 0xb83a18, 0xe87040),
              ramp(0x8a6a20, 0xc09030, 0xe8c050, 0xfff090)};
    r.wings = true, r.plates = true, r.horns = true, r.k = 1.15, r.open = frame == 2;
    r.wing = ramp(0x3a0a08, 0x6a1a10, 0x8a2a18, 0xb04a30);
    reptile(l, r, f, frame);
    if (frame == 2 && f != Facing::Rear) {  // a lick of flame from the jaws
      const double x = f == Facing::Right ? 47 : 25, y = f == Facing::Right ? 31 : 37;
      fillEllipse(l, x, y, 2.5, 2, pal::kFire[2]);
      l.set(static_cast<int>(x), static_cast<int>(y), pal::kFire[3]);
    }
  } else if (kind == "BAT")
    bat(l, f, frame);
  else if (kind == "PLATER" || kind == "ICE PLATER" || kind == "BEETLE")
    crawler(l, kind, f, frame);
  else if (kind == "VEV")
    ghost(l, f, frame);
  else if (kind == "SHADOW DEMON" || kind == "SHADOW BOSS")
    cloaked(l, f, frame, kind == "SHADOW BOSS");
  else
    humanoid(l, kind, f, frame);
}

// A thin lit rim along the top and left of the silhouette, where the light falls, so dark
// creatures still part from a dark cave floor.
void rimLight(Image& l) {
  const Image src = l;
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x) {
      const Px p = src.get(x, y);
      if (p.a < 200) continue;
      if (src.get(x - 1, y).a < 128 || src.get(x, y - 1).a < 128) {
        Px lit = mix(p, rgb(0xfff4e0), 0.35);
        lit.a = p.a;
        l.set(x, y, lit);
      }
    }
}

}  // namespace

const std::vector<std::string>& monsterKinds() {
  static const std::vector<std::string> kinds = {
      "WYVERN", "OGRE",         "DEMON",      "DEMON LORD",  "PLATER", "NEWT",
      "ZOMBIE", "BAT",          "DRAGON",     "THIEF",       "BEETLE", "SALAMANDER",
      "KNIGHT", "SHADOW DEMON", "ICE PLATER", "SHADOW BOSS", "VEV"};
  return kinds;
}

const char* facingWord(Facing f) {
  switch (f) {
    case Facing::Front:
      return "FRONT";
    case Facing::Rear:
      return "REAR";
    case Facing::Left:
      return "LEFT";
    case Facing::Right:
      return "RIGHT";
  }
  return "FRONT";
}

Image monsterLayer(std::string_view kind, Facing facing, int frame) {
  Image l(kTileW, kTileH);
  draw(l, kind, facing == Facing::Left ? Facing::Right : facing, frame);
  if (facing == Facing::Left) mirrorX(l);
  rimLight(l);
  outline(l);
  return l;
}

Image paintMonster(Ground g, std::string_view kind, Facing facing, int frame) {
  Image img = paintGround(g);
  const bool flyer = kind == "BAT" || kind == "VEV";
  darken(img, 26, flyer ? 52 : 51, flyer ? 8 : 13, 3, flyer ? 0.22 : 0.32);
  composite(img, monsterLayer(kind, facing, frame));
  return img;
}

Image paintMonsterAttack(Ground g, std::string_view kind) {
  Image img = paintGround(g);
  darken(img, 26, 52, 13, 3, 0.32);
  Image l = monsterLayer(kind, Facing::Front, 2);
  // Lunge toward the viewer.
  composite(img, l, 0, 2);
  if (kind == "DRAGON") {  // a gout of fire
    for (int i = 0; i < 9; ++i) {
      const double y = 40 + i * 2.0, w = 2 + i * 1.2;
      fillEllipse(img, 25 + std::sin(i) * 1.5, y, w, 2.2,
                  i < 3   ? pal::kFire[3]
                  : i < 6 ? pal::kFire[2]
                          : pal::kFire[1]);
    }
  } else if (kind == "VEV" || kind == "SHADOW BOSS") {  // dark bolts
    for (int s : {-1, 1}) {
      thickLine(img, 25 + s * 6, 30, 25 + s * 12, 40, 2, rgb(0xc080ff));
      thickLine(img, 25 + s * 12, 40, 25 + s * 8, 48, 2, rgb(0xc080ff));
      thickLine(img, 25 + s * 8, 48, 25 + s * 14, 56, 1.5, rgb(0xffffff));
    }
  }
  // Claw-slash streaks: every attack reads as a blow.
  for (int i = 0; i < 3; ++i) {
    const double x = 30 + i * 4;
    thickLine(img, x, 34 + i, x + 9, 46 + i, 1.6, rgb(0xffffff));
    thickLine(img, x + 1, 35 + i, x + 9, 46 + i, 0.8, rgb(0xff3030));
  }
  return img;
}

}  // namespace tq::art
