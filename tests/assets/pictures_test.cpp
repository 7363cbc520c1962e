// The generated pictures: every listed file is there, decodes, has its size, and reads apart.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "assets/asset_measures.h"
#include "assets/pictures_fixture.h"
#include "game/message_line.h"

namespace tq {
namespace {

TEST_F(Pictures, EveryListedPictureExistsDecodesAndHasItsSize) {
  ASSERT_GT(listed_.size(), 2600u);
  int missing = 0;
  for (const Listed& l : listed_) {
    const auto it = decoded_.find(LookupKey(l.path));
    if (it == decoded_.end()) {
      ADD_FAILURE() << "missing: " << l.path;
      if (++missing > 10) return;
      continue;
    }
    const Decoded& d = it->second;
    ASSERT_FALSE(d.rgba.empty()) << "does not decode: " << l.path << ": " << IMG_GetError();
    EXPECT_EQ(d.w, l.w) << l.path;
    EXPECT_EQ(d.h, l.h) << l.path;
  }
}

TEST_F(Pictures, IconsKeepTheirTransparency) {
  // SDL_image reads the 1-bit mask: the rain must be mostly see-through but not empty,
  // and a toolbar icon's corners must be clear.
  for (const char* name : {"icons/RAIN1.ico", "icons/RAIN2.ico", "icons/RAIN3.ico"}) {
    const Decoded& d = pic(name);
    size_t clear = 0, solid = 0;
    for (size_t i = 3; i < d.rgba.size(); i += 4) (d.rgba[i] == 0 ? clear : solid)++;
    EXPECT_GT(clear, solid * 4) << name;
    EXPECT_GT(solid, 20u) << name;
  }
  for (const char* name :
       {"MENU/NEW.ico", "MENU/noNEW.ico", "MENU/QUIT.ico", "layout/window.ico"}) {
    const Decoded& d = pic(name);
    EXPECT_EQ(d.rgba[3], 0) << name << " top-left corner";
    EXPECT_EQ(d.rgba[d.rgba.size() - 1], 0) << name << " bottom-right corner";
    const uint8_t centre = d.rgba[(static_cast<size_t>(16) * 32 + 16) * 4 + 3];
    EXPECT_EQ(centre, 255) << name << " centre";
  }
}

TEST_F(Pictures, TilesThatMustLookAlikeAreIdentical) {
  for (const std::string g : kGrounds) {
    const std::string floor = "Pics/" + g + "FLOOR.bmp";
    for (const char* spot : {"TALK1", "TALK2", "TALK3", "TALK4", "STONEMESS"})
      EXPECT_EQ(pic(floor).rgba, pic("Pics/" + g + spot + ".bmp").rgba) << g << spot;
    EXPECT_EQ(pic("Pics/" + g + "TREE.bmp").rgba, pic("Pics/" + g + "STREE.bmp").rgba) << g;
    const Decoded& black = pic("Pics/" + g + "BLACK.bmp");
    EXPECT_TRUE(
        std::all_of(black.rgba.begin(), black.rgba.end(),
                    [i = 0](uint8_t v) mutable { return (i++ % 4 == 3) ? v == 255 : v == 0; }))
        << g << "BLACK is not solid darkness";
  }
}

TEST_F(Pictures, NoOtherTwoPicturesOfAGroundAreIdentical) {
  // Pictures allowed to repeat another: the talk spots and the secret tree, and the swing
  // frames of the redraw marker, which are the facing-the-viewer swing.
  auto allowedTwin = [](const std::string& a, const std::string& b, const std::string& g) {
    auto isFloorLike = [&](const std::string& p) {
      for (const char* t : {"FLOOR", "TALK1", "TALK2", "TALK3", "TALK4", "STONEMESS"})
        if (p == "Pics/" + g + t + ".bmp") return true;
      return false;
    };
    auto isTree = [&](const std::string& p) {
      return p == "Pics/" + g + "TREE.bmp" || p == "Pics/" + g + "STREE.bmp";
    };
    auto stripXxx = [](std::string p) {
      const auto at = p.find("XXX");
      return at == std::string::npos ? p : p.erase(at, 3);
    };
    return (isFloorLike(a) && isFloorLike(b)) || (isTree(a) && isTree(b)) ||
           stripXxx(a) == stripXxx(b);
  };
  for (const std::string g : kGrounds) {
    // Keyed by the pixels as a string: GCC 12 at -O2 misreads a map over byte vectors.
    std::map<std::string, std::string> seen;
    size_t count = 0;
    for (const Listed& l : listed_) {
      const std::string key = LookupKey(l.path);
      if (key.rfind(LookupKey("Pics/" + g), 0) != 0) continue;
      ++count;
      const std::string canonical = "Pics/" + g + l.path.substr(l.path.find(g) + g.size());
      const std::vector<uint8_t>& px = pic(l.path).rgba;
      const auto [it, fresh] = seen.emplace(std::string(px.begin(), px.end()), canonical);
      if (!fresh) {
        EXPECT_TRUE(allowedTwin(it->second, canonical, g))
            << canonical << " looks exactly like " << it->second;
      }
    }
    EXPECT_GT(count, 600u) << g;
  }
}

TEST_F(Pictures, FloorsRepeatWithoutSeams) {
  // Rows of cells overlap by two pixels, so the floor's last two rows repeat its first two;
  // and the left and right columns must not jump in brightness.
  for (const std::string g : kGrounds) {
    const Decoded& d = pic("Pics/" + g + "FLOOR.bmp");
    const size_t row = static_cast<size_t>(d.w) * 4;
    EXPECT_TRUE(std::equal(d.rgba.begin(), d.rgba.begin() + 2 * row, d.rgba.begin() + 56 * row))
        << g;
    auto columnBrightness = [&](int x) {
      long sum = 0;
      for (int y = 0; y < d.h; ++y)
        for (int c = 0; c < 3; ++c) sum += d.rgba[(static_cast<size_t>(y) * d.w + x) * 4 + c];
      return sum / d.h;
    };
    EXPECT_LT(std::abs(columnBrightness(0) - columnBrightness(d.w - 1)), 60) << g;
  }
}

TEST_F(Pictures, DoorsAndKeysShowTheirColours) {
  // The locked doors and the keys are told apart by colour: gold is yellow, red is red,
  // purple has more blue than green.
  auto meanOfCentre = [&](const std::string& path, int x0, int y0, int x1, int y1) {
    const Decoded& d = pic(path);
    long r = 0, gr = 0, b = 0, n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const size_t i = (static_cast<size_t>(y) * d.w + x) * 4;
        r += d.rgba[i], gr += d.rgba[i + 1], b += d.rgba[i + 2], ++n;
      }
    return std::array<long, 3>{r / n, gr / n, b / n};
  };
  for (const std::string g : kGrounds) {
    const auto gold = meanOfCentre("Pics/" + g + "GOLDDOOR.bmp", 15, 20, 28, 45);
    const auto red = meanOfCentre("Pics/" + g + "REDDOOR.bmp", 15, 20, 28, 45);
    const auto purple = meanOfCentre("Pics/" + g + "PURPLEDOOR.bmp", 15, 20, 28, 45);
    EXPECT_GT(gold[0], gold[2] + 40) << g;
    EXPECT_GT(gold[1], gold[2] + 20) << g;
    EXPECT_GT(red[0], red[1] + 40) << g;
    EXPECT_GT(purple[2], purple[1] + 30) << g;
  }
}

// Share of a picture's pixels that pass a colour test.
template <typename Pred>
double share(const Decoded& d, Pred pred) {
  size_t hit = 0, all = 0;
  for (size_t i = 0; i + 3 < d.rgba.size(); i += 4, ++all)
    if (pred(d.rgba[i], d.rgba[i + 1], d.rgba[i + 2])) ++hit;
  return all ? static_cast<double>(hit) / static_cast<double>(all) : 0.0;
}
bool ShieldBlue(int r, int g, int b) {
  return b > 150 && b > r + 60 && b > g + 30;
}
bool BladePurple(int r, int g, int b) {
  return b > 120 && r > 60 && g < r - 20 && b > g + 50;
}

TEST_F(Pictures, TheHeroWearsWhatHeCarries) {
  // The shield shows blue, the shadow sword a purple glow, the shirt changes his colours;
  // without them none of it shows.
  for (const std::string g : kGrounds)
    for (const std::string face : {"", "REAR", "LEFT", "RIGHT"})
      for (const std::string move : {"WALK", "FIGHTWALK"}) {
        const std::string plain = "Pics/" + g + face + move + "2.bmp";
        const std::string shield = "Pics/" + g + face + "SHIELD" + move + "2.bmp";
        const std::string shadow = "Pics/" + g + face + move + "12.bmp";
        const std::string shirt = "Pics/" + g + face + move + "2a.bmp";
        EXPECT_LT(share(pic(plain), ShieldBlue), 0.002) << plain;
        EXPECT_GT(share(pic(shield), ShieldBlue), 0.01) << shield;
        EXPECT_LT(share(pic(plain), BladePurple), 0.002) << plain;
        EXPECT_GT(share(pic(shadow), BladePurple), 0.004) << shadow;
        EXPECT_NE(pic(plain).rgba, pic(shirt).rgba) << shirt;
      }
}

TEST_F(Pictures, TheHeroSwimsInWater) {
  for (const std::string g : kGrounds)
    for (const std::string face : {"", "REAR", "LEFT", "RIGHT"})
      for (int frame = 1; frame <= 3; ++frame) {
        const std::string name = "Pics/" + g + face + "WATERWALK" + std::to_string(frame) + ".bmp";
        EXPECT_GT(share(pic(name), [](int r, int gr, int b) { return b > r + 40 && b > gr; }), 0.6)
            << name << " is not mostly water";
      }
}

TEST_F(Pictures, DisabledToolbarIconsAreGrey) {
  const std::pair<const char*, const char*> pairs[] = {
      {"MENU/NEW.ico", "MENU/noNEW.ico"},     {"MENU/LOAD.ico", "MENU/NOload.ico"},
      {"MENU/SAVE.ico", "MENU/NOsave.ico"},   {"MENU/NUMBERS.ico", "MENU/Nonumbers.ico"},
      {"MENU/PAUSE.ico", "MENU/NOpause.ico"}, {"MENU/QUIT.ico", "MENU/NOquit.ico"}};
  auto colourful = [](int r, int g, int b) {
    return std::max({r, g, b}) - std::min({r, g, b}) > 40;
  };
  for (const auto& [on, off] : pairs) {
    EXPECT_GT(share(pic(on), colourful), 0.05) << on;
    EXPECT_EQ(share(pic(off), colourful), 0.0) << off;
  }
}

TEST_F(Pictures, TheCursorLoadsWithItsTipAtTheCorner) {
  const Decoded& cur = pic("layout/cursor.cur");
  EXPECT_EQ(cur.rgba[3], 255) << "the tip is the hot spot";
  EXPECT_EQ(cur.rgba[cur.rgba.size() - 1], 0) << "the far corner is clear";
  // The hot spot is stored in the directory entry where an icon keeps planes and bit count.
  std::ifstream in(onDisk_.at(LookupKey("layout/cursor.cur")), std::ios::binary);
  char head[14] = {};
  in.read(head, sizeof head);
  EXPECT_EQ(head[2], 2) << "type cursor";
  EXPECT_EQ(head[10], 0);
  EXPECT_EQ(head[12], 0);
}

// Where a picture differs from the plain floor of its ground: the figure standing on it.
struct Box {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
  int w() const { return x1 - x0 + 1; }
  int h() const { return y1 - y0 + 1; }
};
Box FigureBox(const Decoded& d, const Decoded& floor) {
  Box b;
  for (int y = 0; y < d.h; ++y)
    for (int x = 0; x < d.w; ++x) {
      const size_t i = (static_cast<size_t>(y) * d.w + x) * 4;
      int diff = 0;
      for (int c = 0; c < 3; ++c) diff += std::abs(d.rgba[i + c] - floor.rgba[i + c]);
      if (diff < 60) continue;  // the soft contact shadow does not count
      b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x);
      b.y0 = std::min(b.y0, y), b.y1 = std::max(b.y1, y);
    }
  return b;
}

