// Tiles: the tag list, composing ground and object, and the break frames.
#include "tiles.h"

#include <algorithm>
#include <cmath>

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

Image PaintTile(Ground g, std::string_view tag, int frame) {
  Image img = PaintGround(g);
  Image l = ObjectLayer(g, tag, frame);
  if (IsFullCover(tag)) {
    Composite(img, l);
    return img;
  }
  const Bounds b = BoundsOf(l);
  if (!b.empty()) {
    const double w = b.x1 - b.x0 + 1;
    Darken(img, (b.x0 + b.x1 + 1) / 2.0 + 2, b.y1 - 0.5, w * 0.5 + 1, std::max(2.5, w * 0.12),
           0.32);
    Outline(l);
    Composite(img, l);
  }
  return img;
}

Image PaintBreak(Ground g, const Image& object, int frame, uint32_t seed) {
  Image img = PaintGround(g);
  const Bounds b = BoundsOf(object);
  if (b.empty()) return img;
  const double cx = (b.x0 + b.x1) / 2.0, cy = (b.y0 + b.y1) / 2.0;
  constexpr int kBlock = 5;
  Image pieces(kTileW, kTileH);
  // The object is cut into small blocks that burst outward, fall and thin out.
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
  // The first frame shows the strike itself: a white slash across the object.
  if (frame == 1) {
    Px s = Rgb(0xffffff);
    s.a = 220;
    ThickLine(img, cx - 10, cy - 8, cx + 10, cy + 8, 1.6, s);
  }
  return img;
}

}  // namespace tq::art
