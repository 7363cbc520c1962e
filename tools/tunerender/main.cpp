// tunerender SOUNDS_FOLDER: renders every MIDI tune in the folder once at build time with the
// General MIDI synthesiser and sound font the game used to play them with and writes it beside
// the tune as FLAC (NAME.mid -> NAME.flac). A repeating tune is rendered ringing on past its end
// and that ring-out laid over its start, so that it is exactly as long as written, repeats in
// time and joins its end to its start as a player playing it twice would; a tune played once
// only loses its silent tail. The game streams these files, so playing a tune never waits for a
// synthesiser and never holds a whole tune in memory; FLAC rather than a lossy format because
// its decoding costs the audio thread half as much, which matters to a game that idles.
#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/silent_tail.h"
#include "flac_writer.h"
#include "loop_seam.h"
#include "ring_out.h"

namespace {

constexpr int kRate = 44100;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kAtOnce = 4;  // tunes rendered side by side, one process each
// How long a repeating tune's last notes and reverb are let ring after its end, well past the
// time they take to die away under the sound font's longest release.
constexpr double kRingSeconds = 8.0;

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open it");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double Db(double v) {
  return v > 0 ? 20 * std::log10(v / 32768.0) : -120;
}

// The synthesised frames of a tune, interleaved stereo; empty when it cannot be rendered.
std::vector<std::int16_t> Synthesise(const std::string& midi, const std::filesystem::path& tune) {
  Mix_Chunk* chunk =
      Mix_LoadWAV_RW(SDL_RWFromConstMem(midi.data(), static_cast<int>(midi.size())), 1);
  if (!chunk) {
    std::fprintf(stderr, "tunerender: cannot render %s: %s\n", tune.c_str(), Mix_GetError());
    return {};
  }
  const auto* samples = reinterpret_cast<const std::int16_t*>(chunk->abuf);
  std::vector<std::int16_t> out(samples, samples + chunk->alen / 2);
  Mix_FreeChunk(chunk);
  return out;
}

// One play of the tune as the game streams it: a repeating tune with its ring-out over its start
// and begun where it is quietest, a tune played once without its silent tail.
std::vector<std::int16_t> OnePlay(const tq::tunerender::RingingTune& tune,
                                  std::vector<std::int16_t> rendered) {
  if (tune.loopSeconds <= 0) {
    rendered.resize(tq::TrimSilentTail(rendered.data(), rendered.size() * 2, 2) / 2);
    return rendered;
  }
  const auto loopFrames = static_cast<std::size_t>(std::lround(tune.loopSeconds * kRate));
  std::vector<std::int16_t> loop =
      tq::tunerender::FoldRingOut(rendered.data(), rendered.size() / 2, loopFrames);
  tq::tunerender::StartAtQuietestFrame(loop, kRate / 50);
  return loop;
}

bool Write(const std::filesystem::path& tune, const std::vector<std::int16_t>& samples) {
  std::filesystem::path out = tune;
  out.replace_extension(".flac");
  const std::filesystem::path part = out.string() + ".part";
  const std::size_t frames = samples.size() / 2;
  try {
    tq::tunerender::WriteFlac(part.string(), samples.data(), frames, kRate);
    std::filesystem::rename(part, out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tunerender: %s: %s\n", out.c_str(), e.what());
    std::filesystem::remove(part);
    return false;
  }
  double peak = 0, sum = 0;
  for (std::int16_t v : samples) {
    peak = std::max(peak, std::fabs(static_cast<double>(v)));
    sum += static_cast<double>(v) * v;
  }
  std::printf("%-20s %6.2f s  peak %6.1f dBFS  loudness %6.1f dBFS  %7.1f kB\n",
              out.filename().c_str(), static_cast<double>(frames) / kRate, Db(peak),
              Db(frames ? std::sqrt(sum / static_cast<double>(frames * 2)) : 0),
              static_cast<double>(std::filesystem::file_size(out)) / 1024);
  return true;
}

// Renders one tune in this process; returns the exit status.
int Render(const std::filesystem::path& tune) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);  // the synthesiser needs an open mixer, not a card
  if (SDL_Init(SDL_INIT_AUDIO) != 0 ||
      Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, 2048, nullptr, 0) != 0) {
    std::fprintf(stderr, "tunerender: no mixer: %s\n", SDL_GetError());
    return 1;
  }
  Mix_Init(MIX_INIT_MID);
  if (!std::filesystem::exists(kSoundFont)) {
    std::fprintf(stderr, "tunerender: the sound font %s is missing\n", kSoundFont);
    return 1;
  }
  Mix_SetSoundFonts(kSoundFont);
  tq::tunerender::RingingTune ringing;
  try {
    ringing = tq::tunerender::LetRingOut(ReadFile(tune), kRingSeconds);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tunerender: cannot read %s: %s\n", tune.c_str(), e.what());
    return 1;
  }
  std::vector<std::int16_t> rendered = Synthesise(ringing.midi, tune);
  const bool written = !rendered.empty() && Write(tune, OnePlay(ringing, std::move(rendered)));
  Mix_CloseAudio();
  Mix_Quit();
  SDL_Quit();
  return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tunerender SOUNDS_FOLDER\n");
    return 2;
  }
  std::vector<std::filesystem::path> tunes;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(argv[1], ec)) {
    std::string ext = e.path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".mid") tunes.push_back(e.path());
  }
  if (ec) {
    std::fprintf(stderr, "tunerender: cannot read %s: %s\n", argv[1], ec.message().c_str());
    return 1;
  }
  std::fflush(stdout);
  int failed = 0, running = 0;
  auto reap = [&] {
    int status = 0;
    if (wait(&status) > 0) {
      --running;
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++failed;
    }
  };
  for (const auto& tune : tunes) {
    if (running == kAtOnce) reap();
    const pid_t pid = fork();
    if (pid == 0) {
      const int status = Render(tune);
      std::fflush(stdout);
      _exit(status);
    }
    if (pid < 0) {
      ++failed;
      continue;
    }
    ++running;
  }
  while (running > 0) reap();
  return failed ? 1 : 0;
}
