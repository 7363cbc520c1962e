// The saved game and the explored map: SaveGame, and the reading side of LOAD.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "game/game_state.h"
#include "platform/file_writes.h"

namespace tq {

class Game;

// GamePath & "Files/GAMEFILE" and GamePath & "Files/MAPFILE".
std::string GameFilePath(const std::string& gamePath);
std::string MapFilePath(const std::string& gamePath);

// Writes GAMEFILE and MAPFILE from the current state (tool flag 0 always 1, seen flags from
// what the map shows), together. Shows nothing itself; what became of the write, with a message
// naming the file when one failed.
WriteResult SaveGame(Game& g);
// Adds GAMEFILE and MAPFILE as SaveGame writes them to a group of files written together (an
// autosave with its room, a boss's room with the save that follows its death).
void AddSavedGame(FileGroup& files, const Game& g);

// The squares of the two map panels: the overland's 100, then the underground's.
constexpr std::size_t kMapSquares = 200;

// The saved game as GAMEFILE and MAPFILE hold it: the saved variables, the item slots shown and
// the explored map (its items, one by one: world/saved_game_layout.h).
struct SavedGame : SavedVariables {
  std::array<std::int16_t, 10> ToolFlags{};
  std::array<std::string, kMapSquares> MapCellKind;
  std::array<std::int16_t, kMapSquares> MapCellSeen{};
};

// Reads GAMEFILE and MAPFILE whole and checks every item against what the game can write there.
// On failure returns a message naming the file and the item, and `out` is left as it was.
std::optional<std::string> ReadSavedGame(const std::string& gamePath, SavedGame& out);
// Puts the saved variables read into the game state (the reading side of LOAD; what LOAD then
// does with the map and the items is LOAD's own business).
void ApplySavedGame(Game& g, const SavedGame& saved);

}  // namespace tq
