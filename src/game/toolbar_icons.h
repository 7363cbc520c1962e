// The toolbar icons: each of the six buttons shown lit or dimmed as its state says.
#pragma once

namespace tq {

class Game;

void RefreshToolbarIcons(Game& g);

}  // namespace tq
