// The game's one random generator: a 24-bit linear congruential sequence, seeded from the clock.
#pragma once

#include <cstdint>
#include <deque>

namespace tq {

class Clock;

class Random {
 public:
  explicit Random(const Clock& clock) : clock_(&clock) {}

  // Mixes the time of day into the seed, as the game does before a world or a hint.
  void Randomize();
  // Mixes an explicit number into the seed.
  void RandomizeWith(double seed);
  // The next fraction in [0, 1).
  double Next();
  // A whole number from 1 to n: the whole part of n times the next fraction, plus one.
  std::int64_t Draw(std::int64_t n);

  // Tests: the next draws return these values (each must lie in 1..n of its draw).
  void Script(std::initializer_list<std::int64_t> draws) {
    scripted_.insert(scripted_.end(), draws);
  }
  bool HasScript() const { return !scripted_.empty(); }
  std::uint32_t seed() const { return seed_; }
  void setSeed(std::uint32_t s) { seed_ = s & 0xFFFFFFu; }

 private:
  const Clock* clock_;
  std::uint32_t seed_ = 0x50000;  // the generator's seed before any Randomize
  std::deque<std::int64_t> scripted_;
};

}  // namespace tq
