// The player: goals pursued through keys, clicks and waits.
#include "autoplay/player.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "autoplay/caution.h"
#include "autoplay/foe.h"
#include "autoplay/text.h"
#include "autoplay/time_text.h"
#include "game/game.h"
#include "game/key_codes.h"
#include "game/monster_table.h"

namespace tq::autoplay {
namespace {

// A player's pace: a key at most every twentieth of a second (a key held down repeats faster),
// a look at the title before NEW.
constexpr std::int64_t kKeyGapMs = 50;
constexpr std::int64_t kTitleLookMs = 1000;
// How often the player looks again while the hero cannot act, and for how long at most.
constexpr std::int64_t kBusyLookMs = 50;
constexpr std::int64_t kMostBusyMs = 2 * 60 * 1000;
// How long a new world may take to build before the player gives up on it.
constexpr std::int64_t kMostBuildMs = 10 * 1000;
// Routes tried for one goal before the player gives up on it.
constexpr int kTriesPerGoal = 3;
// What the message line adds when the game saves itself.
constexpr const char* kAutosaved = "* AUTOSAVED *";
// Goals in a row that need no input before the player knows he is going round in circles.
constexpr int kMostIdleGoals = 20;
// The same goal taken up again this often in a row, each time cut short, is given up.
constexpr int kMostRepeats = 30;

struct ItemName {
  const char* name;
  bool (*owned)(const Game& g);
};

const ItemName kItemNames[] = {
    {"torch", [](const Game& g) { return g.owns(ItemSlot::Torch); }},
    {"magicbag", [](const Game& g) { return g.imgMONEYBAG.Visible; }},
    {"shield", [](const Game& g) { return g.owns(ItemSlot::Shield); }},
    {"fishbook", [](const Game& g) { return g.owns(ItemSlot::FishBook); }},
    {"medal", [](const Game& g) { return g.owns(ItemSlot::HeroMedal); }},
    {"glove", [](const Game& g) { return g.owns(ItemSlot::Glove); }},
    {"crystalball", [](const Game& g) { return g.owns(ItemSlot::CrystalBall); }},
    {"goldkey", [](const Game& g) { return g.owns(ItemSlot::GoldKey); }},
    {"redkey", [](const Game& g) { return g.owns(ItemSlot::RedKey); }},
    {"purplekey", [](const Game& g) { return g.owns(ItemSlot::PurpleKey); }},
    {"shadowsword", [](const Game& g) { return g.SwordKind == 2; }},
};

// The hero cannot act while one of these runs: the world being built, the block pose, the hurt
// or dying frames, a swing, a strike, the ending.
bool Busy(const Game& g) {
  return g.tmrBEGIN.Enabled() || g.tmrSHIELD.Enabled() || g.tmrGUYHIT.Enabled() ||
         g.tmrATTACK.Enabled() || g.tmrBREAK.Enabled() || g.tmrEND.Enabled();
}

// What the log says the player does, in the order of Goal::Kind.
constexpr std::array<std::string_view, 6> kGoalVerbs = {"walk to", "take",  "buy",
                                                        "save",    "break", "fight"};
static_assert(kGoalVerbs.size() == static_cast<std::size_t>(Goal::Kind::Fight) + 1);

std::string GoalText(const Goal& goal) {
  return Cat(kGoalVerbs[static_cast<std::size_t>(goal.kind)], " ", goal.what);
}

}  // namespace

bool KnownItemName(const std::string& name) {
  return std::any_of(std::begin(kItemNames), std::end(kItemNames),
                     [&](const ItemName& i) { return name == i.name; });
}

bool Owns(const Game& g, const std::string& name) {
  for (const ItemName& i : kItemNames) {
    if (name == i.name) return i.owned(g);
  }
  return false;
}

std::string ItemNames() {
  std::string names;
  for (const ItemName& i : kItemNames) names += (names.empty() ? "" : ", ") + std::string(i.name);
  return names;
}

Player::Player(Session& session, PlayerOptions options, std::ostream& out, std::ostream* log)
    : session_(session),
      options_(std::move(options)),
      out_(out),
      log_(log),
      world_(session.filesFolder()),
      oracle_(world_),
      planner_(world_, oracle_),
      quest_(world_, planner_) {}

const Game& Player::game() const {
  return session_.game();
}

std::string Player::Where() const {
  return CellText(PlaceOf(game()));
}

std::string Player::Tally() const {
  return Cat(MinutesText(session_.nowMs()), " min, ", steps_, " steps, ", deaths_, " deaths, ",
             loads_, " loads");
}

void Player::Log(const std::string& line) {
  if (log_) *log_ << ClockText(session_.nowMs()) << "  " << line << "\n";
}

void Player::Note(const std::string& line) {
  std::string time = ClockText(session_.nowMs());
  if (time.size() < 8) time.insert(0, 8 - time.size(), ' ');
  out_ << time << "  " << line << "\n";
  Log(line);
}

void Player::ClickAndNote(const std::string& control) {
  const bool handled = session_.Click(control);
  Log("click " + control + (handled ? "" : " (nothing happens)"));
  Look();
}

void Player::StepKey(Dir d) {
  const std::string before = game().lblMESSAGE.Caption;
  session_.Press(KeyOf(d));
  lastKeyMs_ = session_.nowMs();
  ++steps_;
  Look();
  // A key or a sword piece taken saves the game by itself, and the message line says so.
  const std::string& after = game().lblMESSAGE.Caption;
  if (after != before && after.find(kAutosaved) != std::string::npos) {
    Log("the game saved itself");
    quest_.Saved(game());
  }
}

bool Player::StartNewWorld() {
  session_.WaitUntil(session_.nowMs() + kTitleLookMs);
  ClickAndNote("mnuNEW");
  const std::int64_t clicked = session_.nowMs();
  while (game().tmrBEGIN.Enabled() && session_.nowMs() - clicked < kMostBuildMs) {
    session_.WaitUntil(session_.nowMs() + kBusyLookMs);
  }
  if (game().picSTART.Visible || game().RoomNumber.isEmpty()) {
    stop_ = "stuck at the title: no new world (" + game().lblMESSAGE.Caption + ")";
    return false;
  }
  world_.Forget();
  quest_.NewWorld(game());
  milestones_.Rebase(game());
  Note("a new world: home in " + Where());
  return true;
}

Player::Outcome Player::Ready() {
  const std::int64_t since = session_.nowMs();
  bool reloaded = false;
  for (;;) {
    const Game& g = game();
    for (const std::string& line : milestones_.Observe(g)) Note(line);
    if (EndPictureShows(g)) {
      stop_ = "won in " + Tally();
      return Outcome::Stopped;
    }
    if (session_.nowMs() >= options_.maxGameMs) {
      stop_ = "stuck at " + Where() + ": out of time after " + Tally();
      return Outcome::Stopped;
    }
    if (!Busy(g) && g.Life <= 0) {
      ++deaths_;
      Log("death: " + g.lblMESSAGE.Caption);
      if (!g.mnuLOAD.Enabled) {
        stop_ = "stuck at " + Where() + ": dead, and LOAD cannot be clicked; " + Tally();
        return Outcome::Stopped;
      }
      ClickAndNote("mnuLOAD");
      ++loads_;
      milestones_.Rebase(game());
      quest_.Loaded(game());
      Note("loaded the saved game: " + Where());
      reloaded = true;
      continue;
    }
    if (g.mnuPAUSE.Tag == "Unpause") {
      // A map left open pauses the game as well; it is closed by its own button.
      ClickAndNote(g.imgMAP2.Visible ? "imgMAP2" : "mnuPAUSE");
      continue;
    }
    if (!Busy(g)) return reloaded ? Outcome::Interrupted : Outcome::Done;
    if (session_.nowMs() - since >= kMostBusyMs) {
      stop_ = "stuck at " + Where() + ": the hero stayed busy for two minutes; " + Tally();
      return Outcome::Stopped;
    }
    session_.WaitUntil(session_.nowMs() + kBusyLookMs);
  }
}

void Player::Pace() {
  session_.WaitUntil(std::max(session_.nowMs(), lastKeyMs_ + kKeyGapMs));
}

void Player::SpaceKey() {
  session_.Press(kKeySpace);
  lastKeyMs_ = session_.nowMs();
  ++swings_;
  Look();
}

void Player::Look() {
  // The room the hero just left is read once more: its monster may have moved before he went.
  const int room = static_cast<int>(game().RoomNumber.num());
  if (room != lookedAt_) world_.Refresh(lookedAt_);
  world_.Refresh(room);
  lookedAt_ = room;
  for (const std::string& line : milestones_.Observe(game())) Note(line);
}

bool Player::Challenged() {
  const auto foe = FoeOf(game(), world_);
  return foe && Adjacent(PlaceOf(game()), foe->at) && quest_.WouldFight(game(), *foe);
}

RouteRules Player::RulesFor(const std::function<bool(const Place&)>& isGoal) {
  RouteRules rules;
  rules.stepCost = [caution = quest_.CautionFor(game())](const Place& at, const std::string& tag) {
    return StepCost(caution, at, tag);
  };
  rules.isGoal = isGoal;
  return rules;
}

Player::Outcome Player::Walk(const Route& route) {
  for (std::size_t i = 0; i < route.keys.size(); ++i) {
    Pace();
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    const Place from = PlaceOf(game());
    // Down a hole into a dungeon, or onto the RUINSTONE: a step that sets a new way back to the
    // room it leaves and is no shop's door. A death beyond loads the game from here.
    const Place& next = route.stops[i];
    const bool newWayBack =
        next.retRoom != from.retRoom || next.retRow != from.retRow || next.retCol != from.retCol;
    const bool entry = newWayBack && next.retRoom == from.room && !ShopRoom(next.room);
    if (entry && game().mnuSAVE.Enabled && quest_.SafeToSave(game())) {
      Log(Cat("save before going on into room ", next.room));
      ClickAndNote("mnuSAVE");
      quest_.Saved(game());
    }
    StepKey(route.keys[i]);
    const Place to = PlaceOf(game());
    if (to != route.stops[i]) {
      Log(Cat("surprise: the key ", KeyOf(route.keys[i]), " from ", CellText(from), " led to ",
              CellText(to), ", not ", CellText(route.stops[i])));
      // A monster that stepped into the way is no fault of the route; the quest hears of it.
      const Place& meant = route.stops[i];
      if (!IsMonster(world_.Tag(meant.room, meant.row, meant.col))) return Outcome::Failed;
      if (const auto foe = FoeOf(game(), world_); foe && foe->at.SameCell(meant)) {
        quest_.InTheWay(game(), *foe);
      }
      return Outcome::Interrupted;
    }
    if (Challenged()) {
      Log("a monster stands in the way: " + Where());
      return Outcome::Interrupted;
    }
  }
  return Outcome::Done;
}

Player::Outcome Player::WalkTo(const Goal& goal, const std::function<bool(const Place&)>& isGoal) {
  for (int attempt = 0; attempt < kTriesPerGoal; ++attempt) {
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    const Place here = PlaceOf(game());
    const std::optional<Route> route = planner_.Find(here, GearOf(game()), RulesFor(isGoal));
    if (!route) {
      Log(Cat("no route to ", CellText(goal.target), " (", planner_.lastSearched(),
              " places searched)"));
      return Outcome::Failed;
    }
    Log(Cat("route of ", route->keys.size(), " keys from ", CellText(here), " (",
            planner_.lastSearched(), " places searched)"));
    const Outcome walked = Walk(*route);
    if (walked != Outcome::Failed) return walked;
  }
  return Outcome::Failed;
}

Player::Outcome Player::Pursue(const Goal& goal) {
  switch (goal.kind) {
    case Goal::Kind::Save:
      ClickAndNote("mnuSAVE");
      quest_.Saved(game());
      return Outcome::Done;
    case Goal::Kind::Break:
      return Break(goal);
    case Goal::Kind::Fight:
      return Fight(goal);
    case Goal::Kind::WalkTo:
      return WalkTo(goal, [&](const Place& at) { return at.SameCell(goal.target); });
    case Goal::Kind::PickUp:
    case Goal::Kind::Buy:
      break;
  }
  for (int attempt = 0; attempt < kTriesPerGoal; ++attempt) {
    if (const Outcome r = Ready(); r != Outcome::Done) return r;
    // A deed underfoot is bought again only by stepping off it and back on.
    const bool stepOff = goal.kind == Goal::Kind::Buy && PlaceOf(game()).SameCell(goal.target);
    const Outcome walked = WalkTo(goal, [&](const Place& at) {
      if (!stepOff) return at.SameCell(goal.target);
      return !at.SameCell(goal.target) && !ShopDeed(world_.Tag(at.room, at.row, at.col));
    });
    if (walked != Outcome::Done) return walked;
    if (stepOff) {
      --attempt;  // stepping off is no failed try
      continue;
    }
    // The walk ended where the route said: on the deed, which the last key paid for, or on the
    // item, which is taken unless the room still shows it.
    const bool taken = goal.kind != Goal::Kind::PickUp ||
                       world_.Tag(goal.target.room, goal.target.row, goal.target.col) != goal.tag;
    if (taken) return Outcome::Done;
    Log("the goal is not met after the walk");
  }
  return Outcome::Failed;
}

PlayResult Player::Play() {
  PlayResult result;
  if (StartNewWorld()) {
    std::int64_t lastInputs = -1;
    int idleGoals = 0, repeats = 0;
    std::optional<Goal> sameGoal;
    for (;;) {
      if (Ready() == Outcome::Stopped) break;
      // Goals that give no input at all would come back for ever.
      const auto inputs = static_cast<std::int64_t>(session_.records().size());
      idleGoals = inputs == lastInputs ? idleGoals + 1 : 0;
      lastInputs = inputs;
      if (idleGoals > kMostIdleGoals) {
        stop_ = "stuck at " + Where() + ": goal after goal without a key or a click; " + Tally();
        break;
      }
      if (!options_.until.empty() && Owns(game(), options_.until)) {
        result.success = true;
        stop_ = "reached the " + options_.until + " in " + Tally();
        break;
      }
      const Decision d = quest_.Next(game());
      if (!d.goal) {
        stop_ = "stuck at " + Where() + ": " + d.stuck + "; " + Tally();
        break;
      }
      Log("goal: " + GoalText(*d.goal));
      const bool again =
          sameGoal && d.goal->kind == sameGoal->kind && d.goal->target.SameCell(sameGoal->target);
      sameGoal = d.goal;
      repeats = again ? repeats + 1 : 0;
      Outcome o = Pursue(*d.goal);
      if (o == Outcome::Stopped) break;
      // Interrupted again and again: something in the way that will not go.
      if (o == Outcome::Interrupted && repeats >= kMostRepeats) o = Outcome::Failed;
      if (o == Outcome::Interrupted) continue;
      if (o == Outcome::Failed) {
        repeats = 0;
        Log("gave up: " + GoalText(*d.goal));
        quest_.GiveUp(*d.goal);
      }
    }
  }
  if (stop_ && stop_->rfind("won in ", 0) == 0) result.success = true;
  result.lastLine = stop_.value_or("stuck at " + Where() + ": no reason given");
  session_.End();
  Log(result.lastLine);
  Log(Cat("steps worked out: ", oracle_.computed(), ", reused ", oracle_.reused()));
  return result;
}

}  // namespace tq::autoplay
