// LOAD: the area music of the saved room, the life floor, items and map restored from the files,
// the toolbar, a held storm, and saved files that are missing or damaged.
#include "shell/load_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/template_set.h"
#include "world/saved_game.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

class LoadGame : public ::testing::Test {
 protected:
  // Saves a game standing in `room` (written as a plain room so the redraw finds it), then puts
  // the window back as it was at start-up except for the map and item slots.
  void SaveIn(int room) {
    kit::WritePlainRoom(h.folder() / "Files", room);
    h->RoomNumber = room;
    h->HeroRow = 8;
    h->HeroCol = 6;
    ASSERT_EQ(SaveGame(h.game()).message, "");
    h->RoomNumber = Value();
  }
  kit::HeadlessGame h;
};

struct MusicCase {
  int room;
  const char* music;
};

class LoadMusic : public LoadGame, public ::testing::WithParamInterface<MusicCase> {};

TEST_P(LoadMusic, PlaysTheMusicOfTheSavedArea) {
  SaveIn(GetParam().room);
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  EXPECT_EQ(h.mm3().playing(), h->GamePath + "sounds/" + GetParam().music);
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, LoadMusic,
    ::testing::Values(MusicCase{743, "Underground.mid"}, MusicCase{704, "bossmusic.mid"},
                      MusicCase{1039, "Overland2.mid"}, MusicCase{402, "Store.mid"},
                      MusicCase{720, "Overland.mid"}, MusicCase{555, "dungeonmusic2.mid"},
                      MusicCase{345, "Underground.mid"}, MusicCase{37, "Overland2.mid"}),
    [](const auto& c) { return "Room" + std::to_string(c.param.room); });

TEST_F(LoadGame, RestoresTheGameAndTheToolbar) {
  h->Life = 0;
  h->SwordPieces = 2;
  h->HasMagicBag = 1;
  h->imgTOOL[2].Visible = true;
  h->imgTOOL[7].Visible = true;
  SaveIn(37);
  h->imgTOOL[2].Visible = false;
  h->imgTOOL[5].Visible = true;
  h->EnemyHP = 9;
  h->EnemyMaxHP = 9;
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  EXPECT_EQ(h->Life, 1);  // a game saved dead starts alive
  EXPECT_EQ(h->EnemyHP, 0);
  EXPECT_EQ(h->EnemyMaxHP, 0);
  EXPECT_EQ(h->RoomNumber, 37);
  EXPECT_EQ(h->lblROOM.Caption, "37");
  EXPECT_TRUE(h->imgMONEYBAG.Visible);
  EXPECT_EQ(h->imgTOOL[0].Picture, h->GamePath + "ICONS/PIECE2.BMP");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(h->imgTOOL[i].Visible, i == 2 || i == 7) << i;
  EXPECT_EQ(h->lblMESSAGE.Caption,
            "All saved items, money, and stats loaded. You are at the last area you saved at.");
  EXPECT_EQ(h->lblMESSAGE.ForeColor, 0x00FF00u);
  EXPECT_FALSE(h->picSTART.Visible);
  EXPECT_FALSE(h->tmrscroll.Enabled());
  EXPECT_TRUE(h->tmrANIMATE.Enabled());
  EXPECT_EQ(h->IMGgrid[12].Tag, "FLOOR");  // the saved room is drawn
  EXPECT_EQ(h.mm1().played().back(), h->GamePath + "sounds/squeak2.wav");
  EXPECT_EQ(h.mm2().played().back(), "");
  // NEW keeps its state; LOAD is spent; the rest can be used.
  EXPECT_TRUE(h->mnuNEW.Enabled);
  EXPECT_FALSE(h->mnuLOAD.Enabled);
  EXPECT_TRUE(h->mnuSAVE.Enabled);
  EXPECT_TRUE(h->mnuNUM.Enabled);
  EXPECT_TRUE(h->mnuPAUSE.Enabled);
  EXPECT_TRUE(h->imgMAP1.Enabled);
}

