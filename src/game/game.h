// The game window frmTQ: its state variables, its controls, its twelve timers and the services
// (clock, random numbers, sound channels) the game logic reaches the machine through.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "game/game_state.h"
#include "game/item_slot.h"
#include "platform/clock.h"
#include "platform/control.h"
#include "platform/random.h"
#include "platform/scheduler.h"
#include "platform/sound_channel.h"

namespace tq {

// What the window is given from outside: the program's folder, a clock and three channels.
struct GameServices {
  std::string programFolder;  // without a trailing separator
  const Clock* clock = nullptr;
  SoundChannel* mm1 = nullptr;
  SoundChannel* mm2 = nullptr;
  SoundChannel* mm3 = nullptr;
};

class Game : public GameState {
 public:
  explicit Game(const GameServices& services);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Services.
  const Clock& clock;
  Scheduler scheduler;
  Random rnd;
  SoundChannel& MM1;
  SoundChannel& MM2;
  SoundChannel& MM3;
  const std::string programFolder;
  // Set by the program: ends it when the window unloads (EXIT or the close box).
  std::function<void()> unload;
  bool unloaded = false;

  // The window and its top-level children, in drawing order.
  Control frmTQ, Picture2, Frame1, Frame2, FraTOOLS, fraMAP, picSTART, fraTALK, lblROOM, pic1;
  // Title screen.
  Control Image2, Label1, Label2, picSCROLL, lblSCROLL;
  // Toolbar.
  Control mnuNEW, mnuLOAD, mnuSAVE, mnuNUM, mnuPAUSE, imgMAP1, imgMAP2, mnuEXIT;
  // Play field.
  std::array<Control, 25> IMGgrid, imgRAIN;
  Control LBLpause;
  // Status rows (imgSCRN uses the indices 0, 1, 2, 6 and 7).
  std::array<Control, 8> imgSCRN;
  std::array<Control, 5> Picture1, imgBAR, lblHP;
  Control imgMONEYBAG;
  std::array<Control, 4> statsLine;
  // Items.
  std::array<Control, 10> imgTOOL;
  Control imgSWORD, imgSHIRT, Label5;
  std::array<Control, 2> keysLine;
  // Maps.
  Control fraUNDERGROUND, Label4, Label7, Image3, Image5, imgTARVOLOC, imgTARVOUNDER, lblEXPLORE;
  std::array<Control, 200> imgMAP;
  std::array<Control, 2> Label3;
  // Messages.
  Control Image1, shadowmessage, lblMESSAGE;

  // The control holding the keyboard focus; keys reach pic1_KeyDown only while it is pic1.
  Control* focus = nullptr;

  // Timers, in the order they were made, which is also the order in which timers due at the
  // same instant fire.
  Timer tmrANIMATE, tmrSHADOW, tmrscroll, tmrBEGIN, tmrPAUSE, timerMAP, tmrATTACK, tmrBREAK,
      tmrGUYHIT, tmrSHIELD, tmrRAIN, tmrEND;

  // The slot of an item, and whether the item is owned (its slot is shown).
  Control& slot(ItemSlot item) { return imgTOOL[static_cast<std::size_t>(item)]; }
  const Control& slot(ItemSlot item) const { return imgTOOL[static_cast<std::size_t>(item)]; }
  bool owns(ItemSlot item) const { return slot(item).Visible; }

  // Plays a file on a channel: the full path is GamePath & the relative path, as the game builds
  // it.
  void Play(SoundChannel& channel, const std::string& relative) {
    channel.PlayFile(GamePath + relative);
  }
};

}  // namespace tq
