// Catalogue: names built the way the game builds them, from grounds, tags, facings and frames.
#include "catalogue.h"

#include "hero.h"
#include "icons.h"
#include "monsters.h"
#include "noise.h"
#include "screens.h"
#include "tiles.h"

namespace tq::art {

namespace {

void AddTiles(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground;
  for (const std::string& tag : TileTags())
    out.push_back({pics + tag + ".bmp", FileKind::Bmp, [g, tag] { return PaintTile(g, tag); },
                   ground + " tiles"});
  if (g == Ground::Snow)
    out.push_back({pics + "HOUSEWALL.bmp", FileKind::Bmp, [g] { return PaintTile(g, "HOUSEWALL"); },
                   ground + " tiles"});
  for (const std::string& tag : TileTags())
    if (IsAnimatedTile(tag))
      out.push_back({pics + tag + "2.bmp", FileKind::Bmp, [g, tag] { return PaintTile(g, tag, 2); },
                     ground + " tiles"});
  out.push_back({pics + "WATER20.bmp", FileKind::Bmp, [g] { return PaintTile(g, "WATER", 20); },
                 ground + " tiles"});
  for (const std::string& tag : BreakableTags())
    for (int f = 1; f <= 4; ++f)
      out.push_back({pics + tag + "KILL" + std::to_string(f) + ".bmp", FileKind::Bmp,
                     [g, tag, f] {
                       Image l = ObjectLayer(g, tag, 1);
                       if (!IsFullCover(tag)) Outline(l);
                       return PaintBreak(g, l, f, SeedOf(tag));
                     },
                     ground + " breaking"});
}

void AddMonsters(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground;
  for (const std::string& kind : MonsterKinds()) {
    for (int frame = 1; frame <= 2; ++frame)
      for (Facing f : {Facing::Front, Facing::Rear, Facing::Left, Facing::Right})
        out.push_back({pics + kind + FacingWord(f) + (frame == 2 ? "2" : "") + ".bmp",
                       FileKind::Bmp,
                       [g, kind, f, frame] { return PaintMonster(g, kind, f, frame); },
                       ground + " monsters"});
    for (int k = 1; k <= 4; ++k)
      out.push_back({pics + kind + "KILL" + std::to_string(k) + ".bmp", FileKind::Bmp,
                     [g, kind, k] {
                       return PaintBreak(g, MonsterLayer(kind, Facing::Front, 1), k, SeedOf(kind));
                     },
                     ground + " monsters"});
    out.push_back({pics + kind + "attack.bmp", FileKind::Bmp,
                   [g, kind] { return PaintMonsterAttack(g, kind); }, ground + " monsters"});
  }
}

void AddHero(std::vector<Picture>& out, Ground g) {
  const std::string ground = GroundName(g);
  const std::string pics = "Pics/" + ground;
  struct Face {
    const char* word;
    Facing facing;
  };
  const Face faces[] = {{"", Facing::Front},
                        {"REAR", Facing::Rear},
                        {"LEFT", Facing::Left},
                        {"RIGHT", Facing::Right}};
  const int frames[] = {1, 2, 3, 11, 12, 13};
  for (const Face& fc : faces)
    for (bool shield : {false, true})
      for (int fr : frames)
        for (bool shirt : {false, true}) {
          const HeroLook look{fc.facing, shield, shirt, fr > 10};
          const std::string tail = std::to_string(fr) + (shirt ? "a" : "") + ".bmp";
          const std::string mid = std::string(fc.word) + (shield ? "SHIELD" : "");
          out.push_back({pics + mid + "WALK" + tail, FileKind::Bmp,
                         [g, look, fr] { return PaintHero(g, look, HeroPose::Walk, fr % 10); },
                         ground + " hero"});
          out.push_back({pics + mid + "FIGHTWALK" + tail, FileKind::Bmp,
                         [g, look, fr] { return PaintHero(g, look, HeroPose::Swing, fr % 10); },
                         ground + " hero"});
          if (fc.facing == Facing::Front)  // the redraw marker swings like the front view
            out.push_back({pics + "XXX" + (shield ? "SHIELD" : "") + "FIGHTWALK" + tail,
                           FileKind::Bmp,
                           [g, look, fr] { return PaintHero(g, look, HeroPose::Swing, fr % 10); },
                           ground + " hero"});
        }
  for (const Face& fc : faces)
    for (int fr = 1; fr <= 3; ++fr)
      out.push_back({pics + fc.word + "WATERWALK" + std::to_string(fr) + ".bmp", FileKind::Bmp,
                     [g, fc, fr] { return PaintHero(g, HeroLook{fc.facing}, HeroPose::Swim, fr); },
                     ground + " hero"});
  out.push_back({pics + "sBLOCK.bmp", FileKind::Bmp,
                 [g] {
                   return PaintHero(g, HeroLook{Facing::Front, true, false}, HeroPose::Block, 1);
                 },
                 ground + " hero"});
  out.push_back({pics + "sBLOCKa.bmp", FileKind::Bmp,
                 [g] {
                   return PaintHero(g, HeroLook{Facing::Front, true, true}, HeroPose::Block, 1);
                 },
                 ground + " hero"});
  for (int f = 0; f <= 4; ++f)
    out.push_back({pics + "GUYHIT" + std::to_string(f) + ".bmp", FileKind::Bmp,
                   [g, f] { return PaintHero(g, HeroLook{}, HeroPose::Hurt, f); },
                   ground + " hero"});
  for (int f = 1; f <= 4; ++f)
    out.push_back({pics + "GUYDIE" + std::to_string(f) + ".bmp", FileKind::Bmp,
                   [g, f] { return PaintHero(g, HeroLook{}, HeroPose::Die, f); },
                   ground + " hero"});
}

}  // namespace

std::vector<Picture> Catalogue() {
  std::vector<Picture> out;
  for (Ground g : kGrounds) {
    AddTiles(out, g);
    AddMonsters(out, g);
    AddHero(out, g);
  }
  out.push_back({"Pics/MakeWorld.bmp", FileKind::Bmp, MakeWorldPicture, "screens"});
  out.push_back({"Icons/tqtitle.bmp", FileKind::Bmp, TitlePicture, "screens"});
  out.push_back({"Icons/TQend1.bmp", FileKind::Bmp, EndPicture, "screens"});
  for (const char* n : {"PIECE0", "PIECE1", "PIECE2", "PIECE3", "Medal3", "Medal", "Medal2",
                        "CrystalBall", "CrystalBall2", "torchout", "TORCH", "TORCH2"}) {
    const std::string name = n;
    out.push_back(
        {"Icons/" + name + ".bmp", FileKind::Bmp, [name] { return ItemIcon(name); }, "item icons"});
  }
  out.push_back(
      {"Icons/SSWORD.BMP", FileKind::Bmp, [] { return ItemIcon("SSWORD"); }, "item icons"});
  for (const char* n : {"heartPIC", "heartPIC2", "HEADPIC", "HEADPIC2", "starPIC", "starPIC2"}) {
    const std::string name = n;
    out.push_back({"Icons/" + name + ".bmp", FileKind::Bmp, [name] { return StatusIcon(name); },
                   "status icons"});
  }
  std::vector<std::string> maps = {
      "floor",      "house",   "hole",   "hole2",     "hole3",  "pond",   "pond2",
      "pond3",      "house2",  "swamp",  "ruinstone", "maze",   "ponds",  "flower1",
      "flower2",    "flower3", "pond4",  "rock",      "swamp2", "house3", "RUINS1",
      "WATERCROSS", "MAZE2",   "GARDEN", "RUINS2",    "ladder"};
  for (int i = 1; i <= 16; ++i) maps.push_back("dun" + std::to_string(i));
  for (int i = 1; i <= 16; ++i) maps.push_back("Ldun" + std::to_string(i));
  for (const std::string& m : maps)
    out.push_back(
        {"Icons/" + m + ".bmp", FileKind::Bmp, [m] { return MapIcon(m); }, "map squares"});
  for (int k = 1; k <= 3; ++k)
    out.push_back({"Icons/RAIN" + std::to_string(k) + ".ico", FileKind::Ico,
                   [k] { return RainFrame(k); }, "rain"});
  const std::pair<const char*, const char*> menu[] = {
      {"NEW", "noNEW"},         {"LOAD", "NOload"},   {"SAVE", "NOsave"},
      {"NUMBERS", "Nonumbers"}, {"PAUSE", "NOpause"}, {"QUIT", "NOquit"}};
  for (const auto& [on, off] : menu) {
    const std::string name = on;
    out.push_back({std::string("MENU/") + on + ".ico", FileKind::Ico,
                   [name] { return ToolbarIcon(name, true); }, "toolbar"});
    out.push_back({std::string("MENU/") + off + ".ico", FileKind::Ico,
                   [name] { return ToolbarIcon(name, false); }, "toolbar"});
  }
  for (const char* n :
       {"window.ico",      "cursor.cur",    "scroll.bmp",   "parchment.bmp", "sword.bmp",
        "shirt.bmp",       "moneybag.bmp",  "bar0.bmp",     "bar1.bmp",      "bar2.bmp",
        "bar3.bmp",        "bar4.bmp",      "mapopen.bmp",  "mapclose.bmp",  "marker.bmp",
        "markerunder.bmp", "shield.bmp",    "glove.bmp",    "fishbook.bmp",  "goldkey.bmp",
        "redkey.bmp",      "purplekey.bmp", "goldicon.bmp", "enemyicon.bmp"}) {
    const std::string name = std::string("layout/") + n;
    const FileKind kind = name.ends_with(".ico")   ? FileKind::Ico
                          : name.ends_with(".cur") ? FileKind::Cur
                                                   : FileKind::Bmp;
    const bool big = name.find("scroll") != std::string::npos ||
                     name.find("parchment") != std::string::npos ||
                     name.find("bar") != std::string::npos;
    out.push_back(
        {name, kind, [name] { return LayoutPicture(name); }, big ? "layout" : "layout icons"});
  }
  return out;
}

}  // namespace tq::art
