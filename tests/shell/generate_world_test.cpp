// A whole new game on disk: the files it writes and leaves alone, the saved game and map file
// of a new game, the window after the build, and templates that are missing or damaged.
#include "shell/generate_world.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/template_set.h"
#include "kit/write_faults.h"
#include "world/template_rooms.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

using kit::Lines;

std::set<std::string> FileNames(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

class NewWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    kit::WriteTestTemplates(files());
    kit::WritePlainRoom(files(), 401);  // a shop: a new game must leave it as it is
  }
  fs::path files() const { return h.folder() / "Files"; }
  // NEW, then time for the build (the main tick runs, so it comes on the sixth tick).
  void BuildByNew() {
    ASSERT_TRUE(h.ClickOn(h->mnuNEW));
    h.Advance(1200);
    ASSERT_FALSE(h->tmrBEGIN.Enabled());
  }
  kit::HeadlessGame h;
};

TEST_F(NewWorld, WritesTheGeneratedRoomsAndNothingElse) {
  const auto before = FileNames(files());
  BuildByNew();
  std::set<std::string> expected = before;
  for (int n = 1; n <= 100; ++n) expected.insert("ROOM" + std::to_string(n));
  for (int n = 301; n <= 400; ++n) expected.insert("ROOM" + std::to_string(n));
  for (const TemplateCopy& c : TemplateBatches()) expected.insert("ROOM" + std::to_string(c.room));
  expected.insert("GAMEFILE");
  expected.insert("MAPFILE");
  EXPECT_EQ(FileNames(files()), expected);
  EXPECT_FALSE(fs::exists(files() / "ROOM743"));
  EXPECT_FALSE(fs::exists(files() / "ROOM744"));
  EXPECT_EQ(kit::ReadRoom(h.folder(), 401).tags, kit::TestTemplate(401).tags);
  // Templates are only read.
  EXPECT_EQ(kit::ReadRoom(h.folder(), 640).tags, kit::TestTemplate(640).tags);
}

TEST_F(NewWorld, TheSavedGameAndMapFileHoldTheNewGame) {
  BuildByNew();
  const int home = static_cast<int>(h->RoomNumber.num());
  ASSERT_GE(home, 12);
  const auto game = Lines(files() / "GAMEFILE");
  ASSERT_EQ(game.size(), 15u);
  EXPECT_EQ(game[0], "10,20,0,10,20,0");
  EXPECT_EQ(game[1], "8,6," + std::to_string(home) + ",,,");
  EXPECT_EQ(game[2], R"("","GRASS","","RIGHT",0)");
  EXPECT_EQ(game[3], "1,0,0,0");
  EXPECT_EQ(game[4], "1");
  for (int i = 5; i < 14; ++i) EXPECT_EQ(game[i], "0");
  EXPECT_EQ(game[14], "0,0,0,0,0");

  const auto map = Lines(files() / "MAPFILE");
  ASSERT_EQ(map.size(), 200u);
  int seen = 0, floors = 0;
  for (int i = 0; i < 200; ++i) {
    if (map[i].ends_with(",1")) {
      ++seen;
      EXPECT_EQ(i, home - 1);
      EXPECT_EQ(map[i], R"("house",1)");
    }
    if (i < 100 && map[i] == R"("floor",0)") ++floors;
    if (i >= 100) {
      EXPECT_TRUE(map[i].starts_with("\"dun") || map[i].starts_with("\"Ldun")) << i;
    }
  }
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(floors, 71);  // 29 squares carry the icons of the special cells
}

TEST_F(NewWorld, PlayStartsInTheHomeRoom) {
  h->imgTOOL[3].Visible = true;
  h->imgMAP[5].Visible = true;
  BuildByNew();
  const int home = static_cast<int>(h->RoomNumber.num());
  EXPECT_EQ(kit::ReadRoom(h.folder(), home).tags, kit::TestTemplate(206).tags);
  EXPECT_EQ(kit::ReadRoom(h.folder(), home).GroundCode, 206 % 4);
  EXPECT_EQ(h->HeroRow, 8);
  EXPECT_EQ(h->HeroCol, 6);
  EXPECT_EQ(h->lblMESSAGE.Caption, "I gotta' save my family... NOW!");
  EXPECT_EQ(h->lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_FALSE(h->picSTART.Visible);
  EXPECT_TRUE(h->tmrANIMATE.Enabled());
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/FAMILY.wav");
  EXPECT_EQ(h.mm3().playing(), h->GamePath + "sounds/Overland2.mid");
  for (int i = 1; i <= 9; ++i) EXPECT_FALSE(h->imgTOOL[i].Visible);
  EXPECT_EQ(h->imgTOOL[0].Picture, h->GamePath + "Icons/PIECE0.bmp");
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(h->imgMAP[i].Visible, i == home - 1) << i;
    EXPECT_EQ(h->imgMAP[i].Picture, h->GamePath + "icons/" + h->imgMAP[i].Tag + ".bmp");
  }
  EXPECT_EQ(h->ExploredPct, 1);
  EXPECT_EQ(h->lblEXPLORE.Caption, "You have explored 1%");
  EXPECT_EQ(h->IMGgrid[12].Tag, "FLOOR");  // the view is drawn around the hero
}

