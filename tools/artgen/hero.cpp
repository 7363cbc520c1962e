// The hero: one figure, dressed by his items and posed by the game's frames.
#include "hero.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "items.h"
#include "palette.h"

namespace tq::art {

namespace {

constexpr double kPi = std::numbers::pi;

void DrawSword(Image& l, double hx, double hy, double angle, bool shadow, double len = 15) {
  const double dx = std::cos(angle), dy = std::sin(angle);
  const Ramp blade = shadow ? Ramp(0x120820, 0x24124a, 0x4a2c8a, 0xd0b0ff) : kSteel;
  if (shadow) {  // the dark blade glows
    Px aura = Rgb(0xa070ff);
    aura.a = 110;
    ThickLine(l, hx + dx * 3, hy + dy * 3, hx + dx * len, hy + dy * len, 4.5, aura);
  }
  ShadeStroke(l, hx + dx * 2, hy + dy * 2, hx + dx * len, hy + dy * len, 2.2, blade);
  l.set(static_cast<int>(hx + dx * (len * 0.6)), static_cast<int>(hy + dy * (len * 0.6)), blade[3]);
  // Guard across the blade and the grip behind the hand.
  ShadeStroke(l, hx + dx * 2 - dy * 3, hy + dy * 2 + dx * 3, hx + dx * 2 + dy * 3,
              hy + dy * 2 - dx * 3, 1.6, shadow ? kPurple : kGold);
  ShadeStroke(l, hx - dx * 2, hy - dy * 2, hx + dx * 1, hy + dy * 1, 1.8, kBark);
}

// The hunter's quiver: worn on the back, its strap across the chest.
void Quiver(Image& l, const Figure& f) {
  const Ramp leather = Ramp(0x2a180c, 0x4a2c16, 0x6a4424, 0x8a6038);
  const double shoulder = f.feet - 23 - f.bob, hip = shoulder + 12;
  auto fletch = [&](double x, double y) {
    for (int i = 0; i < 3; ++i) {
      l.set(static_cast<int>(x + i * 1.5), static_cast<int>(y - (i % 2)),
            i == 1 ? Rgb(0xf0f0f0) : kRed[2]);
      l.set(static_cast<int>(x + i * 1.5), static_cast<int>(y + 1 - (i % 2)), kRed[1]);
    }
  };
  if (f.facing == Facing::Front) {
    fletch(f.cx + 4, shoulder - 4);
    ThickLine(l, f.cx + 5, shoulder + 0.5, f.cx - 4.5, hip - 1.5, 1.4, leather[1]);
  } else if (f.facing == Facing::Rear) {
    ShadeStroke(l, f.cx + 4, shoulder - 2, f.cx - 3, hip - 3, 4, leather);
    fletch(f.cx + 3, shoulder - 5);
  } else if (f.facing == Facing::Right) {
    ThickLine(l, f.cx - 1, shoulder + 0.5, f.cx + 2, hip - 1.5, 1.2, leather[1]);  // the strap
  }
}

void DrawShieldAt(Image& l, double x, double y, double w) {
  DrawItem(l, "SHIELD", x, y, w / 12.0);
}

// Walking: a step to either side, the sword at rest and the shield on the arm.
void WalkPose(Image& l, Figure& f, const HeroLook& look, int frame) {
  const bool side = f.facing == Facing::Right;
  f.step = frame == 1 ? -1 : frame == 3 ? 1 : 0;
  f.bob = frame == 2 ? 0.6 : 0;
  if (side && look.shield) DrawShieldAt(l, f.cx + 5, f.feet - 21, 12);
  DrawFigure(l, f);
  Quiver(l, f);
  if (f.facing == Facing::Front) {
    DrawSword(l, f.nearHandX, f.nearHandY, -kPi / 2 - 0.25, look.shadowSword);
    if (look.shield) DrawShieldAt(l, f.farHandX + 1, f.farHandY - 4, 12);
  } else if (f.facing == Facing::Rear) {
    if (look.shield) DrawShieldAt(l, f.nearHandX - 1, f.nearHandY - 4, 12);
    DrawSword(l, f.farHandX, f.farHandY, -kPi / 2 + 0.25, look.shadowSword);
  } else {
    DrawSword(l, f.nearHandX, f.nearHandY, -kPi / 4, look.shadowSword);
  }
}

// Three beats: wind up, cut, follow through toward the facing.
void SwingPose(Image& l, Figure& f, const HeroLook& look, int frame) {
  const bool side = f.facing == Facing::Right;
  double angle = 0, hx = 0, hy = 0;
  if (side && look.shield) DrawShieldAt(l, f.cx - 4, f.feet - 21, 12);
  if (side) f.armLift = frame == 1 ? 1.0 : frame == 2 ? 0.6 : 0.2;
  f.step = side ? 1 : 0;
  DrawFigure(l, f);
  Quiver(l, f);
  if (f.facing == Facing::Front) {
    const double a[] = {-kPi * 0.85, kPi * 0.2, kPi * 0.5};
    angle = a[frame - 1];
    hx = frame == 1 ? 17 : frame == 2 ? 19 : 22;
    hy = frame == 1 ? 26 : frame == 2 ? 40 : 43;
    DrawSword(l, hx, hy, angle, look.shadowSword, 17);
    if (look.shield) DrawShieldAt(l, f.farHandX + 1, f.farHandY - 4, 12);
  } else if (f.facing == Facing::Rear) {
    const double a[] = {-kPi * 0.1, -kPi * 0.3, -kPi * 0.5};
    angle = a[frame - 1];
    hx = frame == 1 ? 33 : frame == 2 ? 31 : 27;
    hy = frame == 1 ? 30 : frame == 2 ? 24 : 19;
    if (look.shield) DrawShieldAt(l, f.nearHandX - 1, f.nearHandY - 4, 12);
    DrawSword(l, hx, hy, angle, look.shadowSword, 17);
  } else {
    const double a[] = {-kPi * 0.65, -kPi * 0.3, 0.0};
    angle = a[frame - 1];
    DrawSword(l, f.nearHandX, f.nearHandY, angle, look.shadowSword, 19);
  }
  // A whoosh arc on the cutting frames.
  if (frame >= 2) {
    Px arc = Rgb(0xffffff);
    arc.a = 140;
    const double cx = f.facing == Facing::Front ? 22 : f.facing == Facing::Rear ? 28 : f.nearHandX;
    const double cy = f.facing == Facing::Front ? 38 : f.facing == Facing::Rear ? 26 : f.nearHandY;
    for (double t = angle - 0.9; t < angle - 0.1; t += 0.05)
      l.Blend(static_cast<int>(cx + std::cos(t) * 19), static_cast<int>(cy + std::sin(t) * 19),
              arc);
  }
}

// Blocking: crouched behind the raised shield, sparks where the blow lands.
void BlockPose(Image& l, Figure& f) {
  f.bob = -2;
  DrawFigure(l, f);
  Quiver(l, f);
  DrawSword(l, f.nearHandX, f.nearHandY, -kPi / 2 - 0.6, false);
  DrawShieldAt(l, 26, f.feet - 20, 19);
  const Px spark = Rgb(0xfff8c0);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    ThickLine(l, 34 + std::cos(a) * 2, 20 + std::sin(a) * 2, 34 + std::cos(a) * (i % 2 ? 4 : 6),
              20 + std::sin(a) * (i % 2 ? 4 : 6), 1, spark);
  }
}

// Hurt: knocked to and fro, flashing with the blow, then dizzy.
void HurtPose(Image& l, Figure& f, int frame) {
  f.cx += (frame == 1 || frame == 3) ? -2 : (frame == 2 || frame == 4) ? 2 : 0;
  DrawFigure(l, f);
  Quiver(l, f);
  DrawSword(l, f.nearHandX, f.nearHandY, -kPi / 2 - 0.9, false);
  if (frame == 1 || frame == 3) {  // the flash of the blow
    for (int y = 0; y < l.h(); ++y)
      for (int x = 0; x < l.w(); ++x)
        l.Tint(x, y, frame == 1 ? Rgb(0xffffff) : Rgb(0xff3020), frame == 1 ? 0.8 : 0.6);
  } else if (frame == 2 || frame == 4) {
    for (int i = 0; i < 3; ++i) DrawItem(l, "HEART", 14 + i * 11 + frame, 12 + (i % 2) * 3, 0.3);
  } else {  // recovering: dizzy stars circle his head
    const Px star = Rgb(0xfff080);
    for (int i = 0; i < 3; ++i) {
      const double a = i * 2.1 + 0.4;
      const int x = static_cast<int>(25 + std::cos(a) * 8),
                y = static_cast<int>(13 + std::sin(a) * 2.5);
      l.set(x, y, star), l.set(x - 1, y, star), l.set(x + 1, y, star), l.set(x, y - 1, star),
          l.set(x, y + 1, star);
    }
  }
}

// Where the fallen hero lies: his standing figure turned a quarter about (25, 36), head to the
// right, and moved down onto the ground, his middle at row 42.
constexpr double kFallPivotX = 25, kFallPivotY = 36;
constexpr int kFallDrop = 6;

// The hero on his back, arms flung out; his eyes, turned with him, are shut. Pale, the colour
// drains from him but his darks stay, so his shape still stands out from snow.
Image FallenBody(Figure f, bool pale) {
  const FigureFrame b = FrameOf(f);
  f.posedHands = true;
  f.handX[0] = f.cx - 10, f.handY[0] = b.shoulder + 4;
  f.handX[1] = f.cx + 9, f.handY[1] = b.shoulder + 6;
  Image upright(kTileW, kTileH);
  DrawFigure(upright, f);
  Image body(kTileW, kTileH);
  Composite(body, RotateLayer(upright, kFallPivotX, kFallPivotY, kPi / 2), 0, kFallDrop);
  if (pale)
    for (int y = 0; y < body.h(); ++y)
      for (int x = 0; x < body.w(); ++x) {
        const Px p = body.get(x, y);
        if (p.a == 0) continue;
        const int grey = (p.r * 3 + p.g * 6 + p.b) / 10;
        const Px ashen = Rgb(static_cast<uint32_t>(std::min(255, grey + 22)) << 16 |
                             static_cast<uint32_t>(std::min(255, grey + 26)) << 8 |
                             static_cast<uint32_t>(std::min(255, grey + 38)));
        body.Tint(x, y, ashen, 0.6);
      }
  return body;
}

// His spirit rises from him: a faint, cold likeness of his head and shoulders with a thin blue
// rim, so that it shows on snow too, fading out toward the body it leaves.
void Spirit(Image& img, const Figure& hero) {
  Figure f = hero;
  f.cx = 31, f.feet = 40;
  Image likeness(kTileW, kTileH);
  DrawFigure(likeness, f);
  const double fadeFrom = FrameOf(f).shoulder + 7;
  Image ghost(kTileW, kTileH);
  for (int y = 0; y < kTileH; ++y)
    for (int x = 0; x < kTileW; ++x) {
      const double fade = std::clamp((fadeFrom - y) / 9.0, 0.0, 1.0);
      if (fade <= 0) continue;
      const bool inside = likeness.get(x, y).a > 0;
      const bool edge = !inside && (likeness.get(x - 1, y).a || likeness.get(x + 1, y).a ||
                                    likeness.get(x, y - 1).a || likeness.get(x, y + 1).a);
      if (!inside && !edge) continue;
      Px p = inside ? Mix(Rgb(0xe4ecff), likeness.get(x, y), 0.25) : Rgb(0x7080b8);
      p.a = static_cast<uint8_t>((inside ? 140 : 110) * fade);
      ghost.set(x, y, p);
    }
  Composite(img, ghost);
}

// Dust kicked up where he hits the ground: at his feet as he topples, at both ends of him as he
// lands.
void Dust(Image& img, Ground g, int frame) {
  Px dust = g == Ground::Snow ? Rgb(0xffffff) : Rgb(0xd8ccb8);
  dust.a = 170;
  const double spots[][2] = {{7, 52}, {11, 54}, {40, 53}, {45, 51}};
  for (int i = 0; i < (frame == 2 ? 2 : 4); ++i)
    FillEllipse(img, spots[i][0], spots[i][1], 2.6, 1.8, dust);
}

// Dying: struck, he reels in a flash of red as the sword flies from his hand; he topples; he
// lies on the ground; then he lies still and pale.
void DiePose(Image& l, Figure& f, int frame) {
  if (frame >= 3) {
    DrawSword(l, 24, 30, -2.7, false);
    Composite(l, FallenBody(f, frame == 4));
    return;
  }
  Image body(kTileW, kTileH);
  DrawFigure(body, f);
  body = RotateLayer(body, f.cx, f.feet - 1, frame == 1 ? -0.12 : 0.95);
  if (frame == 1) {
    for (int y = 0; y < body.h(); ++y)
      for (int x = 0; x < body.w(); ++x) body.Tint(x, y, Rgb(0xff3020), 0.4);
    DrawSword(l, 13, 14, -2.3, false);  // flung from his hand
  } else {
    DrawSword(l, 24, 30, -2.7, false);  // it lands where it will lie
  }
  Composite(l, body, frame == 2 ? -5 : 0, 0);  // toppling, he stays inside his cell
}

// Over the outlined figure: the dust of his fall, and his spirit rising once he lies still.
void DeathMarks(Image& img, Ground g, int frame) {
  if (frame == 2 || frame == 3) Dust(img, g, frame);
  if (frame == 4) Spirit(img, HeroFigure(HeroLook{}));
}

Image HeroLayer(const HeroLook& look, HeroPose pose, int frame) {
  Image l(kTileW, kTileH);
  Figure f = HeroFigure(look);
  if (look.facing == Facing::Left) f.facing = Facing::Right;  // mirrored at the end
  switch (pose) {
    case HeroPose::Walk:
      WalkPose(l, f, look, frame);
      break;
    case HeroPose::Swing:
      SwingPose(l, f, look, frame);
      break;
    case HeroPose::Block:
      BlockPose(l, f);
      break;
    case HeroPose::Hurt:
      HurtPose(l, f, frame);
      break;
    case HeroPose::Die:
      DiePose(l, f, frame);
      break;
    case HeroPose::Swim:  // PaintHero paints the swimmer on his water
      break;
  }
  if (look.facing == Facing::Left) MirrorX(l);
  return l;
}

void Ripple(Image& img, double cx, double cy, double r, int frame) {
  const Px foam = Rgb(0xd8ecff);
  for (int a = 0; a < 64; ++a) {
    const double t = a / 64.0 * 2 * kPi;
    if ((a + frame * 3) % 8 < 3) continue;
    img.set(static_cast<int>(cx + std::cos(t) * r), static_cast<int>(cy + std::sin(t) * r * 0.35),
            foam);
  }
}

}  // namespace

