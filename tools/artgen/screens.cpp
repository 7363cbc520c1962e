// Screens: the three wide pictures of the title screen, painted pixel for pixel at their full
// 385 x 330, so their detail matches the cells of the play field.
#include "screens.h"

#include <algorithm>
#include <cmath>

#include "figure.h"
#include "hero.h"
#include "noise.h"
#include "palette.h"

namespace tq::art {

namespace {

constexpr int kW = kScreenW, kH = kScreenH;

// A sky from `top` to `bottom` at the horizon, in dithered bands as a small palette draws it.
void Sky(Image& l, uint32_t top, uint32_t bottom, int horizon) {
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double t = std::min(1.0, static_cast<double>(y) / horizon);
      const double band = std::floor(t * 14 + Bayer(x, y) - 0.5) / 14;
      l.set(x, y, Mix(Rgb(top), Rgb(bottom), std::clamp(band, 0.0, 1.0)));
    }
}

void Stars(Image& l, int below, uint32_t seed) {
  for (int i = 0; i < 220; ++i) {
    const int x = static_cast<int>(Hash3(i, 0, seed) % kW);
    const int y = static_cast<int>(Hash3(i, 1, seed) % below);
    const uint32_t kind = Hash3(i, 2, seed) % 12;
    const Px c = kind < 8 ? Rgb(0x8890b8) : Rgb(0xe8ecff);
    l.set(x, y, c);
    if (kind >= 10) {  // a bright one twinkles in a little cross
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        l.set(x + dx, y + dy, Rgb(0x8890b8));
    }
  }
}

// A ridge of peaks: each peak a cone of its own height and steepness, the ridge the highest of
// them at each column with a little jag; lit on the left flanks, ragged snow on the heights.
void MountainRange(Image& l, int base, double height, uint32_t seed, const Ramp& rock, bool snow) {
  std::vector<double> top(kW, base);
  for (int i = 0; i < 11; ++i) {
    const double px = -20 + i * 40 + (Rand01(i, 0, seed) - 0.5) * 30;
    const double h = height * (0.45 + Rand01(i, 1, seed) * 0.55);
    const double steep = 0.7 + Rand01(i, 2, seed) * 0.6;
    for (int x = 0; x < kW; ++x) top[x] = std::min(top[x], base - h + std::fabs(x - px) * steep);
  }
  for (int x = 0; x < kW; ++x) top[x] += (Rand01(x / 3, 0, seed + 1) - 0.5) * 3;
  for (int x = 0; x < kW; ++x) {
    const double slope = top[std::min(kW - 1, x + 2)] - top[std::max(0, x - 2)];  // < 0 rising
    const double lit = slope > 0.5 ? 0.35 : slope < -0.5 ? 0.75 : 0.55;
    for (int y = static_cast<int>(top[x]); y < kH; ++y) {
      const double depth = (y - top[x]) / height;
      Px c = LitShade(rock, lit - depth * 0.6 + (Rand01(x / 2, y / 3, seed) - 0.5) * 0.2, x, y);
      const double peak = (base - top[x]) / height;  // how high this column reaches
      const double snowLine = peak * 0.35 + 0.06 * std::sin(x * 0.37) + 0.05 * Rand01(x, 3, seed);
      if (snow && depth < snowLine) c = LitShade(kSnow, lit + 0.2 - depth, x, y);
      l.set(x, y, c);
    }
  }
}

// A dark forest of pines along a base line, tall ones behind smaller ones.
void Pines(Image& l, int base, const Ramp& r, uint32_t seed, double size) {
  for (int i = 0; i < 70; ++i) {
    const double x = i * 5.7 + Rand01(i, 0, seed) * 4;
    const double h = size * (0.6 + Rand01(i, 1, seed) * 0.6);
    const double w = h * 0.32;
    for (int y = static_cast<int>(base - h); y < base; ++y) {
      const double t = (y - (base - h)) / h;  // 0 at the tip
      // Tiers of boughs: the width grows down each tier, then steps in again.
      const double tier = std::fmod(t * 4, 1.0);
      const double half = w * (0.25 + 0.75 * t) * (0.7 + 0.3 * tier);
      for (int xx = static_cast<int>(x - half); xx <= x + half; ++xx) {
        const double u = (xx - x) / std::max(1.0, half);
        l.set(xx, y, LitShade(r, 0.55 - 0.45 * u - t * 0.2, xx, y));
      }
    }
  }
  FillRect(l, 0, base, kW, kH - base, r[0]);
}

Figure Tarvo(Facing facing, double cx, double feet, double k) {
  Figure f = HeroFigure(HeroLook{facing});
  f.cx = cx, f.feet = feet, f.k = k;
  return f;
}

// A figure painted at size on its own layer, outlined, then laid over the scene.
template <typename Paint>
void FigureOver(Image& scene, Paint paint) {
  Image layer(kW, kH);
  paint(layer);
  Outline(layer);
  Composite(scene, layer);
}

// The title's ruinstone: two pillars and a lintel of grey stone round a violet light.
void Ruinstone(Image& l, double cx, double base) {
  Px glow = Rgb(0xa070ff);
  glow.a = 90;
  FillEllipse(l, cx, base - 30, 34, 40, glow);
  glow.a = 150;
  FillEllipse(l, cx, base - 28, 14, 22, glow);
  FillEllipse(l, cx, base - 28, 8, 15, Rgb(0xe0d0ff));
  FillEllipse(l, cx, base - 28, 4, 9, Rgb(0xffffff));
  for (int s : {-1, 1}) {
    const int x0 = static_cast<int>(cx + s * 22 - 6);
    ShadeCylinder(l, x0, static_cast<int>(base - 52), 12, 52, kStone);
    for (int y = static_cast<int>(base - 48); y < base; y += 9)  // the courses of stone
      Line(l, x0, y, x0 + 11, y, kStone[0]);
    for (int y = static_cast<int>(base - 40); y < base - 6; y += 13) l.set(x0 + 6, y, kStone[0]);
  }
  ShadeBox(l, static_cast<int>(cx - 34), static_cast<int>(base - 62), 68, 11, kStone);
  for (int x = static_cast<int>(cx - 30); x < cx + 30; x += 11)
    Line(l, x, static_cast<int>(base - 61), x, static_cast<int>(base - 53), kStone[1]);
  for (int i = 0; i < 14; ++i) {
    const double a = i * 0.9, r = 18 + (i % 4) * 7;
    l.set(static_cast<int>(cx + std::cos(a) * r), static_cast<int>(base - 30 + std::sin(a) * r),
          Rgb(0xd8c8ff));
  }
}

// The make-world picture's map on the desk: ten squares by ten, from its top left corner.
constexpr int kMapCell = 20, kMapX = 128, kMapY = 92;

// The desk's dark planks, with candle light pooling on the right, away from the title.
void Desk(Image& l) {
  const Ramp desk = Ramp(0x140c08, 0x22160e, 0x321f12, 0x46301c);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int plank = y / 33;
      const double grain = PeriodicNoise(x * 0.25, y * 2.0 + plank * 17, 6, kW, kH * 2, 90);
      double lgt = 0.3 + grain * 0.35 + Rand01(plank, 0, 91) * 0.15;
      lgt += 0.35 * std::max(0.0, 1.0 - std::hypot(x - 350.0, y - 60.0) / 220.0);
      Px c = LitShade(desk, lgt, x, y);
      if (y % 33 == 32) c = Rgb(0x0a0604);
      l.set(x, y, c);
    }
}

