// Underground room 300 + m: wall frame, a cave or a furnished room, and the ladder up.
#include "world/underground_rooms.h"

#include "platform/random.h"
#include "world/world_work.h"

namespace tq {

std::string RollUndergroundCell(Random& rnd, int r, int s, int groundCode, UndergroundFlags& f,
                                const WorldWork& w) {
  const bool furnished = groundCode == 2;
  if (r == 1) {
    if (furnished && s == 3 && !f.lifeSymbol) {
      f.lifeSymbol = true;
      return "LIFESYMBOL";
    }
    return "FLOOR";
  }
  if (r == 2) {
    if (furnished && s == 3 && !f.powerSymbol) {
      f.powerSymbol = true;
      return "POWERSYMBOL";
    }
    return "FLOOR";
  }
  if (r <= 64) {
    if (furnished && rnd.Draw(100) >= 75 && !f.monster) {
      f.monster = true;
      return w.MonsterName[rnd.Draw(2)];
    }
    return "FLOOR";
  }
  if (r <= 84) return furnished ? "TABLE" : "TREE";
  if (r <= 90) {
    if (!furnished) return "PLANT";
    return rnd.Draw(3) == 1 ? "SHELF" : "BED";
  }
  // The next two rows draw in caves too, where the draw changes nothing.
  if (r <= 99) return rnd.Draw(3) >= 2 && furnished ? "CRATE" : "BARREL";
  return rnd.Draw(3) == 1 && furnished ? "GOLDBAG" : "BAG";
}

void BuildUndergroundRoom(Random& rnd, int m, WorldWork& w) {
  UndergroundFlags flags;
  RoomFile& room = FreshRoom(w, 300 + m, "BLACK", 1);
  auto& t = room.tags;
  for (int i = 1; i <= 11; ++i) t[1][i] = t[11][i] = t[i][1] = t[i][11] = "WALL";
  for (int i = 2; i <= 10; ++i) t[2][i] = t[10][i] = t[i][2] = t[i][10] = "FLOOR";
  const int groundCode = rnd.Draw(3) == 1 ? 2 : 1;  // one room in three is furnished
  room.GroundCode = groundCode;

  for (int a = 3; a <= 9; ++a) {
    for (int b = 3; b <= 9; ++b) {
      const int r = static_cast<int>(rnd.Draw(100));
      const int s = static_cast<int>(rnd.Draw(3));
      t[a][b] = RollUndergroundCell(rnd, r, s, groundCode, flags, w);
      if (t[a][b] == "FLOOR" && groundCode == 1 && !flags.monster && rnd.Draw(100) >= 75) {
        flags.monster = true;
        t[a][b] = w.DeepMonsterName[rnd.Draw(5)];
      }
      if (s == 1) t[a][b] = "FLOOR";
    }
  }

  w.HasLadder[m] = 0;
  if (w.StreeA[m] > 0) {
    t[w.StreeA[m]][w.StreeB[m]] = "LADDERUP";
    w.HasLadder[m] = 1;
  }
}

}  // namespace tq
