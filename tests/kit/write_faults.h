// Faults in the game's file writes, for tests: steps that fail as a full disk would, child
// processes killed at a chosen step of a write, and whole-folder snapshots to compare after.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/write_steps.h"

namespace tq::kit {

// While it lives, a write step fails with the errno that `fails` returns for it (0 lets it run).
class FailingWrites {
 public:
  explicit FailingWrites(WriteStepHook fails);
  ~FailingWrites();
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;
};

// A hook for FailingWrites: the rename that puts the file called `name` in place (after a
// group's commit, or alone) fails with EIO `times` times, then goes through.
WriteStepHook RenameFails(const std::string& name, int times);

// The number of write steps `body` takes, run in this process.
int WriteStepsOf(const std::function<void()>& body);

// Runs `body` in a child process that is killed (SIGKILL) just before its `step`-th write step,
// counting from 1. True when the child died there, false when it ended some other way (it ran
// out of steps first, or failed).
bool KilledAtWriteStep(const std::function<void()>& body, int step);

// Every file under a folder, by its path relative to it, with its bytes; empty folders count as
// entries with no bytes, so that leftovers of any kind show.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot Snapshot(const std::filesystem::path& folder);
// Makes the folder hold exactly `snapshot` again (a folder that is a link stays a link).
void Restore(const std::filesystem::path& folder, const FolderSnapshot& snapshot);

}  // namespace tq::kit
