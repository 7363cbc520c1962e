// A small formant voice: the hero's shouts and grunts and the creatures' cries. A glottal
// pulse with the irregularities of a living throat (jitter, shimmer, a growl) feeds five
// formants; breath noise rides along, and the air of it reaches above the formants.
#include "voice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "filters.h"

namespace tq::soundgen {
namespace {

enum class Manner { Vowel, Stop, Fricative, Aspirate, VoicedConsonant, Pause };

struct PhoneShape {
  Manner manner;
  std::array<double, 3> formants;  // F1..F3 in Hz (F4 is fixed)
  double voiced;                   // level of the voice
  double noise;                    // level of the hiss or burst
  double noiseFreq;                // centre of the hiss
  bool voicedRelease = false;      // b, d, g
};

const std::map<std::string, PhoneShape>& Shapes() {
  static const std::map<std::string, PhoneShape> kShapes = {
      {"a", {Manner::Vowel, {730, 1090, 2440}, 1.0, 0, 0}},
      {"e", {Manner::Vowel, {530, 1840, 2480}, 1.0, 0, 0}},
      {"i", {Manner::Vowel, {300, 2250, 3000}, 0.9, 0, 0}},
      {"o", {Manner::Vowel, {520, 860, 2400}, 1.0, 0, 0}},
      {"u", {Manner::Vowel, {320, 870, 2240}, 0.9, 0, 0}},
      {"ae", {Manner::Vowel, {660, 1720, 2410}, 1.0, 0, 0}},
      {"uh", {Manner::Vowel, {640, 1190, 2390}, 1.0, 0, 0}},
      {"ih", {Manner::Vowel, {390, 1990, 2550}, 0.95, 0, 0}},
      {"er", {Manner::Vowel, {490, 1350, 1690}, 0.95, 0, 0}},
      {"aw", {Manner::Vowel, {600, 900, 2500}, 1.0, 0, 0}},
      {"p", {Manner::Stop, {400, 900, 2300}, 0, 0.6, 900}},
      {"b", {Manner::Stop, {400, 900, 2300}, 0, 0.4, 900, true}},
      {"t", {Manner::Stop, {400, 1800, 2700}, 0, 0.7, 4500}},
      {"d", {Manner::Stop, {400, 1800, 2700}, 0, 0.5, 4000, true}},
      {"k", {Manner::Stop, {400, 1600, 2400}, 0, 0.7, 2200}},
      {"g", {Manner::Stop, {400, 1600, 2400}, 0, 0.5, 2000, true}},
      {"s", {Manner::Fricative, {400, 1700, 2600}, 0, 0.2, 6000}},
      {"sh", {Manner::Fricative, {400, 1700, 2400}, 0, 0.25, 3200}},
      {"f", {Manner::Fricative, {400, 1100, 2400}, 0, 0.1, 4500}},
      {"h", {Manner::Aspirate, {600, 1300, 2400}, 0, 0.5, 0}},
      {"m", {Manner::VoicedConsonant, {250, 1100, 2300}, 0.35, 0, 0}},
      {"n", {Manner::VoicedConsonant, {250, 1600, 2600}, 0.35, 0, 0}},
      {"l", {Manner::VoicedConsonant, {360, 1000, 2700}, 0.6, 0, 0}},
      {"r", {Manner::VoicedConsonant, {420, 1300, 1600}, 0.6, 0, 0}},
      {"w", {Manner::VoicedConsonant, {300, 700, 2200}, 0.6, 0, 0}},
      {"y", {Manner::VoicedConsonant, {280, 2200, 2900}, 0.6, 0, 0}},
      {"-", {Manner::Pause, {500, 1500, 2500}, 0, 0, 0}},
  };
  return kShapes;
}

// Klatt's digital resonator: unity gain at 0 Hz, a peak at the formant.
class Resonator {
 public:
  void Set(double freq, double bandwidth) {
    const double t = 1.0 / kRate;
    c_ = -std::exp(-2.0 * kPi * bandwidth * t);
    b_ = 2.0 * std::exp(-kPi * bandwidth * t) * std::cos(2.0 * kPi * freq * t);
    a_ = 1.0 - b_ - c_;
  }
  double Process(double x) {
    const double y = a_ * x + b_ * y1_ + c_ * y2_;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double a_ = 1, b_ = 0, c_ = 0, y1_ = 0, y2_ = 0;
};

// Moves a value toward its target with a time constant, for smooth joins between phones.
struct Glide {
  double value;
  double Step(double target, double seconds) {
    value += (target - value) * (1.0 - std::exp(-1.0 / (seconds * kRate)));
    return value;
  }
};

// Derivative of Rosenberg's glottal pulse: the puff of air through the vocal folds.
double GlottalFlow(double phase) {
  constexpr double kOpen = 0.4, kClose = 0.16;
  if (phase < kOpen) return 0.5 * (1.0 - std::cos(kPi * phase / kOpen));
  if (phase < kOpen + kClose) return std::cos(0.5 * kPi * (phase - kOpen) / kClose);
  return 0.0;
}

// What a phone asks of the voice at one moment of it.
struct Targets {
  double voiced;
  double noise;
  double noiseFreq;
  bool aspirate;
};

Targets TargetsAt(const PhoneShape& shape, double level, double frac) {
  Targets want{shape.voiced * level, shape.noise * level, shape.noiseFreq,
               shape.manner == Manner::Aspirate};
  if (shape.manner == Manner::Stop) {
    // Closure, burst, then release into breath or voice.
    if (frac < 0.55) {
      want.noise = 0.0;
    } else if (frac > 0.7) {
      want.noise = 0.0;
      if (shape.voicedRelease) {
        want.voiced = 0.5 * level;
      } else {
        want.aspirate = true;
      }
    }
  }
  return want;
}

// How much a period's pitch and strength wander at random: a steady buzz sounds like a machine.
constexpr double kJitter = 0.008, kShimmer = 0.08;

// The voice from sample to sample: the folds' pulses, the formants of the tract, the breath and
// the hiss, each gliding toward what the phone of the moment asks.
class Throat {
 public:
  Throat(const VoiceKind& voice, Rng& rng)
      : voice_(voice),
        rng_(rng),
        hiss_(Biquad::Kind::BandPass, 3000, 1.5),
        air_(Biquad::Kind::BandPass, 4200 * voice.formantScale, 0.6),
        airTop_(Biquad::Kind::LowPass, 7500 * voice.formantScale, 0.7),
        presence_(Biquad::Kind::Peak, 3600 * voice.formantScale, 0.8, 12.0 * voice.air) {}

