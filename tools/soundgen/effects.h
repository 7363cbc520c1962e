// The game's sound effects: each file name with the recipe that makes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dsp.h"

namespace tq::soundgen {

struct Effect {
  std::string file;  // name inside sounds/
  std::function<Buffer()> make;
  double loudness_db;  // target of Level(): loudest 50 ms window
  bool loops = false;  // repeated on the music channel: no fades, a seamless join instead
};

// Levels shared by the groups, so that the set sounds even.
constexpr double kUiLevel = -17.0;
constexpr double kEffectLevel = -14.0;
constexpr double kVoiceLevel = -13.0;
constexpr double kAmbienceLevel = -20.0;

std::vector<Effect> InterfaceEffects();  // clicks, refusals, rewards
std::vector<Effect> ItemEffects();       // coins, gold, potions, symbols, equipment
std::vector<Effect> WorldEffects();      // doors, torch, water, weather, stones
std::vector<Effect> CombatEffects();     // swings, breaking, wounds
std::vector<Effect> HeroEffects();       // the hero's voice and his hurt sounds
std::vector<Effect> CreatureEffects();   // roars and death cries

}  // namespace tq::soundgen
