// The built game folder's sounds: every name the game plays is there, decodes through the game's
// own player, and the files are well made (levels, clean ends, music that loops in time).
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/sdl_audio.h"
#include "platform/asset_path.h"

namespace tq {
namespace {

const std::string kGameDir = std::string(TQ_GAME_DIR) + "/";

// Every sound as the game names it, in each spelling it uses.
const std::vector<std::string> kEffects = {
    "sounds/squeak.wav",      "sounds/squeak2.wav",     "sounds/squeak3.wav",
    "/SOUNDS/squeak3.wav",    "sounds/night.wav",       "sounds/FAMILY.wav",
    "SOUNDS/doorslam.WAV",    "SOUNDS/doorslam.wav",    "SOUNDS/SNOWTALK.WAV",
    "sounds/NO.wav",          "sounds/no.wav",          "SOUNDS/no.wav",
    "SOUNDS/lighttorch.wav",  "SOUNDS/WILD.WAV",        "sounds/wild.wav",
    "SOUNDS/SDOOR.WAV",       "Sounds/LockedDoor.wav",  "sounds/splash.wav",
    "sounds/potion.wav",      "sounds/coin.wav",        "sounds/lovemoney.wav",
    "sounds/SYMBOL.wav",      "sounds/equipsound.wav",  "SOUNDS/EQUIPSOUND.WAV",
    "sounds/buy.wav",         "Sounds/1hmiss.wav",      "SOUNDS/1HMISSECHO.wav",
    "Sounds/PLANTBREAK.wav",  "Sounds/WOODBREAK.wav",   "Sounds/OPENCHEST.wav",
    "Sounds/POP.wav",         "SOUNDS/backstab1.wav",   "SOUNDS/TERROR.wav",
    "SOUNDS/YEAH.wav",        "sOUNDS/LOOKATTHAT.wav",  "sounds/LEVELUP.wav",
    "sounds/allright.wav",    "sounds/ALLRIGHT.wav",    "sounds/DEAD.wav",
    "sounds/RAINTHUNDER.wav", "sounds/rainthunder.wav", "sounds/ROAR0.wav",
    "sounds/ROAR1.wav",       "sounds/ROAR2.wav",       "sounds/ROAR3.wav",
    "sounds/ROAR4.wav",       "sounds/ROAR6.wav",       "sounds/ROAR7.wav",
    "sounds/ROAR8.wav",       "sounds/ROAR9.wav",       "sounds/ROAR10.wav",
    "Sounds/ENEMYKILL0.wav",  "Sounds/ENEMYKILL1.wav",  "Sounds/ENEMYKILL2.wav",
    "Sounds/ENEMYKILL3.wav",  "Sounds/ENEMYKILL5.wav",  "Sounds/ENEMYKILL6.wav",
    "Sounds/ENEMYKILL10.wav", "SOUNDS/OW0.wav",         "SOUNDS/OW1.wav",
    "SOUNDS/OW2.wav",         "SOUNDS/OW3.wav",
};
const std::vector<std::string> kLoopingTunes = {
    "sounds/Overland2.mid",     "sounds/overland2.mid",   "sounds/Overland.mid",
    "sounds/overland.mid",      "sounds/Underground.mid", "sounds/Store.mid",
    "sounds/dungeonmusic2.mid", "sounds/bossmusic.mid",
};
const std::vector<std::string> kOnceTunes = {"SOUNDS/DUNGEON.mid", "SOUNDS/DEADMUSIC.mid",
                                             "sounds/winmusic.mid"};
const std::string kRainLoop = "sounds/RAINTHUNDER.wav";

std::vector<char> ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b.at(at + i));
  return v;
}

std::uint32_t Be(const std::vector<char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b.at(at + i));
  return v;
}

struct Wav {
  int rate = 0, channels = 0, bits = 0, format = 0;
  std::vector<double> samples;  // -1..1
};

