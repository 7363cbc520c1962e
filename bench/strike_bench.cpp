// One strike tick: the tick on which a broken crate resolves, with its points, its loot draws,
// the room file read and rewritten whole (atomically) and the main tick handed back.
#include <benchmark/benchmark.h>

#include "play/strike.h"
#include "scratch_game.h"
#include "world/room_file.h"

namespace {

// A game in a scratch folder, the hero in room 45 facing a crate.
struct CrateAhead : bench::ScratchGame {
  CrateAhead() : ScratchGame("strike") {
    tq::RoomFile room = WalledRoom(false);
    room.tags[5][6] = "CRATE";
    room.tags[3][3] = "WYVERN";
    WriteRoom(45, room);
    game->picSTART.Visible = false;
    Place(45, 6, 6);
    game->Facing = "REAR";
    game->TargetTile = 7;
  }
};

void BM_StrikeResolvingTick(benchmark::State& state) {
  CrateAhead w;
  tq::Game& g = *w.game;
  for (auto _ : state) {
    // The crate stands again and the strike is on its last frame.
    g.IMGgrid[7].Tag = "CRATE";
    g.AnimFrame = 4;
    g.tmrBREAK.setEnabled(true);
    tq::tmrBREAK_Timer(g);
    benchmark::DoNotOptimize(g.IMGgrid[7].Tag);
    w.mm1.clear();
    w.mm2.clear();
  }
  if (g.tmrBREAK.Enabled() || g.lblMESSAGE.ForeColor == 0x0000FFu) {
    state.SkipWithError("the strike did not resolve");
  }
}
BENCHMARK(BM_StrikeResolvingTick)->UseRealTime();

}  // namespace
