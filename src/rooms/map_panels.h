// The overland and underground map panels: opening, closing and the hero marker's blink.
#pragma once

namespace tq {

class Game;

// The toolbar's map button: opens the map of the hero's area and pauses the game.
void imgMAP1_Click(Game& g, int index);
// The close button shown over the map button while a map is open: closes it and runs the game.
void imgMAP2_Click(Game& g, int index);
// Closing without a word: the panels go, the toolbar is as closing leaves it and the game runs.
void PutMapAway(Game& g);
// Every 200 ms while a map is open: moves the hero marker onto his square and blinks it.
void timerMAP_Timer(Game& g);

}  // namespace tq
