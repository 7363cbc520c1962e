// The command line of tq_autoplay.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tq::autoplay {

struct CommandLine {
  std::string gameFolder;
  std::optional<std::int64_t> seed;  // play a new game from this seed
  std::string replayFile;            // or replay this file
  std::int64_t maxMinutes = 180;     // of game time
  std::string logFile;               // every goal, route and surprise
  std::string recordFile;            // the replay of the game played
  std::string until;                 // an item: stop once the hero owns it
};

std::string Usage();
// Reads the arguments (without the program's name); a message saying what is wrong on failure.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args, CommandLine& out);

}  // namespace tq::autoplay
