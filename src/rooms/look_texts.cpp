// The look and info texts: what a click on the view, the rain, a status icon or an item says.
#include "rooms/look_texts.h"

#include <array>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "rooms/look_text_table.h"

namespace tq {
namespace {

constexpr std::array<std::string_view, 10> kItemTexts = {
    "SHADOW SWORD PIECES: Collect all three pieces to complete the weapon. Each piece was given "
    "to one of VEV'S three Black Knights.",
    "SHIELD: A sturdy piece of iron painted in the traditional battle colors of blue and white. "
    "You might be able to BLOCK an enemy's attack.",
    "TORCH: This torch will be automatically lit when you enter a dark area like a cave or "
    "dungeon.",
    "CRYSTAL BALL: An enchanted orb that allows you to spot hidden areas and secrets. It will "
    "flash when you are near one. NOTE: It will not work during rainstorms.",
    "GLOVE: The Glove once belonged to a mighty hero. You will lose less strength when you break "
    "objects and recover it back more quickly.",
    "FISH BOOK: Powerful magics surround the pages of the fish book. You can swim in deep water "
    "now!",
    "GOLDEN KEY: A fancy key made from pure gold. You can use this to go through all locked GOLD "
    "doors.",
    "RED KEY: This key is made from blood stained metal. You can use this to go through all "
    "locked RED doors.",
    "PURPLE KEY: This key pulses with strong magics. You can use this to go through all locked "
    "PURPLE doors.",
    "HERO MEDAL: Said to have been worn by Durar, the famous hero. It will increase your attack "
    "and defense powers.",
};

constexpr std::string_view kShadowSwordText =
    "SHADOW SWORD: It can even hurt Shadow Demons and Vev himself! Faster and Sharper than your "
    "old sword. It is even more deadly in dark places.";

// Every look and info click ends the same way: the click sound and the text in white.
void Tell(Game& g, std::string_view text) {
  g.Play(g.MM1, "sounds/squeak.wav");
  ShowMessage(g, MessageColor::White, std::string(text));
}

}  // namespace

std::string_view LookText(const Value& groundType, std::string_view tag) {
  const std::string ground = groundType.str();
  const LookRow* otherwise = nullptr;
  for (const LookRow& row : LookTextTable()) {
    if (row.tag != tag) continue;
    if (row.ground == ground) return row.text;
    if (row.ground.empty()) otherwise = &row;
  }
  return otherwise ? otherwise->text : std::string_view();
}

std::string StatusText(int index, int goldCap) {
  switch (index) {
    case 7:
      return "LIFE BAR: This is the amount of health that Tarvo has. You lose life when you get "
             "hurt by enemies. If your life is all gone, you lose!";
    case 6:
      return "STRENGTH BAR: This is the amount of physical strength you have. You'll get tired "
             "from breaking things. If you stop and rest, you'll get some back.";
    case 2:
      return "BONUS BAR: These are points that you get when you kill enemies or find secrets. Get "
             "100 to have unlimited strength and hit for double damage! It lasts until you are "
             "hurt.";
    case 1:
      return "ENEMY BAR: This is the amount of health that an enemy has. Remember, if you leave "
             "the area the enemy will heal itself.";
    case 0:
      return "GOLD COINS: This is the currency of Tarvo's world. Use them to buy items from "
             "Shopkeepers. You can hold up to a maximum of " +
             std::to_string(goldCap) + ".";
    default:
      return "";
  }
}

std::string_view ItemText(int slot, const Value& swordPieces) {
  if (slot < 0 || slot >= static_cast<int>(kItemTexts.size())) return {};
  if (slot == 0 && swordPieces >= 3) return kShadowSwordText;
  return kItemTexts[static_cast<std::size_t>(slot)];
}

void IMGgrid_Click(Game& g, int index) {
  if (index < 0 || index >= static_cast<int>(g.IMGgrid.size())) return;
  const std::string_view text =
      index == kHeroCell ? kHeroLookText
                         : LookText(g.GroundType, g.IMGgrid[static_cast<std::size_t>(index)].Tag);
  Tell(g, text);
}

void imgRAIN_Click(Game& g, int /*index*/) {
  Tell(g, kRainLookText);
}

void imgSCRN_Click(Game& g, int index) {
  // The bag raises the most gold he can carry; the icon being shown is what tells.
  Tell(g, StatusText(index, g.imgMONEYBAG.Visible ? 500 : 200));
}

void imgTOOL_Click(Game& g, int index) {
  Tell(g, ItemText(index, g.SwordPieces));
}

void imgMONEYBAG_Click(Game& g, int /*index*/) {
  Tell(g, kMoneyBagText);
}

void imgSHIRT_Click(Game& g, int /*index*/) {
  Tell(g, kShirtText);
}

void imgSWORD_Click(Game& g, int /*index*/) {
  Tell(g, kHunterSwordText);
}

}  // namespace tq
