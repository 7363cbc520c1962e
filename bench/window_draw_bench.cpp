// What one frame of the window costs on the CPU, standing still in play on the built game's
// pictures: the display list and its hash, drawing it whole with the software renderer, finding
// the changed pixels, and a main tick's worth of all of it.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "app/display_list.h"
#include "app/renderer.h"
#include "app/sdl_handles.h"
#include "app/window_frame.h"
#include "game/game.h"
#include "game/manual_time.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "shell/input.h"
#include "shell/start_up.h"

namespace {

namespace fs = std::filesystem;

// A game folder borrowing the built game's pictures, in play after a NEW.
class InPlay {
 public:
  InPlay() {
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    folder_ = fs::temp_directory_path() / ("tq-draw-bench-" + std::to_string(getpid()));
    fs::create_directories(folder_ / "Files");
    for (const char* dir : {"Pics", "Icons", "MENU", "layout", "sounds"}) {
      fs::create_directory_symlink(fs::path(TQ_GAME_DIR) / dir, folder_ / dir);
    }
    for (const auto& e : fs::directory_iterator(fs::path(TQ_GAME_DIR) / "Files")) {
      fs::copy_file(e.path(), folder_ / "Files" / e.path().filename());
    }
    game =
        std::make_unique<tq::Game>(tq::GameServices{folder_.string(), &clock, &mm1_, &mm2_, &mm3_});
    tq::Form_Load(*game);
    tq::Click(*game, game->mnuNEW);
    tq::RunUntil(*game, clock, clock.nowMs() + 3000);
  }
  ~InPlay() {
    game.reset();
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  tq::ManualClock clock;
  std::unique_ptr<tq::Game> game;

 private:
  fs::path folder_;
  tq::RecordingChannel mm1_, mm2_, mm3_{100};
};

struct Canvas {
  tq::SdlSubsystem video{SDL_INIT_VIDEO};
  tq::SurfaceHandle frame{SDL_CreateRGBSurfaceWithFormat(0, tq::kClientWidthPx, tq::kClientHeightPx,
                                                         32, SDL_PIXELFORMAT_RGB888)};
  tq::SurfaceHandle shown{SDL_CreateRGBSurfaceWithFormat(0, tq::kClientWidthPx, tq::kClientHeightPx,
                                                         32, SDL_PIXELFORMAT_RGB888)};
  tq::RendererHandle sdl{SDL_CreateSoftwareRenderer(frame.get())};
};

void BM_BuildAndHashDisplayList(benchmark::State& state) {
  InPlay play;
  for (auto _ : state) benchmark::DoNotOptimize(tq::HashOf(tq::BuildDisplayList(*play.game)));
}
BENCHMARK(BM_BuildAndHashDisplayList);

void BM_DrawWholeFrame(benchmark::State& state) {
  InPlay play;
  Canvas c;
  tq::AssetResolver assets(play.game->programFolder);
  tq::Renderer renderer(c.sdl.get(), assets);
  const tq::DisplayList list = tq::BuildDisplayList(*play.game);
  renderer.Execute(list);  // pictures and texts cached
  for (auto _ : state) renderer.Execute(list);
  state.counters["ops"] = static_cast<double>(list.ops.size());
}
BENCHMARK(BM_DrawWholeFrame);

void BM_ChangedRects(benchmark::State& state) {
  Canvas c;
  SDL_FillRect(c.frame.get(), nullptr, 0x336699);
  SDL_FillRect(c.shown.get(), nullptr, 0x336699);
  const SDL_Rect hero{191, 140, 50, 58};
  SDL_FillRect(c.frame.get(), &hero, 0xFFFFFF);
  for (auto _ : state) benchmark::DoNotOptimize(tq::ChangedRects(*c.shown, *c.frame));
}
BENCHMARK(BM_ChangedRects);

// Everything the window does per main tick while the hero stands still: the tick, the list and
// its hash, and when it changed, the changed areas drawn again and the changed pixels found.
void BM_StandingStillTick(benchmark::State& state) {
  InPlay play;
  Canvas c;
  tq::AssetResolver assets(play.game->programFolder);
  tq::Renderer renderer(c.sdl.get(), assets);
  std::vector<tq::OpKey> shown;
  renderer.Execute(tq::BuildDisplayList(*play.game));
  int frames = 0;
  double drawn = 0;
  for (auto _ : state) {
    tq::RunUntil(*play.game, play.clock, play.clock.nowMs() + 200);
    const tq::DisplayList list = tq::BuildDisplayList(*play.game);
    std::vector<tq::OpKey> keys = tq::KeysOf(list);
    if (tq::HashOf(keys) == tq::HashOf(shown)) continue;
    const auto areas = tq::ChangedAreas(shown, keys);
    if (areas) {
      renderer.Execute(list, *areas);
      for (const tq::PixelRect& a : *areas) drawn += a.w * a.h;
    } else {
      renderer.Execute(list);
    }
    shown = std::move(keys);
    const std::vector<tq::PixelRect> all{{0, 0, tq::kClientWidthPx, tq::kClientHeightPx}};
    for (const tq::PixelRect& area : areas ? *areas : all) {
      for (const tq::PixelRect& r : tq::ChangedRects(*c.shown, *c.frame, area)) {
        SDL_Rect from{r.x, r.y, r.w, r.h};
        SDL_BlitSurface(c.frame.get(), &from, c.shown.get(), &from);
      }
    }
    ++frames;
  }
  state.counters["frames"] = benchmark::Counter(frames, benchmark::Counter::kAvgIterations);
  state.counters["drawn_px"] = benchmark::Counter(drawn, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StandingStillTick);

}  // namespace