TEST_F(Pictures, TheSwordSwingsTowardTheFacing) {
  for (const std::string g : kGrounds) {
    const Decoded& floor = pic("Pics/" + g + "FLOOR.bmp");
    auto box = [&](const std::string& n) {
      return FigureBox(pic("Pics/" + g + n + ".bmp"), floor);
    };
    EXPECT_GT(box("FIGHTWALK3").y1, box("WALK2").y1) << g << " down";
    EXPECT_LT(box("REARFIGHTWALK3").y0, box("REARWALK2").y0) << g << " up";
    EXPECT_GT(box("RIGHTFIGHTWALK3").x1, box("RIGHTWALK2").x1 + 4) << g << " right";
    EXPECT_LT(box("LEFTFIGHTWALK3").x0, box("LEFTWALK2").x0 - 4) << g << " left";
  }
}

// Share of the figure's pixels (those that differ from the floor) that pass a colour test.
template <typename Pred>
double FigureShare(const Decoded& d, const Decoded& floor, Pred pred) {
  size_t hit = 0, all = 0;
  for (size_t i = 0; i + 3 < d.rgba.size(); i += 4) {
    int diff = 0;
    for (size_t c = 0; c < 3; ++c) diff += std::abs(d.rgba[i + c] - floor.rgba[i + c]);
    if (diff < 60) continue;
    ++all;
    if (pred(d.rgba[i], d.rgba[i + 1], d.rgba[i + 2])) ++hit;
  }
  return all ? static_cast<double>(hit) / static_cast<double>(all) : 0.0;
}

