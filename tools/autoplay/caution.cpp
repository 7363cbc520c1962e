// The player's caution.
#include "autoplay/caution.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "autoplay/foe.h"
#include "game/game.h"
#include "game/tile_vocabulary.h"

namespace tq::autoplay {
namespace {

// Food and potions taken at full health or strength are lost for when they are needed.
constexpr int kWastedFood = 25;
// A step beside the room's monster invites its blow.
constexpr int kBesideTheFoe = 8;

}  // namespace

Caution Caution::Of(const Game& g) {
  Caution c;
  c.torch = g.owns(ItemSlot::Torch);
  c.farNorth = FarNorthRoom(static_cast<int>(g.RoomNumber.num()));
  c.hurt = g.Life < g.MaxLife;
  c.tired = g.Strength < g.MaxStrength;
  return c;
}

Caution Caution::Of(const Game& g, WorldModel& world) {
  Caution c = Of(g);
  if (const auto foe = FoeOf(g, world)) c.foe = foe->at;
  return c;
}

bool DarkRoom(int room) {
  return (room >= 300 && room <= 400) || (room >= 500 && room <= 699) || room >= 1000;
}

bool FarNorthRoom(int room) {
  return room >= 700 && room <= 799;
}

bool ShopRoom(int room) {
  return room >= 401 && room <= 404;
}

bool ShopDeed(const std::string& tag) {
  static const std::vector<std::string_view> deeds = TagsOf(TileGroup::ShopDeed);
  return std::find(deeds.begin(), deeds.end(), tag) != deeds.end();
}

std::optional<int> StepCost(const Caution& c, const Place& at, const std::string& tag) {
  if (FarNorthRoom(at.room) && !c.farNorth) return std::nullopt;
  if (c.stayIn && at.room != *c.stayIn) return std::nullopt;
  if (DarkRoom(at.room) && !c.torch) return std::nullopt;
  const int extra = c.foe && Adjacent(at, *c.foe) ? kBesideTheFoe : 0;
  if ((tag == "LIFEPOTION" || tag == "APPLES") && !c.hurt) return extra + kWastedFood;
  if (tag == "POWERPOTION" && !c.tired) return extra + kWastedFood;
  if (tag == "BLUEBERRIES" && !c.hurt && !c.tired) return extra + kWastedFood;
  return extra;
}

}  // namespace tq::autoplay
