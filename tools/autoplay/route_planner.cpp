// Cheapest routes by Dijkstra's search over places; ties go to the place found first, so the same
// world always gives the same route.
#include "autoplay/route_planner.h"

#include <algorithm>
#include <queue>

#include "autoplay/caution.h"

namespace tq::autoplay {
namespace {

struct Open {
  int cost;
  std::uint32_t order;
  std::uint32_t node;
  bool operator>(const Open& o) const { return cost != o.cost ? cost > o.cost : order > o.order; }
};

std::size_t CellSlot(const Place& p) {
  return (static_cast<std::size_t>(p.room) * kRoomSize + static_cast<std::size_t>(p.row)) *
             kRoomSize +
         static_cast<std::size_t>(p.col);
}

// On the overland and underneath it the way back of the last entry is never read: the exits that
// follow it lie inside the stores and dungeons, and entering one sets a new way back. So places
// there that differ only in the way back lead on alike and are one place to the search.
bool WayBackUnread(int room) {
  return room >= 1 && room <= 400;
}

bool InGrid(const Place& p) {
  return p.room >= 0 && p.room < kMostRooms && p.row >= 0 && p.row < kRoomSize && p.col >= 0 &&
         p.col < kRoomSize;
}

}  // namespace

RoutePlanner::RoutePlanner(WorldModel& world, StepOracle& oracle)
    : world_(world), oracle_(oracle), slots_(static_cast<std::size_t>(kMostRooms) * 169) {}

std::uint32_t RoutePlanner::NodeOf(const Place& p, bool& fresh) {
  fresh = false;
  if (InGrid(p)) {
    Slot& slot = slots_[CellSlot(p)];
    if (slot.search != search_) {
      slot.search = search_;
      slot.node = static_cast<std::uint32_t>(nodes_.size());
      nodes_.push_back(Node{p});
      fresh = true;
      return slot.node;
    }
    if (nodes_[slot.node].at == p || WayBackUnread(p.room)) return slot.node;
  }
  // The same cell with another way back, or a place off every grid: rare, so kept aside.
  auto [it, added] = others_.try_emplace(p, static_cast<std::uint32_t>(nodes_.size()));
  if (added) {
    nodes_.push_back(Node{p});
    fresh = true;
  }
  return it->second;
}

std::optional<Route> RoutePlanner::Find(const Place& from, const Gear& gear,
                                        const RouteRules& rules) {
  ++search_;
  nodes_.clear();
  others_.clear();
  std::priority_queue<Open, std::vector<Open>, std::greater<>> open;
  std::uint32_t order = 0;
  bool fresh = false;
  const std::uint32_t start = NodeOf(from, fresh);
  open.push({0, order++, start});
  lastSearched_ = 0;

  while (!open.empty()) {
    const Open next = open.top();
    open.pop();
    if (nodes_[next.node].done || next.cost != nodes_[next.node].cost) continue;
    nodes_[next.node].done = true;
    const Place at = nodes_[next.node].at;
    const int paid = nodes_[next.node].paid;
    ++lastSearched_;

    const std::string& tag = world_.Tag(at.room, at.row, at.col);
    if (rules.settled) rules.settled(at, next.cost, tag, paid);
    if (rules.isGoal && rules.isGoal(at)) {
      Route route;
      route.cost = next.cost;
      route.paid = paid;
      for (std::uint32_t n = next.node; n != start; n = nodes_[n].parent) {
        route.keys.push_back(nodes_[n].key);
        route.stops.push_back(nodes_[n].at);
      }
      std::reverse(route.keys.begin(), route.keys.end());
      std::reverse(route.stops.begin(), route.stops.end());
      return route;
    }
    if (lastSearched_ >= rules.maxPlaces) break;
    if (next.node != start && ShopDeed(tag)) continue;

    for (Dir d : kDirs) {
      const auto step = oracle_.Step(at, d, gear);
      if (!step || step->to == at) continue;
      const Place& to = step->to;
      const auto extra = rules.stepCost(to, world_.Tag(to.room, to.row, to.col));
      if (!extra) continue;
      const int cost = next.cost + 1 + *extra;
      const std::uint32_t n = NodeOf(to, fresh);
      Node& node = nodes_[n];
      if (!fresh && (node.done || node.cost <= cost)) continue;
      node.at = to;  // the way back this cheaper route arrives with
      node.cost = cost;
      node.paid = step->paid;
      node.parent = next.node;
      node.key = d;
      open.push({cost, order++, n});
    }
  }
  return std::nullopt;
}

}  // namespace tq::autoplay
