// The game killed, or its disk failing, in the middle of its writes. A new world and a pickup
// are killed in a child process at chosen write steps, then the program is started again on the
// same folder, whose Files/ is a folder or a link to one on another disk: it must find the old
// world or the new one whole, and a key or sword piece given once or not at all. A pickup, a new
// world and the boss kill whose renames fail after their commit count as done, are seen as done
// by every read, and land whole once the disk is mended.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/key_codes.h"
#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/room_builder.h"
#include "kit/template_set.h"
#include "kit/write_faults.h"
#include "play/sword_fixture.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// NEW in a game folder that already holds a world, built two seconds into the run.
void ClickNew(const fs::path& folder) {
  kit::HeadlessGame h(folder);
  h.Advance(2000);
  h.ClickOn(h->mnuNEW);
  h.Advance(1200);
}

// Files/ of the game folder as a folder, or (the parameter) as a link to a folder elsewhere.
class KilledWrites : public ::testing::TestWithParam<bool> {
 protected:
  void PutFilesElsewhere(const fs::path& folder) {
    if (!GetParam()) return;
    const fs::path world = disk.path() / folder.filename();
    fs::rename(folder / "Files", world);
    fs::create_directory_symlink(world, folder / "Files");
  }
  kit::TempFolder disk;
};

TEST_P(KilledWrites, ANewWorldComesBackOldOrNewWhereverItWasKilled) {
  kit::HeadlessGame first;
  PutFilesElsewhere(first.folder());
  kit::WriteTestTemplates(first.folder() / "Files");
  kit::WritePlainRoom(first.folder() / "Files", 401);
  ASSERT_TRUE(first.ClickOn(first->mnuNEW));
  first.Advance(1200);
  const fs::path& folder = first.folder();
  const kit::FolderSnapshot old = kit::Snapshot(folder / "Files");

  const int steps = kit::WriteStepsOf([&] { ClickNew(folder); });
  const kit::FolderSnapshot built = kit::Snapshot(folder / "Files");
  ASSERT_NE(built, old);
  ASSERT_GT(steps, 262);  // every room, GAMEFILE and MAPFILE
  // The first and a middle file, the commit and the steps around it, a middle and the last
  // rename, and the clean-up.
  const int commit = (steps - 1) / 2 + 1;
  for (int step : {1, commit / 2, commit - 1, commit, commit + 1, commit + 2, (commit + steps) / 2,
                   steps - 1, steps}) {
    SCOPED_TRACE("killed before write step " + std::to_string(step) + " of " +
                 std::to_string(steps));
    kit::Restore(folder / "Files", old);
    ASSERT_TRUE(kit::KilledAtWriteStep([&] { ClickNew(folder); }, step));
    kit::HeadlessGame again(folder);
    const kit::FolderSnapshot found = kit::Snapshot(folder / "Files");
    EXPECT_TRUE(found == (step <= commit ? old : built));
    // A mix is named by the first file that differs from both.
    for (const auto& [name, bytes] : found) {
      const bool oldFile = old.contains(name) && old.at(name) == bytes;
      const bool newFile = built.contains(name) && built.at(name) == bytes;
      if (!oldFile && !newFile) {
        ADD_FAILURE() << name << " is neither the old file nor the new one";
        break;
      }
    }
  }
}

struct PickupCase {
  const char* tag;
  int room;
  int ground;
  bool (*saved)(const SavedGame&);  // the saved game holds what the tile gives
};

const PickupCase kPickups[] = {
    {"REDKEY", 45, kit::kGrass, [](const SavedGame& s) { return s.ToolFlags[7] == 1; }},
    {"SWORD1", 550, kit::kDirt, [](const SavedGame& s) { return s.SwordPieces == 1; }},
};

