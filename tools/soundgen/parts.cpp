// Recurring ingredients of the effects: thumps, knocks, metal, bells, whooshes and sparkles.
#include "parts.h"

#include <cmath>

#include "filters.h"
#include "sources.h"

namespace tq::soundgen {

Buffer Thump(double fromHz, double toHz, double seconds, Rng& rng) {
  Buffer body = Tone(seconds, Wave::Sine, Expo(fromHz, toHz, seconds * 0.5),
                     [=](double t) { return Attack(t, 0.003) * Decay(t, seconds); });
  Buffer skin = WhiteNoise(seconds * 0.3, rng);
  Filter(skin, Biquad::Kind::LowPass, fromHz * 6.0, 0.7);
  Envelope(skin, [=](double t) { return Decay(t, seconds * 0.15); });
  MixAt(body, skin, 0.0, 0.4);
  return body;
}

Buffer Click(double hz, double seconds, Rng& rng) {
  Buffer b = WhiteNoise(seconds, rng);
  Filter(b, Biquad::Kind::BandPass, hz, 1.2);
  Envelope(b, [=](double t) { return Decay(t, seconds); });
  Gain(b, 3.0);
  return b;
}

Buffer WoodKnock(double hz, double seconds, Rng& rng) {
  Buffer b = Modal(seconds, {{hz, 1.0, seconds},
                             {hz * 2.37, 0.6, seconds * 0.7},
                             {hz * 3.91, 0.4, seconds * 0.5},
                             {hz * 5.7, 0.25, seconds * 0.35}});
  MixAt(b, Click(hz * 6.0, 0.012, rng), 0.0, 0.8);
  return b;
}

Buffer MetalHit(double hz, double ringSeconds, Rng& rng) {
  Buffer b = Modal(ringSeconds, {{hz, 0.7, ringSeconds},
                                 {hz * 2.76, 0.5, ringSeconds * 0.8},
                                 {hz * 4.07, 0.45, ringSeconds * 0.6},
                                 {hz * 5.39, 0.35, ringSeconds * 0.5},
                                 {hz * 7.13, 0.25, ringSeconds * 0.35},
                                 {hz * 8.93, 0.15, ringSeconds * 0.25}});
  MixAt(b, Click(hz * 5.0, 0.01, rng), 0.0, 1.0);
  return b;
}

Buffer Bell(double hz, double ringSeconds) {
  Buffer b = Modal(ringSeconds, {{hz, 0.8, ringSeconds},
                                 {hz * 2.0, 0.35, ringSeconds * 0.6},
                                 {hz * 3.0, 0.2, ringSeconds * 0.4},
                                 {hz * 4.2, 0.12, ringSeconds * 0.25}});
  // Struck with a soft hammer: the ring swells in over a millisecond and a half instead of
  // starting with a tick.
  Envelope(b, [](double t) { return Attack(t, 0.0015); });
  return b;
}

Buffer CoinClink(double hz, Rng& rng) {
  Buffer b = Modal(
      0.35,
      {{hz, 0.6, 0.3}, {hz * 1.48, 0.5, 0.25}, {hz * 2.13, 0.35, 0.2}, {hz * 2.89, 0.25, 0.12}});
  MixAt(b, Click(hz * 2.5, 0.006, rng), 0.0, 0.6);
  return b;
}

Buffer Whoosh(double seconds, double fromHz, double toHz, double q, Rng& rng) {
  Buffer b = WhiteNoise(seconds, rng);
  Sweep(b, Biquad::Kind::BandPass, Expo(fromHz, toHz, seconds), q);
  Envelope(b, [=](double t) { return std::pow(std::sin(kPi * t / seconds), 2.0); });
  Gain(b, 2.0);
  return b;
}

Buffer Sparkle(double seconds, int count, double lowHz, double highHz, Rng& rng) {
  Buffer out(Samples(seconds), 0.0f);
  for (int i = 0; i < count; ++i) {
    const double at = seconds * 0.75 * i / count + rng.Range(0.0, 0.03);
    const double hz = lowHz * std::pow(highHz / lowHz, rng.Uniform());
    MixAt(out, Bell(hz, 0.25), at, rng.Range(0.15, 0.3));
  }
  out.resize(Samples(seconds));
  return out;
}

Buffer Breath(double seconds, double fromHz, double toHz, bool in, Rng& rng) {
  Buffer mouth = WhiteNoise(seconds, rng);
  Buffer air = mouth;
  Sweep(mouth, Biquad::Kind::BandPass, Expo(fromHz, toHz, seconds), 2.5);
  Filter(air, Biquad::Kind::BandPass, in ? 5200 : 3600, 0.8);
  MixAt(mouth, air, 0.0, in ? 0.7 : 0.4);
  // A breath drawn in swells and stops short; one let out starts full and trails away.
  Envelope(mouth, [=](double t) {
    const double u = t / seconds;
    return in ? std::pow(std::sin(kPi * 0.5 * std::min(1.0, u / 0.8)), 2.0) *
                    std::min(1.0, (1 - u) / 0.08)
              : std::min(1.0, u / 0.06) * std::pow(1.0 - u, 1.5);
  });
  return mouth;
}

Buffer Growl(double seconds, double rate, double lowHz, Rng& rng) {
  Buffer rumble = PinkNoise(seconds, rng);
  Filter(rumble, Biquad::Kind::LowPass, lowHz * 4.0, 0.8);
  Filter(rumble, Biquad::Kind::HighPass, lowHz * 0.5, 0.7);
  double phase = 0.0, depth = 1.0;
  for (std::size_t i = 0; i < rumble.size(); ++i) {
    const double before = phase;
    phase += rate * (0.8 + 0.4 * rng.Uniform()) / kRate;
    if (std::floor(phase) != std::floor(before)) depth = 0.5 + 0.5 * rng.Uniform();
    const double beat = 0.5 + 0.5 * std::cos(2.0 * kPi * phase);
    rumble[i] = static_cast<float>(rumble[i] * (1.0 - depth + depth * beat * beat) * 3.0);
  }
  Envelope(rumble,
           [=](double t) { return std::min(1.0, t / 0.08) * std::min(1.0, (seconds - t) / 0.15); });
  return rumble;
}

Buffer Brass(double hz, double seconds, double level) {
  Buffer b = Tone(
      seconds, Wave::Saw, [=](double t) { return hz * (1.0 + 0.002 * std::sin(30 * t)); },
      [=](double t) {
        return level * Attack(t, 0.03) * (t > seconds - 0.06 ? (seconds - t) / 0.06 : 1.0);
      });
  // The brightness swells as the note is blown, like a horn.
  Sweep(
      b, Biquad::Kind::LowPass, [=](double t) { return hz * (1.5 + 4.0 * Attack(t, 0.08)); }, 0.9);
  return b;
}

double NoteHz(int midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

}  // namespace tq::soundgen
