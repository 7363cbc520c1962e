// The 200 ms main tick: every step of the game's heartbeat, in its fixed order.
#include "play/main_tick.h"

#include <cstdint>

#include "game/game.h"
#include "game/toolbar_icons.h"
#include "play/main_tick_steps.h"
#include "play/monster_movement.h"
#include "play/rain.h"
#include "play/status_display.h"

namespace tq {
namespace {

void CountDownSwing(Game& g) {
  // The SHADOW SWORD recovers twice as fast.
  const int step = g.SwordKind == 2 ? 2 : 1;
  const int left = g.SwingWait - step;
  g.SwingWait = static_cast<std::int16_t>(left < 1 ? 0 : left);
}

void UpdateToolbar(Game& g) {
  g.MenuTick += 1;
  if (g.MenuTick >= 6) g.MenuTick = 0;
  if (g.picSTART.Visible) g.mnuNUM.Enabled = false;  // no numbers on the title screen
  RefreshToolbarIcons(g);
}

void MaybeStartRain(Game& g) {
  // The roll is made on every tick that gets this far, whether or not a storm could begin.
  const bool roll = g.rnd.Draw(700) == 1;
  if (roll && g.RoomNumber >= 1 && g.RoomNumber <= 100 && !g.tmrRAIN.Enabled() && g.UiTick == 0) {
    StartRain(g);
  }
}

void RegainStrength(Game& g) {
  const int threshold = g.owns(ItemSlot::Glove) ? 4 : 6;  // the GLOVE speeds it up
  g.IdleTicks += 1;
  if (g.IdleTicks >= threshold) {
    g.Strength += 1;
    g.IdleTicks = 0;
    if (g.Strength > g.MaxStrength) g.Strength = g.MaxStrength;
  }
}

}  // namespace

void tmrANIMATE_Timer(Game& g) {
  CountDownSwing(g);
  g.imgSHIRT.Visible = false;
  if (g.HasMagicShirt == 1) g.imgSHIRT.Visible = true;

  // The block pose freezes everything else for its one tick.
  if (g.tmrSHIELD.Enabled()) return;

  // These still run while the game is paused.
  UpdateToolbar(g);
  MaybeStartRain(g);
  if (g.QuestStage != 0) g.mnuSAVE.Enabled = false;

  if (g.mnuPAUSE.Tag == "Unpause") return;

  if (g.SwordKind == 1) {
    g.tmrATTACK.setInterval(75);
  } else if (g.SwordKind == 2) {
    g.tmrATTACK.setInterval(50);
  }
  ResetItemIcons(g);
  RegainStrength(g);
  g.focus = &g.pic1;
  g.lblROOM.Caption = g.RoomNumber.str();

  AnimateHero(g);
  const ViewScan scan = AnimateView(g);
  BlinkStatusIcons(g, scan);

  // The monster's turn comes on one roll in three while a monster may be about.
  if (scan.monsterInView && g.rnd.Draw(3) == 1) MoveMonster(g);

  // The status rows are brought up to date on every fourth tick (a blow that hurt the hero has
  // just done it and set the frame back to 0).
  if (g.AnimFrame != 3) return;
  RefreshStatusBars(g);
  RefreshStatusNumbers(g);
}

}  // namespace tq
