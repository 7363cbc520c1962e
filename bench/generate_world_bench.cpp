// How long a whole new world takes: GenerateWorld reading the 89 templates, drawing and writing
// about 260 room files, the saved game and the map file, and drawing the home room.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "shell/generate_world.h"
#include "shell/start_up.h"
#include "world/template_rooms.h"
#include "world/world_builder.h"

namespace {

namespace fs = std::filesystem;

// A game folder with a plain room for every template: floor inside a walled frame.
fs::path MakeGameFolder() {
  const fs::path folder =
      fs::temp_directory_path() / ("tarvoquest-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(folder / "Files");
  for (int t : tq::TemplatesRead()) {
    tq::RoomFile room = tq::FilledRoom("FLOOR", t >= 600 ? 3 : 1);
    for (int i = 0; i < 13; ++i) {
      room.tags[0][i] = room.tags[12][i] = room.tags[i][0] = room.tags[i][12] = "BLACK";
    }
    tq::WriteRoomFile((folder / "Files" / ("ROOM" + std::to_string(t))).string(), room);
  }
  return folder;
}

void BM_GenerateWorld(benchmark::State& state) {
  const fs::path folder = MakeGameFolder();
  tq::ManualClock clock;
  tq::RecordingChannel mm1, mm2, mm3(100);
  tq::Game game({folder.string(), &clock, &mm1, &mm2, &mm3});
  tq::Form_Load(game);
  for (auto _ : state) {
    tq::GenerateWorld(game);
    clock.set(clock.nowMs() + 1000);  // a new seed for the next world
    mm1.clear();
    mm3.clear();
  }
  benchmark::DoNotOptimize(game.RoomNumber);
  fs::remove_all(folder);
}
BENCHMARK(BM_GenerateWorld)->Unit(benchmark::kMillisecond);

// The drawing alone, without the disk: every room built in memory.
void BM_BuildWorldInMemory(benchmark::State& state) {
  const fs::path folder = MakeGameFolder();
  tq::TemplateSet templates;
  tq::LoadTemplates(folder.string() + "/", templates);
  tq::ManualClock clock;
  tq::Random rnd(clock);
  std::uint32_t seed = 1;
  for (auto _ : state) {
    rnd.setSeed(seed++ * 2654435761u);
    benchmark::DoNotOptimize(tq::BuildWorld(rnd, templates));
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_BuildWorldInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
