// Where the player is willing to step, whatever the goal: never through the RUINSTONE before the
// quest sends it north, never into the dark without the torch, and onto food or potions only when
// they would do some good. Shop deeds are the planner's business: a route may end on one, never
// cross one.
#pragma once

#include <optional>
#include <string>

#include "autoplay/place.h"

namespace tq {
class Game;
}

namespace tq::autoplay {

struct Caution {
  bool torch = false;     // the dark areas may be entered
  bool farNorth = false;  // the Far North may be entered (there is no way back)
  bool hurt = false;      // life below its maximum: food does good
  bool tired = false;     // strength below its maximum: potions do good

  static Caution Of(const Game& g);
};

// The extra cost of stepping onto `tag` at `at`, or nothing when the player will not step there.
std::optional<int> StepCost(const Caution& c, const Place& at, const std::string& tag);

// Rooms that are dark without the torch, and the rooms beyond the RUINSTONE.
bool DarkRoom(int room);
bool FarNorthRoom(int room);
bool ShopRoom(int room);
bool ShopDeed(const std::string& tag);

}  // namespace tq::autoplay
