// Game time as the player's lines write it.
#pragma once

#include <cstdint>
#include <string>

namespace tq::autoplay {

// "m:ss.s" from milliseconds of game time: 83456 ms is "1:23.5".
std::string ClockText(std::int64_t ms);
// "m:ss.mmm", to the millisecond: 83456 ms is "1:23.456".
std::string PreciseClockText(std::int64_t ms);
// Whole game minutes with one decimal: 83456 ms is "1.4".
std::string MinutesText(std::int64_t ms);

}  // namespace tq::autoplay