// The sheet of parchment, a little askew, with a soft shadow.
void ParchmentSheet(Image& l) {
  const std::vector<Pt> sheet = {{92, 80}, {362, 72}, {368, 306}, {96, 312}};
  std::vector<Pt> shadow = sheet;
  for (Pt& p : shadow) p.x += 5, p.y += 5;
  Px shade = Rgb(0x000000);
  shade.a = 120;
  FillPoly(l, shadow, shade);
  Image paper(kW, kH);
  FillPoly(paper, sheet, Rgb(0xffffff));
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (paper.get(x, y).a) {
        const double n = PeriodicNoise(x, y, 16, kW, kH, 7) * 0.6 + Rand01(x, y, 8) * 0.15;
        l.set(x, y, LitShade(kParchment, 0.5 + n * 0.4, x, y));
      }
}

// A square still to come: the magic at work on it in a few sparks.
void MagicSparks(Image& l, int x0, int y0, int index) {
  for (int i = 0; i < 4; ++i) {
    const int x = x0 + 3 + static_cast<int>(Hash3(index, i, 79) % 13);
    const int y = y0 + 3 + static_cast<int>(Hash3(index, i + 9, 79) % 13);
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
      l.set(x + dx, y + dy, Rgb(0xa060f0));
    l.set(x, y, Rgb(0xf8f0ff));
  }
}

