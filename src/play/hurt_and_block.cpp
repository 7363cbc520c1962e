// The hurt and dying frames run while the main tick is stopped and hand it back, or end the game;
// the block pose only has to end, since the main tick leaves the hero's picture alone meanwhile.
#include "play/hurt_and_block.h"

#include "game/facing.h"
#include "game/game.h"
#include "game/picture_names.h"
#include "play/game_over.h"

namespace tq {

void tmrGUYHIT_Timer(Game& g) {
  g.AnimFrame += 1;
  if (g.AnimFrame >= 5 && g.Life > 0) {
    // He shakes it off: the last frame shows him recovering, and the walk resumes on the next
    // main tick.
    g.AnimFrame = 0;
    g.tmrGUYHIT.setEnabled(false);
    g.tmrANIMATE.setEnabled(true);
  }
  if (g.AnimFrame >= 5 && g.Life == 0) {
    g.tmrGUYHIT.setEnabled(false);
    GameOver(g);
    return;
  }
  g.IMGgrid[kHeroCell].Picture = g.GamePath + HeroHitName(g.GroundType, g.Life == 0, g.AnimFrame);
}

void tmrSHIELD_Timer(Game& g) {
  g.tmrSHIELD.setEnabled(false);
}

}  // namespace tq
