// Spaces around a sound: a room's reverb and the echo off stone walls.
#pragma once

#include "buffer.h"

namespace tq::soundgen {

// The sound in a room of `room` size (0..1), its highs damped by `damping`, `wet` the share of
// the room in the mix; the tail rings on for `tailSeconds` after the dry sound ends.
Buffer Reverb(const Buffer& dry, double room, double damping, double wet, double tailSeconds);
// `repeats` echoes `delay` seconds apart, each `feedback` times the last and duller by `damping`.
Buffer Echo(const Buffer& dry, double delay, double feedback, int repeats, double damping);

}  // namespace tq::soundgen
