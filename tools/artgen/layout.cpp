// Layout pictures: parchments, bars, item slots, map buttons and markers, icon and cursor.
#include <algorithm>
#include <cmath>
#include <string>

#include "figure.h"
#include "icons.h"
#include "items.h"
#include "noise.h"
#include "palette.h"

namespace tq::art {

namespace {

Image parchment(int w, int h, const Ramp& r, uint32_t seed, bool rolled) {
  Image l(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double n = rand01(x / 4, y / 4, seed) * 0.5 + rand01(x, y, seed + 1) * 0.2;
      const double edge = std::min({x, y, w - 1 - x, h - 1 - y}) < 3 ? -0.25 : 0.0;
      l.set(x, y, litShade(r, 0.35 + n * 0.5 + edge, x, y));
    }
  if (rolled)
    for (int side = 0; side < 2; ++side) {
      const int y0 = side ? h - 8 : 0;
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < w; ++x) {
          const double u = (y - 3.5) / 4.0;
          l.set(x, y0 + y, litShade(r, 0.85 - 0.7 * u - 0.4 * u * u, x, y0 + y));
        }
    }
  return l;
}

Image bar(uint32_t base) {
  const Ramp r = rampFrom(base);
  Image l(80, 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 80; ++x) {
      const double u = (y - 4.5) / 7.0;
      Px c = litShade(r, 0.9 - 0.6 * u - 0.25 * u * u, x, y);
      if (y == 2 && x > 2 && x < 77) c = r[3];  // the gloss line
      if (y == 0 || y == 13 || x == 0 || x == 79) c = r[0];
      l.set(x, y, c);
    }
  return l;
}

Image heroHead(int size) {
  Image l(size, size);
  const double c = size / 2.0, k = size / 17.0;
  shadeEllipse(l, c, c + 1 * k, 5.5 * k, 6 * k, pal::kSkin);
  shadeEllipse(l, c, c - 2.5 * k, 5.8 * k, 3.8 * k, ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38));
  fillRect(l, static_cast<int>(c - 2.5 * k), static_cast<int>(c + 1 * k),
           std::max(1, static_cast<int>(k)), std::max(1, static_cast<int>(k)), rgb(0x181018));
  fillRect(l, static_cast<int>(c + 1.5 * k), static_cast<int>(c + 1 * k),
           std::max(1, static_cast<int>(k)), std::max(1, static_cast<int>(k)), rgb(0x181018));
  return l;
}

Image marker(bool under) {
  Image l(17, 17);
  fillEllipse(l, 8.5, 8.5, 8, 8, under ? rgb(0xf0c040) : rgb(0xe02020));
  fillEllipse(l, 8.5, 8.5, 6.5, 6.5, rgb(0xffffff));
  Image head = heroHead(17);
  composite(l, head);
  outline(l);
  return flatten(l, under ? rgb(0x2a2018) : pal::kParchment[2]);
}

Image mapButton(bool close) {
  Image l(16, 17);
  // A folded map: three panels with a route and a cross.
  fillPoly(l, {{1, 3}, {6, 1}, {6, 14}, {1, 16}}, pal::kParchment[2]);
  fillPoly(l, {{6, 1}, {10, 3}, {10, 16}, {6, 14}}, pal::kParchment[1]);
  fillPoly(l, {{10, 3}, {15, 1}, {15, 14}, {10, 16}}, pal::kParchment[2]);
  for (int i = 0; i < 5; ++i) l.set(3 + i * 2, 10 - (i % 2) * 2, pal::kRed[1]);
  if (close) {
    thickLine(l, 3, 4, 13, 14, 2.2, pal::kRed[2]);
    thickLine(l, 13, 4, 3, 14, 2.2, pal::kRed[2]);
  } else {
    fillEllipse(l, 12, 6, 1.5, 1.5, rgb(0x40c040));
  }
  outline(l);
  return flatten(l, rgb(kFrameGrey));
}

