// One monster turn with a step, as the main tick may give one every 200 ms: the room file read,
// the turn, the file written back (flushed to disk) and the view redrawn around the hero.
#include <benchmark/benchmark.h>

#include "play/monster_movement.h"
#include "scratch_game.h"
#include "world/room_file.h"

namespace {

// A game in a scratch folder: room 45 of floor and flowers with an OGRE in the hero's column.
struct MonsterRoom : bench::ScratchGame {
  MonsterRoom() : ScratchGame("monster") {
    tq::RoomFile room = WalledRoom(true);
    room.tags[4][6] = "OGRE";
    room.tags[5][6] = "FLOOR";
    WriteRoom(45, room);
    Place(45, 10, 6);  // admits the OGRE
    game->Facing = "";
  }
};

void BM_MonsterTurnWithAStep(benchmark::State& state) {
  MonsterRoom w;
  tq::Game& g = *w.game;
  std::int64_t steps = 0;
  for (auto _ : state) {
    // The hero is put at the far end of his column from the OGRE, which steps toward him: down
    // from row 4 to 5, then up from 5 to 4, and so on, never beside him.
    g.HeroRow = steps % 2 == 0 ? 10 : 2;
    tq::MoveMonster(g);
    ++steps;
    w.mm1.clear();
    w.mm2.clear();
    w.mm3.clear();
  }
  tq::RoomFile after;
  tq::ReadRoomFile(tq::RoomFilePath(g.GamePath, 45), after);
  const int expectRow = steps % 2 == 1 ? 5 : 4;
  if (after.tags[expectRow][6] != "OGRE") state.SkipWithError("the OGRE did not step every turn");
  if (g.lblMESSAGE.ForeColor == 0x0000FFu) state.SkipWithError(g.lblMESSAGE.Caption.c_str());
}
BENCHMARK(BM_MonsterTurnWithAStep)->UseRealTime();

// The same turn beside the hero: the file read and the blow, with no write. What is left of the
// step's cost above is the room file going to disk.
void BM_MonsterTurnWithABlow(benchmark::State& state) {
  MonsterRoom w;
  tq::Game& g = *w.game;
  g.HeroRow = 5;  // right below the OGRE
  g.Facing = "XXX";
  tq::MoveHero(g);
  for (auto _ : state) {
    g.Life = 1000;
    tq::MoveMonster(g);
    g.tmrGUYHIT.setEnabled(false);
    w.mm2.clear();
  }
  if (g.lblMESSAGE.Caption.rfind("OGRE hits you", 0) != 0) state.SkipWithError("no OGRE struck");
}
BENCHMARK(BM_MonsterTurnWithABlow)->UseRealTime();

}  // namespace
