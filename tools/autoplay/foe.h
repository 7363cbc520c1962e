// The room's monster as the player sizes it up: where it stands, how hard it hits, how long it
// takes to kill, and so how much life a fight with it should start with.
#pragma once

#include <optional>
#include <string>

#include "autoplay/place.h"
#include "autoplay/world_model.h"

namespace tq {
class Game;
}

namespace tq::autoplay {

struct Foe {
  std::string tag;
  Place at;    // where it stands (the way back is the hero's)
  int hp = 0;  // what it has left
};

// The monster that moves and fights in the hero's room, while one lives there.
std::optional<Foe> FoeOf(const Game& g, WorldModel& world);

// The hero's blows hurt it: a plated head turned to him takes nothing without the HERO MEDAL,
// and a plater always turns to the hero it fights.
bool CanHurt(const Game& g, const std::string& tag);

// What a fight with `tag` at `hp` hit points is likely to cost: the life it takes on average
// and the worst single blow.
struct FightCost {
  double expectedLoss = 0;
  int worstBlow = 0;
};
FightCost CostOfFight(const Game& g, const std::string& tag, int hp);

// The life the hero should have to take on (or go on with) that fight.
int LifeToFight(const Game& g, const std::string& tag, int hp);

}  // namespace tq::autoplay
