// The silent end of a sound: dropped so that a repeated sound joins without a gap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace tq {

// Drops the silence at the end of a decoded clip. Samples are signed 16-bit interleaved frames;
// returns the new length in bytes.
inline std::size_t TrimSilentTail(const std::int16_t* samples, std::size_t bytes, int channels,
                                  int threshold = 64) {
  const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels);
  std::size_t frames = bytes / frameBytes;
  while (frames > 0) {
    const std::int16_t* f = samples + (frames - 1) * static_cast<std::size_t>(channels);
    bool quiet = true;
    for (int c = 0; c < channels; ++c) quiet = quiet && std::abs(f[c]) <= threshold;
    if (!quiet) break;
    --frames;
  }
  return frames * frameBytes;
}

}  // namespace tq
