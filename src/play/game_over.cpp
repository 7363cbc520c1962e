// GameOver: the window stays open on the room where the hero fell, with only NEW, LOAD and EXIT
// left to click.
#include "play/game_over.h"

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/picture_names.h"
#include "game/toolbar_icons.h"
#include "play/status_display.h"
#include "rooms/map_panels.h"

namespace tq {

void GameOver(Game& g) {
  // GUARD: a map opened during the dying frames would, once closed, enable SAVE again and let a
  // dead hero be saved over the good save. It is put away first and the game unpaused; the map's
  // own words had replaced the death message, so the death is told again.
  if (g.fraMAP.Visible) {
    PutMapAway(g);
    ShowMessage(g, MessageColor::Red, "TARVO DIED!");
  }

  g.MM3.StopPlayback();
  // The storm stops with the music; RainTicks keeps what is left of it.
  g.tmrRAIN.setEnabled(false);
  for (Control& drop : g.imgRAIN) drop.Visible = false;
  g.IMGgrid[kHeroCell].Picture = g.GamePath + TileAnimName(g.GroundType, "FLOOR", "", false);
  g.Play(g.MM1, "sounds/DEAD.wav");
  g.Play(g.MM2, "SOUNDS/DEADMUSIC.mid");
  g.mnuLOAD.Enabled = true;
  // The numbers are brought up to date; the bars stay as the last blow left them.
  RefreshStatusNumbers(g);
  g.mnuNUM.Enabled = false;
  g.mnuNEW.Enabled = true;
  g.mnuSAVE.Enabled = false;
  g.mnuPAUSE.Enabled = false;
  // The toolbar shows its new state at once rather than at the next round of the main tick,
  // which will not come.
  g.MenuTick = 0;
  RefreshToolbarIcons(g);
  g.imgMAP1.Enabled = false;
}

}  // namespace tq
