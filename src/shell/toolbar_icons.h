// The toolbar icons: which of NEW, LOAD, SAVE, NUM and PAUSE are shown lit or dimmed.
#pragma once

namespace tq {

class Game;

void RefreshToolbarIcons(Game& g);

}  // namespace tq
