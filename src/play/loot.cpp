// What a broken object or a killed monster leaves in its cell: the loot draws of its class, the
// quest effects of the two bosses, a sign's hint, a chest's key, shirt or sword piece, the win.
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "game/game.h"
#include "game/message_line.h"
#include "game/monster_table.h"
#include "game/strike_tables.h"
#include "play/ending.h"
#include "play/hints.h"
#include "play/strike_stages.h"

namespace tq {
namespace {

constexpr int kVevClass = 99;

enum GoldDrop { kNoGold = 0, kCoin = 1, kBag = 2, kGoldBag = 3 };

struct Drops {
  int gold = kNoGold;
  bool lifePotion = false, powerPotion = false, lifeSymbol = false, powerSymbol = false,
       chest = false;
};

// One thing a draw can leave.
enum class Drop { None, Coin, Bag, GoldBag, LifePotion, PowerPotion, LifeSymbol, PowerSymbol };

void Leave(Drops& d, Drop drop) {
  switch (drop) {
    case Drop::None:
      break;
    case Drop::Coin:
      d.gold = kCoin;
      break;
    case Drop::Bag:
      d.gold = kBag;
      break;
    case Drop::GoldBag:
      d.gold = kGoldBag;
      break;
    case Drop::LifePotion:
      d.lifePotion = true;
      break;
    case Drop::PowerPotion:
      d.powerPotion = true;
      break;
    case Drop::LifeSymbol:
      d.lifeSymbol = true;
      break;
    case Drop::PowerSymbol:
      d.powerSymbol = true;
      break;
  }
}

// A draw from 1 to `sides` and what each result leaves, 1 first; results past the list leave
// nothing.
struct LootDraw {
  int sides;
  std::array<Drop, 6> byResult;
};

Drop Roll(Game& g, const LootDraw& draw) {
  return draw.byResult[static_cast<std::size_t>(g.rnd.Draw(draw.sides) - 1)];
}

using enum Drop;

// The classes whose loot is one draw.
constexpr std::pair<int, LootDraw> kOneDrawClasses[] = {
    {1, {4, {Coin, PowerPotion}}},
    {2, {5, {Coin, PowerPotion, None, None, Bag}}},
    {3, {4, {Coin, LifePotion, PowerPotion}}},
    {4, {6, {Coin, None, None, None, None, PowerPotion}}},
    {6, {4, {PowerPotion, Bag}}},
    {8, {4, {Coin, LifePotion}}},
    {9, {3, {Coin, Bag, GoldBag}}},
};

// The classes whose loot takes a second draw, or none at all.
Drops DrawOtherLoot(Game& g, int lootClass, const std::string& struckTag) {
  Drops d;
  auto draw = [&g](int n) { return g.rnd.Draw(n); };
  switch (lootClass) {
    case 5: {
      const auto r = draw(4);
      Leave(d, r == 1 ? Coin : r == 2 ? Bag : None);
      if (r == 3 && draw(4) == 1) d.powerPotion = true;
      break;
    }
    case 7: {
      const auto r = draw(5);
      Leave(d, r == 1 ? Bag : r == 3 || r == 5 ? Coin : None);
      if (r == 5 && draw(4) == 1) d.powerSymbol = true;
      break;
    }
    case 10:
      if (draw(3) == 1) Leave(d, Roll(g, {3, {LifeSymbol, Bag, PowerSymbol}}));
      break;
    case 11:
      d.chest = true;
      break;
    case 12:
      // A cracked wall always hides a symbol of life.
      if (draw(3) == 1 || struckTag == "SPWALL") d.lifeSymbol = true;
      break;
    case 16:
      d.gold = kGoldBag;
      if (draw(3) == 1) d.lifeSymbol = true;
      break;
    default:
      break;
  }
  return d;
}

// The draws of one loot class; a class without draws leaves nothing here.
Drops DrawLoot(Game& g, int lootClass, const std::string& struckTag) {
  for (const auto& [oneDrawClass, draw] : kOneDrawClasses) {
    if (oneDrawClass != lootClass) continue;
    Drops d;
    Leave(d, Roll(g, draw));
    return d;
  }
  return DrawOtherLoot(g, lootClass, struckTag);
}

// The win over VEV: the brother stands where the ghost fell and the ending begins.
void Win(Game& g) {
  g.lblMESSAGE.Caption = "You did it! You rescued Rirezivi! YOU WON THE GAME!";
  g.tmrANIMATE.setEnabled(false);
  g.tmrBREAK.setEnabled(false);
  g.Play(g.MM1, "sounds/allright.wav");
  SetMessageColor(g, MessageColor::White);
  StartEnding(g);
}

// A chest gives the first key the hero lacks, then the shirt; deep in the dungeons a piece of the
// SHADOW SWORD instead.
std::string OpenChest(Game& g, std::string newTag) {
  int message = 0;
  if (!g.owns(ItemSlot::GoldKey)) {
    newTag = "GOLDKEY";
    message = 1;
  } else if (!g.owns(ItemSlot::RedKey)) {
    newTag = "REDKEY";
    message = 1;
  } else if (!g.owns(ItemSlot::PurpleKey)) {
    newTag = "PURPLEKEY";
    message = 1;
  } else if (g.HasMagicShirt == 0) {
    newTag = "SHIRT";
    message = 2;
  }
  // GUARD: a chest opened with all three pieces found would leave a fourth piece that no part of
  // the game knows; then the key and shirt rules stand.
  if (g.RoomNumber >= 500 && !(g.RoomNumber == 603) && !(g.RoomNumber == 703) &&
      g.SwordPieces < 3) {
    newTag = Join("SWORD", g.SwordPieces + 1);
    message = 0;
  }
  if (message == 1) {
    ShowMessage(g, MessageColor::White, "WOW! A magical key was inside the treasure chest!");
  }
  if (message == 2) {
    ShowMessage(g, MessageColor::White, "WOW! The shadow demon's treasure, the MAGIC SHIRT!");
  }
  return newTag;
}

}  // namespace

std::string LeaveLoot(Game& g, const std::string& struckTag) {
  const MonsterKind* kind = FindMonster(struckTag);
  const int lootClass = kind ? kind->LootClass : ObjectLootClass(struckTag, g.GroundType);
  if (struckTag == "SIGN") ShowRandomHint(g);
  if (struckTag == "SHADOW BOSS") {
    g.lblMESSAGE.Caption = "A door appears! You hear VEV in the next room- Prepare to go in!";
    g.QuestStage = 1;
  }
  if (struckTag == "VEV") g.QuestStage = 2;

  const Drops drops = DrawLoot(g, lootClass, struckTag);
  // Each rule that applies replaces what the ones before it left.
  std::string newTag = "FLOOR";
  if (lootClass == kVevClass) {
    newTag = "SIBLING1";
    Win(g);
  }
  if (lootClass == 20) newTag = "APPLES";
  if (lootClass == 21) newTag = "BLUEBERRIES";
  if (drops.chest) {
    newTag = "CHEST";
    g.Play(g.MM1, "sounds/ALLRIGHT.wav");
  }
  if (drops.gold == kCoin) newTag = "COIN";
  if (drops.gold == kBag) newTag = "BAG";
  if (drops.gold == kGoldBag) newTag = "GOLDBAG";
  if (drops.lifePotion) newTag = "LIFEPOTION";
  if (drops.powerPotion) newTag = "POWERPOTION";
  if (drops.lifeSymbol) newTag = "LIFESYMBOL";
  if (drops.powerSymbol) newTag = "POWERSYMBOL";
  if (struckTag == "TREE" && (g.GroundType == "SNOW" || g.GroundType == "GRASS")) newTag = "STUMP";
  if (struckTag == "STREE") {
    newTag = "LADDERDOWN";
    ShowMessage(g, MessageColor::White, "Look! A ladder leading down into a secret passage!");
  }
  if (struckTag == "SPWALL") {
    ShowMessage(g, MessageColor::White, "Wow! A weak wall crumbled away!");
  }
  if (struckTag == "CHEST") newTag = OpenChest(g, newTag);
  return newTag;
}

}  // namespace tq
