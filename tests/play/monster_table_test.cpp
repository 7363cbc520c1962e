// The monster kinds: every column of the table, membership and the special roar.
#include "play/monster_table.h"

#include <gtest/gtest.h>

#include <set>

namespace tq {
namespace {

TEST(MonsterTable, EveryKindWithEveryColumn) {
  struct Row {
    const char* tag;
    int hp, roar, kill, points, loot, damage;
  };
  const Row expected[] = {{"PLATER", 3, 0, 0, 4, 4, 1},
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
                          {"VEV", 55, 10, 10, 0, 99, 20}};
  EXPECT_EQ(MonsterTable().size(), std::size(expected));
  for (const Row& r : expected) {
    SCOPED_TRACE(r.tag);
    const MonsterKind* k = FindMonster(r.tag);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->tag, r.tag);
    EXPECT_EQ(k->hitPoints, r.hp);
    EXPECT_EQ(k->RoarNumber, r.roar);
    EXPECT_EQ(k->killSound, r.kill);
    EXPECT_EQ(k->KillPoints, r.points);
    EXPECT_EQ(k->LootClass, r.loot);
    EXPECT_EQ(k->MaxDamage, r.damage);
    EXPECT_EQ(MaxDamageOf(r.tag), r.damage);
    EXPECT_TRUE(IsMonster(r.tag));
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
