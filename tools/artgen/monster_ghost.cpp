// VEV, the ghost at the end of the quest: a hooded shroud of cold grey rags that hovers over
// the floor and tears into long trailing tatters, a skull deep in the hood with slanting hollow
// sockets and a cold pinpoint in each, long bony arms ending in hooked claws, and a cold glow
// round it all. He casts with his claws flung up and his jaw wide in a wail, cold bolts
// striking down at the viewer.
#include <cmath>
#include <cstddef>
#include <string_view>

#include "monster_painters.h"
#include "shade.h"
#include "tiles.h"

namespace tq::art {

namespace {

const Ramp kRags = Ramp(0x1a1e2e, 0x384460, 0x66789a, 0xa8bcd4);
const Ramp kBone = Ramp(0x6a7470, 0x9ca69f, 0xc8d2ca, 0xeef4ee);
const Ramp kTalon = Ramp(0x08080c, 0x1e2026, 0x40444e, 0x80868f);
constexpr Px kHollow = Rgb(0x040608);
constexpr Px kColdLight = Rgb(0x8afff0);

// The shroud's shape: the peaked hood, the shoulders and the body, torn below into tatters of
// uneven length that wave; from the side they stream back behind him.
Image ShroudShape(const Stance& g) {
  Image shape(kTileW, kTileH);
  const double h = g.bob, hx = g.side ? 24 : 25;
  FillEllipse(shape, hx, 15 + h, 8, 9, kRags[1]);
  FillPoly(shape, {{hx - 6, 10 + h}, {hx + 6, 10 + h}, {hx - (g.side ? 5 : 1), 3 + h}}, kRags[1]);
  FillPoly(shape, {{hx - 9, 20 + h}, {hx + 9, 20 + h}, {hx + 14, 36 + h}, {hx - 14, 36 + h}},
           kRags[1]);
  constexpr double kLength[] = {12, 19, 14, 21, 13, 17};  // each tatter's reach below the body
  for (int i = 0; i < 6; ++i) {
    const double x0 = hx - 14 + i * 28 / 6.0, x1 = x0 + 28 / 6.0;
    const double reach = kLength[i] + (i % 2 ? g.sway : -g.sway);
    const double drift = g.side ? -6 - i * 1.2 : std::sin(i * 1.7 + g.sway) * 2.5;
    FillPoly(shape,
             {{x0, 34 + h},
              {x1, 34 + h},
              {(x0 + x1) / 2 + drift + 1, 34 + h + reach},
              {(x0 + x1) / 2 + drift - 0.5, 34 + h + reach - 1}},
             kRags[1]);
  }
  return shape;
}

// A bony arm: the ragged sleeve from `sleeve` to `elbow`, the forearm bone to `hand` and three
// long black hooked claws reaching along `curl` and bending round.
void ClawArm(Image& l, Pt sleeve, Pt elbow, Pt hand, Pt curl) {
  ShadeTaper(l, {sleeve, elbow}, 6.5, 4, kRags);
  ShadeTaper(l, {elbow, hand}, 2.2, 1.6, kBone);
  ShadeEllipse(l, hand.x, hand.y, 2, 1.8, kBone);
  for (int c = -1; c <= 1; ++c) {
    const Pt base{hand.x + c * 1.3, hand.y + std::abs(c) * 0.6};
    const Pt mid{base.x + curl.x * 4 + c * 1.6, base.y + curl.y * 4};
    const Pt tip{base.x + curl.x * 6 + c * 2.4 - curl.y * 1.5, base.y + curl.y * 6 + curl.x * 1.5};
    ShadeTaper(l, {base, mid, tip}, 1.6, 0.6, kTalon);
  }
}

void Arms(Image& l, const Stance& g) {
  const double h = g.bob, reach = g.sway;
  if (g.side) {
    ClawArm(l, {27, 24 + h}, {35, 27 + h}, {41 + reach, 28 + h}, {1, 0.6});
  } else if (g.attack) {
    for (int s : {-1, 1})
      ClawArm(l, {25 + s * 9.0, 23 + h}, {25 + s * 14.0, 15}, {25 + s * 17.0, 8}, {s * 0.3, -1});
  } else {
    for (int s : {-1, 1})
      ClawArm(l, {25 + s * 9.0, 23 + h}, {25 + s * 15.0, 28 + h},
              {25 + s * (19.0 + reach), 31 + h - reach}, {s * 0.2, 1});
  }
}

// The skull's faces, pixel by pixel: B lit bone, b bone, d shaded bone, t tooth, H hollow and
// c the cold pinpoint deep in a socket. The sockets slant down to the nose.
constexpr std::string_view kSkullFront[] = {
    "  bBBBb  ", " bBBBBBb ", "bBBBBBBBd", "bHHBBBHHd", "bHcHBHcHd",
    "dbHHbHHbd", " dBBHBBd ", "  dBHBd  ", "  tHtHt  ", "   ddd   ",
};
constexpr std::string_view kSkullWail[] = {
    "  bBBBb  ", " bBBBBBb ", "bBBBBBBBd", "bHHBBBHHd", "bHcHBHcHd", "dbHHbHHbd",
    " dBBHBBd ", "  tHtHt  ", "  HHHHH  ", "  HHHHH  ", "  tHtHt  ", "   ddd   ",
};
constexpr std::string_view kSkullSide[] = {
    " bBBb ", "bBBBBb", "bBBHHB", "bBHcHB", "bBBHHB", " bBBBH", " dBtHt", "  dddd",
};

template <std::size_t N>
void Stamp(Image& l, int x0, int y0, const std::string_view (&rows)[N]) {
  for (std::size_t j = 0; j < N; ++j)
    for (std::size_t i = 0; i < rows[j].size(); ++i) {
      const char c = rows[j][i];
      const Px px = c == 'B'   ? kBone[2]
                    : c == 'b' ? kBone[1]
                    : c == 'd' ? kBone[0]
                    : c == 't' ? kBone[3]
                    : c == 'H' ? kHollow
                               : kColdLight;
      if (c != ' ') l.set(x0 + static_cast<int>(i), y0 + static_cast<int>(j), px);
    }
}

// The skull in the hood's shadow, the jaw wide when he wails.
void Skull(Image& l, const Stance& g) {
  const int h = static_cast<int>(g.bob);
  if (g.side) {
    FillEllipse(l, 28.5, 16 + h, 4, 6, kHollow);
    Stamp(l, 27, 12 + h, kSkullSide);
    return;
  }
  FillEllipse(l, 25, 16.5 + h, 6, 7, kHollow);
  if (g.attack)
    Stamp(l, 21, 11 + h, kSkullWail);
  else
    Stamp(l, 21, 11 + h, kSkullFront);
}

}  // namespace

void DrawGhost(Image& l, const MonsterPose& p) {
  const Stance g = StanceOf(p, 2, {0, 1.2, 2.2});  // he hovers, his rags wave
  if (g.rear) Arms(l, g);                          // reaching out behind the shroud
  ShadeShape(l, ShroudShape(g), kRags, 11, 39, true);
  if (!g.rear) {
    Arms(l, g);
    Skull(l, g);
  }
  if (g.attack)
    for (int s : {-1, 1}) Bolt(l, 25 + s * 17, 6, 25 + s * 8, 55, kColdLight, s + 6);
  GlowAround(l, Rgb(0x5ee8d8));
}

}  // namespace tq::art
