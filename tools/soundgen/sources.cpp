// Where a sound starts: oscillators, noises, crackle and struck objects.
#include "sources.h"

#include <algorithm>
#include <cmath>

#include "filters.h"

namespace tq::soundgen {
namespace {

// Smooths the jump of a saw or square edge (PolyBLEP) so high notes do not alias.
double PolyBlep(double phase, double inc) {
  if (phase < inc) {
    const double x = phase / inc;
    return x + x - x * x - 1.0;
  }
  if (phase > 1.0 - inc) {
    const double x = (phase - 1.0) / inc;
    return x * x + x + x + 1.0;
  }
  return 0.0;
}

}  // namespace

Buffer Tone(double seconds, Wave wave, const Curve& freq, const Curve& amp) {
  Buffer out(Samples(seconds));
  double phase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double inc = std::clamp(freq(t) / kRate, 0.0, 0.45);
    double v = 0.0;
    switch (wave) {
      case Wave::Sine:
        v = std::sin(2.0 * kPi * phase);
        break;
      case Wave::Triangle:
        v = 1.0 - 4.0 * std::abs(phase - 0.5);
        break;
      case Wave::Saw:
        v = 2.0 * phase - 1.0 - PolyBlep(phase, inc);
        break;
      case Wave::Square: {
        v = (phase < 0.5 ? 1.0 : -1.0) + PolyBlep(phase, inc) -
            PolyBlep(std::fmod(phase + 0.5, 1.0), inc);
        break;
      }
    }
    out[i] = static_cast<float>(v * amp(t));
    phase += inc;
    if (phase >= 1.0) phase -= 1.0;
  }
  return out;
}

Buffer WhiteNoise(double seconds, Rng& rng) {
  Buffer out(Samples(seconds));
  for (float& s : out) s = static_cast<float>(rng.Bipolar());
  return out;
}

Buffer PinkNoise(double seconds, Rng& rng) {
  // Paul Kellet's economy filter over white noise.
  Buffer out(Samples(seconds));
  double b0 = 0, b1 = 0, b2 = 0;
  for (float& s : out) {
    const double w = rng.Bipolar();
    b0 = 0.99765 * b0 + w * 0.0990460;
    b1 = 0.96300 * b1 + w * 0.2965164;
    b2 = 0.57000 * b2 + w * 1.0526913;
    s = static_cast<float>((b0 + b1 + b2 + w * 0.1848) * 0.25);
  }
  return out;
}

Buffer Crackle(double seconds, double perSecond, Rng& rng) {
  Buffer out(Samples(seconds));
  const double chance = perSecond / kRate;
  for (float& s : out) {
    if (rng.Uniform() < chance) s = static_cast<float>(rng.Bipolar());
  }
  // Each crackle is a grain a fraction of a millisecond long, not a lone sample: a lone sample
  // is a digital tick at the very top of the band.
  Filter(out, Biquad::Kind::LowPass, 7000, 0.7);
  Filter(out, Biquad::Kind::LowPass, 7000, 0.7);
  Gain(out, 2.5);
  return out;
}

Buffer Modal(double seconds, std::initializer_list<Mode> modes) {
  Buffer out(Samples(seconds));
  for (const Mode& m : modes) {
    if (m.freq >= kRate * 0.45) continue;
    // Recursive sine oscillator with a per-sample decay factor.
    const double w = 2.0 * kPi * m.freq / kRate;
    const double r = std::exp(-6.907755 / (m.decay * kRate));
    const double c = 2.0 * r * std::cos(w);
    // Starts at zero and rings at amplitude `amp`: y[n] = amp * r^n * sin(w (n + 1)).
    double y1 = 0.0, y2 = -m.amp * std::sin(w) / (r * r);
    for (float& s : out) {
      const double y = c * y1 - r * r * y2;
      y2 = y1;
      y1 = y;
      s += static_cast<float>(y);
    }
  }
  return out;
}

}  // namespace tq::soundgen
