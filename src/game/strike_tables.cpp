// The strike costs and the objects' loot classes.
#include "game/strike_tables.h"

#include "game/monster_table.h"

namespace tq {
namespace {

struct CostRow {
  std::string_view tag;
  int cost;
  bool needsShadowSword;
};

constexpr CostRow kCosts[] = {
    {"CRATE", 2, false}, {"PLANT", 2, false},  {"BERRYPLANT", 2, false}, {"CHEST", 1, false},
    {"SIGN", 1, false},  {"TREE", 6, false},   {"STREE", 6, false},      {"APPLETREE", 6, false},
    {"TABLE", 3, false}, {"BARREL", 3, false}, {"LOG", 4, false},        {"SWAMPLOG", 4, false},
    {"BED", 8, false},   {"ROCKS", 15, true},  {"SPWALL", 15, true},
};

struct LootRow {
  std::string_view tag;
  int lootClass;
};

constexpr LootRow kObjectLoot[] = {
    {"PLANT", 1},   {"LOG", 1},        {"SWAMPLOG", 1},    {"BED", 2},
    {"CRATE", 3},   {"BARREL", 3},     {"TABLE", 3},       {"ROCKS", 5},
    {"SPWALL", 12}, {"APPLETREE", 20}, {"BERRYPLANT", 21},
};

}  // namespace

StrikeCost StrikeCostOf(std::string_view tag) {
  // Fighting costs nothing; only breaking things tires the hero.
  if (IsMonster(tag)) return {0, true, false};
  for (const CostRow& row : kCosts) {
    if (row.tag == tag) return {row.cost, true, row.needsShadowSword};
  }
  return {};
}

int ObjectLootClass(std::string_view tag, const Value& groundType) {
  if (tag == "TREE") return groundType == "DIRT" ? 4 : 0;
  for (const LootRow& row : kObjectLoot) {
    if (row.tag == tag) return row.lootClass;
  }
  return 0;
}

}  // namespace tq
