// One room on disk: 169 tile tags row by row, then the ground code.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/value.h"

namespace tq {

class FileGroup;

constexpr int kRoomSize = 13;

struct RoomFile {
  // tags[row][col], row 0 north, column 0 west.
  std::array<std::array<std::string, kRoomSize>, kRoomSize> tags;
  // 0 GRASS, 1 DIRT, 2 WOOD, 3 SNOW; kept exactly as read so that a writer puts it back.
  Value GroundCode;
};

// GamePath & "Files/ROOM" & n.
std::string RoomFilePath(const std::string& gamePath, const Value& roomNumber);

// Reads a whole room file. On failure returns a message naming the file and what was wrong,
// and leaves `out` untouched.
std::optional<std::string> ReadRoomFile(const std::string& path, RoomFile& out);
// The bytes of a room file.
std::string RoomFileText(const RoomFile& room);
// Writes a room file atomically (a temporary beside it, renamed over it); creates Files/ when
// missing. Returns a message naming the file on failure, when the old file is still whole.
std::optional<std::string> WriteRoomFile(const std::string& path, const RoomFile& room);
// Adds a room file to a group of files written together.
void AddRoomFile(FileGroup& files, const std::string& path, const RoomFile& room);

}  // namespace tq
