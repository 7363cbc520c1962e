// The items of GAMEFILE and MAPFILE, each with the values the game can write there and the
// reason it can write no other. A value outside them comes from a damaged or hand-made file:
// loaded, it would leave the hero in a black view he cannot leave, or carry a number far beyond
// anything the game's arithmetic is meant to meet.
#include "world/saved_game_layout.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

#include "game/facing.h"
#include "game/monster_table.h"
#include "world/passages.h"
#include "world/saved_game.h"
#include "world/special_templates.h"

namespace tq {
namespace {

std::string NumberText(std::int64_t lo, std::int64_t hi) {
  if (lo == hi) return Value(lo).str();
  return hi == lo + 1 ? Join(lo, " or ", hi) : Join("a number from ", lo, " to ", hi);
}

// A bare whole number from lo to hi.
ItemCheck Number(std::int64_t lo, std::int64_t hi) {
  return [lo, hi](const Value& v, const SavedGame&) -> std::optional<std::string> {
    if (v.isNumber() && v.num() >= lo && v.num() <= hi) return std::nullopt;
    return NumberText(lo, hi);
  };
}

// Whatever the item's read takes.
ItemCheck AnyNumber() {
  return [](const Value&, const SavedGame&) { return std::optional<std::string>(); };
}

// The status rows take these values as 16-bit numbers; a maximum that only grows (a deed can be
// bought again and again) has no smaller bound.
constexpr std::int64_t kMost16Bit = 32767;

// A bare whole number from 0 to the maximum in another item. A damaged maximum is reported at
// its own item, so here it counts as at least its start value `least`.
ItemCheck UpToMaximum(Value SavedVariables::*maximum, std::int64_t least) {
  return [maximum, least](const Value& v, const SavedGame& s) {
    return Number(0, std::clamp<std::int64_t>((s.*maximum).num(), least, kMost16Bit))(v, s);
  };
}

// As `check`, or left empty: a value no game of this run has set yet.
ItemCheck OrEmpty(ItemCheck check) {
  return
      [check = std::move(check)](const Value& v, const SavedGame& s) -> std::optional<std::string> {
        if (v.isEmpty()) return std::nullopt;
        if (auto expected = check(v, s)) return "empty or " + *expected;
        return std::nullopt;
      };
}

// Quoted text, one of `words` ("" among them allows an empty item too, which reads as "").
ItemCheck Words(std::vector<std::string> words) {
  std::string expected;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) expected += i + 1 == words.size() ? " or " : ", ";
    expected += "\"" + words[i] + "\"";
  }
  return [words = std::move(words), expected = std::move(expected)](
             const Value& v, const SavedGame&) -> std::optional<std::string> {
    const bool listed = std::find(words.begin(), words.end(), v.str()) != words.end();
    if ((v.isText() || v.isEmpty()) && listed) return std::nullopt;
    return expected;
  };
}

// The words of the four ways, then `other`.
ItemCheck FacingWords(std::string_view (*text)(Heading), std::string_view other) {
  std::vector<std::string> words;
  for (Heading h : kHeadings) words.emplace_back(text(h));
  words.emplace_back(other);
  return Words(std::move(words));
}

// The rooms play can be in: the overland, the underground, the four shops, the dungeons, the
// Far North and the two hideouts. Template rooms are only ever copied; whether the room's own
// file is there and whole is LOAD's next check.
bool IsPlayRoom(std::int64_t n) {
  return (n >= 1 && n <= 100) || (n >= 301 && n <= 404) || (n >= 500 && n <= 599) ||
         (n >= 700 && n <= 799) || n == 1039 || n == 1041;
}

ItemCheck Room() {
  return [](const Value& v, const SavedGame&) -> std::optional<std::string> {
    if (v.isNumber() && IsPlayRoom(v.num())) return std::nullopt;
    return "the number of a room of the overland, the underground, a shop, a dungeon, the Far "
           "North or a hideout";
  };
}

std::int64_t MostMonsterHitPoints() {
  int most = 0;
  for (const MonsterKind& kind : MonsterTable()) most = std::max(most, kind.hitPoints);
  return most;
}

// The map tags a world gives its squares: the overland's "floor" and theme tags, "ladder" for a
// secret tree found, the underground's passage tags, and "house", which every square holds
// before the first world of a run.
ItemCheck MapTag() {
  static const std::set<std::string, std::less<>> tags = [] {
    std::set<std::string, std::less<>> t = {"floor", "house", "ladder"};
    for (int k = 1; k <= 29; ++k) t.insert(ThemeTag(k));
    for (int sides = 0; sides < 32; ++sides) {
      t.insert(UndergroundMapTag(sides & 1, sides & 2, sides & 4, sides & 8, sides & 16));
    }
    return t;
  }();
  return [](const Value& v, const SavedGame&) -> std::optional<std::string> {
    if (tags.contains(v.str())) return std::nullopt;
    return "the name of a map picture";
  };
}

using S = SavedGame;

}  // namespace

