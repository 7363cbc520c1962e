// Where the hero stands, the four arrow keys, and what he carries that opens ways: the words the
// player plans in.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <optional>
#include <string>

namespace tq {
class Game;
}

namespace tq::autoplay {

// A cell of a room and the way back that the last store, dungeon or stone entry left: the exit
// of a store or a dungeon leads there, so two visits of one cell may lead on differently.
struct Place {
  int room = 0, row = 0, col = 0;
  int retRoom = 0, retRow = 0, retCol = 0;

  auto operator<=>(const Place&) const = default;
  bool SameCell(const Place& o) const { return room == o.room && row == o.row && col == o.col; }
};

struct PlaceHash {
  std::size_t operator()(const Place& p) const;
};

// "room 45 (8,6)".
std::string CellText(const Place& p);

enum class Dir { Up, Down, Left, Right };
constexpr std::array<Dir, 4> kDirs = {Dir::Up, Dir::Down, Dir::Left, Dir::Right};

// The window's key code of the arrow, and the facing it gives the hero.
int KeyOf(Dir d);
const char* FacingOf(Dir d);
int RowStep(Dir d);
int ColStep(Dir d);
// The cell one step from `at` in the same room, keeping its way back.
Place Beside(const Place& at, Dir d);
// True when `a` and `b` are cells of one room side by side.
bool Adjacent(const Place& a, const Place& b);
// The key from a cell to the one beside it in the same room; nothing when they are not beside.
std::optional<Dir> DirTo(const Place& from, const Place& to);

// What the hero carries and has done that decides where a step leads.
struct Gear {
  bool goldKey = false, redKey = false, purpleKey = false, fishBook = false, torch = false;
  int questStage = 0;

  auto operator<=>(const Gear&) const = default;
};

// Read from the window as the player sees it: the item slots and the room number.
Gear GearOf(const Game& g);
Place PlaceOf(const Game& g);

}  // namespace tq::autoplay
