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
  double loudness;     // target of Level(): the loudest 400 ms, K-weighted, in LUFS
  bool loops = false;  // repeated on the music channel: no fades, a seamless join instead
};

// Levels shared by the groups, so that the set sounds even: every effect lies within a band of
// six decibels, clicks of the interface and backgrounds at its foot, voices at its head.
constexpr double kUiLevel = -21.0;
constexpr double kEffectLevel = -18.0;
constexpr double kVoiceLevel = -17.0;
constexpr double kAmbienceLevel = -22.0;

std::vector<Effect> InterfaceEffects();  // clicks, refusals, rewards
std::vector<Effect> ItemEffects();       // coins, gold, potions, symbols, equipment
std::vector<Effect> WorldEffects();      // doors, torch, water, weather, stones
std::vector<Effect> CombatEffects();     // swings, breaking, wounds
std::vector<Effect> HeroEffects();       // the hero's voice and his hurt sounds
std::vector<Effect> CreatureEffects();   // roars and death cries

}  // namespace tq::soundgen