  // One sample of a phone at `frac` of its length, at `pitch` Hz and `t` seconds into the
  // utterance; `retune` sets the filters to the gliding formants (every 32 samples).
  float Sample(const PhoneShape& shape, double level, double frac, double pitch, double t,
               bool retune) {
    const Targets want = TargetsAt(shape, level, frac);
    const double speed = shape.manner == Manner::Stop ? 0.003 : 0.008;
    const double v = voiced_.Step(want.voiced, speed);
    const double nz = noise_.Step(want.aspirate ? 0.0 : want.noise, speed);
    const double aspLevel = aspiration_.Step(want.aspirate ? 0.5 * level : 0.0, 0.004);
    const double nf = noiseFreq_.Step(want.noiseFreq > 0 ? want.noiseFreq : 3000, 0.01);
    const Pulse pulse = NextPulse(Wavering(pitch, t));
    const double puff = rng_.Bipolar();
    const double breathLevel = voice_.breath * (0.5 + pulse.flow) * v + aspLevel;
    const double x = pulse.source * v * 0.25 + puff * breathLevel;
    GlideFormants(shape, nf, retune);
    return Radiate(x, puff, breathLevel, nz);
  }

 private:
  struct Pulse {
    double flow;    // the air through the folds
    double source;  // what it sends into the tract
  };

  // The pitch with vibrato, and a growl for rough voices.
  double Wavering(double pitch, double t) {
    wobble_ += (rng_.Bipolar() * voice_.rough * 6.0 - wobble_) * 0.002;
    return pitch *
           std::pow(2.0, (voice_.vibrato * std::sin(2.0 * kPi * voice_.vibratoRate * t) + wobble_) /
                             12.0);
  }

