// The sword swing: three frames of the hero swinging, then the faced tile is priced and either
// struck, refused or missed; the main tick runs again whatever the outcome.
#include "play/sword_swing.h"

#include <optional>
#include <string>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/picture_names.h"
#include "game/strike_tables.h"

namespace tq {
namespace {

void ShowSwingFrame(Game& g) {
  const int frame = static_cast<int>(g.AnimFrame.num()) + (g.SwordKind == 2 ? 10 : 0);
  // GUARD: the redraw marker "XXX" (a new or loaded game before its first tick) names no
  // picture; the hero swings facing the viewer, as the next main tick would show him.
  const Value facing = g.Facing == kRedrawFacing ? Value(HeroFacingText(Heading::Down)) : g.Facing;
  g.IMGgrid[kHeroCell].Picture =
      g.GamePath + HeroSwingName(g.GroundType, facing, g.ShieldItem, frame, g.HasMagicShirt == 1);
}

void Refuse(Game& g, const char* why) {
  ShowMessage(g, MessageColor::White, why);
  g.Play(g.MM1, "sounds/NO.wav");
}

// The end of the swing: what the blow lands on and whether the hero can pay for it.
void PriceTheBlow(Game& g) {
  g.TargetTile = 0;
  g.rnd.Randomize();
  const std::optional<Heading> facing = HeroHeading(g.Facing);
  // GUARD: a hero who faces no way yet (the redraw marker "XXX") would strike the view's
  // top-left cell, which lies in no place of the room the strike could write; the swing misses.
  if (!facing) return;
  const int cell = ViewCell(*facing);
  g.TargetTile = cell;

  const StrikeCost price = StrikeCostOf(g.IMGgrid[static_cast<std::size_t>(cell)].Tag);
  bool strike = price.struck;
  bool tooWeak = false;
  if (price.needsShadowSword) {
    strike = g.SwordKind == 2;
    tooWeak = g.SwordKind == 1;
  }
  int cost = price.cost;
  if (g.owns(ItemSlot::Glove)) cost -= 1;
  if (g.BonusMode == 1) cost = 0;
  if (cost < 0) cost = 0;

  if (tooWeak) {
    Refuse(g, "YOUR SWORD CAN'T break this! Try again later with a stronger weapon!");
    return;
  }
  if (g.Strength < cost) {
    strike = false;
    Refuse(g, "NOT ENOUGH STRENGTH to break this!");
  } else {
    g.Strength = g.Strength - cost;
  }
  // The strike runs beside the main tick.
  if (strike) g.tmrBREAK.setEnabled(true);
}

}  // namespace

void tmrATTACK_Timer(Game& g) {
  // The cooldown starts with the swing, so even a miss holds back the next one.
  if (g.AnimFrame == 1) g.SwingWait = 3;
  ShowSwingFrame(g);
  g.AnimFrame += 1;
  if (g.AnimFrame <= 3) return;

  g.AnimFrame = 1;
  g.tmrATTACK.setEnabled(false);
  g.tmrANIMATE.setEnabled(true);
  PriceTheBlow(g);
}

}  // namespace tq
