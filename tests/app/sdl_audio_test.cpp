// The SDL sound channels: replacing, silencing, stopping, repeating, several at once, and
// silence for files that are missing or cannot be decoded.
#include "app/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

#include "kit/headless_game.h"

namespace tq {
namespace {

// A mono 16-bit WAV: `ms` of tone followed by `silentMs` of silence.
void WriteWav(const std::filesystem::path& p, int ms, int silentMs, double hz) {
  const int rate = 22050;
  std::vector<std::int16_t> s;
  for (int i = 0; i < rate * ms / 1000; ++i)
    s.push_back(static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * hz * i / rate)));
  s.resize(s.size() + static_cast<std::size_t>(rate * silentMs / 1000), 0);
  const auto bytes = static_cast<std::uint32_t>(s.size() * 2);
  std::filesystem::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
  f.write("RIFF", 4);
  u32(36 + bytes);
  f.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  f.write("data", 4);
  u32(bytes);
  f.write(reinterpret_cast<const char*>(s.data()), bytes);
}

class SdlAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteWav(dir.path() / "sounds/squeak.wav", 200, 0, 880);
    WriteWav(dir.path() / "sounds/NIGHT.WAV", 300, 500, 220);
    std::ofstream(dir.path() / "sounds/broken.wav") << "not a sound at all";
  }
  kit::TempFolder dir;
  std::string gamePath() const { return dir.path().string() + "/"; }
};

TEST_F(SdlAudioTest, PlayReplacesAndEmptySilences) {
  AssetResolver assets(dir.path());
  SdlAudio audio(assets, gamePath());
  ASSERT_TRUE(audio.open());
  SoundChannel& mm1 = audio.channel(0);
  mm1.PlayFile(gamePath() + "sounds/squeak.wav");
  EXPECT_TRUE(Mix_Playing(0));
  Mix_Chunk* first = Mix_GetChunk(0);
  mm1.PlayFile(gamePath() + "/SOUNDS/night.wav");
  EXPECT_TRUE(Mix_Playing(0));
  EXPECT_NE(Mix_GetChunk(0), first);
  mm1.PlayFile("");
  EXPECT_FALSE(Mix_Playing(0));
}

TEST_F(SdlAudioTest, ChannelsPlayAtOnceAndStopAlone) {
  AssetResolver assets(dir.path());
  SdlAudio audio(assets, gamePath());
  ASSERT_TRUE(audio.open());
  for (int i = 0; i < 3; ++i) audio.channel(i).PlayFile(gamePath() + "sounds/night.wav");
  EXPECT_EQ(Mix_Playing(-1), 3);
  audio.channel(2).StopPlayback();
  EXPECT_FALSE(Mix_Playing(2));
  EXPECT_TRUE(Mix_Playing(0));
  EXPECT_TRUE(Mix_Playing(1));
}

TEST_F(SdlAudioTest, MissingOrBrokenFilesAreSilence) {
  AssetResolver assets(dir.path());
  SdlAudio audio(assets, gamePath());
  ASSERT_TRUE(audio.open());
  audio.channel(0).PlayFile(gamePath() + "sounds/squeak.wav");
  audio.channel(0).PlayFile(gamePath() + "sounds/nothere.wav");
  EXPECT_FALSE(Mix_Playing(0));  // the old sound stops, nothing new plays
  audio.channel(1).PlayFile(gamePath() + "sounds/broken.wav");
  EXPECT_FALSE(Mix_Playing(1));
  EXPECT_EQ(audio.Clip(gamePath() + "sounds/broken.wav"), nullptr);
}

TEST_F(SdlAudioTest, ClipsLoseTheirSilentTailSoLoopsJoin) {
  AssetResolver assets(dir.path());
  SdlAudio audio(assets, gamePath());
  ASSERT_TRUE(audio.open());
  Mix_Chunk* clip = audio.Clip(gamePath() + "sounds/night.wav");
  ASSERT_NE(clip, nullptr);
  int freq = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&freq, &format, &channels);
  const double seconds = clip->alen / (2.0 * channels * freq);
  EXPECT_NEAR(seconds, 0.3, 0.02);  // 300 ms of tone, the 500 ms of silence gone
}

// The game's tunes, rendered by the build, stream on any channel: two at once, each giving way
// to an effect on its channel and back, and a tune with no rendering beside it is silence.
TEST(SdlAudioTunes, StreamOnAnyChannelAndGiveWayToEffects) {
  const std::string game = std::string(TQ_GAME_DIR) + "/";
  AssetResolver assets(TQ_GAME_DIR);
  SdlAudio audio(assets, game);
  ASSERT_TRUE(audio.open());
  SoundChannel &mm1 = audio.channel(0), &mm3 = audio.channel(2);
  mm3.PlayFile(game + "sounds/overland2.mid");  // the game's own spelling of the file
  mm1.PlayFile(game + "SOUNDS/DUNGEON.mid");
  EXPECT_TRUE(audio.PlayingTune(2));
  EXPECT_TRUE(audio.PlayingTune(0));
  EXPECT_FALSE(Mix_Playing(2));
  mm3.PlayFile(game + "sounds/RAINTHUNDER.wav");
  EXPECT_FALSE(audio.PlayingTune(2));
  EXPECT_TRUE(Mix_Playing(2));
  EXPECT_TRUE(audio.PlayingTune(0));
  mm3.PlayFile(game + "sounds/Underground.mid");
  EXPECT_TRUE(audio.PlayingTune(2));
  EXPECT_FALSE(Mix_Playing(2));
  mm3.StopPlayback();
  mm1.PlayFile("");
  EXPECT_FALSE(audio.PlayingTune(2));
  EXPECT_FALSE(audio.PlayingTune(0));
}

TEST_F(SdlAudioTest, ATuneWithoutItsRenderingIsSilence) {
  std::filesystem::copy_file(std::string(TQ_GAME_DIR) + "/sounds/Store.mid",
                             dir.path() / "sounds/Store.mid");
  AssetResolver assets(dir.path());
  SdlAudio audio(assets, gamePath());
  ASSERT_TRUE(audio.open());
  audio.channel(2).PlayFile(gamePath() + "sounds/squeak.wav");
  audio.channel(2).PlayFile(gamePath() + "sounds/Store.mid");
  EXPECT_FALSE(audio.PlayingTune(2));
  EXPECT_FALSE(Mix_Playing(2));  // what played before stops
}

TEST(TrimSilentTail, KeepsEverythingUpToTheLastSound) {
  const std::int16_t s[] = {0, 0, 500, -500, 3, 0, -2, 0};
  EXPECT_EQ(TrimSilentTail(s, sizeof s, 2), 4 * sizeof(std::int16_t));
  EXPECT_EQ(TrimSilentTail(s, sizeof s, 1), 4 * sizeof(std::int16_t));
  const std::int16_t quiet[] = {1, -1, 0, 0};
  EXPECT_EQ(TrimSilentTail(quiet, sizeof quiet, 1), 0u);
}

TEST(SdlAudioNoDevice, EveryChannelIsSilentAndNothingFails) {
  kit::TempFolder dir;
  SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    AssetResolver assets(dir.path());
    SdlAudio audio(assets, dir.path().string() + "/");
    EXPECT_FALSE(audio.open());
    audio.channel(0).PlayFile(dir.path().string() + "/sounds/squeak.wav");
    audio.channel(2).SetPlayCount(1);
    audio.channel(2).StopPlayback();
  }
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace
}  // namespace tq
