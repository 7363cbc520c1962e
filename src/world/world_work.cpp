// Helpers of the world builder's working tables.
#include "world/world_work.h"

namespace tq {

RoomFile FilledRoom(const std::string& tag, int groundCode) {
  RoomFile room;
  for (auto& row : room.tags) row.fill(tag);
  room.GroundCode = groundCode;
  return room;
}

RoomFile& FreshRoom(WorldWork& w, int number, const std::string& tag, int groundCode) {
  RoomFile& room = w.rooms[number];  // built in place: a world has some 260 rooms to fill
  for (auto& row : room.tags) row.fill(tag);
  room.GroundCode = groundCode;
  return room;
}

}  // namespace tq
