// Seeded, repeatable noise for textures that tile without seams.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq::art {

uint32_t Hash3(int x, int y, uint32_t seed);
double Rand01(int x, int y, uint32_t seed);  // [0, 1)
uint32_t SeedOf(std::string_view text);

// Smooth value noise on a lattice that wraps every periodX by periodY pixels.
double PeriodicNoise(double x, double y, int cell, int periodX, int periodY, uint32_t seed);

// A small deterministic generator for scattering details.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(seed ? seed : 1u) {}
  uint32_t Next();
  double Uniform() { return (Next() >> 8) / 16777216.0; }
  int Range(int lo, int hi) { return lo + static_cast<int>(Uniform() * (hi - lo + 1)); }

 private:
  uint32_t s_;
};

}  // namespace tq::art