// Of the pixels where a picture differs from the bare floor (RGB distance over 30), how many
// there are and how many stay close to the floor (under 60): those melt into the ground.
struct Melting {
  int differ = 0, close = 0;
};
Melting MeltingInto(const Decoded& d, const Decoded& floor) {
  Melting m;
  for (size_t i = 0; i + 3 < d.rgba.size(); i += 4) {
    double d2 = 0;
    for (size_t c = 0; c < 3; ++c) d2 += std::pow(d.rgba[i + c] - floor.rgba[i + c], 2.0);
    if (d2 <= 30 * 30) continue;
    ++m.differ;
    m.close += d2 < 60 * 60;
  }
  return m;
}

TEST_F(Pictures, TheHeroIsHurtInFlashesAndFallsWhenHeDies) {
  auto brightness = [](const Decoded& d) {
    long sum = 0;
    for (size_t i = 0; i + 3 < d.rgba.size(); i += 4)
      sum += d.rgba[i] + d.rgba[i + 1] + d.rgba[i + 2];
    return sum / static_cast<long>(d.rgba.size() / 4);
  };
  auto white = [](int r, int g, int b) { return r + g + b > 600; };
  auto red = [](int r, int g, int b) { return r > g + 60 && r > b + 60; };
  for (const std::string g : kGrounds) {
    const std::string p = "Pics/" + g;
    const Decoded& floor = pic(p + "FLOOR.bmp");
    EXPECT_GT(brightness(pic(p + "GUYHIT1.bmp")), brightness(pic(p + "GUYHIT2.bmp")) + 15)
        << g << " white flash";
    EXPECT_GT(FigureShare(pic(p + "GUYHIT3.bmp"), floor, red), 0.5) << g << " red flash";
    for (const char* calm : {"GUYHIT0", "GUYHIT2", "GUYHIT4"}) {
      EXPECT_LT(FigureShare(pic(p + calm + ".bmp"), floor, white), 0.3) << g << calm;
      EXPECT_LT(FigureShare(pic(p + calm + ".bmp"), floor, red), 0.3) << g << calm;
    }
    const Box standing = FigureBox(pic(p + "GUYDIE1.bmp"), floor);
    const Box lying = FigureBox(pic(p + "GUYDIE3.bmp"), floor);
    EXPECT_GT(standing.h(), standing.w()) << g;
    EXPECT_GT(lying.w(), lying.h()) << g;
    EXPECT_GT(lying.y0, standing.y0 + 10) << g;
    // The last frame, pale and still, must not melt into the ground, snow above all: it is
    // what tells the player the game is over.
    const Melting still = MeltingInto(pic(p + "GUYDIE4.bmp"), floor);
    EXPECT_GT(still.differ, 300) << g;
    EXPECT_LT(still.close, still.differ * 3 / 10) << g << " the fallen hero melts into the floor";
  }
}

