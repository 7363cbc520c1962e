// The hurt sounds, chosen by the damage of a blow.
#include "game/sound_names.h"

namespace tq {

int HurtLevel(int blow) {
  if (blow >= 6 && blow <= 100) return 3;
  if (blow >= 3) return 2;
  if (blow >= 1) return 1;
  return 0;
}

std::string HurtSoundName(int blow) {
  return "SOUNDS/OW" + std::to_string(HurtLevel(blow)) + ".wav";
}

}  // namespace tq
