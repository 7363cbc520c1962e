// The quest: what the player does next. One goal at a time: save what was gained, buy what the
// shops hold in the order a careful player would, take the treasure lying about (the nearest
// first), then follow the road to the ending as far as this player's goals go.
//
// The goals so far walk, take, buy and save. Striking (chests, cracked walls, secret trees, the
// ROCKS) and fighting come as further goal kinds beside these; the road then runs on through the
// keys, the dungeons, the RUINSTONE and the Far North.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "autoplay/goals.h"
#include "autoplay/route_planner.h"
#include "autoplay/world_model.h"

namespace tq {
class Game;
}

namespace tq::autoplay {

struct Decision {
  std::optional<Goal> goal;
  std::string stuck;  // without a goal: why the player cannot go on
};

class Quest {
 public:
  Quest(WorldModel& world, RoutePlanner& planner) : world_(world), planner_(planner) {}

  Decision Next(const Game& g);
  // The player could not finish this goal; it is not handed out again in this game.
  void GiveUp(const Goal& goal);
  // The game was saved now: what the hero owns is safe from a death.
  void Saved(const Game& g);
  // A new world: everything learnt about the last one is forgotten.
  void NewWorld(const Game& g);

  // The nearest place the hero can reach now (by the player's caution) where `wanted` holds of
  // the tag lying there; nothing when there is none.
  std::optional<Route> Nearest(const Game& g,
                               const std::function<bool(const Place&, const std::string&)>& wanted);

 private:
  // What the hero could reach when a search last came back empty: until this changes, the
  // same search would come back empty again. Shops stand behind doors and keys, never behind
  // anything a room change opens, so their searches leave the rooms out (`roomsCount`).
  struct Reach {
    Gear gear;
    bool torch = false, farNorth = false;
    std::uint64_t worldChanges = 0;
    bool operator==(const Reach&) const = default;
  };
  Reach ReachNow(const Game& g, bool roomsCount) const;

  std::optional<Goal> SaveWhatWasGained(const Game& g);
  std::optional<Goal> Purchase(const Game& g);
  std::optional<Goal> Treasure(const Game& g);
  Decision OnTheRoad(const Game& g);
  bool Skipped(const Place& at) const;

  WorldModel& world_;
  RoutePlanner& planner_;
  std::set<std::tuple<int, int, int>> skipped_;
  std::string savedProgress_;
  std::map<std::tuple<int, int, int>, int> prices_;  // of the deeds bought or priced so far
  std::map<std::string, Reach> deedOutOfReach_;
  std::optional<Reach> noTreasure_;
};

// What the hero owns for good, as text: items, bag, symbols, pieces, the quest's stage. SAVE is
// worth a click when this differs from what was saved.
std::string Progress(const Game& g);

}  // namespace tq::autoplay
