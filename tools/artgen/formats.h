// Picture files: 24-bit BMP, classic ICO/CUR with a 1-bit transparency mask.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace tq::art {

std::vector<uint8_t> EncodeBmp(const Image& img);
// Pixels with alpha below 128 become transparent through the AND mask.
std::vector<uint8_t> EncodeIcon(const Image& img);
std::vector<uint8_t> EncodeCursor(const Image& img, int hotX, int hotY);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tq::art
