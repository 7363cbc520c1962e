// The sword: swings in the open and under stone, breaking plants, wood and chests, wounds.
#include <cmath>

#include "effects.h"
#include "parts.h"
#include "voice.h"

namespace tq::soundgen {
namespace {

// A blade cutting the air.
Buffer Swing(Rng& rng) {
  Buffer out = Whoosh(0.26, 500, 2600, 2.2, rng);
  Buffer edge = Whoosh(0.22, 2500, 6000, 4.0, rng);
  MixAt(out, edge, 0.02, 0.35);
  return out;
}

}  // namespace

Buffer Miss() {
  Rng rng(30);
  return Faded(Swing(rng), 0.002, 0.03);
}

// Indoors the same swing comes back off the walls.
Buffer MissEcho() {
  Rng rng(30);
  const Buffer echoed = Echo(Swing(rng), 0.13, 0.45, 4, 0.75);
  return Faded(Reverb(echoed, 0.75, 0.4, 0.3, 0.6), 0.002, 0.25);
}

// Leaves and stems torn apart.
Buffer PlantBreak() {
  Rng rng(31);
  Buffer out = Crackle(0.4, 900, rng);
  Filter(out, Biquad::Kind::HighPass, 1800, 0.7);
  Envelope(out, [](double t) { return Attack(t, 0.01) * Decay(t, 0.35); });
  Buffer rustle = Whoosh(0.3, 1500, 4000, 1.0, rng);
  MixAt(out, rustle, 0.0, 0.3);
  for (double at : {0.0, 0.05, 0.11}) MixAt(out, Click(1300, 0.02, rng), at, 0.5);
  FadeEdges(out, 0.002, 0.05);
  return out;
}

// Timber split by the blade: a crack, the hollow knock and splinters.
Buffer WoodBreak() {
  Rng rng(32);
  Buffer out = Click(2200, 0.02, rng);
  MixAt(out, WoodKnock(210, 0.22, rng), 0.0, 0.9);
  MixAt(out, Click(1700, 0.025, rng), 0.08, 0.8);
  MixAt(out, WoodKnock(170, 0.18, rng), 0.08, 0.6);
  Buffer splinters = Crackle(0.35, 250, rng);
  Filter(splinters, Biquad::Kind::BandPass, 2500, 0.9);
  Envelope(splinters, [](double t) { return Decay(t, 0.3); });
  MixAt(out, splinters, 0.09, 1.2);
  return Reverb(out, 0.3, 0.5, 0.08, 0.2);
}

// The lid of a chest: creaking hinge, the lid falling back, a glint of what is inside.
Buffer OpenChest() {
  Rng rng(33);
  const double creak = 0.6;
  // The creak: the hinge sticks and slips at a wavering rate.
  Buffer hinge = Tone(
      creak, Wave::Saw,
      [](double t) { return 55 + 35 * std::sin(kPi * t / 0.6) + 8 * std::sin(40 * t); },
      [=](double t) { return std::sin(kPi * t / creak); });
  Filter(hinge, Biquad::Kind::LowPass, 4000, 0.7);  // the saw's edges would tick
  Buffer body = hinge;
  Filter(hinge, Biquad::Kind::BandPass, 900, 6.0);
  Filter(body, Biquad::Kind::BandPass, 1900, 8.0);
  MixAt(hinge, body, 0.0, 0.7);
  Gain(hinge, 4.0);
  Buffer out = hinge;
  MixAt(out, WoodKnock(130, 0.3, rng), creak + 0.02, 0.9);
  MixAt(out, Thump(90, 50, 0.2, rng), creak + 0.02, 0.6);
  const int glint[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) MixAt(out, Bell(NoteHz(glint[i]), 0.6), creak + 0.12 + i * 0.05, 0.2);
  return Faded(Reverb(out, 0.4, 0.5, 0.12, 0.4), 0.01, 0.2);
}

// A blow that wounds: a short punchy smack.
Buffer Pop() {
  Rng rng(34);
  Buffer out = Thump(220, 70, 0.12, rng);
  MixAt(out, Click(1100, 0.03, rng), 0.0, 0.6);
  Buffer wet = WhiteNoise(0.08, rng);
  Sweep(wet, Biquad::Kind::BandPass, Expo(1200, 500, 0.08), 3.0);
  Envelope(wet, [](double t) { return Decay(t, 0.07); });
  MixAt(out, wet, 0.01, 0.6);
  FadeEdges(out, 0.001, 0.02);
  return out;
}

// A stab in the back: the blade slides in, a deep hit and a dark chord.
Buffer BackStab() {
  Rng rng(35);
  Buffer out = Whoosh(0.1, 7000, 1500, 2.0, rng);
  MixAt(out, MetalHit(1500, 0.15, rng), 0.02, 0.3);
  MixAt(out, Thump(130, 45, 0.3, rng), 0.07, 1.0);
  Buffer squelch = WhiteNoise(0.15, rng);
  Sweep(
      squelch, Biquad::Kind::BandPass, [](double t) { return 600 + 300 * std::sin(60 * t); }, 4.0);
  Envelope(squelch, [](double t) { return Decay(t, 0.15); });
  MixAt(out, squelch, 0.08, 1.0);
  for (int n : {38, 39, 45}) MixAt(out, Brass(NoteHz(n), 0.45, 0.2), 0.07);
  return Reverb(out, 0.5, 0.5, 0.15, 0.4);
}

// The struck monster's shriek of terror over a dissonant stab.
Buffer Terror() {
  Rng rng(36);
  VoiceKind creature{1.35, 0.2, 0.4, 0.6, 9.0};
  Buffer out =
      Speak({{"i", 0.12, 700, 950}, {"a", 0.3, 950, 500}, {"u", 0.15, 500, 380}}, creature, rng);
  MixAt(out, Thump(150, 50, 0.2, rng), 0.0, 0.5);
  for (int n : {70, 71, 76}) MixAt(out, Brass(NoteHz(n), 0.35, 0.12), 0.0);
  return Reverb(out, 0.5, 0.5, 0.15, 0.35);
}

}  // namespace tq::soundgen