const std::vector<SavedItem>& GameFileLayout() {
  static const std::vector<SavedItem> items = {
      // Every gain is capped at the maximum or sets it; a blow stops at 0 (LOAD raises 0 to 1).
      {1, "the hero's life", &S::Life, UpToMaximum(&S::MaxLife, 10)},
      // Regeneration, potions and deeds are capped; a cost or a critical hit is only paid
      // from enough strength; a ZOMBIE's drain stops at 0.
      {1, "the hero's strength", &S::Strength, UpToMaximum(&S::MaxStrength, 20)},
      // Finds are capped at 200, or 500 with the magic bag; prices are only paid from enough
      // gold; a theft stops at 0.
      {1, "the gold", &S::Gold, Number(0, 500)},
      // 10 in a new game, one more for each symbol or deed of life.
      {1, "the hero's maximum life", &S::MaxLife, Number(10, kMost16Bit)},
      // 20 in a new game, five more for each symbol or deed of strength.
      {1, "the hero's maximum strength", &S::MaxStrength, Number(20, kMost16Bit)},
      {1, "the magic shirt", &S::HasMagicShirt, Number(0, 1)},
      // The hero stands only where the 5 x 5 view around him lies inside the room.
      {2, "the hero's row", &S::HeroRow, Number(2, 10)},
      {2, "the hero's column", &S::HeroCol, Number(2, 10)},
      {2, "the room", &S::RoomNumber, Room()},
      // Set together by a shop, dungeon or Far North entry, empty until the first; the way
      // back lands on the return row or the row above it, inside rows 2 to 10.
      {2, "the room to return to", &S::ReturnRoom, OrEmpty(Room())},
      {2, "the row to return to", &S::ReturnRow, OrEmpty(Number(2, 11))},
      {2, "the column to return to", &S::ReturnCol, OrEmpty(Number(2, 10))},
      {3, "the shield", &S::ShieldItem, Words({"", "SHIELD"})},
      {3, "the ground", &S::GroundType, Words({"GRASS", "DIRT", "WOOD", "SNOW"})},
      // The redraw marker is what a save right after a load or a shop's exit still holds.
      {3, "the hero's facing", &S::Facing, FacingWords(HeroFacingText, kRedrawFacing)},
      // Always one of the four once set; saved quoted even when empty.
      {3, "the monster's facing", &S::MonsterFacing, FacingWords(MonsterFacingText, "")},
      // The walk, swing, strike and hurt frames stay within 0 to 5; the ending leaves 6.
      {3, "the animation frame", &S::AnimFrame, Number(0, 6)},
      {4, "the sword", &S::SwordKind, Number(1, 2)},
      {4, "the monster's hit points", &S::EnemyHP, Number(0, MostMonsterHitPoints())},
      // One for each piece picked up from room 500 on; a save loaded into a newer world can
      // find the pieces again, so only the 16-bit bound holds.
      {4, "the sword pieces", &S::SwordPieces, Number(0, kMost16Bit)},
      // 100 points give the BONUS and are taken away at once, and a strike brings at most 40.
      {4, "the points", &S::Points, Number(0, 99)},
      // One line for each item slot. Slot 0 always shows whatever its flag says, so LOAD takes
      // any number there; every other slot is shown or not.
      {5, "the flag of the sword pieces", ToolFlag{0}, AnyNumber()},
      {6, "the flag of the shield", ToolFlag{1}, Number(0, 1)},
      {7, "the flag of the torch", ToolFlag{2}, Number(0, 1)},
      {8, "the flag of the crystal ball", ToolFlag{3}, Number(0, 1)},
      {9, "the flag of the glove", ToolFlag{4}, Number(0, 1)},
      {10, "the flag of the fish book", ToolFlag{5}, Number(0, 1)},
      {11, "the flag of the golden key", ToolFlag{6}, Number(0, 1)},
      {12, "the flag of the red key", ToolFlag{7}, Number(0, 1)},
      {13, "the flag of the purple key", ToolFlag{8}, Number(0, 1)},
      {14, "the flag of the hero medal", ToolFlag{9}, Number(0, 1)},
      // Nothing but the SHADOW BOSS (1) and VEV (2) advances the quest.
      {15, "the quest stage", &S::QuestStage, Number(0, 2)},
      {15, "the magic bag", &S::HasMagicBag, Number(0, 1)},
      // Reserved and always 0; the first two are empty until the first new game of a run.
      {15, "the first reserved value", &S::SpareValue1, OrEmpty(Number(0, 0))},
      {15, "the second reserved value", &S::SpareValue2, OrEmpty(Number(0, 0))},
      {15, "the third reserved value", &S::SpareValue3, Number(0, 0)},
  };
  return items;
}

const std::vector<SavedItem>& MapFileLayout() {
  static const std::vector<SavedItem> items = [] {
    // One line for each square: 0..99 the overland rooms 1..100, then the underground.
    std::vector<SavedItem> list;
    for (std::size_t i = 0; i < kMapSquares; ++i) {
      const int line = static_cast<int>(i) + 1;
      const std::string square = std::to_string(i);
      list.push_back({line, "the tag of map square " + square, MapSquareTag{i}, MapTag()});
      list.push_back(
          {line, "the seen flag of map square " + square, MapSquareSeen{i}, Number(0, 1)});
    }
    return list;
  }();
  return items;
}

}  // namespace tq
