// The seventeen monster kinds and every number that sets one apart from another.
#pragma once

#include <span>
#include <string_view>

#include "platform/value.h"

namespace tq {

struct MonsterKind {
  std::string_view tag;
  int hitPoints;
  int RoarNumber;  // sounds/ROAR<n>.wav; 0 is a real sound
  int killSound;   // Sounds/ENEMYKILL<n>.wav; 0 is a real sound
  int KillPoints;
  int LootClass;  // 99 is VEV's, the win
  int MaxDamage;
};

std::span<const MonsterKind> MonsterTable();
// The row of a monster tag, or nullptr when the tag is no monster.
const MonsterKind* FindMonster(std::string_view tag);
inline bool IsMonster(std::string_view tag) {
  return FindMonster(tag) != nullptr;
}
// The roar of an admitted monster: a ZOMBIE roars 9 instead of 3 when the ground in force as
// its room is read is "DIRT".
int RoarNumberFor(const MonsterKind& kind, const Value& groundTypeAtRead);
// MaxDamage of a tag, 0 for a tag that is no monster.
int MaxDamageOf(std::string_view tag);

}  // namespace tq
