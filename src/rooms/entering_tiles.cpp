// Stage F of the hero's step: may he stand on the target tile? Shop prices are paid here,
// currents carry him on, the Fish Book lets him swim and locked doors answer.
#include <algorithm>
#include <string_view>

#include "game/deed_prices.h"
#include "game/facing.h"
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

EntryVerdict JudgeEntry(const Game& g, const HeroStep& s) {
  EntryVerdict v;
  v.row = s.TargetRow;
  v.col = s.TargetCol;
  // The target as the step and the rules left it; read afresh wherever it may have moved.
  auto target = [&]() -> const std::string& { return TagAt(s.RoomGrid, v.row, v.col); };

  for (const Walkable& w : kWalkable) {
    if (target() != w.tag) continue;
    v.CanEnter = true;
    v.PieceFound = w.swordPiece;
    v.AutosaveDue = w.autosave;
    break;
  }

  // The secret tree over a ladder lets the hero out only on the climb that put him there.
  if (target() == "STREE" && s.rules.StreePass == 1) v.CanEnter = true;

  v.price = PriceOfDeed(target());
  v.DeedTarget = v.price > 0;
  // GUARD: a deed on the outer ring of a damaged room, where the hero could never stand, would
  // take his gold and give nothing; it is refused like a blocked tile before gold changes hands.
  const bool payable = InsideInnerRoom(v.row, v.col) && g.Gold >= v.price;
  if (v.DeedTarget) v.CanEnter = payable;
  // GUARD: the redraw after a monster's step finds the hero on the deed he stands on and would
  // take its price again for nothing, since a monster's redraw gives nothing underfoot.
  v.pays = v.DeedTarget && payable && g.EnterMode != 1;

  // A current always carries the hero on in the way he walks, whatever way it is drawn.
  if (OneOf(kCurrents, target())) {
    if (const std::optional<Heading> way = HeroHeading(s.rules.Facing)) {
      v.row += RowStep(*way);
      v.col += ColStep(*way);
    }
  }

  // GUARD: water the hero could never stand in (the outer ring of a damaged room) would splash
  // for a step that is then refused.
  if (g.owns(ItemSlot::FishBook) && InsideInnerRoom(v.row, v.col)) {
    if (target() == "WATER") {
      v.CanEnter = true;
      v.swims = true;
    }
    if (OneOf(kDryForSwimmer, target())) v.CanEnter = true;
  }

  v.lockedDoor = OneOf(kLockedDoors, target());
  return v;
}

void DecideEntry(Game& g, HeroStep& s) {
  const EntryVerdict v = JudgeEntry(g, s);
  s.CanEnter = v.CanEnter;
  s.PieceFound = v.PieceFound;
  s.AutosaveDue = v.AutosaveDue;
  s.DeedTarget = v.DeedTarget;
  s.DeedUnpaid = v.DeedTarget && !v.CanEnter;
  s.TargetRow = v.row;
  s.TargetCol = v.col;
  g.StreePass = 0;
  if (v.pays) {
    g.Gold = g.Gold - v.price;
    SetMessageColor(g, MessageColor::Yellow);
  }
  g.InWater = v.swims ? 1 : 0;
  if (v.swims) g.Play(g.MM2, "sounds/splash.wav");
  if (v.lockedDoor) {
    ShowMessage(g, MessageColor::White, "This door is locked. You need to find a key to open it.");
    g.Play(g.MM1, "Sounds/LockedDoor.wav");
  }
}

}  // namespace tq
