// Monster painters by body plan; monsters.cpp picks one per kind and finishes the layer.
#pragma once

#include <string_view>

#include "canvas.h"
#include "figure.h"
#include "shade.h"

namespace tq::art {

// How a monster is drawn: its facing (Left is drawn as Right and mirrored by the caller), its
// walking frame, or its blow, which always faces the viewer.
struct MonsterPose {
  Facing facing = Facing::Front;
  int frame = 1;
  bool attack = false;
};

void DrawReptile(Image& l, std::string_view kind, const MonsterPose& p);  // wyvern, newt, ...
void DrawCrawler(Image& l, std::string_view kind, const MonsterPose& p);  // platers, beetle
void DrawBat(Image& l, const MonsterPose& p);
void DrawFolk(Image& l, std::string_view kind, const MonsterPose& p);  // ogre, demons, ...
void DrawShade(Image& l, const MonsterPose& p);                        // the shadow demon
void DrawBoss(Image& l, const MonsterPose& p);                         // the shadow boss
void DrawGhost(Image& l, const MonsterPose& p);                        // VEV

// The path of a blow: a pale arc round (cx, cy) from angle a0 to a1 (radians, y down), thick
// at its leading end and thinning behind.
void SwingTrail(Image& l, double cx, double cy, double r, double a0, double a1, Px c);
// A pose as a painter reads it: the facing drawn (a blow always faces the viewer), whether it
// is a blow, a side or a rear view, and for this frame how far the body is raised (`bob`, in
// rows, negative up) and how far loose cloth swings.
struct Stance {
  Facing f;
  bool attack, side, rear;
  double bob, sway;
};
// The stance of a pose: the second frame and the blow raise the body by `rise` rows, and the
// cloth swings by `sways` in the first frame, the second and the blow.
Stance StanceOf(const MonsterPose& p, double rise, const double (&sways)[3]);
// Paints the opaque pixels of a flat shape with a ramp, lit from the upper left across
// [x0, x1], with darker folds running down when `folds`.
void ShadeShape(Image& l, const Image& shape, const Ramp& r, double x0, double x1, bool folds);
// A glow hugging a silhouette: a bright ring one pixel out and a fainter one beyond.
void GlowAround(Image& l, Px c);
// A jagged bolt of magic from (x0, y0) to (x1, y1); `seed` picks its zigzag.
void Bolt(Image& l, double x0, double y0, double x1, double y1, Px c, int seed);
// Teeth along a mouth's edge: white points from (x0, y) to (x1, y), pointing down when `down`.
void Teeth(Image& l, double x0, double x1, double y, bool down);

}  // namespace tq::art
