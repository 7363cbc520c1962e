// How fast the headless game runs: one second of play time on the title screen (the intro
// scroll, the message shadow and the main tick), on a manual clock.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/game.h"
#include "game/manual_time.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "shell/start_up.h"

namespace {

void BM_TitleScreenSecond(benchmark::State& state) {
  tq::ManualClock clock;
  tq::RecordingChannel mm1, mm2, mm3(100);
  tq::Game game({std::filesystem::temp_directory_path().string(), &clock, &mm1, &mm2, &mm3});
  tq::Form_Load(game);
  for (auto _ : state) {
    tq::RunUntil(game, clock, clock.nowMs() + 1000);
    mm1.clear();
  }
  state.SetLabel("simulated seconds per iteration: 1");
}
BENCHMARK(BM_TitleScreenSecond);

void BM_BuildWindow(benchmark::State& state) {
  tq::ManualClock clock;
  tq::RecordingChannel mm1, mm2, mm3(100);
  for (auto _ : state) {
    tq::Game game({"/tmp", &clock, &mm1, &mm2, &mm3});
    tq::Form_Load(game);
    benchmark::DoNotOptimize(game.imgMAP[199].Left);
  }
}
BENCHMARK(BM_BuildWindow);

}  // namespace
