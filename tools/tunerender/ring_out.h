// A repeating tune made to ring out past its end, so that its render holds what sounds over the
// start of the next play.
#pragma once

#include <string>

namespace tq::tunerender {

// A Standard MIDI File as the synthesiser is to play it.
struct RingingTune {
  std::string midi;
  double loopSeconds = 0;  // the written length of a tune that repeats; 0 for one played once
};

// A tune that repeats stops every voice dead on its last tick (all sound off), so that a MIDI
// player restarts it in time. Rendered so, its last notes and its reverb would be cut off at every
// repeat. In such a tune those cuts are dropped and every track runs on `ringSeconds` past the
// end, so that the render holds the ring-out of the last bars. A tune without them comes back as
// it is. Throws std::runtime_error on a file it cannot read.
RingingTune LetRingOut(const std::string& smf, double ringSeconds);

}  // namespace tq::tunerender
