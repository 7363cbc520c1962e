// The intro scroll of the title screen.
#include "shell/title_scroll.h"

#include "game/game.h"

namespace tq {

void tmrscroll_Timer(Game& g) {
  if (g.UiTick == 3) g.Play(g.MM1, "sounds/night.wav");
  g.UiTick = g.UiTick + 1;
  if (g.UiTick <= 5) return;
  g.lblSCROLL.Top -= 100;
  if (g.lblSCROLL.Top <= -8880) {
    g.lblSCROLL.Top = 2400;
    g.UiTick = 0;
  }
}

}  // namespace tq