// A square already drawn: grass with woods, a pond or a house, and its inked edge.
void MapSquare(Image& l, int r, int c) {
  const int x0 = kMapX + c * kMapCell, y0 = kMapY + r * kMapCell;
  for (int y = y0; y < y0 + kMapCell - 1; ++y)
    for (int x = x0; x < x0 + kMapCell - 1; ++x)
      l.set(x, y, LitShade(kGrass, 0.3 + Rand01(x, y, 78) * 0.35, x, y));
  const uint32_t h = Hash3(r, c, 77) % 10;
  if (h < 5) {  // woods: a few round crowns
    for (int t = 0; t < 3; ++t)
      ShadeEllipse(l, x0 + 5 + (t * 7) % 10, y0 + 6 + (t * 5) % 9, 3.6, 3.2, kLeafDark);
  } else if (h < 7) {  // a pond
    ShadeEllipse(l, x0 + 9.5, y0 + 9.5, 6.5, 5, kWater);
  } else if (h < 8) {  // a house with a red roof
    FillRect(l, x0 + 5, y0 + 9, 9, 6, kWood[2]);
    FillPoly(l, {{x0 + 3.0, y0 + 10.0}, {x0 + 16.0, y0 + 10.0}, {x0 + 9.5, y0 + 3.0}}, kRed[2]);
  }
  for (int i = 0; i < kMapCell - 1; ++i) {
    l.set(x0 + i, y0 + kMapCell - 1, Rgb(0x5a4028));
    l.set(x0 + kMapCell - 1, y0 + i, Rgb(0x5a4028));
  }
}

// The quill at work on the next square, and the magic trailing from its nib.
void Quill(Image& l) {
  FigureOver(l, [&](Image& layer) {
    const double tx = kMapX + 3 * kMapCell + 4, ty = kMapY + 6 * kMapCell + 8;
    std::vector<Pt> vane;
    for (int i = 0; i <= 12; ++i) {
      const double t = i / 12.0;
      vane.push_back({tx + 8 + t * 62, ty - 10 - t * 62 - std::sin(t * 3.14) * 10});
    }
    for (int i = 12; i >= 0; --i) {
      const double t = i / 12.0;
      vane.push_back({tx + 14 + t * 70, ty - 4 - t * 64 + std::sin(t * 3.14) * 6});
    }
    FillPoly(layer, vane, Rgb(0xf4f4f8));
    for (int i = 1; i < 12; ++i) {  // the barbs
      const double t = i / 12.0;
      Line(layer, static_cast<int>(tx + 10 + t * 64), static_cast<int>(ty - 8 - t * 63),
           static_cast<int>(tx + 16 + t * 66 - std::sin(t * 3.14) * 6),
           static_cast<int>(ty - 8 - t * 63 - 8), Rgb(0xc8c8d8));
    }
    ShadeStroke(layer, tx, ty, tx + 84, ty - 70, 2, Ramp(0x8a8a9a, 0xb8b8c8, 0xe0e0ea, 0xffffff));
    FillPoly(layer, {{tx - 2, ty + 3}, {tx + 3, ty - 2}, {tx + 6, ty + 1}}, Rgb(0x202030));
  });
  for (int i = 0; i < 10; ++i)  // the magic trailing from the nib
    l.set(kMapX + 3 * kMapCell + 2 + static_cast<int>(Hash3(i, 0, 80) % 12),
          kMapY + 6 * kMapCell + 10 + static_cast<int>(Hash3(i, 1, 80) % 8), Rgb(0xd0b0ff));
}

