// Lines of text built from words and numbers, and whole numbers read back from text.
#pragma once

#include <charconv>
#include <concepts>
#include <optional>
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

// The whole number `text` holds, in decimal or another `base`, with nothing before or after it.
template <std::integral N>
std::optional<N> ParseWhole(std::string_view text, int base = 10) {
  N v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

}  // namespace tq::autoplay
