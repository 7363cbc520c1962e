// Icons: small pictures drawn with the same painters as the tiles, on the frame grey.
#include "icons.h"

#include <cmath>
#include <string>

#include "figure.h"
#include "items.h"
#include "noise.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

Image Item17(std::string_view item, int frame = 1, bool glow = false) {
  return ItemOnFrameGrey(item, 17, 17, 0.92, frame, glow);
}

void GlowRing(Image& l, double cx, double cy, double r, Px c) {
  c.a = 120;
  FillEllipse(l, cx, cy, r, r, c);
}

// An item on the 17 x 17 slot, over a soft ring of its glow centred at (8.5, glowY).
Image ItemInGlow(std::string_view item, double s, double glowY, double glowR, Px glow) {
  Image l(17, 17);
  GlowRing(l, 8.5, glowY, glowR, glow);
  DrawItem(l, item, 8.5, 8.5, s);
  return OnFrameGrey(l);
}

Image HeadIcon(bool blink) {
  Image l(15, 15);
  Figure f;
  f.skin = blink ? Ramp(0x8a3030, 0xb84848, 0xe07070, 0xf8a8a8) : kSkin;
  f.hair = Ramp(0x3a2010, 0x5a3418, 0x7a4a22, 0x9a6a38);
  ShadeEllipse(l, 7.5, 8, 5, 5.5, f.skin);
  ShadeEllipse(l, 7.5, 5.2, 5.2, 3.2, f.hair);
  l.set(5, 8, Rgb(0x181018)), l.set(9, 8, Rgb(0x181018));
  Line(l, 6, 11, 8, 11, f.skin[0]);
  if (blink) l.set(11, 3, Rgb(0x80c0ff)), l.set(11, 4, Rgb(0x80c0ff));  // a bead of sweat
  return OnFrameGrey(l);
}

Image StarIcon(bool flash) {
  Image l(15, 15);
  if (flash) GlowRing(l, 7.5, 7.5, 7.5, Rgb(0xfff8a0));
  std::vector<Pt> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = -1.5708 + i * 0.6283, r = i % 2 ? 2.8 : 6.5;
    pts.push_back({7.5 + std::cos(a) * r, 8 + std::sin(a) * r});
  }
  FillPoly(l, pts, flash ? Rgb(0xffffff) : kGold[2]);
  FillEllipse(l, 7, 7, 1.5, 1.5, flash ? Rgb(0xfff8d0) : kGold[3]);
  return OnFrameGrey(l);
}

Image HeartIcon(bool blink) {
  Image l(15, 15);
  DrawItem(l, "HEART", 7.5, 7.0, 1.0);
  if (blink)
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < 15; ++x) l.Tint(x, y, Rgb(0x301010), 0.55);
  return OnFrameGrey(l);
}

// Toolbar pictures, drawn large and kept simple.
Image ToolbarLayer(std::string_view name) {
  Image l(32, 32);
  if (name == "NEW") {  // a fresh world: a sprouting sapling on a globe of earth
    ShadeEllipse(l, 16, 22, 12, 8, kGrass);
    ShadeStroke(l, 16, 20, 16, 9, 2.4, kBark);
    ShadeEllipse(l, 11, 10, 5, 3.5, kLeaf);
    ShadeEllipse(l, 21, 8, 5, 3.5, kLeaf);
    for (int i = 0; i < 4; ++i) l.set(5 + i * 7, 4 + (i % 2) * 3, Rgb(0xfff8a0));
  } else if (name == "LOAD") {  // an open book with the saved journey
    FillPoly(l, {{3, 9}, {16, 12}, {16, 28}, {3, 25}}, kParchment[2]);
    FillPoly(l, {{29, 9}, {16, 12}, {16, 28}, {29, 25}}, kParchment[1]);
    for (int y = 14; y < 24; y += 3)
      Line(l, 6, y, 13, y + 1, kParchment[0]), Line(l, 19, y + 1, 26, y, kParchment[0]);
    ThickLine(l, 16, 2, 16, 8, 3, Rgb(0x40c040));
    FillPoly(l, {{11, 7}, {21, 7}, {16, 12}}, Rgb(0x40c040));
  } else if (name == "SAVE") {  // a chest being locked
    ShadeBox(l, 4, 14, 24, 14, kWood);
    FillPoly(l, {{4, 14}, {28, 14}, {26, 7}, {6, 7}}, kWood[2]);
    ShadeBox(l, 4, 13, 24, 2, kGold);
    ShadeBox(l, 13, 15, 6, 7, kGold);
    FillRect(l, 15, 17, 2, 3, Rgb(0x201008));
  } else if (name == "NUMBERS") {  // a bar beside its number
    ShadeBox(l, 3, 6, 26, 8, kRed);
    ShadeBox(l, 3, 6, 16, 8, Ramp(0xa02020, 0xd03030, 0xf05050, 0xff9090));
    // The digits 1 and 0 in chunky pixels.
    ShadeBox(l, 8, 17, 3, 11, kSteel);
    FillRect(l, 6, 18, 2, 2, kSteel[2]);
    ShadeBox(l, 15, 17, 10, 11, kSteel);
    FillRect(l, 18, 20, 4, 5, Px{});
  } else if (name == "PAUSE") {  // an hourglass
    ShadeBox(l, 7, 3, 18, 3, kWood);
    ShadeBox(l, 7, 26, 18, 3, kWood);
    FillPoly(l, {{9, 6}, {23, 6}, {17, 16}, {23, 26}, {9, 26}, {15, 16}}, Rgb(0xd8ecf8));
    FillPoly(l, {{11, 8}, {21, 8}, {16, 14}}, kStraw[2]);
    FillPoly(l, {{16, 19}, {21, 25}, {11, 25}}, kStraw[2]);
  } else if (name == "QUIT") {  // an open door with the way out
    ShadeBox(l, 6, 3, 18, 26, kStone);
    FillRect(l, 9, 6, 12, 23, Rgb(0x100c08));
    FillPoly(l, {{9, 6}, {16, 9}, {16, 31}, {9, 29}}, kWood[2]);
    ThickLine(l, 20, 18, 30, 18, 3, kRed[2]);
    FillPoly(l, {{27, 13}, {32, 18}, {27, 23}}, kRed[2]);
  }
  return l;
}

}  // namespace

