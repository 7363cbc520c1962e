// The values the game can write into each item of GAMEFILE and MAPFILE, each with the reason it
// can write no other. A value outside them comes from a damaged or hand-made file: loaded, it
// would leave the hero in a black view he cannot leave, or carry a number far beyond anything
// the game's arithmetic is meant to meet.
#include "world/saved_game_ranges.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string_view>
#include <vector>

#include "game/monster_table.h"
#include "world/passages.h"
#include "world/saved_game.h"
#include "world/special_templates.h"

namespace tq {
namespace {

// What an item may hold, and how a message says it.
struct Allowed {
  std::string expected;
  std::function<bool(const Value&)> holds;
};

// A bare whole number from lo to hi.
Allowed Number(std::int64_t lo, std::int64_t hi) {
  std::string expected =
      hi == lo + 1 ? Join(lo, " or ", hi) : Join("a number from ", lo, " to ", hi);
  if (lo == hi) expected = Value(lo).str();
  return {expected,
          [lo, hi](const Value& v) { return v.isNumber() && v.num() >= lo && v.num() <= hi; }};
}

// As `allowed`, or left empty: a value no game of this run has set yet.
Allowed OrEmpty(Allowed allowed) {
  return {"empty or " + allowed.expected,
          [holds = allowed.holds](const Value& v) { return v.isEmpty() || holds(v); }};
}

// Quoted text, one of `words` ("" among them allows an empty item too, which reads as "").
Allowed Words(std::vector<std::string> words) {
  std::string expected;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) expected += i + 1 == words.size() ? " or " : ", ";
    expected += "\"" + words[i] + "\"";
  }
  return {expected, [words = std::move(words)](const Value& v) {
            return (v.isText() || v.isEmpty()) &&
                   std::find(words.begin(), words.end(), v.str()) != words.end();
          }};
}

// The rooms play can be in: the overland, the underground, the four shops, the dungeons, the
// Far North and the two hideouts. Template rooms are only ever copied; whether the room's own
// file is there and whole is LOAD's next check.
bool IsPlayRoom(std::int64_t n) {
  return (n >= 1 && n <= 100) || (n >= 301 && n <= 404) || (n >= 500 && n <= 599) ||
         (n >= 700 && n <= 799) || n == 1039 || n == 1041;
}

Allowed Room() {
  return {
      "the number of a room of the overland, the underground, a shop, a dungeon, the Far "
      "North or a hideout",
      [](const Value& v) { return v.isNumber() && IsPlayRoom(v.num()); }};
}

// The status rows take these values as 16-bit numbers; a maximum that only grows (a deed can be
// bought again and again) has no smaller bound.
constexpr std::int64_t kMost16Bit = 32767;

std::int64_t MostMonsterHitPoints() {
  int most = 0;
  for (const MonsterKind& kind : MonsterTable()) most = std::max(most, kind.hitPoints);
  return most;
}

struct SavedItem {
  std::string what;
  Value value;
  Allowed allowed;
};

const char* const kSlotNames[10] = {
    "the sword pieces", "the shield",     "the torch",   "the crystal ball", "the glove",
    "the fish book",    "the golden key", "the red key", "the purple key",   "the hero medal"};

