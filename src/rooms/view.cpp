// Stage G of the hero's step: the hero takes his new place and the 5 x 5 view is drawn around
// him, each cell carrying the tag it shows.
#include "game/facing.h"
#include "game/game.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

// In the dark only the hero's tile and its four neighbours can be seen.
bool SeenInTheDark(int cell) {
  return cell == kHeroCell || HeadingOfCell(cell);
}

}  // namespace

bool InsideInnerRoom(std::int64_t row, std::int64_t col) {
  return row >= 2 && row <= 10 && col >= 2 && col <= 10;
}

const std::string& TagAt(const RoomFile& room, std::int64_t row, std::int64_t col) {
  static const std::string kBlack = "BLACK";
  if (row < 0 || row >= kRoomSize || col < 0 || col >= kRoomSize) return kBlack;
  return room.tags[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

bool PassesCommitTest(bool canEnter, const Value& enterMode, const Value& facing, std::int64_t row,
                      std::int64_t col) {
  if (enterMode == 1 || facing == kRedrawFacing) canEnter = true;
  // GUARD: a position outside rows and columns 2-10 (a damaged room or save) would draw a view
  // reaching past the room's edge; it is refused like a blocked tile.
  if (!InsideInnerRoom(row, col)) canEnter = false;
  return canEnter;
}

bool CommitAndDraw(Game& g, HeroStep& s) {
  s.CanEnter = PassesCommitTest(s.CanEnter, g.EnterMode, g.Facing, s.TargetRow, s.TargetCol);
  if (!s.CanEnter) return false;

  g.HeroRow = s.TargetRow;
  g.HeroCol = s.TargetCol;

  const bool dark = g.DarkRoom == 1;
  for (int cell = 0; cell < 25; ++cell) {
    const std::int64_t row = s.TargetRow - 2 + cell / 5;
    const std::int64_t col = s.TargetCol - 2 + cell % 5;
    s.ViewGrid[static_cast<std::size_t>(cell)] =
        dark && !SeenInTheDark(cell) ? "BLACK" : TagAt(s.RoomGrid, row, col);
  }

  for (int cell = 0; cell < 25; ++cell) {
    const std::string& tag = s.ViewGrid[static_cast<std::size_t>(cell)];
    Control& image = g.IMGgrid[static_cast<std::size_t>(cell)];
    // The hero's own cell keeps its picture: the main tick draws him there.
    if (cell != kHeroCell) {
      std::string picture;
      if (IsMonster(tag)) {
        picture = MonsterPictureName(g.GroundType, tag, g.MonsterFacing);
      } else if ((tag == "WALL" || tag == "SPWALL") && g.GroundType == "SNOW" &&
                 g.RoomNumber == 730) {
        picture = TilePictureName(g.GroundType, "HOUSEWALL");
      } else {
        picture = TilePictureName(g.GroundType, tag);
      }
      image.Picture = g.GamePath + picture;
    }
    image.Tag = tag;
  }
  return true;
}

}  // namespace tq
