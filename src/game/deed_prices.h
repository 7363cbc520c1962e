// What each of the shops' eleven deeds costs in gold: charged when the hero steps onto it, and
// written on the deed's picture.
#pragma once

#include <string_view>

namespace tq {

struct DeedPrice {
  std::string_view tag;
  int gold;
};

inline constexpr DeedPrice kDeedPrices[] = {
    {"SHIELD", 300}, {"TORCH", 50}, {"BOOK", 200}, {"POTION", 100}, {"BADGE", 350},   {"SWORD", 30},
    {"LIFE", 45},    {"POWER", 3},  {"FOOD", 5},   {"MEDAL", 400},  {"MAGICBAG", 75},
};

// The deed's price, or 0 for a tag that is no deed.
constexpr int PriceOfDeed(std::string_view tag) {
  for (const DeedPrice& d : kDeedPrices)
    if (d.tag == tag) return d.gold;
  return 0;
}

}  // namespace tq
