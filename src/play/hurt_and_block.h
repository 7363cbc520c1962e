// What follows a monster's blow: the hurt or dying frames, and the block pose.
#pragma once

namespace tq {

class Game;

// Every 100 ms while the hero reels from a blow: frames 1 to 4, then play goes on, or, at no
// life left, the dying frames and the end of the game.
void tmrGUYHIT_Timer(Game& g);
// 200 ms after a blocked blow: the block pose ends and play goes on.
void tmrSHIELD_Timer(Game& g);

}  // namespace tq
