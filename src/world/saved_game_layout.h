// GAMEFILE and MAPFILE described once: every item with the line it stands on, its place in the
// saved game, what it holds and what LOAD accepts there. The writer, the reader and the checks
// of world/saved_game.cpp all walk these lists, so no item can be left out of one of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "game/game_state.h"

namespace tq {

struct SavedGame;

// The item slot whose flag an item of GAMEFILE holds, and the map square of a MAPFILE item.
struct ToolFlag {
  std::size_t slot;
};
struct MapSquareTag {
  std::size_t square;
};
struct MapSquareSeen {
  std::size_t square;
};

// Where an item lives in SavedGame. Its type is how it is written: a Value by what it holds
// (a number bare, text quoted, empty as nothing), text always quoted, a 16-bit number bare.
using SavedField =
    std::variant<Value SavedVariables::*, std::string SavedVariables::*,
                 std::int16_t SavedVariables::*, ToolFlag, MapSquareTag, MapSquareSeen>;

// Nullopt when LOAD accepts the value, else what the item should be ("a number from 2 to 10").
// The saved game read so far is there for the items bounded by others (life by its maximum).
using ItemCheck = std::function<std::optional<std::string>(const Value&, const SavedGame&)>;

struct SavedItem {
  int line;          // counted from 1
  std::string what;  // how a message names it: "the hero's row"
  SavedField field;
  ItemCheck accepts;
};

// The 36 items of GAMEFILE and the 400 of MAPFILE, in file order.
const std::vector<SavedItem>& GameFileLayout();
const std::vector<SavedItem>& MapFileLayout();

}  // namespace tq
