// One strike tick: the tick on which a broken crate resolves, with its points, its loot draws,
// the room file read and rewritten whole (atomically) and the main tick handed back.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "play/strike.h"
#include "rooms/move_hero.h"
#include "shell/start_up.h"
#include "world/room_file.h"

namespace {

namespace fs = std::filesystem;

// A game in a scratch folder, the hero in room 45 facing a crate.
struct CrateAhead {
  CrateAhead() {
    std::random_device rd;
    folder = fs::temp_directory_path() / ("tarvoquest-bench-strike-" + std::to_string(rd()));
    fs::create_directories(folder / "Files");
    game = std::make_unique<tq::Game>(tq::GameServices{folder.string(), &clock, &mm1, &mm2, &mm3});
    tq::Form_Load(*game);
    tq::RoomFile room;
    for (int r = 0; r < tq::kRoomSize; ++r) {
      for (int c = 0; c < tq::kRoomSize; ++c) {
        const bool rim = r == 0 || c == 0 || r == 12 || c == 12;
        const bool ring = r == 1 || c == 1 || r == 11 || c == 11;
        room.tags[r][c] = rim ? "BLACK" : ring ? "TREE" : "FLOOR";
      }
    }
    room.tags[5][6] = "CRATE";
    room.tags[3][3] = "WYVERN";
    room.GroundCode = tq::Value(0);
    tq::WriteRoomFile(tq::RoomFilePath(game->GamePath, 45), room);
    game->picSTART.Visible = false;
    game->RoomNumber = 45;
    game->HeroRow = 6;
    game->HeroCol = 6;
    game->Facing = "XXX";
    tq::MoveHero(*game);
    game->Facing = "REAR";
    game->TargetTile = 7;
  }
  ~CrateAhead() {
    game.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  fs::path folder;
  tq::ManualClock clock;
  tq::RecordingChannel mm1{1}, mm2{1}, mm3{100};
  std::unique_ptr<tq::Game> game;
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
