// Where the player is willing to step, whatever the goal: never through the RUINSTONE before the
// quest is ready for the Far North (there is no way back), never into the dark without the torch,
// onto food or potions only when they would do some good, past the room's monster only at a
// distance when there is room to, and out of a room the quest keeps him in not at all. Shop deeds
// are the planner's business: a route may end on one, never cross one.
#pragma once

#include <optional>
#include <string>

#include "autoplay/place.h"

namespace tq {
class Game;
}

namespace tq::autoplay {

class WorldModel;

struct Caution {
  bool torch = false;         // the dark areas may be entered
  bool farNorth = false;      // the Far North may be entered: the hero is there already, or the
                              // quest widens the caution once it is ready to go
  bool hurt = false;          // life below its maximum: food does good
  bool tired = false;         // strength below its maximum: potions do good
  std::optional<Place> foe;   // the room's live monster: the cells beside it cost a detour
  std::optional<int> stayIn;  // the hero does not leave this room

  static Caution Of(const Game& g);
  // With the room's monster, read from the world model.
  static Caution Of(const Game& g, WorldModel& world);
};

// The extra cost of stepping onto `tag` at `at`, or nothing when the player will not step there.
std::optional<int> StepCost(const Caution& c, const Place& at, const std::string& tag);

// Rooms that are dark without the torch, and the rooms beyond the RUINSTONE.
bool DarkRoom(int room);
bool FarNorthRoom(int room);
bool ShopRoom(int room);
bool ShopDeed(const std::string& tag);

}  // namespace tq::autoplay
