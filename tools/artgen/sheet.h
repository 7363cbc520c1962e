// Contact sheet: every picture laid out in labelled rows, for checking the art at a glance.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace tq::art {

struct SheetEntry {
  std::string label;
  std::string group;
  Image image;
};

// Lays the entries out by group, each with its label in a small pixel font, scaled up.
Image ContactSheet(const std::vector<SheetEntry>& entries, int columns, int zoom);

// Writes text in the 3 x 5 pixel font; returns the width used.
int DrawText(Image& img, int x, int y, const std::string& text, Px colour);

}  // namespace tq::art
