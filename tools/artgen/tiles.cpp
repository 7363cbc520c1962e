// Tiles: the tag list, composing ground and object, and the break frames.
#include "tiles.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "noise.h"
#include "palette.h"

namespace tq::art {

const std::vector<std::string>& TileTags() {
  static const std::vector<std::string> tags = {
      "FLOOR",       "FLOWER1",       "FLOWER2",     "FLOWER3",    "FLOWER4",     "STONEMESS",
      "TALK1",       "TALK2",         "TALK3",       "TALK4",      "COIN",        "BAG",
      "GOLDBAG",     "LIFEPOTION",    "POWERPOTION", "APPLES",     "BLUEBERRIES", "LIFESYMBOL",
      "POWERSYMBOL", "GOLDKEY",       "REDKEY",      "PURPLEKEY",  "SHIRT",       "SWORD1",
      "SWORD2",      "SWORD3",        "SHIELD",      "TORCH",      "BOOK",        "POTION",
      "BADGE",       "MEDAL",         "MAGICBAG",    "SWORD",      "LIFE",        "POWER",
      "FOOD",        "EXIT",          "HOLE",        "HOLE2",      "HOLE3",       "HOLE5",
      "RUINSTONE",   "RUINSTONESNOW", "LADDERUP",    "LADDERDOWN", "DOOR",        "DOOR2",
      "DOOR3",       "DOOR4",         "GOLDDOOR",    "REDDOOR",    "PURPLEDOOR",  "WATER",
      "NORTH",       "SOUTH",         "EAST",        "WEST",       "ULCORNER",    "URCORNER",
      "LLCORNER",    "LRCORNER",      "WUL",         "WLL",        "WUR",         "WLR",
      "RIVER",       "MOUTH",         "LMOUTH",      "SWAMP",      "LILYPADS",    "TREE",
      "STREE",       "APPLETREE",     "SWAMPTREE",   "STUMP",      "BUSH",        "PLANT",
      "BERRYPLANT",  "LOG",           "SWAMPLOG",    "WALL",       "SPWALL",      "WINDOW",
      "ROOF",        "CHIMNEY",       "CRATE",       "BARREL",     "TABLE",       "BED",
      "SHELF",       "SIGN",          "CHEST",       "CAMPFIRE",   "WELL",        "ARMORSTAND",
      "WEAPONRACK",  "COUNTER",       "COUNTER2",    "COUNTER3",   "COUNTER4",    "ELF1",
      "ELF2",        "ELF3",          "ELF4",        "SIBLING1",   "BLACK",       "ROCKS"};
  return tags;
}

bool IsAnimatedTile(std::string_view tag) {
  return tag == "COIN" || tag == "CAMPFIRE" || tag == "WATER" || tag == "RUINSTONE" ||
         tag == "LIFESYMBOL" || tag == "POWERSYMBOL";
}

const std::vector<std::string>& BreakableTags() {
  static const std::vector<std::string> tags = {"CRATE",    "PLANT", "CHEST",  "SIGN",
                                                "STREE",    "TABLE", "BARREL", "LOG",
                                                "SWAMPLOG", "BED",   "ROCKS",  "SPWALL"};
  return tags;
}

bool IsFullCover(std::string_view tag) {
  static const std::vector<std::string_view> full = {
      "WATER",    "NORTH",    "SOUTH",      "EAST",     "WEST",    "ULCORNER", "URCORNER",
      "LLCORNER", "LRCORNER", "WUL",        "WLL",      "WUR",     "WLR",      "RIVER",
      "MOUTH",    "LMOUTH",   "SWAMP",      "LILYPADS", "WALL",    "SPWALL",   "WINDOW",
      "ROOF",     "CHIMNEY",  "HOUSEWALL",  "BLACK",    "EXIT",    "HOLE",     "HOLE2",
      "HOLE3",    "HOLE5",    "LADDERDOWN", "DOOR",     "DOOR2",   "DOOR3",    "DOOR4",
      "GOLDDOOR", "REDDOOR",  "PURPLEDOOR", "LADDERUP", "COUNTER", "COUNTER2", "COUNTER3",
      "COUNTER4"};
  return std::find(full.begin(), full.end(), tag) != full.end();
}

Image ObjectLayer(Ground g, std::string_view tag, int frame) {
  Image l(kTileW, kTileH);
  for (const std::vector<TileObject>* family :
       {&NatureTiles(), &WaterTiles(), &WallTiles(), &PassageTiles(), &FurnitureTiles(),
        &ItemTiles(), &PeopleTiles()})
    for (const TileObject& object : *family)
      if (object.tag == tag) {
        object.paint(l, g, frame);
        return l;
      }
  return l;  // plain floor: FLOOR, STONEMESS and the TALK tags have nothing on them
}

namespace {

// Where the layer's opaque pixels sit, for the contact shadow.
struct Bounds {
  int x0 = kTileW, y0 = kTileH, x1 = -1, y1 = -1;
  bool empty() const { return x1 < 0; }
};
Bounds BoundsOf(const Image& l) {
  Bounds b;
  for (int y = 0; y < l.h(); ++y)
    for (int x = 0; x < l.w(); ++x)
      if (l.get(x, y).a > 0) {
        b.x0 = std::min(b.x0, x);
        b.x1 = std::max(b.x1, x);
        b.y0 = std::min(b.y0, y);
        b.y1 = std::max(b.y1, y);
      }
  return b;
}

}  // namespace

Image LayOnGround(Ground g, Image l) {
  Image img = PaintGround(g);
  const Bounds b = BoundsOf(l);
  if (b.empty()) return img;
  const double w = b.x1 - b.x0 + 1;
  Darken(img, (b.x0 + b.x1 + 1) / 2.0 + 2, b.y1 - 0.5, w * 0.5 + 1, std::max(2.5, w * 0.12), 0.32);
  Outline(l);
  Composite(img, l);
  return img;
}

Image PaintTile(Ground g, std::string_view tag, int frame) {
  Image l = ObjectLayer(g, tag, frame);
  if (!IsFullCover(tag)) return LayOnGround(g, std::move(l));
  Image img = PaintGround(g);
  Composite(img, l);
  return img;
}

void StrikeSlash(Image& img, const Image& figure, double strength) {
  const Bounds b = BoundsOf(figure);
  if (b.empty() || strength <= 0) return;
  const double cx = (b.x0 + b.x1) / 2.0, cy = (b.y0 + b.y1) / 2.0;
  // A crescent from the upper left to the lower right, thick in the middle and sharp at its
  // ends: a white edge in a pale fringe. As it fades it thins and turns the red of the cut.
  constexpr int kSamples = 48;
  std::vector<Pt> arc;
  for (int i = 0; i < kSamples; ++i) {
    const double t = i / (kSamples - 1.0);
    arc.push_back({cx - 12 + 24 * t, cy - 9 + 18 * t - 3 * std::sin(t * std::numbers::pi)});
  }
  Px core = Mix(Rgb(0xd03030), Rgb(0xffffff), strength);
  core.a = static_cast<uint8_t>(255 * std::min(1.0, 0.35 + strength));
  Px fringe = Mix(Rgb(0xa02020), Rgb(0xfff0b0), strength);
  fringe.a = static_cast<uint8_t>(160 * strength);
  for (int y = static_cast<int>(cy) - 14; y <= cy + 14; ++y)
    for (int x = static_cast<int>(cx) - 15; x <= cx + 15; ++x) {
      double nearest = 1e9;
      int at = 0;
      for (int i = 0; i < kSamples; ++i) {
        const double d = std::hypot(x + 0.5 - arc[i].x, y + 0.5 - arc[i].y);
        if (d < nearest) nearest = d, at = i;
      }
      const double half =
          (0.3 + 1.3 * std::sin(at / (kSamples - 1.0) * std::numbers::pi)) * (0.5 + 0.5 * strength);
      if (nearest <= half)
        img.Blend(x, y, core);
      else if (nearest <= half + 1)
        img.Blend(x, y, fringe);
    }
}

namespace {

// The shattering of a breakable object: it is cut into small blocks that burst, fall and thin
// out, with dust; the first frame shows the slash of the blow.
Image PaintBreak(Ground g, const Image& object, int frame, uint32_t seed) {
  Image img = PaintGround(g);
  const Bounds b = BoundsOf(object);
  if (b.empty()) return img;
  const double cx = (b.x0 + b.x1) / 2.0, cy = (b.y0 + b.y1) / 2.0;
  constexpr int kBlock = 5;
  Image pieces(kTileW, kTileH);
  for (int by = b.y0; by <= b.y1; by += kBlock)
    for (int bx = b.x0; bx <= b.x1; bx += kBlock) {
      const double r = Rand01(bx, by, seed);
      if (r < (frame - 1) * 0.22) continue;
      const double dx = bx + kBlock / 2.0 - cx, dy = by + kBlock / 2.0 - cy;
      const double len = std::max(1.0, std::hypot(dx, dy));
      const double push = (frame - 1) * (2.0 + 3.0 * Rand01(bx, by, seed + 1));
      const int ox = static_cast<int>(std::lround(dx / len * push));
      const int oy =
          static_cast<int>(std::lround(dy / len * push * 0.6 + (frame - 1) * (frame - 1) * 0.8));
      const int jitter = frame == 1 ? static_cast<int>(Hash3(bx, by, seed) % 3) - 1 : 0;
      for (int y = by; y < by + kBlock; ++y)
        for (int x = bx; x < bx + kBlock; ++x) {
          Px p = object.get(x, y);
          if (p.a == 0) continue;
          if (frame == 1 && ((x + y) % 7 == 0)) p = Scale(p, 1.6);  // the flash of the blow
          if (frame >= 3) p = Mix(p, Rgb(0x302820), 0.15 * (frame - 2));
          pieces.set(x + ox + jitter, y + oy, p);
        }
    }
  Darken(img, cx + 2, b.y1 - 0.5, (b.x1 - b.x0) * 0.5 * (1.0 - 0.2 * frame) + 1, 3, 0.28);
  Composite(img, pieces);
  // Dust puffs grow as the pieces fly.
  Rng rng(seed + static_cast<uint32_t>(frame));
  const Px dust = g == Ground::Snow ? Rgb(0xffffff) : Rgb(0xd8ccb8);
  for (int i = 0; i < frame * 3; ++i) {
    const double px = cx + rng.Range(-14, 14), py = b.y1 - rng.Range(0, 10);
    Px d = dust;
    d.a = static_cast<uint8_t>(200 - frame * 30);
    FillEllipse(img, px, py, 1.5 + frame * 0.6, 1.2 + frame * 0.5, d);
  }
  if (frame == 1) StrikeSlash(img, object, 1.0);
  return img;
}

}  // namespace

Image PaintStruck(Ground g, std::string_view tag, int frame) {
  if (tag == "CHEST") {  // a chest is not smashed: the blow springs its lid
    const Image chest = OpeningChest(frame);
    Image img = LayOnGround(g, chest);
    if (frame == 1) StrikeSlash(img, chest, 1.0);
    return img;
  }
  Image l = ObjectLayer(g, tag, 1);
  if (!IsFullCover(tag)) Outline(l);
  return PaintBreak(g, l, frame, SeedOf(tag));
}

}  // namespace tq::art
