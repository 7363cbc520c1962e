// Figures: people and upright creatures built from lit limbs, in four facings.
#pragma once

#include "canvas.h"
#include "shade.h"

namespace tq::art {

enum class Facing { Front, Rear, Left, Right };

struct Figure {
  Facing facing = Facing::Front;
  double cx = 25, feet = 53;
  double k = 1.0;      // overall size
  double girth = 1.0;  // body width
  int step = 0;        // -1, 0, 1: which leg is forward
  double bob = 0;      // body raised by this many pixels
  Ramp skin, hair, top, legs, boots, belt;
  bool hood = false, helmet = false, horns = false, bald = false, beard = false;
  Px eyes = Rgb(0x181018);
  // Where the hands ended up, for swords and shields (filled in by DrawFigure).
  mutable double nearHandX = 0, nearHandY = 0, farHandX = 0, farHandY = 0;
  double armLift = 0;  // raises the sword arm, 0..1
  // Front and rear views: a pose may put the hands where it wants them ([0] on the picture's
  // left, [1] on its right) instead of letting them swing with the stride.
  bool posedHands = false;
  double handX[2] = {0, 0}, handY[2] = {0, 0};
};

// Where the figure's body parts fall, for painting over it: the middle, hip, shoulder and head
// rows, its size and girth.
struct FigureFrame {
  double cx, hip, shoulder, headY, k, g;
  double shoulderX(int s) const { return cx + s * 7 * k * g; }  // s -1 left, 1 right
};
FigureFrame FrameOf(const Figure& f);

// Draws the figure; a side view faces right unless facing is Left.
void DrawFigure(Image& l, const Figure& f);

// Rotates a layer about (px, py) by the angle in radians (nearest pixel).
Image RotateLayer(const Image& src, double px, double py, double angle);

}  // namespace tq::art
