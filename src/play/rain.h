// Rainstorms: starting, ending and counting down a storm, and the rain overlay over the view.
#pragma once

namespace tq {

class Game;

void StartRain(Game& g);
void StopRain(Game& g);
void tmrRAIN_Timer(Game& g);

}  // namespace tq
