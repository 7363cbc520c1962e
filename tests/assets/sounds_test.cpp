// The built game folder's sounds: every name the game plays is there, decodes through the game's
// own player, and the files are well made (levels, clean ends, music that loops in time).
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/sdl_audio.h"
#include "app/tune_stream.h"
#include "assets/asset_measures.h"
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

// The signal weighted as ITU-R BS.1770 weighs loudness: a shelf lifting the presence above
// 1.5 kHz and a cut below 40 Hz, designed for the given rate.
std::vector<double> KWeighted(const std::vector<double>& x, int rate) {
  double k = std::tan(std::numbers::pi * 1681.974450955533 / rate);
  const double q = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20.0);
  const double vb = std::pow(vh, 0.4996667741545416);
  double a0 = 1 + k / q + k * k;
  Section shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
                (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  k = std::tan(std::numbers::pi * 38.13547087602444 / rate);
  a0 = 1 + k / 0.5003270373238773 + k * k;
  Section cut{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / 0.5003270373238773 + k * k) / a0};
  std::vector<double> out(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) out[i] = cut(shelf(x[i]));
  return out;
}

// Power of each 400 ms block, every `hop` seconds, K-weighted and summed over the channels as
// BS.1770 sums them (a short sound fills part of one block).
std::vector<double> Blocks(const std::vector<double>& interleaved, int channels, int rate,
                           double hop) {
  const std::size_t n = static_cast<std::size_t>(rate) * 2 / 5;
  const std::size_t step = static_cast<std::size_t>(rate * hop);
  const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
  std::vector<double> power;
  for (int c = 0; c < channels; ++c) {
    std::vector<double> one(frames);
    for (std::size_t i = 0; i < frames; ++i) one[i] = interleaved[i * channels + c];
    const std::vector<double> w = KWeighted(one, rate);
    std::size_t block = 0;
    for (std::size_t start = 0; start == 0 || start + n <= w.size(); start += step, ++block) {
      double sum = 0;
      for (std::size_t i = start; i < std::min(w.size(), start + n); ++i) sum += w[i] * w[i];
      if (power.size() <= block) power.push_back(0);
      power[block] += sum / static_cast<double>(n);
    }
  }
  return power;
}

double Lufs(double power) {
  return -0.691 + 10 * std::log10(std::max(power, 1e-12));
}

// How loud a short sound is heard: its loudest 400 ms, K-weighted, in LUFS.
double MomentaryLoudness(const std::vector<double>& x, int rate) {
  const std::vector<double> p = Blocks(x, 1, rate, 0.05);
  return Lufs(*std::max_element(p.begin(), p.end()));
}

// How loud a piece of music is over its length: BS.1770's gated loudness, in LUFS.
double IntegratedLoudness(const std::vector<double>& interleaved, int channels, int rate) {
  std::vector<double> p = Blocks(interleaved, channels, rate, 0.1);
  std::erase_if(p, [](double v) { return Lufs(v) <= -70; });
  double mean = 0;
  for (double v : p) mean += v / static_cast<double>(p.size());
  std::erase_if(p, [&](double v) { return Lufs(v) <= Lufs(mean) - 10; });
  mean = 0;
  for (double v : p) mean += v / static_cast<double>(p.size());
  return Lufs(mean);
}

// Times (seconds) of clicks: spikes of energy above 12 kHz half a millisecond long that stand
// 25 dB over the signal a millisecond either side and above -60 dBFS. Strikes and crackles
// ring on for longer; a click is a lone tick. A sound's own first 10 ms are its attack.
std::vector<double> Clicks(const std::vector<double>& x, int rate) {
  Section a = HighPass(12000, 0.5412, rate), b = HighPass(12000, 1.3066, rate);
  const std::size_t n = static_cast<std::size_t>(rate) / 2000;
  std::vector<double> frames;
  double sum = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double h = b(a(x[i]));
    sum += h * h;
    if ((i + 1) % n == 0)
      frames.push_back(10 * std::log10(sum / static_cast<double>(n) + 1e-14)), sum = 0;
  }
  std::vector<double> at;
  for (std::size_t f = 20; f < frames.size(); ++f) {
    const double before = frames[f - 2], after = f + 2 < frames.size() ? frames[f + 2] : -140;
    if (frames[f] > -60 && frames[f] - std::max(before, after) > 25)
      at.push_back(static_cast<double>(f * n) / rate);
  }
  return at;
}

