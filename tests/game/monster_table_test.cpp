// The monster kinds: every column of the table, membership and the zombie's roar.
#include "game/monster_table.h"

#include <gtest/gtest.h>

#include <set>

namespace tq {
namespace {

TEST(MonsterTable, SeventeenKindsWithTheirColumns) {
  EXPECT_EQ(MonsterTable().size(), 17u);
  struct Row {
    const char* tag;
    int hp, roar, kill, points, loot, damage;
  };
  // Sound number 0 is a real sound; VEV earns no points and its loot class is the win.
  const Row samples[] = {{"PLATER", 3, 0, 0, 4, 4, 1},
                         {"BAT", 9, 0, 0, 5, 1, 3},
                         {"NEWT", 4, 7, 0, 2, 8, 2},
                         {"ZOMBIE", 13, 3, 5, 8, 7, 4},
                         {"ICE PLATER", 12, 4, 3, 13, 10, 6},
                         {"DRAGON", 18, 4, 3, 40, 16, 6},
                         {"SHADOW BOSS", 40, 10, 10, 40, 12, 11},
                         {"VEV", 55, 10, 10, 0, 99, 20}};
  for (const Row& r : samples) {
    SCOPED_TRACE(r.tag);
    const MonsterKind* k = FindMonster(r.tag);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->tag, r.tag);
    EXPECT_EQ(k->hitPoints, r.hp);
    EXPECT_EQ(k->RoarNumber, r.roar);
    EXPECT_EQ(k->killSound, r.kill);
    EXPECT_EQ(k->KillPoints, r.points);
    EXPECT_EQ(k->LootClass, r.loot);
    EXPECT_EQ(MaxDamageOf(r.tag), r.damage);
  }
  // Every kind fits the enemy bar and deals at least one point.
  for (const auto& k : MonsterTable()) {
    EXPECT_GT(k.hitPoints, 0) << k.tag;
    EXPECT_GE(k.MaxDamage, 1) << k.tag;
  }
}

TEST(MonsterTable, TagsOutsideTheTableHaveNoRow) {
  for (auto tag : {"TREE", "FLOOR", "zombie", "SHADOWBOSS", "VEV ", "WYVERNRIGHT", ""}) {
    EXPECT_FALSE(IsMonster(tag)) << tag;
    EXPECT_EQ(MaxDamageOf(tag), 0) << tag;
  }
}

TEST(MonsterTable, ZombieRoarsDifferentlyOnlyWhenTheGroundInForceIsDirt) {
  const MonsterKind& zombie = *FindMonster("ZOMBIE");
  EXPECT_EQ(RoarNumberFor(zombie, Value("DIRT")), 9);
  EXPECT_EQ(RoarNumberFor(zombie, Value("WOOD")), 3);
  EXPECT_EQ(RoarNumberFor(zombie, Value("dirt")), 3);
  EXPECT_EQ(RoarNumberFor(zombie, Value()), 3);
  EXPECT_EQ(RoarNumberFor(*FindMonster("OGRE"), Value("DIRT")), 2);
  EXPECT_EQ(RoarNumberFor(*FindMonster("BAT"), Value("DIRT")), 0);
}

}  // namespace
}  // namespace tq
