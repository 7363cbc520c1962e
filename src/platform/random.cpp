// The random sequence and its clock seeding.
#include "platform/random.h"

#include <cstring>
#include <stdexcept>

#include "platform/clock.h"

namespace tq {

void Random::Randomize() {
  RandomizeWith(clock_->secondsOfDay());
}

void Random::RandomizeWith(double value) {
  // The seed keeps its low byte; the upper two take the folded bits of the value as a
  // single-precision number, so two seeds from the same instant give the same sequence.
  const float f = static_cast<float>(value);
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  const std::uint32_t folded = ((bits >> 16) ^ bits) & 0xFFFFu;
  seed_ = (seed_ & 0xFFu) | (folded << 8);
}

double Random::Next() {
  seed_ = (seed_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<double>(seed_) / 16777216.0;
}

std::int64_t Random::Draw(std::int64_t n) {
  if (!scripted_.empty()) {
    const std::int64_t v = scripted_.front();
    scripted_.pop_front();
    if (v < 1 || v > n) throw std::logic_error("scripted draw out of range");
    return v;
  }
  return static_cast<std::int64_t>(static_cast<double>(n) * Next()) + 1;
}

}  // namespace tq
