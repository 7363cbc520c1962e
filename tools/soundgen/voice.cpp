// A small formant voice: the hero's shouts and grunts and the creatures' cries. A glottal
// pulse with the irregularities of a living throat (jitter, shimmer, a growl) feeds five
// formants; breath noise rides along, and the air of it reaches above the formants.
#include "voice.h"

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

}  // namespace

// How much a period's pitch and strength wander at random: a steady buzz sounds like a machine.
constexpr double kJitter = 0.008, kShimmer = 0.08;

Buffer Speak(const std::vector<Phone>& phones, const VoiceKind& voice, Rng& rng) {
  Buffer out;
  std::array<Resonator, 5> tract;
  Biquad hiss(Biquad::Kind::BandPass, 3000, 1.5);
  Biquad air(Biquad::Kind::BandPass, 4200 * voice.formantScale, 0.6);
  Biquad airTop(Biquad::Kind::LowPass, 7500 * voice.formantScale, 0.7);
  // The edge a voice has when it is raised: the presence above the third formant.
  Biquad presence(Biquad::Kind::Peak, 3600 * voice.formantScale, 0.8, 12.0 * voice.air);
  Glide voiced{0}, noise{0}, aspiration{0}, noiseFreq{3000};
  std::array<Glide, 3> formant{Glide{500}, Glide{1500}, Glide{2500}};
  double pitch = phones.empty() ? 120.0 : phones.front().pitchFrom;
  double phase = 0.0, lastFlow = 0.0, wobble = 0.0, sub = 1.0, jitter = 1.0, shimmer = 1.0;
  double tTotal = 0.0;
  for (const Phone& ph : phones) {
    const PhoneShape& shape = Shapes().at(ph.sound);
    const double from = ph.pitchFrom > 0 ? ph.pitchFrom : pitch;
    const double to = ph.pitchTo > 0 ? ph.pitchTo : from;
    const std::size_t n = Samples(ph.seconds);
    for (std::size_t i = 0; i < n; ++i, tTotal += 1.0 / kRate) {
      const double frac = static_cast<double>(i) / static_cast<double>(n);
      // Targets of this moment of the phone.
      double wantVoiced = shape.voiced * ph.level;
      double wantNoise = shape.noise * ph.level;
      double wantNoiseFreq = shape.noiseFreq;
      bool aspirate = shape.manner == Manner::Aspirate;
      if (shape.manner == Manner::Stop) {
        // Closure, burst, then release into breath or voice.
        if (frac < 0.55) {
          wantNoise = 0.0;
        } else if (frac > 0.7) {
          wantNoise = 0.0;
          if (shape.voicedRelease) {
            wantVoiced = 0.5 * ph.level;
          } else {
            aspirate = true;
          }
        }
      }
      const double speed = shape.manner == Manner::Stop ? 0.003 : 0.008;
      const double v = voiced.Step(wantVoiced, speed);
      const double nz = noise.Step(aspirate ? 0.0 : wantNoise, speed);
      const double aspLevel = aspiration.Step(aspirate ? 0.5 * ph.level : 0.0, 0.004);
      const double nf = noiseFreq.Step(wantNoiseFreq > 0 ? wantNoiseFreq : 3000, 0.01);
      // Pitch: a glide across the phone, vibrato, and a growl for rough voices.
      pitch = from * std::pow(to / from, frac);
      wobble += (rng.Bipolar() * voice.rough * 6.0 - wobble) * 0.002;
      double f0 =
          pitch * std::pow(2.0, (voice.vibrato * std::sin(2.0 * kPi * voice.vibratoRate * tTotal) +
                                 wobble) /
                                    12.0);
      phase += f0 * jitter / kRate;
      if (phase >= 1.0) {
        phase -= 1.0;
        // Rough voices alternate strong and weak pulses, the sound of a growl.
        sub = voice.rough > 0.0 ? (sub > 0.9 ? 1.0 - voice.rough * 0.8 : 1.0) : 1.0;
        jitter = 1.0 + rng.Bipolar() * kJitter * (1.0 + voice.rough * 3.0);
        shimmer = 1.0 + rng.Bipolar() * kShimmer * (1.0 + voice.rough);
      }
      const double flow = GlottalFlow(phase);
      const double sourceVoice = (flow - lastFlow) * kRate / std::max(f0, 40.0) * sub * shimmer;
      lastFlow = flow;
      const double puff = rng.Bipolar();
      const double breathLevel = voice.breath * (0.5 + flow) * v + aspLevel;
      double x = sourceVoice * v * 0.25 + puff * breathLevel;
      if (i % 32 == 0) {
        for (std::size_t k = 0; k < 3; ++k) {
          const double f = formant[k].Step(shape.formants[k], 0.02);
          tract[k].Set(f * voice.formantScale,
                       (60.0 + 40.0 * static_cast<double>(k)) * voice.formantScale);
        }
        tract[3].Set(3300.0 * voice.formantScale, 260.0);
        tract[4].Set(4300.0 * voice.formantScale, 320.0);
        hiss.Set(Biquad::Kind::BandPass, nf * voice.formantScale, 1.8);
      } else {
        for (std::size_t k = 0; k < 3; ++k) formant[k].Step(shape.formants[k], 0.02);
      }
      for (Resonator& r : tract) x = r.Process(x);
      x = presence.Process(static_cast<float>(x));
      x += hiss.Process(static_cast<float>(rng.Bipolar())) * nz * 1.5;
      // The rush of air past the lips, above the formants.
      x += airTop.Process(air.Process(static_cast<float>(puff))) * breathLevel * voice.air * 6.0;
      out.push_back(static_cast<float>(x));
    }
    pitch = to;
  }
  FadeEdges(out, 0.004, 0.01);
  return out;
}

}  // namespace tq::soundgen
