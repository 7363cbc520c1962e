// The test template rooms.
#include "kit/template_set.h"

#include <stdexcept>

#include "world/template_rooms.h"

namespace tq::kit {

bool IsTestSwamp(int t) {
  return t == 208 || t == 209 || t == 213 || t == 214 || t == 215 || t == 222;
}

RoomFile TestTemplate(int t) {
  RoomFile room;
  const bool floorless = t == kFloorlessIceTemplate;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      std::string tag = floorless ? "ROCKS" : "FLOOR";
      if (r == 0 || r == 12 || c == 0 || c == 12)
        tag = "BLACK";
      else if (r == 1 || r == 11 || c == 1 || c == 11)
        tag = t >= 400 ? "WALL" : "TREE";
      room.tags[r][c] = tag;
    }
  }
  room.tags[1][6] = room.tags[11][6] = room.tags[6][1] = room.tags[6][11] = "EXIT";
  if (IsTestSwamp(t)) room.tags[1][1] = "SWAMPTREE";
  // A mark that tells one template from another, away from the hero's start at (8,6).
  room.tags[3 + t % 7][3 + (t / 7) % 7] = "SIGN";
  // The hideout templates hold something else where the thieves go.
  if (t == 643) room.tags[5][6] = "CHEST";
  if (t == 644) room.tags[6][4] = "BARREL";
  room.GroundCode = t % 4;
  return room;
}

void WriteTestTemplates(const std::filesystem::path& files) {
  for (int t : TemplatesRead()) {
    if (auto error =
            WriteRoomFile((files / ("ROOM" + std::to_string(t))).string(), TestTemplate(t))) {
      throw std::runtime_error(*error);
    }
  }
}

void WritePlainRoom(const std::filesystem::path& files, int n) {
  if (auto error =
          WriteRoomFile((files / ("ROOM" + std::to_string(n))).string(), TestTemplate(n))) {
    throw std::runtime_error(*error);
  }
}

RoomFile ReadRoom(const std::filesystem::path& folder, int n) {
  RoomFile room;
  const std::string path = (folder / "Files" / ("ROOM" + std::to_string(n))).string();
  if (auto error = ReadRoomFile(path, room)) throw std::runtime_error(*error);
  return room;
}

}  // namespace tq::kit