Image enemyIcon() {
  Image l(15, 15);
  shadeEllipse(l, 7.5, 8, 5.5, 5.5, pal::kRed);
  for (int s : {-1, 1})
    fillPoly(l, {{7.5 + s * 2, 4}, {7.5 + s * 5, 4}, {7.5 + s * 6, -0.5}}, rgb(0xe8dcc0));
  l.set(5, 8, rgb(0xfff040)), l.set(9, 8, rgb(0xfff040));
  line(l, 5, 11, 10, 11, rgb(0x300808));
  outline(l);
  return flatten(l, rgb(kFrameGrey));
}

Image goldIcon() {
  Image l(15, 15);
  drawItem(l, "COIN", 7.5, 7.5, 0.85);
  outline(l);
  return flatten(l, rgb(kFrameGrey));
}

Image item(std::string_view name, int w, int h, double s) {
  Image l(w, h);
  drawItem(l, name, w / 2.0, h / 2.0, s);
  outline(l);
  return flatten(l, rgb(kFrameGrey));
}

}  // namespace

Image layoutPicture(std::string_view n) {
  if (n == "layout/window.ico") {
    Image l(32, 32);
    Image head = heroHead(32);
    composite(l, head, 0, 2);
    shadeStroke(l, 27, 4, 20, 20, 2.6, pal::kSteel);
    shadeStroke(l, 18, 16, 24, 22, 2, pal::kGold);
    outline(l);
    return l;
  }
  if (n == "layout/cursor.cur") {  // a small sword pointing up and to the left
    Image l(32, 32);
    fillPoly(l, {{0, 0}, {4, 1}, {16, 13}, {13, 16}, {1, 4}}, pal::kSteel[3]);
    fillPoly(l, {{4, 1}, {16, 13}, {14, 15}, {2, 3}}, pal::kSteel[1]);
    thickLine(l, 11, 19, 19, 11, 2.4, pal::kGold[2]);
    thickLine(l, 16, 16, 22, 22, 2.6, pal::kBark[2]);
    fillEllipse(l, 23, 23, 2, 2, pal::kGold[2]);
    outline(l, 0.2);
    return l;
  }
  if (n == "layout/scroll.bmp")
    return parchment(113, 161, ramp(0x3a2414, 0x583a20, 0x6e4a2a, 0x8a6038), 3, true);
  if (n == "layout/parchment.bmp") return parchment(88, 133, pal::kParchment, 5, false);
  if (n == "layout/sword.bmp") return item("HUNTERSWORD", 17, 17, 1.0);
  if (n == "layout/shirt.bmp") return item("SHIRT", 17, 17, 0.95);
  if (n == "layout/moneybag.bmp") return item("MAGICBAG", 17, 17, 0.9);
  if (n == "layout/bar0.bmp") return bar(0xe03030);
  if (n == "layout/bar1.bmp") return bar(0x3a70e8);
  if (n == "layout/bar2.bmp") return bar(0xe8c030);
  if (n == "layout/bar3.bmp") return bar(0xa040c0);
  if (n == "layout/bar4.bmp") return bar(0x40c040);
  if (n == "layout/mapopen.bmp") return mapButton(false);
  if (n == "layout/mapclose.bmp") return mapButton(true);
  if (n == "layout/marker.bmp") return marker(false);
  if (n == "layout/markerunder.bmp") return marker(true);
  if (n == "layout/shield.bmp") return item("SHIELD", 17, 17, 0.95);
  if (n == "layout/glove.bmp") return item("GLOVE", 17, 17, 0.95);
  if (n == "layout/fishbook.bmp") return item("BOOK", 17, 17, 0.95);
  if (n == "layout/goldkey.bmp") return item("goldkey", 17, 7, 0.85);
  if (n == "layout/redkey.bmp") return item("redkey", 17, 7, 0.85);
  if (n == "layout/purplekey.bmp") return item("purplekey", 17, 7, 0.85);
  if (n == "layout/goldicon.bmp") return goldIcon();
  return enemyIcon();
}

}  // namespace tq::art
