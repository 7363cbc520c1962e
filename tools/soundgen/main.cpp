// soundgen: writes every sound effect (WAV) and piece of music (MIDI) of the game into a folder.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "buffer.h"
#include "catalogue.h"
#include "filters.h"
#include "loudness.h"
#include "wav_file.h"

namespace {

using namespace tq::soundgen;

void WriteEffects(const std::filesystem::path& folder, bool report) {
  const std::vector<Effect> all = Effects();
  // Each effect is made from its own seed, so a few workers share the list and the files come
  // out the same whichever worker makes them.
  std::vector<std::string> lines(all.size());
  std::vector<std::string> errors(all.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < all.size(); i = next++) {
      const Effect& e = all[i];
      try {
        Buffer sound = e.make();
        Level(sound, e.loudness);
        if (!e.loops) {
          RemoveDc(sound);               // after levelling: bending the peaks can shift the middle
          TrimTail(sound, -60.0, 0.03);  // nothing but silence after the sound has died away
          FadeEdges(sound, 0.002, 0.005);  // no click at either end
        }
        WriteWav(folder / e.file, sound);
        char line[160];
        std::snprintf(line, sizeof line, "%-18s %6.2f s  loudness %6.1f LUFS  peak %5.1f dBFS\n",
                      e.file.c_str(), Seconds(sound), MomentaryLoudness(sound), PeakDb(sound));
        lines[i] = line;
      } catch (const std::exception& ex) {
        errors[i] = ex.what();
      }
    }
  };
  const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::thread> pool;
  for (unsigned w = 1; w < workers; ++w) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  for (const std::string& error : errors)
    if (!error.empty()) throw std::runtime_error(error);
  if (report)
    for (const std::string& line : lines) std::fputs(line.c_str(), stdout);
}

void WriteMusic(const std::filesystem::path& folder, bool report) {
  for (const Tune& t : Tunes()) {
    Song song = t.make();
    song.setLevel(t.levelDb);
    const std::string bytes = song.Bytes();
    std::ofstream file(folder / t.file, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + (folder / t.file).string());
    if (report) std::printf("%-18s %6.2f s\n", t.file.c_str(), song.seconds());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: soundgen OUTPUT_FOLDER [--report]\n");
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    const bool report = argc > 2 && std::string(argv[2]) == "--report";
    std::filesystem::create_directories(folder);
    WriteEffects(folder, report);
    WriteMusic(folder, report);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "soundgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
