// The message line under the play field: the colours that mark each kind of message, and the
// helpers that set a message with its colour. Rules that change only the words, keeping the
// colour the line has, write lblMESSAGE.Caption directly.
#pragma once

#include <string>

#include "game/game.h"

namespace tq {

// The colours of the message line (&H00BBGGRR), by what they mark.
enum class MessageColor : Color {
  White = 0xFFFFFF,     // information
  Green = 0x00FF00,     // save, load, autosave
  Yellow = 0x00FFFF,    // the BONUS, a purchase, a theft
  Cyan = 0xFFFF00,      // a blow from behind
  Magenta = 0xFF00FF,   // a critical hit
  Orange = 0x0080FF,    // a monster's blow
  PaleBlue = 0xFFC0C0,  // strength drained
  Red = 0x0000FF,       // death, and every file the game cannot use
  Silver = 0xC0C0C0,    // rain
};

// A new message in its colour.
inline void ShowMessage(Game& g, MessageColor color, std::string text) {
  g.lblMESSAGE.ForeColor = static_cast<Color>(color);
  g.lblMESSAGE.Caption = std::move(text);
}

// The colour alone, where a message keeps its words or gets them later.
inline void SetMessageColor(Game& g, MessageColor color) {
  g.lblMESSAGE.ForeColor = static_cast<Color>(color);
}

}  // namespace tq
