// SAVE, NUM and PAUSE, and the colour cycle of the PAUSED label.
#include "shell/toolbar_commands.h"

#include "game/game.h"
#include "game/message_line.h"
#include "world/saved_game.h"

namespace tq {

void mnuSAVE_Click(Game& g, int /*index*/) {
  g.Play(g.MM1, "sounds/squeak.wav");
  ShowMessage(g, MessageColor::Green,
              "All items, money, and stats saved. You'll start here if you load the game.");
  // GUARD: a failed save would still claim success; it says so in red instead, and so does a
  // save that is written but not all in place yet.
  const WriteResult written = SaveGame(g);
  if (!written.written()) {
    ShowMessage(g, MessageColor::Red, "The game could not be saved. " + written.message);
  } else if (!written.message.empty()) {
    ShowMessage(g, MessageColor::Red, "The game is saved. " + written.message);
  }
}

void mnuNUM_Click(Game& g, int /*index*/) {
  g.Play(g.MM1, "sounds/squeak.wav");
  const bool numbers = g.lblHP[1].Visible;
  for (Control& number : g.lblHP) number.Visible = !numbers;
  for (Control& bar : g.Picture1) bar.Visible = numbers;
  g.lblHP[0].Visible = true;  // gold is a number in both modes
}

namespace {

// GUARD: a storm resumed underground would count down unseen (and no new storm could start),
// and one a new game or a load held would never show again. So a storm resumes on unpausing only
// over the overland, where storms are seen, and comes back into view with its overlay and sound,
// as it does when the hero returns outdoors; off the overland it stays held until he walks out.
void ResumeStorm(Game& g) {
  if (g.RoomNumber < 1 || g.RoomNumber > 100) return;
  if (!g.imgRAIN[0].Visible) {
    for (Control& drop : g.imgRAIN) drop.Visible = true;
    g.Play(g.MM3, "sounds/rainthunder.wav");
  }
  g.tmrRAIN.setEnabled(true);
}

}  // namespace

void mnuPAUSE_Click(Game& g, int /*index*/) {
  SetMessageColor(g, MessageColor::White);
  const bool paused = g.mnuPAUSE.Tag == "Unpause";
  if (paused && g.RainTicks > 0) ResumeStorm(g);
  if (paused) {
    g.mnuPAUSE.Tag = "Pause";
    g.lblMESSAGE.Caption = "Game is UNPAUSED.";
    g.Play(g.MM1, "sounds/squeak2.wav");
    g.UiTick = 0;
    g.LBLpause.Visible = false;
  } else {
    g.mnuPAUSE.Tag = "Unpause";
    g.lblMESSAGE.Caption = "Game is PAUSED.";
    g.UiTick = 0;
    if (g.tmrRAIN.Enabled()) g.tmrRAIN.setEnabled(false);
    g.Play(g.MM1, "sounds/squeak.wav");
    g.tmrPAUSE.setEnabled(true);
    g.LBLpause.Visible = true;
  }
}

void tmrPAUSE_Timer(Game& g) {
  // Once started this never stops: UiTick keeps cycling through play, which the rain relies on.
  const auto shown = g.UiTick.num();
  g.UiTick = g.UiTick + 1;
  if (g.UiTick >= 6) g.UiTick = 0;
  static constexpr Color kColours[6] = {0x000000, 0xFFFFFF, 0x0000FF, 0xFF0000, 0x00FFFF, 0x00FF00};
  if (shown >= 0 && shown <= 5) g.LBLpause.ForeColor = kColours[shown];
}

}  // namespace tq
