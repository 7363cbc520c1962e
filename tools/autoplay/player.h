// The player: starts a new world with NEW and plays it goal by goal through the window's own
// inputs, at a player's pace. It waits while the hero cannot act (the world being built, a pause,
// the hurt or block frames, a swing or strike, the ending), walks the routes the planner gives it
// key by key and checks that every key took the hero where the rules said, strikes what must be
// broken, fights the monsters the quest takes on, saves what it gained and before it goes down
// into a dungeon, and loads the saved game after a death.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "autoplay/goals.h"
#include "autoplay/milestones.h"
#include "autoplay/quest.h"
#include "autoplay/route_planner.h"
#include "autoplay/session.h"
#include "autoplay/step_oracle.h"
#include "autoplay/world_model.h"

namespace tq::autoplay {

// Items the player can be asked to stop at (--until): the name and whether the hero has it.
bool KnownItemName(const std::string& name);
bool Owns(const Game& g, const std::string& name);
// The names, for a usage message.
std::string ItemNames();

struct PlayerOptions {
  std::int64_t maxGameMs = 180LL * 60 * 1000;
  std::string until;  // an item name: the run ends well once the hero owns it
};

struct PlayResult {
  bool success = false;  // the game was won, or the `until` item is owned
  std::string lastLine;  // "won in ...", "reached ..." or "stuck at room ..."
};

class Player {
 public:
  // Milestones go to `out` as they happen, with the game time; `log` (may be null) gets them
  // too, with every goal, route and surprise besides.
  Player(Session& session, PlayerOptions options, std::ostream& out, std::ostream* log);

  PlayResult Play();

  int steps() const { return steps_; }
  int deaths() const { return deaths_; }
  int loads() const { return loads_; }

 private:
  // Failed goals are given up; a goal interrupted (a monster to fight, a death) is not.
  enum class Outcome { Done, Failed, Stopped, Interrupted };

  bool StartNewWorld();
  // Waits until the hero may act: Done, or Interrupted when a death was loaded on the way, or
  // Stopped (with stop_ set) when the run must end.
  Outcome Ready();
  Outcome Pursue(const Goal& goal);
  // Walks to the nearest place where `isGoal` holds (the goal's rules for the route).
  Outcome WalkTo(const Goal& goal, const std::function<bool(const Place&)>& isGoal);
  Outcome Walk(const Route& route);
  // player_strike.cpp: strikes a cell until it breaks; one swing at the cell the hero has
  // beside him in `d` (turning to it first); rests until the strength is there.
  Outcome Break(const Goal& goal);
  Outcome SwingAt(Dir d);
  Outcome RestFor(int strength);
  // player_fight.cpp: fights the room's monster until it dies or the quest calls it off.
  Outcome Fight(const Goal& goal);
  // Waits until the next key may come, at the player's pace.
  void Pace();
  // One arrow key, and the space bar.
  void StepKey(Dir d);
  void SpaceKey();
  // Reads the hero's room again after an input or time passed: a monster may have moved.
  void Look();
  // True while a monster the quest would fight stands beside the hero.
  bool Challenged();
  // Rules for a route from here: the player's caution, with the room's monster.
  RouteRules RulesFor(const std::function<bool(const Place&)>& isGoal);
  void ClickAndNote(const std::string& control);
  void Note(const std::string& line);
  void Log(const std::string& line);
  std::string Where() const;
  std::string Tally() const;
  const Game& game() const;

  Session& session_;
  PlayerOptions options_;
  std::ostream& out_;
  std::ostream* log_;
  WorldModel world_;
  StepOracle oracle_;
  RoutePlanner planner_;
  Quest quest_;
  Milestones milestones_;
  int steps_ = 0, deaths_ = 0, loads_ = 0;
  int swings_ = 0;
  int lookedAt_ = 0;  // the hero's room when the player last looked
  std::int64_t lastKeyMs_ = 0;
  std::optional<std::string> stop_;
};

}  // namespace tq::autoplay