Image OnFrameGrey(Image layer) {
  Outline(layer);
  return Flatten(layer, Rgb(kFrameGrey));
}

Image ItemOnFrameGrey(std::string_view item, int w, int h, double s, int frame, bool glow) {
  Image l(w, h);
  DrawItem(l, item, w / 2.0, h / 2.0, s, frame, glow);
  return OnFrameGrey(l);
}

Image ItemIcon(std::string_view n) {
  if (n == "PIECE0") {  // an empty slot: the outline where the sword will go
    Image l(17, 17, Rgb(kFrameGrey));
    for (int i = 2; i < 15; ++i) l.set(i, 16 - i, (i % 2) ? Rgb(0x909098) : Rgb(kFrameGrey));
    return l;
  }
  if (n == "PIECE1" || n == "PIECE2" || n == "PIECE3") {
    // The pieces found so far, laid in a row with gaps where the rest will fit.
    Image l(17, 17);
    const int pieces = n.back() - '0';
    const Ramp blade = Ramp(0x140a24, 0x2a1850, 0x5a3aa0, 0xc8a8ff);
    const Ramp hilt = Ramp(0x3a2010, 0x5a3a20, 0x7a5430, 0x9a7040);
    ShadeStroke(l, 13, 3, 15.5, 0.5, 2, hilt);
    ShadeStroke(l, 10.5, 3.5, 14.5, 7.5, 1.6, kGold);
    FillEllipse(l, 15.5, 1.5, 1.2, 1.2, kPurple[3]);
    if (pieces >= 2) ShadeStroke(l, 11, 6, 6.5, 10.5, 2.4, blade);
    if (pieces >= 3) {
      ShadeStroke(l, 5.5, 11.5, 2.5, 14.5, 2.4, blade);
      FillPoly(l, {{3.0, 13.0}, {0.5, 16.5}, {4.0, 15.0}}, blade[2]);
    }
    for (int i = pieces; i < 3; ++i)  // dotted outline of a missing piece
      for (int t = 0; t < 5; t += 2) l.set(9 - i * 4 + 1 - t, 7 + i * 4 - 1 + t, Rgb(0x909098));
    return OnFrameGrey(l);
  }
  if (n == "SSWORD") return ItemInGlow("SHADOWSWORD", 1.0, 8.5, 8, kPurple[3]);
  if (n == "Medal3") return Item17("MEDAL");
  if (n == "Medal") return ItemInGlow("MEDAL", 0.92, 10, 6.5, kGold[2]);
  if (n == "Medal2") return Item17("MEDAL", 1, true);
  if (n == "CrystalBall") return Item17("CRYSTALBALL");
  if (n == "CrystalBall2") return Item17("CRYSTALBALL", 1, true);
  if (n == "torchout") return Item17("TORCH", 0);
  if (n == "TORCH") return Item17("TORCH", 1);
  if (n == "TORCH2") return Item17("TORCH", 2);
  return Item17(n);
}

Image StatusIcon(std::string_view n) {
  if (n == "heartPIC") return HeartIcon(false);
  if (n == "heartPIC2") return HeartIcon(true);
  if (n == "HEADPIC") return HeadIcon(false);
  if (n == "HEADPIC2") return HeadIcon(true);
  if (n == "starPIC") return StarIcon(false);
  return StarIcon(true);
}

Image ToolbarIcon(std::string_view name, bool enabled) {
  Image l = ToolbarLayer(name);
  if (!enabled)
    for (int y = 0; y < l.h(); ++y)
      for (int x = 0; x < l.w(); ++x) {
        Px p = l.get(x, y);
        if (p.a == 0) continue;
        const auto grey = static_cast<uint8_t>((p.r * 3 + p.g * 5 + p.b * 2) / 10 * 0.6 + 40);
        l.set(x, y, Px{grey, grey, grey, 255});
      }
  Outline(l, enabled ? 0.35 : 0.6);
  return l;
}

Image RainFrame(int k) {
  Image l(48, 48);
  for (int i = 0; i < 26; ++i) {
    const int x = static_cast<int>(Hash3(i, k, 131) % 48),
              y = static_cast<int>(Hash3(i, k, 137) % 48);
    for (int j = 0; j < 4; ++j) {
      Px c = j == 3 ? Rgb(0xffffff) : Rgb(0xa8c8f0);
      l.set((x - j + 48) % 48, (y + j * 2) % 48, c);
      l.set((x - j + 48) % 48, (y + j * 2 + 1) % 48, c);
    }
  }
  return l;
}

}  // namespace tq::art
