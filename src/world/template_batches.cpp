// Template batches: plain copies, ice monsters and the two thieves.
#include "world/template_batches.h"

#include "platform/random.h"
#include "world/world_work.h"

namespace tq {

bool MayHoldIceMonster(const TemplateCopy& copy) {
  return copy.batch == 4 && copy.position >= 13 && copy.position <= 23;
}

void PlaceIceMonster(Random& rnd, RoomFile& room) {
  for (auto& row : room.tags) {
    for (auto& cell : row) {
      if (cell != "FLOOR" || rnd.Draw(100) < 95) continue;
      const auto kind = rnd.Draw(3);
      cell = kind == 1 ? "SHADOW DEMON" : kind == 2 ? "DEMON LORD" : "ICE PLATER";
      return;
    }
  }
}

void CopyTemplateBatches(Random& rnd, const TemplateSet& templates, WorldWork& w) {
  for (const TemplateCopy& copy : TemplateBatches()) {
    RoomFile& room =
        w.rooms.insert_or_assign(copy.room, templates.at(copy.templateRoom)).first->second;
    if (MayHoldIceMonster(copy)) PlaceIceMonster(rnd, room);
    if (copy.room == 1039) room.tags[5][6] = "THIEF";
    if (copy.room == 1041) room.tags[6][4] = "THIEF";
  }
}

}  // namespace tq
