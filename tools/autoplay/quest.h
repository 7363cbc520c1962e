// The quest: what the player does next, one goal at a time. In this order: stand up to the
// room's monster when the hero is fit for it (or, after a meal, to one that blocked his way), eat
// when life runs low, save what was gained, buy what the shops hold in the order a careful player
// would, take the treasure lying about (the nearest first), and then follow the road to the
// ending: the keys from the chests, the Knights and their sword pieces, the cracked walls and the
// ROCKS for the SHADOW SWORD, the RUINSTONE, the shirt, the SHADOW BOSS and VEV; while a wish
// waits for gold, hunt for it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "autoplay/caution.h"
#include "autoplay/foe.h"
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
  // The player could not finish this goal; it is not handed out again for a while.
  void GiveUp(const Goal& goal);
  // The game was saved now: what the hero owns is safe from a death.
  void Saved(const Game& g);
  // The hero died and the saved game was loaded.
  void Loaded(const Game& g);
  // A new world: everything learnt about the last one is forgotten.
  void NewWorld(const Game& g);

  // The player's caution now, with the Far North open once the quest is ready for it.
  Caution CautionFor(const Game& g);
  // The hero has what the Far North asks of him: the three keys (the last chest gives the shirt
  // only to a hero who holds them), the SHADOW SWORD, the armourer's SHIELD, and the HERO MEDAL
  // unless no gold is left to be found for it in the south.
  bool NorthOpen(const Game& g) const;

  // quest_combat.cpp: a monster the hero would not fight stepped into his way.
  void InTheWay(const Game& g, const Foe& foe);
  // The hero takes on (or goes on with) a fight with this monster.
  bool WouldFight(const Game& g, const Foe& foe) const;
  // Saving now would not trap the hero: no monster close by, life enough to go on from here.
  bool SafeToSave(const Game& g);

  // Whether a place and the tag lying there is what the player is after.
  using Want = std::function<bool(const Place& at, const std::string& tag)>;
  // The nearest place the hero can reach now (by the player's caution) that he wants; nothing
  // when there is none.
  std::optional<Route> Nearest(const Game& g, const Want& wanted);
  // One look over all the hero can reach: the nearest place for each want. The look ends as
  // soon as the first want, which matters most, is met.
  std::vector<std::optional<Place>> LookAbout(const Game& g, const std::vector<Want>& wants);

 private:
  // What the hero could reach when a search for a deed last came back empty: until this
  // changes, the same search would come back empty again. Shops stand behind doors and keys,
  // never behind anything a room change opens.
  struct Reach {
    Gear gear;
    bool torch = false, farNorth = false;
    bool operator==(const Reach&) const = default;
  };
  Reach ReachNow(const Game& g) const;

  std::optional<Goal> SaveWhatWasGained(const Game& g);
  // A fight the road takes on is saved before, if anything is better than in the saved game.
  std::optional<Goal> SaveBeforeAFight(const Game& g);
  std::optional<Goal> Purchase(const Game& g);
  // Gold or a symbol the hero would take at `at`.
  bool TreasureAt(const Game& g, const Place& at, const std::string& tag) const;
  // quest_combat.cpp
  std::optional<Goal> Defend(const Game& g);
  std::optional<Goal> ClearTheWay(const Game& g);
  std::optional<Goal> Heal(const Game& g, int wanted);
  // road.cpp: the treasure lying about, then the road.
  Decision OnTheRoad(const Game& g);
  // The goal the road sets at a place the look found for `tier`.
  std::optional<Goal> RoadGoal(const Game& g, int tier, const Place& at);
  bool Skipped(const Place& at) const;
  // Left alone for now: a cell given up on, or a monster whose fight went nowhere.
  bool Passed(const Place& at, const std::string& tag) const;

  WorldModel& world_;
  RoutePlanner& planner_;
  std::set<std::tuple<int, int, int>> skipped_;
  std::set<int> fightsGivenUp_;        // rooms whose fight went nowhere, until the next save
  std::optional<int> committedFight_;  // a fight taken on for want of anything else
  std::optional<Foe> inTheWay_;        // a monster that blocked the hero: eat, then fight it
  std::string savedProgress_;
  std::int64_t savedGold_ = 0, savedLife_ = 0, savedStage_ = 0;
  std::map<std::tuple<int, int, int>, int> prices_;  // of the deeds bought or priced so far
  std::map<std::string, Reach> deedOutOfReach_;
  bool savingUp_ = false;    // a wish is in reach but not yet paid for
  bool southSpent_ = false;  // nothing more to be gathered for it this side of the RUINSTONE
};

// What the hero owns for good, as text: items, bag, symbols, pieces, the quest's stage. SAVE is
// worth a click when this differs from what was saved.
std::string Progress(const Game& g);

// Is `tag` something the hero picks up on the road: a key, a sword piece, the shirt.
bool QuestItem(const std::string& tag);

}  // namespace tq::autoplay
