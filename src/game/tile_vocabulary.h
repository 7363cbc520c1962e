// The 125 tile tags a room cell can hold, and the groups they fall into.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tq {

enum class TileGroup {
  Ground,
  Item,
  ShopDeed,
  Exit,
  Ladder,
  Door,
  Water,
  Tree,
  Plant,
  Wall,
  Furniture,
  People,
  Monster,
  Other
};

// Every tag, compared exactly (letter case and blanks count).
const std::vector<std::string_view>& AllTileTags();
bool IsTileTag(std::string_view tag);
std::optional<TileGroup> GroupOf(std::string_view tag);
// The tags of one group, in the vocabulary's order.
std::vector<std::string_view> TagsOf(TileGroup group);

}  // namespace tq
