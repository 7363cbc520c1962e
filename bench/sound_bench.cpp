// What sound costs: how long PlayFile takes to start a tune or an effect (the game's thread
// waits that long), and the audio thread's work to stream a second of a tune.
#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/sdl_audio.h"
#include "app/tune_stream.h"
#include "platform/asset_path.h"

namespace {

const std::string kGame = std::string(TQ_GAME_DIR) + "/";
const char* const kTunes[] = {"Overland2", "Overland", "Underground", "Store",   "dungeonmusic2",
                              "bossmusic", "DUNGEON",  "DEADMUSIC",   "winmusic"};

// PlayFile of a tune on a freshly opened mixer, as LOAD or NEW do in the first second.
void BM_PlayTuneAtStart(benchmark::State& state) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::string tune = kGame + "sounds/" + kTunes[state.range(0)] + ".mid";
  for (auto _ : state) {
    state.PauseTiming();
    {
      tq::AssetResolver assets(TQ_GAME_DIR);
      tq::SdlAudio audio(assets, kGame);
      state.ResumeTiming();
      audio.channel(2).PlayFile(tune);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  state.SetLabel(kTunes[state.range(0)]);
}
// Opening the mixer takes far longer than the call measured, so the runs are counted, not timed.
BENCHMARK(BM_PlayTuneAtStart)->DenseRange(0, 8)->Iterations(10)->Unit(benchmark::kMillisecond);

// PlayFile of an effect not played before: read from disk once.
void BM_PlayEffectFirstTime(benchmark::State& state) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (auto _ : state) {
    state.PauseTiming();
    {
      tq::AssetResolver assets(TQ_GAME_DIR);
      tq::SdlAudio audio(assets, kGame);
      state.ResumeTiming();
      audio.channel(2).PlayFile(kGame + "sounds/RAINTHUNDER.wav");
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PlayEffectFirstTime)->Iterations(10)->Unit(benchmark::kMillisecond);

// The audio thread's share of streaming: one second of the overland tune, in the mixer's
// pieces of 2048 frames.
void BM_StreamOneSecond(benchmark::State& state) {
  std::string error;
  auto tune =
      tq::TuneStream::Open(std::string(TQ_GAME_DIR) + "/sounds/Overland2.flac", 1000, error);
  if (!tune) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::vector<std::int16_t> piece(2048 * 2);
  for (auto _ : state) {
    for (int done = 0; done < 44100; done += 2048) tune->MixInto(piece.data(), 2048);
  }
  state.SetLabel("CPU share of one core: time / 1 s");
}
BENCHMARK(BM_StreamOneSecond)->Unit(benchmark::kMillisecond);

}  // namespace
