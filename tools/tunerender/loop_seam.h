// The seam of a repeating tune: the ring-out of its last bars laid over its start, and the file
// begun where both channels are nearest silence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tq::tunerender {

// One play of a repeating tune out of a render that rang on past its end: the frames after the
// first `loopFrames` are laid over the start, as they sound over it when the tune repeats, so
// that the last frame runs into the first as any frame into the next. Interleaved stereo.
std::vector<std::int16_t> FoldRingOut(const std::int16_t* samples, std::size_t frames,
                                      std::size_t loopFrames);

// Turns a loop to begin at its quietest frame among the last `within`: the repeats are the same,
// and the first play starts from near silence a moment before the downbeat, with no step.
void StartAtQuietestFrame(std::vector<std::int16_t>& loop, std::size_t within);

}  // namespace tq::tunerender
