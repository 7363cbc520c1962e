// The monsters' roars as they notice the hero, and their death cries: one voice per kind.
#include <algorithm>
#include <cmath>
#include <vector>

#include "effects.h"
#include "parts.h"
#include "voice.h"

namespace tq::soundgen {
namespace {

Buffer Cave(const Buffer& dry) {
  return Reverb(dry, 0.6, 0.5, 0.2, 0.5);
}

}  // namespace

// Platers and bats: a burst of high chittering squeaks. Each squeak is a pure gliding tone with
// a soft second harmonic, all well under the top of the band, so nothing folds back down.
Buffer Roar0() {
  Rng rng(50);
  Buffer out;
  for (int i = 0; i < 7; ++i) {
    const double hz = rng.Range(2600, 3800), len = rng.Range(0.035, 0.055);
    Buffer squeak = Tone(len, Wave::Sine, Expo(hz, hz * 1.3, len), [=](double t) {
      return std::pow(std::sin(kPi * t / len), 1.5) * (0.75 + 0.25 * std::sin(2 * kPi * 70 * t));
    });
    MixAt(squeak,
          Tone(len, Wave::Sine, Expo(hz * 2, hz * 2.6, len),
               [=](double t) { return 0.2 * std::pow(std::sin(kPi * t / len), 2.0); }),
          0.0);
    MixAt(out, squeak, i * 0.055 + rng.Range(0.0, 0.015), rng.Range(0.6, 1.0));
  }
  Filter(out, Biquad::Kind::LowPass, 9000, 0.7);
  return Cave(out);
}

// Wyverns and demons: a rasping screech that tears down in pitch.
Buffer Roar1() {
  Rng rng(51);
  Buffer out = Speak({{"i", 0.15, 480, 640}, {"a", 0.5, 640, 330}, {"aw", 0.25, 330, 260}},
                     VoiceKind{1.3, 0.25, 0.6, 0.5, 11.0}, rng);
  Buffer hiss = Whoosh(0.9, 3000, 2000, 1.0, rng);
  MixAt(out, hiss, 0.0, 0.2);
  return Cave(out);
}

// The ogre: a deep bellow from a huge chest, the throat rattling under it, a snort of breath
// at the end.
Buffer Roar2() {
  Rng rng(52);
  Buffer out =
      Speak({{"h", 0.06, 70, 0}, {"o", 0.24, 72, 92}, {"a", 0.6, 92, 80}, {"o", 0.45, 80, 56}},
            VoiceKind{0.64, 0.3, 0.85, 0.35, 4.0, 0.7}, rng);
  MixAt(out, Growl(1.25, 27, 70, rng), 0.06, 0.55);
  MixAt(out, Thump(60, 40, 0.5, rng), 0.0, 0.4);
  MixAt(out, Breath(0.3, 500, 300, false, rng), 1.32, 0.5);
  return Cave(out);
}

// Zombies under the open sky: a slow hollow moan.
Buffer Roar3() {
  Rng rng(53);
  Buffer out = Speak(
      {{"u", 0.45, 115, 105}, {"o", 0.5, 105, 100}, {"a", 0.35, 100, 85}, {"u", 0.35, 85, 80}},
      VoiceKind{0.92, 0.35, 0.2, 0.6, 3.0}, rng);
  return Reverb(out, 0.4, 0.5, 0.12, 0.4);
}

// Beetles, ice platers and dragons: a hissing, rattling growl. A heavy throat rumbles under it
// and a drone buzzes in the chest, the weight a dragon needs below 150 Hz; shell or scales
// rattle over it some twenty times a second, each clack a click and a burst of the hiss forced
// out between them. Every layer swells in and dies away with the breath.
Buffer Roar4() {
  Rng rng(54);
  const double length = 1.25;
  const auto breath = [=](double t) { return Attack(t, 0.12) * std::pow(1.0 - t / length, 1.3); };
  Buffer out = Growl(length, 21, 55, rng);
  Envelope(out, breath);
  Buffer drone =
      Tone(length, Wave::Saw, Expo(58, 44, length), [=](double t) { return 0.5 * breath(t); });
  Filter(drone, Biquad::Kind::LowPass, 400, 0.9);
  MixAt(out, drone, 0.0);
  std::vector<double> clacks;
  for (double at = 0.05; at < length - 0.25; at += rng.Range(0.035, 0.06)) clacks.push_back(at);
  const auto clack = [&](double t) {  // the latest clack, struck in 1.5 ms and gone in 50
    const auto next = std::upper_bound(clacks.begin(), clacks.end(), t);
    if (next == clacks.begin()) return 0.0;
    const double since = t - *(next - 1);
    return std::min(1.0, since / 0.0015) * std::exp(-since / 0.015);
  };
  Buffer hiss = WhiteNoise(length, rng);
  Sweep(hiss, Biquad::Kind::BandPass, Expo(2800, 4500, length), 1.0);
  Envelope(hiss, [&](double t) { return breath(t) * (0.2 + 0.8 * clack(t)); });
  MixAt(out, hiss, 0.0, 1.1);
  for (double at : clacks)
    MixAt(out, Click(rng.Range(1800, 3500), 0.01, rng), at, 0.3 * breath(at));
  return Cave(out);
}

// The thief: a sly, mocking laugh.
Buffer Roar6() {
  Rng rng(56);
  const VoiceKind sly{1.08, 0.2, 0.0, 0.0, 5.0};
  Buffer out = Speak({{"h", 0.05, 210, 0},
                      {"e", 0.09, 210, 200},
                      {"-", 0.05, 0, 0},
                      {"h", 0.05, 195, 0},
                      {"e", 0.09, 195, 185},
                      {"-", 0.05, 0, 0},
                      {"h", 0.05, 180, 0},
                      {"e", 0.09, 180, 165},
                      {"-", 0.05, 0, 0},
                      {"h", 0.05, 165, 0},
                      {"ih", 0.14, 165, 140}},
                     sly, rng);
  return Reverb(out, 0.3, 0.5, 0.08, 0.3);
}

// Newts and salamanders: a throaty croak, then a long reptile hiss.
Buffer Roar7() {
  Rng rng(57);
  Buffer croak = Tone(0.18, Wave::Saw, Constant(38),
                      [](double t) { return Attack(t, 0.01) * std::sin(kPi * t / 0.18); });
  Filter(croak, Biquad::Kind::LowPass, 2000, 0.7);  // the saw's edges would tick
  Filter(croak, Biquad::Kind::BandPass, 420, 2.0);
  Gain(croak, 3.0);
  Buffer hiss = WhiteNoise(0.8, rng);
  Sweep(hiss, Biquad::Kind::BandPass, Expo(3500, 5500, 0.8), 2.0);
  Envelope(hiss, [](double t) { return Attack(t, 0.08) * Decay(t, 0.9); });
  Buffer out = croak;
  MixAt(out, hiss, 0.15, 1.3);
  return Reverb(out, 0.3, 0.5, 0.08, 0.3);
}

// The knight: armour clanks, a sword drawn ringing from its sheath, a challenging shout.
Buffer Roar8() {
  Rng rng(58);
  Buffer out = MetalHit(360, 0.25, rng);
  MixAt(out, MetalHit(420, 0.2, rng), 0.16, 0.8);
  MixAt(out, Whoosh(0.35, 2500, 6000, 3.0, rng), 0.3, 0.5);
  MixAt(out, Modal(0.9, {{2100, 0.3, 0.9}, {3150, 0.2, 0.7}, {5020, 0.12, 0.5}}), 0.6);
  MixAt(out,
        Speak({{"h", 0.06, 150, 0}, {"a", 0.32, 160, 125}}, VoiceKind{0.95, 0.1, 0.2, 0.2, 5}, rng),
        0.7, 1.4);
  return Cave(out);
}

// Zombies in the dark earth: a deeper moan that rises and sinks, wet rattling in the throat,
// thrown back by the cave.
Buffer Roar9() {
  Rng rng(59);
  Buffer out = Speak({{"u", 0.45, 82, 98}, {"o", 0.55, 98, 108}, {"o", 0.5, 108, 66}},
                     VoiceKind{0.84, 0.45, 0.5, 0.9, 2.5, 0.8}, rng);
  Buffer rattle = Growl(1.4, 14, 140, rng);
  Filter(rattle, Biquad::Kind::BandPass, 420, 1.2);
  MixAt(out, rattle, 0.1, 0.9);
  MixAt(out, Breath(0.5, 600, 300, false, rng), 1.3, 0.45);
  out = Echo(out, 0.23, 0.4, 3, 0.7);
  return Reverb(out, 0.8, 0.4, 0.25, 0.7);
}

// The shadow demons, their lord and VEV: a huge layered roar out of a rising dark swell.
Buffer Roar10() {
  Rng rng(60);
  Buffer swell = PinkNoise(0.8, rng);
  Sweep(swell, Biquad::Kind::LowPass, Expo(100, 1500, 0.8), 1.2);
  // The swell gives way to the roar: it fades as the voices come in, never stopping short.
  Envelope(swell,
           [](double t) { return std::pow(t / 0.8, 2.0) * std::min(1.0, (0.8 - t) / 0.12); });
  Buffer out = swell;
  const VoiceKind beast{0.6, 0.3, 0.9, 0.3, 3.0};
  MixAt(out, Speak({{"a", 0.6, 62, 78}, {"o", 0.9, 78, 45}}, beast, rng), 0.7, 1.0);
  MixAt(
      out,
      Speak({{"a", 0.6, 93, 117}, {"aw", 0.9, 117, 68}}, VoiceKind{0.75, 0.4, 0.7, 0.3, 3.3}, rng),
      0.7, 0.6);
  MixAt(out,
        Tone(1.6, Wave::Sine, Expo(48, 36, 1.6),
             [](double t) { return 0.5 * Attack(t, 0.1) * (1.0 - t / 1.6); }),
        0.7);
  return Faded(Reverb(out, 0.9, 0.3, 0.35, 1.0), 0.01, 0.6);
}

// Small things die with a squeal cut short and a soft puff.
Buffer Kill0() {
  Rng rng(70);
  Buffer out = Tone(
      0.28, Wave::Triangle,
      [](double t) { return (2200 - 5500 * t) * (1.0 + 0.04 * std::sin(90 * t)); },
      [](double t) { return Attack(t, 0.005) * (1.0 - t / 0.28); });
  Buffer puff = WhiteNoise(0.25, rng);
  Filter(puff, Biquad::Kind::LowPass, 1200, 0.7);
  Envelope(puff, [](double t) { return Decay(t, 0.2); });
  MixAt(out, puff, 0.2, 0.8);
  return Cave(out);
}

// Winged and horned things: a screech that falls away and a heavy landing.
Buffer Kill1() {
  Rng rng(71);
  Buffer out =
      Speak({{"a", 0.45, 620, 260}, {"u", 0.4, 260, 140}}, VoiceKind{1.2, 0.3, 0.5, 0.8, 8.0}, rng);
  MixAt(out, Thump(80, 40, 0.4, rng), 0.75, 0.9);
  return Cave(out);
}

// The ogre's last groan and the ground shaking under its fall.
Buffer Kill2() {
  Rng rng(72);
  Buffer out =
      Speak({{"o", 0.4, 92, 75}, {"u", 0.5, 75, 45}}, VoiceKind{0.68, 0.25, 0.6, 0.2, 4}, rng);
  MixAt(out, Thump(60, 30, 0.7, rng), 0.85, 1.3);
  Buffer rumble = PinkNoise(0.6, rng);
  Filter(rumble, Biquad::Kind::LowPass, 200, 0.7);
  Envelope(rumble, [](double t) { return 2.0 * Decay(t, 0.6); });
  MixAt(out, rumble, 0.85);
  return Cave(out);
}

// Shelled and scaled things: the shell cracks and the last breath hisses out.
Buffer Kill3() {
  Rng rng(73);
  Buffer out;
  for (double at : {0.0, 0.04, 0.07, 0.13}) MixAt(out, Click(rng.Range(1200, 2600), 0.03, rng), at);
  Buffer crunch = Crackle(0.25, 1500, rng);
  Filter(crunch, Biquad::Kind::BandPass, 1800, 0.8);
  Envelope(crunch, [](double t) { return Decay(t, 0.2); });
  MixAt(out, crunch, 0.0, 1.5);
  MixAt(out, WoodKnock(260, 0.15, rng), 0.0, 0.6);
  Buffer breath = WhiteNoise(0.7, rng);
  Sweep(breath, Biquad::Kind::BandPass, Expo(4000, 1500, 0.7), 1.5);
  Envelope(breath, [](double t) { return 0.6 * Attack(t, 0.05) * Decay(t, 0.7); });
  MixAt(out, breath, 0.2);
  return Cave(out);
}

// A zombie comes apart: a wet collapse and bones rattling to rest.
Buffer Kill5() {
  Rng rng(75);
  Buffer out = Speak({{"u", 0.35, 100, 70}}, VoiceKind{0.9, 0.45, 0.3, 0.0, 3}, rng);
  Buffer squelch = WhiteNoise(0.3, rng);
  Sweep(
      squelch, Biquad::Kind::BandPass, [](double t) { return 500 + 250 * std::sin(45 * t); }, 5.0);
  Envelope(squelch, [](double t) { return 2.0 * Decay(t, 0.3); });
  MixAt(out, squelch, 0.25);
  double at = 0.45, gap = 0.12;
  for (int i = 0; i < 8; ++i, gap *= 0.75) {
    MixAt(out, WoodKnock(rng.Range(600, 1100), 0.06, rng), at, 0.7 - i * 0.06);
    at += gap;
  }
  return Cave(out);
}

// A man's death cry and his blade clattering down.
Buffer Kill6() {
  Rng rng(76);
  Buffer out = Speak({{"a", 0.25, 230, 200}, {"uh", 0.35, 200, 110}},
                     VoiceKind{0.98, 0.15, 0.3, 0.3, 6.0}, rng);
  double at = 0.5, gap = 0.14;
  for (int i = 0; i < 5; ++i, gap *= 0.7) {
    MixAt(out, MetalHit(rng.Range(600, 900), 0.3, rng), at, 0.5 - i * 0.07);
    at += gap;
  }
  MixAt(out, Thump(90, 45, 0.3, rng), 0.48, 0.7);
  return Cave(out);
}

// The shadows dissolve: a ghostly wail sinking through a falling chord into the dark.
Buffer Kill10() {
  Rng rng(80);
  Buffer out =
      Speak({{"o", 0.6, 320, 240}, {"u", 0.9, 240, 95}}, VoiceKind{0.8, 0.5, 0.3, 1.0, 5.0}, rng);
  const double chord[] = {NoteHz(62), NoteHz(65), NoteHz(68), NoteHz(71)};
  for (double hz : chord) {
    MixAt(out,
          Tone(2.0, Wave::Sine, Expo(hz * 2.0, hz, 2.0),
               [](double t) { return 0.12 * Attack(t, 0.1) * (1.0 - t / 2.0); }),
          0.1);
  }
  MixAt(out, Whoosh(1.8, 4000, 200, 0.8, rng), 0.0, 0.5);
  MixAt(out, Sparkle(1.5, 10, 1500, 5000, rng), 0.6, 0.4);
  return Faded(Reverb(out, 0.92, 0.3, 0.4, 1.2), 0.01, 0.8);
}

}  // namespace tq::soundgen
