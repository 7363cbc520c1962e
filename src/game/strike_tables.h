// What the sword can strike: the strength each blow costs by the tag it lands on, and the loot
// class of each breakable object (a monster's is in the monster table).
#pragma once

#include <string_view>

#include "platform/value.h"

namespace tq {

struct StrikeCost {
  int cost = 0;                   // strength the blow takes, before the GLOVE and the BONUS
  bool struck = false;            // the tile breaks or the monster is hit
  bool needsShadowSword = false;  // the hunter sword bounces off it
};

// The price of a blow at a tag; a tag that cannot be struck costs nothing and is not struck.
StrikeCost StrikeCostOf(std::string_view tag);

// The loot class of a broken object, 0 for none. A TREE has loot only on DIRT ground.
int ObjectLootClass(std::string_view tag, const Value& groundType);

}  // namespace tq
