// GenerateWorld: the window's side of a new world. The world layer draws and writes the rooms;
// here the window is reset for the new game, the game is saved and play starts in the home room.
#include "shell/generate_world.h"

#include <array>
#include <string>

#include "game/facing.h"
#include "game/game.h"
#include "game/message_line.h"
#include "game/picture_names.h"
#include "game/start_values.h"
#include "rooms/move_hero.h"
#include "world/template_rooms.h"
#include "world/world_builder.h"

namespace tq {
namespace {

// The world could not be built: the title screen stays up and NEW and LOAD can be used again.
void AbandonWorldBuilding(Game& g, const std::string& why) {
  ShowMessage(g, MessageColor::Red, "The new world could not be built. " + why);
  g.Image2.Picture = g.GamePath + "Icons/tqtitle.bmp";
  g.mnuNEW.Enabled = true;
  g.mnuLOAD.Enabled = true;
  g.mnuSAVE.Enabled = false;
  g.mnuPAUSE.Enabled = false;
  // The main tick may be stopped (after a death), so the icons are put right here.
  g.mnuNEW.Picture = g.GamePath + "MENU/NEW.ico";
  g.mnuLOAD.Picture = g.GamePath + "MENU/LOAD.ico";
  g.mnuSAVE.Picture = g.GamePath + "MENU/NOsave.ico";
  g.mnuPAUSE.Picture = g.GamePath + "MENU/NOpause.ico";
}

// The toolbar, the map panels and the values a new game starts from.
void ResetForNewWorld(Game& g, const WorldWork& w) {
  g.imgMAP1.Enabled = true;
  g.mnuNEW.Enabled = false;
  g.mnuNUM.Enabled = true;
  for (int i = 0; i < 200; ++i) {
    Control& square = g.imgMAP[i];
    square.Tag = w.MapTag[i];
    square.Visible = w.Explored[i] == 1;
    square.Picture = g.GamePath + MapIconName(square.Tag);
  }
  SetStartValues(g);
  g.lblEXPLORE.Caption = "You have explored 1%";
  g.SpareValue1 = 0;
  g.SpareValue2 = 0;
  g.SpareValue3 = 0;
  g.imgMONEYBAG.Visible = false;
  g.lblMESSAGE.Caption = "";
  g.RoomNumber = w.SpecialCell[7];
  g.HeroRow = 8;
  for (ItemSlot item : kOwnableItems) g.slot(item).Visible = false;  // every item is lost
  g.slot(ItemSlot::SwordPieces).Picture = g.GamePath + "Icons/PIECE0.bmp";
}

// What ResetForNewWorld changes, kept to be put back when the new world cannot be written.
class WindowBeforeNewWorld {
 public:
  explicit WindowBeforeNewWorld(const Game& g)
      : state_(g),
        map_(g.imgMAP),
        tools_(g.imgTOOL),
        buttons_{g.imgMAP1, g.mnuNEW, g.mnuNUM},
        labels_{g.lblEXPLORE, g.lblMESSAGE, g.imgMONEYBAG} {}
  void Restore(Game& g) const {
    static_cast<GameState&>(g) = state_;
    g.imgMAP = map_;
    g.imgTOOL = tools_;
    g.imgMAP1 = buttons_[0];
    g.mnuNEW = buttons_[1];
    g.mnuNUM = buttons_[2];
    g.lblEXPLORE = labels_[0];
    g.lblMESSAGE = labels_[1];
    g.imgMONEYBAG = labels_[2];
  }

 private:
  GameState state_;
  std::array<Control, 200> map_;
  std::array<Control, 10> tools_;
  std::array<Control, 3> buttons_, labels_;
};

void StartPlay(Game& g) {
  g.Play(g.MM1, "sounds/FAMILY.wav");
  g.lblMESSAGE.Caption = "I gotta' save my family... NOW!";
  g.Facing = kRedrawFacing;
  g.tmrANIMATE.setEnabled(true);
  MoveHero(g);  // no step: draws the home room around the hero
  g.Play(g.MM3, "sounds/Overland2.mid");
  g.picSTART.Visible = false;
}

}  // namespace

void GenerateWorld(Game& g) {
  // GUARD: a template lost during the delay would leave half a world. Everything is read and
  // drawn before the first file is written, so it costs nothing but the message.
  TemplateSet templates;
  if (auto error = LoadTemplates(g.GamePath, templates)) {
    AbandonWorldBuilding(g, *error);
    return;
  }
  g.rnd.Randomize();
  const WorldWork world = BuildWorld(g.rnd, templates);
  // GUARD: rooms written one by one, and the saved game after them, would leave old and new
  // rooms mixed, or a new save beside the old map, when the program dies in between. The rooms,
  // the saved game and the map file of the new game are written together, and the window takes
  // the new game only once they are committed; a file not in place yet is named in red.
  const WindowBeforeNewWorld before(g);
  ResetForNewWorld(g, world);
  const WriteResult written = WriteWorld(world, g);
  if (!written.written()) {
    before.Restore(g);
    AbandonWorldBuilding(g, written.message);
    return;
  }
  StartPlay(g);
  if (!written.message.empty()) {
    ShowMessage(g, MessageColor::Red, "The new world is built. " + written.message);
  }
}

}  // namespace tq