Image PaintHero(Ground g, const HeroLook& look, HeroPose pose, int frame) {
  if (pose == HeroPose::Swim) {
    Image img = PaintTile(g, "WATER", frame == 2 ? 2 : 1);
    Image l(kTileW, kTileH);
    Figure f = HeroFigure(
        HeroLook{look.facing == Facing::Left ? Facing::Right : look.facing, false, false, false});
    f.feet = 56 + (frame == 2 ? 1 : 0);
    f.step = frame == 1 ? -1 : frame == 3 ? 1 : 0;
    DrawFigure(l, f);
    // Everything below the waterline is hidden.
    const int waterline = 35 + (frame == 2 ? 1 : 0);
    for (int y = waterline; y < kTileH; ++y)
      for (int x = 0; x < kTileW; ++x) l.set(x, y, Px{});
    if (look.facing == Facing::Left) MirrorX(l);
    Outline(l);
    Composite(img, l);
    for (int x = 16; x < 35; ++x) img.set(x, waterline, kWater[3]);
    Ripple(img, 25, waterline + 1, 13 + frame, frame);
    Ripple(img, 25, waterline + 2, 19 + frame, frame + 1);
    // Arms stroking the water on either side.
    const double reach = frame == 2 ? 3 : frame == 1 ? 6 : 0;
    FillEllipse(img, 12 - reach * 0.3, waterline + 1, 2.5, 1.2, kSkin[2]);
    FillEllipse(img, 38 + reach * 0.3, waterline + 1, 2.5, 1.2, kSkin[2]);
    return img;
  }
  Image img = PaintGround(g);
  Image l = HeroLayer(look, pose, frame);
  if (pose == HeroPose::Die && frame >= 3)
    Darken(img, 26, 44, 19, 7, 0.3);  // the shadow he lies in
  else
    Darken(img, 26, 52, 9, 2.5, 0.32);
  Outline(l);
  Composite(img, l);
  if (pose == HeroPose::Die) DeathMarks(img, g, frame);
  return img;
}

