// The water pictures: pond corners, rivers and marsh cells join the cells beside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>

#include "assets/pictures_fixture.h"
#include "game/monster_table.h"
#include "world/room_file.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

TEST_F(Pictures, PondCornersRunOnIntoTheOpenWaterBesideThem) {
  // A corner's two sides that touch the pond's open water are water along their length, so
  // a big pond has no notch where a corner meets a straight shore; its outer corner is land.
  struct Corner {
    const char* tag;
    int column, row;   // the inner column and row that border open water
    int landX, landY;  // the outer corner
  };
  const Corner corners[] = {{"ULCORNER", 49, 55, 0, 0},
                            {"URCORNER", 0, 55, 49, 0},
                            {"LLCORNER", 49, 0, 0, 55},
                            {"LRCORNER", 0, 0, 49, 55}};
  for (const std::string g : kGrounds)
    for (const Corner& c : corners) {
      const std::string name = "Pics/" + g + c.tag + ".bmp";
      const Decoded& d = pic(name);
      auto water = [&](int x, int y) {
        const size_t i = (static_cast<size_t>(y) * d.w + x) * 4;
        const int r = d.rgba[i], gr = d.rgba[i + 1], b = d.rgba[i + 2];
        return b > r + 40 && b > gr;
      };
      int alongColumn = 0, alongRow = 0;
      for (int y = 0; y < 56; ++y) alongColumn += water(c.column, y);
      for (int x = 0; x < 50; ++x) alongRow += water(x, c.row);
      EXPECT_GE(alongColumn, 50) << name;
      EXPECT_GE(alongRow, 45) << name;
      EXPECT_FALSE(water(c.landX, c.landY)) << name;
    }
}

TEST_F(Pictures, RiversJoinTheirNeighboursAcrossTheRoom) {
  // Rooms lay rivers east to west: where two river cells meet side by side, the water of one
  // edge column goes on in the other's, a MOUTH opens whole into the lake east of it and an
  // LMOUTH into the lake west of it, and a RIVER leaves land above and below.
  auto water = [&](const std::string& g, const std::string& tag, int x, int y) {
    const Decoded& d = pic("Pics/" + g + tag + ".bmp");
    const size_t i = (static_cast<size_t>(y) * d.w + x) * 4;
    const int r = d.rgba[i], gr = d.rgba[i + 1], b = d.rgba[i + 2];
    return b > r + 40 && b > gr;
  };
  // Pixels along the seam where one side shows open water and the other does not.
  auto mismatchedAcross = [&](const std::string& g, const std::string& left,
                              const std::string& right) {
    int mismatched = 0;
    for (int y = 0; y < 56; ++y) mismatched += water(g, left, 49, y) != water(g, right, 0, y);
    return mismatched;
  };
  auto mismatchedDown = [&](const std::string& g, const std::string& upper,
                            const std::string& lower) {
    int mismatched = 0;
    for (int x = 0; x < 50; ++x) mismatched += water(g, upper, x, 55) != water(g, lower, x, 0);
    return mismatched;
  };
  struct Pair {
    const char* left;
    const char* right;
  };
  const Pair pairs[] = {{"RIVER", "RIVER"}, {"RIVER", "MOUTH"},  {"LMOUTH", "RIVER"},
                        {"MOUTH", "WATER"}, {"WATER", "LMOUTH"}, {"LMOUTH", "MOUTH"}};
  for (const std::string g : kGrounds) {
    for (const Pair& p : pairs) {
      int wet = 0;
      for (int y = 0; y < 56; ++y) wet += water(g, p.left, 49, y);
      EXPECT_LE(mismatchedAcross(g, p.left, p.right), 2) << g << " " << p.left << " | " << p.right;
      EXPECT_GE(wet, 12) << g << " " << p.left << " | " << p.right;
    }
    for (int x = 0; x < 50; ++x) {
      EXPECT_FALSE(water(g, "RIVER", x, 0) || water(g, "RIVER", x, 55))
          << g << " RIVER column " << x;
    }
  }

  // The shipped rooms lay them so: a river runs on to the room's black edge or ends in a mouth,
  // never in a square cut against the land, and lily pads, drawn on marsh water, never lie
  // beside the open water of a pond.
  int rivers = 0, lilies = 0;
  for (const auto& e : fs::directory_iterator(fs::path(TQ_SOURCE_DIR) / "data" / "Files")) {
    RoomFile room;
    ASSERT_EQ(ReadRoomFile(e.path().string(), room), std::nullopt);
    const std::string g = kGrounds[static_cast<int>(room.GroundCode.num())];
    const auto& at = room.tags;
    for (int r = 1; r < kRoomSize - 1; ++r) {
      for (int c = 1; c < kRoomSize - 1; ++c) {
        const bool river = at[r][c] == "RIVER" || at[r][c] == "MOUTH" || at[r][c] == "LMOUTH";
        const bool lily = at[r][c] == "LILYPADS";
        rivers += river;
        lilies += lily;
        for (const auto& [dr, dc] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}}) {
          const std::string& next = at[r + dr][c + dc];
          // Monsters have no tile picture of their own; a river leaves the room at its edge.
          if (!(lily || (river && dr == 0)) || next == "BLACK" || IsMonster(next)) continue;
          const bool nextFirst = dr + dc < 0;  // west or north of the cell
          const std::string& first = nextFirst ? next : at[r][c];
          const std::string& second = nextFirst ? at[r][c] : next;
          const int mismatched =
              dr == 0 ? mismatchedAcross(g, first, second) : mismatchedDown(g, first, second);
          EXPECT_LE(mismatched, 2) << e.path().filename().string() << " (" << r << "," << c << ") "
                                   << at[r][c] << " beside " << next;
        }
      }
    }
  }
  EXPECT_GT(rivers, 0);
  EXPECT_GT(lilies, 0);
}

