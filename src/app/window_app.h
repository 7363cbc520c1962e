// The real program: an SDL window around the game, its event loop and its timers.
#pragma once

#include <string>

namespace tq {

// Opens the window on the title screen and runs until it is closed. Returns the exit status.
int RunWindow(const std::string& programFolder);

}  // namespace tq
