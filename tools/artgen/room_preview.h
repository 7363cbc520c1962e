// Room preview: a whole room file drawn with the generated tiles, to judge how they join.
#pragma once

#include <string>

#include "canvas.h"

namespace tq::art {

// Reads the 169 tags and the ground code of a room file; an empty image if it cannot.
Image RoomPreview(const std::string& roomFile);

}  // namespace tq::art
