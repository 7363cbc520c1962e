// The picture names built from a tile tag or the hero's looks, and the kill sounds. Every name is
// relative to GamePath and keeps the folder spelling of the place in the game that loads it; the
// asset lookup ignores case.
#pragma once

#include <string>
#include <string_view>

#include "platform/value.h"

namespace tq {

// A tile in the view: "Pics/" & ground & tag & ".bmp".
std::string TilePictureName(const Value& groundType, std::string_view tag);
// A monster in the view: "Pics/" & ground & tag & facing & ".bmp".
std::string MonsterPictureName(const Value& groundType, std::string_view tag,
                               std::string_view monsterFacing);
// An animated tile or monster on the main tick: "pics/" & ground & tag & facing (monsters only,
// else "") & ".bmp", with "2" before ".bmp" for the second frame.
std::string TileAnimName(const Value& groundType, std::string_view tag, std::string_view facing,
                         bool secondFrame);
// The water sparkle: the "WATER" name with "20" before ".bmp".
std::string SparkleName(const Value& groundType);
// A break frame of a struck tile: "Pics/" & ground & tag & "KILL" & frame & ".bmp".
std::string BreakFrameName(const Value& groundType, std::string_view tag, const Value& frame);
// The hero swinging the sword: "Pics/" & ground & facing & shield & "FIGHTWALK" & frame, then
// "a" in the magic shirt, then ".bmp". Frames 1..3 are the hunter sword, 11..13 the SHADOW SWORD.
std::string HeroSwingName(const Value& groundType, const Value& facing, const Value& shieldItem,
                          int frame, bool magicShirt);
// The sound of a monster's death: "Sounds/ENEMYKILL" & kill sound number & ".wav".
std::string KillSoundName(int killSound);
// A monster striking: "/Pics/" & ground & tag & "attack.bmp".
std::string MonsterAttackName(const Value& groundType, std::string_view tag);
// The hero hurt or dying: "pics/" & ground & "GUYHIT" (or "GUYDIE") & frame & ".bmp".
std::string HeroHitName(const Value& groundType, bool dying, const Value& frame);
// The hero holding the SHIELD up against a blow: "Pics/" & ground & "sBLOCK.bmp", or
// "sBLOCKa.bmp" in the magic shirt.
std::string BlockPictureName(const Value& groundType, bool magicShirt);
// A map square, named after its tag: "icons/" & tag & ".bmp".
std::string MapIconName(std::string_view tag);

}  // namespace tq
