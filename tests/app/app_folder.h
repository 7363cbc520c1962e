// A game folder for the real window in tests: the shipped rooms copied into a temporary folder,
// the built pictures, layout and sounds borrowed from the build's game folder.
#pragma once

#include <filesystem>

#include "kit/headless_game.h"

namespace tq::test {

class AppFolder {
 public:
  AppFolder() {
    namespace fs = std::filesystem;
    fs::create_directories(dir_.path() / "Files");
    for (const auto& e : fs::directory_iterator(fs::path(TQ_SOURCE_DIR) / "data" / "Files")) {
      fs::copy_file(e.path(), dir_.path() / "Files" / e.path().filename());
    }
    for (const char* d : {"Pics", "Icons", "MENU", "layout", "sounds"}) {
      fs::create_directory_symlink(fs::path(TQ_GAME_DIR) / d, dir_.path() / d);
    }
  }
  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  kit::TempFolder dir_;
};

}  // namespace tq::test