TEST_P(KilledWrites, APickupIsGivenOnceOrNotAtAllWhereverItWasKilled) {
  for (const PickupCase& c : kPickups) {
    SCOPED_TRACE(c.tag);
    kit::HeadlessGame setup;
    PutFilesElsewhere(setup.folder());
    const fs::path& folder = setup.folder();
    kit::RoomBuilder(c.ground).Set(5, 6, c.tag).WriteTo(setup, c.room);
    setup->RoomNumber = c.room;
    setup->HeroRow = 6;
    setup->HeroCol = 6;
    setup->SpareValue1 = 0;
    setup->SpareValue2 = 0;
    ASSERT_EQ(SaveGame(setup.game()).message, "");
    const kit::FolderSnapshot old = kit::Snapshot(folder / "Files");
    // LOAD, then one step up onto the tile: the autosave and the room written back.
    const auto pickUp = [&] {
      kit::HeadlessGame h(folder);
      h.ClickOn(h->mnuLOAD);
      h.Press(kKeyUp);
    };
    const int steps = kit::WriteStepsOf(pickUp);
    ASSERT_EQ(steps, 3 + 1 + 3 + 1);  // GAMEFILE, MAPFILE and the room; commit; renames; clean-up

    for (int step = 1; step <= steps + 1; ++step) {
      SCOPED_TRACE("killed before write step " + std::to_string(step));
      kit::Restore(folder / "Files", old);
      EXPECT_EQ(kit::KilledAtWriteStep(pickUp, step), step <= steps);
      kit::HeadlessGame again(folder);
      SavedGame saved;
      ASSERT_EQ(ReadSavedGame(again->GamePath, saved), std::nullopt);
      const bool owned = c.saved(saved);
      const bool onTheFloor = kit::ReadRoom(again, c.room).tags[5][6] == c.tag;
      EXPECT_NE(owned, onTheFloor) << "owned " << owned << ", still on the floor " << onTheFloor;
      EXPECT_EQ(owned, step > 4);  // from the commit on
      EXPECT_FALSE(fs::exists(folder / "Files" / ".tq-ready"));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Files, KilledWrites, ::testing::Bool(),
                         [](const auto& c) { return c.param ? "ThroughALink" : "InAFolder"; });

// A rename that fails once (and is tried again at once), or until the disk is mended.
constexpr int kUntilMended = 1 << 20;
constexpr Color kRed = 0x0000FF;

std::string NotInPlaceYet(const std::string& file) {
  return "Files/" + file +
         " is written but not in place yet: Input/output error. The next save or start puts it "
         "there.";
}

// The renames of a group fail after its commit, as often as the parameter says.
class RenameFailsAfterTheCommit : public SwordTest, public ::testing::WithParamInterface<int> {
 protected:
  bool once() const { return GetParam() == 1; }
  fs::path Files() const { return h.folder() / "Files"; }
  // SAVE while the file is still not in place: nothing is written, and the file is named.
  void SaveIsRefusedNaming(const std::string& file) {
    g.mnuSAVE.Enabled = true;
    ASSERT_TRUE(h.ClickOn(g.mnuSAVE));
    EXPECT_EQ(g.lblMESSAGE.Caption, "The game could not be saved. Files/" + file +
                                        " could not be replaced: Input/output error.");
  }
};

TEST_P(RenameFailsAfterTheCommit, AKeyIsTakenOnceAndKeptWhateverLands) {
  kit::RoomBuilder().Set(5, 6, "REDKEY").WriteTo(h, 45);
  PlaceHero(45, 6, 6);
  {
    const kit::FailingWrites eio(kit::RenameFails("ROOM45", GetParam()));
    h.Press(kKeyUp);
    EXPECT_TRUE(g.slot(ItemSlot::RedKey).Visible);
    EXPECT_EQ(g.lblMESSAGE.ForeColor, once() ? 0x00FF00u : kRed);
    if (!once()) {
      EXPECT_EQ(g.lblMESSAGE.Caption, NotInPlaceYet("ROOM45"));
    }
    EXPECT_EQ(h.mm1().playing(), Full("sounds/equipsound.wav"));
    // Down and up again: the floor is bare, though the room on disk still holds the key.
    h.Press(kKeyDown);
    h.Press(kKeyUp);
    EXPECT_EQ(Where(), "45:5,6");
    EXPECT_EQ(g.IMGgrid[12].Tag, "FLOOR");
    if (!once()) SaveIsRefusedNaming("ROOM45");
  }
  // Mended, SAVE puts the room in place before the save; the key is his for good.
  ASSERT_TRUE(h.ClickOn(g.mnuSAVE));
  kit::HeadlessGame again(h.folder());
  ASSERT_TRUE(again.ClickOn(again->mnuLOAD));
  EXPECT_TRUE(again->slot(ItemSlot::RedKey).Visible);
  EXPECT_EQ(kit::ReadRoom(again, 45).tags[5][6], "FLOOR");
  EXPECT_FALSE(fs::exists(Files() / ".tq-ready"));
}

TEST_P(RenameFailsAfterTheCommit, TheBossStaysDeadAndItsDeathIsSaved) {
  fs::copy_file(fs::path(TQ_SOURCE_DIR) / "data" / "Files" / "ROOM604", Files() / "ROOM704");
  PlaceHero(704, 7, 8);
  ASSERT_EQ(g.IMGgrid[17].Tag, "SHADOW BOSS");
  g.EnemyHP = 1;
  {
    const kit::FailingWrites eio(kit::RenameFails("ROOM704", GetParam()));
    Swing({3, 100, 2, 2, 2}, kResolved);
    EXPECT_EQ(g.QuestStage, 1);
    // The strike redraws the room as it will land: the boss does not rise again.
    EXPECT_EQ(g.IMGgrid[17].Tag, "FLOOR");
    EXPECT_EQ(g.IMGgrid[0].Tag, "PURPLEDOOR");
    if (!once()) {
      EXPECT_EQ(g.lblMESSAGE.Caption, NotInPlaceYet("ROOM704"));
      EXPECT_EQ(g.lblMESSAGE.ForeColor, kRed);
      EXPECT_EQ(kit::Slurp(Files() / "ROOM704"),
                kit::Slurp(fs::path(TQ_SOURCE_DIR) / "data" / "Files" / "ROOM604"));
    }
  }
  kit::HeadlessGame again(h.folder());
  ASSERT_TRUE(again.ClickOn(again->mnuLOAD));
  EXPECT_EQ(again->QuestStage, 1);
  EXPECT_EQ(kit::ReadRoom(again, 704).tags[8][8], "FLOOR");
  EXPECT_FALSE(fs::exists(Files() / ".tq-ready"));
}

TEST_P(RenameFailsAfterTheCommit, ANewWorldIsPlayedAndLandsWhole) {
  kit::WriteTestTemplates(Files());
  kit::WritePlainRoom(Files(), 401);
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));  // a first world and its save
  h.Advance(1200);
  const kit::FolderSnapshot old = kit::Snapshot(Files());
  ClickNew(h.folder());  // the same NEW again, with nothing failing
  const kit::FolderSnapshot built = kit::Snapshot(Files());
  // The rename of a room that the new world changes fails.
  std::string changed;
  for (const auto& [name, bytes] : built) {
    if (changed.empty() && name.starts_with("ROOM") && old.at(name) != bytes) changed = name;
  }
  ASSERT_FALSE(changed.empty());
  const int room = std::stoi(changed.substr(4));
  kit::Restore(Files(), old);
  {
    const kit::FailingWrites eio(kit::RenameFails(changed, GetParam()));
    kit::HeadlessGame later(h.folder());
    later.Advance(2000);
    ASSERT_TRUE(later.ClickOn(later->mnuNEW));
    later.Advance(1200);
    EXPECT_FALSE(later->picSTART.Visible);  // the new game runs
    EXPECT_EQ(RoomFileText(kit::ReadRoom(later, room)), built.at(changed));
    if (!once()) {
      EXPECT_EQ(later->lblMESSAGE.Caption, "The new world is built. " + NotInPlaceYet(changed));
      EXPECT_EQ(later->lblMESSAGE.ForeColor, kRed);
      // Started again on the failing disk: LOAD refuses rather than mix the two worlds.
      kit::HeadlessGame stillFailing(h.folder());
      ASSERT_TRUE(stillFailing.ClickOn(stillFailing->mnuLOAD));
      EXPECT_EQ(stillFailing->lblMESSAGE.Caption,
                "The saved game cannot be loaded. Files/" + changed +
                    " could not be replaced: Input/output error.");
      EXPECT_TRUE(stillFailing->picSTART.Visible);
    }
  }
  kit::HeadlessGame again(h.folder());
  EXPECT_TRUE(kit::Snapshot(Files()) == built);
}

INSTANTIATE_TEST_SUITE_P(Failures, RenameFailsAfterTheCommit, ::testing::Values(1, kUntilMended),
                         [](const auto& c) { return c.param == 1 ? "Once" : "UntilMended"; });

}  // namespace
}  // namespace tq
