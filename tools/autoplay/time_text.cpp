// Game time as text.
#include "autoplay/time_text.h"

#include <cstdio>

namespace tq::autoplay {

std::string ClockText(std::int64_t ms) {
  const std::int64_t tenths = (ms + 50) / 100;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld.%lld", static_cast<long long>(tenths / 600),
                static_cast<long long>(tenths / 10 % 60), static_cast<long long>(tenths % 10));
  return text;
}

std::string PreciseClockText(std::int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld.%03lld", static_cast<long long>(ms / 60000),
                static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
  return text;
}

std::string MinutesText(std::int64_t ms) {
  const std::int64_t tenths = (ms + 3000) / 6000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%lld", static_cast<long long>(tenths / 10),
                static_cast<long long>(tenths % 10));
  return text;
}

}  // namespace tq::autoplay