// Seconds of near silence (20 ms stretches under -60 dBFS) at the end.
double SilentTail(const std::vector<double>& x, int rate) {
  const std::size_t n = static_cast<std::size_t>(rate) / 50;
  std::size_t end = x.size();
  while (end >= n) {
    double sum = 0;
    for (std::size_t i = end - n; i < end; ++i) sum += x[i] * x[i];
    if (sum / static_cast<double>(n) > 1e-6) break;
    end -= n;
  }
  return static_cast<double>(x.size() - end) / rate;
}

struct Midi {
  int format = -1, tracks = 0, division = 0;
  double seconds = 0;                 // up to the last end of track
  std::set<int> channelsWithProgram;  // channels given an instrument
  std::set<int> channelsWithNotes;
  std::set<int> channelsSilencedAtEnd;  // "all sound off" on the very last tick
  int unmatchedNotes = 0;
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
      if (kind == 0xC0) m.channelsWithProgram.insert(ch);
      if (kind == 0x90 && d2 > 0) {
        m.channelsWithNotes.insert(ch);
        ++open[ch * 128 + d1];
      } else if (kind == 0x80 || kind == 0x90) {
        --open[ch * 128 + d1];
      }
      if (kind == 0xB0 && d1 == 120) silences.emplace_back(tick, ch);
    }
    for (const auto& [key, count] : open) m.unmatchedNotes += std::abs(count);
    at = stop;
  }
  for (const auto& [tick, ch] : silences)
    if (tick == end) m.channelsSilencedAtEnd.insert(ch);
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

// What the game plays for a sound name: a tune is streamed from the FLAC the build rendered
// beside it, an effect is the file itself.
std::string Played(const std::string& name) {
  if (!name.ends_with(".mid")) return name;
  return name.substr(0, name.size() - 4) + ".flac";
}

// Decodes through the game's own player (SDL_mixer, the tail trimmed), the tunes as rendered.
class PlayedSounds : public ::testing::Test {
 protected:
  PlayedSounds() : audio_((QuietDevice(), assets_), kGameDir) {}
  // Tests decode only; they never reach for a real sound card.
  static void QuietDevice() { setenv("SDL_AUDIODRIVER", "dummy", 0); }
  // Seconds of a decoded clip, or -1 when it cannot be played.
  double ClipSeconds(const std::string& name) {
    Mix_Chunk* clip = audio_.Clip(kGameDir + Played(name));
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!clip || !Mix_QuerySpec(&rate, &format, &channels)) return -1;
    return clip->alen / (2.0 * channels * rate);
  }
  // One play of a repeated sound as the music channel plays it, stereo, with its rate: a tune
  // streamed from its whole FLAC file, a clip as the mixer holds it.
  std::pair<std::vector<double>, int> PlayedOnce(const std::string& name) {
    std::vector<double> out;
    if (name.ends_with(".mid")) {
      std::string error;
      const auto tune = TuneStream::Open(Find(Played(name)).string(), 1, error);
      if (!tune) return {out, 0};
      std::vector<std::int16_t> pcm(static_cast<std::size_t>(tune->length()) * 2);
      tune->MixInto(pcm.data(), static_cast<int>(tune->length()));
      for (std::int16_t v : pcm) out.push_back(v / 32768.0);
      return {out, 44100};
    }
    Mix_Chunk* clip = audio_.Clip(kGameDir + name);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!clip || !Mix_QuerySpec(&rate, &format, &channels) || channels != 2) return {out, 0};
    const auto* pcm = reinterpret_cast<const std::int16_t*>(clip->abuf);
    for (std::size_t i = 0; i < clip->alen / 2; ++i) out.push_back(pcm[i] / 32768.0);
    return {out, rate};
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
    const double loud = MomentaryLoudness(w.samples, w.rate);
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
  EXPECT_LE(loudest - quietest, 6.0) << "effects differ too much in loudness";
  // Spellings of one file aside, no two effects share their sound.
  std::set<std::string> distinct;
  for (const std::string& name : kEffects) distinct.insert(FoldCase(Find(name).string()));
  EXPECT_EQ(seen.size(), distinct.size());
}

