// Sizing up the room's monster.
#include "autoplay/foe.h"

#include <algorithm>
#include <cmath>

#include "game/game.h"
#include "game/monster_table.h"

namespace tq::autoplay {
namespace {

// How often a monster gets its blow in, per swing of the hero's: the swing keeps it still, the
// strike refuses its blow, and the next swing comes before its next turn but now and then.
constexpr double kBlowsPerSwing = 0.08;
// On top of the expected loss, the player keeps one worst blow in hand and a little more.
constexpr int kSpareLife = 1;

// The damage of one of the hero's blows on average, by the rules of the strike.
double MeanBlow(const Game& g, const std::string& tag) {
  double d = 2;  // one to three
  const bool shadowSword = g.SwordKind == 2;
  if (shadowSword) d += 1;
  if (g.owns(ItemSlot::HeroMedal)) d += 2;
  if (shadowSword && g.GroundType == "WOOD") d += 1;
  if (shadowSword && g.GroundType == "DIRT") d += 1.5;
  if (tag == "DRAGON") d -= 1;
  return std::max(d, 0.5);
}

}  // namespace

std::optional<Foe> FoeOf(const Game& g, WorldModel& world) {
  if (g.EnemyHP <= 0) return std::nullopt;
  const int room = static_cast<int>(g.RoomNumber.num());
  const RoomFile* file = world.Room(room);
  if (!file) return std::nullopt;
  // The monster that moves is the last one in the file, row by row.
  std::optional<Foe> foe;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      const std::string& tag = file->tags[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (!IsMonster(tag)) continue;
      Place at = PlaceOf(g);
      at.row = r;
      at.col = c;
      foe = Foe{tag, at, static_cast<int>(g.EnemyHP.num())};
    }
  }
  return foe;
}

bool CanHurt(const Game& g, const std::string& tag) {
  return !(tag == "PLATER" || tag == "ICE PLATER") || g.owns(ItemSlot::HeroMedal);
}

FightCost CostOfFight(const Game& g, const std::string& tag, int hp) {
  FightCost cost;
  const int most = std::max(MaxDamageOf(tag), 1);
  const bool shirt = g.HasMagicShirt == 1;
  const bool medal = g.owns(ItemSlot::HeroMedal);
  double mean = 0;
  for (int blow = 1; blow <= most; ++blow) {
    int b = blow;
    if (shirt) b = std::max(b - 3, 1);
    if (medal) b = std::max(b - 1, 1);
    mean += b;
    cost.worstBlow = std::max(cost.worstBlow, b);
  }
  mean /= most;
  // Face to face the shield is up: three in seven, one less against VEV, one more each with the
  // shirt and the medal.
  double blocked = 0;
  if (g.ShieldItem == "SHIELD") {
    int chance = 3 - (tag == "VEV" ? 1 : 0) + (shirt ? 1 : 0) + (medal ? 1 : 0);
    blocked = chance / 7.0;
  }
  if (!CanHurt(g, tag)) return {1e9, cost.worstBlow};
  const double swings = std::ceil(hp / MeanBlow(g, tag));
  cost.expectedLoss = swings * kBlowsPerSwing * mean * (1 - blocked);
  return cost;
}

int LifeToFight(const Game& g, const std::string& tag, int hp) {
  const FightCost cost = CostOfFight(g, tag, hp);
  if (cost.expectedLoss > 1e8) return 1000000;
  return static_cast<int>(std::ceil(cost.expectedLoss)) + cost.worstBlow + kSpareLife;
}

}  // namespace tq::autoplay