TEST_F(Pictures, UndergroundMapSquaresOpenToTheirSides) {
  // Room shapes 1..16 and the sides each opens to; the L squares add a ladder.
  const char* const open[] = {"",   "S",  "W",  "N",   "E",   "SW",  "NS",  "SE",
                              "NW", "WE", "NE", "NWE", "NSW", "SWE", "NSE", "NSWE"};
  for (const std::string prefix : {"dun", "Ldun"})
    for (int n = 1; n <= 16; ++n) {
      const std::string name = "icons/" + prefix + std::to_string(n) + ".bmp";
      const Decoded& d = pic(name);
      auto light = [&](int x, int y) {
        const size_t i = (static_cast<size_t>(y) * d.w + x) * 4;
        return d.rgba[i] + d.rgba[i + 1] + d.rgba[i + 2];
      };
      const std::pair<char, std::pair<int, int>> edges[] = {
          {'N', {8, 0}}, {'S', {8, 16}}, {'W', {0, 8}}, {'E', {16, 8}}};
      for (const auto& [side, at] : edges) {
        const bool isOpen = std::string(open[n - 1]).find(side) != std::string::npos;
        const int edge = light(at.first, at.second);
        if (isOpen) {
          EXPECT_GT(edge, 187) << name << " should open to " << side;
        } else {
          EXPECT_LT(edge, 187) << name << " should be closed to " << side;
        }
      }
      EXPECT_GT(light(5, 5), 187) << name << " has no room in it";
      if (prefix == "Ldun") {
        EXPECT_NE(d.rgba, pic("icons/dun" + std::to_string(n) + ".bmp").rgba)
            << name << " shows no ladder";
      }
    }
}

