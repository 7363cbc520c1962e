// Whole-file writes that belong together, in a plain Files/ and through a link to one: a failure
// before the commit replaces nothing, one after it counts as written and lands later, a child
// process killed at any step leaves a folder that the next start shows all old or all new, and
// nothing but the game's own files in its staging folders is ever moved, removed or in the way
// unnamed.
#include "platform/file_writes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/write_faults.h"
#include "platform/seq_file.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using kit::FolderSnapshot;
using kit::Slurp;
using kit::Spit;

// A rename that fails for good, until the test mends the disk.
constexpr int kUntilMended = 1 << 20;

// A game folder's Files/ with a few files and one of the player's own, and a group that
// replaces two of them, adds a third and leaves the player's alone. Files/ is a folder, or a link
// to a folder on another disk.
class WriteTogether : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) {
      fs::create_directories(tmp.path() / "disk" / "World");
      fs::create_directory_symlink(tmp.path() / "disk" / "World", files());
    } else {
      fs::create_directories(files());
    }
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
  WriteResult Write() const {
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

TEST_P(WriteTogether, WritesEveryFileAndLeavesNothingElseBehind) {
  EXPECT_EQ(after.size(), before.size() + 1);
  EXPECT_EQ(after.at("ROOM3"), "new room 3\r\n");
  EXPECT_EQ(after.at("GAMEFILE"), "new save\r\n");
  EXPECT_EQ(after.at("notes.txt"), before.at("notes.txt"));
  EXPECT_TRUE(fs::is_symlink(files()) == GetParam());
}

TEST_P(WriteTogether, AFailureBeforeTheCommitReplacesNoneAndLeavesNothing) {
  // Each file in turn meets a full disk, and then the commit itself fails.
  const int steps = kit::WriteStepsOf([&] { Write(); });
  for (int failing = 1; failing <= 5; ++failing) {
    SCOPED_TRACE(failing);
    kit::Restore(files(), before);
    int step = 0;
    const kit::FailingWrites full(
        [&](WriteStep, const std::string&) { return ++step == failing ? ENOSPC : 0; });
    const WriteResult result = Write();
    ASSERT_FALSE(result.written());
    EXPECT_NE(result.message.find("No space left on device"), std::string::npos) << result.message;
    EXPECT_EQ(result.message.rfind("Files/", 0), 0u) << result.message;
    EXPECT_EQ(kit::Snapshot(files()), before);
  }
  EXPECT_EQ(steps, 4 + 1 + 4 + 1);  // four files staged, the commit, four renames, the clean-up
}

TEST_P(WriteTogether, AFailureAfterTheCommitCountsAsWrittenAndLandsLater) {
  // Each file's rename fails once (and is tried again), or until the disk is mended.
  for (const std::string failing : {"ROOM1", "ROOM3", "ROOM2", "GAMEFILE"}) {
    for (const int failures : {1, kUntilMended}) {
      SCOPED_TRACE(failing + (failures == 1 ? " once" : " for good"));
      kit::Restore(files(), before);
      {
        const kit::FailingWrites eio(kit::RenameFails(failing, failures));
        const WriteResult result = Write();
        ASSERT_TRUE(result.written());
        if (failures == 1) {
          EXPECT_EQ(result.message, "");
          EXPECT_EQ(kit::Snapshot(files()), after);
          continue;
        }
        EXPECT_EQ(result.state, WriteResult::State::Pending);
        EXPECT_EQ(result.message, "Files/" + failing +
                                      " is written but not in place yet: Input/output error. The "
                                      "next save or start puts it there.");
        // Every file of the group reads as it will land, the one not in place too.
        for (const char* name : {"ROOM1", "ROOM2", "ROOM3", "GAMEFILE", "notes.txt"}) {
          std::string read;
          ASSERT_EQ(ReadWholeFile(path(name), read), std::nullopt);
          EXPECT_EQ(read, after.at(name)) << name;
        }
        // Nothing newer lands before it: a later write is refused, and says why.
        EXPECT_EQ(WriteWholeFile(path("ROOM2"), "later room 2\r\n"),
                  "Files/" + failing + " could not be replaced: Input/output error.");
      }
      // With the disk mended the next write puts the group in place before its own file.
      ASSERT_EQ(WriteWholeFile(path("ROOM1"), "later room 1\r\n"), std::nullopt);
      FolderSnapshot expected = after;
      expected["ROOM1"] = "later room 1\r\n";
      EXPECT_EQ(kit::Snapshot(files()), expected);
    }
  }
}

TEST_P(WriteTogether, KilledAtAnyStepTheNextStartSeesAllOldOrAllNew) {
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

TEST_P(WriteTogether, AFinishingStartKilledHalfwayIsFinishedByTheNext) {
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { Write(); }, 7));  // after the first rename
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { FinishInterruptedWrites(files().string()); }, 2));
  ASSERT_EQ(FinishInterruptedWrites(files().string()), std::nullopt);
  EXPECT_EQ(kit::Snapshot(files()), after);
}

