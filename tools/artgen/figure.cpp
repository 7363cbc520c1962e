// Figures: the shared body plan of the hero, the villagers and the upright monsters.
#include "figure.h"

#include <cmath>

namespace tq::art {

namespace {

// Front and rear views: legs and arms, the arms swinging against the legs.
void FrontLimbs(Image& l, const Figure& f, const FigureFrame& b) {
  const double k = b.k, g = b.g, cx = b.cx, hip = b.hip, shoulder = b.shoulder, feet = f.feet;
  // Legs: the forward one reaches a little lower, the back one lifts.
  for (int s : {-1, 1}) {
    const double lift = (f.step == s) ? -3 : (f.step == -s ? 1 : 0);
    const double x = cx + s * 3 * k * g;
    ShadeStroke(l, x, hip, x, feet - 2 + lift, 4 * k, f.legs);
    ShadeEllipse(l, x + s * 0.5, feet - 1.5 + lift, 2.6 * k, 1.8 * k, f.boots);
  }
  // Arms swing against the legs.
  for (int s : {-1, 1}) {
    const double swing = f.step * s * 1.5;
    const double sx = cx + s * 7 * k * g;
    const double hx = f.posedHands ? f.handX[s > 0] : sx + s * 1.5;
    const double hy = f.posedHands ? f.handY[s > 0] : hip + 1 + swing;
    ShadeStroke(l, sx, shoulder + 1.5, hx, hy - 1, 3.2 * k, f.top);
    ShadeEllipse(l, hx, hy, 1.7 * k, 1.7 * k, f.skin);
    if (s < 0)
      f.nearHandX = hx, f.nearHandY = hy;
    else
      f.farHandX = hx, f.farHandY = hy;
  }
}

void FrontTorso(Image& l, const Figure& f, const FigureFrame& b) {
  const double k = b.k, g = b.g, cx = b.cx, hip = b.hip, shoulder = b.shoulder;
  for (int y = static_cast<int>(shoulder); y < static_cast<int>(hip + 2); ++y)
    for (int x = static_cast<int>(cx - 6.5 * k * g); x < static_cast<int>(cx + 6.5 * k * g); ++x) {
      const double u = (x + 0.5 - cx) / (6.5 * k * g);
      const double t = (y - shoulder) / (hip + 2 - shoulder);
      if (std::fabs(u) > 1 - (t < 0.15 ? (0.15 - t) * 2 : 0)) continue;
      l.set(x, y, LitShade(f.top, 0.75 - 0.55 * u - 0.35 * u * u, x, y));
    }
  FillRect(l, static_cast<int>(cx - 6 * k * g), static_cast<int>(hip - 1),
           static_cast<int>(12 * k * g), 2, f.belt[1]);
  if (f.facing == Facing::Front) l.set(static_cast<int>(cx), static_cast<int>(hip - 1), f.belt[3]);
}

// The head seen from the front or behind: hair, hood or helmet, beard, eyes and horns.
void FrontHead(Image& l, const Figure& f, const FigureFrame& b) {
  const double k = b.k, cx = b.cx, headY = b.headY;
  ShadeEllipse(l, cx, headY, 5 * k, 5.5 * k, f.skin, 0.2);
  if (f.helmet) {
    ShadeEllipse(l, cx, headY - 1, 5.6 * k, 5.2 * k, f.hair);
    if (f.facing == Facing::Front)
      FillRect(l, static_cast<int>(cx - 3 * k), static_cast<int>(headY), static_cast<int>(6 * k), 1,
               Rgb(0x100c10));
  } else if (f.hood) {
    ShadeEllipse(l, cx, headY - 1, 6 * k, 6.5 * k, f.hair);
    if (f.facing == Facing::Front) ShadeEllipse(l, cx, headY + 0.8, 3.6 * k, 3.8 * k, f.skin, -0.3);
  } else if (!f.bald) {
    if (f.facing == Facing::Rear)
      ShadeEllipse(l, cx, headY - 0.5, 5.2 * k, 5.6 * k, f.hair);
    else {
      ShadeEllipse(l, cx, headY - 2.6 * k, 5.2 * k, 3.4 * k, f.hair);
      FillRect(l, static_cast<int>(cx - 5 * k), static_cast<int>(headY - 2 * k), 2,
               static_cast<int>(4 * k), f.hair[1]);
      FillRect(l, static_cast<int>(cx + 5 * k) - 2, static_cast<int>(headY - 2 * k), 2,
               static_cast<int>(4 * k), f.hair[1]);
    }
  }
  if (f.beard && f.facing == Facing::Front)
    ShadeEllipse(l, cx, headY + 3.5 * k, 3.5 * k, 2.5 * k, f.hair);
  if (f.facing == Facing::Front && !f.helmet) {
    const int ey = static_cast<int>(headY + 0.5);
    const int lx = static_cast<int>(cx - 2 * k), rx = static_cast<int>(cx + 2 * k) - 1;
    l.set(lx, ey, f.eyes), l.set(lx, ey + 1, f.eyes);
    l.set(rx, ey, f.eyes), l.set(rx, ey + 1, f.eyes);
    if (!f.hood && !f.beard) l.set(static_cast<int>(cx), ey + 3, f.skin[0]);  // mouth
  }
  if (f.horns) {
    for (int s : {-1, 1})
      FillPoly(l,
               {{cx + s * 3 * k, headY - 3 * k},
                {cx + s * 5 * k, headY - 4 * k},
                {cx + s * 6.5 * k, headY - 9 * k}},
               Rgb(0xe8dcc0));
  }
}

// Side view, drawn facing right unless facing Left: legs, the far arm, body and belt.
void SideBody(Image& l, const Figure& f, const FigureFrame& b, double dir) {
  const double k = b.k, g = b.g, cx = b.cx, hip = b.hip, shoulder = b.shoulder, feet = f.feet;
  const double stride = f.step * 3.5 * k;
  for (int s : {-1, 1}) {  // back leg first
    const double fx = cx + s * stride * dir;
    const Ramp legs =
        s < 0 ? Ramp{{Scale(f.legs[0], 0.8), f.legs[0], f.legs[1], f.legs[2]}} : f.legs;
    ShadeStroke(l, cx, hip, fx, feet - 2, 4 * k, legs);
    ShadeEllipse(l, fx + dir * 1.2, feet - 1.5, 3 * k, 1.7 * k, f.boots);
  }
  // Far arm behind the body.
  const double farHx = cx - dir * f.step * 2 - dir * 0.5, farHy = hip + 0.5;
  ShadeStroke(l, cx - dir * 1, shoulder + 1.5, farHx, farHy - 1, 3 * k, f.top.Darker());
  f.farHandX = farHx, f.farHandY = farHy;
  for (int y = static_cast<int>(shoulder); y < static_cast<int>(hip + 2); ++y)
    for (int x = static_cast<int>(cx - 4.5 * k * g); x < static_cast<int>(cx + 4.5 * k * g); ++x) {
      const double u = (x + 0.5 - cx) / (4.5 * k * g) * dir;
      l.set(x, y, LitShade(f.top, 0.6 + 0.3 * u - 0.3 * u * u, x, y));
    }
  FillRect(l, static_cast<int>(cx - 4.5 * k * g), static_cast<int>(hip - 1),
           static_cast<int>(9 * k * g), 2, f.belt[1]);
}

void SideHead(Image& l, const Figure& f, const FigureFrame& b, double dir) {
  const double k = b.k, cx = b.cx, headY = b.headY;
  ShadeEllipse(l, cx + dir * 0.5, headY, 4.8 * k, 5.5 * k, f.skin);
  if (f.helmet) {
    ShadeEllipse(l, cx, headY - 1, 5.4 * k, 5.2 * k, f.hair);
    FillRect(l, static_cast<int>(cx + dir * 2 * k) - (dir < 0 ? 2 : 0), static_cast<int>(headY), 3,
             1, Rgb(0x100c10));
  } else if (f.hood) {
    ShadeEllipse(l, cx - dir * 0.8, headY - 1, 5.8 * k, 6.3 * k, f.hair);
    ShadeEllipse(l, cx + dir * 2.5, headY + 0.8, 2.4 * k, 3.5 * k, f.skin, -0.3);
  } else if (!f.bald) {
    ShadeEllipse(l, cx - dir * 2.0, headY - 2.2, 4.4 * k, 3.8 * k, f.hair);
    ShadeEllipse(l, cx - dir * 3.2, headY + 0.5, 2.2 * k, 3.0 * k, f.hair);  // the back of the head
  }
  if (f.beard) ShadeEllipse(l, cx + dir * 2, headY + 3.5 * k, 2.5 * k, 2.2 * k, f.hair);
  if (!f.helmet) {
    l.set(static_cast<int>(cx + dir * 2.5 * k), static_cast<int>(headY + 0.5), f.eyes);
    l.set(static_cast<int>(cx + dir * 5 * k), static_cast<int>(headY + 1.5), f.skin[1]);  // nose
  }
  if (f.horns)
    FillPoly(l,
             {{cx, headY - 3 * k},
              {cx - dir * 2 * k, headY - 4 * k},
              {cx - dir * 1 * k, headY - 10 * k}},
             Rgb(0xe8dcc0));
}

// The near arm, in front of the body, swinging with the stride or lifting the sword.
void SideNearArm(Image& l, const Figure& f, const FigureFrame& b, double dir) {
  const double k = b.k, cx = b.cx, hip = b.hip, shoulder = b.shoulder;
  const double lift = f.armLift;
  const double nearHx = cx + dir * (f.step * 2 + 1.5 + lift * 4), nearHy = hip + 0.5 - lift * 10;
  ShadeStroke(l, cx, shoulder + 1.5, nearHx, nearHy - 1, 3.2 * k, f.top);
  ShadeEllipse(l, nearHx, nearHy, 1.8 * k, 1.8 * k, f.skin);
  f.nearHandX = nearHx, f.nearHandY = nearHy;
}

}  // namespace

FigureFrame FrameOf(const Figure& f) {
  const double hip = f.feet - 11 * f.k - f.bob, shoulder = hip - 12 * f.k;
  return {f.cx, hip, shoulder, shoulder - 5 * f.k, f.k, f.girth};
}

void DrawFigure(Image& l, const Figure& f) {
  const FigureFrame b = FrameOf(f);
  if (f.facing == Facing::Front || f.facing == Facing::Rear) {
    FrontLimbs(l, f, b);
    FrontTorso(l, f, b);
    FrontHead(l, f, b);
    return;
  }
  const double dir = f.facing == Facing::Left ? -1 : 1;
  SideBody(l, f, b, dir);
  SideHead(l, f, b, dir);
  SideNearArm(l, f, b, dir);
}

Image RotateLayer(const Image& src, double px, double py, double angle) {
  Image out(src.w(), src.h());
  const double c = std::cos(angle), s = std::sin(angle);
  for (int y = 0; y < src.h(); ++y)
    for (int x = 0; x < src.w(); ++x) {
      const double dx = x + 0.5 - px, dy = y + 0.5 - py;
      const double sx = c * dx + s * dy + px, sy = -s * dx + c * dy + py;
      out.set(x, y, src.get(static_cast<int>(std::floor(sx)), static_cast<int>(std::floor(sy))));
    }
  return out;
}

}  // namespace tq::art
