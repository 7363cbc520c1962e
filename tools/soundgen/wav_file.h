// Writes a sound as a 16-bit mono PCM WAV file.
#pragma once

#include <filesystem>

#include "buffer.h"

namespace tq::soundgen {

// Throws std::runtime_error when the file cannot be written.
void WriteWav(const std::filesystem::path& path, const Buffer& sound);

}  // namespace tq::soundgen