TEST_F(Pictures, EveryMessageColourReadsOnTheMessageBox) {
  // The parchment behind the messages is stretched to a strip 408 x 49: it must have no grain
  // to smear into streaks, and every colour a message is written in must stand out from its
  // mean colour by 4.5:1 at least, as small text needs.
  const Decoded& box = pic("layout/parchment.bmp");
  double sum[3] = {0, 0, 0};
  double grain = 0;
  for (int y = 0; y < box.h; ++y)
    for (int x = 0; x < box.w; ++x) {
      const size_t i = (static_cast<size_t>(y) * box.w + x) * 4;
      for (int c = 0; c < 3; ++c) {
        sum[c] += box.rgba[i + c];
        if (x > 0) grain += std::abs(box.rgba[i + c] - box.rgba[i + c - 4]);
      }
    }
  const double n = static_cast<double>(box.w) * box.h;
  EXPECT_LT(grain / n, 4.0) << "the parchment's grain streaks when stretched";
  const double back = Luminance(sum[0] / n, sum[1] / n, sum[2] / n);
  const std::pair<const char*, MessageColor> colours[] = {
      {"white", MessageColor::White},        {"green", MessageColor::Green},
      {"yellow", MessageColor::Yellow},      {"cyan", MessageColor::Cyan},
      {"magenta", MessageColor::Magenta},    {"orange", MessageColor::Orange},
      {"pale blue", MessageColor::PaleBlue}, {"red", MessageColor::Red},
      {"silver", MessageColor::Silver}};
  std::vector<Miss> misses;
  for (const auto& [name, colour] : colours) {
    const auto [r, g, b] = RgbOf(static_cast<Color>(colour));
    const double ratio = Contrast(Luminance(r, g, b), back);
    char line[48];
    std::snprintf(line, sizeof line, "%s: %.2f:1", name, ratio);
    if (ratio < 4.5) misses.push_back({ratio, line});
  }
  EXPECT_TRUE(misses.empty()) << "contrast against the box's mean colour (goal 4.5:1): "
                              << WorstFirst(misses);
}

