// Underground passages and map icons.
#include "world/passages.h"

#include "platform/random.h"
#include "world/world_work.h"

namespace tq {

void DrawPassages(Random& rnd, WorldWork& w) {
  for (int m = 1; m <= 100; ++m) {
    rnd.Randomize();
    w.PassTop[m] = w.PassLeft[m] = w.PassBottom[m] = w.PassRight[m] = 0;
    const bool ladder = w.HasLadder[m] == 1;
    // All four flips are made, in this order, whatever the room.
    const bool north = rnd.Draw(2) == 1;
    const bool west = rnd.Draw(2) == 1;
    const bool south = rnd.Draw(2) == 1;
    const bool east = rnd.Draw(2) == 1;
    if (!ladder) continue;
    if (north && !InNorthRow(m) && w.HasLadder[m - 10] == 0) w.PassTop[m] = 1;
    if (west && !InWestColumn(m) && w.HasLadder[m - 1] == 0) w.PassLeft[m] = 1;
    if (south && !InSouthRow(m) && w.HasLadder[m + 10] == 0) w.PassBottom[m] = 1;
    if (east && !InEastColumn(m) && w.HasLadder[m + 1] == 0) w.PassRight[m] = 1;
  }
}

std::string UndergroundMapTag(bool north, bool south, bool west, bool east, bool ladder) {
  // Indexed by north, south, west, east as the bits 8, 4, 2, 1.
  static const int kNumber[16] = {1, 5, 3, 10, 2, 8, 6, 14, 4, 11, 9, 12, 7, 15, 13, 16};
  const int index = (north ? 8 : 0) | (south ? 4 : 0) | (west ? 2 : 0) | (east ? 1 : 0);
  return std::string(ladder ? "L" : "") + "dun" + std::to_string(kNumber[index]);
}

void OpenPassages(WorldWork& w) {
  for (int m = 1; m <= 100; ++m) {
    if (InNorthRow(m)) w.PassTop[m] = 0;
    if (InWestColumn(m)) w.PassLeft[m] = 0;
    if (InSouthRow(m)) w.PassBottom[m] = 0;
    if (InEastColumn(m)) w.PassRight[m] = 0;
    if (!InSouthRow(m) && w.PassTop[m + 10] == 1) w.PassBottom[m] = 1;
    if (!InEastColumn(m) && w.PassLeft[m + 1] == 1) w.PassRight[m] = 1;
    if (!InNorthRow(m) && w.PassBottom[m - 10] == 1) w.PassTop[m] = 1;
    if (!InWestColumn(m) && w.PassRight[m - 1] == 1) w.PassLeft[m] = 1;

    auto& t = w.rooms.at(300 + m).tags;
    if (w.PassTop[m] == 1) t[1][6] = "EXIT";
    if (w.PassLeft[m] == 1) t[6][1] = "EXIT";
    if (w.PassBottom[m] == 1) t[11][6] = "EXIT";
    if (w.PassRight[m] == 1) t[6][11] = "EXIT";
    w.MapTag[99 + m] =
        UndergroundMapTag(w.PassTop[m] == 1, w.PassBottom[m] == 1, w.PassLeft[m] == 1,
                          w.PassRight[m] == 1, w.HasLadder[m] == 1);
  }
}

}  // namespace tq