TEST_P(WriteTogether, ALaterWriteFinishesAnEarlierGroupBeforeItsOwn) {
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { Write(); }, 6));  // committed, nothing moved yet
  ASSERT_EQ(WriteWholeFile(path("ROOM1"), "later room 1\r\n"), std::nullopt);
  ASSERT_EQ(FinishInterruptedWrites(files().string()), std::nullopt);
  FolderSnapshot expected = after;
  expected["ROOM1"] = "later room 1\r\n";
  EXPECT_EQ(kit::Snapshot(files()), expected);
}

INSTANTIATE_TEST_SUITE_P(Files, WriteTogether, ::testing::Bool(),
                         [](const auto& c) { return c.param ? "ThroughALink" : "InAFolder"; });

TEST(FinishInterruptedWrites, MovesOrRemovesTheGamesOwnFilesAndNothingElse) {
  kit::TempFolder tmp;
  const fs::path files = tmp.path() / "Files";
  const fs::path elsewhere = tmp.path() / "elsewhere";
  fs::create_directories(files);
  fs::create_directories(elsewhere);
  // The player's own files, some of them looking much like ours.
  for (const char* name : {"ROOM45", "ROOM45.bak", "ROOM45.a8Zk2Q", "GAMEFILE.old", ".tq-notes"}) {
    Spit(files / name, std::string("kept: ") + name);
  }
  Spit(elsewhere / "ROOM9", "kept");
  const FolderSnapshot players = kit::Snapshot(files);
  const auto write = [&](const char* room) {
    FileGroup group;
    group.Replace((files / room).string(), std::string("new ") + room);
    group.Replace((files / "MAPFILE").string(), "new map");
    group.Write();
  };

  // A write killed while it staged its files; the player's note lies among them.
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { write("ROOM45"); }, 2));
  Spit(files / ".tq-writing" / "notes.txt", "mine");
  ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
  FolderSnapshot expected = players;
  expected[".tq-writing/notes.txt"] = "mine";
  EXPECT_EQ(kit::Snapshot(files), expected);

  // A group killed right after its commit, with a stray file put into its ready folder: the
  // group is finished and the stray stays where it is.
  fs::remove_all(files / ".tq-writing");
  ASSERT_TRUE(kit::KilledAtWriteStep([&] { write("ROOM46"); }, 4));
  Spit(files / ".tq-ready" / "stray.txt", "mine");
  ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
  expected = players;
  expected["ROOM46"] = "new ROOM46";
  expected["MAPFILE"] = "new map";
  expected[".tq-ready/stray.txt"] = "mine";
  EXPECT_EQ(kit::Snapshot(files), expected);

  // A group an earlier build committed, which kept no list: its data files are finished, the
  // player's stray stays.
  fs::remove_all(files / ".tq-ready");
  kit::Restore(files, players);
  fs::create_directory(files / ".tq-ready");
  Spit(files / ".tq-ready" / "GAMEFILE", "new save");
  Spit(files / ".tq-ready" / "ROOM47", "new ROOM47");
  Spit(files / ".tq-ready" / "ROOM47.bak", "mine");
  ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
  expected = players;
  expected["GAMEFILE"] = "new save";
  expected["ROOM47"] = "new ROOM47";
  expected[".tq-ready/ROOM47.bak"] = "mine";
  EXPECT_EQ(kit::Snapshot(files), expected);

  // A staging name that is a link to another folder is not followed.
  fs::remove_all(files / ".tq-ready");
  fs::create_directory_symlink(elsewhere, files / ".tq-writing");
  ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
  EXPECT_EQ(Slurp(elsewhere / "ROOM9"), "kept");
  EXPECT_TRUE(fs::is_symlink(files / ".tq-writing"));
}

