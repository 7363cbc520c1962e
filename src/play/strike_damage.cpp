// The blow of the strike's first frame: the damage with every modifier in its order, the
// critical hit, the hit message in its colour, the monster's hit points and the kill. An object
// takes the blow's draws too, and feels nothing.
#include <optional>
#include <string>
#include <string_view>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "play/strike_stages.h"

namespace tq {
namespace {

// The monster in that cell looks at the hero, plated head first.
bool FacesTheHero(const Value& targetTile, std::string_view monsterFacing) {
  const std::optional<Heading> side = HeadingOfCell(targetTile.num());
  return side && MonsterHeading(monsterFacing) == Opposite(*side);
}

struct Blow {
  std::int64_t damage = 0;
  bool backStab = false;
  bool critical = false;
};

// The damage of the blow with every modifier in its order; only a blow at a monster rolls for a
// critical hit.
Blow RollBlow(Game& g, const std::string& tag, bool atMonster) {
  Blow b;
  std::int64_t d = g.rnd.Draw(3);
  const bool shadowSword = g.SwordKind == 2;
  if (shadowSword) d += 1;
  const bool medal = g.owns(ItemSlot::HeroMedal);
  const std::int64_t critBonus = medal ? 5 : 0;
  if (medal) d += 2;
  // The SHADOW SWORD is at its best indoors and underground.
  if (shadowSword && g.GroundType == "WOOD") d += 1;
  if (shadowSword && g.GroundType == "DIRT") d += g.rnd.Draw(2);
  // The monster looks the way the hero does: its back is turned to him.
  if (FaceTheSameWay(g.Facing, g.MonsterFacing)) {
    d += 1;
    b.backStab = true;
  }
  if (g.BonusMode == 1) d *= 2;
  if (tag == "DRAGON") d -= 1;
  if (g.tmrRAIN.Enabled()) {
    d -= 1;
    if (d < 1) d = 1;
  }
  if ((tag == "PLATER" || tag == "ICE PLATER") && !medal &&
      FacesTheHero(g.TargetTile, g.MonsterFacing)) {
    d = 0;
  }
  if (atMonster) {
    const std::int64_t c = g.rnd.Draw(100);
    if (c <= 5 * g.SwordKind.num() + critBonus && g.Strength >= 20) {
      d = 2 * d + 1;
      b.critical = true;
      g.Strength = g.Strength - 20;
    }
  }
  b.damage = d;
  return b;
}

}  // namespace

bool StrikeMonster(Game& g, const MonsterKind& kind) {
  const std::string tag(kind.tag);
  const Blow b = RollBlow(g, tag, true);
  const Value d = b.damage;
  std::string& caption = g.lblMESSAGE.Caption;
  if (b.damage > 0) {
    if (b.critical) {
      caption = Join("You hit the ", tag, " for ", d, " CRITICAL damage");
    } else if (b.backStab) {
      caption = Join("You hit the ", tag, " in the BACK for ", d, " damage");
    } else {
      caption = Join("You hit the ", tag, " for ", d, " damage");
    }
  }
  g.EnemyHP = g.EnemyHP - d;
  if (g.EnemyHP < 0) g.EnemyHP = 0;
  SetMessageColor(g, MessageColor::White);
  if (g.EnemyHP == 0) {
    caption += " and killed it!";
    g.Play(g.MM2, KillSoundName(kind.killSound));
  }
  if (g.EnemyHP > 0) {
    caption += ".";
    if (b.damage > 0) g.Play(g.MM1, "Sounds/POP.wav");
  }
  if (b.damage == 0 && g.EnemyHP > 0) {
    // Plate armour, or a dragon's hide: the blow glances off and the strike is over.
    g.Play(g.MM1, "SOUNDS/EQUIPSOUND.WAV");
    caption = "You hit the " + tag + "'S head armor- NO DAMAGE!";
    g.tmrBREAK.setEnabled(false);
    return false;
  }
  if (b.backStab && !b.critical) {
    g.Play(g.MM1, g.rnd.Draw(4) == 1 ? "SOUNDS/backstab1.wav" : "SOUNDS/TERROR.wav");
    SetMessageColor(g, MessageColor::Cyan);
  }
  if (b.critical) {
    g.Play(g.MM1, "SOUNDS/YEAH.wav");
    SetMessageColor(g, MessageColor::Magenta);
  }
  return true;
}

void SwingAtObject(Game& g, const std::string& breakTag) {
  // The blow is rolled whatever the sword struck, though only a monster feels it: the draws
  // after it (the loot, the main tick's) come from where they always do.
  RollBlow(g, breakTag, false);
}

}  // namespace tq