Figure HeroFigure(const HeroLook& look) {
  Figure f;
  f.facing = look.facing;
  f.skin = kSkin;
  f.hair = Ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38);
  f.top = look.shirt ? Ramp(0x24203a, 0x3a3460, 0x58508e, 0x8a80c0)
                     : Ramp(0x1e4a20, 0x2e6a2a, 0x46903a, 0x74b85a);
  f.legs = Ramp(0x3a2616, 0x5a3c22, 0x7a5430, 0x9a7048);
  f.boots = Ramp(0x1e140c, 0x3a2616, 0x5a3c22, 0x7a5430);
  f.belt = Ramp(0x2a1a0c, 0x4a2e14, 0x8a6a2a, 0xe8c040);
  return f;
}

Figure BrotherFigure() {
  Figure f = HeroFigure(HeroLook{});
  f.hair = Ramp(0x6a4a14, 0x9a7020, 0xc89a38, 0xf0c860);
  f.top = Ramp(0x5a1e18, 0x8a3024, 0xb04a34, 0xd8785a);
  f.legs = Ramp(0x2a2a3a, 0x40405a, 0x5a5a7a, 0x7a7a9a);
  return f;
}

void DrawBrother(Image& l) {
  Figure f = BrotherFigure();
  f.k = 0.92;
  DrawFigure(l, f);
  // Arms raised in joy.
  ShadeStroke(l, 19, 31, 14, 21, 3, f.top);
  ShadeStroke(l, 31, 31, 36, 21, 3, f.top);
  ShadeEllipse(l, 14, 20, 1.8, 1.8, f.skin);
  ShadeEllipse(l, 36, 20, 1.8, 1.8, f.skin);
}

}  // namespace tq::art
