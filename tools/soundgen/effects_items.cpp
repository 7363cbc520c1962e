// Pickups: coins, a bag of gold, potions and food, the symbols and equipment.
#include <cmath>

#include "effects.h"
#include "parts.h"

namespace tq::soundgen {

// A coin tossed onto another: two quick clinks, the second higher.
Buffer Coin() {
  Rng rng(10);
  Buffer out = CoinClink(2350, rng);
  MixAt(out, CoinClink(3150, rng), 0.075, 0.9);
  return out;
}

// A heavy bag of gold: a thud and a shower of coins settling, then a pleased chime.
Buffer LoveMoney() {
  Rng rng(11);
  Buffer out = Thump(140, 70, 0.2, rng);
  for (int i = 0; i < 18; ++i) {
    const double at = 0.03 + 0.55 * std::pow(i / 18.0, 1.3) + rng.Range(0.0, 0.02);
    MixAt(out, CoinClink(rng.Range(1900, 3600), rng), at, rng.Range(0.25, 0.55) * (1.0 - i / 30.0));
  }
  const int chord[] = {76, 80, 83, 88};
  for (int i = 0; i < 4; ++i) MixAt(out, Bell(NoteHz(chord[i]), 0.8), 0.5 + i * 0.06, 0.3);
  return Reverb(out, 0.4, 0.5, 0.15, 0.4);
}

// Drinking: three gulps, then a rising bubbly glow of strength returning.
Buffer Potion() {
  Rng rng(12);
  Buffer out;
  for (int i = 0; i < 3; ++i) {
    Buffer gulp = Tone(0.11, Wave::Sine, Expo(420 - i * 30, 170, 0.1),
                       [](double t) { return Attack(t, 0.01) * Decay(t, 0.11); });
    Buffer throat = WhiteNoise(0.08, rng);
    Filter(throat, Biquad::Kind::BandPass, 700, 3.0);
    Envelope(throat, [](double t) { return Decay(t, 0.06); });
    MixAt(gulp, throat, 0.0, 0.5);
    MixAt(out, gulp, i * 0.19);
  }
  for (int i = 0; i < 9; ++i) {
    const double hz = 600.0 * std::pow(2.0, i / 5.0) * rng.Range(0.95, 1.05);
    Buffer bubble = Tone(0.05, Wave::Sine, Expo(hz, hz * 1.6, 0.05),
                         [](double t) { return Attack(t, 0.004) * Decay(t, 0.05); });
    MixAt(out, bubble, 0.6 + i * 0.035, 0.35);
  }
  MixAt(out, Sparkle(0.5, 5, 2000, 5000, rng), 0.75, 0.5);
  return Reverb(out, 0.3, 0.5, 0.12, 0.3);
}

// A symbol of life or strength: a magical bell arpeggio with a shimmer.
Buffer Symbol() {
  Rng rng(13);
  Buffer out;
  const int notes[] = {76, 80, 83, 87, 88, 92};
  for (int i = 0; i < 6; ++i) MixAt(out, Bell(NoteHz(notes[i]), 1.2), i * 0.07, 0.4);
  Buffer pad = Tone(1.2, Wave::Sine, Constant(NoteHz(64)),
                    [](double t) { return 0.25 * Attack(t, 0.3) * Decay(t, 1.4); });
  MixAt(out, pad, 0.0);
  MixAt(out, Sparkle(1.0, 12, 3000, 8000, rng), 0.2, 0.6);
  return Faded(Reverb(out, 0.7, 0.3, 0.3, 0.8), 0.0, 0.4);
}

// Taking a key or a sword piece (or a blow glancing off armour): a short metallic "shing".
Buffer EquipSound() {
  Rng rng(14);
  Buffer out = Whoosh(0.12, 2500, 7000, 1.5, rng);
  Gain(out, 0.4);
  MixAt(out, MetalHit(880, 0.45, rng), 0.05, 0.8);
  MixAt(out, MetalHit(1320, 0.3, rng), 0.07, 0.4);
  return out;
}

}  // namespace tq::soundgen
