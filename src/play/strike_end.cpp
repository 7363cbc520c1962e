// The end of a strike that broke something or killed a monster: points and the BONUS, the struck
// cell's new tag in the view and in its room file, the boss kill saved, the main tick back.
#include <optional>
#include <string>
#include <utility>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/picture_names.h"
#include "platform/file_writes.h"
#include "play/strike_stages.h"
#include "rooms/move_hero.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace tq {
namespace {

// The room cell of the struck view cell: the hero's neighbour on that side.
std::optional<std::pair<std::size_t, std::size_t>> StruckRoomCell(const Game& g) {
  const std::optional<Heading> side = HeadingOfCell(g.TargetTile.num());
  if (!side) return std::nullopt;
  const std::int64_t row = g.HeroRow.num() + RowStep(*side);
  const std::int64_t col = g.HeroCol.num() + ColStep(*side);
  if (row < 0 || row >= kRoomSize || col < 0 || col >= kRoomSize) return std::nullopt;
  return std::pair{static_cast<std::size_t>(row), static_cast<std::size_t>(col)};
}

void AddStrikePoints(Game& g) {
  g.Points = g.Points + g.StrikePoints;
  if (g.Points >= 100) {
    g.BonusMode = 1;
    g.Life = g.MaxLife;
    g.Strength = g.MaxStrength;
    ShowMessage(g, MessageColor::Yellow,
                "HOORAY! You have enough points to get a BONUS! Break things and use NO STRENGTH! "
                "Hit for DOUBLE DAMAGE! If you are hurt, you lose the BONUS!");
    g.Play(g.MM1, "sounds/LEVELUP.wav");
    g.Points = g.Points - 100;
  }
}

void BackToTheMainTick(Game& g) {
  g.tmrBREAK.setEnabled(false);
  g.tmrANIMATE.setEnabled(true);
}

}  // namespace

void ResolveStrike(Game& g, const std::string& struckTag) {
  const auto at = StruckRoomCell(g);
  const std::string path = RoomFilePath(g.GamePath, g.RoomNumber);
  RoomFile room;
  // GUARD: a room file that cannot be read (missing or damaged) would have the strike pay out
  // points, the BONUS and loot for a cell it cannot write. The room is read before anything is
  // given; when it fails the strike gives nothing, changes no file and names the file in red.
  std::optional<std::string> error = at ? ReadRoomFile(path, room) : std::nullopt;
  if (!at || error) {
    if (error) ShowMessage(g, MessageColor::Red, *error);
    BackToTheMainTick(g);
    return;
  }

  AddStrikePoints(g);
  const std::string newTag = LeaveLoot(g, struckTag);
  Control& cell = g.IMGgrid[static_cast<std::size_t>(g.TargetTile.num())];
  cell.Tag = newTag;
  cell.Picture = g.GamePath + TilePictureName(g.GroundType, newTag);
  room.tags[at->first][at->second] = newTag;
  // GUARD: the boss's death reaches its room file at once, but a quest stage kept only in memory
  // would be lost to a death or a quit before the next save, leaving a world whose door never
  // opens. The saved game is written with the room, and the two land together.
  FileGroup files;
  AddRoomFile(files, path, room);
  if (struckTag == "SHADOW BOSS") AddSavedGame(files, g);
  const WriteResult written = files.Write();

  BackToTheMainTick(g);
  // Between the two bosses every strike redraws the room: the door shows and VEV wakes.
  if (g.QuestStage == 1) {
    g.Facing = kRedrawFacing;
    MoveHero(g);
  }
  // The win: the ending runs on its own timer.
  if (newTag == "SIBLING1") g.tmrANIMATE.setEnabled(false);
  // GUARD: a room or saved game that could not be written would pass unnoticed; the old file
  // stays whole and the player is told which one in red (or which is not in place yet).
  if (!written.message.empty()) ShowMessage(g, MessageColor::Red, written.message);
}

}  // namespace tq
