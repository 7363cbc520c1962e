// One monster turn with a step, as the main tick may give one every 200 ms: the room file read,
// the turn, the file written back (flushed to disk) and the view redrawn around the hero.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "play/monster_movement.h"
#include "rooms/move_hero.h"
#include "shell/start_up.h"
#include "world/room_file.h"

namespace {

namespace fs = std::filesystem;

// A game in a scratch folder: room 45 of floor and flowers with an OGRE in the hero's column.
struct MonsterRoom {
  MonsterRoom() {
    std::random_device rd;
    folder = fs::temp_directory_path() / ("tarvoquest-bench-monster-" + std::to_string(rd()));
    fs::create_directories(folder / "Files");
    game = std::make_unique<tq::Game>(tq::GameServices{folder.string(), &clock, &mm1, &mm2, &mm3});
    tq::Form_Load(*game);
    tq::RoomFile room;
    for (int r = 0; r < tq::kRoomSize; ++r) {
      for (int c = 0; c < tq::kRoomSize; ++c) {
        const bool rim = r == 0 || c == 0 || r == 12 || c == 12;
        const bool ring = r == 1 || c == 1 || r == 11 || c == 11;
        room.tags[r][c] = rim ? "BLACK" : ring ? "TREE" : (r * c) % 7 == 0 ? "FLOWER1" : "FLOOR";
      }
    }
    room.tags[4][6] = "OGRE";
    room.tags[5][6] = "FLOOR";
    room.GroundCode = tq::Value(0);
    tq::WriteRoomFile(tq::RoomFilePath(game->GamePath, 45), room);
    game->RoomNumber = 45;
    game->HeroRow = 10;
    game->HeroCol = 6;
    game->Facing = "XXX";
    tq::MoveHero(*game);  // admits the OGRE
    game->Facing = "";
  }
  ~MonsterRoom() {
    game.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  fs::path folder;
  tq::ManualClock clock;
  tq::RecordingChannel mm1{1}, mm2{1}, mm3{100};
  std::unique_ptr<tq::Game> game;
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
