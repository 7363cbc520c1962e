// Recurring ingredients of the effects: thumps, knocks, metal, bells, whooshes and sparkles.
#pragma once

#include "buffer.h"
#include "rng.h"

namespace tq::soundgen {

// A low body blow: a sine that falls in pitch, with a soft noise skin.
Buffer Thump(double fromHz, double toHz, double seconds, Rng& rng);
// A hard tick of noise centred on `hz`.
Buffer Click(double hz, double seconds, Rng& rng);
// A knock on wood whose lowest mode is `hz`.
Buffer WoodKnock(double hz, double seconds, Rng& rng);
// A struck piece of metal (sword, armour, hinge) with a lowest mode of `hz`.
Buffer MetalHit(double hz, double ringSeconds, Rng& rng);
// A small bell or chime.
Buffer Bell(double hz, double ringSeconds);
// One coin hitting another.
Buffer CoinClink(double hz, Rng& rng);
// Air moved fast: band-passed noise whose centre moves from `fromHz` to `toHz`.
Buffer Whoosh(double seconds, double fromHz, double toHz, double q, Rng& rng);
// A scatter of tiny high chimes, the shine of magic and treasure.
Buffer Sparkle(double seconds, int count, double lowHz, double highHz, Rng& rng);
// A breath drawn in (`in`) or let out: air through an open mouth, its colour gliding from
// `fromHz` to `toHz` as the mouth moves, with the rush of air above it.
Buffer Breath(double seconds, double fromHz, double toHz, bool in, Rng& rng);
// The rumbling flutter of a big throat: low noise beating at `rate` per second, unevenly.
Buffer Growl(double seconds, double rate, double lowHz, Rng& rng);
// A note of a soft brass-like synth, for the heroic motifs.
Buffer Brass(double hz, double seconds, double level);

// Equal-tempered pitch of a MIDI note number.
double NoteHz(int midiNote);

}  // namespace tq::soundgen
