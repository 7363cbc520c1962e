// The quest's choices.
#include "autoplay/quest.h"

#include "autoplay/caution.h"
#include "autoplay/place.h"
#include "autoplay/text.h"
#include "game/game.h"
#include "game/monster_table.h"

namespace tq::autoplay {
namespace {

// A life symbol from the shops is worth its gold up to this much life.
constexpr int kLifeWorthBuying = 15;
// Gold gathered since the last save that is worth a click on SAVE.
constexpr int kGoldWorthSaving = 30;

// What the shops hold that the hero wants, in the order he buys it: the torch for the dark and
// the bag for the gold first, the armourer's best once the golden key opens his stock, then life.
// A wish he can reach but not yet pay for is saved up for; later wishes wait.
struct Wish {
  const char* deed;
  const char* name;
  bool (*wanted)(const Game& g);
};

const Wish kWishes[] = {
    {"TORCH", "the TORCH", [](const Game& g) { return !g.owns(ItemSlot::Torch); }},
    {"MAGICBAG", "the MAGIC BAG", [](const Game& g) { return !(g.HasMagicBag == 1); }},
    {"SHIELD", "the SHIELD", [](const Game& g) { return !g.owns(ItemSlot::Shield); }},
    {"MEDAL", "the HERO MEDAL", [](const Game& g) { return !g.owns(ItemSlot::HeroMedal); }},
    {"LIFE", "a symbol of life", [](const Game& g) { return g.MaxLife < kLifeWorthBuying; }},
};

struct Loot {
  const char* tag;
  int mostGold;  // the most gold it may hold; 0 for a symbol
};

const Loot kTreasures[] = {
    {"COIN", 5}, {"BAG", 8}, {"GOLDBAG", 25}, {"LIFESYMBOL", 0}, {"POWERSYMBOL", 0},
};

int GoldCap(const Game& g) {
  return g.imgMONEYBAG.Visible ? 500 : 200;
}

}  // namespace

std::string Progress(const Game& g) {
  std::string p;
  for (const Control& slot : g.imgTOOL) p += slot.Visible ? '1' : '0';
  return p + Join(" bag ", g.HasMagicBag, " life ", g.MaxLife, " strength ", g.MaxStrength,
                  " pieces ", g.SwordPieces, " stage ", g.QuestStage);
}

void Quest::NewWorld(const Game& g) {
  skipped_.clear();
  fightsGivenUp_.clear();
  committedFight_.reset();
  inTheWay_.reset();
  prices_.clear();
  deedOutOfReach_.clear();
  savingUp_ = southSpent_ = false;
  Saved(g);  // a new world is saved as it is built
}

void Quest::Saved(const Game& g) {
  savedProgress_ = Progress(g);
  savedGold_ = g.Gold.num();
  savedLife_ = g.Life.num();
  savedStage_ = g.QuestStage.num();
  fightsGivenUp_.clear();
}

void Quest::Loaded(const Game& g) {
  Saved(g);
  // What was given up may go otherwise from the saved game.
  skipped_.clear();
  committedFight_.reset();
  inTheWay_.reset();
}

void Quest::GiveUp(const Goal& goal) {
  if (goal.kind == Goal::Kind::Fight) fightsGivenUp_.insert(goal.target.room);
  skipped_.insert({goal.target.room, goal.target.row, goal.target.col});
}

bool Quest::Skipped(const Place& at) const {
  return skipped_.count({at.room, at.row, at.col}) > 0;
}

bool Quest::Passed(const Place& at, const std::string& tag) const {
  return Skipped(at) || (IsMonster(tag) && fightsGivenUp_.count(at.room) > 0);
}

Caution Quest::CautionFor(const Game& g) {
  Caution c = Caution::Of(g, world_);
  c.farNorth = c.farNorth || NorthOpen(g);
  // Once the SHADOW BOSS is dead SAVE no longer works, and the saved game still has him alive
  // while his room has him dead: a death before the next save would leave no way to VEV. Until
  // the game saves itself (the key beyond the new door), the hero stays in the boss's room.
  if (g.QuestStage == 1 && savedStage_ == 0) c.stayIn = static_cast<int>(g.RoomNumber.num());
  return c;
}

bool Quest::NorthOpen(const Game& g) const {
  const bool keys =
      g.owns(ItemSlot::GoldKey) && g.owns(ItemSlot::RedKey) && g.owns(ItemSlot::PurpleKey);
  return keys && g.SwordKind == 2 && g.owns(ItemSlot::Shield) &&
         (g.owns(ItemSlot::HeroMedal) || southSpent_);
}

Quest::Reach Quest::ReachNow(const Game& g) const {
  Caution c = Caution::Of(g);
  c.farNorth = c.farNorth || NorthOpen(g);
  return {GearOf(g), c.torch, c.farNorth};
}

std::optional<Route> Quest::Nearest(const Game& g, const Want& wanted) {
  const Caution caution = CautionFor(g);
  RouteRules rules;
  rules.stepCost = [&](const Place& at, const std::string& tag) {
    return StepCost(caution, at, tag);
  };
  rules.isGoal = [&](const Place& at) { return wanted(at, world_.Tag(at.room, at.row, at.col)); };
  return planner_.Find(PlaceOf(g), GearOf(g), rules);
}

std::vector<std::optional<Place>> Quest::LookAbout(const Game& g, const std::vector<Want>& wants) {
  std::vector<std::optional<Place>> found(wants.size());
  const Caution caution = CautionFor(g);
  RouteRules rules;
  rules.stepCost = [&](const Place& at, const std::string& tag) {
    return StepCost(caution, at, tag);
  };
  rules.isGoal = [&](const Place& at) {
    const std::string& tag = world_.Tag(at.room, at.row, at.col);
    for (std::size_t i = 0; i < wants.size(); ++i) {
      if (!found[i] && wants[i](at, tag)) found[i] = at;
    }
    return found.front().has_value();
  };
  planner_.Find(PlaceOf(g), GearOf(g), rules);
  return found;
}

Decision Quest::Next(const Game& g) {
  if (auto fight = Defend(g)) return {fight, ""};
  if (auto clear = ClearTheWay(g)) return {clear, ""};
  // Life runs low: half of it gone.
  if (g.Life * 2 <= g.MaxLife) {
    if (auto eat = Heal(g, static_cast<int>(g.MaxLife.num()))) return {eat, ""};
  }
  if (auto save = SaveWhatWasGained(g)) return {save, ""};
  if (auto buy = Purchase(g)) return {buy, ""};
  return OnTheRoad(g);
}

std::optional<Goal> Quest::SaveBeforeAFight(const Game& g) {
  const bool better =
      Progress(g) != savedProgress_ || g.Gold.num() > savedGold_ || g.Life.num() > savedLife_;
  if (!better || !SafeToSave(g)) return std::nullopt;
  return Goal{Goal::Kind::Save, PlaceOf(g), "", "before the fight"};
}

std::optional<Goal> Quest::SaveWhatWasGained(const Game& g) {
  const bool gained =
      Progress(g) != savedProgress_ || g.Gold.num() >= savedGold_ + kGoldWorthSaving;
  if (!gained || !SafeToSave(g)) return std::nullopt;
  return Goal{Goal::Kind::Save, PlaceOf(g), "", "what was gained"};
}

std::optional<Goal> Quest::Purchase(const Game& g) {
  savingUp_ = false;
  for (const Wish& wish : kWishes) {
    if (!wish.wanted(g)) continue;
    const auto out = deedOutOfReach_.find(wish.deed);
    if (out != deedOutOfReach_.end() && out->second == ReachNow(g)) continue;
    // Saving up needs no walk: the price is known from the last look at such a deed.
    std::optional<int> cheapest;
    for (const auto& [cell, price] : prices_) {
      const auto [room, row, col] = cell;
      if (world_.Tag(room, row, col) == wish.deed && (!cheapest || price < *cheapest)) {
        cheapest = price;
      }
    }
    if (cheapest && g.Gold < *cheapest) {
      savingUp_ = true;
      return std::nullopt;
    }

    const auto route = Nearest(g, [&](const Place& at, const std::string& tag) {
      return ShopRoom(at.room) && tag == wish.deed && !Skipped(at);
    });
    if (!route) {
      deedOutOfReach_[wish.deed] = ReachNow(g);  // locked away for now: the next wish
      continue;
    }
    const Place deed = route->stops.empty() ? PlaceOf(g) : route->stops.back();
    const std::tuple<int, int, int> cell{deed.room, deed.row, deed.col};
    if (!route->stops.empty()) prices_[cell] = route->paid;
    const int price = prices_.count(cell) ? prices_[cell] : route->paid;
    if (g.Gold < price) {
      savingUp_ = true;
      return std::nullopt;
    }
    return Goal{Goal::Kind::Buy, deed, wish.deed, Cat(wish.name, " in room ", deed.room)};
  }
  return std::nullopt;
}

bool Quest::TreasureAt(const Game& g, const Place& at, const std::string& tag) const {
  if (Skipped(at)) return false;
  const std::int64_t room = GoldCap(g) - g.Gold.num();  // gold the purse still holds
  for (const Loot& t : kTreasures) {
    if (tag == t.tag) return t.mostGold <= room;
  }
  return false;
}

}  // namespace tq::autoplay
