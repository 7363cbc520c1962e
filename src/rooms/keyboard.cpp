// The key-down handler of the hidden play-field box: arrow keys turn and step the hero, the
// space bar starts a swing, and any key counts as the player being awake.
#include "rooms/keyboard.h"

#include "game/facing.h"
#include "game/game.h"
#include "game/key_codes.h"
#include "rooms/move_hero.h"

namespace tq {

void pic1_KeyDown(Game& g, int keyCode) {
  // GUARD: behind the title screen there is no play field to act on: before the first game no
  // room exists, and behind the end picture a swing would restart the main tick and the hero
  // could be hurt out of sight. Every key is dropped while the title screen shows.
  if (g.picSTART.Visible) return;
  if (g.tmrSHIELD.Enabled()) return;
  if (g.mnuPAUSE.Tag == "Unpause") return;
  if (g.tmrGUYHIT.Enabled()) return;
  if (g.tmrEND.Enabled()) return;
  g.IdleTicks = 0;
  if (g.Life == 0) return;
  if (g.tmrATTACK.Enabled()) return;
  if (g.tmrBREAK.Enabled()) return;
  const bool space = keyCode == kKeySpace;
  if (space && g.SwingWait > 0) return;
  if (space && g.InWater == 1) return;
  const bool outdoors = g.GroundType == "GRASS" || g.GroundType == "SNOW";

  const bool arrow = keyCode >= kKeyLeft && keyCode <= kKeyDown;
  if (keyCode == kKeyLeft) g.Facing = HeroFacingText(Heading::Left);
  if (keyCode == kKeyUp) g.Facing = HeroFacingText(Heading::Up);
  if (keyCode == kKeyRight) g.Facing = HeroFacingText(Heading::Right);
  if (keyCode == kKeyDown) g.Facing = HeroFacingText(Heading::Down);

  if (space) {
    g.AnimFrame = 1;
    g.tmrANIMATE.setEnabled(false);
    g.tmrATTACK.setEnabled(true);
    g.Play(g.MM1, outdoors ? "Sounds/1hmiss.wav" : "SOUNDS/1HMISSECHO.wav");
  }
  if (arrow) {
    g.SwingWait = 0;
    MoveHero(g);
  }
}

}  // namespace tq
