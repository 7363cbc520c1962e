// The key-down handler of the hidden play-field box: arrow keys turn and step the hero, the
// space bar starts a swing, and any key counts as the player being awake.
#include "rooms/keyboard.h"

#include "game/game.h"
#include "game/key_codes.h"
#include "rooms/move_hero.h"

namespace tq {

void pic1_KeyDown(Game& g, int keyCode) {
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

  // GUARD: on the title screen of a fresh run there is no room yet; a step would read a room
  // file without a number.
  const bool arrow = keyCode >= kKeyLeft && keyCode <= kKeyDown;
  if (arrow && g.RoomNumber.isEmpty()) return;
  if (keyCode == kKeyLeft) g.Facing = "LEFT";
  if (keyCode == kKeyUp) g.Facing = "REAR";
  if (keyCode == kKeyRight) g.Facing = "RIGHT";
  if (keyCode == kKeyDown) g.Facing = "";

  // GUARD: a swing stops the main tick until the swing timer's procedure brings it back; while
  // the game has no such procedure, starting one would leave the hero frozen for good.
  if (space && !g.tmrATTACK.onTimer) return;
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
