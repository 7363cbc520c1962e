// Overland room n: frame, exits toward the neighbours, and 49 rolled cells.
#include "world/overland_rooms.h"

#include "platform/random.h"
#include "world/world_work.h"

namespace tq {

std::string RollOverlandCell(Random& rnd, int r, bool& monsterPlaced, const WorldWork& w) {
  if (r <= 2) return "BUSH";
  if (r <= 63) {
    const auto monsterRoll = rnd.Draw(100);  // made on every floor roll
    if (monsterRoll >= 85 && !monsterPlaced) {
      monsterPlaced = true;
      return w.MonsterName[rnd.Draw(4)];
    }
    return "FLOOR";
  }
  if (r == 64 || r == 97) return rnd.Draw(20) == 1 ? "BERRYPLANT" : "PLANT";
  if (r <= 87) return rnd.Draw(40) == 1 ? "APPLETREE" : "TREE";
  if (r == 88) return "SIGN";
  if (r <= 95) return "FLOWER" + std::to_string(rnd.Draw(4));
  // GUARD: a 96 that misses its rocks would leave the cell with no tag at all, which no picture
  // or rule knows; it becomes plain ground.
  if (r == 96) return rnd.Draw(3) == 1 ? "ROCKS" : "FLOOR";
  if (r <= 99) return "LOG";
  return rnd.Draw(2) == 1 ? "BARREL" : "CRATE";
}

void BuildOverlandRoom(Random& rnd, int n, WorldWork& w) {
  RoomFile& room = FreshRoom(w, n, "BLACK", 0);
  auto& t = room.tags;
  for (int i = 1; i <= 11; ++i) t[1][i] = t[11][i] = t[i][1] = t[i][11] = "TREE";
  if (!InNorthRow(n)) t[1][6] = "EXIT";
  if (!InSouthRow(n)) t[11][6] = "EXIT";
  if (!InWestColumn(n)) t[6][1] = "EXIT";
  if (!InEastColumn(n)) t[6][11] = "EXIT";
  for (int i = 2; i <= 10; ++i) t[2][i] = t[10][i] = t[i][2] = t[i][10] = "FLOOR";

  bool monsterPlaced = false;
  bool secretTree = false;
  for (int a = 3; a <= 9; ++a) {
    for (int b = 3; b <= 9; ++b) {
      const int r = static_cast<int>(rnd.Draw(100));
      const auto s = rnd.Draw(3);
      t[a][b] = RollOverlandCell(rnd, r, monsterPlaced, w);
      // Clearing runs after the roll, so it can take away a monster just put down; the room
      // then stays without one.
      if (s == 1) t[a][b] = "FLOOR";
      if (t[a][b] == "TREE" && !secretTree && rnd.Draw(20) == 1) {
        t[a][b] = "STREE";
        secretTree = true;
        w.StreeA[n] = a;
        w.StreeB[n] = b;
      }
    }
  }
}

}  // namespace tq
