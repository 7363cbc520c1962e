// Building picture and kill sound names, each with the folder spelling its loader uses.
#include "game/picture_names.h"

namespace tq {
namespace {

std::string Name(std::string_view folder, const Value& ground, std::string_view tag,
                 std::string_view tail) {
  std::string s;
  s.reserve(folder.size() + 8 + tag.size() + tail.size());
  s += folder;
  s += ground.str();
  s += tag;
  s += tail;
  return s;
}

}  // namespace

std::string TilePictureName(const Value& groundType, std::string_view tag) {
  return Name("Pics/", groundType, tag, ".bmp");
}

std::string MonsterPictureName(const Value& groundType, std::string_view tag,
                               std::string_view monsterFacing) {
  return Name("Pics/", groundType, tag, std::string(monsterFacing) + ".bmp");
}

std::string TileAnimName(const Value& groundType, std::string_view tag, std::string_view facing,
                         bool secondFrame) {
  return Name("pics/", groundType, tag, std::string(facing) + (secondFrame ? "2.bmp" : ".bmp"));
}

std::string SparkleName(const Value& groundType) {
  return Name("pics/", groundType, "WATER", "20.bmp");
}

std::string BreakFrameName(const Value& groundType, std::string_view tag, const Value& frame) {
  return Name("Pics/", groundType, tag, "KILL" + frame.str() + ".bmp");
}

std::string HeroSwingName(const Value& groundType, const Value& facing, const Value& shieldItem,
                          int frame, bool magicShirt) {
  return Join("Pics/", groundType, facing, shieldItem, "FIGHTWALK", frame,
              magicShirt ? "a.bmp" : ".bmp");
}

std::string KillSoundName(int killSound) {
  return "Sounds/ENEMYKILL" + std::to_string(killSound) + ".wav";
}

std::string MonsterAttackName(const Value& groundType, std::string_view tag) {
  return Name("/Pics/", groundType, tag, "attack.bmp");
}

std::string HeroHitName(const Value& groundType, bool dying, const Value& frame) {
  return Name("pics/", groundType, dying ? "GUYDIE" : "GUYHIT", frame.str() + ".bmp");
}

std::string BlockPictureName(const Value& groundType, bool magicShirt) {
  return Name("Pics/", groundType, "sBLOCK", magicShirt ? "a.bmp" : ".bmp");
}

std::string MapIconName(std::string_view tag) {
  return "icons/" + std::string(tag) + ".bmp";
}

}  // namespace tq
