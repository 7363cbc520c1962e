// The goals the player pursues one at a time, as the quest hands them out.
#pragma once

#include <string>

#include "autoplay/place.h"

namespace tq::autoplay {

struct Goal {
  enum class Kind {
    WalkTo,  // stand on a cell
    PickUp,  // step onto an item and take it
    Buy,     // step onto a shop deed and pay for it
    Save,    // click SAVE
    Break,   // strike a cell until it breaks: a chest, the ROCKS, a fruit tree
    Fight,   // kill the room's monster
  };
  Kind kind = Kind::WalkTo;
  Place target;      // the cell to stand on (WalkTo, PickUp: the item, Buy: the deed), or the
                     // cell to strike (Break), or where the monster stood (Fight)
  std::string tag;   // PickUp and Buy: what lies on the target; Break, Fight: what stands there
  std::string what;  // a few words for the log: "the TORCH in room 401"
};

}  // namespace tq::autoplay
