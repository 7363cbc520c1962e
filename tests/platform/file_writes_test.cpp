// Whole-file writes that belong together: a failure before the commit replaces nothing, a child
// process killed at any step leaves a folder that the next start shows all old or all new, and
// the start-up clean-up removes the game's own leftovers and nothing else.
#include "platform/file_writes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/write_faults.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using kit::FolderSnapshot;
using kit::Slurp;
using kit::Spit;

// A game folder's Files/ with a few files and one of the player's own, and a group that
// replaces two of them, adds a third and leaves the player's alone.
class WriteTogether : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(files());
    Spit(files() / "ROOM1", "old room 1\r\n");
    Spit(files() / "ROOM2", "old room 2\r\n");
    Spit(files() / "GAMEFILE", "old save\r\n");
    Spit(files() / "notes.txt", "the player's own\r\n");
    before = kit::Snapshot(files());
    Write();
    after = kit::Snapshot(files());
    kit::Restore(files(), before);
  }
  fs::path files() const { return tmp.path() / "Files"; }
  std::string path(const char* name) const { return (files() / name).string(); }
  std::optional<std::string> Write() const {
    FileGroup group;
    group.Replace(path("ROOM1"), "new room 1\r\n");
    group.Replace(path("ROOM3"), "new room 3\r\n");
    group.Replace(path("ROOM2"), "new room 2\r\n");
    group.Replace(path("GAMEFILE"), "new save\r\n");
    return group.Write();
  }

  kit::TempFolder tmp;
  FolderSnapshot before, after;
};

TEST_F(WriteTogether, WritesEveryFileAndLeavesNothingElseBehind) {
  EXPECT_EQ(after.size(), before.size() + 1);
  EXPECT_EQ(after.at("ROOM3"), "new room 3\r\n");
  EXPECT_EQ(after.at("GAMEFILE"), "new save\r\n");
  EXPECT_EQ(after.at("notes.txt"), before.at("notes.txt"));
}

TEST_F(WriteTogether, AFailureBeforeTheCommitReplacesNoneAndLeavesNothing) {
  // Each file in turn meets a full disk, and then the commit itself fails.
  const int steps = kit::WriteStepsOf([&] { Write(); });
  for (int failing = 1; failing <= 5; ++failing) {
    SCOPED_TRACE(failing);
    kit::Restore(files(), before);
    int step = 0;
    const kit::FailingWrites full(
        [&](WriteStep, const std::string&) { return ++step == failing ? ENOSPC : 0; });
    const auto error = Write();
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("No space left on device"), std::string::npos) << *error;
    EXPECT_EQ(error->rfind("Files/", 0), 0u) << *error;
    EXPECT_EQ(kit::Snapshot(files()), before);
  }
  EXPECT_EQ(steps, 4 + 1 + 4 + 1);  // four files staged, the commit, four renames, the clean-up
}

TEST_F(WriteTogether, KilledAtAnyStepTheNextStartSeesAllOldOrAllNew) {
  const int steps = kit::WriteStepsOf([&] { Write(); });
  kit::Restore(files(), before);
  for (int step = 1; step <= steps; ++step) {
    SCOPED_TRACE(step);
    kit::Restore(files(), before);
    ASSERT_TRUE(kit::KilledAtWriteStep([&] { Write(); }, step));
    ASSERT_EQ(FinishInterruptedWrites(files().string()), std::nullopt);
    // Up to the commit (step 5) the old files stand; from there the group is finished.
    EXPECT_EQ(kit::Snapshot(files()), step <= 5 ? before : after);
  }
}

TEST_F(WriteTogether, AFinishingStartKilledHalfwayIsFinishedByTheNext) {
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { Write(); }, 7));  // after the first rename
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { FinishInterruptedWrites(files().string()); }, 2));
  ASSERT_EQ(FinishInterruptedWrites(files().string()), std::nullopt);
  EXPECT_EQ(kit::Snapshot(files()), after);
}

TEST_F(WriteTogether, ALaterWriteFinishesAnEarlierGroupBeforeItsOwn) {
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { Write(); }, 6));  // committed, nothing moved yet
  ASSERT_EQ(WriteWholeFile(path("ROOM1"), "later room 1\r\n"), std::nullopt);
  ASSERT_EQ(FinishInterruptedWrites(files().string()), std::nullopt);
  FolderSnapshot expected = after;
  expected["ROOM1"] = "later room 1\r\n";
  EXPECT_EQ(kit::Snapshot(files()), expected);
}

TEST(FinishInterruptedWrites, RemovesTheGamesOwnLeftoversAndNothingElse) {
  kit::TempFolder tmp;
  const fs::path files = tmp.path() / "Files";
  const fs::path elsewhere = tmp.path() / "elsewhere";
  fs::create_directories(files / ".tq-writing");
  fs::create_directories(elsewhere);
  Spit(files / ".tq-writing" / "ROOM45", "\"BLACK\"\r\n\"BLA");  // cut short
  Spit(files / ".tq-writing" / "MAPFILE", "");
  // The player's own files, some of them looking much like ours.
  for (const char* name : {"ROOM45", "ROOM45.bak", "ROOM45.a8Zk2Q", "GAMEFILE.old", ".tq-notes"}) {
    Spit(files / name, std::string("kept: ") + name);
  }
  Spit(elsewhere / "ROOM9", "kept");
  const FolderSnapshot players = kit::Snapshot(files);

  ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
  FolderSnapshot expected = players;
  expected.erase(".tq-writing/ROOM45");
  expected.erase(".tq-writing/MAPFILE");
  EXPECT_EQ(kit::Snapshot(files), expected);

  // A staging name that is a link to another folder is not followed.
  fs::create_directory_symlink(elsewhere, files / ".tq-writing");
  ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
  EXPECT_EQ(Slurp(elsewhere / "ROOM9"), "kept");
  EXPECT_TRUE(fs::is_symlink(files / ".tq-writing"));
}

}  // namespace
}  // namespace tq
