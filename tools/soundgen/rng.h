// The random numbers of the sounds: deterministic, so that every build writes the same files.
#pragma once

#include <cstdint>

namespace tq::soundgen {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed * 2654435761u + 0x9E3779B97F4A7C15u) {}
  // [0, 1)
  double Uniform() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<double>(state_ >> 11) * (1.0 / 9007199254740992.0);
  }
  double Bipolar() { return Uniform() * 2.0 - 1.0; }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  std::uint64_t state_;
};

}  // namespace tq::soundgen
