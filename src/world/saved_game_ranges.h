// What the game itself can write into each item of the saved game and the map file; LOAD
// refuses anything else.
#pragma once

#include <optional>
#include <string>

namespace tq {

struct SavedGame;

// The first item of GAMEFILE that holds a value the game never writes, told as "item 7, the
// hero's row, should be a number from 2 to 10"; nullopt when every item is in range.
std::optional<std::string> GameFileOutOfRange(const SavedGame& saved);
// The same for MAPFILE: its map tags and seen flags.
std::optional<std::string> MapFileOutOfRange(const SavedGame& saved);

}  // namespace tq
