// The quest's side of fighting: which fights the hero takes on, what he does about a monster in
// his way, when saving is safe, and where he eats when his life runs low (food lying about, fruit
// struck from the trees and bushes, and the shops' FOOD).
#include <cstdlib>

#include "autoplay/caution.h"
#include "autoplay/quest.h"
#include "autoplay/text.h"
#include "game/game.h"
#include "rooms/move_hero_stages.h"

namespace tq::autoplay {
namespace {

// A monster this close (in steps across the room) makes a save a trap: a load would put the
// hero back beside it.
constexpr int kSafeDistance = 5;

// What the sword breaks into fruit: apples and blueberries.
bool FruitPlant(const std::string& tag) {
  return tag == "BERRYPLANT" || tag == "APPLETREE";
}

// What the hero eats or drinks for life where it lies.
bool Food(const std::string& tag) {
  return tag == "LIFEPOTION" || tag == "APPLES" || tag == "BLUEBERRIES";
}

}  // namespace

bool Quest::WouldFight(const Game& g, const Foe& foe) const {
  if (!CanHurt(g, foe.tag)) return false;
  if (committedFight_ == foe.at.room) return true;
  if (fightsGivenUp_.count(foe.at.room)) return false;
  return g.Life >= LifeToFight(g, foe.tag, foe.hp);
}

bool Quest::SafeToSave(const Game& g) {
  if (!g.mnuSAVE.Enabled || g.QuestStage != 0 || g.Life * 2 <= g.MaxLife) return false;
  if (const auto foe = FoeOf(g, world_)) {
    const Place here = PlaceOf(g);
    if (std::abs(here.row - foe->at.row) + std::abs(here.col - foe->at.col) < kSafeDistance) {
      return false;
    }
  }
  return true;
}

std::optional<Goal> Quest::Defend(const Game& g) {
  const std::optional<Foe> foe = FoeOf(g, world_);
  if (!foe || foe->at.room != committedFight_) committedFight_.reset();
  if (!foe || !WouldFight(g, *foe)) return std::nullopt;
  return Goal{Goal::Kind::Fight, foe->at, foe->tag,
              Cat("the ", foe->tag, " in room ", foe->at.room)};
}

void Quest::InTheWay(const Game& g, const Foe& foe) {
  if (CanHurt(g, foe.tag)) inTheWay_ = foe;
}

std::optional<Goal> Quest::ClearTheWay(const Game& g) {
  if (!inTheWay_) return std::nullopt;
  // Back at full life, or with nothing left to eat, the monster is fought.
  if (g.Life < g.MaxLife) {
    if (auto eat = Heal(g, static_cast<int>(g.MaxLife.num()))) return eat;
  }
  const Foe foe = *inTheWay_;
  inTheWay_.reset();
  committedFight_ = foe.at.room;
  return Goal{Goal::Kind::Fight, foe.at, foe.tag,
              Cat("the ", foe.tag, " in the way in room ", foe.at.room)};
}

std::optional<Goal> Quest::Heal(const Game& g, int wanted) {
  if (g.Life >= wanted) return std::nullopt;
  const std::int64_t gold = g.Gold.num();
  const auto route = Nearest(g, [&](const Place& at, const std::string& tag) {
    if (Skipped(at)) return false;
    if (Food(tag)) return true;
    if (tag == "FOOD" && ShopRoom(at.room)) {
      const auto price = prices_.find({at.room, at.row, at.col});
      return price == prices_.end() || price->second <= gold;
    }
    if (!InsideInnerRoom(at.row, at.col)) return false;  // where the hero may stand
    for (Dir d : kDirs) {
      const Place plant = Beside(at, d);
      const std::string& next = world_.Tag(plant.room, plant.row, plant.col);
      if (FruitPlant(next) && !Skipped(plant)) return true;
    }
    return false;
  });
  if (!route) return std::nullopt;
  const Place at = route->stops.empty() ? PlaceOf(g) : route->stops.back();
  const std::string& tag = world_.Tag(at.room, at.row, at.col);
  if (Food(tag)) return Goal{Goal::Kind::PickUp, at, tag, Cat("the ", tag, " at ", CellText(at))};
  if (tag == "FOOD") {
    if (!route->stops.empty()) prices_[{at.room, at.row, at.col}] = route->paid;
    if (route->paid > gold) return std::nullopt;
    return Goal{Goal::Kind::Buy, at, tag, Cat("FOOD in room ", at.room)};
  }
  for (Dir d : kDirs) {
    const Place plant = Beside(at, d);
    const std::string& next = world_.Tag(plant.room, plant.row, plant.col);
    if (FruitPlant(next) && !Skipped(plant)) {
      return Goal{Goal::Kind::Break, plant, next, Cat("the ", next, " at ", CellText(plant))};
    }
  }
  return std::nullopt;
}

}  // namespace tq::autoplay
