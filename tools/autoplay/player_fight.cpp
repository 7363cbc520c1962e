// Fighting: the player goes to the monster's room, closes in on it, turns to it and strikes
// whenever it stands beside him. The swing keeps the main tick, and so the monster, still; the
// strike that follows refuses its blows; only the moments between give it a turn. The quest may
// call the fight off when the hero's life runs too low for what the monster has left.
#include "autoplay/foe.h"
#include "autoplay/player.h"
#include "autoplay/text.h"
#include "game/game.h"

namespace tq::autoplay {
namespace {

// A fight that takes no hit point off the monster for this long is going nowhere, and so is one
// with a monster the hero cannot get beside for this long.
constexpr std::int64_t kMostFightMs = 40 * 1000;
constexpr std::int64_t kMostOutOfReachMs = 5 * 1000;
// How long the player waits for a monster that cannot be reached to come closer.
constexpr std::int64_t kWaitLookMs = 100;

}  // namespace

Player::Outcome Player::Fight(const Goal& goal) {
  const int room = goal.target.room;
  if (game().RoomNumber != room) {
    const Outcome walked = WalkTo(goal, [&](const Place& at) { return at.room == room; });
    if (walked != Outcome::Done && walked != Outcome::Interrupted) return walked;
  }
  const int deaths = deaths_;
  std::int64_t lastHit = session_.nowMs(), lastReach = session_.nowMs();
  int lastHp = -1;
  const int swings = swings_;
  const std::int64_t life = game().Life.num();
  const auto tally = [&] {
    return Cat(swings_ - swings, " swings, life ", life, " to ", game().Life.num());
  };
  for (;;) {
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    if (deaths != deaths_) return Outcome::Interrupted;
    Look();
    const Game& g = game();
    if (g.RoomNumber != room) return Outcome::Interrupted;
    const std::optional<Foe> foe = FoeOf(g, world_);
    if (!foe) {
      Log("won the fight: " + tally());
      return Outcome::Done;
    }
    if (!quest_.WouldFight(g, *foe)) {
      Log(Cat("break off the fight with the ", foe->tag, " at ", foe->hp,
              " hit points: ", tally()));
      return Outcome::Interrupted;
    }
    if (foe->hp != lastHp) {
      lastHp = foe->hp;
      lastHit = session_.nowMs();
    }
    if (session_.nowMs() - lastHit > kMostFightMs) {
      Log("the fight is going nowhere: " + goal.what);
      return Outcome::Failed;
    }
    if (session_.nowMs() - lastReach > kMostOutOfReachMs) {
      Log("the monster stays out of reach: " + goal.what);
      return Outcome::Failed;
    }
    const Place here = PlaceOf(g);
    if (const std::optional<Dir> d = DirTo(here, foe->at)) {
      lastReach = session_.nowMs();
      const Outcome swung = SwingAt(*d);
      if (swung == Outcome::Stopped) return swung;
      continue;
    }
    // Close in by one step at a time: the monster moves too.
    const Place at = foe->at;
    RouteRules rules = RulesFor([&](const Place& p) { return DirTo(p, at).has_value(); });
    const auto cost = rules.stepCost;
    rules.stepCost = [&, cost](const Place& p, const std::string& tag) -> std::optional<int> {
      if (p.room != room) return std::nullopt;
      return cost(p, tag);
    };
    const std::optional<Route> route = planner_.Find(here, GearOf(g), rules);
    if (route && !route->keys.empty()) {
      lastReach = session_.nowMs();
      Pace();
      if (const Outcome r = Ready(); r != Outcome::Done) return r;
      StepKey(route->keys.front());
      continue;
    }
    session_.WaitUntil(session_.nowMs() + kWaitLookMs);
  }
}

}  // namespace tq::autoplay
