// The cost of one main tick over a full view of animated tiles, a monster and water.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "play/main_tick.h"
#include "shell/start_up.h"

namespace {

void BM_MainTickFullView(benchmark::State& state) {
  tq::ManualClock clock;
  tq::RecordingChannel mm1, mm2, mm3(100);
  const std::string folder = std::filesystem::temp_directory_path().string();
  tq::Game g(tq::GameServices{folder, &clock, &mm1, &mm2, &mm3});
  tq::Form_Load(g);
  g.picSTART.Visible = false;
  g.RoomNumber = 200;  // off the overland, so no storm interrupts the measurement
  const char* tags[] = {"WATER", "COIN", "CAMPFIRE", "OGRE", "STREE"};
  for (int i = 0; i < 25; ++i) g.IMGgrid[i].Tag = tags[i % 5];
  g.imgTOOL[3].Visible = true;
  g.EnemyHP = 10;
  g.EnemyMaxHP = 10;
  for (auto _ : state) {
    g.Strength = 10;  // keep regeneration and the bars busy
    tq::tmrANIMATE_Timer(g);
    benchmark::DoNotOptimize(g.IMGgrid[12].Picture);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MainTickFullView);

}  // namespace
