// The ending: RIREZIVI thanks his brother and leaves, TARVO grumbles, and the end picture covers
// the window for good.
#include "play/ending.h"

#include "game/game.h"

namespace tq {

void StartEnding(Game& g) {
  g.MM2.SetPlayCount(1);
  g.AnimFrame = 0;
  g.mnuPAUSE.Enabled = false;
  g.mnuSAVE.Enabled = false;
  g.tmrEND.setEnabled(true);
}

void tmrEND_Timer(Game& g) {
  g.MM3.StopPlayback();
  // Whatever started the main tick, it stays stopped while the ending plays.
  g.tmrANIMATE.setEnabled(false);
  g.AnimFrame += 1;
  // Each line keeps the colour the message line already has.
  if (g.AnimFrame == 2) {
    g.lblMESSAGE.Caption = "RIREZIVI: I Thank you brother, yet I had him right where I wanted him!";
    g.Play(g.MM2, "sounds/winmusic.mid");
  }
  if (g.AnimFrame == 4) g.lblMESSAGE.Caption = "TARVO: Oh I see.. Harumph!";
  if (g.AnimFrame == 3) g.lblMESSAGE.Caption = "RIREZIVI: I'll show myself out- See you later!";
  if (g.AnimFrame > 5) {
    g.picSCROLL.Visible = false;
    g.Image2.Picture = g.GamePath + "icons/TQend1.bmp";
    g.Label1.Visible = false;
    g.Label2.Visible = false;
    g.picSTART.Visible = true;
    g.tmrEND.setEnabled(false);
  }
}

}  // namespace tq
