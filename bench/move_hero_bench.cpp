// One hero step within a room, and one step through an edge exit into the next room: the room
// read, the rules, the view of 25 pictures and the tile underfoot, as every arrow key costs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "rooms/move_hero.h"
#include "shell/start_up.h"
#include "world/room_file.h"

namespace {

namespace fs = std::filesystem;

// A game in a scratch folder with two neighbouring overland rooms, 45 and 46.
struct TwoRooms {
  TwoRooms() {
    std::random_device rd;
    folder = fs::temp_directory_path() / ("tarvoquest-bench-hero-" + std::to_string(rd()));
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
    room.tags[6][1] = room.tags[6][11] = "EXIT";
    room.tags[3][3] = "WYVERN";
    room.GroundCode = tq::Value(0);
    for (int n : {45, 46}) tq::WriteRoomFile(tq::RoomFilePath(game->GamePath, n), room);
  }
  ~TwoRooms() {
    game.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  // Puts the hero somewhere and draws the room, as a load does.
  void Place(int room, int row, int col) {
    game->RoomNumber = room;
    game->HeroRow = row;
    game->HeroCol = col;
    game->Facing = "XXX";
    tq::MoveHero(*game);
  }
  // Sound channels only remember; keep them from growing without end.
  void Forget() {
    mm1.clear();
    mm2.clear();
    mm3.clear();
  }

  fs::path folder;
  tq::ManualClock clock;
  tq::RecordingChannel mm1{1}, mm2{1}, mm3{100};
  std::unique_ptr<tq::Game> game;
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
