// Building blocks for the sound effects: oscillators, noise, envelopes, filters and rooms.
#include "dsp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tq::soundgen {

std::size_t Samples(double seconds) {
  return static_cast<std::size_t>(std::max(0.0, seconds) * kRate + 0.5);
}

double Seconds(const Buffer& b) {
  return static_cast<double>(b.size()) / kRate;
}

double Rng::Uniform() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 7;
  state_ ^= state_ << 17;
  return static_cast<double>(state_ >> 11) * (1.0 / 9007199254740992.0);
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

void Biquad::Set(Kind kind, double freq, double q, double gainDb) {
  freq = std::clamp(freq, 10.0, kRate * 0.45);
  const double w = 2.0 * kPi * freq / kRate;
  const double cw = std::cos(w), sw = std::sin(w);
  const double alpha = sw / (2.0 * q);
  double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
  switch (kind) {
    case Kind::LowPass:
      b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
      a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Kind::HighPass:
      b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
      a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Kind::BandPass:  // peak gain 1
      b0 = alpha, b1 = 0, b2 = -alpha;
      a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Kind::Peak: {
      const double a = std::pow(10.0, gainDb / 40.0);
      b0 = 1 + alpha * a, b1 = -2 * cw, b2 = 1 - alpha * a;
      a0 = 1 + alpha / a, a1 = -2 * cw, a2 = 1 - alpha / a;
      break;
    }
  }
  b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0, a1_ = a1 / a0, a2_ = a2 / a0;
}

float Biquad::Process(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
  return static_cast<float>(y);
}

void Filter(Buffer& b, Biquad::Kind kind, double freq, double q, double gainDb) {
  Biquad f(kind, freq, q, gainDb);
  for (float& s : b) s = f.Process(s);
}

void Sweep(Buffer& b, Biquad::Kind kind, const Curve& freq, double q) {
  Biquad f(kind, freq(0.0), q);
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i % 32 == 0) f.Set(kind, freq(static_cast<double>(i) / kRate), q);
    b[i] = f.Process(b[i]);
  }
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

void MixAt(Buffer& dst, const Buffer& src, double at, double gain) {
  const std::size_t start = Samples(at);
  if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
  for (std::size_t i = 0; i < src.size(); ++i) {
    dst[start + i] += static_cast<float>(src[i] * gain);
  }
}

Buffer Mix(std::initializer_list<const Buffer*> parts) {
  Buffer out;
  for (const Buffer* p : parts) MixAt(out, *p, 0.0);
  return out;
}

namespace {

// Freeverb's comb and all-pass sections, mono.
class Comb {
 public:
  Comb(std::size_t size, double feedback, double damp)
      : buf_(size, 0.0f), feedback_(feedback), damp_(damp) {}
  float Process(float x) {
    const float y = buf_[pos_];
    store_ = static_cast<float>(y * (1.0 - damp_) + store_ * damp_);
    buf_[pos_] = static_cast<float>(x + store_ * feedback_);
    pos_ = (pos_ + 1) % buf_.size();
    return y;
  }

 private:
  Buffer buf_;
  double feedback_, damp_;
  float store_ = 0.0f;
  std::size_t pos_ = 0;
};

class AllPass {
 public:
  explicit AllPass(std::size_t size) : buf_(size, 0.0f) {}
  float Process(float x) {
    const float b = buf_[pos_];
    buf_[pos_] = x + b * 0.5f;
    pos_ = (pos_ + 1) % buf_.size();
    return b - x;
  }

 private:
  Buffer buf_;
  std::size_t pos_ = 0;
};

}  // namespace

Buffer Reverb(const Buffer& dry, double room, double damping, double wet, double tailSeconds) {
  constexpr std::array<std::size_t, 8> kCombs = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  constexpr std::array<std::size_t, 4> kAllPasses = {556, 441, 341, 225};
  const double scale = kRate / 44100.0;
  std::vector<Comb> combs;
  for (std::size_t c : kCombs) {
    combs.emplace_back(static_cast<std::size_t>(static_cast<double>(c) * scale), 0.7 + 0.28 * room,
                       damping);
  }
  std::vector<AllPass> passes;
  for (std::size_t a : kAllPasses) {
    passes.emplace_back(static_cast<std::size_t>(static_cast<double>(a) * scale));
  }
  Buffer out(dry.size() + Samples(tailSeconds), 0.0f);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const float x = i < dry.size() ? dry[i] : 0.0f;
    float acc = 0.0f;
    for (Comb& c : combs) acc += c.Process(x * 0.015f);
    for (AllPass& a : passes) acc = a.Process(acc);
    out[i] = static_cast<float>(x + acc * wet * 3.0);
  }
  FadeEdges(out, 0.0, std::min(tailSeconds, 0.3));
  return out;
}

