// Writes 16-bit stereo sound as an Ogg Vorbis file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tq::tunerender {

// Encodes `frames` interleaved stereo frames at `rate` Hz into `path` at Vorbis quality
// `quality` (0 to 1). Throws std::runtime_error when the file cannot be written.
void WriteOggVorbis(const std::string& path, const std::int16_t* samples, std::size_t frames,
                    int rate, float quality);

}  // namespace tq::tunerender