TEST(SoundFiles, HurtSoundsGrowWithTheBlow) {
  auto loudness = [](const char* name) {
    const Wav w = ReadWav(Find(name));
    return MomentaryLoudness(w.samples, w.rate);
  };
  const double ow1 = loudness("SOUNDS/OW1.wav");
  const double ow2 = loudness("SOUNDS/OW2.wav");
  const double ow3 = loudness("SOUNDS/OW3.wav");
  EXPECT_LT(ow1, ow2);
  EXPECT_LT(ow2, ow3);
  EXPECT_LT(ReadWav(Find("SOUNDS/OW1.wav")).samples.size(),
            ReadWav(Find("SOUNDS/OW3.wav")).samples.size());
}

TEST(SoundFiles, EffectsCarryNoOffsetNoClickAndNoSilentTail) {
  std::set<std::string> done;
  for (const std::string& name : kEffects) {
    const std::filesystem::path file = Find(name);
    if (!done.insert(FoldCase(file.string())).second) continue;
    const Wav w = ReadWav(file);
    double mean = 0;
    for (double v : w.samples) mean += v / static_cast<double>(w.samples.size());
    EXPECT_LT(std::abs(mean), 1e-3) << name << " sits off zero";
    const std::vector<double> clicks = Clicks(w.samples, w.rate);
    EXPECT_TRUE(clicks.empty()) << name << " clicks at " << clicks.front() << " s";
    if (FoldCase(name) != FoldCase(kRainLoop)) {
      EXPECT_LT(SilentTail(w.samples, w.rate), 0.15) << name << " ends in a silent stretch";
    }
  }
}

TEST(SoundFiles, NoEffectCutsALayerOfItsNoiseOff) {
  std::set<std::string> done;
  std::vector<Miss> misses;
  for (const std::string& name : kEffects) {
    const std::filesystem::path file = Find(name);
    if (!done.insert(FoldCase(file.string())).second) continue;
    const Wav w = ReadWav(file);
    ASSERT_GT(w.rate, 0) << name;
    const Cut cut = HardestCut(w.samples, w.rate);
    char line[96];
    std::snprintf(line, sizeof line, "%s: %.1f dB at %.2f s", file.filename().c_str(), cut.dB,
                  cut.seconds);
    if (cut.dB >= 10) misses.push_back({cut.dB, line});
  }
  EXPECT_TRUE(misses.empty()) << "the band above 4 kHz falls (goal under 10 dB): "
                              << WorstFirst(misses, true);
}

