// A small formant voice: the hero's shouts and grunts and the creatures' cries.
#pragma once

#include <string>
#include <vector>

#include "buffer.h"
#include "rng.h"

namespace tq::soundgen {

// Who is making the sound.
struct VoiceKind {
  double formantScale = 1.0;  // below 1 for a bigger throat, above 1 for a smaller one
  double breath = 0.05;       // aspiration mixed into the voiced sound
  double rough = 0.0;         // growl: random and sub-harmonic wobble of the pitch
  double vibrato = 0.0;       // semitones
  double vibratoRate = 5.5;   // per second
  double air = 0.6;           // breath heard above the formants, in the mouth's rush of air
};

// One sound of an utterance. `sound` is a vowel ("a", "e", "i", "o", "u", "ae", "uh", "ih",
// "er", "aw") or a consonant ("p", "t", "k", "b", "d", "g", "s", "sh", "f", "h", "m", "n", "l",
// "r", "w", "y") or "-" for a pause.
struct Phone {
  std::string sound;
  double seconds;
  double pitchFrom;  // Hz at the start; 0 keeps the previous pitch
  double pitchTo;    // Hz at the end; 0 holds `pitchFrom`
  double level = 1.0;
};

Buffer Speak(const std::vector<Phone>& phones, const VoiceKind& voice, Rng& rng);

}  // namespace tq::soundgen
