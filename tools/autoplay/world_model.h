// What the player knows of the world: the rooms as their files hold them, read when first needed
// and read again whenever the game may have changed one. The player only reads these files, as a
// player reads the screen; the game writes them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "world/room_file.h"

namespace tq::autoplay {

// Room numbers run from 1 to 1041 (the hideouts); anything outside has no file.
constexpr int kMostRooms = 1100;

class WorldModel {
 public:
  // `filesFolder` is the game's Files/.
  explicit WorldModel(std::filesystem::path filesFolder);

  // The room as its file holds it; nullptr when the room has no readable file.
  const RoomFile* Room(int number);
  // A number that changes whenever the room's tags change (0 for a room without a file).
  std::uint64_t Version(int number);
  // The tag of a cell; "BLACK" outside the room or when the room has no file.
  const std::string& Tag(int room, int row, int col);

  // Reads the room's file again; true when its tags changed. The hero stands in that room: its
  // monster is the one alive, while the monsters of every other room wait where they stand.
  bool Refresh(int number);
  int heroRoom() const { return heroRoom_; }
  // A new world: every room is read afresh when next needed.
  void Forget();

 private:
  struct Known {
    bool read = false;
    std::optional<RoomFile> grid;
    std::uint64_t version = 0;
  };
  Known& Load(int number);
  std::optional<RoomFile> ReadFile(int number) const;

  std::filesystem::path files_;
  std::vector<Known> rooms_;
  Known none_;
  std::uint64_t nextVersion_ = 1;
  int heroRoom_ = 0;
};

// The ground word of a room file's ground code, as the game names it.
const char* GroundName(const RoomFile& room);

}  // namespace tq::autoplay
