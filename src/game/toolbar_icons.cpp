// The toolbar icon refresh: every sixth main tick each button shows the icon of its state.
#include "game/toolbar_icons.h"

#include "game/game.h"

namespace tq {
namespace {

struct ToolbarIcon {
  Control Game::*button;
  const char* enabled;
  const char* disabled;
};

// In the order the refresh walks them.
constexpr ToolbarIcon kToolbarIcons[] = {
    {&Game::mnuNUM, "NUMBERS.ico", "Nonumbers.ico"}, {&Game::mnuPAUSE, "PAUSE.ico", "NOpause.ico"},
    {&Game::mnuSAVE, "SAVE.ico", "NOsave.ico"},      {&Game::mnuLOAD, "LOAD.ico", "NOload.ico"},
    {&Game::mnuNEW, "NEW.ico", "noNEW.ico"},         {&Game::mnuEXIT, "QUIT.ico", "NOquit.ico"},
};

}  // namespace

void RefreshToolbarIcons(Game& g) {
  // The icons are only reloaded on the tick the toolbar counter comes round to 0, so a change of
  // state may take up to six main ticks to show.
  if (g.MenuTick != 0) return;
  for (const ToolbarIcon& icon : kToolbarIcons) {
    Control& button = g.*icon.button;
    button.Picture = g.GamePath + "MENU/" + (button.Enabled ? icon.enabled : icon.disabled);
  }
}

}  // namespace tq
