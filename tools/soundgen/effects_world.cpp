// Doors, the torch, water, the night and the weather, and the stones of the Far North.
#include <algorithm>
#include <cmath>

#include "effects.h"
#include "parts.h"

namespace tq::soundgen {

// A wooden door swung shut: latch click, heavy thud, the frame ringing in the room.
Buffer DoorSlam() {
  Rng rng(20);
  Buffer out = Thump(110, 45, 0.35, rng);
  MixAt(out, WoodKnock(150, 0.3, rng), 0.0, 0.8);
  MixAt(out, WoodKnock(310, 0.12, rng), 0.01, 0.4);
  MixAt(out, MetalHit(1900, 0.08, rng), 0.035, 0.25);
  Filter(out, Biquad::Kind::LowPass, 5000, 0.7);
  return Reverb(out, 0.45, 0.6, 0.18, 0.4);
}

// Trying a locked door: the handle rattles against the lock and the door bumps the frame.
Buffer LockedDoor() {
  Rng rng(21);
  Buffer out;
  const double hits[] = {0.0, 0.07, 0.12, 0.21, 0.26};
  for (int i = 0; i < 5; ++i) {
    MixAt(out, MetalHit(rng.Range(1100, 1500), 0.07, rng), hits[i], 0.5);
    if (i % 2 == 0) MixAt(out, WoodKnock(190, 0.12, rng), hits[i] + 0.005, 0.6);
  }
  return Reverb(out, 0.3, 0.6, 0.1, 0.25);
}

// Stepping into the ruinstone: the stone starts to hum.
Buffer SnowTalk() {
  Rng rng(22);
  Buffer out;
  for (double hz : {110.0, 164.8, 220.0, 277.2}) {
    MixAt(out,
          Tone(
              1.4, Wave::Sine, [hz](double t) { return hz * (1.0 + 0.004 * std::sin(5 * t)); },
              [](double t) { return 0.2 * Attack(t, 0.5) * Decay(t, 2.5); }),
          0.0);
  }
  Buffer air = PinkNoise(1.4, rng);
  Sweep(air, Biquad::Kind::BandPass, Expo(300, 1500, 1.4), 4.0);
  Envelope(air, [](double t) { return 0.5 * Attack(t, 0.6); });
  MixAt(out, air, 0.0);
  FadeEdges(out, 0.05, 0.4);
  return out;
}

// Through the ruinstone: a rushing portal, a stone rumble and an icy shimmer on arrival.
Buffer StoneDoor() {
  Rng rng(23);
  Buffer out = Whoosh(1.6, 150, 5000, 1.2, rng);
  Buffer rumble = PinkNoise(2.0, rng);
  Filter(rumble, Biquad::Kind::LowPass, 120, 0.7);
  Envelope(rumble, [](double t) { return 3.0 * std::sin(kPi * std::min(t / 2.0, 1.0)); });
  MixAt(out, rumble, 0.0);
  const int ice[] = {96, 91, 88, 84, 79, 76};
  for (int i = 0; i < 6; ++i) MixAt(out, Bell(NoteHz(ice[i]), 1.0), 1.2 + i * 0.09, 0.25);
  MixAt(out, Sparkle(1.2, 14, 3000, 9000, rng), 1.1, 0.5);
  return Faded(Reverb(out, 0.85, 0.3, 0.35, 1.0), 0.02, 0.6);
}

// Lighting the torch: a scrape, a catching whoomp, then crackling flame.
Buffer LightTorch() {
  Rng rng(24);
  Buffer out = Whoosh(0.12, 3000, 5000, 2.0, rng);
  Gain(out, 0.5);
  Buffer flame = WhiteNoise(0.6, rng);
  Sweep(flame, Biquad::Kind::LowPass, Expo(200, 2500, 0.35), 0.9);
  Envelope(flame, [](double t) { return Attack(t, 0.12) * Decay(t, 0.8); });
  MixAt(out, flame, 0.1, 1.2);
  Buffer crackle = Crackle(1.0, 90, rng);
  Filter(crackle, Biquad::Kind::BandPass, 2500, 0.8);
  Envelope(crackle, [](double t) { return Attack(t, 0.2) * Decay(t, 1.4); });
  MixAt(out, crackle, 0.25, 1.5);
  FadeEdges(out, 0.003, 0.2);
  return out;
}

// Wading into water: a plunge, spray and a few bubbles.
Buffer Splash() {
  Rng rng(25);
  Buffer out = Tone(0.15, Wave::Sine, Expo(500, 140, 0.12),
                    [](double t) { return Attack(t, 0.003) * Decay(t, 0.15); });
  Buffer spray = WhiteNoise(0.6, rng);
  Sweep(spray, Biquad::Kind::BandPass, Expo(1200, 3500, 0.2), 0.8);
  Envelope(spray, [](double t) { return Attack(t, 0.01) * Decay(t, 0.45); });
  MixAt(out, spray, 0.0, 1.2);
  for (int i = 0; i < 7; ++i) {
    const double hz = rng.Range(500, 1400);
    MixAt(out,
          Tone(0.04, Wave::Sine, Expo(hz, hz * 1.8, 0.04),
               [](double t) { return Attack(t, 0.002) * Decay(t, 0.04); }),
          0.12 + rng.Range(0.0, 0.4), 0.25);
  }
  FadeEdges(out, 0.002, 0.08);
  return out;
}

// Crickets in two voices, an owl calling twice, a breath of wind.
Buffer Night() {
  Rng rng(26);
  const double length = 5.0;
  Buffer out(Samples(length), 0.0f);
  for (int c = 0; c < 2; ++c) {
    const double hz = c == 0 ? 4400.0 : 3900.0;
    const double period = c == 0 ? 0.55 : 0.71;
    for (double at = rng.Range(0.0, 0.3); at < length - 0.2; at += period * rng.Range(0.9, 1.1)) {
      // One chirp: a few rapid pulses of a pure tone.
      Buffer chirp = Tone(0.12, Wave::Sine, Constant(hz), [](double t) {
        return std::pow(std::max(0.0, std::sin(2 * kPi * 32 * t)), 2.0) * (1.0 - t / 0.12);
      });
      MixAt(out, chirp, at, c == 0 ? 0.2 : 0.12);
    }
  }
  for (int i = 0; i < 2; ++i) {
    Buffer hoot = Tone(i == 0 ? 0.35 : 0.55, Wave::Sine, Expo(395, 360, 0.5), [i](double t) {
      const double len = i == 0 ? 0.35 : 0.55;
      return Attack(t, 0.08) * std::max(0.0, 1.0 - t / len);
    });
    MixAt(hoot,
          Tone(0.55, Wave::Sine, Constant(790), [](double t) { return 0.08 * Decay(t, 0.5); }),
          0.0);
    Filter(hoot, Biquad::Kind::LowPass, 1200, 0.7);
    MixAt(out, hoot, 1.6 + i * 0.5, 0.8);
  }
  Buffer wind = PinkNoise(length, rng);
  Sweep(
      wind, Biquad::Kind::BandPass, [](double t) { return 500 + 250 * std::sin(1.3 * t); }, 1.5);
  MixAt(out, wind, 0.0, 0.25);
  out = Reverb(out, 0.6, 0.5, 0.15, 0.5);
  out.resize(Samples(length));
  FadeEdges(out, 0.8, 1.2);
  return out;
}

// Back under the open sky: a soft wind through the trees and birds calling.
Buffer Wild() {
  Rng rng(27);
  const double length = 4.0;
  Buffer out = PinkNoise(length, rng);
  Sweep(
      out, Biquad::Kind::BandPass, [](double t) { return 700 + 400 * std::sin(0.9 * t + 1.0); },
      0.8);
  Gain(out, 0.5);
  for (int b = 0; b < 7; ++b) {
    const double base = rng.Range(2600, 4200);
    const double at = rng.Range(0.2, length - 0.8);
    const int notes = 2 + static_cast<int>(rng.Uniform() * 3);
    for (int k = 0; k < notes; ++k) {
      const double up = rng.Uniform() < 0.5 ? 1.4 : 0.75;
      Buffer tweet = Tone(0.07, Wave::Sine, Expo(base, base * up, 0.07),
                          [](double t) { return std::sin(kPi * t / 0.07); });
      MixAt(out, tweet, at + k * 0.09, rng.Range(0.08, 0.18));
    }
  }
  out = Reverb(out, 0.5, 0.5, 0.12, 0.4);
  out.resize(Samples(length));
  FadeEdges(out, 0.6, 1.0);
  return out;
}

namespace {

// One peal of thunder. Near, it tears the air: a burst of cracks spreading out over a tenth of
// a second, then the rumble rolls in. Far off only the rumble comes, slowly. The rumble is low
// noise swelling and sinking a few times over its length.
Buffer Thunder(double seconds, bool near, Rng& rng) {
  Buffer roll = PinkNoise(seconds, rng);
  Filter(roll, Biquad::Kind::LowPass, near ? 220 : 150, 0.7);
  Filter(roll, Biquad::Kind::LowPass, near ? 300 : 200, 0.7);
  Filter(roll, Biquad::Kind::HighPass, 28, 0.7);  // felt, but no drift of the middle
  double bumps[6];
  for (double& b : bumps) b = rng.Range(0.35, 1.0);
  const double rise = near ? 0.15 : 0.7;
  Envelope(roll, [=](double t) {
    const double u = t / seconds * 5.0;
    const int i = std::min(4, static_cast<int>(u));
    const double f = u - i, swell = bumps[i] + (bumps[i + 1] - bumps[i]) * f * f * (3 - 2 * f);
    return 7.0 * std::pow(std::min(1.0, t / rise), 2.0) * Decay(t, seconds * 1.1) * swell;
  });
  if (near) {
    Buffer crack = Crackle(0.35, 2500, rng);
    Filter(crack, Biquad::Kind::LowPass, 3500, 0.7);
    Buffer tear = WhiteNoise(0.35, rng);
    Filter(tear, Biquad::Kind::BandPass, 900, 0.6);
    MixAt(crack, tear, 0.0, 0.25);
    Envelope(crack, [](double t) { return Attack(t, 0.02) * Decay(t, 0.3); });
    MixAt(roll, crack, 0.0, 2.5);
  }
  FadeEdges(roll, 0.0, 0.5);
  return roll;
}

}  // namespace

// Rain with thunder, sixteen seconds that repeat without a seam: a wash of rain that gusts
// and eases, thousands of single drops, a few fat ones close by, a near and a far peal.
Buffer RainThunder() {
  Rng rng(28);
  const double length = 16.0, overlap = 1.0;
  Buffer rain = PinkNoise(length + overlap, rng);
  Filter(rain, Biquad::Kind::HighPass, 400, 0.7);
  Filter(rain, Biquad::Kind::LowPass, 6500, 0.7);
  // Gusts: slow swells whose periods divide the loop, so they carry on across the join.
  Envelope(rain, [=](double t) {
    return 0.55 + 0.2 * std::sin(2 * kPi * t * 2 / length) +
           0.12 * std::sin(2 * kPi * t * 5 / length + 1.0);
  });
  for (int i = 0; i < static_cast<int>((length + overlap) * 320); ++i) {
    const double hz = rng.Range(1500, 6000), len = rng.Range(0.004, 0.014);
    const double level = std::pow(rng.Uniform(), 3.0) * 0.35;
    Buffer drop = Tone(len, Wave::Sine, Expo(hz, hz * 0.8, len),
                       [=](double t) { return Attack(t, 0.0008) * Decay(t, len); });
    MixAt(rain, drop, rng.Range(0.0, length + overlap - len), level);
  }
  for (int i = 0; i < static_cast<int>((length + overlap) * 4); ++i) {  // fat drops on the leaves
    const double hz = rng.Range(700, 1800);
    Buffer plink = Tone(0.04, Wave::Sine, Expo(hz * 1.2, hz, 0.04),
                        [](double t) { return Attack(t, 0.001) * Decay(t, 0.04); });
    MixAt(rain, plink, rng.Range(0.0, length + overlap - 0.05), rng.Range(0.15, 0.4));
  }
  // The tail beyond the loop is laid over the head so the end flows into the start.
  const std::size_t n = Samples(length), fade = Samples(overlap);
  rain.resize(n + fade);
  for (std::size_t i = 0; i < fade; ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(fade);
    rain[i] = static_cast<float>(rain[i] * std::sin(0.5 * kPi * x) +
                                 rain[n + i] * std::cos(0.5 * kPi * x));
  }
  rain.resize(n);
  // Thunder falls well inside the loop, so it never straddles the join.
  MixAt(rain, Thunder(6.0, true, rng), 2.5, 0.9);
  MixAt(rain, Thunder(4.5, false, rng), 10.5, 0.6);
  rain.resize(n);
  return rain;
}

}  // namespace tq::soundgen
