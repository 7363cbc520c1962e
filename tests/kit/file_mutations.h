// Damages the bytes of a file in random small ways, to check that readers never take a damaged
// file for a whole one without saying so, and never crash on one.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace tq::kit {

// One random mutation of `data`: flip a byte, drop or duplicate a run, insert a quote, comma,
// line end or random byte, or cut the end off.
inline std::string Mutate(const std::string& data, std::mt19937& rng) {
  std::string s = data;
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
  const std::size_t at = s.empty() ? 0 : pick(s.size() - 1);
  static const char kTricky[] = {'"', ',', '\r', '\n', '-', '0', ' ', '\0', '\x7F'};
  switch (pick(6)) {
    case 0:
      if (!s.empty()) s[at] = static_cast<char>(pick(255));
      break;
    case 1:
      if (!s.empty()) s.erase(at, 1 + pick(8));
      break;
    case 2:
      s.insert(at, s.substr(at, 1 + pick(16)));
      break;
    case 3:
      s.insert(s.begin() + static_cast<std::ptrdiff_t>(at), kTricky[pick(sizeof kTricky - 1)]);
      break;
    case 4:
      s.insert(s.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(pick(255)));
      break;
    case 5:
      s.resize(at);
      break;
    default:
      if (!s.empty()) s[at] = kTricky[pick(sizeof kTricky - 1)];
      break;
  }
  return s;
}

}  // namespace tq::kit
