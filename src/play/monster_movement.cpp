// MoveMonster: the room file is the monster's only record of where it stands. One turn reads
// it, turns the monster toward the hero (another way at random when the way is blocked), and
// either strikes from beside him or steps one cell and writes the file back.
#include "play/monster_movement.h"

#include <cstdint>
#include <optional>
#include <string>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "play/monster_attack.h"
#include "rooms/move_hero.h"
#include "world/room_file.h"

namespace tq {
namespace {

// A detouring monster's draw of 1 to 4 names its new way.
constexpr Heading kDrawnWay[] = {Heading::Up, Heading::Down, Heading::Left, Heading::Right};

// A monster on the outer ring of a hand-made room looks past the grid's edge: a cell outside the
// room is neither floor nor open to a step.
const std::string& CellAt(const RoomFile& room, std::int64_t row, std::int64_t col) {
  static const std::string kOutside = "BLACK";
  if (row < 0 || row >= kRoomSize || col < 0 || col >= kRoomSize) return kOutside;
  return room.tags[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

// A monster walks on floor and tramples flowers; the mushroom and everything else stop it.
bool MonsterMayEnter(const std::string& tag) {
  return tag == "FLOOR" || tag == "FLOWER1" || tag == "FLOWER2" || tag == "FLOWER3";
}

struct Turn {
  std::string tag;
  std::int64_t row = -1, col = -1;  // where it stands before the step
  std::optional<Heading> way;       // none until a facing test sets it
  bool blocked = false;             // once set, stays set for the turn
};

// Faces the monster one way and notes whether the next cell that way is open floor. The facing
// tests count only plain floor as open, so a flower in the way sends the monster round it.
void Face(Game& g, const RoomFile& room, Turn& t, Heading way) {
  g.MonsterFacing = MonsterFacingText(way);
  t.way = way;
  if (CellAt(room, t.row + RowStep(way), t.col + ColStep(way)) != "FLOOR") t.blocked = true;
}

void FaceTheHeroAcross(Game& g, const RoomFile& room, Turn& t, std::int64_t heroCol) {
  if (t.col < heroCol) Face(g, room, t, Heading::Right);
  if (t.col > heroCol) Face(g, room, t, Heading::Left);
}

// The four facing tests, the coin toss between the two ways to a hero off both lines, and the
// detour of a blocked monster.
void ChooseDirection(Game& g, const RoomFile& room, Turn& t, std::int64_t heroRow,
                     std::int64_t heroCol) {
  FaceTheHeroAcross(g, room, t, heroCol);
  if (t.row < heroRow) Face(g, room, t, Heading::Down);
  if (t.row > heroRow) Face(g, room, t, Heading::Up);

  // The vertical way wins unless the toss says otherwise; the toss is made on every turn.
  const bool tossAcross = g.rnd.Draw(2) == 1;
  if (tossAcross && t.row != heroRow && t.col != heroCol) FaceTheHeroAcross(g, room, t, heroCol);

  // A blocked monster tries another way at random, still facing the hero: any of the other
  // three, each as likely.
  const std::optional<Heading> oldWay = t.way;
  for (;;) {
    const Heading drawn = kDrawnWay[g.rnd.Draw(4) - 1];
    if (!t.blocked) break;
    t.way = drawn;
    if (drawn != oldWay) break;
  }
}

// The view cell beside the hero where the monster stands, or -1 when it is not next to him.
// A monster beside him turns to face him.
int CellBesideHero(Game& g, const Turn& t, std::int64_t heroRow, std::int64_t heroCol) {
  for (Heading side : kHeadings) {
    if (t.row == heroRow + RowStep(side) && t.col == heroCol + ColStep(side)) {
      g.MonsterFacing = MonsterFacingText(Opposite(side));
      return ViewCell(side);
    }
  }
  return -1;
}

// The monster rears up in its cell, in the frame of this tick, just before its blow.
void ShowMonsterSprite(Game& g, int cell) {
  Control& image = g.IMGgrid[static_cast<std::size_t>(cell)];
  const bool secondFrame = g.AnimFrame == 2 || g.AnimFrame == 4;
  const std::string_view facing = IsMonster(image.Tag) ? std::string_view(g.MonsterFacing) : "";
  image.Picture = g.GamePath + TileAnimName(g.GroundType, image.Tag, facing, secondFrame);
}

}  // namespace

void MoveMonster(Game& g) {
  if (g.EnemyHP <= 0) return;

  // GUARD: a room file that is missing or damaged would stop the game; the monster stays put
  // this turn and the player learns which file is at fault.
  const std::string path = RoomFilePath(g.GamePath, g.RoomNumber);
  RoomFile room;
  if (auto error = ReadRoomFile(path, room)) {
    ShowMessage(g, MessageColor::Red, *error);
    return;
  }

  // The room's monster is the last one in file order.
  Turn t;
  for (std::int64_t row = 0; row < kRoomSize; ++row) {
    for (std::int64_t col = 0; col < kRoomSize; ++col) {
      const std::string& tag = CellAt(room, row, col);
      if (!IsMonster(tag)) continue;
      t.tag = tag;
      t.row = row;
      t.col = col;
    }
  }
  // A live monster with no tag in its room has nowhere to start from.
  if (t.tag.empty()) return;

  const std::int64_t heroRow = g.HeroRow.num();
  const std::int64_t heroCol = g.HeroCol.num();
  ChooseDirection(g, room, t, heroRow, heroCol);
  if (t.row == heroRow && t.col == heroCol) return;

  const int cell = CellBesideHero(g, t, heroRow, heroCol);
  if (cell >= 0) {
    g.MonsterCell = cell;
    ShowMonsterSprite(g, cell);
    MonsterAttack(g);
    return;
  }

  // A turn that reaches here has a way: the monster is off the hero's row or column.
  const std::int64_t row = t.row + (t.way ? RowStep(*t.way) : 0);
  const std::int64_t col = t.col + (t.way ? ColStep(*t.way) : 0);
  if (!MonsterMayEnter(CellAt(room, row, col))) return;
  room.tags[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = t.tag;
  room.tags[static_cast<std::size_t>(t.row)][static_cast<std::size_t>(t.col)] = "FLOOR";

  // GUARD: a write that fails (a full disk, a read-only folder) would pass unnoticed; the old
  // file stays whole, the monster stays where it was and the player is told which file.
  if (auto error = WriteRoomFile(path, room)) {
    ShowMessage(g, MessageColor::Red, *error);
    return;
  }
  g.EnterMode = 1;
  MoveHero(g);
}

}  // namespace tq