TEST_F(Pictures, TitleScreenPicturesHaveFinePixelsAndLeaveTheTitleReadable) {
  // The three big pictures are drawn at the cells' pixel scale, not blown up from a third of
  // their size (where every aligned 3 x 3 block is one colour). The title's pale lilac labels
  // lie over the top left of the pictures shown while the title screen is up, so that part
  // stays dark enough for the dimmer of them (128, 128, 255) to read at 4.5:1.
  for (const char* name : {"Icons/tqtitle.bmp", "Pics/MakeWorld.bmp", "Icons/TQend1.bmp"}) {
    const Decoded& d = pic(name);
    ASSERT_EQ(d.w, 385) << name;
    ASSERT_EQ(d.h, 330) << name;
    int flat = 0, blocks = 0;
    for (int by = 0; by + 3 <= d.h; by += 3)
      for (int bx = 0; bx + 3 <= d.w; bx += 3, ++blocks) {
        bool same = true;
        for (int y = by; y < by + 3 && same; ++y)
          for (int x = bx; x < bx + 3 && same; ++x)
            same = std::equal(d.rgba.begin() + (static_cast<ptrdiff_t>(y) * d.w + x) * 4,
                              d.rgba.begin() + (static_cast<ptrdiff_t>(y) * d.w + x) * 4 + 3,
                              d.rgba.begin() + (static_cast<ptrdiff_t>(by) * d.w + bx) * 4);
        flat += same;
      }
    EXPECT_LT(flat, blocks / 2) << name << " is drawn in blocks of 3 x 3";
  }
  for (const char* name : {"Icons/tqtitle.bmp", "Pics/MakeWorld.bmp"}) {
    const Decoded& d = pic(name);
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int y = 24; y < 74; ++y)  // where the labels fall on the stretched picture
      for (int x = 24; x < 194; ++x, ++n)
        for (int c = 0; c < 3; ++c) sum[c] += d.rgba[(static_cast<size_t>(y) * d.w + x) * 4 + c];
    const double back = Luminance(sum[0] / n, sum[1] / n, sum[2] / n);
    const double label = Luminance(128, 128, 255);
    EXPECT_GE((label + 0.05) / (back + 0.05), 4.5) << name;
  }
}

TEST_F(Pictures, MonstersStandOutFromEveryGround) {
  // Few of the pixels where a monster's front picture differs from the bare floor may melt into
  // it. And the dungeon's Black Knight must loom over the armour stands beside him.
  const char* const kinds[] = {"WYVERN",      "OGRE",       "DEMON",  "DEMON LORD",   "PLATER",
                               "NEWT",        "ZOMBIE",     "BAT",    "DRAGON",       "THIEF",
                               "BEETLE",      "SALAMANDER", "KNIGHT", "SHADOW DEMON", "ICE PLATER",
                               "SHADOW BOSS", "VEV"};
  for (const std::string g : kGrounds) {
    const Decoded& floor = pic("Pics/" + g + "FLOOR.bmp");
    for (const std::string kind : kinds) {
      const Melting m = MeltingInto(pic("Pics/" + g + kind + "FRONT.bmp"), floor);
      ASSERT_GT(m.differ, 300) << g << " " << kind;
      EXPECT_LT(m.close, m.differ * 3 / 10) << g << " " << kind << " melts into the floor";
    }
    const Box knight = FigureBox(pic("Pics/" + g + "KNIGHTFRONT.bmp"), floor);
    const Box stand = FigureBox(pic("Pics/" + g + "ARMORSTAND.bmp"), floor);
    EXPECT_GT(knight.h(), stand.h()) << g;
    EXPECT_GT(knight.w() * knight.h(), stand.w() * stand.h()) << g;
  }
}

}  // namespace
}  // namespace tq
