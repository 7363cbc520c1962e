// Sound names built from numbers the game computes: how badly a blow hurt.
#pragma once

#include <string>

namespace tq {

// How a blow sounds, 0 to 3: a blocked blow 0, 1 to 2 damage 1, 3 to 5 damage 2, 6 to 100
// damage 3 (no blow comes near 100).
int HurtLevel(int blow);
// "SOUNDS/OW" & HurtLevel & ".wav".
std::string HurtSoundName(int blow);

}  // namespace tq
