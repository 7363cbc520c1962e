// The game killed in the middle of its writes: a new world killed in a child process at chosen
// write steps, then the program started again on the same folder. It must find the old world or
// the new one whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "kit/headless_game.h"
#include "kit/template_set.h"
#include "kit/write_faults.h"

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

TEST(KilledWrites, ANewWorldComesBackOldOrNewWhereverItWasKilled) {
  kit::HeadlessGame first;
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

}  // namespace
}  // namespace tq
