// Where a sound starts: oscillators, noises, crackle and struck objects.
#pragma once

#include <initializer_list>

#include "buffer.h"
#include "rng.h"

namespace tq::soundgen {

enum class Wave { Sine, Triangle, Saw, Square };

// A tone whose pitch and level follow curves; band-limited saw and square.
Buffer Tone(double seconds, Wave wave, const Curve& freq, const Curve& amp);
Buffer WhiteNoise(double seconds, Rng& rng);
Buffer PinkNoise(double seconds, Rng& rng);
// Noise that crackles: sparse random impulses of random height.
Buffer Crackle(double seconds, double perSecond, Rng& rng);

struct Mode {
  double freq;
  double amp;
  double decay;  // seconds to fall 60 dB
};
// Struck objects (metal, wood, glass) as a sum of decaying partials.
Buffer Modal(double seconds, std::initializer_list<Mode> modes);

}  // namespace tq::soundgen
