// Form_Load, the message shadow and unloading the window.
#include "shell/start_up.h"

#include "game/game.h"
#include "shell/event_table.h"

namespace tq {

void Form_Load(Game& g) {
  // As the window loads, every timer is hooked to its procedure.
  ConnectTimers(g);
  g.GamePath = g.programFolder + "/";
  g.HasMagicShirt = 0;
  g.lblHP[0].Visible = true;  // gold is shown as its number in both display modes
  g.Image2.Picture = g.GamePath + "Icons/tqtitle.bmp";
  g.ExploredPct = 1;
  g.GroundType = "GRASS";
  g.MonsterFacing = "RIGHT";
  g.Facing = "";
  g.ShieldItem = "";
  g.AnimFrame = 0;
  g.MenuTick = 0;
  g.SwordPieces = 0;
  g.HasMagicBag = 0;
  g.Gold = 0;
  g.SwingWait = 0;
  g.Points = 0;
  g.Life = 10;
  g.MaxLife = 10;
  g.Strength = 20;
  g.MaxStrength = 20;
  g.QuestStage = 0;
  g.SwordKind = 1;
  g.HeroRow = 1;
  g.HeroCol = 6;
  g.EnemyHP = 0;
  g.EnemyMaxHP = 0;
}

void tmrSHADOW_Timer(Game& g) {
  g.shadowmessage.Caption = g.lblMESSAGE.Caption;
}

void mnuEXIT_Click(Game& g, int /*index*/) {
  if (g.unloaded) return;
  g.unloaded = true;
  if (g.unload) g.unload();
}

}  // namespace tq
