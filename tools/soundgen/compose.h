// Arranging helpers: chords, the bars of a piece, melodies, held pads, broken chords, bass
// roots and drum patterns.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "midi_song.h"

namespace tq::soundgen {

// The notes of a chord symbol ("Dm", "Bb", "A7", "Cmaj7", "Bdim", "Gsus4", "F#m7", "C5"),
// root in the given octave, the other tones above it.
std::vector<int> ChordTones(std::string_view symbol, int octave);

// The root of a chord in `octave`, an octave lower when it would lie above `highest` ("G2"):
// where a bass line plays it.
int LowRoot(std::string_view chord, int octave, std::string_view highest);

// The skeleton of a piece: `play` is called for each bar of a progression of chord symbols,
// one a bar, separated by blanks ("Dm C Bb C"), with the bar's index, first beat and chord.
void EachBar(const Song& song, std::string_view progression,
             const std::function<void(std::size_t bar, double at, std::string_view chord)>& play);

// A phrase of a tune, in the notation of Song::Line, and how hard it is played.
struct Phrase {
  std::string_view notes;
  int velocity;
};
// The phrases one after another from `beat`; returns the beat after the last.
double Melody(Song& song, int part, double beat, std::initializer_list<Phrase> phrases,
              double gate = 0.95);

// A chord held for `beats`.
void Pad(Song& song, int part, double beat, double beats, std::string_view chord, int octave,
         int velocity);
// A broken chord: `order` picks chord tones by index (an index past the top wraps an octave
// up), one every `step` beats, for `beats` beats.
void Broken(Song& song, int part, double beat, double beats, std::string_view chord, int octave,
            double step, const std::vector<int>& order, int velocity, double gate = 0.9);
// One drum (or one pitch) played on a grid: 'X' accent, 'x' normal, 'o' soft, anything else
// silent; one character every `step` beats.
void Hits(Song& song, int part, double beat, double step, int note, std::string_view grid,
          int velocity);

// General MIDI programs (counted from 0) played by the pieces.
namespace program {
constexpr int kGlockenspiel = 9, kMarimba = 12, kTubularBells = 14, kNylonGuitar = 24,
              kAcousticBass = 32, kFingerBass = 33, kFretlessBass = 35, kCello = 42,
              kContrabass = 43, kTremoloStrings = 44, kPizzicatoStrings = 45, kHarp = 46,
              kTimpani = 47, kStrings = 48, kChoir = 52, kTrumpet = 56, kTrombone = 57, kTuba = 58,
              kFrenchHorn = 60, kBrassSection = 61, kOboe = 68, kBassoon = 70, kFlute = 73,
              kRecorder = 74, kShakuhachi = 77, kWarmPad = 89;
}  // namespace program

// General MIDI drum keys used by the pieces.
namespace drum {
constexpr int kKick = 36, kRim = 37, kSnare = 38, kClap = 39, kLowFloorTom = 41, kClosedHat = 42,
              kLowTom = 45, kOpenHat = 46, kMidTom = 47, kHighTom = 50, kCrash = 49, kRide = 51,
              kChinaCymbal = 52, kTambourine = 54, kSplash = 55, kHighBongo = 60, kLowBongo = 61,
              kHighConga = 63, kLowConga = 64, kShaker = 70, kTriangle = 81;
}  // namespace drum

}  // namespace tq::soundgen