Wav ReadWav(const std::filesystem::path& file) {
  const std::vector<char> b = ReadAll(file);
  Wav w;
  if (b.size() < 12 || std::string(b.data(), 4) != "RIFF" || std::string(b.data() + 8, 4) != "WAVE")
    return w;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.data() + at, 4);
    const std::uint32_t size = Le(b, at + 4, 4);
    if (id == "fmt ") {
      w.format = static_cast<int>(Le(b, at + 8, 2));
      w.channels = static_cast<int>(Le(b, at + 10, 2));
      w.rate = static_cast<int>(Le(b, at + 12, 4));
      w.bits = static_cast<int>(Le(b, at + 22, 2));
    } else if (id == "data" && w.bits == 16) {
      for (std::size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < b.size(); i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(Le(b, i, 2)) / 32768.0);
      }
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

// The loudest 50 ms of a sound, in dBFS.
double LoudnessDb(const Wav& w) {
  const std::size_t win = static_cast<std::size_t>(w.rate) / 20;
  double best = 1e-12;
  for (std::size_t start = 0; start < w.samples.size(); start += win / 4) {
    double sum = 0;
    for (std::size_t i = start; i < std::min(w.samples.size(), start + win); ++i)
      sum += w.samples[i] * w.samples[i];
    best = std::max(best, sum / static_cast<double>(win));
  }
  return 10 * std::log10(best);
}

struct Midi {
  int format = -1, tracks = 0, division = 0;
  double seconds = 0;                   // up to the last end of track
  std::set<int> channels_with_program;  // channels given an instrument
  std::set<int> channels_with_notes;
  std::set<int> channels_silenced_at_end;  // "all sound off" on the very last tick
  int unmatched_notes = 0;
};

// Reads a Standard MIDI File: its length under its tempo map and what each channel does.
Midi ReadMidi(const std::filesystem::path& file) {
  const std::vector<char> b = ReadAll(file);
  Midi m;
  if (b.size() < 14 || std::string(b.data(), 4) != "MThd") return m;
  m.format = static_cast<int>(Be(b, 8, 2));
  m.tracks = static_cast<int>(Be(b, 10, 2));
  m.division = static_cast<int>(Be(b, 12, 2));
  std::map<std::uint32_t, std::uint32_t> tempos = {{0, 500000}};
  std::uint32_t end = 0;
  std::vector<std::pair<std::uint32_t, int>> silences;  // tick, channel
  std::size_t at = 14;
  for (int t = 0; t < m.tracks && at + 8 <= b.size(); ++t) {
    const std::size_t stop = at + 8 + Be(b, at + 4, 4);
    std::size_t p = at + 8;
    std::uint32_t tick = 0;
    int status = 0;
    std::map<int, int> open;  // channel * 128 + note -> count
    while (p < stop && p < b.size()) {
      std::uint32_t delta = 0;
      unsigned char c;
      do {
        c = static_cast<unsigned char>(b[p++]);
        delta = (delta << 7) | (c & 0x7F);
      } while (c & 0x80);
      tick += delta;
      if (static_cast<unsigned char>(b[p]) & 0x80) status = static_cast<unsigned char>(b[p++]);
      if (status == 0xFF) {
        const int type = static_cast<unsigned char>(b[p]);
        std::size_t len = 0;
        ++p;
        do {
          c = static_cast<unsigned char>(b[p++]);
          len = (len << 7) | (c & 0x7F);
        } while (c & 0x80);
        if (type == 0x51) tempos[tick] = Be(b, p, 3);
        if (type == 0x2F) end = std::max(end, tick);
        p += len;
        continue;
      }
      const int kind = status & 0xF0, ch = status & 0x0F;
      const int d1 = static_cast<unsigned char>(b[p]);
      const int d2 = kind == 0xC0 || kind == 0xD0 ? 0 : static_cast<unsigned char>(b[p + 1]);
      p += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      if (kind == 0xC0) m.channels_with_program.insert(ch);
      if (kind == 0x90 && d2 > 0) {
        m.channels_with_notes.insert(ch);
        ++open[ch * 128 + d1];
      } else if (kind == 0x80 || kind == 0x90) {
        --open[ch * 128 + d1];
      }
      if (kind == 0xB0 && d1 == 120) silences.emplace_back(tick, ch);
    }
    for (const auto& [key, count] : open) m.unmatched_notes += std::abs(count);
    at = stop;
  }
  for (const auto& [tick, ch] : silences)
    if (tick == end) m.channels_silenced_at_end.insert(ch);
  // Length: each stretch between tempo changes at its own tempo.
  std::uint32_t last = 0, tempo = 500000;
  for (const auto& [tick, us] : tempos) {
    if (tick >= end) break;
    m.seconds += static_cast<double>(tick - last) * tempo / 1e6 / m.division;
    last = tick;
    tempo = us;
  }
  m.seconds += static_cast<double>(end - last) * tempo / 1e6 / m.division;
  return m;
}

