// What the player is told when he clicks a view cell, the rain, a status icon or an item.
#pragma once

#include <string>
#include <string_view>

#include "platform/value.h"

namespace tq {

class Game;

// The look text of a tile tag on a ground; "" for a word that is no tile tag, and for "EXIT"
// anywhere but on "WOOD".
std::string_view LookText(const Value& groundType, std::string_view tag);
// The text of a status icon (imgSCRN index 0, 1, 2, 6 or 7); "" for an index without an icon.
// `goldCap` is the most gold the hero can carry, told by the gold icon.
std::string StatusText(int index, int goldCap);
// The text of an item slot (imgTOOL index 0..9); slot 0 tells the pieces from the whole sword.
std::string_view ItemText(int slot, const Value& swordPieces);

// Click events. Each plays the click sound, makes the message line white and shows the text.
void IMGgrid_Click(Game& g, int index);
void imgRAIN_Click(Game& g, int index);
void imgSCRN_Click(Game& g, int index);
void imgTOOL_Click(Game& g, int index);
void imgMONEYBAG_Click(Game& g, int index);
void imgSHIRT_Click(Game& g, int index);
void imgSWORD_Click(Game& g, int index);

}  // namespace tq
