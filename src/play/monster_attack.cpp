// MonsterAttack: the blow is rolled from the kind's largest, softened by the shirt and the medal,
// sharpened from behind, maybe blocked by the shield; a ZOMBIE drains strength and a THIEF may
// steal gold. The message says it all in one line, its colour marking what mattered most, and
// the hurt frames, the block pose or death follow.
#include "play/monster_attack.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "game/sound_names.h"
#include "play/status_display.h"

namespace tq {
namespace {

// Every monster in view shows the attacker's strike.
void ShowAttackPictures(Game& g, const std::string& attacker) {
  const std::string picture = g.GamePath + MonsterAttackName(g.GroundType, attacker);
  for (Control& cell : g.IMGgrid) {
    if (IsMonster(cell.Tag)) cell.Picture = picture;
  }
}

struct Blow {
  int damage = 0;
  bool shieldReady = false;  // the hero owns the shield, so a block is rolled
  bool fromBehind = false;
};

// The blow rolled from the kind's largest, softened by the shirt and the medal, sharpened from
// behind, and maybe blocked by the shield.
Blow RollBlow(Game& g, const std::string& attacker) {
  Blow b;
  // A tag that is no monster has no largest blow and always deals 1.
  int blow = static_cast<int>(g.rnd.Draw(std::max(MaxDamageOf(attacker), 1)));
  b.shieldReady = g.ShieldItem == "SHIELD";
  int blockChance = 0;
  if (b.shieldReady) blockChance = 1;
  // Face to face, the shield is up where the blow comes.
  if (b.shieldReady && FaceOppositeWays(g.Facing, g.MonsterFacing)) blockChance = 3;
  if (b.shieldReady && attacker == "VEV") blockChance -= 1;
  if (g.HasMagicShirt == 1) {
    blockChance += 1;
    blow = std::max(blow - 3, 1);
  }
  if (g.owns(ItemSlot::HeroMedal)) {
    blow = std::max(blow - 1, 1);
    blockChance += 1;
  }
  // The monster looks the way the hero does: it strikes him in the back.
  b.fromBehind = FaceTheSameWay(g.Facing, g.MonsterFacing);
  if (b.fromBehind) blow += 1;
  // Without the shield no block is rolled and the blow always lands.
  if (b.shieldReady && g.rnd.Draw(7) <= blockChance) blow = 0;
  b.damage = blow;
  return b;
}

// What a blow that lands takes: life and the BONUS, a ZOMBIE's drain of strength and maybe a
// THIEF's theft. Returns the gold stolen.
int TakeTheBlow(Game& g, const std::string& attacker, int blow) {
  g.Life = g.Life - blow;
  if (blow > 0) g.BonusMode = 0;  // the BONUS lasts until the hero is hurt
  if (attacker == "ZOMBIE" && blow > 0) {
    g.Strength = g.Strength - 10 * blow;
    if (g.Strength < 0) g.Strength = 0;
  }
  int stolenGold = 0;
  if (attacker == "THIEF" && blow > 0 && g.rnd.Draw(10) <= 3) {
    stolenGold = 3 * static_cast<int>(g.rnd.Draw(5));
    g.Gold = g.Gold - stolenGold;
    if (g.Gold < 0) g.Gold = 0;
  }
  if (g.Life <= 0) g.Life = 0;
  return stolenGold;
}

// The message grows piece by piece from "<attacker> hits you ", and the last piece's colour is
// the one it ends with. A blocked blow shows the hero behind his shield.
void TellTheBlow(Game& g, std::string message, const std::string& attacker, const Blow& b,
                 int stolenGold) {
  MessageColor color = MessageColor::Orange;
  if (b.damage > 0 && b.fromBehind) {
    message += "in the BACK ";
    color = MessageColor::Cyan;
  }
  if (b.damage > 0) {
    message += "for " + std::to_string(b.damage) + " damage!";
    if (attacker == "ZOMBIE") {
      message += " Your strength has been drained!";
      color = MessageColor::PaleBlue;
    }
  }
  if (b.damage > 0 && stolenGold > 0) {
    message += " THIEF stole " + std::to_string(stolenGold) + " gold!";
    color = MessageColor::Yellow;
  }
  if (b.damage == 0 && b.shieldReady) {
    message += ", but you BLOCK with the SHIELD!";
    color = MessageColor::White;
    g.IMGgrid[kHeroCell].Picture =
        g.GamePath + BlockPictureName(g.GroundType, g.HasMagicShirt == 1);
    g.tmrSHIELD.setEnabled(true);
  }
  if (g.Life == 0) {
    message += " TARVO DIED!";
    color = MessageColor::Red;
    g.tmrANIMATE.setEnabled(false);
  }
  ShowMessage(g, color, message);
}

}  // namespace

void MonsterAttack(Game& g) {
  // No blow lands while the hero's own strike is being resolved.
  if (g.tmrBREAK.Enabled()) return;

  const std::int64_t cell = g.MonsterCell.num();
  assert(cell >= 0 && cell < 25);  // MoveMonster sets it to a cell beside the hero
  const std::string attacker = g.IMGgrid[static_cast<std::size_t>(cell)].Tag;
  const std::string message = attacker + " hits you ";
  g.lblMESSAGE.Caption = message;
  ShowAttackPictures(g, attacker);

  const Blow b = RollBlow(g, attacker);
  const int stolenGold = TakeTheBlow(g, attacker, b.damage);
  RefreshStatusBars(g);
  RefreshStatusNumbers(g);
  TellTheBlow(g, message, attacker, b, stolenGold);

  g.Play(g.MM2, HurtSoundName(b.damage));
  if (b.damage > 0) {
    g.AnimFrame = 0;
    g.tmrANIMATE.setEnabled(false);
    g.tmrGUYHIT.setEnabled(true);
  }
}

}  // namespace tq
