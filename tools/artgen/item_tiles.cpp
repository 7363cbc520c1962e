// Item tiles: loot lying on the floor, and the shop deeds, sealed parchments showing what they buy.
#include <string_view>

#include "items.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

void Deed(Image& l, std::string_view item) {
  ShadeBox(l, 9, 14, 32, 36, kParchment);
  ShadeStroke(l, 8, 14, 42, 14, 4, kParchment);  // rolled top edge
  ShadeStroke(l, 8, 50, 42, 50, 4, kParchment);
  for (int y = 40; y < 46; y += 2) Line(l, 14, y, 30, y, kParchment[0]);
  DrawItem(l, item, 25, 28, 1.1, 1);
  ShadeEllipse(l, 36, 44, 3.5, 3.5, kRed);  // wax seal
}

}  // namespace

const std::vector<TileObject>& ItemTiles() {
  static const std::vector<TileObject> tiles = [] {
    // Loot is drawn large where it lies; its tag is the item's name.
    static constexpr std::string_view kLoot[] = {
        "COIN",        "BAG",        "GOLDBAG",     "LIFEPOTION", "POWERPOTION", "APPLES",
        "BLUEBERRIES", "LIFESYMBOL", "POWERSYMBOL", "GOLDKEY",    "REDKEY",      "PURPLEKEY",
        "SHIRT",       "SWORD1",     "SWORD2",      "SWORD3"};
    // Each deed's tag and the item it shows.
    static constexpr std::pair<std::string_view, std::string_view> kDeeds[] = {
        {"SHIELD", "SHIELD"},     {"TORCH", "TORCH"},       {"BOOK", "BOOK"},
        {"POTION", "GLOVE"},      {"BADGE", "CRYSTALBALL"}, {"MEDAL", "MEDAL"},
        {"MAGICBAG", "MAGICBAG"}, {"SWORD", "POWERSYMBOL"}, {"LIFE", "LIFESYMBOL"},
        {"POWER", "POWERPOTION"}, {"FOOD", "FOOD"}};
    std::vector<TileObject> out;
    for (std::string_view tag : kLoot)
      out.push_back(
          {tag, [tag](Image& l, Ground, int frame) { DrawItem(l, tag, 25, 38, 1.6, frame); }});
    for (const auto& [tag, item] : kDeeds)
      out.push_back({tag, [item](Image& l, Ground, int) { Deed(l, item); }});
    return out;
  }();
  return tiles;
}

}  // namespace tq::art
