// The tile vocabulary: its size, its groups and exact comparison of tags.
#include "game/tile_vocabulary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "game/monster_table.h"
#include "world/room_file.h"

namespace tq {
namespace {

TEST(TileVocabulary, HundredTwentyFiveDistinctTagsInFourteenGroups) {
  const auto& all = AllTileTags();
  EXPECT_EQ(all.size(), 125u);
  EXPECT_EQ(std::set<std::string_view>(all.begin(), all.end()).size(), 125u);
  const std::pair<TileGroup, std::size_t> sizes[] = {
      {TileGroup::Ground, 10},  {TileGroup::Item, 16},      {TileGroup::ShopDeed, 11},
      {TileGroup::Exit, 7},     {TileGroup::Ladder, 2},     {TileGroup::Door, 7},
      {TileGroup::Water, 18},   {TileGroup::Tree, 5},       {TileGroup::Plant, 5},
      {TileGroup::Wall, 5},     {TileGroup::Furniture, 11}, {TileGroup::People, 9},
      {TileGroup::Monster, 17}, {TileGroup::Other, 2}};
  std::size_t total = 0;
  for (const auto& [group, n] : sizes) {
    EXPECT_EQ(TagsOf(group).size(), n);
    for (auto tag : TagsOf(group)) EXPECT_EQ(GroupOf(tag), group) << tag;
    total += n;
  }
  EXPECT_EQ(total, 125u);
}

TEST(TileVocabulary, TagsAreComparedExactlyBlanksAndCaseIncluded) {
  EXPECT_TRUE(IsTileTag("ICE PLATER"));
  EXPECT_EQ(GroupOf("SHADOW BOSS"), TileGroup::Monster);
  EXPECT_EQ(GroupOf("DEMON LORD"), TileGroup::Monster);
  EXPECT_EQ(GroupOf("SHADOW DEMON"), TileGroup::Monster);
  for (auto near : {"ICEPLATER", "ICE  PLATER", "ice plater", "ICE PLATER ", "Floor", "FLOOR\r",
                    "HOUSEWALL", "WYVERNRIGHT", ""}) {
    EXPECT_FALSE(IsTileTag(near)) << near;
    EXPECT_EQ(GroupOf(near), std::nullopt) << near;
  }
  EXPECT_EQ(GroupOf("STREE"), TileGroup::Tree);
  EXPECT_EQ(GroupOf("LADDERUP"), TileGroup::Ladder);
  EXPECT_EQ(GroupOf("RUINSTONESNOW"), TileGroup::Exit);
  EXPECT_EQ(GroupOf("SHIELD"), TileGroup::ShopDeed);
  EXPECT_EQ(GroupOf("ROCKS"), TileGroup::Other);
}

TEST(TileVocabulary, MonsterGroupAndMonsterTableAgree) {
  std::set<std::string_view> group;
  for (auto t : TagsOf(TileGroup::Monster)) group.insert(t);
  std::set<std::string_view> table;
  for (const auto& k : MonsterTable()) table.insert(k.tag);
  EXPECT_EQ(group, table);
}

TEST(TileVocabulary, EveryShippedRoomUsesOnlyKnownTags) {
  for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(TQ_SOURCE_DIR) /
                                                           "data" / "Files")) {
    RoomFile room;
    ASSERT_EQ(ReadRoomFile(e.path().string(), room), std::nullopt);
    for (const auto& row : room.tags) {
      for (const auto& tag : row) EXPECT_TRUE(IsTileTag(tag)) << e.path() << ": " << tag;
    }
  }
}

}  // namespace
}  // namespace tq
