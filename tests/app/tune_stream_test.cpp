// Tunes streamed from the files the build renders: each play sounds the same, the end joins the
// start with no gap, the last play ends the stream, and the tune is added to what is mixed.
#include "app/tune_stream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "kit/headless_game.h"

namespace tq {
namespace {

const std::string kJingle = std::string(TQ_GAME_DIR) + "/sounds/DUNGEON.flac";

// Everything a stream adds in pieces of the mixer's size, until it ends or `limit` frames.
std::vector<std::int16_t> Drain(TuneStream& tune, std::int64_t limit, bool& ended) {
  std::vector<std::int16_t> out;
  ended = false;
  while (static_cast<std::int64_t>(out.size() / 2) < limit && !ended) {
    std::vector<std::int16_t> piece(2048 * 2, 0);
    ended = !tune.MixInto(piece.data(), 2048);
    out.insert(out.end(), piece.begin(), piece.end());
  }
  return out;
}

TEST(TuneStream, PlaysJoinWithoutAGapAndTheLastEndsIt) {
  std::string error;
  auto once = TuneStream::Open(kJingle, 1, error);
  ASSERT_TRUE(once) << error;
  const std::int64_t length = once->length();
  ASSERT_GT(length, 44100);  // the jingle lasts seconds
  bool ended = false;
  const std::vector<std::int16_t> one = Drain(*once, 10 * length, ended);
  EXPECT_TRUE(ended);
  ASSERT_GE(static_cast<std::int64_t>(one.size()), 2 * length);
  const std::vector<std::int16_t> play(one.begin(), one.begin() + 2 * length);
  EXPECT_TRUE(std::all_of(one.begin() + 2 * length, one.end(), [](int s) { return s == 0; }));

  auto thrice = TuneStream::Open(kJingle, 3, error);
  ASSERT_TRUE(thrice) << error;
  const std::vector<std::int16_t> three = Drain(*thrice, 10 * length, ended);
  EXPECT_TRUE(ended);
  for (int p = 0; p < 3; ++p) {
    SCOPED_TRACE(p);
    EXPECT_TRUE(std::equal(play.begin(), play.end(), three.begin() + p * 2 * length));
  }
  EXPECT_TRUE(std::all_of(three.begin() + 6 * length, three.end(), [](int s) { return s == 0; }));
}

TEST(TuneStream, AddsToWhatIsMixedAndClips) {
  std::string error;
  auto quiet = TuneStream::Open(kJingle, 1, error);
  auto tune = TuneStream::Open(kJingle, 1, error);
  ASSERT_TRUE(quiet && tune) << error;
  std::vector<std::int16_t> alone(2048 * 2 * 8, 0), mixed(alone.size(), 1000),
      loud(alone.size(), 32000);
  for (std::size_t at = 0; at < alone.size(); at += 2048 * 2) {
    quiet->MixInto(alone.data() + at, 2048);
    tune->MixInto(mixed.data() + at, 2048);
  }
  auto again = TuneStream::Open(kJingle, 1, error);
  for (std::size_t at = 0; at < loud.size(); at += 2048 * 2) again->MixInto(loud.data() + at, 2048);
  int sounding = 0;
  for (std::size_t i = 0; i < alone.size(); ++i) {
    EXPECT_EQ(mixed[i], std::clamp(alone[i] + 1000, -32768, 32767));
    EXPECT_EQ(loud[i], std::clamp(alone[i] + 32000, -32768, 32767));
    sounding += alone[i] != 0;
  }
  EXPECT_GT(sounding, 1000);
}

TEST(TuneStream, AFileThatIsNoTuneIsRefused) {
  kit::TempFolder dir;
  std::ofstream(dir.path() / "noise.flac") << "fLaC and then nothing a decoder could use";
  std::string error;
  EXPECT_EQ(TuneStream::Open((dir.path() / "noise.flac").string(), 1, error), nullptr);
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_EQ(TuneStream::Open((dir.path() / "none.flac").string(), 1, error), nullptr);
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tq
