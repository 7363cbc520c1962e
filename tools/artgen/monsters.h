// Monsters: the seventeen kinds in four facings, two frames, their attack and their end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas.h"
#include "figure.h"
#include "tiles.h"

namespace tq::art {

const std::vector<std::string>& MonsterKinds();
const char* FacingWord(Facing f);  // FRONT, REAR, LEFT, RIGHT

// The creature alone on a transparent layer, outlined.
Image MonsterLayer(std::string_view kind, Facing facing, int frame);
Image PaintMonster(Ground g, std::string_view kind, Facing facing, int frame);
Image PaintMonsterAttack(Ground g, std::string_view kind);
// Frame 1..4 of a blow that lands on the monster, in its front pose: a flash and the slash,
// a recoil, the red of the pain, and back to itself. It plays on every blow, killing or not.
Image PaintMonsterHit(Ground g, std::string_view kind, int frame);

}  // namespace tq::art
