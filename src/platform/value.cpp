// The conversion, arithmetic and comparison rules of the game's dynamic values.
#include "platform/value.h"

#include <charconv>
#include <optional>

namespace tq {
namespace {

// A whole number spelled in text, allowing surrounding blanks and a sign.
std::optional<std::int64_t> ParseWhole(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (s.empty()) return std::nullopt;
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::int64_t n = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return negative ? -n : n;
}

}  // namespace

std::int64_t Value::num() const {
  switch (kind()) {
    case Kind::Empty:
      return 0;
    case Kind::Number:
      return std::get<std::int64_t>(v_);
    case Kind::Text:
      return ParseWhole(std::get<std::string>(v_)).value_or(0);
  }
  return 0;
}

std::string Value::str() const {
  switch (kind()) {
    case Kind::Empty:
      return {};
    case Kind::Number:
      return std::to_string(std::get<std::int64_t>(v_));
    case Kind::Text:
      return std::get<std::string>(v_);
  }
  return {};
}

bool Value::isNumeric() const {
  return kind() != Kind::Text || ParseWhole(std::get<std::string>(v_)).has_value();
}

Value operator+(const Value& a, const Value& b) {
  if (a.isText() && b.isText()) return Value(a.str() + b.str());
  if (a.isEmpty() && b.isText()) return b;
  if (a.isText() && b.isEmpty()) return a;
  return Value(a.num() + b.num());
}

namespace {

// -1, 0 or 1, or nullopt when the two cannot be compared (a number against a word).
std::optional<int> Compare(const Value& a, const Value& b) {
  const bool textual = (a.isText() && !b.isNumber()) || (b.isText() && !a.isNumber());
  if (textual) {
    const int c = a.str().compare(b.str());
    return (c > 0) - (c < 0);
  }
  if (!a.isNumeric() || !b.isNumeric()) return std::nullopt;
  const std::int64_t x = a.num(), y = b.num();
  return (x > y) - (x < y);
}

}  // namespace

bool operator==(const Value& a, const Value& b) {
  return Compare(a, b) == 0;
}
bool operator<(const Value& a, const Value& b) {
  const auto c = Compare(a, b);
  return c.has_value() && *c < 0;
}

}  // namespace tq