// An ink pot on the desk and the candle that lights it all.
void InkAndCandle(Image& l) {
  ShadeEllipse(l, 56, 262, 18, 7, Ramp(0x0a0a14, 0x1a1a2e, 0x2e2e4a, 0x6a6a9a));
  ShadeCylinder(l, 40, 232, 32, 30, Ramp(0x101020, 0x1e1e36, 0x34345a, 0x7a7aaa));
  ShadeEllipse(l, 56, 232, 16, 5, Ramp(0x101020, 0x1e1e36, 0x34345a, 0x7a7aaa));
  FillEllipse(l, 56, 231, 10, 3, Rgb(0x05050a));
  Px warm = Rgb(0xffd070);
  warm.a = 60;
  FillEllipse(l, 350, 40, 40, 40, warm);
  ShadeCylinder(l, 342, 40, 16, 44, Ramp(0xb8a888, 0xd8ccb0, 0xf0e8d0, 0xfffaf0));
  FillEllipse(l, 350, 30, 4, 8, kFire[2]);
  FillEllipse(l, 350, 32, 2, 4, Rgb(0xfff8d0));
}

}  // namespace

Image TitlePicture() {
  Image l(kW, kH);
  Sky(l, 0x0a0a24, 0x3a2a5a, 210);
  Stars(l, 170, 3);
  // The moon: a lit crescent, its dark side the sky.
  ShadeEllipse(l, 300, 50, 21, 21, Ramp(0xb8b49a, 0xd8d4b8, 0xf0ecd0, 0xffffff), 0.2);
  FillEllipse(l, 309, 44, 18, 18, Rgb(0x141232));
  MountainRange(l, 205, 80, 5, Ramp(0x242440, 0x34345a, 0x4a4a74, 0x68689a),
                true);                                                 // the Far North
  Pines(l, 244, Ramp(0x0a1812, 0x12261c, 0x1c3828, 0x284c36), 9, 46);  // the Black Woods
  // The hill of the ruinstone and the road that winds up to it from the viewer.
  FillEllipse(l, 300, 262, 80, 28, Rgb(0x12201a));
  for (int y = 240; y < kH; ++y) {
    const double t = (y - 240) / 90.0;
    const double cx = 262 - 40 * t + 10 * std::sin(t * 3), half = 5 + 34 * t * t + 6 * t;
    for (int x = static_cast<int>(cx - half); x < cx + half; ++x) {
      Px c = LitShade(kDirt, 0.22 + t * 0.45 + (Rand01(x / 2, y, 41) - 0.5) * 0.3, x, y);
      if (Rand01(x, y, 42) < 0.02) c = Rgb(0x8a7c6c);  // pebbles
      l.set(x, y, c);
    }
  }
  Ruinstone(l, 300, 246);
  // The hero on the road, his back to us, looking toward the light.
  FigureOver(l, [](Image& layer) {
    Figure f = Tarvo(Facing::Rear, 190, 292, 2.7);
    DrawFigure(layer, f);
    ShadeStroke(layer, f.farHandX, f.farHandY, f.farHandX + 8, f.farHandY - 40, 5, kSteel);
    ShadeStroke(layer, f.farHandX - 4, f.farHandY - 1, f.farHandX + 5, f.farHandY + 2, 3, kGold);
  });
  return Flatten(l, Rgb(0));
}

Image MakeWorldPicture() {
  // The map of the Black Woods being drawn square by square on a desk by candle light, the
  // magic still at work on the squares to come. The desk's dark wood keeps the title readable.
  Image l(kW, kH);
  Desk(l);
  ParchmentSheet(l);
  // 63 squares drawn, the next twelve shimmering with magic, the rest still blank.
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 10; ++c) {
      const int index = r * 10 + c;
      if (index < 63)
        MapSquare(l, r, c);
      else if (index < 75)
        MagicSparks(l, kMapX + c * kMapCell, kMapY + r * kMapCell, index);
    }
  Quill(l);
  InkAndCandle(l);
  return Flatten(l, Rgb(0));
}

