// A sound in memory and what shapes it over time: curves, envelopes, gain, fades and mixing.
#include "buffer.h"

#include <algorithm>
#include <cmath>

namespace tq::soundgen {

std::size_t Samples(double seconds) {
  return static_cast<std::size_t>(std::max(0.0, seconds) * kRate + 0.5);
}

double Seconds(const Buffer& b) {
  return static_cast<double>(b.size()) / kRate;
}

Curve Constant(double v) {
  return [v](double) { return v; };
}

Curve Line(double from, double to, double seconds) {
  return [=](double t) { return t >= seconds ? to : from + (to - from) * t / seconds; };
}

Curve Expo(double from, double to, double seconds) {
  return [=](double t) { return t >= seconds ? to : from * std::pow(to / from, t / seconds); };
}

double Decay(double t, double secondsToMinus60db) {
  return std::exp(-6.907755 * t / secondsToMinus60db);
}

double Attack(double t, double seconds) {
  return t >= seconds ? 1.0 : t / seconds;
}

void Envelope(Buffer& b, const Curve& amp) {
  for (std::size_t i = 0; i < b.size(); ++i) {
    b[i] = static_cast<float>(b[i] * amp(static_cast<double>(i) / kRate));
  }
}

void Gain(Buffer& b, double g) {
  for (float& s : b) s = static_cast<float>(s * g);
}

Buffer Normalized(Buffer b, double peak) {
  float top = 1e-9f;
  for (float s : b) top = std::max(top, std::abs(s));
  Gain(b, peak / top);
  return b;
}

void Saturate(Buffer& b, double drive) {
  const double norm = 1.0 / std::tanh(drive);
  for (float& s : b) s = static_cast<float>(std::tanh(s * drive) * norm);
}

void FadeEdges(Buffer& b, double inSeconds, double outSeconds) {
  const std::size_t in = std::min(Samples(inSeconds), b.size());
  const std::size_t out = std::min(Samples(outSeconds), b.size());
  for (std::size_t i = 0; i < in; ++i) {
    b[i] = static_cast<float>(
        b[i] * std::sin(0.5 * kPi * static_cast<double>(i) / static_cast<double>(in)));
  }
  for (std::size_t i = 0; i < out; ++i) {
    const double g = std::sin(0.5 * kPi * static_cast<double>(i) / static_cast<double>(out));
    b[b.size() - 1 - i] = static_cast<float>(b[b.size() - 1 - i] * g);
  }
}

Buffer Faded(Buffer b, double inSeconds, double outSeconds) {
  FadeEdges(b, inSeconds, outSeconds);
  return b;
}

void MixAt(Buffer& dst, const Buffer& src, double at, double gain) {
  const std::size_t start = Samples(at);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
  for (std::size_t i = 0; i < src.size(); ++i) {
    dst[start + i] += static_cast<float>(src[i] * gain);
  }
}

}  // namespace tq::soundgen
