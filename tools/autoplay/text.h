// Lines of text built from words and numbers.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace tq::autoplay {

namespace detail {
inline void Append(std::string& out, std::string_view s) {
  out += s;
}
inline void Append(std::string& out, char c) {
  out += c;
}
template <std::integral N>
requires(!std::same_as<N, char> && !std::same_as<N, bool>) void Append(std::string& out, N n) {
  out += std::to_string(n);
}
}  // namespace detail

// Appends every part in turn: text as it is, whole numbers in decimal.
template <typename... Parts>
std::string Cat(const Parts&... parts) {
  std::string out;
  (detail::Append(out, parts), ...);
  return out;
}

}  // namespace tq::autoplay