// Every item of GAMEFILE in file order, with what the game can write there and why.
std::vector<SavedItem> GameFileItems(const SavedGame& s) {
  // Life and strength never rise above their maximums; the maximums, when damaged themselves,
  // are reported at their own items.
  const std::int64_t maxLife = std::clamp<std::int64_t>(s.MaxLife.num(), 10, kMost16Bit);
  const std::int64_t maxStrength = std::clamp<std::int64_t>(s.MaxStrength.num(), 20, kMost16Bit);
  std::vector<SavedItem> items = {
      // Every gain is capped at the maximum or sets it; a blow stops at 0 (LOAD raises 0 to 1).
      {"the hero's life", s.Life, Number(0, maxLife)},
      // Regeneration, potions and deeds are capped; a cost or a critical hit is only paid
      // from enough strength; a ZOMBIE's drain stops at 0.
      {"the hero's strength", s.Strength, Number(0, maxStrength)},
      // Finds are capped at 200, or 500 with the magic bag; prices are only paid from enough
      // gold; a theft stops at 0.
      {"the gold", s.Gold, Number(0, 500)},
      // 10 in a new game, one more for each symbol or deed of life.
      {"the hero's maximum life", s.MaxLife, Number(10, kMost16Bit)},
      // 20 in a new game, five more for each symbol or deed of strength.
      {"the hero's maximum strength", s.MaxStrength, Number(20, kMost16Bit)},
      {"the magic shirt", s.HasMagicShirt, Number(0, 1)},
      // The hero stands only where the 5 x 5 view around him lies inside the room.
      {"the hero's row", s.HeroRow, Number(2, 10)},
      {"the hero's column", s.HeroCol, Number(2, 10)},
      {"the room", s.RoomNumber, Room()},
      // Set together by a shop, dungeon or Far North entry, empty until the first; the way
      // back lands on the return row or the row above it, inside rows 2 to 10.
      {"the room to return to", s.ReturnRoom, OrEmpty(Room())},
      {"the row to return to", s.ReturnRow, OrEmpty(Number(2, 11))},
      {"the column to return to", s.ReturnCol, OrEmpty(Number(2, 10))},
      {"the shield", s.ShieldItem, Words({"", "SHIELD"})},
      {"the ground", s.GroundType, Words({"GRASS", "DIRT", "WOOD", "SNOW"})},
      // "XXX" is the redraw mark a save right after a load or a shop's exit still holds.
      {"the hero's facing", s.Facing, Words({"", "REAR", "LEFT", "RIGHT", "XXX"})},
      // Always one of the four once set; saved quoted even when empty.
      {"the monster's facing", Value(s.MonsterFacing),
       Words({"FRONT", "REAR", "LEFT", "RIGHT", ""})},
      // The walk, swing, strike and hurt frames stay within 0 to 5; the ending leaves 6.
      {"the animation frame", s.AnimFrame, Number(0, 6)},
      {"the sword", s.SwordKind, Number(1, 2)},
      {"the monster's hit points", s.EnemyHP, Number(0, MostMonsterHitPoints())},
      // One for each piece picked up from room 500 on; a save loaded into a newer world can
      // find the pieces again, so only the 16-bit bound holds.
      {"the sword pieces", s.SwordPieces, Number(0, kMost16Bit)},
      // 100 points give the BONUS and are taken away at once, and a strike brings at most 40.
      {"the points", s.Points, Number(0, 99)},
  };
  // Slot 0 always shows; every other slot is shown or not.
  for (std::size_t i = 0; i < s.ToolFlags.size(); ++i) {
    items.push_back({std::string("the flag of ") + kSlotNames[i], Value(s.ToolFlags[i]),
                     i == 0 ? Number(1, 1) : Number(0, 1)});
  }
  // Nothing but the SHADOW BOSS (1) and VEV (2) advances the quest.
  items.push_back({"the quest stage", s.QuestStage, Number(0, 2)});
  items.push_back({"the magic bag", s.HasMagicBag, Number(0, 1)});
  // Reserved and always 0; the first two are empty until the first new game of a run.
  items.push_back({"the first reserved value", s.SpareValue1, OrEmpty(Number(0, 0))});
  items.push_back({"the second reserved value", s.SpareValue2, OrEmpty(Number(0, 0))});
  items.push_back({"the third reserved value", Value(s.SpareValue3), Number(0, 0)});
  return items;
}

// The map tags a world gives its squares: the overland's "floor" and theme tags, "ladder" for a
// secret tree found, the underground's passage tags, and "house", which every square holds
// before the first world of a run.
const std::set<std::string, std::less<>>& MapTags() {
  static const std::set<std::string, std::less<>> tags = [] {
    std::set<std::string, std::less<>> t = {"floor", "house", "ladder"};
    for (int k = 1; k <= 29; ++k) t.insert(ThemeTag(k));
    for (int sides = 0; sides < 32; ++sides) {
      t.insert(UndergroundMapTag(sides & 1, sides & 2, sides & 4, sides & 8, sides & 16));
    }
    return t;
  }();
  return tags;
}

std::string OutOfRange(int item, const std::string& what, const std::string& expected) {
  return Join("item ", item, ", " + what + ", should be " + expected);
}

}  // namespace

std::optional<std::string> GameFileOutOfRange(const SavedGame& saved) {
  const std::vector<SavedItem> items = GameFileItems(saved);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!items[i].allowed.holds(items[i].value)) {
      return OutOfRange(static_cast<int>(i) + 1, items[i].what, items[i].allowed.expected);
    }
  }
  return std::nullopt;
}

std::optional<std::string> MapFileOutOfRange(const SavedGame& saved) {
  for (int i = 0; i < static_cast<int>(saved.MapCellKind.size()); ++i) {
    const auto cell = static_cast<std::size_t>(i);
    if (!MapTags().contains(saved.MapCellKind[cell])) {
      return OutOfRange(2 * i + 1, Join("the tag of map square ", i), "the name of a map picture");
    }
    if (saved.MapCellSeen[cell] != 0 && saved.MapCellSeen[cell] != 1) {
      return OutOfRange(2 * i + 2, Join("the seen flag of map square ", i), "0 or 1");
    }
  }
  return std::nullopt;
}

}  // namespace tq
