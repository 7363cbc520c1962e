// Form_Load with the finishing of an interrupted save, the message shadow and unloading the
// window.
#include "shell/start_up.h"

#include "game/game.h"
#include "game/message_line.h"
#include "game/start_values.h"
#include "platform/file_writes.h"
#include "shell/event_table.h"

namespace tq {

void Form_Load(Game& g) {
  // As the window loads, every timer is hooked to its procedure.
  ConnectTimers(g);
  g.GamePath = g.programFolder + "/";
  // GUARD: a write cut short by the program's death would leave files that belong together
  // mixed, and its half-written files behind for good. Before anything is read, a group of files
  // that was committed is put in place and what an uncommitted one left is removed, through a
  // Files/ that links to a folder elsewhere as through a plain one; nothing else in Files/ is
  // touched.
  if (auto error = FinishInterruptedWrites(g.GamePath + "Files")) {
    ShowMessage(g, MessageColor::Red,
                "The last save was cut short and cannot be finished. " + *error);
  }
  SetStartValues(g);
  g.lblHP[0].Visible = true;  // gold is shown as its number in both display modes
  g.Image2.Picture = g.GamePath + "Icons/tqtitle.bmp";
  g.MenuTick = 0;
  g.SwingWait = 0;
  g.QuestStage = 0;
  g.HeroRow = 1;
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