TEST_F(LoadGame, TheShadowSwordShowsInSlotZero) {
  h->SwordKind = 2;
  h->SwordPieces = 3;
  SaveIn(37);
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  EXPECT_EQ(h->imgTOOL[0].Picture, h->GamePath + "ICONS/SSWORD.BMP");
}

TEST_F(LoadGame, ShowsExactlyTheSeenMapCellsAndCountsTheOverlandOnes) {
  for (int i : {3, 44, 99, 120, 199}) h->imgMAP[i].Visible = true;
  for (int i = 0; i < 200; ++i) h->imgMAP[i].Tag = i < 100 ? "floor" : "Ldun7";
  h->imgMAP[44].Tag = "house";
  SaveIn(45);
  for (Control& square : h->imgMAP) {
    square.Visible = !square.Visible;  // what the last game showed must not survive
    square.Tag = "pond";
  }
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  for (int i = 0; i < 200; ++i) {
    const bool seen = i == 3 || i == 44 || i == 99 || i == 120 || i == 199;
    EXPECT_EQ(h->imgMAP[i].Visible, seen) << i;
  }
  EXPECT_EQ(h->imgMAP[44].Tag, "house");
  EXPECT_EQ(h->imgMAP[44].Picture, h->GamePath + "icons/house.bmp");
  EXPECT_EQ(h->imgMAP[150].Picture, h->GamePath + "icons/Ldun7.bmp");
  EXPECT_EQ(h->ExploredPct, 3);
  EXPECT_EQ(h->lblEXPLORE.Caption, "You have explored 3%");
}

TEST_F(LoadGame, AStormStopsButKeepsItsTime) {
  SaveIn(37);
  h->RainTicks = 410;
  h->tmrRAIN.setEnabled(true);
  for (Control& overlay : h->imgRAIN) overlay.Visible = true;
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  EXPECT_FALSE(h->tmrRAIN.Enabled());
  for (const Control& overlay : h->imgRAIN) EXPECT_FALSE(overlay.Visible);
  EXPECT_EQ(h->RainTicks, 410);
}

class DamagedSavedFile : public LoadGame, public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedSavedFile, LeavesTheWindowAsItWas) {
  SaveIn(37);
  const fs::path file = h.folder() / "Files" / GetParam();
  fs::resize_file(file, fs::file_size(file) - 40);
  h->Life = 6;
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  EXPECT_NE(h->lblMESSAGE.Caption.find(GetParam()), std::string::npos) << h->lblMESSAGE.Caption;
  EXPECT_EQ(h->Life, 6);
  EXPECT_TRUE(h->picSTART.Visible);
  EXPECT_TRUE(h->mnuLOAD.Enabled);
  EXPECT_FALSE(h->mnuSAVE.Enabled);
  EXPECT_TRUE(h->tmrscroll.Enabled());
  EXPECT_TRUE(h.mm3().calls().empty());
  fs::remove(file);
  ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
  EXPECT_NE(h->lblMESSAGE.Caption.find(GetParam()), std::string::npos) << h->lblMESSAGE.Caption;
  EXPECT_TRUE(h->picSTART.Visible);
}

// The room the save stands in is read and checked with the save: LOAD's redraw needs it.
INSTANTIATE_TEST_SUITE_P(Files, DamagedSavedFile,
                         ::testing::Values("GAMEFILE", "MAPFILE", "ROOM37"));

