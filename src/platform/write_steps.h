// For tests only: a hook called before each step of a whole-file write, so that a test can kill
// a child process at a chosen step or make a step fail as a full disk would. The game never sets
// it; without a hook every step just runs.
#pragma once

#include <functional>
#include <string>

namespace tq {

enum class WriteStep {
  StageFile,    // a new file is about to be written into the staging folder
  CommitGroup,  // the staging folder of a group is about to become the ready folder
  ReplaceFile,  // a written file is about to be renamed over its target (also in a roll-forward)
  CleanUp,      // the empty ready folder is about to be removed
};

// Returns 0 to let the step run, or an errno value to fail it as the system would have.
using WriteStepHook = std::function<int(WriteStep step, const std::string& target)>;

// Sets the hook for every later write; an empty hook removes it.
void SetWriteStepHook(WriteStepHook hook);

}  // namespace tq
