// Walks the shipped rooms the way the hero can: proves the game can be won from a new game.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "game/monster_table.h"
#include "game/tile_vocabulary.h"
#include "world/room_file.h"

namespace tq {
namespace {

// The rooms as play numbers them; overland templates keep their own number (200..228).
const std::map<int, RoomFile>& World() {
  static const std::map<int, RoomFile> world = [] {
    std::map<int, RoomFile> rooms;
    const std::filesystem::path dir = std::filesystem::path(TQ_SOURCE_DIR) / "data" / "Files";
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(dir)) {
      const int file = std::stoi(entry.path().filename().string().substr(4));
      int room = file;
      if (file == 643) room = 1039;
      if (file == 644) room = 1041;
      if ((file >= 409 && file <= 499) || (file >= 600 && file <= 642)) room = file + 100;
      RoomFile grid;
      if (const auto error = ReadRoomFile(entry.path().string(), grid)) {
        ADD_FAILURE() << *error;
        continue;
      }
      rooms.emplace(room, std::move(grid));
    }
    return rooms;
  }();
  return world;
}

bool IsTemplate(int room) {
  return room >= 200 && room <= 228;
}

// What the hero carries; each opens more of the world.
struct Gear {
  bool goldKey = false;
  bool redKey = false;
  bool purpleKey = false;
  bool shadowSword = false;
  bool bossDead = false;  // the SHADOW BOSS is dead: the banner in room 704 is a purple door
};

// Where the hero stands and where the last shop, dungeon or stone entry will send him back.
struct Spot {
  int room = 0;  // kOverland stands for the generated overland between the templates
  int r = 0;
  int c = 0;
  int retRoom = 0;
  int retRow = 0;
  int retCol = 0;
  auto key() const { return std::tie(room, r, c, retRoom, retRow, retCol); }
  bool operator<(const Spot& o) const { return key() < o.key(); }
};

constexpr int kOverland = 0;

struct Step {
  int dr;
  int dc;
  std::string_view facing;  // the key's facing: "REAR" up, "" down, "LEFT", "RIGHT"
};
constexpr std::array<Step, 4> kSteps = {Step{-1, 0, "REAR"}, Step{1, 0, ""}, Step{0, -1, "LEFT"},
                                        Step{0, 1, "RIGHT"}};

bool IsWalkable(std::string_view tag) {
  const auto group = GroupOf(tag);
  return tag == "EXIT" || group == TileGroup::Ground || group == TileGroup::Item ||
         group == TileGroup::Ladder || group == TileGroup::ShopDeed;
}

// The hero walks the rooms by the room-change rules, killing what he meets (but VEV) and breaking
// ROCKS and cracked walls once he holds the SHADOW SWORD. He never needs the Fish Book, and breaks
// nothing else: the designed ways must not depend on either.
class Walker {
 public:
  Walker(Gear gear, bool overlandLinks) : gear_(gear), overland_links_(overlandLinks) {}

  std::set<Spot> From(Spot start) const {
    std::set<Spot> seen = {start};
    std::deque<Spot> queue = {start};
    while (!queue.empty()) {
      const Spot at = queue.front();
      queue.pop_front();
      for (const Spot& next : Moves(at)) {
        if (seen.insert(next).second) queue.push_back(next);
      }
    }
    return seen;
  }

 private:
  const std::string& Tag(int room, int r, int c) const { return World().at(room).tags[r][c]; }

  bool Passable(const std::string& tag) const {
    if (IsWalkable(tag)) return true;
    if (IsMonster(tag)) return tag != "VEV";
    return gear_.shadowSword && (tag == "ROCKS" || tag == "SPWALL");
  }

  // The hero stands on `spot` only if the rules let him enter its tile.
  void Land(Spot spot, std::vector<Spot>& out) const {
    if (spot.room != kOverland && !World().count(spot.room)) return;
    if (spot.room == kOverland || Passable(Tag(spot.room, spot.r, spot.c))) out.push_back(spot);
  }

  void Return(const Spot& from, int rowOffset, std::vector<Spot>& out) const {
    if (from.retRoom == 0) return;
    Land({from.retRoom, from.retRow - rowOffset, from.retCol, 0, 0, 0}, out);
  }