TEST_F(LoadGame, RefusesValuesTheGameNeverWritesAndChangesNothing) {
  SaveIn(37);
  const fs::path file = h.folder() / "Files" / "GAMEFILE";
  const std::string good = kit::Slurp(file);
  struct Case {
    int item;
    const char* spelling;
  } cases[] = {
      {9, "-9223372036854775808"},  // a room number whose neighbours overflow
      {7, "11"},                    // a hero on the outer ring: a black view he cannot leave
      {8, "-3"},
      {9, "210"},                // a template room, which play must never write
      {3, "99999999999999999"},  // gold far beyond 16 bits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spelling);
    kit::Spit(file, kit::WithItem(good, c.item, c.spelling));
    // The room it names is there, so only the number itself can refuse it.
    kit::WritePlainRoom(h.folder() / "Files", 210);
    kit::Spit(h.folder() / "Files" / "ROOM-9223372036854775808",
              kit::Slurp(h.folder() / "Files" / "ROOM37"));
    h->Life = 6;
    ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
    EXPECT_EQ(h->lblMESSAGE.Caption.rfind(Join("The saved game cannot be loaded. Files/GAMEFILE is "
                                               "damaged: item ",
                                               c.item, ", "),
                                          0),
              0u)
        << h->lblMESSAGE.Caption;
    EXPECT_EQ(h->lblMESSAGE.ForeColor, 0x0000FFu);
    EXPECT_EQ(h->Life, 6);
    EXPECT_TRUE(h->picSTART.Visible);
    EXPECT_TRUE(h->mnuLOAD.Enabled);
    EXPECT_TRUE(h.mm3().calls().empty());
  }
}

// The file with line `line` (from 1) written twice.
std::string WithLineTwice(const std::string& text, int line) {
  std::size_t start = 0;
  for (int l = 1; l < line; ++l) start = text.find("\r\n", start) + 2;
  const std::size_t end = text.find("\r\n", start) + 2;
  return text.substr(0, end) + text.substr(start, end - start) + text.substr(end);
}

TEST_F(LoadGame, AFileWithMoreItemsThanItsFormatIsRefusedWhole) {
  SaveIn(37);
  const fs::path files = h.folder() / "Files";
  struct Case {
    const char* file;
    std::string (*change)(const std::string&);
    const char* damage;  // nullptr: the file still loads
  } cases[] = {
      // Line 5 twice would shift every flag by one: the hero would own the SHIELD.
      {"GAMEFILE", [](const std::string& s) { return WithLineTwice(s, 5); },
       "Files/GAMEFILE is damaged: it holds more than 36 items."},
      {"GAMEFILE", [](const std::string& s) { return s + "0\r\n"; },
       "Files/GAMEFILE is damaged: it holds more than 36 items."},
      {"GAMEFILE", [](const std::string& s) { return s.substr(0, s.size() - 2) + ",\r\n"; },
       "Files/GAMEFILE is damaged: it holds more than 36 items."},
      {"MAPFILE", [](const std::string& s) { return WithLineTwice(s, 1); },
       "Files/MAPFILE is damaged: it holds more than 400 items."},
      {"ROOM37", [](const std::string& s) { return WithLineTwice(s, 100); },
       "Files/ROOM37 is damaged: it holds more than 170 items."},
      {"ROOM37", [](const std::string& s) { return s + "x"; },
       "Files/ROOM37 is damaged: it holds more than 170 items."},
      // Blank lines and line ends after the last item are nothing.
      {"GAMEFILE", [](const std::string& s) { return s + "\r\n  \r\n\n"; }, nullptr},
      {"ROOM37", [](const std::string& s) { return s + " \t\r\n"; }, nullptr},
  };
  for (const Case& c : cases) {
    const std::string good = kit::Slurp(files / c.file);
    kit::Spit(files / c.file, c.change(good));
    SCOPED_TRACE(c.damage ? c.damage : c.file);
    h->Life = 6;
    ASSERT_TRUE(h.ClickOn(h->mnuLOAD));
    if (c.damage) {
      EXPECT_EQ(h->lblMESSAGE.Caption, std::string("The saved game cannot be loaded. ") + c.damage);
      EXPECT_EQ(h->lblMESSAGE.ForeColor, 0x0000FFu);
      EXPECT_EQ(h->Life, 6);
      EXPECT_FALSE(h->imgTOOL[1].Visible);
      EXPECT_TRUE(h->picSTART.Visible);
    } else {
      EXPECT_EQ(h->lblMESSAGE.ForeColor, 0x00FF00u) << h->lblMESSAGE.Caption;
      EXPECT_FALSE(h->picSTART.Visible);
      h->mnuLOAD.Enabled = true;
      h->picSTART.Visible = true;
    }
    kit::Spit(files / c.file, good);
  }
}

}  // namespace
}  // namespace tq