std::filesystem::path Find(const std::string& name) {
  AssetResolver assets(TQ_GAME_DIR);
  return assets.Resolve(name).value_or(std::filesystem::path());
}

// Decodes through the game's own player (SDL_mixer with FluidSynth, the tail trimmed).
class PlayedSounds : public ::testing::Test {
 protected:
  PlayedSounds() : audio_((QuietDevice(), assets_), kGameDir) {}
  // Tests decode only; they never reach for a real sound card.
  static void QuietDevice() { setenv("SDL_AUDIODRIVER", "dummy", 0); }
  // Seconds of a decoded clip, or -1 when it cannot be played.
  double ClipSeconds(const std::string& name) {
    Mix_Chunk* clip = audio_.Clip(kGameDir + name);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!clip || !Mix_QuerySpec(&rate, &format, &channels)) return -1;
    return clip->alen / (2.0 * channels * rate);
  }
  AssetResolver assets_{TQ_GAME_DIR};
  SdlAudio audio_;
};

TEST(SoundFiles, EveryNameTheGamePlaysIsInTheSoundsFolder) {
  std::vector<std::string> all = kEffects;
  all.insert(all.end(), kLoopingTunes.begin(), kLoopingTunes.end());
  all.insert(all.end(), kOnceTunes.begin(), kOnceTunes.end());
  for (const std::string& name : all) {
    const std::filesystem::path file = Find(name);
    ASSERT_FALSE(file.empty()) << name << " is missing";
    EXPECT_EQ(FoldCase(file.parent_path().filename().string()), "sounds") << name;
  }
}

TEST(SoundFiles, EffectsAreMonoSixteenBitWithCleanEndsAndEvenLevels) {
  double quietest = 0, loudest = -100;
  std::set<std::vector<double>> seen;
  for (const std::string& name : kEffects) {
    const Wav w = ReadWav(Find(name));
    ASSERT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.channels, 1) << name;
    EXPECT_EQ(w.bits, 16) << name;
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << name;
    ASSERT_GT(w.samples.size(), static_cast<std::size_t>(w.rate) / 50) << name;
    const double loud = LoudnessDb(w);
    quietest = std::min(quietest, loud), loudest = std::max(loudest, loud);
    EXPECT_GT(loud, -24.0) << name << " is too quiet";
    double peak = 0;
    for (double s : w.samples) peak = std::max(peak, std::abs(s));
    EXPECT_LT(peak, 0.95) << name << " clips";
    if (FoldCase(name) != FoldCase(kRainLoop)) {
      // Starts and ends at rest: no click when it begins or is cut off by its own end.
      EXPECT_LT(std::abs(w.samples.front()), 0.01) << name;
      EXPECT_LT(std::abs(w.samples.back()), 0.01) << name;
    }
    seen.insert(w.samples);
  }
  EXPECT_LT(loudest - quietest, 9.0) << "effects differ too much in level";
  // Spellings of one file aside, no two effects share their sound.
  std::set<std::string> distinct;
  for (const std::string& name : kEffects) distinct.insert(FoldCase(Find(name).string()));
  EXPECT_EQ(seen.size(), distinct.size());
}