// What the player (or anything else) left in or for the game's two staging folders: start-up
// moves none of it, and a write goes on beside it, or, where its commit cannot, names it.
TEST(StagingFolders, WhatIsNotTheGamesStaysAndIsNamedWhereItIsInTheWay) {
  struct Case {
    const char* what;
    std::function<void(const fs::path& files)> put;
    const char* blocksOne;    // what a write of one file names as in its way; "" for nothing
    const char* blocksGroup;  // what a group's write names
  } cases[] = {
      {"a note in the ready folder",
       [](const fs::path& f) {
         fs::create_directories(f / ".tq-ready");
         Spit(f / ".tq-ready" / "notes.txt", "mine");
       },
       "", "Files/.tq-ready/notes.txt"},
      {"a folder in the staging folder",
       [](const fs::path& f) { fs::create_directories(f / ".tq-writing" / "old"); }, "",
       "Files/.tq-writing/old"},
      {"a folder in the ready folder",
       [](const fs::path& f) { fs::create_directories(f / ".tq-ready" / "old"); }, "",
       "Files/.tq-ready/old"},
      {"a file for the staging folder", [](const fs::path& f) { Spit(f / ".tq-writing", "x"); },
       "Files/.tq-writing", "Files/.tq-writing"},
      {"a file for the ready folder", [](const fs::path& f) { Spit(f / ".tq-ready", "x"); }, "",
       "Files/.tq-ready"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    kit::TempFolder tmp;
    const fs::path files = tmp.path() / "Files";
    fs::create_directories(files);
    Spit(files / "ROOM1", "old room 1\r\n");
    c.put(files);
    const FolderSnapshot theirs = kit::Snapshot(files);
    ASSERT_EQ(FinishInterruptedWrites(files.string()), std::nullopt);
    EXPECT_EQ(kit::Snapshot(files), theirs);

    const auto one = WriteWholeFile((files / "ROOM1").string(), "new room 1\r\n");
    if (*c.blocksOne == '\0') {
      EXPECT_EQ(one, std::nullopt);
      EXPECT_EQ(Slurp(files / "ROOM1"), "new room 1\r\n");
    } else {
      EXPECT_EQ(
          one, "Files/ROOM1 could not be written: " + std::string(c.blocksOne) + " is in the way.");
    }
    FileGroup group;
    group.Replace((files / "ROOM1").string(), "group room 1\r\n");
    group.Replace((files / "GAMEFILE").string(), "group save\r\n");
    const WriteResult result = group.Write();
    EXPECT_FALSE(result.written());
    EXPECT_EQ(result.message, "Files/ROOM1 could not be written: " + std::string(c.blocksGroup) +
                                  " is in the way.");
    FolderSnapshot expected = theirs;
    if (*c.blocksOne == '\0') expected["ROOM1"] = "new room 1\r\n";
    EXPECT_EQ(kit::Snapshot(files), expected);
  }
}

}  // namespace
}  // namespace tq
