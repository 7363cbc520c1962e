// Hand-made rooms for tests.
#include "kit/room_builder.h"

#include <gtest/gtest.h>

#include "kit/headless_game.h"

namespace tq::kit {

RoomBuilder::RoomBuilder(int groundCode) {
  const std::string ring = groundCode == kGrass ? "TREE" : "WALL";
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      const bool rim = r == 0 || c == 0 || r == kRoomSize - 1 || c == kRoomSize - 1;
      const bool inner = r == 1 || c == 1 || r == kRoomSize - 2 || c == kRoomSize - 2;
      room_.tags[r][c] = rim ? "BLACK" : inner ? ring : "FLOOR";
    }
  }
  room_.GroundCode = groundCode;
}

RoomBuilder& RoomBuilder::Set(int row, int col, const std::string& tag) {
  room_.tags[row][col] = tag;
  return *this;
}

RoomBuilder& RoomBuilder::WithExits() {
  return Set(1, 6, "EXIT").Set(11, 6, "EXIT").Set(6, 1, "EXIT").Set(6, 11, "EXIT");
}

void RoomBuilder::WriteTo(HeadlessGame& game, int roomNumber) const {
  const auto error = WriteRoomFile(RoomFilePath(game->GamePath, roomNumber), room_);
  ASSERT_FALSE(error) << *error;
}

RoomFile ReadRoom(HeadlessGame& game, int roomNumber) {
  RoomFile room;
  const auto error = ReadRoomFile(RoomFilePath(game->GamePath, roomNumber), room);
  EXPECT_FALSE(error) << *error;
  return room;
}

}  // namespace tq::kit
