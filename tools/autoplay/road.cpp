// The treasure lying about, then the road to the ending. Nothing in it names a room of one world:
// the player looks over all it can reach, once, for the gold and symbols lying about (the nearest
// first) and for the next thing the ending needs, in tiers, the nearest first within a tier:
//   0. a key, a sword piece or the shirt lying about;
//   1. a chest that still holds something for this hero (a key, a piece, the shirt);
//   2. a Knight, and with the SHADOW SWORD the cracked walls and the ROCKS before the RUINSTONE;
//   3. the RUINSTONE once the hero is ready for the Far North, the SHADOW BOSS, then VEV;
// and while a wish waits for gold, the gold hunt:
//   4. the secret trees, whose ladders lead down to caves full of it, and the monsters about;
//   5. whatever breaks into a coin now and then: crates, barrels, beds, logs, plants.
// A fight the hero is not yet fit for waits until he has eaten, or until nothing else is left.
#include "autoplay/caution.h"
#include "autoplay/quest.h"
#include "autoplay/text.h"
#include "game/game.h"
#include "game/monster_table.h"
#include "rooms/move_hero_stages.h"

namespace tq::autoplay {
namespace {

constexpr int kRoadTiers = 4;
constexpr int kHuntTiers = 6;
// The shirt's chest: the one chest beyond room 500 that holds no sword piece.
constexpr int kShirtRoom = 703;

bool OwnsAllKeys(const Game& g) {
  return g.owns(ItemSlot::GoldKey) && g.owns(ItemSlot::RedKey) && g.owns(ItemSlot::PurpleKey);
}

// A chest at `at` gives this hero something.
bool ChestWorthOpening(const Game& g, const Place& at) {
  if (at.room == kShirtRoom) return OwnsAllKeys(g) && g.HasMagicShirt != 1;
  if (at.room >= 500) return g.SwordPieces < 3;
  return !OwnsAllKeys(g);
}

// What the road wants of a cell beside the hero's: the kind of goal, or nothing.
std::optional<Goal::Kind> Wanted(const Game& g, int tier, const Place& cell, const std::string& tag,
                                 WorldModel& world) {
  switch (tier) {
    case 1:
      if (tag == "CHEST" && ChestWorthOpening(g, cell)) return Goal::Kind::Break;
      break;
    case 2:
      if (tag == "KNIGHT") return Goal::Kind::Fight;
      if (g.SwordKind == 2 && tag == "SPWALL") return Goal::Kind::Break;
      if (g.SwordKind == 2 && tag == "ROCKS") {
        // Only the ROCKS in the room of the RUINSTONE stand in the road's way.
        const RoomFile* room = world.Room(cell.room);
        for (int r = 0; room && r < kRoomSize; ++r) {
          for (const std::string& t : room->tags[static_cast<std::size_t>(r)]) {
            if (t == "RUINSTONE") return Goal::Kind::Break;
          }
        }
      }
      break;
    case 3:
      if (tag == "SHADOW BOSS") return Goal::Kind::Fight;
      if (tag == "VEV" && g.QuestStage == 1) return Goal::Kind::Fight;
      break;
    case 4:
      if (tag == "STREE") return Goal::Kind::Break;
      if (IsMonster(tag) && tag != "VEV" && tag != "SHADOW BOSS" && CanHurt(g, tag)) {
        return Goal::Kind::Fight;
      }
      break;
    case 5:
      if (tag == "CRATE" || tag == "BARREL" || tag == "TABLE" || tag == "BED" || tag == "LOG" ||
          tag == "SWAMPLOG" || tag == "PLANT" || (g.SwordKind == 2 && tag == "ROCKS")) {
        return Goal::Kind::Break;
      }
      break;
    default:
      break;
  }
  return std::nullopt;
}

bool AlreadyOwned(const Game& g, const std::string& tag) {
  return (tag == "GOLDKEY" && g.owns(ItemSlot::GoldKey)) ||
         (tag == "REDKEY" && g.owns(ItemSlot::RedKey)) ||
         (tag == "PURPLEKEY" && g.owns(ItemSlot::PurpleKey));
}

}  // namespace

bool QuestItem(const std::string& tag) {
  return tag == "GOLDKEY" || tag == "REDKEY" || tag == "PURPLEKEY" || tag == "SWORD1" ||
         tag == "SWORD2" || tag == "SWORD3" || tag == "SHIRT";
}

std::optional<Goal> Quest::RoadGoal(const Game& g, int tier, const Place& at) {
  const std::string& tag = world_.Tag(at.room, at.row, at.col);
  if (tier == 0) return Goal{Goal::Kind::PickUp, at, tag, Cat("the ", tag, " at ", CellText(at))};
  if (tag == "RUINSTONE") {
    return Goal{Goal::Kind::WalkTo, at, tag, Cat("the RUINSTONE in room ", at.room)};
  }
  for (Dir d : kDirs) {
    const Place cell = Beside(at, d);
    const std::string& next = world_.Tag(cell.room, cell.row, cell.col);
    if (Passed(cell, next)) continue;
    if (const auto kind = Wanted(g, tier, cell, next, world_)) {
      return Goal{*kind, cell, next, Cat("the ", next, " at ", CellText(cell))};
    }
  }
  return std::nullopt;
}

Decision Quest::OnTheRoad(const Game& g) {
  // One look for all of it: the treasure first, then the road's tiers.
  const int tiers = savingUp_ ? kHuntTiers : kRoadTiers;
  const Place here = PlaceOf(g);
  std::vector<Want> wants;
  wants.push_back([&](const Place& at, const std::string& tag) {
    return at != here && TreasureAt(g, at, tag);
  });
  for (int tier = 0; tier < tiers; ++tier) {
    wants.push_back([&, tier](const Place& at, const std::string& tag) {
      if (tier == 0) return QuestItem(tag) && !Skipped(at);
      if (tier == 3 && tag == "RUINSTONE" && NorthOpen(g)) return true;
      if (!InsideInnerRoom(at.row, at.col)) return false;
      for (Dir d : kDirs) {
        const Place cell = Beside(at, d);
        const std::string& next = world_.Tag(cell.room, cell.row, cell.col);
        if (!Passed(cell, next) && Wanted(g, tier, cell, next, world_)) return true;
      }
      return false;
    });
  }
  const std::vector<std::optional<Place>> found = LookAbout(g, wants);
  if (found.front()) {
    const Place& at = *found.front();
    const std::string& tag = world_.Tag(at.room, at.row, at.col);
    return {Goal{Goal::Kind::PickUp, at, tag, Cat("the ", tag, " at ", CellText(at))}, ""};
  }

  std::optional<Goal> unfit;
  for (int tier = 0; tier < tiers; ++tier) {
    const auto& at = found[static_cast<std::size_t>(tier) + 1];
    if (!at) continue;
    std::optional<Goal> goal = RoadGoal(g, tier, *at);
    if (!goal) continue;
    // A key the hero holds already lies there to save his game where he takes it: at full life.
    if (tier == 0 && AlreadyOwned(g, goal->tag) && g.Life < g.MaxLife) {
      if (auto eat = Heal(g, static_cast<int>(g.MaxLife.num()))) return {eat, ""};
    }
    if (goal->kind != Goal::Kind::Fight) return {goal, ""};
    // A fight: with life enough, now (saved first); with room for it, after a meal.
    const int need = LifeToFight(g, goal->tag, FindMonster(goal->tag)->hitPoints);
    if (g.Life >= need) {
      if (auto save = SaveBeforeAFight(g)) return {save, ""};
      return {goal, ""};
    }
    if (g.MaxLife >= need) {
      if (auto eat = Heal(g, static_cast<int>(g.MaxLife.num()))) return {eat, ""};
    }
    if (!unfit) unfit = goal;
  }
  if (unfit) {
    // Nothing else is left: at full life, the fight it is.
    if (g.Life < g.MaxLife) {
      if (auto eat = Heal(g, static_cast<int>(g.MaxLife.num()))) return {eat, ""};
    }
    if (auto save = SaveBeforeAFight(g)) return {save, ""};
    committedFight_ = unfit->target.room;
    return {unfit, ""};
  }
  // Gold is wanted and none is left to be found this side of the RUINSTONE: the wish waits for
  // the trading post beyond it.
  if (savingUp_ && !southSpent_ && !FarNorthRoom(static_cast<int>(g.RoomNumber.num()))) {
    southSpent_ = true;
    return OnTheRoad(g);
  }
  if (const auto foe = FoeOf(g, world_); foe && CanHurt(g, foe->tag)) {
    committedFight_ = foe->at.room;
    return {Goal{Goal::Kind::Fight, foe->at, foe->tag, Cat("the ", foe->tag, " in the way")}, ""};
  }
  return {std::nullopt, "nothing on the road can be reached"};
}

}  // namespace tq::autoplay