  Pulse NextPulse(double f0) {
    phase_ += f0 * jitter_ / kRate;
    if (phase_ >= 1.0) {
      phase_ -= 1.0;
      // Rough voices alternate strong and weak pulses, the sound of a growl.
      sub_ = voice_.rough > 0.0 ? (sub_ > 0.9 ? 1.0 - voice_.rough * 0.8 : 1.0) : 1.0;
      jitter_ = 1.0 + rng_.Bipolar() * kJitter * (1.0 + voice_.rough * 3.0);
      shimmer_ = 1.0 + rng_.Bipolar() * kShimmer * (1.0 + voice_.rough);
    }
    const double flow = GlottalFlow(phase_);
    const double source = (flow - lastFlow_) * kRate / std::max(f0, 40.0) * sub_ * shimmer_;
    lastFlow_ = flow;
    return {flow, source};
  }

  // The formants glide on every sample; the filters follow them when `setFilters`.
  void GlideFormants(const PhoneShape& shape, double noiseFreq, bool setFilters) {
    const double scale = voice_.formantScale;
    for (std::size_t k = 0; k < 3; ++k) {
      const double f = formant_[k].Step(shape.formants[k], 0.02);
      if (setFilters) tract_[k].Set(f * scale, (60.0 + 40.0 * static_cast<double>(k)) * scale);
    }
    if (!setFilters) return;
    tract_[3].Set(3300.0 * scale, 260.0);
    tract_[4].Set(4300.0 * scale, 320.0);
    hiss_.Set(Biquad::Kind::BandPass, noiseFreq * scale, 1.8);
  }

  // Through the tract and out of the mouth, with the hiss and the rush of air past the lips.
  float Radiate(double x, double puff, double breathLevel, double hissLevel) {
    for (Resonator& r : tract_) x = r.Process(x);
    x = presence_.Process(static_cast<float>(x));
    x += hiss_.Process(static_cast<float>(rng_.Bipolar())) * hissLevel * 1.5;
    x += airTop_.Process(air_.Process(static_cast<float>(puff))) * breathLevel * voice_.air * 6.0;
    return static_cast<float>(x);
  }

  const VoiceKind& voice_;
  Rng& rng_;
  std::array<Resonator, 5> tract_;
  Biquad hiss_, air_, airTop_;
  // The edge a voice has when it is raised: the presence above the third formant.
  Biquad presence_;
  Glide voiced_{0}, noise_{0}, aspiration_{0}, noiseFreq_{3000};
  std::array<Glide, 3> formant_{Glide{500}, Glide{1500}, Glide{2500}};
  double phase_ = 0.0, lastFlow_ = 0.0, wobble_ = 0.0, sub_ = 1.0, jitter_ = 1.0, shimmer_ = 1.0;
};

// A voice never stops dead: after its last sound the buzz and the breath die away as the air
// runs out, down by 60 dB over this many seconds.
constexpr double kDieAway = 0.12;

void DieAway(Buffer& out, Throat& throat, const Phone& last, double pitch, double t) {
  const PhoneShape& shape = Shapes().at(last.sound);
  const std::size_t n = Samples(kDieAway);
  for (std::size_t i = 0; i < n; ++i, t += 1.0 / kRate) {
    const double level = last.level * Decay(static_cast<double>(i) / kRate, kDieAway);
    out.push_back(throat.Sample(shape, level, 1.0, pitch, t, i % 32 == 0));
  }
}

}  // namespace

Buffer Speak(const std::vector<Phone>& phones, const VoiceKind& voice, Rng& rng) {
  Buffer out;
  if (phones.empty()) return out;
  Throat throat(voice, rng);
  double pitch = phones.front().pitchFrom;
  double tTotal = 0.0;
  for (const Phone& ph : phones) {
    const PhoneShape& shape = Shapes().at(ph.sound);
    const double from = ph.pitchFrom > 0 ? ph.pitchFrom : pitch;
    const double to = ph.pitchTo > 0 ? ph.pitchTo : from;
    const std::size_t n = Samples(ph.seconds);
    for (std::size_t i = 0; i < n; ++i, tTotal += 1.0 / kRate) {
      const double frac = static_cast<double>(i) / static_cast<double>(n);
      pitch = from * std::pow(to / from, frac);  // a glide across the phone
      out.push_back(throat.Sample(shape, ph.level, frac, pitch, tTotal, i % 32 == 0));
    }
    pitch = to;
  }
  DieAway(out, throat, phones.back(), pitch, tTotal);
  FadeEdges(out, 0.004, 0.01);
  return out;
}

}  // namespace tq::soundgen
