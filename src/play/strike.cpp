// The strike's frames: break pictures and sounds of the struck cell, the secrets a tree or a wall
// hides, and the blow to a monster on the first frame.
#include "play/strike.h"

#include <cassert>
#include <string>
#include <string_view>

#include "game/game.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "play/strike_stages.h"

namespace tq {
namespace {

// Trees all fall like the secret tree, and a berry bush breaks like any plant.
std::string BreakTagOf(const std::string& struckTag) {
  if (struckTag == "TREE" || struckTag == "APPLETREE") return "STREE";
  if (struckTag == "BERRYPLANT") return "PLANT";
  return struckTag;
}

bool BreaksLikeWood(std::string_view tag) {
  for (std::string_view wood :
       {"SWAMPLOG", "SIGN", "LOG", "TABLE", "BARREL", "STREE", "CRATE", "BED", "ROCKS", "SPWALL"}) {
    if (tag == wood) return true;
  }
  return false;
}

void PlayBreakSound(Game& g, const std::string& breakTag) {
  if (breakTag == "PLANT") g.Play(g.MM1, "Sounds/PLANTBREAK.wav");
  if (BreaksLikeWood(breakTag)) g.Play(g.MM1, "Sounds/WOODBREAK.wav");
  if (breakTag == "CHEST") {
    g.Play(g.MM1, "Sounds/OPENCHEST.wav");
    g.StrikePoints = 5;
  }
}

// Only the secret tree itself and the cracked wall reveal anything, on the last frame.
void RevealSecret(Game& g, const std::string& struckTag) {
  if (struckTag == "STREE") {
    g.Play(g.MM2, "sOUNDS/LOOKATTHAT.wav");
    g.StrikePoints = 5;
    if (g.RoomNumber >= 1 && g.RoomNumber <= 100) {
      Control& square = g.imgMAP[static_cast<std::size_t>(g.RoomNumber.num() - 1)];
      square.Tag = "ladder";
      square.Picture = g.GamePath + "Icons/ladder.bmp";
    }
  }
  if (struckTag == "SPWALL") {
    g.Play(g.MM2, "sOUNDS/LOOKATTHAT.wav");
    g.StrikePoints = 10;
  }
}

}  // namespace

void tmrBREAK_Timer(Game& g) {
  const std::int64_t tile = g.TargetTile.num();
  assert(tile >= 0 && tile < 25);  // only the swing starts a strike, at a neighbour of the hero
  if (g.AnimFrame == 1) g.StrikePoints = 0;

  Control& cell = g.IMGgrid[static_cast<std::size_t>(tile)];
  const std::string struckTag = cell.Tag;
  const std::string breakTag = BreakTagOf(struckTag);
  cell.Picture = g.GamePath + BreakFrameName(g.GroundType, breakTag, g.AnimFrame);
  if (g.AnimFrame == 1) PlayBreakSound(g, breakTag);
  if (g.AnimFrame == 4) RevealSecret(g, struckTag);

  const MonsterKind* kind = FindMonster(breakTag);
  if (kind) g.StrikePoints = kind->KillPoints;
  if (g.AnimFrame == 1) {
    if (kind && !StrikeMonster(g, *kind)) return;
    if (!kind) SwingAtObject(g, breakTag);
  }

  // The main tick advances the same counter, so a strike may skip a frame.
  g.AnimFrame += 1;
  if (g.AnimFrame <= 4) return;
  g.AnimFrame = 0;
  // A monster that lives on keeps its cell, and the strike earns nothing.
  if (kind && g.EnemyHP > 0) {
    g.tmrBREAK.setEnabled(false);
    return;
  }
  ResolveStrike(g, struckTag);
}

}  // namespace tq
