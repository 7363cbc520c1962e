// A dynamically typed game value: empty, a whole number or text, with the arithmetic,
// comparison and joining rules the game's variables have always followed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tq {

class Value {
 public:
  enum class Kind { Empty, Number, Text };

  Value() = default;
  Value(int n) : v_(static_cast<std::int64_t>(n)) {}  // NOLINT: values mix freely with numbers
  Value(std::int64_t n) : v_(n) {}                    // NOLINT
  Value(std::string s) : v_(std::move(s)) {}          // NOLINT
  Value(const char* s) : v_(std::string(s)) {}        // NOLINT
  Value(std::string_view s) : v_(std::string(s)) {}   // NOLINT

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool isEmpty() const { return kind() == Kind::Empty; }
  bool isNumber() const { return kind() == Kind::Number; }
  bool isText() const { return kind() == Kind::Text; }

  // As a number: empty is 0; text that spells a whole number is that number, other text is 0.
  std::int64_t num() const;
  // As text: empty is "", a number is its decimal spelling.
  std::string str() const;
  // True when the value reads as a number (empty, a number, or text spelling one).
  bool isNumeric() const;

  Value& operator+=(const Value& o) { return *this = *this + o; }
  Value& operator-=(const Value& o) { return *this = *this - o; }

  // Text plus text joins; anything else adds as numbers (empty counting as 0).
  friend Value operator+(const Value& a, const Value& b);
  friend Value operator-(const Value& a, const Value& b) { return Value(a.num() - b.num()); }
  friend Value operator*(const Value& a, const Value& b) { return Value(a.num() * b.num()); }

  // Number against number compares numbers, text against text compares exactly, empty takes the
  // kind of the other side; a number against text that spells no number is never equal.
  friend bool operator==(const Value& a, const Value& b);
  friend bool operator<(const Value& a, const Value& b);
  friend bool operator<=(const Value& a, const Value& b) { return !(b < a); }
  friend bool operator>(const Value& a, const Value& b) { return b < a; }
  friend bool operator>=(const Value& a, const Value& b) { return !(a < b); }

 private:
  std::variant<std::monostate, std::int64_t, std::string> v_;
};

// The `&` operator: both sides as text, joined without blanks.
inline std::string Join(const Value& a, const Value& b) {
  return a.str() + b.str();
}
template <typename... Rest>
std::string Join(const Value& a, const Value& b, const Rest&... rest) {
  return Join(Value(Join(a, b)), rest...);
}

}  // namespace tq
