// The hero's walk animation on the main tick: frame 1, 2, 3, 2, swimming and the sword's set.
#include <string>

#include "game/facing.h"
#include "game/game.h"
#include "play/main_tick_steps.h"

namespace tq {

std::string HeroSpriteName(const Game& g, int walkFrame) {
  if (g.InWater == 1) {
    // In the water neither the shield, the shirt nor the sword shows.
    return Join("Pics/", g.GroundType, g.Facing, "WATERWALK", walkFrame, ".bmp");
  }
  return Join("Pics/", g.GroundType, g.Facing, g.ShieldItem, "WALK", walkFrame,
              g.HasMagicShirt == 1 ? "a" : "", ".bmp");
}

void AnimateHero(Game& g) {
  g.AnimFrame += 1;
  if (g.AnimFrame >= 5) g.AnimFrame = 1;
  int walkFrame = g.AnimFrame == 4 ? 2 : static_cast<int>(g.AnimFrame.num());

  g.InWater = g.IMGgrid[kHeroCell].Tag == "WATER" ? 1 : 0;
  if (g.SwordKind == 2 && g.InWater == 0) walkFrame += 10;  // the SHADOW SWORD pictures

  // The redraw marker left by a new game or a load turns the hero toward the viewer.
  if (g.Facing == kRedrawFacing) g.Facing = HeroFacingText(Heading::Down);

  g.IMGgrid[kHeroCell].Picture = g.GamePath + HeroSpriteName(g, walkFrame);
}

}  // namespace tq
