// Layout pictures: parchments, bars, item slots, map buttons and markers, icon and cursor.
#include <algorithm>
#include <cmath>
#include <string>

#include "figure.h"
#include "icons.h"
#include "items.h"
#include "noise.h"
#include "palette.h"
#include "screens.h"

namespace tq::art {

namespace {

// The vellum's two ends; its mean lies about a third of the way from the dark one.
constexpr uint32_t kVellumDark = 0x100a06, kVellumLight = 0x2e2014;

// Dark vellum for the message strip and the map panels. The strip stretches it to 408 x 49
// and the panels to 201 x 193, so it has no grain to smear into streaks: only broad, soft
// stains in smoothly changing colour, darkest at the rim. It is dark enough that every message
// colour, the pure red the dimmest, reads at 4.5:1 against it, as small text needs.
Image Parchment(int w, int h) {
  const Px dark = Rgb(kVellumDark), light = Rgb(kVellumLight);
  Image l(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double stain = PeriodicNoise(x, y, 22, w * 2, h * 2, 5) * 0.6 +
                           PeriodicNoise(x + 7, y + 3, 11, w * 2, h * 2, 6) * 0.4;
      const double ex = std::min(x + 0.5, w - x - 0.5) / 12.0;
      const double ey = std::min(y + 0.5, h - y - 0.5) / 18.0;
      const double rim = std::min(1.0, std::min(ex, ey));  // 0 at the edge, 1 inside
      const double t = std::clamp(0.15 + stain * 0.55, 0.0, 1.0) * (0.55 + 0.45 * rim);
      Px c = Mix(dark, light, t);
      c.a = 255;
      l.set(x, y, c);
    }
  return l;
}

// The intro story's scroll: a sheet of dark, aged vellum between two wooden rollers, so the
// white story text reads on it. The sheet fills the box's width, since the story is wrapped to
// it, and the game keeps the scrolling text between the rollers (the top and bottom
// kScrollRollerRows rows). Round the rollers' knobs the title picture shows, since the scroll box
// sits over it at (24, 67).
Image IntroScroll() {
  constexpr int kW = 113, kH = 161, kRoll = 9;  // the game's renderer knows the roller height
  const Image title = TitlePicture();
  Image l(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      Px p = title.get(24 + x, 67 + y);
      p.a = 255;
      l.set(x, y, p);
    }
  const Ramp paper = Ramp(0x2c1a0e, 0x482e18, 0x603e24, 0x7c5836);
  for (int y = kRoll - 1; y < kH - kRoll + 1; ++y) {
    // The sheet's long edges are a little worn and uneven.
    const int inL = static_cast<int>(Rand01(0, y / 3, 31) * 2.0);
    const int inR = static_cast<int>(Rand01(1, y / 3, 31) * 2.0);
    for (int x = inL; x < kW - inR; ++x) {
      const double n = PeriodicNoise(x, y, 9, kW, kH, 32) * 0.6 + Rand01(x, y, 33) * 0.15;
      const int edge = std::min({x - inL, kW - inR - 1 - x, y - kRoll, kH - kRoll - 1 - y});
      double lgt = 0.35 + n * 0.4;
      if (edge < 4) lgt -= (4 - edge) * 0.09;  // singed, darker edges
      if (y < kRoll + 3) lgt -= 0.25;          // the shadow under the top roller
      l.set(x, y, LitShade(paper, lgt, x, y));
    }
  }
  for (int side = 0; side < 2; ++side) {
    const int y0 = side ? kH - kRoll : 0;
    for (int y = 0; y < kRoll; ++y) {
      const double u = (y + 0.5) / kRoll * 2.0 - 1.0;  // -1 top .. 1 bottom
      const double lgt = 0.8 - 0.55 * u - 0.35 * u * u;
      for (int x = 3; x < kW - 3; ++x) {
        Px c = LitShade(kWood, lgt, x, y0 + y);
        if (y == 0 || y == kRoll - 1) c = Rgb(0x2a1808);
        l.set(x, y0 + y, c);
      }
    }
    for (const double kx : {2.5, kW - 2.5}) {  // the knobs
      FillEllipse(l, kx, y0 + kRoll / 2.0, 2.9, 4.6, Rgb(0x2a1808));
      ShadeEllipse(l, kx, y0 + kRoll / 2.0, 2.1, 3.8, kGold);
    }
  }
  return l;
}

Image Bar(uint32_t base) {
  const Ramp r = RampFrom(base);
  Image l(80, 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 80; ++x) {
      const double u = (y - 4.5) / 7.0;
      Px c = LitShade(r, 0.9 - 0.6 * u - 0.25 * u * u, x, y);
      if (y == 2 && x > 2 && x < 77) c = r[3];  // the gloss line
      if (y == 0 || y == 13 || x == 0 || x == 79) c = r[0];
      l.set(x, y, c);
    }
  return l;
}

Image HeroHead(int size) {
  Image l(size, size);
  const double c = size / 2.0, k = size / 17.0;
  ShadeEllipse(l, c, c + 1 * k, 5.5 * k, 6 * k, kSkin);
  ShadeEllipse(l, c, c - 2.5 * k, 5.8 * k, 3.8 * k, Ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38));
  FillRect(l, static_cast<int>(c - 2.5 * k), static_cast<int>(c + 1 * k),
           std::max(1, static_cast<int>(k)), std::max(1, static_cast<int>(k)), Rgb(0x181018));
  FillRect(l, static_cast<int>(c + 1.5 * k), static_cast<int>(c + 1 * k),
           std::max(1, static_cast<int>(k)), std::max(1, static_cast<int>(k)), Rgb(0x181018));
  return l;
}

Image Marker(bool under) {
  Image l(17, 17);
  FillEllipse(l, 8.5, 8.5, 8, 8, under ? Rgb(0xf0c040) : Rgb(0xe02020));
  FillEllipse(l, 8.5, 8.5, 6.5, 6.5, Rgb(0xffffff));
  Image head = HeroHead(17);
  Composite(l, head);
  Outline(l);
  return Flatten(l, Mix(Rgb(kVellumDark), Rgb(kVellumLight), 0.35));  // the map's vellum
}

Image MapButton(bool close) {
  Image l(16, 17);
  // A folded map: three panels with a route and a cross.
  FillPoly(l, {{1, 3}, {6, 1}, {6, 14}, {1, 16}}, kParchment[2]);
  FillPoly(l, {{6, 1}, {10, 3}, {10, 16}, {6, 14}}, kParchment[1]);
  FillPoly(l, {{10, 3}, {15, 1}, {15, 14}, {10, 16}}, kParchment[2]);
  for (int i = 0; i < 5; ++i) l.set(3 + i * 2, 10 - (i % 2) * 2, kRed[1]);
  if (close) {
    ThickLine(l, 3, 4, 13, 14, 2.2, kRed[2]);
    ThickLine(l, 13, 4, 3, 14, 2.2, kRed[2]);
  } else {
    FillEllipse(l, 12, 6, 1.5, 1.5, Rgb(0x40c040));
  }
  return OnFrameGrey(l);
}

Image EnemyIcon() {
  Image l(15, 15);
  ShadeEllipse(l, 7.5, 8, 5.5, 5.5, kRed);
  for (int s : {-1, 1})
    FillPoly(l, {{7.5 + s * 2, 4}, {7.5 + s * 5, 4}, {7.5 + s * 6, -0.5}}, Rgb(0xe8dcc0));
  l.set(5, 8, Rgb(0xfff040)), l.set(9, 8, Rgb(0xfff040));
  Line(l, 5, 11, 10, 11, Rgb(0x300808));
  return OnFrameGrey(l);
}

}  // namespace

