// The picture of a map square, named after its tag.
#pragma once

#include <string>

namespace tq {

// "icons/" & tag & ".bmp", relative to GamePath.
inline std::string MapIconName(const std::string& tag) {
  return "icons/" + tag + ".bmp";
}

}  // namespace tq
