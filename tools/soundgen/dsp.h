// Building blocks for the sound effects: oscillators, noise, envelopes, filters and rooms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace tq::soundgen {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;
// A value that changes over the life of a sound, given the time in seconds.
using Curve = std::function<double(double)>;

std::size_t Samples(double seconds);
double Seconds(const Buffer& b);

// Deterministic generator, so every build writes the same files.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed * 2654435761u + 0x9E3779B97F4A7C15u) {}
  double Uniform();  // [0, 1)
  double Bipolar() { return Uniform() * 2.0 - 1.0; }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  std::uint64_t state_;
};

// Curves.
Curve Constant(double v);
Curve Line(double from, double to, double seconds);  // held at `to` afterwards
Curve Expo(double from, double to, double seconds);  // geometric glide, held afterwards
double Decay(double t, double secondsToMinus60db);   // 1 at t = 0
double Attack(double t, double seconds);             // 0 -> 1, held

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

// Second-order filter section (RBJ cookbook).
class Biquad {
 public:
  enum class Kind { LowPass, HighPass, BandPass, Peak };
  Biquad(Kind kind, double freq, double q, double gainDb = 0.0) { Set(kind, freq, q, gainDb); }
  void Set(Kind kind, double freq, double q, double gainDb = 0.0);
  float Process(float x);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void Filter(Buffer& b, Biquad::Kind kind, double freq, double q, double gainDb = 0.0);
// A filter whose corner moves over time (coefficients refreshed every 32 samples).
void Sweep(Buffer& b, Biquad::Kind kind, const Curve& freq, double q);

// Level shaping.
void Envelope(Buffer& b, const Curve& amp);
void Gain(Buffer& b, double g);
// Scales a part so its highest peak is `peak`, to balance it against the others of a mix.
Buffer Normalized(Buffer b, double peak);
void Saturate(Buffer& b, double drive);
void FadeEdges(Buffer& b, double inSeconds, double outSeconds);

// Mixing: `src` added into `dst` starting at `at` seconds; `dst` grows when needed.
void MixAt(Buffer& dst, const Buffer& src, double at, double gain = 1.0);
Buffer Mix(std::initializer_list<const Buffer*> parts);

// Spaces.
Buffer Reverb(const Buffer& dry, double room, double damping, double wet, double tailSeconds);
Buffer Echo(const Buffer& dry, double delay, double feedback, int repeats, double damping);

// Loudness: the highest RMS over 50 ms windows, in dBFS.
double LoudnessDb(const Buffer& b);
// Loudness as the ear hears a short sound: its loudest 400 ms weighted as ITU-R BS.1770 weighs
// (a shelf lifting the presence above 1.5 kHz, a cut below 40 Hz), in LUFS. A sound shorter
// than 400 ms is heard over 400 ms, part of them silent.
double MomentaryLoudness(const Buffer& b);
double PeakDb(const Buffer& b);
// Brings a sound to a target momentary loudness (LUFS) and keeps its peaks under -1 dBFS.
void Level(Buffer& b, double targetLufs);
// Takes out any offset from zero and the infrasound under 20 Hz.
void RemoveDc(Buffer& b);
// Cuts the end where the sound has stayed under `floorDb` dBFS, keeping `keep` seconds of it.
void TrimTail(Buffer& b, double floorDb, double keep);

}  // namespace tq::soundgen
