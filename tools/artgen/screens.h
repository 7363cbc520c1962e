// Screens: the big pictures of the title screen (title, world building, the end).
#pragma once

#include <string_view>

#include "canvas.h"

namespace tq::art {

constexpr int kScreenW = 385;
constexpr int kScreenH = 330;

Image TitlePicture();
Image MakeWorldPicture();
Image EndPicture();

}  // namespace tq::art
