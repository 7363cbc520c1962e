// The step groups of the main tick that draw: the hero, the animated view and the blinking icons.
#pragma once

#include <string>

namespace tq {

class Game;

// What the scan of the view found, for the icons and the monster's turn later in the same tick.
struct ViewScan {
  bool monsterInView = false;
  bool secretInView = false;
};

// The hero's picture name for a walk frame, dry or swimming (relative to GamePath).
std::string HeroSpriteName(const Game& g, int walkFrame);
// Advances the shared frame counter and shows the hero's walk frame in the centre cell.
void AnimateHero(Game& g);
// Flips the animated tiles and monsters of the view to their frame of this tick.
ViewScan AnimateView(Game& g);
// The plain pictures of the medal, crystal ball and burnt-out torch, set before the blink.
void ResetItemIcons(Game& g);
// The heart, head, star, torch, crystal ball and medal blink while their condition holds.
void BlinkStatusIcons(Game& g, const ViewScan& scan);

}  // namespace tq
