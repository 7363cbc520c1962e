// Folk: the upright monsters built on the shared figure (ogre, demon, demon lord, zombie, thief,
// knight). Seen from behind they show their backs (the weapon in the other hand, the knight's
// cape, the lord's wings over his shoulders); each strikes in its own way.
#include <cmath>
#include <numbers>

#include "monster_painters.h"
#include "palette.h"
#include "shade.h"

namespace tq::art {

namespace {

constexpr double kPi = std::numbers::pi;

Figure Brute(const Ramp& skin, const Ramp& top, const Ramp& legs, const MonsterPose& p) {
  Figure f;
  f.facing = p.attack ? Facing::Front : p.facing;
  f.step = p.frame == 2 || p.attack ? 1 : -1;
  f.skin = skin;
  f.hair = skin;
  f.top = top;
  f.legs = legs;
  f.boots = legs.Darker();
  f.belt = Ramp(0x2a1a0c, 0x4a2e14, 0x6a4a24, 0x9a7a3a);
  f.bald = true;
  return f;
}

// Both hands raised to `at`, arms drawn from the shoulders over the body.
void ArmsTo(Image& l, const Figure& f, double x0, double y0, double x1, double y1) {
  const FigureFrame fr = FrameOf(f);
  ShadeStroke(l, fr.shoulderX(-1), fr.shoulder + 1.5, x0, y0, 3.4 * f.k, f.top);
  ShadeStroke(l, fr.shoulderX(1), fr.shoulder + 1.5, x1, y1, 3.4 * f.k, f.top);
  ShadeEllipse(l, x0, y0, 1.9 * f.k, 1.9 * f.k, f.skin);
  ShadeEllipse(l, x1, y1, 1.9 * f.k, 1.9 * f.k, f.skin);
}

// A roaring mouth under the eyes of a front-facing head.
void Roar(Image& l, const FigureFrame& fr, double w) {
  FillEllipse(l, fr.cx, fr.headY + 3 * fr.k, w, 1.8 * fr.k, Rgb(0x2a0608));
  l.set(static_cast<int>(fr.cx - w + 1), static_cast<int>(fr.headY + 2 * fr.k), Rgb(0xf4ecd8));
  l.set(static_cast<int>(fr.cx + w - 2), static_cast<int>(fr.headY + 2 * fr.k), Rgb(0xf4ecd8));
}

// A back seen from behind: the spine's shadow and the lit shoulder blades.
void Back(Image& l, const Figure& f) {
  const FigureFrame fr = FrameOf(f);
  for (int y = static_cast<int>(fr.shoulder + 2); y < static_cast<int>(fr.hip - 1); ++y)
    if (l.get(static_cast<int>(fr.cx), y).a) l.set(static_cast<int>(fr.cx), y, f.top[0]);
  for (int s : {-1, 1})
    ShadeEllipse(l, fr.cx + s * 3.5 * fr.k * fr.g, fr.shoulder + 3.5 * fr.k, 2.6 * fr.k, 2.2 * fr.k,
                 f.top, 0.25);
}

void Ogre(Image& l, const MonsterPose& p) {
  // A slate-skinned brute: the blue-grey hide parts from grass, cave earth and planks alike.
  const Ramp hide = Ramp(0x1c2238, 0x4a5674, 0x6e7c9c, 0xa8b6d4);
  const Ramp cloth = Ramp(0x4a0e0a, 0x7a2a1c, 0xa8442a, 0xd47650);
  Figure f = Brute(hide, hide, hide, p);
  f.k = 1.25, f.girth = 1.25, f.feet = 55;
  f.eyes = Rgb(0xf0f040);
  const bool rear = f.facing == Facing::Rear, side = f.facing == Facing::Right;
  if (p.attack) {  // the club comes down on the viewer in both fists
    f.posedHands = true;
    f.handX[0] = 27, f.handY[0] = 35, f.handX[1] = 31, f.handY[1] = 33;
  }
  DrawFigure(l, f);
  const FigureFrame fr = FrameOf(f);
  if (!rear)
    ShadeEllipse(l, 25 + (side ? 2 : 0), 38, 7, 5, Ramp(0x4a5674, 0x6e7c9c, 0x8e9cbc, 0xc0cce0));
  FillRect(l, 17, 41, 16, 4, cloth[1]);  // loincloth
  FillRect(l, 17, 41, 16, 1, cloth[2]);
  if (rear) Back(l, f);
  if (p.attack) {
    SwingTrail(l, 26, 30, 19, -2.2, 0.55, Rgb(0xe8f0ff));
    ShadeStroke(l, 29, 34, 40, 44, 3.2, kBark);
    ShadeEllipse(l, 41, 45, 6, 5.5, kBark);  // the club head, close to the viewer
    for (const Pt& n : {Pt{38, 41}, Pt{44, 44}, Pt{40, 49}})
      l.set(int(n.x), int(n.y), Rgb(0xd8d0c0));
    ArmsTo(l, f, 27, 35, 31, 33);
    Roar(l, fr, 3.2);
    return;
  }
  // The club: in the right fist, which is on the picture's left from the front and on its
  // right from behind.
  const double hx = rear ? f.farHandX : f.nearHandX, hy = rear ? f.farHandY : f.nearHandY;
  const double dir = side ? 8 : rear ? 4 : -4;
  ShadeStroke(l, hx, hy, hx + dir, hy - 14, 3, kBark);
  ShadeEllipse(l, hx + dir * 1.12, hy - 15, 4, 4, kBark);
  if (f.facing == Facing::Front) {
    l.set(22, 27, Rgb(0xf0f0e0)), l.set(28, 27, Rgb(0xf0f0e0));  // tusks
  }
}

// The demon lord's bat wings, raised by `lift`: dark behind the body, lit and showing their
// bones from behind.
void DemonWings(Image& l, bool side, double lift, int shade) {
  const Ramp membrane = Ramp(0x200408, 0x3a0a14, 0x5a1420, 0x8a2a38);
  for (int s : {-1, 1}) {
    if (side && s > 0) continue;
    FillPoly(l,
             {{25.0 + s * 4, 28},
              {25.0 + s * 23, 10 + lift},
              {25.0 + s * 20, 24 + lift},
              {25.0 + s * 22, 34 + lift},
              {25.0 + s * 6, 38}},
             membrane[shade]);
    if (shade > 1)
      for (double t : {0.0, 0.5, 1.0})
        Line(l, static_cast<int>(25 + s * 5), 29, static_cast<int>(25 + s * (23 - t * 3)),
             static_cast<int>(10 + lift + t * 24), membrane[0]);
  }
}

// The tail: out to the side in front and side views; from behind it hangs down the middle.
void DemonTail(Image& l, const Ramp& red, bool rear, bool side) {
  const double tx = rear ? 27 : side ? 10 : 36, ty = rear ? 54 : 50;
  ShadeStroke(l, 25, 44, tx, ty, 1.8, red);
  FillPoly(l, {{tx - 2, ty}, {tx + 2, ty}, {tx, ty + 3}}, red[0]);
}

// The demon lord's hellish pitchfork, held upright in the hand at (hx, hy), or levelled at the
// viewer in both hands when he strikes.
void Pitchfork(Image& l, bool attack, bool side, double hx, double hy) {
  double x0 = hx, y0 = hy + 8, x1 = hx + (side ? 6 : 0), y1 = hy - 24;
  if (attack) x0 = 12, y0 = 24, x1 = 40, y1 = 47;
  ShadeStroke(l, x0, y0, x1, y1, 2, kBlack);
  const double len = std::hypot(x1 - x0, y1 - y0), ux = (x1 - x0) / len, uy = (y1 - y0) / len;
  for (int t = -1; t <= 1; ++t) {
    const double bx = x1 - uy * t * 3.2, by = y1 + ux * t * 3.2;
    ShadeStroke(l, bx, by, bx + ux * (attack ? 8 : 6), by + uy * (attack ? 8 : 6), 1.4, kFire);
  }
  ThickLine(l, x1 + uy * 3.5, y1 - ux * 3.5, x1 - uy * 3.5, y1 + ux * 3.5, 1.3, kFire[1]);
  if (attack) {
    Px glow = kFire[3];
    glow.a = 150;
    FillEllipse(l, x1 + ux * 9, y1 + uy * 9, 4, 3, glow);
  }
}

void Demon(Image& l, bool lord, const MonsterPose& p) {
  const Ramp red = lord ? Ramp(0x3a0810, 0x601420, 0x8a2030, 0xc04a50)
                        : Ramp(0x6a1010, 0x9a2018, 0xc83a24, 0xf07050);
  const bool rear = !p.attack && p.facing == Facing::Rear;
  const bool side = !p.attack && p.facing == Facing::Right;
  const double lift = p.attack ? -8 : p.frame == 2 ? -4 : 0;
  if (lord && !rear) DemonWings(l, side, lift, 1);  // behind the body
  Figure f = Brute(red, red, red, p);
  f.horns = true;
  f.k = lord ? 1.2 : 1.0;
  f.eyes = Rgb(0xfff040);
  f.belt = Ramp(0x1a1010, 0x2a1a1a, 0x4a3a3a, 0x6a5a5a);
  if (p.attack) {
    f.posedHands = true;
    if (lord)  // the pitchfork levelled at the viewer in both hands
      f.handX[0] = 17, f.handY[0] = 30, f.handX[1] = 31, f.handY[1] = 38;
    else  // both claws flung up and out, about to rake
      f.handX[0] = 9, f.handY[0] = 14, f.handX[1] = 41, f.handY[1] = 14;
  }
  const FigureFrame fr = FrameOf(f);
  if (!rear) DemonTail(l, red, rear, side);
  DrawFigure(l, f);
  if (rear) {
    Back(l, f);
    DemonTail(l, red, rear, side);
    if (lord) DemonWings(l, side, lift, 2);  // over his shoulders when seen from behind
  }
  const double hx = rear ? f.farHandX : f.nearHandX, hy = rear ? f.farHandY : f.nearHandY;
  if (lord) {
    Pitchfork(l, p.attack, side, hx, hy);
    if (p.attack) {
      ArmsTo(l, f, 17, 30, 31, 38);
      Roar(l, fr, 2.6);
    }
    return;
  }
  if (p.attack) {
    // Claws spread on both raised hands, and the roar.
    for (int s : {-1, 1})
      for (int c = -1; c <= 1; ++c) {
        const double x = 25 + s * 16;
        FillPoly(l, {{x + c * 2.2, 12}, {x + c * 2.2 + 1, 12}, {x + c * 3.2 + s, 5}},
                 Rgb(0xf4ecd8));
      }
    ArmsTo(l, f, 9, 14, 41, 14);
    Roar(l, fr, 2.4);
    return;
  }
  for (int c = -1; c <= 1; ++c)
    l.set(static_cast<int>(hx + c), static_cast<int>(hy + 2), Rgb(0xf0f0e0));
}

void Zombie(Image& l, const MonsterPose& p) {
  // Sickly pale skin and a faded blue shirt, so it shows on earth and grass alike.
  Figure f = Brute(Ramp(0x2c4a50, 0x6a9490, 0x96c0b0, 0xd0ecd8),
                   Ramp(0x1c2640, 0x34446a, 0x50688e, 0x7a90b4),
                   Ramp(0x141420, 0x2a2a3c, 0x4a4a66, 0x6e6e8c), p);
  f.bald = false;
  f.hair = Ramp(0x14140c, 0x26261a, 0x3a3a28, 0x4a4a38);
  f.eyes = Rgb(0xe02020);
  f.bob = p.frame == 2 && !p.attack ? -1 : 0;
  const bool side = f.facing == Facing::Right;
  DrawFigure(l, f);
  const FigureFrame fr = FrameOf(f);
  if (p.attack) {
    // Both arms thrust at the viewer, grasping; the jaw hangs open.
    for (int s : {-1, 1}) {
      const double hx = fr.cx + s * 6, hy = fr.shoulder + 9;
      ShadeStroke(l, fr.shoulderX(s), fr.shoulder + 1.5, hx, hy, 4, f.top);
      ShadeEllipse(l, hx, hy + 1, 3.2, 3, f.skin);
      for (int c = -1; c <= 1; ++c)
        ShadeStroke(l, hx + c * 1.6, hy + 2, hx + c * 2.2 + s, hy + 5.5, 1.3, f.skin);
    }
    FillEllipse(l, fr.cx, fr.headY + 3, 1.8, 2.2, Rgb(0x200608));
  } else if (!side) {  // arms reach forward
    ShadeStroke(l, 18, 30, 16, 38 - (p.frame == 2 ? 3 : 0), 3, f.skin);
    ShadeStroke(l, 32, 30, 34, 38 - (p.frame == 2 ? 0 : 3), 3, f.skin);
  } else {
    ShadeStroke(l, 26, 30, 36, 31 + (p.frame == 2 ? 1 : 0), 3, f.skin);
  }
  for (int x = 19; x < 32; x += 3) l.set(x, 43, Px{}), l.set(x + 1, 44, f.top[0]);
  l.set(22, 34, Rgb(0x6a1010)), l.set(27, 37, Rgb(0x6a1010));
}

void Thief(Image& l, const MonsterPose& p) {
  // A teal hooded cloak and blue-grey breeches: a colour no floor of the game shares.
  const Ramp cloak = Ramp(0x123240, 0x24586c, 0x3a7a92, 0x7ab4c8);
  Figure f = Brute(kSkin, cloak, Ramp(0x141c2c, 0x24304a, 0x3a4a6a, 0x5a6e94), p);
  f.bald = false, f.hood = true;
  f.hair = cloak;
  const bool side = f.facing == Facing::Right;
  if (p.attack) {  // a lunge: the dagger driven at the viewer, the other arm flung back
    f.posedHands = true;
    f.handX[0] = 10, f.handY[0] = 30, f.handX[1] = 33, f.handY[1] = 40;
    f.bob = -1;
    // The cloak flares out behind the lunge.
    FillPoly(l, {{19, 26}, {31, 26}, {40, 48}, {33, 46}, {27, 50}, {20, 46}, {11, 47}}, cloak[0]);
  }
  DrawFigure(l, f);
  const FigureFrame fr = FrameOf(f);
  if (f.facing == Facing::Front)
    FillRect(l, 21, static_cast<int>(fr.headY + 1), 9, 2, Rgb(0x7a1a1a));
  if (p.attack) {
    ShadeStroke(l, 33, 41, 37, 49, 2, kSteel);  // the blade, point toward the viewer
    l.set(37, 49, Rgb(0xffffff));
    for (int i = 0; i < 3; ++i)  // the speed of the thrust
      Line(l, 28 + i * 3, 32 + i, 33 + i * 3, 43 + i, Rgb(0xe0f4ff));
    ShadeEllipse(l, 9, 33, 4, 3.5, kCloth);  // the loot sack swung back
    return;
  }
  const double up = side ? -kPi / 4 : -kPi / 2 - 0.3;
  ShadeStroke(l, f.nearHandX, f.nearHandY, f.nearHandX + std::cos(up) * 8,
              f.nearHandY + std::sin(up) * 8, 1.6, kSteel);  // dagger
  ShadeEllipse(l, side ? 17 : f.farHandX + 2, side ? 40 : f.farHandY + 2, 4, 3.5,
               kCloth);  // loot sack
  l.set(side ? 17 : static_cast<int>(f.farHandX + 2), side ? 40 : static_cast<int>(f.farHandY + 2),
        kGold[3]);
}

// The Black Knight guards a dungeon: bigger than the hero and the armour stands, in blued black
// plate with a red cape and plume, a glowing visor and a great axe.
// The Black Knight's axe from (x0, y0) to the head at (x1, y1): a long haft and a broad
// bearded blade on the side `blade` (-1 left, 1 right).
void KnightAxe(Image& l, double x0, double y0, double x1, double y1, int blade) {
  ShadeStroke(l, x0, y0, x1, y1, 2.2, kBark);
  const double bx = x1, by = y1;
  FillPoly(l, {{bx, by - 3}, {bx + blade * 9, by - 8}, {bx + blade * 10, by + 5}, {bx, by + 3}},
           kSteel[2]);
  Line(l, static_cast<int>(bx + blade * 9), static_cast<int>(by - 7),
       static_cast<int>(bx + blade * 10), static_cast<int>(by + 4), kSteel[3]);
  FillRect(l, static_cast<int>(bx - 1), static_cast<int>(by - 3), 2, 6, kSteel[0]);
}

// Seen from behind, the cape covers his back from the shoulders to the calves, in folds.
void CapeOverBack(Image& l, const Figure& f, const FigureFrame& fr, const Ramp& cape) {
  std::vector<Pt> c = {{fr.cx - 10, fr.shoulder + 1}, {fr.cx + 10, fr.shoulder + 1}};
  for (int i = 0; i <= 6; ++i) c.push_back({fr.cx + 12 - i * 4.0, f.feet - 6.0 - (i % 2) * 2});
  Image shape(l.w(), l.h());
  FillPoly(shape, c, cape[1]);
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x)
      if (shape.get(x, y).a) {
        const double u = (x + 0.5 - fr.cx) / 12.0;
        const double fold = ((x + 40) / 4) % 2 ? 0.12 : -0.12;
        l.set(x, y, LitShade(cape, 0.62 - 0.45 * u + fold - (y - fr.shoulder) * 0.006, x, y));
      }
}

void Knight(Image& l, const MonsterPose& p) {
  const Ramp plate = Ramp(0x0a0a10, 0x181a26, 0x3a4a78, 0x9aacdc);
  const Ramp cape = Ramp(0x4a0810, 0x8a1420, 0xb82030, 0xe85050);
  Figure f;
  f.facing = p.attack ? Facing::Front : p.facing;
  f.step = p.frame == 2 ? 1 : -1;
  f.skin = plate, f.hair = plate, f.top = plate, f.legs = plate, f.boots = plate;
  f.belt = Ramp(0x3a0a0a, 0x6a1414, 0x9a2020, 0xc84040);
  f.helmet = true;
  f.k = 1.3, f.girth = 1.15, f.feet = 55;
  const bool rear = f.facing == Facing::Rear, side = f.facing == Facing::Right;
  if (p.attack) {  // the axe raised high over the helmet in both gauntlets
    f.posedHands = true;
    f.handX[0] = 19, f.handY[0] = 6, f.handX[1] = 26, f.handY[1] = 11;
  }
  const FigureFrame fr = FrameOf(f);
  if (p.attack) {  // held high behind the helmet, the blow about to fall
    SwingTrail(l, 24, 26, 22, -2.6, -1.9, Rgb(0xe8f0ff));
    KnightAxe(l, 31, 14, 14, 2, -1);
  }
  if (!rear) {  // the cape hangs behind him, wider than his shoulders
    const double w = side ? 6 : 12;
    FillPoly(l,
             {{fr.cx - w + (side ? -3 : 0), fr.shoulder},
              {fr.cx + w - (side ? 6 : 0), fr.shoulder},
              {fr.cx + w + 2 - (side ? 8 : 0), f.feet - 6},
              {fr.cx - w - 2 - (side ? 4 : 0), f.feet - 5}},
             cape[1]);
  }
  DrawFigure(l, f);
  for (int s : {-1, 1}) {  // pauldrons
    if (side && s > 0) continue;
    ShadeEllipse(l, fr.shoulderX(s) - (side ? 1 : 0), fr.shoulder + 1.5, 4.2, 3.2, plate, 0.15);
  }
  if (rear) CapeOverBack(l, f, fr, cape);
  // The plume, tossed back, and the visor's red glow.
  FillPoly(l,
           {{fr.cx - 2, fr.headY - 5},
            {fr.cx + 2, fr.headY - 12},
            {fr.cx + 8, fr.headY - 17},
            {fr.cx + 6, fr.headY - 11},
            {fr.cx + 2, fr.headY - 5}},
           cape[2]);
  ThickLine(l, fr.cx + 1, fr.headY - 9, fr.cx + 7, fr.headY - 16, 1, cape[3]);
  if (f.facing == Facing::Front) {
    for (int x = static_cast<int>(fr.cx - 3); x <= static_cast<int>(fr.cx + 2); ++x)
      l.set(x, static_cast<int>(fr.headY), Rgb(0xff3020));
  } else if (side) {
    l.set(static_cast<int>(fr.cx + 3), static_cast<int>(fr.headY), Rgb(0xff3020));
    l.set(static_cast<int>(fr.cx + 4), static_cast<int>(fr.headY), Rgb(0xff3020));
  }
  if (p.attack) return;
  const double hx = rear ? f.farHandX : f.nearHandX, hy = rear ? f.farHandY : f.nearHandY;
  const int blade = side ? 1 : rear ? 1 : -1;
  KnightAxe(l, hx, hy + 5, hx + (side ? 6 : blade * 2), hy - 20, blade);
}

}  // namespace

void DrawFolk(Image& l, std::string_view kind, const MonsterPose& p) {
  if (kind == "OGRE")
    Ogre(l, p);
  else if (kind == "DEMON" || kind == "DEMON LORD")
    Demon(l, kind == "DEMON LORD", p);
  else if (kind == "ZOMBIE")
    Zombie(l, p);
  else if (kind == "THIEF")
    Thief(l, p);
  else
    Knight(l, p);
}

}  // namespace tq::art
