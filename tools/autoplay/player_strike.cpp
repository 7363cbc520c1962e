// Striking: the player turns to the cell (an arrow key cannot move the hero onto something he
// has to break), swings once the cooldown and his strength allow, and waits out the swing and
// the strike. A refused swing costs nothing but time, so the strength is waited for first.
#include <algorithm>

#include "autoplay/player.h"
#include "autoplay/text.h"
#include "game/game.h"
#include "game/strike_tables.h"

namespace tq::autoplay {
namespace {

// Swings at one cell before the player gives up on breaking it.
constexpr int kMostSwings = 12;
// Strength comes back by one every 1.2 s without a key; the player looks again this often.
constexpr std::int64_t kRestLookMs = 600;
constexpr std::int64_t kMostRestMs = 90 * 1000;

// The strength a blow at `tag` takes from this hero.
int CostOfBlow(const Game& g, const std::string& tag) {
  int cost = StrikeCostOf(tag).cost;
  if (g.owns(ItemSlot::Glove)) cost -= 1;
  if (g.BonusMode == 1) cost = 0;
  return std::max(cost, 0);
}

}  // namespace

Player::Outcome Player::RestFor(int strength) {
  const std::int64_t since = session_.nowMs();
  while (game().Strength < strength) {
    if (game().Strength >= game().MaxStrength) return Outcome::Failed;
    if (session_.nowMs() - since > kMostRestMs) return Outcome::Failed;
    session_.WaitUntil(session_.nowMs() + kRestLookMs);
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    Look();
    if (Challenged()) return Outcome::Interrupted;
  }
  return Outcome::Done;
}

Player::Outcome Player::SwingAt(Dir d) {
  Pace();
  if (const Outcome r = Ready(); r != Outcome::Done) return r;
  // The arrow turns him, and clears the cooldown too.
  if (game().Facing != FacingOf(d) || game().SwingWait > 0) {
    const Place before = PlaceOf(game());
    StepKey(d);
    if (PlaceOf(game()) != before) {
      Log("surprise: the turn to strike moved the hero to " + Where());
      return Outcome::Failed;
    }
    Pace();
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    if (game().Facing != FacingOf(d) || game().SwingWait > 0) return Outcome::Interrupted;
  }
  if (game().InWater == 1) return Outcome::Failed;
  SpaceKey();
  if (const Outcome r = Ready(); r != Outcome::Done) return r;
  Look();
  return Outcome::Done;
}

Player::Outcome Player::Break(const Goal& goal) {
  const Place cell = goal.target;
  auto stillThere = [&] { return world_.Tag(cell.room, cell.row, cell.col) == goal.tag; };
  for (int swings = 0; swings < kMostSwings;) {
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    if (!stillThere()) return Outcome::Done;
    std::optional<Dir> dir = DirTo(PlaceOf(game()), cell);
    if (!dir) {
      const Outcome walked =
          WalkTo(goal, [&](const Place& at) { return DirTo(at, cell).has_value(); });
      if (walked != Outcome::Done) return walked;
      continue;
    }
    const int cost = CostOfBlow(game(), goal.tag);
    if (game().Strength < cost) {
      Log(Cat("rest for strength: ", game().Strength.num(), " of ", cost));
      const Outcome rested = RestFor(cost);
      if (rested != Outcome::Done) return rested;
    }
    const Outcome swung = SwingAt(*dir);
    if (swung != Outcome::Done) return swung;
    ++swings;
    if (Challenged()) return Outcome::Interrupted;
  }
  Log("still standing after every swing: " + goal.what);
  return Outcome::Failed;
}

}  // namespace tq::autoplay
