// The item and status icons of the main tick: their plain pictures and their blinking.
#include <string>

#include "game/game.h"
#include "play/main_tick_steps.h"

namespace tq {
namespace {

void Show(Game& g, Control& icon, const std::string& stem, bool second) {
  icon.Picture = g.GamePath + "Icons/" + stem + (second ? "2" : "") + ".bmp";
}

}  // namespace

void ResetItemIcons(Game& g) {
  Show(g, g.slot(ItemSlot::HeroMedal), "Medal3", false);
  Show(g, g.slot(ItemSlot::CrystalBall), "CrystalBall", false);
  if (g.TorchLit == 0) Show(g, g.slot(ItemSlot::Torch), "torchout", false);
}

void BlinkStatusIcons(Game& g, const ViewScan& scan) {
  // The warnings blink on the even frames, the crystal ball and the medal on the odd ones.
  const bool even = g.AnimFrame == 2 || g.AnimFrame == 4;
  const bool odd = g.AnimFrame == 1 || g.AnimFrame == 3;

  Control& heart = g.imgSCRN[7];
  Control& head = g.imgSCRN[6];
  Control& star = g.imgSCRN[2];
  Show(g, heart, "heartPIC", false);
  Show(g, head, "HEADPIC", false);
  if (g.Life <= 3) Show(g, heart, "heartPIC", even);
  if (g.Strength <= 5) Show(g, head, "HEADPIC", even);

  Show(g, star, "starPIC", false);
  if (g.BonusMode == 1) Show(g, star, "starPIC", even);

  if (g.owns(ItemSlot::Torch) && g.TorchLit == 1) Show(g, g.slot(ItemSlot::Torch), "TORCH", even);
  // The crystal ball glows at a hidden passage in view, but not through the rain.
  if (scan.secretInView && !g.tmrRAIN.Enabled())
    Show(g, g.slot(ItemSlot::CrystalBall), "CrystalBall", odd);
  if (g.EnemyHP > 0) Show(g, g.slot(ItemSlot::HeroMedal), "Medal", odd);
}

}  // namespace tq
