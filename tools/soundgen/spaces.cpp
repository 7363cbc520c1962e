// Spaces around a sound: a room's reverb and the echo off stone walls.
#include "spaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "filters.h"

namespace tq::soundgen {

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

}  // namespace tq::soundgen