Buffer Echo(const Buffer& dry, double delay, double feedback, int repeats, double damping) {
  Buffer out = dry;
  Buffer tap = dry;
  double gain = 1.0;
  for (int r = 1; r <= repeats; ++r) {
    gain *= feedback;
    // Each repeat loses some of its highs, like a reflection from stone.
    Filter(tap, Biquad::Kind::LowPass, 9000.0 * std::pow(damping, r), 0.707);
    MixAt(out, tap, delay * r, gain);
  }
  return out;
}

double LoudnessDb(const Buffer& b) {
  const std::size_t win = Samples(0.05);
  double best = 1e-12;
  for (std::size_t start = 0; start < b.size(); start += win / 4) {
    const std::size_t end = std::min(b.size(), start + win);
    double sum = 0.0;
    for (std::size_t i = start; i < end; ++i) sum += static_cast<double>(b[i]) * b[i];
    best = std::max(best, sum / static_cast<double>(win));
  }
  return 10.0 * std::log10(best);
}

double PeakDb(const Buffer& b) {
  float peak = 1e-9f;
  for (float s : b) peak = std::max(peak, std::abs(s));
  return 20.0 * std::log10(peak);
}

namespace {

// A second-order section given by its coefficients (a0 = 1).
struct Section {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Process(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

// The two stages of the BS.1770 weighting, designed for our rate.
std::vector<double> KWeighted(const Buffer& b) {
  double k = std::tan(kPi * 1681.974450955533 / kRate);
  const double q = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20.0);
  const double vb = std::pow(vh, 0.4996667741545416);
  double a0 = 1 + k / q + k * k;
  Section shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
                (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  k = std::tan(kPi * 38.13547087602444 / kRate);
  const double q2 = 0.5003270373238773;
  a0 = 1 + k / q2 + k * k;
  Section cut{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q2 + k * k) / a0};
  std::vector<double> out(b.size());
  for (std::size_t i = 0; i < b.size(); ++i) out[i] = cut.Process(shelf.Process(b[i]));
  return out;
}

}  // namespace

double MomentaryLoudness(const Buffer& b) {
  const std::vector<double> w = KWeighted(b);
  const std::size_t win = Samples(0.4), hop = Samples(0.05);
  double best = 1e-12;
  for (std::size_t start = 0; start == 0 || start + win <= w.size(); start += hop) {
    double sum = 0.0;
    for (std::size_t i = start; i < std::min(w.size(), start + win); ++i) sum += w[i] * w[i];
    best = std::max(best, sum / static_cast<double>(win));
  }
  return -0.691 + 10.0 * std::log10(best);
}

void Level(Buffer& b, double targetLufs) {
  // Peaks above the ceiling are bent round smoothly rather than clipped; bending takes some
  // loudness away, so the gain is found again until the sound sits on its target.
  constexpr double kCeiling = 0.891;  // -1 dBFS
  constexpr double kKnee = 0.6;
  for (int pass = 0; pass < 4; ++pass) {
    const double miss = targetLufs - MomentaryLoudness(b);
    if (pass > 0 && std::abs(miss) < 0.1) break;
    Gain(b, std::pow(10.0, miss / 20.0));
    for (float& s : b) {
      const double a = std::abs(s);
      if (a > kKnee) {
        const double over = (a - kKnee) / (kCeiling - kKnee);
        const double bent = kKnee + (kCeiling - kKnee) * std::tanh(over);
        s = static_cast<float>(s < 0 ? -bent : bent);
      }
    }
  }
}

void RemoveDc(Buffer& b) {
  // Two passes of a gentle high-pass, forward and back, so nothing is shifted in time.
  for (int pass = 0; pass < 2; ++pass) {
    Biquad hp(Biquad::Kind::HighPass, 20.0, 0.707);
    for (float& s : b) s = hp.Process(s);
    std::reverse(b.begin(), b.end());
  }
}

void TrimTail(Buffer& b, double floorDb, double keep) {
  const std::size_t win = Samples(0.01);
  const double floor = std::pow(10.0, floorDb / 10.0);
  std::size_t end = b.size();
  while (end >= win) {
    double sum = 0.0;
    for (std::size_t i = end - win; i < end; ++i) sum += static_cast<double>(b[i]) * b[i];
    if (sum / static_cast<double>(win) > floor) break;
    end -= win;
  }
  b.resize(std::min(b.size(), end + Samples(keep)));
}

}  // namespace tq::soundgen
