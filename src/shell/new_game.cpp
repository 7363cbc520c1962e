// NEW: clears what the last game left in the window, shows the world-building picture and,
// after a short delay, builds the world.
#include "shell/new_game.h"

#include "game/action_timers.h"
#include "game/game.h"
#include "game/message_line.h"
#include "shell/generate_world.h"
#include "world/template_rooms.h"

namespace tq {

void mnuNEW_Click(Game& g, int /*index*/) {
  // GUARD: a missing or damaged template would stop the program halfway through a new world. A
  // world is only started when every template it copies is there and whole; otherwise the
  // window stays as it is and the player learns which file is at fault.
  TemplateSet templates;
  if (auto error = LoadTemplates(g.GamePath, templates)) {
    ShowMessage(g, MessageColor::Red, "A new world cannot be built. " + *error);
    return;
  }

  g.mnuNEW.Enabled = false;
  g.mnuLOAD.Enabled = false;
  g.mnuNEW.Picture = g.GamePath + "menu/NOnew.ico";
  g.mnuLOAD.Picture = g.GamePath + "menu/NOload.ico";
  g.picSTART.Visible = true;
  g.imgMAP1.Enabled = true;
  g.Image2.Picture = g.GamePath + "Pics/MakeWorld.bmp";
  g.Play(g.MM1, "sounds/squeak.wav");
  g.picSCROLL.Visible = false;
  g.imgSHIRT.Visible = false;
  g.HasMagicShirt = 0;
  g.mnuSAVE.Enabled = true;
  g.mnuPAUSE.Enabled = true;
  g.MM3.StopPlayback();
  // The storm stops but keeps its remaining time for the new game.
  g.tmrRAIN.setEnabled(false);
  for (Control& overlay : g.imgRAIN) overlay.Visible = false;
  g.EnemyHP = 0;
  g.EnemyMaxHP = 0;
  SetMessageColor(g, MessageColor::White);
  g.tmrscroll.setEnabled(false);
  StopActionTimers(g);
  g.UiTick = 0;
  g.MM2.PlayFile("");
  g.QuestStage = 0;
  g.HasMagicBag = 0;
  g.imgMONEYBAG.Visible = false;
  g.MenuTick = 0;
  g.tmrBEGIN.setEnabled(true);
}

void tmrBEGIN_Timer(Game& g) {
  g.Image2.Picture = g.GamePath + "Pics/MakeWorld.bmp";
  g.MenuTick = g.MenuTick + 1;
  // The main tick counts the same number, so this test may be met early or passed over once.
  if (g.MenuTick == 5) {
    g.MenuTick = 0;
    g.tmrBEGIN.setEnabled(false);
    GenerateWorld(g);
  }
}

}  // namespace tq
