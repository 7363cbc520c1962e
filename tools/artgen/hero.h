// The hero Tarvo: walking, swimming, swinging, blocking, hurt and dying.
#pragma once

#include "canvas.h"
#include "figure.h"
#include "tiles.h"

namespace tq::art {

struct HeroLook {
  Facing facing = Facing::Front;
  bool shield = false;
  bool shirt = false;        // the magic shirt changes his colours
  bool shadowSword = false;  // the SHADOW SWORD instead of the hunter sword
};

enum class HeroPose { Walk, Swing, Swim, Block, Hurt, Die };

// The hero's figure in his colours, facing as the look says, at the cell's size and place.
Figure HeroFigure(const HeroLook& look);

// The finished 50 x 58 cell; frame is 1..3 for walk, swim and swing, 0..4 for hurt, 1..4 for die.
Image PaintHero(Ground g, const HeroLook& look, HeroPose pose, int frame);

// The hero's brother shares his build with other colours: his figure at the cell's size and
// place, and drawn with his arms raised in joy.
Figure BrotherFigure();
void DrawBrother(Image& l);

}  // namespace tq::art