Image EndPicture() {
  // The brothers together at home, under a dawn sky.
  Image l(kW, kH);
  Sky(l, 0x3a4a8a, 0xf0a060, 180);
  Px haze = Rgb(0xfff0a0);
  haze.a = 70;
  FillEllipse(l, 192, 180, 60, 60, haze);
  FillEllipse(l, 192, 180, 40, 40, Rgb(0xfff0a0));
  FillEllipse(l, 192, 180, 34, 34, Rgb(0xfffad0));
  MountainRange(l, 192, 50, 9, Ramp(0x3a3a5a, 0x545478, 0x706c98, 0x9a90c0), false);
  for (int y = 186; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const double n = PeriodicNoise(x, y, 10, kW, kH, 12) * 0.3;
      Px c = LitShade(kGrass, 0.55 - (y - 186) * 0.003 + n, x, y);
      if (Rand01(x, y, 13) < 0.01) c = Rand01(x, y, 14) < 0.5 ? Rgb(0xf0e070) : Rgb(0xf0f0ff);
      l.set(x, y, c);
    }
  // Home: a thatched house on the left, its window lit.
  ShadeBox(l, 30, 156, 78, 54, kWood);
  for (int y = 160; y < 208; y += 6) Line(l, 31, y, 106, y, kWood[1]);
  for (int y = 110; y < 162; ++y) {
    const double half = (y - 110) / 52.0 * 52;
    for (int x = static_cast<int>(69 - half); x <= 69 + half; ++x)
      l.set(x, y,
            LitShade(kStraw, 0.75 - (x - 69) / 110.0 + ((x + y / 2) % 5 == 0 ? -0.3 : 0), x, y));
  }
  ShadeBox(l, 60, 180, 18, 30, Ramp(0x2a1808, 0x3a2410, 0x4a3018, 0x5a3c20));  // the door
  FillRect(l, 87, 168, 12, 12, Rgb(0xf8d870));
  FillRect(l, 92, 168, 2, 12, kWood[0]);
  FillRect(l, 87, 173, 12, 2, kWood[0]);
  // The brothers: Rirezivi with his arms thrown up for joy, Tarvo with his sword held high.
  FigureOver(l, [](Image& layer) {
    Figure f = Tarvo(Facing::Front, 150, 262, 2.4);
    const double shoulder = 262 - 23 * 2.4;
    f.posedHands = true;
    f.handX[0] = 150 - 25, f.handY[0] = shoulder - 20;
    f.handX[1] = 150 + 18, f.handY[1] = shoulder + 26;
    DrawFigure(layer, f);
    ShadeStroke(layer, f.handX[0], f.handY[0], f.handX[0] - 6, f.handY[0] - 42, 5, kSteel);
    ShadeStroke(layer, f.handX[0] - 6, f.handY[0] + 1, f.handX[0] + 6, f.handY[0] - 1, 3, kGold);
  });
  FigureOver(l, [](Image& layer) {
    Figure f = BrotherFigure();
    f.cx = 215, f.feet = 262, f.k = 2.2;
    const double shoulder = 262 - 23 * 2.2;
    f.posedHands = true;
    f.handX[0] = 215 - 26, f.handY[0] = shoulder - 24;
    f.handX[1] = 215 + 26, f.handY[1] = shoulder - 24;
    DrawFigure(layer, f);
  });
  for (int i = 0; i < 5; ++i) {  // birds
    const int x = 250 + i * 21, y = 60 + (i % 2) * 12;
    Line(l, x, y, x + 3, y + 3, Rgb(0x2a2a3a));
    Line(l, x + 3, y + 3, x + 6, y, Rgb(0x2a2a3a));
  }
  return Flatten(l, Rgb(0));
}

}  // namespace tq::art
