// Monsters: the seventeen kinds, dispatched to the painters of their body plans, finished with
// a lit rim and an outline, and laid over each ground.
#include "monsters.h"

#include <algorithm>
#include <cmath>

#include "monster_painters.h"
#include "palette.h"

namespace tq::art {

namespace {

void DrawKind(Image& l, std::string_view kind, const MonsterPose& p) {
  if (kind == "WYVERN" || kind == "NEWT" || kind == "SALAMANDER" || kind == "DRAGON")
    DrawReptile(l, kind, p);
  else if (kind == "BAT")
    DrawBat(l, p);
  else if (kind == "PLATER" || kind == "ICE PLATER" || kind == "BEETLE")
    DrawCrawler(l, kind, p);
  else if (kind == "VEV")
    DrawGhost(l, p);
  else if (kind == "SHADOW DEMON")
    DrawShade(l, p);
  else if (kind == "SHADOW BOSS")
    DrawBoss(l, p);
  else
    DrawFolk(l, kind, p);
}

// A thin lit rim along the top and left of the silhouette, where the light falls, so dark
// creatures still part from a dark cave floor.
void RimLight(Image& l) {
  const Image src = l;
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x) {
      const Px p = src.get(x, y);
      if (p.a < 200) continue;
      if (src.get(x - 1, y).a < 128 || src.get(x, y - 1).a < 128) {
        Px lit = Mix(p, Rgb(0xfff4e0), 0.35);
        lit.a = p.a;
        l.set(x, y, lit);
      }
    }
}

void ContactShadow(Image& img, std::string_view kind) {
  const bool flyer = kind == "BAT" || kind == "VEV";
  Darken(img, 26, flyer ? 52 : 51, flyer ? 8 : 13, 3, flyer ? 0.22 : 0.32);
}

// How a monster looks in each frame of a blow that lands: it is struck, not killed, and stays
// whole. How far it reels back (pixels up), how much the flash of the blow lights it, how red
// the pain makes it, whether a white halo flares round it, and how strong the slash still shows.
struct HitLook {
  int recoil;
  double flash, hurt;
  bool halo;
  double slash;
};
constexpr HitLook kHitLooks[4] = {
    {0, 1.0, 0.0, true, 1.0},     // the blade bites: a flash and the slash across
    {2, 0.35, 0.4, false, 0.55},  // knocked back, the slash fading
    {1, 0.0, 0.8, false, 0.25},   // red with the pain, coming back
    {0, 0.0, 0.15, false, 0.0},   // nearly itself again
};

Px HitColour(Px p, const HitLook& look) {
  auto channel = [](double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0)); };
  const double lift = 1 + 0.4 * look.flash, glow = 14 * look.flash;
  const double red = lift + 0.2 * look.hurt, drain = lift * (1 - 0.3 * look.hurt);
  return {channel(p.r * red + glow + 36 * look.hurt), channel(p.g * drain + glow),
          channel(p.b * drain + glow), p.a};
}

// The flash of the blow flares round the whole figure: a pale halo hugging its outline.
void FlashHalo(Image& l) {
  const Image src = l;
  Px halo = Rgb(0xfffaf0);
  halo.a = 230;
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x)
      if (!src.get(x, y).a && (src.get(x - 1, y).a > 128 || src.get(x + 1, y).a > 128 ||
                               src.get(x, y - 1).a > 128 || src.get(x, y + 1).a > 128))
        l.set(x, y, halo);
}

}  // namespace

const std::vector<std::string>& MonsterKinds() {
  static const std::vector<std::string> kinds = {
      "WYVERN", "OGRE",         "DEMON",      "DEMON LORD",  "PLATER", "NEWT",
      "ZOMBIE", "BAT",          "DRAGON",     "THIEF",       "BEETLE", "SALAMANDER",
      "KNIGHT", "SHADOW DEMON", "ICE PLATER", "SHADOW BOSS", "VEV"};
  return kinds;
}

const char* FacingWord(Facing f) {
  static constexpr const char* kWords[] = {"FRONT", "REAR", "LEFT", "RIGHT"};  // as Facing counts
  return kWords[static_cast<int>(f)];
}

Image MonsterLayer(std::string_view kind, Facing facing, int frame) {
  Image l(kTileW, kTileH);
  DrawKind(l, kind, {facing == Facing::Left ? Facing::Right : facing, frame, false});
  if (facing == Facing::Left) MirrorX(l);
  RimLight(l);
  Outline(l);
  return l;
}

Image PaintMonster(Ground g, std::string_view kind, Facing facing, int frame) {
  Image img = PaintGround(g);
  ContactShadow(img, kind);
  Composite(img, MonsterLayer(kind, facing, frame));
  return img;
}

Image PaintMonsterHit(Ground g, std::string_view kind, int frame) {
  const HitLook& look = kHitLooks[std::clamp(frame, 1, 4) - 1];
  const Image whole = MonsterLayer(kind, Facing::Front, 1);
  Image struck = whole;
  for (int y = 0; y < struck.h(); ++y)
    for (int x = 0; x < struck.w(); ++x)
      if (struck.get(x, y).a) struck.set(x, y, HitColour(struck.get(x, y), look));
  if (look.halo) FlashHalo(struck);
  Image img = PaintGround(g);
  ContactShadow(img, kind);
  Composite(img, struck, 0, -look.recoil);
  StrikeSlash(img, whole, look.slash);
  return img;
}

Image PaintMonsterAttack(Ground g, std::string_view kind) {
  Image img = PaintGround(g);
  Darken(img, 26, 52, 13, 3, 0.32);
  Image l(kTileW, kTileH);
  DrawKind(l, kind, {Facing::Front, 2, true});
  RimLight(l);
  Outline(l);
  Composite(img, l);
  return img;
}

void SwingTrail(Image& l, double cx, double cy, double r, double a0, double a1, Px c) {
  const int steps = 24;
  for (int i = 0; i < steps; ++i) {
    const double t = i / static_cast<double>(steps - 1);  // 0 at the tail, 1 at the lead
    const double a = a0 + (a1 - a0) * t;
    Px px = c;
    px.a = static_cast<uint8_t>(90 + 150 * t);
    const double w = 0.8 + 2.2 * t;
    FillEllipse(l, cx + std::cos(a) * r, cy + std::sin(a) * r, w * 0.6, w * 0.6, px);
  }
}

void Teeth(Image& l, double x0, double x1, double y, bool down) {
  for (double x = x0; x <= x1 - 1; x += 2.2)
    FillPoly(l, {{x, y}, {x + 1.6, y}, {x + 0.8, y + (down ? 2.4 : -2.4)}}, Rgb(0xfaf4e4));
}

}  // namespace tq::art