Image LayoutPicture(std::string_view n) {
  if (n == "layout/window.ico") {
    Image l(32, 32);
    Image head = HeroHead(32);
    Composite(l, head, 0, 2);
    ShadeStroke(l, 27, 4, 20, 20, 2.6, kSteel);
    ShadeStroke(l, 18, 16, 24, 22, 2, kGold);
    Outline(l);
    return l;
  }
  if (n == "layout/cursor.cur") {  // a small sword pointing up and to the left
    Image l(32, 32);
    FillPoly(l, {{0, 0}, {4, 1}, {16, 13}, {13, 16}, {1, 4}}, kSteel[3]);
    FillPoly(l, {{4, 1}, {16, 13}, {14, 15}, {2, 3}}, kSteel[1]);
    ThickLine(l, 11, 19, 19, 11, 2.4, kGold[2]);
    ThickLine(l, 16, 16, 22, 22, 2.6, kBark[2]);
    FillEllipse(l, 23, 23, 2, 2, kGold[2]);
    Outline(l, 0.2);
    return l;
  }
  if (n == "layout/scroll.bmp") return IntroScroll();
  if (n == "layout/parchment.bmp") return Parchment(88, 133);
  if (n == "layout/sword.bmp") return ItemOnFrameGrey("HUNTERSWORD", 17, 17, 1.0);
  if (n == "layout/shirt.bmp") return ItemOnFrameGrey("SHIRT", 17, 17, 0.95);
  if (n == "layout/moneybag.bmp") return ItemOnFrameGrey("MAGICBAG", 17, 17, 0.9);
  if (n == "layout/bar0.bmp") return Bar(0xe03030);
  if (n == "layout/bar1.bmp") return Bar(0x3a70e8);
  if (n == "layout/bar2.bmp") return Bar(0xe8c030);
  if (n == "layout/bar3.bmp") return Bar(0xa040c0);
  if (n == "layout/bar4.bmp") return Bar(0x40c040);
  if (n == "layout/mapopen.bmp") return MapButton(false);
  if (n == "layout/mapclose.bmp") return MapButton(true);
  if (n == "layout/marker.bmp") return Marker(false);
  if (n == "layout/markerunder.bmp") return Marker(true);
  if (n == "layout/shield.bmp") return ItemOnFrameGrey("SHIELD", 17, 17, 0.95);
  if (n == "layout/glove.bmp") return ItemOnFrameGrey("GLOVE", 17, 17, 0.95);
  if (n == "layout/fishbook.bmp") return ItemOnFrameGrey("BOOK", 17, 17, 0.95);
  if (n == "layout/goldkey.bmp") return ItemOnFrameGrey("goldkey", 17, 7, 0.85);
  if (n == "layout/redkey.bmp") return ItemOnFrameGrey("redkey", 17, 7, 0.85);
  if (n == "layout/purplekey.bmp") return ItemOnFrameGrey("purplekey", 17, 7, 0.85);
  if (n == "layout/goldicon.bmp") return ItemOnFrameGrey("COIN", 15, 15, 0.85);
  return EnemyIcon();
}

}  // namespace tq::art
