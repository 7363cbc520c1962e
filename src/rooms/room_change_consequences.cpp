// Stage C of the hero's step: what a room change means for the message line, the music, a
// running storm, the save button and the explored map.
#include <string>

#include "game/game.h"
#include "game/message_line.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

void ShowRain(Game& g, bool on) {
  for (Control& overlay : g.imgRAIN) overlay.Visible = on;
  g.tmrRAIN.setEnabled(on);
}

// Shows the map square of the room when the hero enters it for the first time.
void UncoverMapSquare(Game& g) {
  const std::int64_t room = g.RoomNumber.num();
  std::int64_t square = -1;
  const bool overland = g.RoomNumber <= 100;
  if (overland) square = room - 1;
  if (g.RoomNumber >= 301 && g.RoomNumber <= 400) square = room - 201;
  if (square < 0 || square >= static_cast<std::int64_t>(g.imgMAP.size())) return;
  Control& cell = g.imgMAP[static_cast<std::size_t>(square)];
  if (cell.Visible) return;
  cell.Visible = true;
  if (overland) {
    g.ExploredPct = g.ExploredPct + 1;
    g.lblEXPLORE.Caption = Join("You have explored ", g.ExploredPct, "%");
  }
}

}  // namespace

void AfterRoomChange(Game& g, HeroStep& s) {
  bool musicChanged = false;
  const Value& room = g.RoomNumber;

  if (s.WentDown) {
    g.EnemyHP = 0;
    if ((g.owns(ItemSlot::Torch) && room <= 699) || room >= 1000) {
      ShowMessage(g, MessageColor::White, "You light your torch and the dark cavern illuminates!");
      if (s.DungeonEntry == 0) g.Play(g.MM1, "SOUNDS/lighttorch.wav");
    }
    if (room >= 700 && room <= 800) {
      g.Play(g.MM1, "SOUNDS/no.wav");
      g.lblMESSAGE.Caption = "The power of this evil place traps you inside! Fight on, Tarvo!";
    }
    g.Play(g.MM3, "sounds/Underground.mid");
    musicChanged = true;
  }
  if (s.RoomChanged) {
    g.lblMESSAGE.Caption = "";
    g.EnemyHP = 0;
  }
  if (s.CameUp) {
    if (g.RainTicks <= 0 && room <= 699) g.Play(g.MM1, "SOUNDS/WILD.WAV");
    g.EnemyHP = 0;
    SetMessageColor(g, MessageColor::White);
    g.Play(g.MM3, room <= 699 ? "sounds/Overland2.mid" : "sounds/Overland.mid");
  }
  if (s.FarNorthEntered) {
    g.EnemyHP = 0;
    SetMessageColor(g, MessageColor::White);
    g.Play(g.MM1, "SOUNDS/SDOOR.WAV");
    g.Play(g.MM3, "sounds/Overland.mid");
    musicChanged = true;
  }
  if (s.StoreEntered) {
    g.Play(g.MM3, "sounds/Store.mid");
    musicChanged = true;
    SetMessageColor(g, MessageColor::White);
    g.Play(g.MM1, "/SOUNDS/squeak3.wav");
  }
  if (s.StoreLeft == 1) g.Play(g.MM3, "sounds/overland2.mid");
  if (s.StoreLeft == 2) g.Play(g.MM3, "sounds/overland.mid");
  if (s.DungeonEntry == 1) {
    g.Play(g.MM3, "sounds/dungeonmusic2.mid");
    musicChanged = true;
  }
  if (s.DungeonEntry == 2) {
    g.Play(g.MM3, "sounds/bossmusic.mid");
    musicChanged = true;
  }

  // Below ground, in stores, dungeons and the Far North a storm is held, not ended: its
  // remaining time waits for the next return to the overland.
  if (musicChanged) ShowRain(g, false);
  const bool rainMayResume = s.CameUp || s.RoomChanged;
  if (rainMayResume && g.RainTicks > 0 && !g.tmrRAIN.Enabled() && room <= 100) {
    ShowRain(g, true);
    g.Play(g.MM3, "sounds/rainthunder.wav");
    ShowMessage(g, MessageColor::Silver, "Rains continue throughout the land.");
  }

  g.mnuSAVE.Enabled = !(room == 704);
  s.RoomRoar = -1;
  UncoverMapSquare(g);
}

}  // namespace tq
