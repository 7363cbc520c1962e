// Routes through the world: the cheapest run of arrow keys from where the hero stands to a place
// a goal names, across rooms by every way the game's rules allow (exits, doors, ladders, holes,
// shop doors, the RUINSTONE), as the step oracle answers them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "autoplay/place.h"
#include "autoplay/step_oracle.h"
#include "autoplay/world_model.h"

namespace tq::autoplay {

struct Route {
  std::vector<Dir> keys;
  std::vector<Place> stops;  // where each key leaves the hero
  int cost = 0;
  int paid = 0;  // gold the route's last step takes (the deed it ends on)
};

// What a route may do and where it ends, as the goal and the player's caution decide.
struct RouteRules {
  // The cost of stepping onto a place (the tag is what lies there before the step), on top of
  // one per key; nothing when the route must not step there.
  std::function<std::optional<int>(const Place& at, const std::string& tag)> stepCost;
  // True where the route may end.
  std::function<bool(const Place& at)> isGoal;
  // Told of every place the search settles, with its cost, the tag there and the gold the last
  // step onto it takes; for surveys of all that can be reached.
  std::function<void(const Place& at, int cost, const std::string& tag, int paid)> settled;
  // How many places the search may settle before it gives up.
  std::size_t maxPlaces = 400000;
};

class RoutePlanner {
 public:
  RoutePlanner(WorldModel& world, StepOracle& oracle);

  // The cheapest route to the nearest goal; an empty route when the hero already stands on one;
  // nothing when no goal can be reached. A shop deed ends a route but is never walked across:
  // stepping on it buys it.
  std::optional<Route> Find(const Place& from, const Gear& gear, const RouteRules& rules);

  // How many places the last search settled.
  std::size_t lastSearched() const { return lastSearched_; }

 private:
  struct Node {
    Place at;
    int cost = 0;
    int paid = 0;
    std::uint32_t parent = 0;
    Dir key = Dir::Up;
    bool done = false;
  };
  // The node a cell got in the current search; most cells are met with one way back only.
  struct Slot {
    std::uint32_t search = 0;
    std::uint32_t node = 0;
  };
  // The node of a place in this search, made when new (`fresh`).
  std::uint32_t NodeOf(const Place& p, bool& fresh);

  WorldModel& world_;
  StepOracle& oracle_;
  std::vector<Slot> slots_;  // by room and cell
  std::unordered_map<Place, std::uint32_t, PlaceHash> others_;
  std::vector<Node> nodes_;
  std::uint32_t search_ = 0;
  std::size_t lastSearched_ = 0;
};

}  // namespace tq::autoplay
