// Finding game files from paths in any letter case, with either separator and doubled ones.
#include "platform/asset_path.h"

#include <gtest/gtest.h>

#include <fstream>

#include "kit/headless_game.h"

namespace tq {
namespace {

class AssetPath : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"Pics/GRASSFLOOR.bmp", "sounds/doorslam.WAV", "MENU/NOsave.ico",
                          "Pics/DIRTDEMON LORDattack.bmp"}) {
      const auto p = dir.path() / f;
      std::filesystem::create_directories(p.parent_path());
      std::ofstream(p) << "x";
    }
  }
  kit::TempFolder dir;
};

TEST_F(AssetPath, IgnoresLetterCaseInFoldersAndNames) {
  AssetResolver r(dir.path());
  EXPECT_EQ(r.Resolve("pics/grassfloor.bmp"), dir.path() / "Pics/GRASSFLOOR.bmp");
  EXPECT_EQ(r.Resolve("SOUNDS/doorslam.wav"), dir.path() / "sounds/doorslam.WAV");
  EXPECT_EQ(r.Resolve("menu/nosave.ICO"), dir.path() / "MENU/NOsave.ico");
  EXPECT_EQ(r.Resolve("Pics/DIRTDEMON LORDattack.bmp"),
            dir.path() / "Pics/DIRTDEMON LORDattack.bmp");
}

TEST_F(AssetPath, ReadsDoubledAndBackwardSeparatorsAsOne) {
  AssetResolver r(dir.path());
  const std::string gamePath = dir.path().string() + "/";
  EXPECT_EQ(r.ResolveGamePath(gamePath, gamePath + "/Pics/grassfloor.bmp"),
            dir.path() / "Pics/GRASSFLOOR.bmp");
  EXPECT_EQ(r.Resolve("sOUNDS\\doorslam.wav"), dir.path() / "sounds/doorslam.WAV");
}

TEST_F(AssetPath, MissingFilesFoldersAndClimbingOutFindNothing) {
  AssetResolver r(dir.path());
  EXPECT_FALSE(r.Resolve("Pics/GRASSTREE.bmp"));
  EXPECT_FALSE(r.Resolve("Nowhere/x.bmp"));
  EXPECT_FALSE(r.Resolve("Pics"));  // a folder is not a file
  EXPECT_FALSE(r.Resolve(""));
  EXPECT_FALSE(r.Resolve("../outside"));
}

TEST_F(AssetPath, SeesNewFilesAfterARefresh) {
  AssetResolver r(dir.path());
  EXPECT_FALSE(r.Resolve("Pics/GRASSTREE.bmp"));
  std::ofstream(dir.path() / "Pics/GRASSTREE.bmp") << "x";
  r.Refresh();
  EXPECT_TRUE(r.Resolve("pics/grasstree.bmp"));
}

}  // namespace
}  // namespace tq
