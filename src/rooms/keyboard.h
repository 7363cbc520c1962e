// Key-down handling of the hidden play-field box: arrow keys step the hero, space swings the sword.
#pragma once

namespace tq {

class Game;

void pic1_KeyDown(Game& g, int keyCode);

}  // namespace tq