TEST(SoundFiles, HurtSoundsGrowWithTheBlow) {
  const double ow1 = LoudnessDb(ReadWav(Find("SOUNDS/OW1.wav")));
  const double ow2 = LoudnessDb(ReadWav(Find("SOUNDS/OW2.wav")));
  const double ow3 = LoudnessDb(ReadWav(Find("SOUNDS/OW3.wav")));
  EXPECT_LT(ow1, ow2);
  EXPECT_LT(ow2, ow3);
  EXPECT_LT(ReadWav(Find("SOUNDS/OW1.wav")).samples.size(),
            ReadWav(Find("SOUNDS/OW3.wav")).samples.size());
}

TEST(SoundFiles, RainLoopJoinsWithoutAStep) {
  const Wav w = ReadWav(Find(kRainLoop));
  ASSERT_GT(w.samples.size(), 4u);
  // The jump from the last sample to the first must look like any other step of the rain.
  double steps = 0;
  for (std::size_t i = 1; i < w.samples.size(); ++i)
    steps += std::abs(w.samples[i] - w.samples[i - 1]);
  const double typical = steps / static_cast<double>(w.samples.size() - 1);
  EXPECT_LT(std::abs(w.samples.front() - w.samples.back()), 4 * typical);
  EXPECT_GT(w.samples.size(), static_cast<std::size_t>(w.rate) * 8) << "too short a loop";
}

TEST(SoundFiles, MusicIsGeneralMidiWithAnInstrumentOnEveryChannel) {
  std::vector<std::string> all = kLoopingTunes;
  all.insert(all.end(), kOnceTunes.begin(), kOnceTunes.end());
  for (const std::string& name : all) {
    const Midi m = ReadMidi(Find(name));
    ASSERT_EQ(m.format, 1) << name;
    EXPECT_GT(m.tracks, 2) << name;
    EXPECT_EQ(m.unmatched_notes, 0) << name;
    EXPECT_GT(m.seconds, 3.0) << name;
    for (int ch : m.channels_with_notes) {
      if (ch == 9) continue;  // the drum channel needs no instrument
      EXPECT_TRUE(m.channels_with_program.count(ch)) << name << " channel " << ch;
    }
  }
  for (const std::string& name : kLoopingTunes) {
    const Midi m = ReadMidi(Find(name));
    EXPECT_GT(m.seconds, 20.0) << name << " repeats too soon";
    // Every voice stops dead on the last tick, so the repeat starts exactly in time.
    EXPECT_EQ(m.channels_silenced_at_end, m.channels_with_notes) << name;
  }
}

TEST_F(PlayedSounds, EveryEffectDecodes) {
  ASSERT_TRUE(audio_.open());
  for (const std::string& name : kEffects) {
    const double seconds = ClipSeconds(name);
    EXPECT_GT(seconds, 0.02) << name << ": " << Mix_GetError();
  }
}

TEST_F(PlayedSounds, LoopingTunesDecodeToTheirWrittenLength) {
  ASSERT_TRUE(audio_.open());
  for (const std::string& name : kLoopingTunes) {
    const double written = ReadMidi(Find(name)).seconds;
    // After the silent tail is trimmed, the repeat must come back on the beat.
    EXPECT_NEAR(ClipSeconds(name), written, 0.03) << name << ": " << Mix_GetError();
  }
}

TEST_F(PlayedSounds, JinglesDecodeWhole) {
  ASSERT_TRUE(audio_.open());
  for (const std::string& name : kOnceTunes) {
    const double written = ReadMidi(Find(name)).seconds;
    const double played = ClipSeconds(name);
    EXPECT_GT(played, written - 1.0) << name << ": " << Mix_GetError();
    EXPECT_LT(played, written + 5.0) << name;
  }
}

}  // namespace
}  // namespace tq
