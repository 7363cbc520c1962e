// The working tables of one world build: the special cells, the secret trees, the ladders, the
// passages, the map icons and every room that will be written.
#pragma once

#include <array>
#include <map>
#include <string>

#include "world/room_file.h"

namespace tq {

// Overland cells and underground cells are numbered 1..100, ten to a row from the north-west.
inline bool InNorthRow(int cell) {
  return cell <= 10;
}
inline bool InSouthRow(int cell) {
  return cell >= 91;
}
inline bool InWestColumn(int cell) {
  return cell % 10 == 1;
}
inline bool InEastColumn(int cell) {
  return cell % 10 == 0;
}
inline bool OnWorldBorder(int cell) {
  return InNorthRow(cell) || InSouthRow(cell) || InWestColumn(cell) || InEastColumn(cell);
}

struct WorldWork {
  // Entries 1..29 are the interior cells that take a template room; entry 7 is the home.
  std::array<int, 30> SpecialCell{};
  // Row and column of each overland cell's secret tree; 0 in StreeA means none.
  std::array<int, 101> StreeA{}, StreeB{};
  // Entries 1..4; the underground replaces 1 and 2 with the furnished-room monsters.
  std::array<std::string, 5> MonsterName{"", "WYVERN", "PLATER", "NEWT", "BEETLE"};
  std::array<std::string, 6> DeepMonsterName{"", "ZOMBIE", "BAT", "SALAMANDER", "OGRE", "DEMON"};
  // Per underground cell 1..100.
  std::array<int, 101> HasLadder{}, PassTop{}, PassLeft{}, PassBottom{}, PassRight{};
  // Per map square 0..199: 0..99 overland room n at n - 1, 100..199 room 300 + m at 99 + m.
  std::array<std::string, 200> MapTag;
  std::array<int, 200> Explored{};
  // Every room the build writes, by room number; a later write to a number replaces the earlier.
  std::map<int, RoomFile> rooms;
};

// The 169 tags of a room, all set to one tag.
RoomFile FilledRoom(const std::string& tag, int groundCode);
// Room `number` of the build, started afresh with every tag set to `tag`; it replaces what an
// earlier stage put there.
RoomFile& FreshRoom(WorldWork& w, int number, const std::string& tag, int groundCode);

}  // namespace tq
