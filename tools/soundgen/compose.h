// Arranging helpers: chords, held pads, broken chords, bass lines and drum patterns.
#pragma once

#include <string_view>
#include <vector>

#include "midi_song.h"

namespace tq::soundgen {

// The notes of a chord symbol ("Dm", "Bb", "A7", "Cmaj7", "Bdim", "Gsus4", "F#m7", "C5"),
// root in the given octave, the other tones above it.
std::vector<int> ChordTones(std::string_view symbol, int octave);

// Chord symbols, one per bar, separated by blanks ("Dm C Bb C").
std::vector<std::string_view> Bars(std::string_view progression);

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

// General MIDI drum keys used by the pieces.
namespace drum {
constexpr int kKick = 36, kRim = 37, kSnare = 38, kClap = 39, kLowFloorTom = 41, kClosedHat = 42,
              kLowTom = 45, kOpenHat = 46, kMidTom = 47, kHighTom = 50, kCrash = 49, kRide = 51,
              kChinaCymbal = 52, kTambourine = 54, kSplash = 55, kHighBongo = 60, kLowBongo = 61,
              kHighConga = 63, kLowConga = 64, kShaker = 70, kTriangle = 81;
}  // namespace drum

}  // namespace tq::soundgen
