// The start values of a game.
#include "game/start_values.h"

#include "game/facing.h"
#include "game/game_state.h"

namespace tq {

void SetStartValues(GameState& s) {
  s.GroundType = "GRASS";
  s.MonsterFacing = MonsterFacingText(Heading::Right);
  s.Facing = HeroFacingText(Heading::Down);
  s.ShieldItem = "";
  s.AnimFrame = 0;
  s.HasMagicShirt = 0;
  s.HasMagicBag = 0;
  s.SwordKind = 1;
  s.SwordPieces = 0;
  s.Gold = 0;
  s.Points = 0;
  s.Life = 10;
  s.MaxLife = 10;
  s.Strength = 20;
  s.MaxStrength = 20;
  s.HeroCol = 6;
  s.ExploredPct = 1;
}

}  // namespace tq
