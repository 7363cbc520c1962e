// The saved game and the explored map: SaveGame, and the reading side of LOAD.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_writes.h"
#include "platform/value.h"

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

// Everything LOAD reads, parsed into temporaries before anything of the game changes.
struct SavedGame {
  Value Life, Strength, Gold, MaxLife, MaxStrength, HasMagicShirt;
  Value HeroRow, HeroCol, RoomNumber, ReturnRoom, ReturnRow, ReturnCol;
  Value ShieldItem, GroundType, Facing;
  std::string MonsterFacing;
  Value AnimFrame;
  Value SwordKind, EnemyHP, SwordPieces, Points;
  std::array<std::int16_t, 10> ToolFlags{};
  Value QuestStage, HasMagicBag, SpareValue1, SpareValue2;
  std::int16_t SpareValue3 = 0;
  std::array<std::string, 200> MapCellKind;
  std::array<std::int16_t, 200> MapCellSeen{};
};

// Reads GAMEFILE and MAPFILE whole and checks every item against what the game can write there.
// On failure returns a message naming the file and the item, and `out` is left as it was.
std::optional<std::string> ReadSavedGame(const std::string& gamePath, SavedGame& out);
// Puts the variables read into the game state (the reading side of LOAD; what LOAD then does
// with the map and the items is LOAD's own business).
void ApplySavedGame(Game& g, const SavedGame& saved);

}  // namespace tq