  std::vector<Spot> Moves(const Spot& at) const {
    std::vector<Spot> out;
    if (at.room == kOverland) {
      // From the generated overland any side of any template can be walked into.
      for (const auto& [room, grid] : World()) {
        if (!IsTemplate(room)) continue;
        for (const auto& [r, c] : {std::pair{2, 6}, {10, 6}, {6, 2}, {6, 10}}) {
          Land({room, r, c, at.retRoom, at.retRow, at.retCol}, out);
        }
      }
      return out;
    }
    for (const Step& step : kSteps) {
      const int r = at.r + step.dr;
      const int c = at.c + step.dc;
      const std::string& tag = Tag(at.room, r, c);
      Spot next = at;
      next.r = r;
      next.c = c;
      if (tag == "EXIT" && (r == 1 || r == 11 || c == 1 || c == 11)) {
        EdgeExit(at, next, out);
      } else if (tag == "EXIT" && at.room == 560 && step.facing.empty()) {
        Return(at, 1, out);  // any step down onto an EXIT of room 560 leaves the dungeon
      } else if (tag == "LADDERUP") {
        // Climbing up lets the hero onto the secret tree that hides the ladder.
        const Spot up{at.room - 300, r, c, at.retRoom, at.retRow, at.retCol};
        if (World().count(up.room) && Tag(up.room, r, c) == "STREE") {
          out.push_back(up);
        } else {
          Land(up, out);
        }
      } else if (tag == "LADDERDOWN" || tag == "STREE") {
        // A secret tree is struck into a ladder first.
        Land({at.room + 300, r, c, at.retRoom, at.retRow, at.retCol}, out);
      } else if (OpensDoor(at.room, r, c, step)) {
        Land({at.room, r + step.dr, c + step.dc, at.retRoom, at.retRow, at.retCol}, out);
      } else if (Entry(at, tag, step, out)) {
        // the entry rule moved the hero to another room
      } else if (Passable(tag)) {
        out.push_back(next);
      }
    }
    return out;
  }

  // A coloured door the hero holds the key to takes him to the tile beyond it.
  bool OpensDoor(int room, int r, int c, const Step& step) const {
    const std::string& tag = Tag(room, r, c);
    if (tag == "GOLDDOOR") return gear_.goldKey;
    if (tag == "REDDOOR") return gear_.redKey;
    // Room 704's banner turns into a purple door once the SHADOW BOSS is dead.
    const bool banner = room == 704 && r == 5 && c == 6 && tag == "SHELF" && gear_.bossDead;
    if (tag == "PURPLEDOOR" || banner) return gear_.purpleKey && step.dc == 0;
    return false;
  }

  // Shop doors, holes and the RUINSTONE: true when the tag is one and fired.
  bool Entry(const Spot& at, const std::string& tag, const Step& step,
             std::vector<Spot>& out) const {
    struct Rule {
      std::string_view tag;
      int room;
      int retRow;
      int retCol;
      int landRow;
    };
    static constexpr std::array rules = {
        Rule{"DOOR", 401, 8, 6, 10},    Rule{"DOOR2", 402, 8, 6, 10},
        Rule{"DOOR3", 403, 8, 6, 10},   Rule{"DOOR4", 404, 9, 6, 10},
        Rule{"HOLE", 550, 5, 10, 10},   Rule{"HOLE2", 520, 7, 6, 10},
        Rule{"HOLE3", 561, 8, 8, 10},   Rule{"HOLE5", 701, 11, 10, 10},
        Rule{"RUINSTONE", 700, 8, 6, 2}};
    for (const Rule& rule : rules) {
      if (rule.tag != tag) continue;
      const bool fromWest = tag == "HOLE" && step.facing == "RIGHT";
      if (step.facing != "REAR" && !fromWest) return true;  // refused: not a walkable tile
      Land({rule.room, rule.landRow, 6, at.room, rule.retRow, rule.retCol}, out);
      return true;
    }
    return false;
  }

