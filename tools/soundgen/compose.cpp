// Arranging helpers: chords, the bars of a piece, melodies, held pads, broken chords, bass
// roots and drum patterns.
#include "compose.h"

#include <map>
#include <stdexcept>
#include <string>

namespace tq::soundgen {

std::vector<int> ChordTones(std::string_view symbol, int octave) {
  std::size_t i = 1;
  if (symbol.size() > 1 && (symbol[1] == '#' || symbol[1] == 'b')) i = 2;
  const int root = NoteNumber(std::string(symbol.substr(0, i)) + std::to_string(octave));
  static const std::map<std::string, std::vector<int>, std::less<>> kQualities = {
      {"", {0, 4, 7}},         {"m", {0, 3, 7}},
      {"7", {0, 4, 7, 10}},    {"m7", {0, 3, 7, 10}},
      {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}},
      {"sus4", {0, 5, 7}},     {"sus2", {0, 2, 7}},
      {"5", {0, 7}},           {"7b9", {0, 4, 7, 10, 13}},
      {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}},
  };
  const auto found = kQualities.find(symbol.substr(i));
  if (found == kQualities.end()) throw std::invalid_argument("bad chord " + std::string(symbol));
  std::vector<int> notes;
  for (int step : found->second) notes.push_back(root + step);
  return notes;
}

namespace {

std::vector<std::string_view> Bars(std::string_view progression) {
  std::vector<std::string_view> bars;
  std::size_t pos = 0;
  while (pos < progression.size()) {
    while (pos < progression.size() && progression[pos] == ' ') ++pos;
    const std::size_t end = std::min(progression.find(' ', pos), progression.size());
    if (end > pos) bars.push_back(progression.substr(pos, end - pos));
    pos = end;
  }
  return bars;
}

}  // namespace

int LowRoot(std::string_view chord, int octave, std::string_view highest) {
  const int root = ChordTones(chord, octave)[0];
  return root > NoteNumber(highest) ? root - 12 : root;
}

void EachBar(const Song& song, std::string_view progression,
             const std::function<void(std::size_t bar, double at, std::string_view chord)>& play) {
  const std::vector<std::string_view> chords = Bars(progression);
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    play(bar, static_cast<double>(bar) * song.beatsPerBar(), chords[bar]);
  }
}

double Melody(Song& song, int part, double beat, std::initializer_list<Phrase> phrases,
              double gate) {
  for (const Phrase& phrase : phrases)
    beat = song.Line(part, beat, phrase.notes, phrase.velocity, gate);
  return beat;
}

void Pad(Song& song, int part, double beat, double beats, std::string_view chord, int octave,
         int velocity) {
  for (int n : ChordTones(chord, octave)) song.Note(part, beat, beats, n, velocity, 0.98);
}

void Broken(Song& song, int part, double beat, double beats, std::string_view chord, int octave,
            double step, const std::vector<int>& order, int velocity, double gate) {
  const std::vector<int> tones = ChordTones(chord, octave);
  const int size = static_cast<int>(tones.size());
  int k = 0;
  for (double t = 0.0; t < beats - 1e-9; t += step, ++k) {
    const int index = order[static_cast<std::size_t>(k) % order.size()];
    const int note = tones[static_cast<std::size_t>(index % size)] + 12 * (index / size);
    song.Note(part, beat + t, step, note, velocity, gate);
  }
}

void Hits(Song& song, int part, double beat, double step, int note, std::string_view grid,
          int velocity) {
  for (std::size_t i = 0; i < grid.size(); ++i) {
    int v = 0;
    if (grid[i] == 'X') v = std::min(127, velocity + 25);
    if (grid[i] == 'x') v = velocity;
    if (grid[i] == 'o') v = velocity * 3 / 5;
    if (v > 0) song.Note(part, beat + static_cast<double>(i) * step, step, note, v, 0.5);
  }
}

}  // namespace tq::soundgen
