// The animated tiles of the view on the main tick: coins, fire, water, symbols and monsters.
#include <string>
#include <string_view>

#include "game/facing.h"
#include "game/game.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "play/main_tick_steps.h"

namespace tq {
namespace {

bool IsAnimatedTile(std::string_view tag) {
  return tag == "COIN" || tag == "CAMPFIRE" || tag == "WATER" || tag == "RUINSTONE" ||
         tag == "LIFESYMBOL" || tag == "POWERSYMBOL";
}

}  // namespace

ViewScan AnimateView(Game& g) {
  ViewScan scan;
  const bool secondFrame = g.AnimFrame == 2 || g.AnimFrame == 4;
  bool sparkled = false;
  for (int i = 0; i < 25; ++i) {
    const std::string& tag = g.IMGgrid[i].Tag;
    const bool monster = IsMonster(tag);
    const bool animated = monster || IsAnimatedTile(tag);
    if (monster) scan.monsterInView = true;
    if ((tag == "STREE" || tag == "SPWALL") && g.owns(ItemSlot::CrystalBall))
      scan.secretInView = true;
    if (g.EnemyHP > 0) scan.monsterInView = true;

    // Every cell rolls for the sparkle on a second-frame tick, the hero's cell included, and the
    // first water cell that rolls a 1 takes the one sparkle of the tick (even the hero's own).
    bool sparkle = false;
    if (secondFrame && g.rnd.Draw(100) == 1 && tag == "WATER" && !sparkled &&
        !g.tmrRAIN.Enabled()) {
      sparkle = true;
      sparkled = true;
    }

    if (i == kHeroCell || !animated) continue;
    g.IMGgrid[i].Picture =
        g.GamePath +
        (sparkle ? SparkleName(g.GroundType)
                 : TileAnimName(g.GroundType, tag, monster ? std::string_view(g.MonsterFacing) : "",
                                secondFrame));
  }
  return scan;
}

}  // namespace tq
