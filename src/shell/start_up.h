// Start-up of the window and the message shadow.
#pragma once

namespace tq {

class Game;

// The window's load event: hooks every timer to its procedure, then sets GamePath, the title
// picture and the start values.
void Form_Load(Game& g);
// Every 50 ms: the message line's caption is copied into its black shadow.
void tmrSHADOW_Timer(Game& g);
// The window unloads, which ends the program (EXIT and the close box).
void mnuEXIT_Click(Game& g, int index);

}  // namespace tq
