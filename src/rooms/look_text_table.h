// The look texts as data: which text a tile tag shows on which ground.
#pragma once

#include <string_view>
#include <vector>

namespace tq {

// One row: the text of `tag` on `ground`. A row with an empty ground covers every ground that no
// other row of the same tag names, so each tag has exactly one text on any ground.
struct LookRow {
  std::string_view tag;
  std::string_view ground;
  std::string_view text;
};

const std::vector<LookRow>& LookTextTable();

// The hero's own cell, whatever he stands on.
inline constexpr std::string_view kHeroLookText =
    "You are Tarvo, the most skilled hunter of your village and the hero of this story. You must "
    "find your kidnapped brother Rirezivi.";
inline constexpr std::string_view kRainLookText = "With all this rain, it's hard to see anything!";
inline constexpr std::string_view kMoneyBagText =
    "MAGIC BAG: This allows you to hold a maximum of 500 gold coins!";
inline constexpr std::string_view kShirtText =
    "MAGIC SHIRT: This is made from the same material as a Shadow Demon's cloak! It has great "
    "defensive powers!";
inline constexpr std::string_view kHunterSwordText =
    "HUNTER SWORD: A well-made sword used for hunting animals. It is also effective for breaking "
    "some objects.";

}  // namespace tq
