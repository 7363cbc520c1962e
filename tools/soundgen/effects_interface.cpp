// Clicks of the toolbar and maps, the refusal buzz and the reward jingles.
#include <cmath>

#include "effects.h"
#include "parts.h"

namespace tq::soundgen {
namespace {

// A short chirp that glides between two pitches: the toolbar's click.
Buffer Chirp(double fromHz, double toHz, double seconds, Rng& rng) {
  Buffer b = Tone(seconds, Wave::Triangle, Expo(fromHz, toHz, seconds),
                  [=](double t) { return Attack(t, 0.002) * Decay(t, seconds * 1.3); });
  MixAt(b, Click(fromHz * 2.0, 0.008, rng), 0.0, 0.5);
  return b;
}

}  // namespace

Buffer Squeak() {
  Rng rng(1);
  return Chirp(1700, 2700, 0.06, rng);
}

Buffer Squeak2() {
  Rng rng(2);
  return Chirp(2500, 1500, 0.07, rng);
}

// The prompt of a talk spot: two soft wooden blips, like someone about to speak.
Buffer Squeak3() {
  Buffer out;
  for (int i = 0; i < 2; ++i) {
    const double hz = i == 0 ? 784.0 : 1175.0;
    Buffer blip = Tone(0.09, Wave::Sine, Constant(hz),
                       [](double t) { return Attack(t, 0.004) * Decay(t, 0.09); });
    MixAt(blip,
          Tone(0.09, Wave::Sine, Constant(hz * 3.0),
               [](double t) { return 0.2 * Attack(t, 0.004) * Decay(t, 0.03); }),
          0.0);
    MixAt(out, blip, i * 0.085);
  }
  return out;
}

// "Nuh-uh": two dull knocks on a hollow wooden block, the second lower, each with a soft
// falling hum in it, so the refusal is felt without a buzz.
Buffer No() {
  Rng rng(5);
  Buffer out;
  const double pitches[] = {247.0, 185.0};
  for (int i = 0; i < 2; ++i) {
    const double hz = pitches[i];
    Buffer knock = Modal(0.3, {{hz, 1.0, 0.22}, {hz * 2.76, 0.3, 0.07}, {hz * 5.4, 0.12, 0.03}});
    Envelope(knock, [](double t) { return Attack(t, 0.004); });  // a felt mallet, not a tick
    MixAt(knock,
          Tone(0.2, Wave::Triangle, Expo(hz * 1.06, hz * 0.97, 0.2),
               [](double t) { return 0.35 * Attack(t, 0.01) * Decay(t, 0.2); }),
          0.0);
    MixAt(knock, Thump(hz * 0.6, hz * 0.45, 0.12, rng), 0.0, 0.3);
    MixAt(out, knock, i * 0.15);
  }
  Filter(out, Biquad::Kind::LowPass, 2400, 0.7);
  return Reverb(out, 0.25, 0.6, 0.08, 0.15);
}

// The till: a papery "cha" and a bright two-bell "ching".
Buffer Buy() {
  Rng rng(3);
  Buffer out = Click(3500, 0.05, rng);
  Buffer drawer = Thump(180, 90, 0.12, rng);
  MixAt(out, drawer, 0.0, 0.5);
  MixAt(out, Bell(2093, 0.6), 0.06, 0.5);
  MixAt(out, Bell(2637, 0.7), 0.12, 0.5);
  MixAt(out, Sparkle(0.5, 4, 3000, 6000, rng), 0.12, 0.6);
  return out;
}

// The bonus: a quick rising fanfare that lands on a bright held chord.
Buffer LevelUp() {
  Rng rng(4);
  Buffer out;
  const int run[] = {60, 64, 67, 72, 76};
  for (int i = 0; i < 5; ++i) MixAt(out, Brass(NoteHz(run[i]), 0.12, 0.35), i * 0.075);
  for (int n : {72, 76, 79, 84}) MixAt(out, Brass(NoteHz(n), 0.8, 0.22), 0.38);
  MixAt(out, Sparkle(1.0, 10, 2500, 7000, rng), 0.35, 0.8);
  return Faded(Reverb(out, 0.5, 0.4, 0.25, 0.6), 0.0, 0.3);
}

}  // namespace tq::soundgen
