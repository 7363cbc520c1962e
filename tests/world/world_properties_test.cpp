// The invariants of a random world, checked over a thousand worlds built in memory from the
// test templates, with counts that show each rule was actually exercised.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include "kit/headless_game.h"
#include "kit/template_set.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "world/template_batches.h"
#include "world/world_builder.h"

namespace tq {
namespace {

const std::set<std::string> kIceMonsters = {"ICE PLATER", "SHADOW DEMON", "DEMON LORD"};

// What an inside tag of a generated room counts as for the invariants.
enum class Kind { Plain, Monster, SecretTree, Ladder, Rocks, LifeSymbol, PowerSymbol };
using Vocabulary = std::map<std::string, Kind, std::less<>>;

const Vocabulary kOverlandInside = {
    {"FLOOR", Kind::Plain},      {"BUSH", Kind::Plain},     {"PLANT", Kind::Plain},
    {"BERRYPLANT", Kind::Plain}, {"TREE", Kind::Plain},     {"STREE", Kind::SecretTree},
    {"APPLETREE", Kind::Plain},  {"SIGN", Kind::Plain},     {"FLOWER1", Kind::Plain},
    {"FLOWER2", Kind::Plain},    {"FLOWER3", Kind::Plain},  {"FLOWER4", Kind::Plain},
    {"ROCKS", Kind::Rocks},      {"LOG", Kind::Plain},      {"CRATE", Kind::Plain},
    {"BARREL", Kind::Plain},     {"WYVERN", Kind::Monster}, {"PLATER", Kind::Monster},
    {"NEWT", Kind::Monster},     {"BEETLE", Kind::Monster}};
const Vocabulary kCaveInside = {
    {"FLOOR", Kind::Plain},   {"TREE", Kind::Plain},         {"PLANT", Kind::Plain},
    {"BARREL", Kind::Plain},  {"BAG", Kind::Plain},          {"ZOMBIE", Kind::Monster},
    {"BAT", Kind::Monster},   {"SALAMANDER", Kind::Monster}, {"OGRE", Kind::Monster},
    {"DEMON", Kind::Monster}, {"LADDERUP", Kind::Ladder}};
const Vocabulary kFurnishedInside = {{"FLOOR", Kind::Plain},
                                     {"LIFESYMBOL", Kind::LifeSymbol},
                                     {"POWERSYMBOL", Kind::PowerSymbol},
                                     {"THIEF", Kind::Monster},
                                     {"DRAGON", Kind::Monster},
                                     {"TABLE", Kind::Plain},
                                     {"BED", Kind::Plain},
                                     {"SHELF", Kind::Plain},
                                     {"BARREL", Kind::Plain},
                                     {"CRATE", Kind::Plain},
                                     {"BAG", Kind::Plain},
                                     {"GOLDBAG", Kind::Plain},
                                     {"LADDERUP", Kind::Ladder}};

// How often each rule fired over all the worlds, so a property that never had a case to check
// shows up as a failure instead of passing quietly.
struct Seen {
  int overlandMonsters = 0, secretTrees = 0, zombies = 0, ladders = 0, passages = 0,
      caveMonsters = 0, furnishedMonsters = 0, iceMonsters = 0, rocks = 0;
};

// The 49 inside cells of a generated room, counted in one pass.
struct Inside {
  int monsters = 0, secretTrees = 0, ladders = 0, rocks = 0, lifeSymbols = 0, powerSymbols = 0;
};

Inside CountInside(const RoomFile& room, const Vocabulary& allowed) {
  Inside n;
  for (int r = 3; r <= 9; ++r) {
    for (int c = 3; c <= 9; ++c) {
      const auto it = allowed.find(room.tags[r][c]);
      if (it == allowed.end()) {
        ADD_FAILURE() << room.tags[r][c] << " at " << r << "," << c;
        continue;
      }
      switch (it->second) {
        case Kind::Plain:
          break;
        case Kind::Monster:
          ++n.monsters;
          break;
        case Kind::SecretTree:
          ++n.secretTrees;
          break;
        case Kind::Ladder:
          ++n.ladders;
          break;
        case Kind::Rocks:
          ++n.rocks;
          break;
        case Kind::LifeSymbol:
          ++n.lifeSymbols;
          break;
        case Kind::PowerSymbol:
          ++n.powerSymbols;
          break;
      }
    }
  }
  return n;
}

bool IsExitCell(int r, int c) {
  return (r == 1 && c == 6) || (r == 11 && c == 6) || (r == 6 && c == 1) || (r == 6 && c == 11);
}

// The frame of a generated room: black, then the ring of trees or walls, then floor. An exit
// cell holds "EXIT" or the ring's own tag; which one, the caller checks.
void CheckFrame(const RoomFile& room, const char* ring) {
  for (int r = 0; r < 13; ++r) {
    for (int c = 0; c < 13; ++c) {
      const bool inside = r >= 3 && r <= 9 && c >= 3 && c <= 9;
      if (inside) continue;
      const std::string& tag = room.tags[r][c];
      const char* expected = "FLOOR";
      if (r == 0 || r == 12 || c == 0 || c == 12) {
        expected = "BLACK";
      } else if (r == 1 || r == 11 || c == 1 || c == 11) {
        expected = ring;
      }
      if (tag == expected || (IsExitCell(r, c) && tag == "EXIT")) continue;
      ADD_FAILURE() << tag << " in the frame at " << r << "," << c;
    }
  }
}

struct Sides {
  bool north, south, west, east;
};

Sides ExitsOf(const RoomFile& room) {
  const auto& t = room.tags;
  return {t[1][6] == "EXIT", t[11][6] == "EXIT", t[6][1] == "EXIT", t[6][11] == "EXIT"};
}

bool Border(int m, char side) {
  switch (side) {
    case 'N':
      return m <= 10;
    case 'S':
      return m >= 91;
    case 'W':
      return m % 10 == 1;
    default:
      return m % 10 == 0;
  }
}

void CheckSpecialCells(const WorldWork& w) {
  std::set<int> cells;
  for (int k = 1; k <= 29; ++k) {
    const int c = w.SpecialCell[k];
    EXPECT_FALSE(c <= 10 || c >= 91 || c % 10 <= 1) << "special cell " << k << " is " << c;
    cells.insert(c);
  }
  EXPECT_EQ(cells.size(), 29u);
}

// Checks the overland; returns, per cell 1..100, whether a generated room has a secret tree.
std::array<bool, 101> CheckOverland(const WorldWork& w, const TemplateSet& templates, Seen& seen) {
  std::array<bool, 101> secretTree{};
  std::array<bool, 101> special{};
  for (int k = 1; k <= 29; ++k) {
    const int n = w.SpecialCell[k];
    special[n] = true;
    const int t = 199 + k;
    const RoomFile& room = w.rooms.at(n);
    const RoomFile& tmpl = templates.at(t);
    SCOPED_TRACE("special room " + std::to_string(n) + " from template " + std::to_string(t));
    EXPECT_EQ(room.GroundCode, tmpl.GroundCode);
    EXPECT_EQ(w.StreeA[n], 0);
    int zombies = 0;
    for (int r = 0; r < 13; ++r) {
      for (int c = 0; c < 13; ++c) {
        if (room.tags[r][c] == tmpl.tags[r][c]) continue;
        EXPECT_EQ(room.tags[r][c], "ZOMBIE") << "at " << r << "," << c;
        EXPECT_EQ(tmpl.tags[r][c], "FLOOR");
        EXPECT_TRUE(r >= 3 && r <= 9 && c >= 3 && c <= 9);
        ++zombies;
      }
    }
    EXPECT_LE(zombies, 1);
    if (!kit::IsTestSwamp(t) || t == 213) {
      EXPECT_EQ(zombies, 0);
    }
    seen.zombies += zombies;
    EXPECT_NE(w.MapTag[n - 1], "floor");
  }

  for (int n = 1; n <= 100; ++n) {
    if (special[n]) continue;
    SCOPED_TRACE("overland room " + std::to_string(n));
    const RoomFile& room = w.rooms.at(n);
    EXPECT_EQ(room.GroundCode, 0);
    EXPECT_EQ(w.MapTag[n - 1], "floor");
    EXPECT_EQ(w.Explored[n - 1], 0);
    CheckFrame(room, "TREE");
    const Sides exits = ExitsOf(room);
    EXPECT_EQ(exits.north, !Border(n, 'N'));
    EXPECT_EQ(exits.south, !Border(n, 'S'));
    EXPECT_EQ(exits.west, !Border(n, 'W'));
    EXPECT_EQ(exits.east, !Border(n, 'E'));
    const Inside inside = CountInside(room, kOverlandInside);
    EXPECT_LE(inside.monsters, 1);
    seen.overlandMonsters += inside.monsters;
    seen.rocks += inside.rocks;
    EXPECT_LE(inside.secretTrees, 1);
    if (inside.secretTrees == 1) {
      EXPECT_GT(w.StreeA[n], 0);
      if (w.StreeA[n] > 0) {
        EXPECT_EQ(room.tags[w.StreeA[n]][w.StreeB[n]], "STREE");
      }
      ++seen.secretTrees;
      secretTree[n] = true;
    } else {
      EXPECT_EQ(w.StreeA[n], 0);
    }
  }
  return secretTree;
}

void CheckUnderground(const WorldWork& w, const std::array<bool, 101>& secretTree, Seen& seen) {
  std::array<bool, 101> ladder{};
  for (int m = 1; m <= 100; ++m) {
    SCOPED_TRACE("underground room " + std::to_string(300 + m));
    const RoomFile& room = w.rooms.at(300 + m);
    const bool furnished = room.GroundCode == 2;
    EXPECT_TRUE(room.GroundCode == 1 || furnished);
    CheckFrame(room, "WALL");
    const Inside inside = CountInside(room, furnished ? kFurnishedInside : kCaveInside);

    // A ladder stands exactly under a secret tree of a generated overland room.
    EXPECT_EQ(inside.ladders, secretTree[m] ? 1 : 0);
    if (secretTree[m]) {
      EXPECT_EQ(room.tags[w.StreeA[m]][w.StreeB[m]], "LADDERUP");
    }
    ladder[m] = inside.ladders > 0;
    seen.ladders += inside.ladders;

    EXPECT_LE(inside.monsters, 1);
    (furnished ? seen.furnishedMonsters : seen.caveMonsters) += inside.monsters;
    EXPECT_LE(inside.lifeSymbols, 1);
    EXPECT_LE(inside.powerSymbols, 1);
  }

  for (int m = 1; m <= 100; ++m) {
    SCOPED_TRACE("underground room " + std::to_string(300 + m));
    const RoomFile& room = w.rooms.at(300 + m);
    // Passages: never toward the border, always two-way, always between a ladder room and a
    // room without one.
    const Sides exits = ExitsOf(room);
    struct Side {
      bool open;
      char dir;
      int neighbour;
      bool backOpen;
    };
    const Side sides[] = {
        {exits.north, 'N', m - 10, m > 10 && ExitsOf(w.rooms.at(290 + m)).south},
        {exits.south, 'S', m + 10, m < 91 && ExitsOf(w.rooms.at(310 + m)).north},
        {exits.west, 'W', m - 1, m % 10 != 1 && ExitsOf(w.rooms.at(299 + m)).east},
        {exits.east, 'E', m + 1, m % 10 != 0 && ExitsOf(w.rooms.at(301 + m)).west},
    };
    for (const Side& s : sides) {
      if (!s.open) continue;
      ++seen.passages;
      EXPECT_FALSE(Border(m, s.dir)) << "exit toward the border, side " << s.dir;
      if (Border(m, s.dir)) continue;
      EXPECT_TRUE(s.backOpen) << "one-way passage, side " << s.dir;
      EXPECT_NE(ladder[m], ladder[s.neighbour]) << "side " << s.dir;
    }

    const std::string expected =
        std::string(ladder[m] ? "L" : "") + "dun" + std::to_string([&] {
          const int bits = (exits.north ? 8 : 0) | (exits.south ? 4 : 0) | (exits.west ? 2 : 0) |
                           (exits.east ? 1 : 0);
          static const int kNumber[16] = {1, 5, 3, 10, 2, 8, 6, 14, 4, 11, 9, 12, 7, 15, 13, 16};
          return kNumber[bits];
        }());
    EXPECT_EQ(w.MapTag[99 + m], expected);
    EXPECT_EQ(w.Explored[99 + m], 0);
  }
}

void CheckBatches(const WorldWork& w, const TemplateSet& templates, Seen& seen) {
  EXPECT_FALSE(w.rooms.count(743));
  EXPECT_FALSE(w.rooms.count(744));
  for (const TemplateCopy& copy : TemplateBatches()) {
    SCOPED_TRACE("room " + std::to_string(copy.room) + " from " +
                 std::to_string(copy.templateRoom));
    RoomFile expected = templates.at(copy.templateRoom);
    if (copy.room == 1039) expected.tags[5][6] = "THIEF";
    if (copy.room == 1041) expected.tags[6][4] = "THIEF";
    const RoomFile& room = w.rooms.at(copy.room);
    EXPECT_EQ(room.GroundCode, expected.GroundCode);
    int changed = 0;
    for (int r = 0; r < 13; ++r) {
      for (int c = 0; c < 13; ++c) {
        if (room.tags[r][c] == expected.tags[r][c]) continue;
        ++changed;
        EXPECT_TRUE(kIceMonsters.count(room.tags[r][c])) << room.tags[r][c];
        EXPECT_EQ(expected.tags[r][c], "FLOOR");
      }
    }
    EXPECT_LE(changed, MayHoldIceMonster(copy) ? 1 : 0);
    seen.iceMonsters += changed;
  }
}

TEST(WorldProperties, HoldOverAThousandWorlds) {
  kit::TempFolder folder;
  std::filesystem::create_directories(folder.path() / "Files");
  kit::WriteTestTemplates(folder.path() / "Files");
  TemplateSet templates;
  ASSERT_FALSE(LoadTemplates(folder.path().string() + "/", templates));
  ManualClock clock;
  Random rnd(clock);
  Seen seen;
  for (int seed = 1; seed <= 1000; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    clock.set(seed * 37LL);
    rnd.setSeed(static_cast<std::uint32_t>(seed) * 2654435761u);
    const WorldWork w = BuildWorld(rnd, templates);
    EXPECT_EQ(w.rooms.size(), 260u);
    CheckSpecialCells(w);
    const auto secretTree = CheckOverland(w, templates, seen);
    CheckUnderground(w, secretTree, seen);
    CheckBatches(w, templates, seen);
    EXPECT_EQ(w.MapTag[w.SpecialCell[7] - 1], "house");
    int explored = 0;
    for (int e : w.Explored) explored += e;
    EXPECT_EQ(explored, 1);
    if (HasFailure()) break;  // one world's report is enough
  }
  EXPECT_GT(seen.overlandMonsters, 0);
  EXPECT_GT(seen.secretTrees, 0);
  EXPECT_GT(seen.zombies, 0);
  EXPECT_GT(seen.ladders, 0);
  EXPECT_GT(seen.passages, 0);
  EXPECT_GT(seen.caveMonsters, 0);
  EXPECT_GT(seen.furnishedMonsters, 0);
  EXPECT_GT(seen.iceMonsters, 0);
  EXPECT_GT(seen.rocks, 0);
}

}  // namespace
}  // namespace tq