TEST(SoundFiles, VoicesBreatheAboveTheirFormantsAndSqueaksDoNotFoldBack) {
  // Share of a sound's energy above a frequency, through a fourth-order high-pass.
  auto above = [](const char* name, double hz) {
    const Wav w = ReadWav(Find(name));
    Section a = HighPass(hz, 0.5412, w.rate), b = HighPass(hz, 1.3066, w.rate);
    double high = 0, all = 0;
    for (double v : w.samples) {
      const double h = b(a(v));
      high += h * h, all += v * v;
    }
    return high / all;
  };
  // The hero's voice has the breath and edge of a real throat, not a buzz cut off at 3.5 kHz.
  for (const char* voice :
       {"sounds/FAMILY.wav", "SOUNDS/YEAH.wav", "sOUNDS/LOOKATTHAT.wav", "sounds/allright.wav",
        "SOUNDS/OW1.wav", "SOUNDS/OW2.wav", "SOUNDS/OW3.wav"}) {
    EXPECT_GT(above(voice, 3500), 0.0025) << voice;
  }
  // The bats' squeaks are made under the top of the band: nothing folds back above 12 kHz.
  EXPECT_LT(above("sounds/ROAR0.wav", 12000), 0.001);
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
    EXPECT_EQ(m.unmatchedNotes, 0) << name;
    EXPECT_GT(m.seconds, 3.0) << name;
    for (int ch : m.channelsWithNotes) {
      if (ch == 9) continue;  // the drum channel needs no instrument
      EXPECT_TRUE(m.channelsWithProgram.count(ch)) << name << " channel " << ch;
    }
  }
  for (const std::string& name : kLoopingTunes) {
    const Midi m = ReadMidi(Find(name));
    EXPECT_GT(m.seconds, 20.0) << name << " repeats too soon";
    // Every voice stops dead on the last tick, so the repeat starts exactly in time.
    EXPECT_EQ(m.channelsSilencedAtEnd, m.channelsWithNotes) << name;
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

TEST_F(PlayedSounds, LoopsWrapWithoutATick) {
  ASSERT_TRUE(audio_.open());
  std::vector<std::string> loops = kLoopingTunes;
  loops.push_back(kRainLoop);
  std::set<std::string> done;
  std::vector<Miss> misses;
  for (const std::string& name : loops) {
    const std::filesystem::path file = Find(Played(name));
    if (!done.insert(FoldCase(file.string())).second) continue;
    const auto [samples, rate] = PlayedOnce(name);
    ASSERT_GT(samples.size(), 4u) << name;
    const double ratio = SeamRatio(samples, 2, rate);
    char line[96];
    std::snprintf(line, sizeof line, "%s: %.2f", file.filename().c_str(), ratio);
    if (ratio > 1.0) misses.push_back({ratio, line});
  }
  EXPECT_TRUE(misses.empty()) << "the jump at the wrap against the largest step of the last "
                                 "100 ms (goal 1.0 at most): "
                              << WorstFirst(misses, true);
}

TEST_F(PlayedSounds, MusicIsEvenlyLoudAndNeverClips) {
  ASSERT_TRUE(audio_.open());
  int rate = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_TRUE(Mix_QuerySpec(&rate, &format, &channels));
  ASSERT_EQ(format, AUDIO_S16SYS);
  std::vector<std::string> all = kLoopingTunes;
  all.insert(all.end(), kOnceTunes.begin(), kOnceTunes.end());
  std::set<std::string> done;
  double quietest = 0, loudest = -100;
  for (const std::string& name : all) {
    if (!done.insert(FoldCase(Find(name).string())).second) continue;
    Mix_Chunk* clip = audio_.Clip(kGameDir + Played(name));
    ASSERT_NE(clip, nullptr) << name;
    const auto* pcm = reinterpret_cast<const std::int16_t*>(clip->abuf);
    std::vector<double> samples(clip->alen / 2);
    int peak = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      samples[i] = pcm[i] / 32768.0;
      peak = std::max(peak, std::abs(static_cast<int>(pcm[i])));
    }
    // 6 dB of headroom: a synthesiser set to play hotter than ours still does not clip.
    EXPECT_LT(peak, 16423) << name << " peaks above -6 dBFS";
    const double loud = IntegratedLoudness(samples, channels, rate);
    quietest = std::min(quietest, loud), loudest = std::max(loudest, loud);
  }
  EXPECT_LE(loudest - quietest, 3.0) << "the pieces differ too much in loudness";
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
