// Catalogue: every picture file of the game folder with the painter that makes it.
// README.md in this folder says how a new picture is added.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

namespace tq::art {

enum class FileKind { Bmp, Ico, Cur };

struct Picture {
  std::string path;  // relative to the game folder, e.g. "Pics/GRASSTREE.bmp"
  FileKind kind;
  std::function<Image()> paint;
  std::string group;  // for the contact sheet
};

std::vector<Picture> Catalogue();

}  // namespace tq::art
