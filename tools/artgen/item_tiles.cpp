// Item tiles: loot lying on the floor, and the shop deeds, sealed parchments showing what they buy.
#include <string>
#include <string_view>

#include "game/deed_prices.h"
#include "items.h"
#include "palette.h"
#include "tiles.h"

namespace tq::art {

namespace {

// Digits five pixels wide and seven high, a row of bits each, the leftmost the highest bit.
constexpr unsigned char kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1E, 0x01, 0x01, 0x0E, 0x01, 0x01, 0x1E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}};
constexpr int kDigitW = 5, kDigitH = 7;

// The price in ink with a gold coin before it, centred on x, its digits' top row at y: big
// enough to read at a glance in the shop, where the hero sees what he can afford.
void Price(Image& l, int price, int x, int y) {
  const std::string digits = std::to_string(price);
  const int coin = 9, width = coin + static_cast<int>(digits.size()) * (kDigitW + 1) - 1;
  const int left = x - width / 2;
  FillEllipse(l, left + 3.5, y + 3.5, 3.5, 3.5, kGold[0]);
  ShadeEllipse(l, left + 3.5, y + 3.5, 2.6, 2.6, kGold);
  l.set(left + 2, y + 2, kGold[3]);
  const Px ink = Rgb(0x3a2210);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const int dx = left + coin + static_cast<int>(i) * (kDigitW + 1);
    for (int row = 0; row < kDigitH; ++row)
      for (int col = 0; col < kDigitW; ++col)
        if (kDigits[digits[i] - '0'][row] >> (kDigitW - 1 - col) & 1) l.set(dx + col, y + row, ink);
  }
}

// A deed: a parchment showing the item it buys and its price, sealed in red wax.
void Deed(Image& l, std::string_view tag, std::string_view item) {
  ShadeBox(l, 9, 14, 32, 36, kParchment);
  ShadeStroke(l, 8, 14, 42, 14, 4, kParchment);  // rolled top edge
  ShadeStroke(l, 8, 50, 42, 50, 4, kParchment);
  DrawItem(l, item, 25, 27, 1.1, 1);
  Price(l, PriceOfDeed(tag), 25, 38);
  ShadeEllipse(l, 37, 50, 3.5, 3.5, kRed);  // the wax seal on the bottom roll
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
      out.push_back({tag, [tag, item](Image& l, Ground, int) { Deed(l, tag, item); }});
    return out;
  }();
  return tiles;
}

}  // namespace tq::art
