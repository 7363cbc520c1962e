// The monster kinds table and its lookups.
#include "game/monster_table.h"

#include <algorithm>
#include <array>

namespace tq {
namespace {

// tag, hit points, roar, kill sound, kill points, loot class, largest blow
constexpr std::array<MonsterKind, 17> kKinds{{
    {"PLATER", 3, 0, 0, 4, 4, 1},
    {"NEWT", 4, 7, 0, 2, 8, 2},
    {"WYVERN", 5, 1, 1, 3, 6, 3},
    {"BEETLE", 8, 4, 3, 6, 2, 3},
    {"BAT", 9, 0, 0, 5, 1, 3},
    {"OGRE", 10, 2, 2, 7, 7, 4},
    {"ICE PLATER", 12, 4, 3, 13, 10, 6},
    {"ZOMBIE", 13, 3, 5, 8, 7, 4},
    {"SALAMANDER", 15, 7, 3, 8, 5, 6},
    {"THIEF", 16, 6, 6, 10, 9, 5},
    {"DEMON", 17, 1, 1, 12, 7, 5},
    {"DRAGON", 18, 4, 3, 40, 16, 6},
    {"KNIGHT", 26, 8, 6, 30, 11, 8},
    {"DEMON LORD", 28, 1, 1, 20, 12, 10},
    {"SHADOW DEMON", 31, 10, 10, 15, 12, 9},
    {"SHADOW BOSS", 40, 10, 10, 40, 12, 11},
    {"VEV", 55, 10, 10, 0, 99, 20},
}};

// A zombie in a cave sounds different.
constexpr int kZombieDirtRoar = 9;

}  // namespace

std::span<const MonsterKind> MonsterTable() {
  return kKinds;
}

const MonsterKind* FindMonster(std::string_view tag) {
  const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                               [&](const MonsterKind& k) { return k.tag == tag; });
  return it == kKinds.end() ? nullptr : &*it;
}

int RoarNumberFor(const MonsterKind& kind, const Value& groundTypeAtRead) {
  if (kind.tag == "ZOMBIE" && groundTypeAtRead.isText() && groundTypeAtRead.str() == "DIRT") {
    return kZombieDirtRoar;
  }
  return kind.RoarNumber;
}

int MaxDamageOf(std::string_view tag) {
  const MonsterKind* k = FindMonster(tag);
  return k ? k->MaxDamage : 0;
}

}  // namespace tq