TEST_F(NewWorld, ASecondGameKeepsWhatOnlyPlayTouches) {
  BuildByNew();
  const RoomFile firstNorth = kit::ReadRoom(h.folder(), 700);
  h->ReturnRoom = 12;
  h->ReturnRow = 3;
  h->ReturnCol = 4;
  h->BonusMode = 1;
  h->RainTicks = 250;
  h->Points = 40;
  h->SwordPieces = 2;
  h->mnuNEW.Enabled = true;  // as after a death
  h.clock().set(h.clock().nowMs() + 7919);
  BuildByNew();
  EXPECT_EQ(Lines(files() / "GAMEFILE")[1],
            "8,6," + std::to_string(h->RoomNumber.num()) + ",12,3,4");
  EXPECT_EQ(h->BonusMode, 1);
  EXPECT_EQ(h->RainTicks, 250);
  EXPECT_EQ(h->Points, 0);
  EXPECT_EQ(h->SwordPieces, 0);
  EXPECT_EQ(kit::ReadRoom(h.folder(), 700).tags, firstNorth.tags);  // never gets a monster
}

class BrokenTemplate : public NewWorld, public ::testing::WithParamInterface<int> {};

TEST_P(BrokenTemplate, NewIsRefusedBeforeAnythingIsWritten) {
  const int t = GetParam();
  const fs::path file = files() / ("ROOM" + std::to_string(t));
  if (t == 213) {
    fs::remove(file);
  } else {
    fs::resize_file(file, fs::file_size(file) / 2);
  }
  const auto before = FileNames(files());
  EXPECT_TRUE(h.ClickOn(h->mnuNEW));
  h.Advance(2000);
  EXPECT_EQ(FileNames(files()), before);
  EXPECT_NE(h->lblMESSAGE.Caption.find("ROOM" + std::to_string(t)), std::string::npos)
      << h->lblMESSAGE.Caption;
  EXPECT_TRUE(h->picSTART.Visible);
  EXPECT_TRUE(h->mnuNEW.Enabled);
  EXPECT_TRUE(h->mnuLOAD.Enabled);
  EXPECT_FALSE(h->tmrBEGIN.Enabled());
  EXPECT_EQ(h->Image2.Picture, h->GamePath + "Icons/tqtitle.bmp");
}

INSTANTIATE_TEST_SUITE_P(MissingOrShort, BrokenTemplate, ::testing::Values(213, 640));

TEST_F(NewWorld, ATemplateLostDuringTheDelayStopsTheBuildWhole) {
  const auto before = FileNames(files());
  ASSERT_TRUE(h.ClickOn(h->mnuNEW));
  fs::remove(files() / "ROOM644");
  h.Advance(1200);
  auto after = FileNames(files());
  after.insert("ROOM644");
  EXPECT_EQ(after, before);
  EXPECT_NE(h->lblMESSAGE.Caption.find("ROOM644"), std::string::npos);
  EXPECT_TRUE(h->picSTART.Visible);
  EXPECT_TRUE(h->mnuNEW.Enabled);
  EXPECT_TRUE(h->mnuLOAD.Enabled);
  EXPECT_FALSE(h->mnuSAVE.Enabled);
  EXPECT_EQ(h->mnuNEW.Picture, h->GamePath + "MENU/NEW.ico");
}

TEST_F(NewWorld, AWorldThatCannotBeWrittenLeavesTheOldWorldItsSaveAndTheWindow) {
  BuildByNew();
  // The hero of the first world has walked a little and found things.
  h->HeroRow = 7;
  h->Gold = 40;
  h->imgTOOL[6].Visible = true;
  h->imgMAP[3].Visible = true;
  const Value home = h->RoomNumber;
  const auto old = kit::Snapshot(files());
  h->mnuNEW.Enabled = true;  // as after a death
  h.clock().set(h.clock().nowMs() + 7919);
  {
    int step = 0;  // the disk fills up halfway through the new rooms
    const kit::FailingWrites full(
        [&](WriteStep, const std::string&) { return ++step == 130 ? ENOSPC : 0; });
    BuildByNew();
  }
  EXPECT_TRUE(kit::Snapshot(files()) == old);
  EXPECT_EQ(h->lblMESSAGE.Caption.rfind("The new world could not be built. Files/", 0), 0u)
      << h->lblMESSAGE.Caption;
  EXPECT_NE(h->lblMESSAGE.Caption.find("No space left on device"), std::string::npos);
  EXPECT_TRUE(h->picSTART.Visible);
  // The window still holds the game that is on disk, not the one that could not be written.
  EXPECT_EQ(h->RoomNumber, home);
  EXPECT_EQ(h->HeroRow, 7);
  EXPECT_EQ(h->Gold, 40);
  EXPECT_TRUE(h->imgTOOL[6].Visible);
  EXPECT_TRUE(h->imgMAP[3].Visible);
}

}  // namespace
}  // namespace tq
