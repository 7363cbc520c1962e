// Stage F of the hero's step: may he stand on the target tile? Shop prices are paid here,
// currents carry him on, the Fish Book lets him swim and locked doors answer.
#include <algorithm>
#include <string_view>

#include "game/game.h"
#include "game/message_line.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

struct Walkable {
  std::string_view tag;
  bool swordPiece;
  bool autosave;
};

// Tested in this order; the first match decides.
constexpr Walkable kWalkable[] = {
    {"TALK1", false, false},      {"TALK2", false, false},       {"TALK3", false, false},
    {"TALK4", false, false},      {"STONEMESS", false, false},   {"SWORD1", true, true},
    {"SWORD2", true, true},       {"SWORD3", true, true},        {"POWERPOTION", false, false},
    {"LIFEPOTION", false, false}, {"COIN", false, false},        {"BAG", false, false},
    {"GOLDBAG", false, false},    {"LADDERDOWN", false, false},  {"LADDERUP", false, false},
    {"SHIRT", false, false},      {"POWERSYMBOL", false, false}, {"LIFESYMBOL", false, false},
    {"APPLES", false, false},     {"BLUEBERRIES", false, false}, {"FLOOR", false, false},
    {"FLOWER1", false, false},    {"FLOWER2", false, false},     {"FLOWER3", false, false},
    {"FLOWER4", false, false},    {"EXIT", false, false},        {"REDKEY", false, true},
    {"GOLDKEY", false, true},     {"PURPLEKEY", false, true},
};

struct Deed {
  std::string_view tag;
  int price;
};

constexpr Deed kDeeds[] = {
    {"SHIELD", 300}, {"TORCH", 50}, {"BOOK", 200}, {"POTION", 100}, {"BADGE", 350},   {"SWORD", 30},
    {"LIFE", 45},    {"POWER", 3},  {"FOOD", 5},   {"MEDAL", 400},  {"MAGICBAG", 75},
};

// Tiles the Fish Book lets the hero onto besides water itself.
constexpr std::string_view kDryForSwimmer[] = {"FLOOR",   "FLOWER1",    "FLOWER2",     "FLOWER3",
                                               "FLOWER4", "LIFESYMBOL", "POWERSYMBOL", "GOLDBAG"};

constexpr std::string_view kCurrents[] = {"NORTH", "SOUTH", "EAST", "WEST"};
constexpr std::string_view kLockedDoors[] = {"REDDOOR", "GOLDDOOR", "PURPLEDOOR"};

template <typename List>
bool OneOf(const List& list, std::string_view tag) {
  return std::find(std::begin(list), std::end(list), tag) != std::end(list);
}

}  // namespace

void DecideEntry(Game& g, HeroStep& s) {
  // The target as the step and the rules left it; read afresh wherever it may have moved.
  auto target = [&]() -> const std::string& { return TagAt(s.RoomGrid, s.TargetRow, s.TargetCol); };

  s.PieceFound = false;
  s.AutosaveDue = false;

  for (const Walkable& w : kWalkable) {
    if (target() != w.tag) continue;
    s.CanEnter = true;
    s.PieceFound = w.swordPiece;
    s.AutosaveDue = w.autosave;
    break;
  }

  // The secret tree over a ladder lets the hero out only on the climb that put him there.
  if (target() == "STREE" && g.StreePass == 1) s.CanEnter = true;
  g.StreePass = 0;

  int price = 0;
  for (const Deed& d : kDeeds) {
    if (target() == d.tag) {
      price = d.price;
      s.DeedTarget = true;
    }
  }
  // GUARD: a deed on the outer ring of a damaged room, where the hero could never stand, would
  // take his gold and give nothing; it is refused like a blocked tile before gold changes hands.
  const bool payable = InsideInnerRoom(s.TargetRow, s.TargetCol) && g.Gold >= price;
  if (s.DeedTarget && !payable) {
    s.CanEnter = false;
    s.DeedUnpaid = true;
  }
  if (s.DeedTarget && payable) {
    g.Gold = g.Gold - price;
    s.CanEnter = true;
    SetMessageColor(g, MessageColor::Yellow);
  }

  // A current always carries the hero on in the way he walks, whatever way it is drawn.
  g.InWater = 0;
  if (OneOf(kCurrents, target())) {
    if (g.Facing == "") s.TargetRow += 1;
    if (g.Facing == "REAR") s.TargetRow -= 1;
    if (g.Facing == "LEFT") s.TargetCol -= 1;
    if (g.Facing == "RIGHT") s.TargetCol += 1;
  }

  // GUARD: water the hero could never stand in (the outer ring of a damaged room) would splash
  // for a step that is then refused.
  if (g.owns(ItemSlot::FishBook) && InsideInnerRoom(s.TargetRow, s.TargetCol)) {
    if (target() == "WATER") {
      s.CanEnter = true;
      g.InWater = 1;
      g.Play(g.MM2, "sounds/splash.wav");
    }
    if (OneOf(kDryForSwimmer, target())) {
      s.CanEnter = true;
      g.InWater = 0;
    }
  }

  if (OneOf(kLockedDoors, target())) {
    ShowMessage(g, MessageColor::White, "This door is locked. You need to find a key to open it.");
    g.Play(g.MM1, "Sounds/LockedDoor.wav");
  }
}

}  // namespace tq
