// Special-cell templates: the swamp zombie, the copies onto the special cells, the theme icons.
#include "world/special_templates.h"

#include <array>

#include "platform/random.h"
#include "world/world_work.h"

namespace tq {

const std::string& ThemeTag(int k) {
  static const std::array<std::string, 30> tags = {
      "",       "hole",   "hole2",      "hole3",     "pond",    "pond2", "pond3", "house",
      "house2", "swamp",  "swamp",      "ruinstone", "maze",    "house", "swamp", "swamp",
      "swamp",  "ponds",  "flower1",    "flower2",   "flower3", "pond4", "rock",  "swamp2",
      "house3", "RUINS1", "WATERCROSS", "MAZE2",     "GARDEN",  "RUINS2"};
  return tags[k];
}

void PlaceZombie(Random& rnd, int templateRoom, RoomFile& room) {
  auto& t = room.tags;
  const bool swamp = t[1][1] == "SWAMPTREE";
  bool placed = false;
  for (int a = 3; a <= 9; ++a) {
    for (int b = 3; b <= 9; ++b) {
      const auto roll = rnd.Draw(25);
      if (swamp && t[a][b] == "FLOOR" && !placed && roll == 1 && templateRoom != kZombieFreeSwamp) {
        t[a][b] = "ZOMBIE";
        placed = true;
      }
    }
  }
}

void CopySpecialTemplates(Random& rnd, const TemplateSet& templates, WorldWork& w) {
  for (int t = kFirstSpecialTemplate; t <= kLastSpecialTemplate; ++t) {
    const int k = t - kFirstSpecialTemplate + 1;
    RoomFile& room = w.rooms.insert_or_assign(w.SpecialCell[k], templates.at(t)).first->second;
    PlaceZombie(rnd, t, room);
    // No ladder goes under a special cell.
    w.StreeA[w.SpecialCell[k]] = 0;
    w.StreeB[w.SpecialCell[k]] = 0;
  }
}

}  // namespace tq
