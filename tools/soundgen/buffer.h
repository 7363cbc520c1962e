// A sound in memory, mono samples at kRate, and what shapes it over time: curves, envelopes,
// gain, fades and mixing.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tq::soundgen {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;
// A value that changes over the life of a sound, given the time in seconds.
using Curve = std::function<double(double)>;

std::size_t Samples(double seconds);
double Seconds(const Buffer& b);

// Curves.
Curve Constant(double v);
Curve Line(double from, double to, double seconds);  // held at `to` afterwards
Curve Expo(double from, double to, double seconds);  // geometric glide, held afterwards
double Decay(double t, double secondsToMinus60db);   // 1 at t = 0
double Attack(double t, double seconds);             // 0 -> 1, held

// Level shaping.
void Envelope(Buffer& b, const Curve& amp);
void Gain(Buffer& b, double g);
// Scales a part so its highest peak is `peak`, to balance it against the others of a mix.
Buffer Normalized(Buffer b, double peak);
void Saturate(Buffer& b, double drive);
void FadeEdges(Buffer& b, double inSeconds, double outSeconds);
// The same, as the last step of a recipe: `return Faded(Reverb(out, ...), 0.01, 0.4);`.
Buffer Faded(Buffer b, double inSeconds, double outSeconds);

// Mixing: `src` added into `dst` starting at `at` seconds; `dst` grows when needed.
void MixAt(Buffer& dst, const Buffer& src, double at, double gain = 1.0);

}  // namespace tq::soundgen
