// Noise: integer hashing and wrapped value noise.
#include "noise.h"

#include <cmath>

namespace tq::art {

uint32_t Hash3(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE3Du;
  h *= 0x27D4EB2Fu;
  h ^= h >> 15;
  h *= 0x165667B1u;
  h ^= h >> 13;
  return h;
}

double Rand01(int x, int y, uint32_t seed) {
  return (Hash3(x, y, seed) >> 8) / 16777216.0;
}

uint32_t SeedOf(std::string_view text) {
  uint32_t h = 2166136261u;
  for (char c : text) {
    h ^= static_cast<uint8_t>(c);
    h *= 16777619u;
  }
  return h;
}

double PeriodicNoise(double x, double y, int cell, int periodX, int periodY, uint32_t seed) {
  const int nx = periodX / cell, ny = periodY / cell;
  const double fx = x / cell, fy = y / cell;
  const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  const double tx = fx - ix, ty = fy - iy;
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  auto at = [&](int i, int j) { return Rand01(((i % nx) + nx) % nx, ((j % ny) + ny) % ny, seed); };
  const double a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

uint32_t Rng::Next() {
  s_ ^= s_ << 13;
  s_ ^= s_ >> 17;
  s_ ^= s_ << 5;
  return s_;
}

}  // namespace tq::art
