// Hand-made rooms for tests: a generated room's shape (black rim, a ring of trees or walls,
// floor inside) with chosen tiles placed on it, written into the headless game's Files/.
#pragma once

#include <string>

#include "world/room_file.h"

namespace tq::kit {

class HeadlessGame;

constexpr int kGrass = 0, kDirt = 1, kWood = 2, kSnow = 3;

class RoomBuilder {
 public:
  // Trees ring an overland room; any other ground gets walls.
  explicit RoomBuilder(int groundCode = kGrass);

  RoomBuilder& Set(int row, int col, const std::string& tag);
  // "EXIT" in the middle of the ring on each side: (1,6), (11,6), (6,1), (6,11).
  RoomBuilder& WithExits();
  const RoomFile& room() const { return room_; }
  // Writes the room as Files/ROOM<number> of the game; fails the test on an error.
  void WriteTo(HeadlessGame& game, int roomNumber) const;

 private:
  RoomFile room_;
};

// Reads Files/ROOM<number> of the game back; fails the test on an error.
RoomFile ReadRoom(HeadlessGame& game, int roomNumber);

}  // namespace tq::kit
