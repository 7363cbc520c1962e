// Reading and writing one room file and one saved game (GAMEFILE and MAPFILE), as the game does
// on every step, strike and save, and an autosave written together with its room. Set TMPDIR to
// a folder in memory to see the game's own cost without the disk's.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/file_writes.h"
#include "platform/sound_channel.h"
#include "shell/start_up.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace {

namespace fs = std::filesystem;

// A scratch game folder for one benchmark, removed afterwards.
struct Scratch {
  Scratch() {
    std::random_device rd;
    path = fs::temp_directory_path() / ("tarvoquest-bench-" + std::to_string(rd()));
    fs::create_directories(path / "Files");
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path;
};

tq::RoomFile SampleRoom() {
  tq::RoomFile room;
  for (int r = 0; r < tq::kRoomSize; ++r) {
    for (int c = 0; c < tq::kRoomSize; ++c) {
      const bool edge = r == 0 || c == 0 || r == 12 || c == 12;
      room.tags[r][c] = edge ? "BLACK" : (r + c) % 5 == 0 ? "TREE" : "FLOOR";
    }
  }
  room.tags[5][5] = "SHADOW DEMON";
  room.GroundCode = tq::Value(1);
  return room;
}

void BM_WriteRoomFile(benchmark::State& state) {
  Scratch dir;
  const std::string path = (dir.path / "Files" / "ROOM45").string();
  const tq::RoomFile room = SampleRoom();
  for (auto _ : state) {
    if (auto err = tq::WriteRoomFile(path, room)) state.SkipWithError(err->c_str());
  }
}
BENCHMARK(BM_WriteRoomFile);

// Every step reads its room. Since a read first looks for a committed group that is not in
// place yet (one open that finds no list), a room read in a folder in memory went from 8.4 to
// 10.3 us and a whole step within a room (move_hero_bench) from 13.9 to 15.5 us (release build,
// medians of 7 and 5 runs). A single-file write went from 29 to 38 us: its staging folder now
// holds the list of its file as well.
void BM_ReadRoomFile(benchmark::State& state) {
  Scratch dir;
  const std::string path = (dir.path / "Files" / "ROOM45").string();
  if (auto err = tq::WriteRoomFile(path, SampleRoom())) state.SkipWithError(err->c_str());
  tq::RoomFile room;
  for (auto _ : state) {
    if (auto err = tq::ReadRoomFile(path, room)) state.SkipWithError(err->c_str());
    benchmark::DoNotOptimize(room);
  }
}
BENCHMARK(BM_ReadRoomFile);

// A window in the scratch folder with a game in progress.
struct BenchGame {
  explicit BenchGame(const fs::path& folder)
      : game(tq::GameServices{folder.string(), &clock, &mm, &mm, &mm}) {
    tq::Form_Load(game);
    game.RoomNumber = 45;
    game.HeroRow = 8;
    for (int i = 0; i < 200; i += 2) game.imgMAP[i].Visible = true;
  }
  tq::ManualClock clock;
  tq::RecordingChannel mm{1};
  tq::Game game;
};

void BM_SaveGame(benchmark::State& state) {
  Scratch dir;
  BenchGame bench(dir.path);
  for (auto _ : state) {
    const tq::WriteResult written = tq::SaveGame(bench.game);
    if (!written.message.empty()) state.SkipWithError(written.message.c_str());
  }
}
BENCHMARK(BM_SaveGame);

// An autosave with the room it was made in, written together as a pickup writes them.
void BM_SaveGameWithRoom(benchmark::State& state) {
  Scratch dir;
  BenchGame bench(dir.path);
  const tq::RoomFile room = SampleRoom();
  for (auto _ : state) {
    tq::FileGroup files;
    tq::AddSavedGame(files, bench.game);
    tq::AddRoomFile(files, tq::RoomFilePath(bench.game.GamePath, 45), room);
    const tq::WriteResult written = files.Write();
    if (!written.message.empty()) state.SkipWithError(written.message.c_str());
  }
}
BENCHMARK(BM_SaveGameWithRoom);

void BM_ReadSavedGame(benchmark::State& state) {
  Scratch dir;
  BenchGame bench(dir.path);
  const tq::WriteResult written = tq::SaveGame(bench.game);
  if (!written.message.empty()) state.SkipWithError(written.message.c_str());
  tq::SavedGame saved;
  for (auto _ : state) {
    if (auto err = tq::ReadSavedGame(bench.game.GamePath, saved)) {
      state.SkipWithError(err->c_str());
    }
    benchmark::DoNotOptimize(saved);
  }
}
BENCHMARK(BM_ReadSavedGame);

}  // namespace
