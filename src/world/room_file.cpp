// Reading and writing one room file: 169 quoted tags row by row, then the ground code.
#include "world/room_file.h"

#include "platform/file_writes.h"
#include "platform/seq_file.h"

namespace tq {

std::string RoomFilePath(const std::string& gamePath, const Value& roomNumber) {
  return Join(Value(gamePath), Value("Files/ROOM"), roomNumber);
}

std::optional<std::string> ReadRoomFile(const std::string& path, RoomFile& out) {
  std::string data;
  if (auto err = ReadWholeFile(path, data)) return err;
  RoomFile room;
  SeqReader in(data);
  for (auto& row : room.tags) {
    for (auto& tag : row) {
      if (auto err = in.Text(tag)) return DamagedFileMessage(path, *err);
    }
  }
  if (auto err = in.Dynamic(room.GroundCode)) return DamagedFileMessage(path, *err);
  if (auto err = in.End()) return DamagedFileMessage(path, *err);
  out = std::move(room);
  return std::nullopt;
}

std::string RoomFileText(const RoomFile& room) {
  SeqWriter w;
  for (const auto& row : room.tags) {
    for (const auto& tag : row) {
      w.Text(tag);
      w.EndLine();
    }
  }
  w.Dynamic(room.GroundCode);
  w.EndLine();
  return w.str();
}

std::optional<std::string> WriteRoomFile(const std::string& path, const RoomFile& room) {
  return WriteWholeFile(path, RoomFileText(room));
}

void AddRoomFile(FileGroup& files, const std::string& path, const RoomFile& room) {
  files.Replace(path, RoomFileText(room));
}

}  // namespace tq
