// Writes 16-bit stereo sound as a FLAC file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tq::tunerender {

// Encodes `frames` interleaved stereo frames at `rate` Hz into `path`, losslessly, at FLAC's
// strongest compression. Throws std::runtime_error when the file cannot be written.
void WriteFlac(const std::string& path, const std::int16_t* samples, std::size_t frames, int rate);

}  // namespace tq::tunerender
