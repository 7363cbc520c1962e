// One hero step within a room, and one step through an edge exit into the next room: the room
// read, the rules, the view of 25 pictures and the tile underfoot, as every arrow key costs.
#include <benchmark/benchmark.h>

#include "scratch_game.h"
#include "world/room_file.h"

namespace {

// A game in a scratch folder with two neighbouring overland rooms, 45 and 46.
struct TwoRooms : bench::ScratchGame {
  TwoRooms() : ScratchGame("hero") {
    tq::RoomFile room = WalledRoom(true);
    room.tags[6][1] = room.tags[6][11] = "EXIT";
    room.tags[3][3] = "WYVERN";
    for (int n : {45, 46}) WriteRoom(n, room);
  }
};

void BM_MoveHeroStepWithinRoom(benchmark::State& state) {
  TwoRooms w;
  w.Place(45, 6, 6);
  bool right = true;
  for (auto _ : state) {
    w.game->Facing = right ? "RIGHT" : "LEFT";
    tq::MoveHero(*w.game);
    right = !right;
    w.Forget();
  }
  if (!(w.game->RoomNumber == 45)) state.SkipWithError("the hero left the room");
}
BENCHMARK(BM_MoveHeroStepWithinRoom);

void BM_MoveHeroRoomChange(benchmark::State& state) {
  TwoRooms w;
  w.Place(45, 6, 10);
  for (auto _ : state) {
    // East out of 45 into 46, then west back into 45: every call changes the room.
    w.game->Facing = w.game->RoomNumber == 45 ? "RIGHT" : "LEFT";
    tq::MoveHero(*w.game);
    w.Forget();
  }
  if (!(w.game->HeroRow == 6)) state.SkipWithError("the hero lost his row");
}
BENCHMARK(BM_MoveHeroRoomChange);

}  // namespace
