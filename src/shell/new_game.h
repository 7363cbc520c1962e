// The NEW command and the short delay before the world is built.
#pragma once

namespace tq {

class Game;

void mnuNEW_Click(Game& g, int index);
void tmrBEGIN_Timer(Game& g);

}  // namespace tq
