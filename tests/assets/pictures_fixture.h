// The built game folder's pictures for the picture tests: every file pictures.tsv lists, decoded
// once for the suite and looked up as the game looks names up.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "assets/asset_measures.h"

namespace tq {

struct Listed {
  std::string path;
  int w = 0, h = 0;
};

// The game looks pictures up ignoring letter case and a doubled separator.
std::string LookupKey(std::string p);
// The files pictures.tsv lists, with their sizes.
std::vector<Listed> ListedPictures();

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  static const Decoded& pic(const std::string& path) { return decoded_.at(LookupKey(path)); }

  static std::vector<Listed> listed_;
  static std::map<std::string, std::filesystem::path> onDisk_;
  static std::map<std::string, Decoded> decoded_;
};

inline const char* const kGrounds[] = {"GRASS", "DIRT", "WOOD", "SNOW"};

}  // namespace tq
