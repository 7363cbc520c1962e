// The hero's voice: his cry at a new game, the shout of a critical hit, surprise, relief,
// the hurt sounds that grow with the blow, and his death.
#include <cmath>

#include "effects.h"
#include "parts.h"
#include "voice.h"

namespace tq::soundgen {
namespace {

// Tarvo: a young man's voice. He never speaks words here: he draws breath, grunts and shouts.
const VoiceKind kHero{1.0, 0.14, 0.05, 0.15, 5.5, 0.8};
// Straining: a rougher, breathier throat.
const VoiceKind kStrain{1.0, 0.2, 0.3, 0.2, 6.5, 0.9};

Buffer Room(const Buffer& dry) {
  return Reverb(dry, 0.35, 0.5, 0.1, 0.3);
}

}  // namespace

// A new game: a sharp breath, a grunt of resolve under a rising horn call, then a shout that
// lands on the call's bright chord.
Buffer Family() {
  Rng rng(40);
  Buffer out;
  MixAt(out, Normalized(Breath(0.34, 600, 1800, true, rng), 0.25), 0.0);
  MixAt(out, Normalized(Speak({{"h", 0.05, 135, 0}, {"uh", 0.2, 140, 120}}, kHero, rng), 0.45),
        0.42);
  // D minor rising to the major: the hero will not give up.
  const int call[] = {50, 57, 62, 65};
  for (int i = 0; i < 4; ++i) MixAt(out, Brass(NoteHz(call[i]), 0.5, 0.3), 0.7 + i * 0.3);
  for (int n : {50, 57, 62, 66, 69}) MixAt(out, Brass(NoteHz(n), 1.1, 0.16), 1.95);
  MixAt(out, Normalized(Breath(0.16, 700, 1600, true, rng), 0.2), 1.68);
  MixAt(
      out,
      Normalized(
          Speak(
              {{"h", 0.06, 220, 0}, {"a", 0.42, 230, 270}, {"a", 0.3, 270, 185}, {"h", 0.14, 0, 0}},
              VoiceKind{1.0, 0.18, 0.15, 0.25, 5.5, 0.9}, rng),
          0.9),
      1.9);
  return Faded(Reverb(out, 0.5, 0.5, 0.15, 0.6), 0.003, 0.4);
}

// The critical hit: an exultant "hyah!" with a ringing blow under it.
Buffer Yeah() {
  Rng rng(41);
  Buffer out = Speak({{"h", 0.05, 220, 0}, {"ae", 0.11, 230, 295}, {"a", 0.28, 295, 205}},
                     VoiceKind{1.0, 0.16, 0.12, 0.2, 6.0, 0.9}, rng);
  Gain(out, 2.0);
  MixAt(out, Breath(0.12, 900, 700, false, rng), 0.44, 0.4);
  MixAt(out, MetalHit(700, 0.5, rng), 0.0, 0.25);
  MixAt(out, Thump(160, 60, 0.25, rng), 0.0, 0.4);
  return Room(out);
}

// A secret: a gasp of surprise, a wondering "oh!", and a discovery chime.
Buffer LookAtThat() {
  Rng rng(42);
  Buffer out = Breath(0.22, 900, 2200, true, rng);
  Gain(out, 0.6);
  MixAt(out, Speak({{"h", 0.04, 170, 0}, {"o", 0.3, 175, 255}, {"u", 0.12, 255, 240}}, kHero, rng),
        0.26, 2.0);
  const int chime[] = {79, 83, 86, 91};
  for (int i = 0; i < 4; ++i) MixAt(out, Bell(NoteHz(chime[i]), 0.9), 0.45 + i * 0.08, 0.22);
  MixAt(out, Sparkle(0.8, 8, 3000, 8000, rng), 0.5, 0.4);
  FadeEdges(out, 0.003, 0.2);
  return Room(out);
}

// Relief after the hardest fight: a long breath let out, half a laugh in it.
Buffer AllRight() {
  Rng rng(43);
  Buffer out = Speak(
      {{"h", 0.1, 190, 0}, {"a", 0.12, 200, 175}, {"h", 0.06, 0, 0}, {"a", 0.38, 185, 120, 0.8}},
      VoiceKind{1.0, 0.32, 0.05, 0.1, 5.0, 1.0}, rng);
  MixAt(out, Breath(0.5, 1200, 500, false, rng), 0.6, 0.6);
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

// Hurt, by how hard the hero was hit: from a grunt to a cry of pain, each with its breath.
Buffer Hurt(int level) {
  Rng rng(45 + static_cast<std::uint64_t>(level));
  Buffer out;
  switch (level) {
    case 1:
      out = Speak({{"uh", 0.12, 150, 118}}, VoiceKind{1.0, 0.16, 0.2, 0.0, 5.0, 0.8}, rng);
      MixAt(out, Breath(0.12, 800, 500, false, rng), 0.1, 0.5);
      MixAt(out, Thump(130, 70, 0.1, rng), 0.0, 0.25);
      break;
    case 2:
      out = Speak({{"h", 0.03, 190, 0}, {"uh", 0.19, 195, 135}, {"-", 0.03, 0, 0}}, kStrain, rng);
      MixAt(out, Breath(0.16, 900, 500, false, rng), 0.24, 0.55);
      MixAt(out, Thump(150, 60, 0.16, rng), 0.0, 0.45);
      break;
    default:
      out = Speak({{"a", 0.1, 250, 295}, {"a", 0.32, 295, 165}, {"h", 0.14, 0, 0}},
                  VoiceKind{1.0, 0.22, 0.45, 0.3, 7.0, 1.0}, rng);
      MixAt(out, Growl(0.4, 32, 90, rng), 0.05, 0.25);
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
                     VoiceKind{0.97, 0.3, 0.4, 0.4, 4.0, 1.0}, rng);
  MixAt(out, Breath(0.6, 700, 350, false, rng), 1.2, 0.5);
  Envelope(out, [](double t) { return 1.0 - 0.5 * std::min(1.0, t / 1.3); });
  MixAt(out, Thump(90, 40, 0.45, rng), 1.25, 1.0);
  MixAt(out, MetalHit(650, 0.4, rng), 1.32, 0.25);
  MixAt(out, MetalHit(820, 0.3, rng), 1.45, 0.12);
  return Faded(Reverb(out, 0.5, 0.5, 0.15, 0.6), 0.003, 0.4);
}

}  // namespace tq::soundgen
