// The intro story scrolling up the title screen.
#pragma once

namespace tq {

class Game;

// Every 500 ms: five still ticks (the night sound on the fourth), then the story moves up
// 100 twips a tick until it has left its box, when it starts again from the bottom.
void tmrscroll_Timer(Game& g);

}  // namespace tq