  void EdgeExit(const Spot& at, Spot next, std::vector<Spot>& out) const {
    if (IsTemplate(at.room)) {
      if (overland_links_) out.push_back({kOverland, 0, 0, at.retRoom, at.retRow, at.retCol});
      return;
    }
    if (next.r == 11) {
      next.room += 10;
      next.r = 2;
    } else if (next.r == 1) {
      next.room -= 10;
      next.r = 10;
    } else if (next.c == 1 && at.room == 520) {
      next.room = 519;
      next.r = 6;
      next.c = 10;
    } else if (next.c == 1) {
      next.room -= 1;
      next.c = 10;
    } else {
      next.room += 1;
      next.c = 2;
    }
    // Shop and dungeon exits fire right after the edge rule, on the number it left.
    if (next.room == 411 || next.room == 412) return Return(at, 0, out);
    if (next.room == 413 || next.room == 414) return Return(at, 1, out);
    if (next.room == 560 && at.room == 550) return Return(at, 1, out);
    if (next.room == 530 || next.room == 571 || next.room == 711) return Return(at, 1, out);
    Land(next, out);
  }

  Gear gear_;
  bool overland_links_;
};

const Spot kHome{206, 8, 6, 0, 0, 0};

bool Visits(const std::set<Spot>& seen, int room, int r = -1, int c = -1) {
  for (const Spot& s : seen) {
    if (s.room == room && (r < 0 || (s.r == r && s.c == c))) return true;
  }
  return false;
}

// True when the hero can stand next to a cell holding `tag` in `room` and face it.
bool ReachesNextTo(const std::set<Spot>& seen, int room, std::string_view tag) {
  for (const Spot& s : seen) {
    if (s.room != room) continue;
    for (const Step& step : kSteps) {
      if (World().at(room).tags[s.r + step.dr][s.c + step.dc] == tag) return true;
    }
  }
  return false;
}

std::set<int> RoomsWithChestInReach(const std::set<Spot>& seen) {
  std::set<int> rooms;
  for (const auto& [room, grid] : World()) {
    if (ReachesNextTo(seen, room, "CHEST")) rooms.insert(room);
  }
  return rooms;
}

TEST(ShippedRoutes, EveryOverlandRoomJoinsItsFourSidesWithoutAKey) {
  const Walker walker({}, false);
  for (int room = 200; room <= 228; ++room) {
    const std::set<Spot> seen = walker.From({room, 2, 6, 0, 0, 0});
    for (const auto& [r, c] : {std::pair{2, 6}, {10, 6}, {6, 2}, {6, 10}}) {
      EXPECT_TRUE(Visits(seen, room, r, c))
          << "template " << room << ": (" << r << "," << c << ") cannot be reached from (2,6)";
    }
  }
  EXPECT_TRUE(Visits(Walker({}, true).From(kHome), kOverland)) << "the home is shut in";
}

TEST(ShippedRoutes, TheChestsOpenInTheOrderOfTheKeysTheyHold) {
  // The first chest opened holds the golden key, the next the red and the last the purple.
  Gear gear;
  EXPECT_EQ(RoomsWithChestInReach(Walker(gear, true).From(kHome)), (std::set<int>{224}));
  gear.goldKey = true;
  EXPECT_EQ(RoomsWithChestInReach(Walker(gear, true).From(kHome)), (std::set<int>{224, 228}));
  gear.redKey = true;
  EXPECT_EQ(RoomsWithChestInReach(Walker(gear, true).From(kHome)), (std::set<int>{224, 226, 228}));
}

TEST(ShippedRoutes, TheMagicBagAndTheTorchAreForSaleToANewHero) {
  const std::set<Spot> seen = Walker({}, true).From(kHome);
  EXPECT_TRUE(ReachesNextTo(seen, 401, "MAGICBAG"));
  EXPECT_TRUE(ReachesNextTo(seen, 401, "TORCH"));
  EXPECT_TRUE(Visits(seen, 401)) << "the general store";
  Gear keyed;
  keyed.goldKey = true;
  const std::set<Spot> withKey = Walker(keyed, true).From(kHome);
  for (const std::string_view deed : TagsOf(TileGroup::ShopDeed)) {
    bool found = false;
    for (int shop = 401; shop <= 403; ++shop) found = found || ReachesNextTo(withKey, shop, deed);
    EXPECT_TRUE(found) << deed << " cannot be bought before the Far North";
  }
  EXPECT_FALSE(ReachesNextTo(seen, 402, "SHIELD")) << "the armourer's good stuff is locked up";
}

TEST(ShippedRoutes, EachBlackKnightIsReachedThroughItsGateAndTheHeroGetsOutAgain) {
  struct Case {
    int knightRoom;
    Gear needs;
    Gear shortOf;
  };
  Gear gold;
  gold.goldKey = true;
  Gear goldRed = gold;
  goldRed.redKey = true;
  const std::array cases = {Case{538, {}, {}}, Case{533, gold, {}}, Case{598, goldRed, gold}};
  for (const Case& test : cases) {
    const std::set<Spot> seen = Walker(test.needs, true).From(kHome);
    EXPECT_TRUE(ReachesNextTo(seen, test.knightRoom, "KNIGHT")) << "room " << test.knightRoom;
    if (test.knightRoom != 538) {
      EXPECT_FALSE(ReachesNextTo(Walker(test.shortOf, true).From(kHome), test.knightRoom, "KNIGHT"))
          << "room " << test.knightRoom << " is open without its key";
    }
    // From the knight's hall the way leads back to the overland.
    for (const Spot& s : seen) {
      if (s.room != test.knightRoom) continue;
      EXPECT_TRUE(Visits(Walker(test.needs, true).From(s), kOverland))
          << "trapped in room " << test.knightRoom;
      break;
    }
  }
}

TEST(ShippedRoutes, TheRuinstoneNeedsTheShadowSwordAndThePurpleKey) {
  Gear all{true, true, true, true, false};
  EXPECT_TRUE(Visits(Walker(all, true).From(kHome), 700, 2, 6));
  Gear noSword = all;
  noSword.shadowSword = false;
  EXPECT_FALSE(Visits(Walker(noSword, true).From(kHome), 700));
  Gear noPurple = all;
  noPurple.purpleKey = false;
  EXPECT_FALSE(Visits(Walker(noPurple, true).From(kHome), 700));
}

TEST(ShippedRoutes, TheFarNorthLeadsToVevOnlyOnceTheShadowBossIsDead) {
  const Spot arrival{700, 2, 6, 210, 8, 6};
  Gear gear{true, true, true, true, false};
  const std::set<Spot> before = Walker(gear, false).From(arrival);
  EXPECT_TRUE(ReachesNextTo(before, 703, "CHEST")) << "the Shadow Demon's treasure";
  EXPECT_TRUE(ReachesNextTo(before, 704, "SHADOW BOSS"));
  EXPECT_TRUE(Visits(before, 404)) << "the trading post";
  EXPECT_FALSE(ReachesNextTo(before, 704, "VEV")) << "VEV dies from one blow before his time";
  EXPECT_FALSE(Visits(before, 704, 4, 6));
  gear.bossDead = true;
  const std::set<Spot> after = Walker(gear, false).From(arrival);
  EXPECT_TRUE(Visits(after, 704, 4, 6));
  EXPECT_TRUE(ReachesNextTo(after, 704, "VEV"));
}

TEST(ShippedRoutes, EveryDesignedRoomCanBeVisitedAndEveryHideoutLeft) {
  const Gear all{true, true, true, true, true};
  std::set<Spot> seen = Walker(all, true).From(kHome);
  const std::set<Spot> north = Walker(all, false).From({700, 2, 6, 210, 8, 6});
  seen.insert(north.begin(), north.end());
  for (const auto& [room, grid] : World()) {
    EXPECT_TRUE(Visits(seen, room)) << "room " << room << " cannot be reached";
  }
  for (const int hideout : {1039, 1041}) {
    for (const Spot& s : seen) {
      if (s.room != hideout) continue;
      EXPECT_TRUE(Visits(Walker(all, false).From(s), hideout - 300)) << "room " << hideout;
      break;
    }
  }
}

}  // namespace
}  // namespace tq
