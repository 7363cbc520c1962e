// The SAVE, NUM and PAUSE toolbar commands and the colour cycle of the PAUSED label.
#pragma once

namespace tq {

class Game;

void mnuSAVE_Click(Game& g, int index);
void mnuNUM_Click(Game& g, int index);
void mnuPAUSE_Click(Game& g, int index);
void tmrPAUSE_Timer(Game& g);

}  // namespace tq
