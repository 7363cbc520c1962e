// Catalogue: names built the way the game builds them, from grounds, tags, facings and frames.
#include "catalogue.h"

#include <string>
#include <utility>

#include "hero.h"
#include "icons.h"
#include "monsters.h"
#include "screens.h"
#include "tiles.h"

namespace tq::art {

namespace {

// Adds a picture file; its kind follows the file's extension (.ico, .cur, else a bitmap).
void Add(std::vector<Picture>& out, std::string path, std::function<Image()> paint,
         std::string group) {
  const FileKind kind = path.ends_with(".ico")   ? FileKind::Ico
                        : path.ends_with(".cur") ? FileKind::Cur
                                                 : FileKind::Bmp;
  out.push_back({std::move(path), kind, std::move(paint), std::move(group)});
}

void AddTiles(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground, group = ground + " tiles";
  for (const std::string& tag : TileTags())
    Add(
        out, pics + tag + ".bmp", [g, tag] { return PaintTile(g, tag); }, group);
  if (g == Ground::Snow)
    Add(
        out, pics + "HOUSEWALL.bmp", [g] { return PaintTile(g, "HOUSEWALL"); }, group);
  for (const std::string& tag : TileTags())
    if (IsAnimatedTile(tag))
      Add(
          out, pics + tag + "2.bmp", [g, tag] { return PaintTile(g, tag, 2); }, group);
  Add(
      out, pics + "WATER20.bmp", [g] { return PaintTile(g, "WATER", 20); }, group);
  for (const std::string& tag : BreakableTags())
    for (int f = 1; f <= 4; ++f)
      Add(
          out, pics + tag + "KILL" + std::to_string(f) + ".bmp",
          [g, tag, f] { return PaintStruck(g, tag, f); }, ground + " breaking");
}

void AddMonsters(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground, group = ground + " monsters";
  for (const std::string& kind : MonsterKinds()) {
    for (int frame = 1; frame <= 2; ++frame)
      for (Facing f : {Facing::Front, Facing::Rear, Facing::Left, Facing::Right})
        Add(
            out, pics + kind + FacingWord(f) + (frame == 2 ? "2" : "") + ".bmp",
            [g, kind, f, frame] { return PaintMonster(g, kind, f, frame); }, group);
    for (int k = 1; k <= 4; ++k)
      Add(
          out, pics + kind + "KILL" + std::to_string(k) + ".bmp",
          [g, kind, k] { return PaintMonsterHit(g, kind, k); }, group);
    Add(
        out, pics + kind + "attack.bmp", [g, kind] { return PaintMonsterAttack(g, kind); }, group);
  }
}

// The hero's facings as his file names spell them.
struct HeroFace {
  const char* word;
  Facing facing;
};
constexpr HeroFace kHeroFaces[] = {
    {"", Facing::Front}, {"REAR", Facing::Rear}, {"LEFT", Facing::Left}, {"RIGHT", Facing::Right}};

// Walking and swinging in every facing, with and without the shield and the magic shirt ("a");
// frames 11 to 13 are 1 to 3 with the shadow sword.
void AddHeroWalks(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground, group = ground + " hero";
  for (const HeroFace& face : kHeroFaces)
    for (bool shield : {false, true})
      for (int fr : {1, 2, 3, 11, 12, 13})
        for (bool shirt : {false, true}) {
          const HeroLook look{face.facing, shield, shirt, fr > 10};
          const std::string tail = std::to_string(fr) + (shirt ? "a" : "") + ".bmp";
          const std::string mid = std::string(face.word) + (shield ? "SHIELD" : "");
          auto walk = [g, look, fr] { return PaintHero(g, look, HeroPose::Walk, fr % 10); };
          auto swing = [g, look, fr] { return PaintHero(g, look, HeroPose::Swing, fr % 10); };
          Add(out, pics + mid + "WALK" + tail, walk, group);
          Add(out, pics + mid + "FIGHTWALK" + tail, swing, group);
          if (face.facing == Facing::Front)  // the redraw marker swings like the front view
            Add(out, pics + "XXX" + (shield ? "SHIELD" : "") + "FIGHTWALK" + tail, swing, group);
        }
}

// Swimming, blocking, hurt and dying.
void AddHeroPoses(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground, group = ground + " hero";
  for (const HeroFace& face : kHeroFaces)
    for (int fr = 1; fr <= 3; ++fr)
      Add(
          out, pics + face.word + "WATERWALK" + std::to_string(fr) + ".bmp",
          [g, face, fr] { return PaintHero(g, HeroLook{face.facing}, HeroPose::Swim, fr); }, group);
  for (bool shirt : {false, true})
    Add(
        out, pics + "sBLOCK" + (shirt ? "a" : "") + ".bmp",
        [g, shirt] {
          return PaintHero(g, HeroLook{Facing::Front, true, shirt}, HeroPose::Block, 1);
        },
        group);
  for (int f = 0; f <= 4; ++f)
    Add(
        out, pics + "GUYHIT" + std::to_string(f) + ".bmp",
        [g, f] { return PaintHero(g, HeroLook{}, HeroPose::Hurt, f); }, group);
  for (int f = 1; f <= 4; ++f)
    Add(
        out, pics + "GUYDIE" + std::to_string(f) + ".bmp",
        [g, f] { return PaintHero(g, HeroLook{}, HeroPose::Die, f); }, group);
}

// The title screen's pictures, the item and status icons, the map squares and the rain.
void AddScreensAndIcons(std::vector<Picture>& out) {
  Add(out, "Pics/MakeWorld.bmp", MakeWorldPicture, "screens");
  Add(out, "Icons/tqtitle.bmp", TitlePicture, "screens");
  Add(out, "Icons/TQend1.bmp", EndPicture, "screens");
  for (std::string name : {"PIECE0", "PIECE1", "PIECE2", "PIECE3", "Medal3", "Medal", "Medal2",
                           "CrystalBall", "CrystalBall2", "torchout", "TORCH", "TORCH2"})
    Add(
        out, "Icons/" + name + ".bmp", [name] { return ItemIcon(name); }, "item icons");
  Add(
      out, "Icons/SSWORD.BMP", [] { return ItemIcon("SSWORD"); }, "item icons");
  for (std::string name : {"heartPIC", "heartPIC2", "HEADPIC", "HEADPIC2", "starPIC", "starPIC2"})
    Add(
        out, "Icons/" + name + ".bmp", [name] { return StatusIcon(name); }, "status icons");
  std::vector<std::string> maps = {
      "floor",      "house",   "hole",   "hole2",     "hole3",  "pond",   "pond2",
      "pond3",      "house2",  "swamp",  "ruinstone", "maze",   "ponds",  "flower1",
      "flower2",    "flower3", "pond4",  "rock",      "swamp2", "house3", "RUINS1",
      "WATERCROSS", "MAZE2",   "GARDEN", "RUINS2",    "ladder"};
  for (int i = 1; i <= 16; ++i) maps.push_back("dun" + std::to_string(i));
  for (int i = 1; i <= 16; ++i) maps.push_back("Ldun" + std::to_string(i));
  for (const std::string& m : maps)
    Add(
        out, "Icons/" + m + ".bmp", [m] { return MapIcon(m); }, "map squares");
  for (int k = 1; k <= 3; ++k)
    Add(
        out, "Icons/RAIN" + std::to_string(k) + ".ico", [k] { return RainFrame(k); }, "rain");
}

// The toolbar's buttons, enabled and greyed, and the pictures of the window's layout.
void AddToolbarAndLayout(std::vector<Picture>& out) {
  const std::pair<std::string, std::string> menu[] = {
      {"NEW", "noNEW"},         {"LOAD", "NOload"},   {"SAVE", "NOsave"},
      {"NUMBERS", "Nonumbers"}, {"PAUSE", "NOpause"}, {"QUIT", "NOquit"}};
  for (const auto& [on, off] : menu) {
    Add(
        out, "MENU/" + on + ".ico", [on] { return ToolbarIcon(on, true); }, "toolbar");
    Add(
        out, "MENU/" + off + ".ico", [on] { return ToolbarIcon(on, false); }, "toolbar");
  }
  for (const char* n :
       {"window.ico",      "cursor.cur",    "scroll.bmp",   "parchment.bmp", "sword.bmp",
        "shirt.bmp",       "moneybag.bmp",  "bar0.bmp",     "bar1.bmp",      "bar2.bmp",
        "bar3.bmp",        "bar4.bmp",      "mapopen.bmp",  "mapclose.bmp",  "marker.bmp",
        "markerunder.bmp", "shield.bmp",    "glove.bmp",    "fishbook.bmp",  "goldkey.bmp",
        "redkey.bmp",      "purplekey.bmp", "goldicon.bmp", "enemyicon.bmp"}) {
    const std::string name = std::string("layout/") + n;
    const bool big = name.find("scroll") != std::string::npos ||
                     name.find("parchment") != std::string::npos ||
                     name.find("bar") != std::string::npos;
    Add(
        out, name, [name] { return LayoutPicture(name); }, big ? "layout" : "layout icons");
  }
}

}  // namespace

std::vector<Picture> Catalogue() {
  std::vector<Picture> out;
  for (Ground g : kGrounds) {
    AddTiles(out, g);
    AddMonsters(out, g);
    AddHeroWalks(out, g);
    AddHeroPoses(out, g);
  }
  AddScreensAndIcons(out);
  AddToolbarAndLayout(out);
  return out;
}

}  // namespace tq::art
