// The strike: what follows a swing that reached something breakable or a monster.
#pragma once

namespace tq {

class Game;

// Every 100 ms while a strike runs: one break frame of the struck cell; a blow to a monster is
// settled on the first, and after the fourth the strike resolves.
void tmrBREAK_Timer(Game& g);

}  // namespace tq
