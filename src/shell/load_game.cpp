// LOAD: the saved game and its map come back, the saved room is redrawn and its music plays.
#include "shell/load_game.h"

#include <string>

#include "game/action_timers.h"
#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/picture_names.h"
#include "platform/file_writes.h"
#include "rooms/move_hero.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace tq {
namespace {

// The area music for the saved room; each later match replaces the earlier choice.
std::string LoadedAreaMusic(std::int64_t room) {
  bool boss = false;
  for (std::int64_t r : {701, 702, 703, 712, 722, 723, 724, 725, 714, 715, 704}) {
    if (room == r) boss = true;
  }
  std::string music;
  if (room <= 100) music = "Overland2.mid";
  if (room >= 300 && room <= 400) music = "Underground.mid";
  if (room >= 401 && room <= 410) music = "Store.mid";
  if (room >= 500 && room <= 599) music = "dungeonmusic2.mid";
  if (room >= 700 && room <= 800 && !boss) music = "Overland.mid";
  if (boss) music = "bossmusic.mid";
  if (room == 743 || room == 744) music = "Underground.mid";
  if (music.empty()) music = "Overland2.mid";  // the hideouts, among others
  return music;
}

}  // namespace

void mnuLOAD_Click(Game& g, int /*index*/) {
  // GUARD: a missing or damaged save would stop the program or half-apply. Both files are read
  // and checked, and so is the room the save stands in (the redraw below reads it), before
  // anything changes, so a bad one leaves the window exactly as it was. A group of files written
  // earlier that is not all in place yet is put in place first; while it cannot be, no later
  // write could land either, so nothing is loaded and the file in trouble is named.
  SavedGame saved;
  RoomFile savedRoom;
  auto error = FinishPendingGroup(g.GamePath + "Files");
  if (!error) error = ReadSavedGame(g.GamePath, saved);
  if (!error) error = ReadRoomFile(RoomFilePath(g.GamePath, saved.RoomNumber), savedRoom);
  if (error) {
    ShowMessage(g, MessageColor::Red, "The saved game cannot be loaded. " + *error);
    return;
  }

  g.mnuLOAD.Enabled = false;
  g.mnuNUM.Enabled = true;
  // The storm stops but keeps its remaining time.
  g.tmrRAIN.setEnabled(false);
  for (Control& overlay : g.imgRAIN) overlay.Visible = false;
  g.MM3.StopPlayback();
  g.imgMAP1.Enabled = true;
  g.MM2.PlayFile("");
  g.mnuSAVE.Enabled = true;
  g.tmrscroll.setEnabled(false);
  StopActionTimers(g);
  g.UiTick = 0;
  g.mnuPAUSE.Enabled = true;
  g.picSTART.Visible = false;

  ApplySavedGame(g, saved);
  if (g.Life < 1) g.Life = 1;
  if (g.HasMagicBag == 1) g.imgMONEYBAG.Visible = true;
  if (g.HasMagicBag == 0) g.imgMONEYBAG.Visible = false;
  if (g.SwordKind == 1)
    g.slot(ItemSlot::SwordPieces).Picture = g.GamePath + Join("ICONS/PIECE", g.SwordPieces, ".BMP");
  if (g.SwordKind == 2) g.slot(ItemSlot::SwordPieces).Picture = g.GamePath + "ICONS/SSWORD.BMP";
  g.slot(ItemSlot::SwordPieces).Visible = true;
  for (ItemSlot item : kOwnableItems) {
    g.slot(item).Visible = saved.ToolFlags[static_cast<std::size_t>(item)] == 1;
  }
  g.lblROOM.Caption = g.RoomNumber.str();
  g.Facing = kRedrawFacing;
  g.Play(g.MM1, "sounds/squeak2.wav");
  g.lblMESSAGE.Caption =
      "All saved items, money, and stats loaded. You are at the last area you saved at.";
  g.tmrANIMATE.setEnabled(true);
  SetMessageColor(g, MessageColor::Green);
  g.mnuSAVE.Enabled = true;
  g.EnemyHP = 0;
  g.EnemyMaxHP = 0;
  g.ExploredPct = 0;
  for (int i = 0; i < 200; ++i) {
    Control& square = g.imgMAP[i];
    square.Tag = saved.MapCellKind[i];
    square.Picture = g.GamePath + MapIconName(square.Tag);
    square.Visible = saved.MapCellSeen[i] == 1;
    if (square.Visible && i <= 99) g.ExploredPct = g.ExploredPct + 1;
  }
  MoveHero(g);  // redraws the saved room without a step
  g.lblEXPLORE.Caption = Join("You have explored ", g.ExploredPct, "%");
  g.Play(g.MM3, "sounds/" + LoadedAreaMusic(g.RoomNumber.num()));
}

}  // namespace tq
