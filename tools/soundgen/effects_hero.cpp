// The hero's voice: his cry at a new game, the shout of a critical hit, surprise, relief,
// the hurt sounds that grow with the blow, and his death.
#include <cmath>

#include "effects.h"
#include "parts.h"
#include "voice.h"

namespace tq::soundgen {
namespace {

// Tarvo: a young man's voice, a little breathy when he shouts.
const VoiceKind kHero{1.0, 0.06, 0.0, 0.15, 5.5};

Buffer Room(const Buffer& dry) {
  return Reverb(dry, 0.35, 0.5, 0.1, 0.3);
}

// A new game: a determined cry, rising to a shout, over a horn call.
Buffer Family() {
  Rng rng(40);
  Buffer voice = Speak(
      {
          {"a", 0.13, 150, 165}, {"i", 0.06, 0, 160},    {"g", 0.06, 150, 0},
          {"a", 0.09, 150, 140}, {"t", 0.06, 0, 0},      {"a", 0.07, 140, 130},
          {"s", 0.1, 0, 0},      {"e", 0.14, 165, 175},  {"i", 0.05, 0, 0},
          {"m", 0.06, 160, 0},   {"a", 0.1, 160, 150},   {"i", 0.05, 0, 0},
          {"f", 0.08, 0, 0},     {"ae", 0.13, 190, 175}, {"m", 0.05, 0, 0},
          {"ih", 0.07, 165, 0},  {"l", 0.05, 0, 0},      {"i", 0.22, 160, 135},
          {"-", 0.35, 0, 0},     {"n", 0.05, 210, 0},    {"a", 0.22, 240, 230},
          {"u", 0.2, 0, 170},
      },
      kHero, rng);
  Buffer out;
  // D minor rising to the major: the hero will not give up.
  const int call[] = {50, 57, 62, 65};
  for (int i = 0; i < 4; ++i) MixAt(out, Brass(NoteHz(call[i]), 0.5, 0.12), 0.1 + i * 0.35);
  for (int n : {50, 57, 62, 66, 69}) MixAt(out, Brass(NoteHz(n), 0.9, 0.1), 1.95);
  MixAt(out, voice, 0.05, 2.5);
  Buffer wet = Reverb(out, 0.5, 0.5, 0.15, 0.6);
  FadeEdges(wet, 0.003, 0.4);
  return wet;
}

// The critical hit: "yeah!" with a ringing blow under it.
Buffer Yeah() {
  Rng rng(41);
  Buffer out =
      Speak({{"y", 0.06, 190, 210}, {"e", 0.1, 210, 250}, {"a", 0.3, 260, 190}}, kHero, rng);
  Gain(out, 2.0);
  MixAt(out, MetalHit(700, 0.5, rng), 0.0, 0.25);
  MixAt(out, Thump(160, 60, 0.25, rng), 0.0, 0.4);
  return Room(out);
}

// A secret: a surprised "look at that!" over a discovery chime.
Buffer LookAtThat() {
  Rng rng(42);
  Buffer voice = Speak(
      {
          {"l", 0.05, 150, 0},
          {"u", 0.12, 155, 170},
          {"k", 0.08, 0, 0},
          {"ae", 0.09, 170, 160},
          {"t", 0.06, 0, 0},
          {"d", 0.05, 0, 0},
          {"ae", 0.28, 180, 240},
          {"t", 0.08, 0, 0},
      },
      kHero, rng);
  Buffer out;
  MixAt(out, voice, 0.0, 2.0);
  const int chime[] = {79, 83, 86, 91};
  for (int i = 0; i < 4; ++i) MixAt(out, Bell(NoteHz(chime[i]), 0.9), 0.45 + i * 0.08, 0.22);
  MixAt(out, Sparkle(0.8, 8, 3000, 8000, rng), 0.5, 0.4);
  FadeEdges(out, 0.003, 0.2);
  return Room(out);
}

// Relief after a hard fight: "all right".
Buffer AllRight() {
  Rng rng(43);
  Buffer out = Speak(
      {
          {"aw", 0.2, 170, 150},
          {"l", 0.07, 0, 0},
          {"r", 0.07, 140, 0},
          {"a", 0.14, 150, 185},
          {"i", 0.12, 0, 200},
          {"t", 0.08, 0, 0},
      },
      kHero, rng);
  return Room(out);
}

// A blow blocked by the shield: the clang of metal, no voice.
Buffer ShieldBlock() {
  Rng rng(44);
  Buffer out = MetalHit(480, 0.7, rng);
  MixAt(out, MetalHit(1130, 0.35, rng), 0.0, 0.5);
  MixAt(out, Thump(120, 60, 0.15, rng), 0.0, 0.6);
  return Room(out);
}

// Hurt, by how hard the hero was hit: from a grunt to a cry of pain.
Buffer Hurt(int level) {
  Rng rng(45 + static_cast<std::uint64_t>(level));
  Buffer out;
  switch (level) {
    case 1:
      out = Speak({{"uh", 0.14, 150, 125}}, kHero, rng);
      MixAt(out, Thump(130, 70, 0.1, rng), 0.0, 0.25);
      break;
    case 2:
      out = Speak({{"h", 0.03, 190, 0}, {"uh", 0.2, 190, 140}, {"g", 0.05, 0, 0}},
                  VoiceKind{1.0, 0.1, 0.15, 0.0, 5.0}, rng);
      MixAt(out, Thump(150, 60, 0.16, rng), 0.0, 0.45);
      break;
    default:
      out = Speak(
          {{"a", 0.12, 240, 260}, {"a", 0.3, 260, 160}, {"r", 0.1, 0, 130}, {"h", 0.08, 0, 0}},
          VoiceKind{1.0, 0.12, 0.35, 0.3, 7.0}, rng);
      MixAt(out, Thump(110, 40, 0.3, rng), 0.0, 0.8);
      MixAt(out, Click(900, 0.04, rng), 0.0, 0.5);
      break;
  }
  Gain(out, 2.0);
  return Room(out);
}

// The hero falls: a long failing groan, then his body and sword hit the ground.
Buffer Dead() {
  Rng rng(48);
  Buffer out = Speak({{"o", 0.2, 200, 180}, {"a", 0.6, 180, 110}, {"u", 0.5, 110, 70}},
                     VoiceKind{0.97, 0.25, 0.4, 0.4, 4.0}, rng);
  Envelope(out, [](double t) { return 1.0 - 0.5 * std::min(1.0, t / 1.3); });
  MixAt(out, Thump(90, 40, 0.45, rng), 1.25, 1.0);
  MixAt(out, MetalHit(650, 0.4, rng), 1.32, 0.25);
  MixAt(out, MetalHit(820, 0.3, rng), 1.45, 0.12);
  Buffer wet = Reverb(out, 0.5, 0.5, 0.15, 0.6);
  FadeEdges(wet, 0.003, 0.4);
  return wet;
}

}  // namespace

std::vector<Effect> HeroEffects() {
  return {
      {"FAMILY.wav", Family, kVoiceLevel},
      {"YEAH.wav", Yeah, kVoiceLevel},
      {"LOOKATTHAT.wav", LookAtThat, kVoiceLevel},
      {"allright.wav", AllRight, kVoiceLevel},
      {"OW0.wav", ShieldBlock, kEffectLevel},
      {"OW1.wav", [] { return Hurt(1); }, kVoiceLevel - 4.0},
      {"OW2.wav", [] { return Hurt(2); }, kVoiceLevel - 2.0},
      {"OW3.wav", [] { return Hurt(3); }, kVoiceLevel},
      {"DEAD.wav", Dead, kVoiceLevel},
  };
}

}  // namespace tq::soundgen
