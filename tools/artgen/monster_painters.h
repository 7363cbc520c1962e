// Monster painters by body plan; monsters.cpp picks one per kind and finishes the layer.
#pragma once

#include <string_view>

#include "canvas.h"
#include "figure.h"

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
void DrawFolk(Image& l, std::string_view kind, const MonsterPose& p);   // ogre, demons, ...
void DrawShade(Image& l, std::string_view kind, const MonsterPose& p);  // the shadow demons
void DrawGhost(Image& l, const MonsterPose& p);                         // VEV

// The path of a blow: a pale arc round (cx, cy) from angle a0 to a1 (radians, y down), thick
// at its leading end and thinning behind.
void SwingTrail(Image& l, double cx, double cy, double r, double a0, double a1, Px c);
// Teeth along a mouth's edge: white points from (x0, y) to (x1, y), pointing down when `down`.
void Teeth(Image& l, double x0, double x1, double y, bool down);

}  // namespace tq::art
