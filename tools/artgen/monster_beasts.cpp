// Beasts: the reptiles (wyvern, newts, dragon), the crawlers (platers, beetle) and the bat, each
// walking in four facings and with its own blow: reptiles lunge, crawlers and the bat bite.
#include <cmath>

#include "monster_painters.h"
#include "noise.h"
#include "palette.h"
#include "shade.h"

namespace tq::art {

namespace {

struct Reptile {
  Ramp body, belly;
  double k = 1.0;
  bool wings = false, plates = false, horns = false, spots = false, open = false, fire = false;
  Ramp wing = Ramp(0, 0, 0, 0);
  Px spot = Rgb(0);
};

Reptile ReptileOf(std::string_view kind, int frame) {
  if (kind == "WYVERN") {
    // Violet with a cream belly: it must not melt into the grass it hunts in.
    Reptile r{Ramp(0x36184e, 0x582a7a, 0x7e46a8, 0xb482dc),
              Ramp(0x8a7a50, 0xb8a870, 0xe0d098, 0xf8f0c0)};
    r.wings = true, r.k = 0.88, r.open = frame == 2;
    r.wing = Ramp(0x24103a, 0x44206a, 0x66388e, 0x9468be);
    return r;
  }
  if (kind == "DRAGON") {
    Reptile r{Ramp(0x5a1008, 0x8a2010, 0xb83a18, 0xe87040),
              Ramp(0x8a6a20, 0xc09030, 0xe8c050, 0xfff090)};
    r.wings = true, r.plates = true, r.horns = true, r.k = 1.15, r.open = frame == 2;
    r.fire = true;
    r.wing = Ramp(0x3a0a08, 0x6a1a10, 0x8a2a18, 0xb04a30);
    return r;
  }
  // The salamander is blue-black with a yellow belly and spots, so it stays a shape of its own
  // on the dark cave earth; the newt is a bright orange-red.
  const bool sal = kind == "SALAMANDER";
  Reptile r{sal ? Ramp(0x0a0a12, 0x16162a, 0x2c3060, 0x5a64a8)
                : Ramp(0x6a1410, 0x9a2418, 0xc84028, 0xf07a50),
            sal ? Ramp(0x8a6a10, 0xc0a020, 0xe8c830, 0xfff070)
                : Ramp(0xa05a20, 0xd08030, 0xf0a850, 0xffd090)};
  r.spots = true, r.spot = sal ? Rgb(0xf0d030) : Rgb(0xf8a040);
  r.k = sal ? 0.95 : 0.85, r.open = sal || frame == 2;
  r.horns = sal;
  return r;
}

void ReptileWings(Image& l, const Reptile& r, Facing f, double up) {
  const double k = r.k;
  if (f == Facing::Right) {
    FillPoly(l, {{22, 34}, {30, 34}, {26 - 6 * k, 12 * (2 - k) + up}, {14 - 4 * k, 18 + up}},
             r.wing[1]);
    for (int i = 0; i < 3; ++i)
      Line(l, 26, 34, static_cast<int>(14 - 4 * k + i * 6), static_cast<int>(18 + up - i * 2),
           r.wing[0]);
    return;
  }
  for (int s : {-1, 1}) {
    FillPoly(l,
             {{25.0 + s * 4, 32},
              {25.0 + s * 22 * k, 18 + up},
              {25.0 + s * 24 * k, 30 + up * 0.5},
              {25.0 + s * 14 * k, 38}},
             r.wing[f == Facing::Rear ? 2 : 1]);
    for (int i = 0; i < 3; ++i)
      Line(l, static_cast<int>(25 + s * 4), 32, static_cast<int>(25 + s * (14 + i * 5) * k),
           static_cast<int>(38 - i * 9 + up * 0.5), r.wing[0]);
  }
}

void Claws(Image& l, double x, double y, int dir) {
  for (int i = -1; i <= 1; ++i)
    FillPoly(l, {{x + i * 2.0, y}, {x + i * 2.0 + 1.2, y}, {x + i * 2.6 + dir * 0.6, y + 3.2}},
             Rgb(0xf4ecd8));
}

// The pale belly scales down the middle of a body seen from the front, from row `top`.
void BellyScales(Image& l, const Reptile& r, int top) {
  for (int y = top; y < 52; ++y)
    for (int x = static_cast<int>(25 - 4 * r.k); x < 25 + 4 * r.k; ++x)
      if (l.get(x, y).a && (y % 3)) l.set(x, y, r.belly[2]);
}

// Two pale horns seen from the front: the right one's corners given, the left its mirror.
void HornPair(Image& l, Pt root, Pt back, Pt tip) {
  for (int s : {-1, 1})
    FillPoly(l, {{25 + s * root.x, root.y}, {25 + s * back.x, back.y}, {25 + s * tip.x, tip.y}},
             Rgb(0xe8dcc0));
}

// The lunge: the head thrust at the viewer with the jaws wide, the fore claws up, the wings
// (if any) thrown high, and fire from the dragon's throat.
void ReptileLunge(Image& l, const Reptile& r) {
  const double k = r.k;
  if (r.wings) ReptileWings(l, r, Facing::Front, -10);
  for (int s : {-1, 1}) {  // hind legs braced wide
    ShadeStroke(l, 25 + s * 8 * k, 46, 25 + s * 14 * k, 54, 3.5 * k, r.body);
    Claws(l, 25 + s * 14 * k, 53.5, s);
  }
  ShadeEllipse(l, 25, 43, 9 * k, 10 * k, r.body);
  BellyScales(l, r, 38);
  for (int s : {-1, 1}) {  // fore legs raised, claws out
    ShadeStroke(l, 25 + s * 7 * k, 38, 25 + s * 16 * k, 33, 3.5 * k, r.body);
    Claws(l, 25 + s * 17 * k, 32, s);
  }
  if (r.horns) HornPair(l, {4 * k, 30 - 5 * k}, {6 * k, 31 - 5 * k}, {10 * k, 21 - 5 * k});
  // The head, close and low, its jaws wide open.
  const double hy = 35 - 2 * k;
  ShadeEllipse(l, 25, hy, 8.5 * k, 6.5 * k, r.body);
  FillEllipse(l, 25, hy + 3.5 * k, 5.5 * k, 3.6 * k, Rgb(0x3a0610));
  FillEllipse(l, 25, hy + 4.5 * k, 3.5 * k, 2 * k, Rgb(0x8a1a2a));  // the tongue
  Teeth(l, 25 - 4.5 * k, 25 + 4.5 * k, hy + 1 * k, true);
  Teeth(l, 25 - 4 * k, 25 + 4 * k, hy + 6.5 * k, false);
  for (int s : {-1, 1}) {  // narrowed eyes under a hard brow
    const int ex = static_cast<int>(25 + s * 4 * k), ey = static_cast<int>(hy - 3 * k);
    l.set(ex, ey, Rgb(0xfff060)), l.set(ex - s, ey, Rgb(0xfff060));
    Line(l, ex - 2 * s, ey - 2, ex + s, ey - 1, r.body[0]);
  }
  if (r.spots) {
    Rng rng(7);
    for (int i = 0; i < 10; ++i) {
      const int x = rng.Range(12, 40), y = rng.Range(36, 52);
      if (l.get(x, y).a && l.get(x + 1, y).a && l.get(x, y) != r.belly[2])
        l.set(x, y, r.spot), l.set(x + 1, y, r.spot);
    }
  }
  if (r.fire)  // a gout of fire rolling out at the viewer
    for (int i = 0; i < 7; ++i) {
      const double y = hy + 6 + i * 2.2, w = 2.5 + i * 1.4;
      FillEllipse(l, 25 + std::sin(i * 1.3) * 1.5, y, w, 2.3,
                  i < 2   ? kFire[3]
                  : i < 5 ? kFire[2]
                          : kFire[1]);
    }
}

// Walking seen from the side, facing right: the tail trailing, the head on a raised neck.
void ReptileSide(Image& l, const Reptile& r, int step) {
  const double k = r.k;
  ShadeStroke(l, 25 - 8 * k, 42, 25 - 20 * k, 50 + step, 5 * k, r.body);  // tail
  ShadeStroke(l, 25 - 20 * k, 50 + step, 4, 48, 2.5, r.body);
  for (int s : {-1, 1}) {
    ShadeStroke(l, 25 + s * 6 * k, 43, 25 + s * 6 * k + step * s * 2, 52, 3.2 * k, r.body);
    ShadeStroke(l, 25 + s * 6 * k - 2, 43, 25 + s * 6 * k - 2 - step * s * 2, 51, 3 * k,
                r.body.Darker());
  }
  ShadeEllipse(l, 25, 41, 12 * k, 7 * k, r.body);
  for (int x = static_cast<int>(25 - 10 * k); x < 25 + 10 * k; ++x)
    l.set(x, static_cast<int>(46 + 1.5 * k), r.belly[2]);
  ShadeStroke(l, 25 + 9 * k, 39, 25 + 14 * k, 34 - 2 * k, 6 * k, r.body);  // neck
  ShadeEllipse(l, 25 + 17 * k, 33 - 2 * k, 6 * k, 4.5 * k, r.body);
  if (r.open)
    FillPoly(l, {{25 + 15 * k, 35 - 2 * k}, {25 + 23 * k, 33 - 2 * k}, {25 + 22 * k, 38 - 2 * k}},
             Rgb(0x500810));
  l.set(static_cast<int>(25 + 18 * k), static_cast<int>(31 - 2 * k), Rgb(0xfff060));
  l.set(static_cast<int>(25 + 18 * k), static_cast<int>(32 - 2 * k), Rgb(0x100808));
  if (r.horns)
    FillPoly(l, {{25 + 13 * k, 30 - 2 * k}, {25 + 15 * k, 30 - 2 * k}, {25 + 10 * k, 22 - 2 * k}},
             Rgb(0xe8dcc0));
  if (r.plates)
    for (int i = 0; i < 5; ++i) {
      const double x = 25 - 9 * k + i * 4.5 * k;
      FillPoly(l, {{x - 2, 35.0 - k * 2}, {x + 2, 35.0 - k * 2}, {x, 29.0 - k * 2}}, r.belly[1]);
    }
}

// Walking toward the viewer or away: the legs splay to both sides, the tail shows from behind.
void ReptileFrontOrRear(Image& l, const Reptile& r, bool front, int step) {
  const double k = r.k;
  if (!front) {  // the tail swings toward the viewer
    ShadeStroke(l, 25, 44, 25 + step * 3, 53, 5 * k, r.body);
    ShadeStroke(l, 25 + step * 3, 53, 25 + step * 7, 56, 2.5, r.body);
  }
  for (int s : {-1, 1}) {
    ShadeStroke(l, 25 + s * 8 * k, 36, 25 + s * 12 * k, 44 + (s == step ? -2 : 0), 3.5 * k, r.body);
    ShadeStroke(l, 25 + s * 8 * k, 46, 25 + s * 12 * k, 53 + (s == step ? -2 : 0), 3.5 * k, r.body);
  }
  ShadeEllipse(l, 25, 42, 9 * k, 11 * k, r.body);
  if (front) {
    BellyScales(l, r, 36);
    ShadeEllipse(l, 25, 36 - 4 * k, 7 * k, 5.5 * k, r.body);
    l.set(static_cast<int>(25 - 3 * k), static_cast<int>(35 - 4 * k), Rgb(0xfff060));
    l.set(static_cast<int>(25 + 3 * k), static_cast<int>(35 - 4 * k), Rgb(0xfff060));
    if (r.open)
      FillEllipse(l, 25, 39 - 4 * k, 3 * k, 1.6 * k, Rgb(0x500810));
    else
      Line(l, static_cast<int>(25 - 3 * k), static_cast<int>(39 - 4 * k),
           static_cast<int>(25 + 3 * k), static_cast<int>(39 - 4 * k), r.body[0]);
  } else {
    ShadeEllipse(l, 25, 31 - 2 * k, 6 * k, 5 * k, r.body);
  }
  if (r.horns) HornPair(l, {3 * k, 31 - 5 * k}, {5 * k, 31 - 5 * k}, {8 * k, 23 - 5 * k});
  if (r.plates)
    for (int i = 0; i < 4; ++i)
      FillPoly(l, {{23, 36.0 + i * 4}, {27, 36.0 + i * 4}, {25, 33.0 + i * 4}},
               r.belly[front ? 0 : 1]);
}

void ReptileWalk(Image& l, const Reptile& r, Facing f, int frame) {
  const int step = frame == 2 ? 1 : -1;
  if (r.wings) ReptileWings(l, r, f, frame == 2 ? -6 : 0);
  if (f == Facing::Right)
    ReptileSide(l, r, step);
  else
    ReptileFrontOrRear(l, r, f == Facing::Front, step);
  if (r.spots) {
    Rng rng(7);
    for (int i = 0; i < 14; ++i) {
      const int x = rng.Range(10, 42), y = rng.Range(30, 50);
      if (l.get(x, y).a && l.get(x + 1, y).a) l.set(x, y, r.spot), l.set(x + 1, y, r.spot);
    }
  }
  if (r.fire && frame == 2 && f != Facing::Rear) {  // a lick of flame from the jaws
    const double x = f == Facing::Right ? 47 : 25, y = f == Facing::Right ? 31 : 37;
    FillEllipse(l, x, y, 2.5, 2, kFire[2]);
    l.set(static_cast<int>(x), static_cast<int>(y), kFire[3]);
  }
}

struct Crawler {
  Ramp shell, plate, head, leg;
  bool beetle = false, ice = false;
};

Crawler CrawlerOf(std::string_view kind) {
  Crawler c;
  c.beetle = kind == "BEETLE";
  c.ice = kind == "ICE PLATER";
  // The plater is a rust-orange beast under a blued iron plate; its ice kin a deep frosty blue
  // under a plate of ice; the beetle a blue-black shell. Each stands off every floor.
  c.shell = c.beetle ? Ramp(0x0c1020, 0x1a2240, 0x2a3a6a, 0x7a9ad8)
            : c.ice  ? Ramp(0x16345e, 0x285a94, 0x4684c4, 0x9ad0f8)
                     : Ramp(0x5a1a08, 0x9a3a10, 0xd0641c, 0xf8a050);
  c.plate = c.ice ? Ramp(0x6890c0, 0xa8d0f0, 0xd8f0ff, 0xffffff)
                  : Ramp(0x1c2a4a, 0x34466e, 0x5a6e9a, 0xa0b4dc);
  c.head = c.ice ? Ramp(0x1e4070, 0x3468a4, 0x5a94d0, 0xa8dcff)
                 : Ramp(0x6a2a10, 0xa84a1c, 0xe07a34, 0xffb070);
  c.leg = c.beetle ? Ramp(0x080a14, 0x141a30, 0x222c4a, 0x3a4a70) : c.shell.Darker();
  return c;
}

// The bite: the front end reared up at the viewer, fore legs raised, mandibles or maw open.
void CrawlerBite(Image& l, const Crawler& c) {
  for (int s : {-1, 1}) {
    for (int i = 1; i < 3; ++i) {  // the hind legs hold the ground
      const double y = 36 + i * 6;
      ShadeStroke(l, 25 + s * 10, y, 25 + s * 19, y + 6, 2, c.leg);
    }
    ShadeStroke(l, 25 + s * 9, 36, 25 + s * 18, 27, 2.2, c.leg);  // fore legs raised
    ShadeStroke(l, 25 + s * 18, 27, 25 + s * 21, 31, 1.8, c.leg);
  }
  ShadeEllipse(l, 25, 38, 13, 13, c.shell);
  if (c.beetle) {
    Line(l, 25, 26, 25, 44, c.shell[0]);
    ShadeEllipse(l, 25, 47, 7, 5.5, c.leg);
    for (int s : {-1, 1}) {  // the mandibles, spread wide, horn-pale
      FillPoly(l,
               {{25 + s * 3.0, 48}, {25 + s * 13.0, 47}, {25 + s * 12.0, 55}, {25 + s * 9.0, 51}},
               Rgb(0xc8a46a));
      FillPoly(l, {{25 + s * 13.0, 47}, {25 + s * 12.0, 55}, {25 + s * 5.0, 54}}, Rgb(0xf0d8a0));
    }
    l.set(22, 45, Rgb(0xff6020)), l.set(28, 45, Rgb(0xff6020));
    l.set(23, 45, Rgb(0xffa060)), l.set(27, 45, Rgb(0xffa060));
    return;
  }
  // Platers: the plated head thrust forward, the maw wide and toothed.
  ShadeEllipse(l, 25, 47, 9, 7, c.head);
  ShadeEllipse(l, 25, 41, 12, 4.5, c.plate);
  FillEllipse(l, 25, 50, 6, 3.6, Rgb(0x3a0610));
  Teeth(l, 20, 30, 47.5, true);
  Teeth(l, 21, 29, 53, false);
  l.set(20, 45, Rgb(0x101010)), l.set(30, 45, Rgb(0x101010));
  if (c.ice)
    for (int i = 0; i < 5; ++i)
      FillPoly(l, {{17.0 + i * 4, 30}, {20.0 + i * 4, 30}, {18.5 + i * 4, 22}}, c.plate[3]);
}

void CrawlerWalk(Image& l, const Crawler& c, Facing f, int frame) {
  const int step = frame == 2 ? 1 : -1;
  if (f == Facing::Right) {
    for (int i = 0; i < 3; ++i) {
      const double x = 16 + i * 8;
      ShadeStroke(l, x, 42, x + (((i + (step > 0 ? 1 : 0)) % 2) ? 3 : -3), 53, 2, c.leg);
    }
    ShadeEllipse(l, 24, 38, 15, 10, c.shell);
    if (c.beetle) {
      Line(l, 14, 34, 34, 34, c.shell[0]);
      ShadeEllipse(l, 40, 40, 5, 4.5, c.leg);
      FillPoly(l, {{43, 38}, {50, 36.0 + step}, {45, 41}}, Rgb(0x30281e));
      FillPoly(l, {{43, 42}, {50, 45.0 - step}, {45, 43}}, Rgb(0x30281e));
    } else {
      ShadeEllipse(l, 40, 42, 6, 5, c.head);
      ShadeEllipse(l, 38, 33, 8, 3.5, c.plate);  // the plate on its head
      l.set(43, 41, Rgb(0x101010));
      FillRect(l, 44, 44, 3, 1, Rgb(0x501010));
    }
    return;
  }
  const bool front = f == Facing::Front;
  for (int s : {-1, 1})
    for (int i = 0; i < 3; ++i) {
      const double y = 34 + i * 6;
      ShadeStroke(l, 25 + s * 10, y, 25 + s * 19, y + 4 + (((i + (step > 0 ? 1 : 0)) % 2) ? 2 : -2),
                  2, c.leg);
    }
  ShadeEllipse(l, 25, 38, 13, 14, c.shell);
  if (c.beetle) {
    Line(l, 25, 26, 25, 52, c.shell[0]);
    if (front) {
      ShadeEllipse(l, 25, 49, 6, 4.5, c.leg);
      FillPoly(l, {{21, 51}, {15, 56.0 + step}, {22, 53}}, Rgb(0x30281e));
      FillPoly(l, {{29, 51}, {35, 56.0 - step}, {28, 53}}, Rgb(0x30281e));
      l.set(23, 48, Rgb(0xff6020)), l.set(27, 48, Rgb(0xff6020));
    }
  } else {
    const double hy = front ? 48 : 28;
    ShadeEllipse(l, 25, hy, 7, 5, c.head);
    ShadeEllipse(l, 25, hy - 3, 10, 4, c.plate);
    if (front) {
      l.set(22, static_cast<int>(hy) + 1, Rgb(0x101010)),
          l.set(28, static_cast<int>(hy) + 1, Rgb(0x101010));
      FillRect(l, 23, static_cast<int>(hy) + 3, 5, 1, Rgb(0x501010));
    }
  }
  if (c.ice)
    for (int i = 0; i < 5; ++i)
      FillPoly(l, {{17.0 + i * 4, 30}, {20.0 + i * 4, 30}, {18.5 + i * 4, 23}}, c.plate[3]);
}

// The bat's bite, swooping at the viewer: wings swept forward, jaws wide and feet out.
void BatSwoop(Image& l, const Ramp& fur, const Ramp& wing) {
  const Px red = Rgb(0xff3838);
  for (int s : {-1, 1}) {
    FillPoly(l,
             {{25 + s * 4.0, 24},
              {25 + s * 21.0, 12},
              {25 + s * 23.0, 30},
              {25 + s * 18.0, 40},
              {25 + s * 14.0, 34},
              {25 + s * 10.0, 42},
              {25 + s * 5.0, 36}},
             wing[1]);
    for (int i = 0; i < 3; ++i)
      Line(l, static_cast<int>(25 + s * 4), 26, static_cast<int>(25 + s * (21 - i * 3.5)),
           12 + i * 10, wing[3]);
    ShadeStroke(l, 25 + s * 3, 38, 25 + s * 6, 46, 1.6, fur);  // feet reaching out
    Claws(l, 25 + s * 6, 45.5, s);
  }
  ShadeEllipse(l, 25, 32, 7, 8, fur);
  ShadeEllipse(l, 25, 24, 6, 5.5, fur);
  for (int s : {-1, 1})
    FillPoly(l, {{25 + s * 1.5, 20}, {25 + s * 5.5, 20}, {25 + s * 6.0, 12}}, fur[2]);
  FillEllipse(l, 25, 27, 3.5, 2.6, Rgb(0x3a0610));
  Teeth(l, 22, 28, 25, true);
  l.set(22, 22, red), l.set(28, 22, red), l.set(23, 22, red), l.set(27, 22, red);
}

}  // namespace

void DrawReptile(Image& l, std::string_view kind, const MonsterPose& p) {
  const Reptile r = ReptileOf(kind, p.frame);
  if (p.attack)
    ReptileLunge(l, r);
  else
    ReptileWalk(l, r, p.facing, p.frame);
}

void DrawCrawler(Image& l, std::string_view kind, const MonsterPose& p) {
  const Crawler c = CrawlerOf(kind);
  if (p.attack)
    CrawlerBite(l, c);
  else
    CrawlerWalk(l, c, p.facing, p.frame);
}

// The bat flaps with its wings spread whichever way it flies; from the side the far wing is
// foreshortened and the head turns to show an ear, an eye and the fangs. It bites swooping at
// the viewer, wings swept forward, jaws wide and feet out.
void DrawBat(Image& l, const MonsterPose& p) {
  const Ramp fur = Ramp(0x120c1c, 0x2a1840, 0x4a2e6a, 0x8a64b0);
  const Ramp wing = Ramp(0x140a20, 0x30184a, 0x50306e, 0x8a62a8);
  const Px red = Rgb(0xff3838), fang = Rgb(0xffffff);
  if (p.attack) {
    BatSwoop(l, fur, wing);
    return;
  }
  const Facing f = p.facing;
  const double up = p.frame == 2 ? 10 : 0;
  const double y0 = 26 + (p.frame == 2 ? 2 : 0);
  const bool side = f == Facing::Right;
  const double cx = side ? 23 : 25;
  for (int s : {-1, 1}) {
    const double w = side ? (s < 0 ? 0.95 : 0.7) : 1.0;  // the far wing is shorter
    const int shade = f == Facing::Rear ? 2 : (side && s > 0 ? 0 : 1);
    FillPoly(l,
             {{cx + s * 3, y0 - 2},
              {cx + s * 22 * w, y0 - 12 + up},
              {cx + s * 20 * w, y0 + 2 + up * 0.5},
              {cx + s * 15 * w, y0 - 2 + up * 0.5},
              {cx + s * 11 * w, y0 + 6},
              {cx + s * 4, y0 + 5}},
             wing[shade]);
    for (int i = 0; i < 3; ++i)  // the finger bones
      Line(l, static_cast<int>(cx + s * 3), static_cast<int>(y0),
           static_cast<int>(cx + s * (22 - i * 4) * w), static_cast<int>(y0 - 12 + up + i * 5),
           wing[shade + 2]);
  }
  ShadeEllipse(l, cx, y0 + 2, 5.5, 6.5, fur);
  const double hx = side ? cx + 4 : cx;
  ShadeEllipse(l, hx, y0 - 4, 4.2, 3.8, fur);
  for (int s : {-1, 1}) {
    if (side && s > 0) continue;
    const double ex = side ? hx - 1 : hx;
    FillPoly(l, {{ex + s * 1, y0 - 6}, {ex + s * 4, y0 - 6}, {ex + s * 4, y0 - 12}}, fur[2]);
  }
  if (f == Facing::Front) {
    l.set(23, static_cast<int>(y0) - 4, red), l.set(26, static_cast<int>(y0) - 4, red);
    l.set(24, static_cast<int>(y0) - 2, fang), l.set(26, static_cast<int>(y0) - 2, fang);
  } else if (side) {
    FillPoly(l, {{hx + 3, y0 - 5}, {hx + 7, y0 - 3}, {hx + 3, y0 - 1}}, fur[1]);  // snout
    l.set(static_cast<int>(hx + 2), static_cast<int>(y0) - 5, red);
    l.set(static_cast<int>(hx + 5), static_cast<int>(y0) - 1, fang);
  }
}

}  // namespace tq::art
