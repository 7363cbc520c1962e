// How loud a sound is, bringing it to a level, and cutting its silent end.
#pragma once

#include "buffer.h"

namespace tq::soundgen {

// Loudness as the ear hears a short sound: its loudest 400 ms weighted as ITU-R BS.1770 weighs
// (a shelf lifting the presence above 1.5 kHz, a cut below 40 Hz), in LUFS. A sound shorter
// than 400 ms is heard over 400 ms, part of them silent.
double MomentaryLoudness(const Buffer& b);
double PeakDb(const Buffer& b);
// Brings a sound to a target momentary loudness (LUFS) and keeps its peaks under -1 dBFS.
void Level(Buffer& b, double targetLufs);
// Cuts the end where the sound has stayed under `floorDb` dBFS, keeping `keep` seconds of it.
void TrimTail(Buffer& b, double floorDb, double keep);

}  // namespace tq::soundgen