TEST_F(Pictures, MarshIsOneSheetOfWaterWithLilyPadsOnIt) {
  // Marsh cells lie side by side in one sheet: a cell's last column runs on into its first and
  // its last row into its first as smoothly as neighbouring pixels inside it, no bare floor
  // shows at its border, and the lily pads float on the very same water.
  for (const std::string g : kGrounds) {
    const Decoded& marsh = pic("Pics/" + g + "SWAMP.bmp");
    const Decoded& lily = pic("Pics/" + g + "LILYPADS.bmp");
    const Decoded& floor = pic("Pics/" + g + "FLOOR.bmp");
    auto at = [](const Decoded& d, int x, int y) {
      return d.rgba.begin() + static_cast<ptrdiff_t>((static_cast<size_t>(y) * d.w + x) * 4);
    };
    auto step = [&](int x0, int y0, int x1, int y1) {
      int sum = 0;
      for (int c = 0; c < 3; ++c) sum += std::abs(at(marsh, x0, y0)[c] - at(marsh, x1, y1)[c]);
      return sum;
    };
    // The ripples repeat every eighth row and their dashes every fifth column, so the seam is
    // weighed against the steps between rows and columns at the same place in the pattern.
    auto rowStep = [&](int y0, int y1) {
      int sum = 0;
      for (int x = 0; x < 50; ++x) sum += step(x, y0, x, y1);
      return sum;
    };
    auto columnStep = [&](int x0, int x1) {
      int sum = 0;
      for (int y = 0; y < 56; ++y) sum += step(x0, y, x1, y);
      return sum;
    };
    double rows = 0, columns = 0;
    for (int k = 1; k <= 6; ++k) rows += rowStep(55 - 8 * k, 56 - 8 * k) / 6.0;
    for (int k = 1; k <= 9; ++k) columns += columnStep(49 - 5 * k, 50 - 5 * k) / 9.0;
    EXPECT_LT(rowStep(55, 0), rows * 1.5) << g << " marsh cells meet at a seam across";
    EXPECT_LT(columnStep(49, 0), columns * 1.5) << g << " marsh cells meet at a seam down";
    int bare = 0, shared = 0, border = 0;
    for (int y = 0; y < 56; ++y)
      for (int x = 0; x < 50; ++x) {
        if (x > 0 && x < 49 && y > 0 && y < 55) continue;
        ++border;
        bare += std::equal(at(marsh, x, y), at(marsh, x, y) + 3, at(floor, x, y));
        shared += std::equal(at(marsh, x, y), at(marsh, x, y) + 3, at(lily, x, y));
      }
    EXPECT_LT(bare, border / 20) << g << " marsh shows the floor at its border";
    EXPECT_GT(shared, border * 9 / 10) << g << " lily pads float on other water";
  }
  // Toward bare floor a marsh cell ends in an uneven shore, not a straight cut. Its water is
  // where the cell is the same on every ground; along each side, how far in the water begins
  // must vary by 3 pixels or more and be a pixel or more on average.
  auto water = [&](int x, int y) {
    const Decoded& first = pic("Pics/GRASSSWAMP.bmp");
    const size_t i = (static_cast<size_t>(y) * first.w + x) * 4;
    return std::all_of(std::begin(kGrounds), std::end(kGrounds), [&](const std::string& g) {
      return std::equal(first.rgba.begin() + i, first.rgba.begin() + i + 3,
                        pic("Pics/" + g + "SWAMP.bmp").rgba.begin() + i);
    });
  };
  struct Side {
    const char* name;
    int x0, y0, inX, inY, alongX, alongY, length;
  };
  const Side sides[] = {{"west", 0, 0, 1, 0, 0, 1, 56},
                        {"east", 49, 0, -1, 0, 0, 1, 56},
                        {"north", 0, 0, 0, 1, 1, 0, 50},
                        {"south", 0, 55, 0, -1, 1, 0, 50}};
  for (const Side& side : sides) {
    int least = 1 << 20, most = 0, sum = 0;
    for (int t = 0; t < side.length; ++t) {
      int depth = 0;
      while (depth < 20 && !water(side.x0 + side.alongX * t + side.inX * depth,
                                  side.y0 + side.alongY * t + side.inY * depth))
        ++depth;
      least = std::min(least, depth), most = std::max(most, depth), sum += depth;
    }
    EXPECT_GE(most - least, 3) << "the marsh's " << side.name << " shore is a straight cut";
    EXPECT_GE(sum, side.length) << "the marsh's " << side.name << " shore is a straight cut";
  }
}

}  // namespace
}  // namespace tq
