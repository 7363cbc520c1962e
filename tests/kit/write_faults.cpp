// Write faults for tests: a failing or killing hook on the game's write steps, and snapshots.
#include "kit/write_faults.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <memory>

#include "kit/file_bytes.h"

namespace tq::kit {

namespace fs = std::filesystem;

FailingWrites::FailingWrites(WriteStepHook fails) {
  SetWriteStepHook(std::move(fails));
}

FailingWrites::~FailingWrites() {
  SetWriteStepHook({});
}

WriteStepHook RenameFails(const std::string& name, int times) {
  return [suffix = "/" + name, left = std::make_shared<int>(times)](WriteStep step,
                                                                    const std::string& target) {
    const bool hit = step == WriteStep::ReplaceFile && target.ends_with(suffix);
    return hit && (*left)-- > 0 ? EIO : 0;
  };
}

int WriteStepsOf(const std::function<void()>& body) {
  int steps = 0;
  FailingWrites counting([&steps](WriteStep, const std::string&) {
    ++steps;
    return 0;
  });
  body();
  return steps;
}

bool KilledAtWriteStep(const std::function<void()>& body, int step) {
  const pid_t child = ::fork();
  if (child == 0) {
    int seen = 0;
    SetWriteStepHook([&seen, step](WriteStep, const std::string&) {
      if (++seen == step) ::raise(SIGKILL);
      return 0;
    });
    body();
    ::_exit(0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

FolderSnapshot Snapshot(const fs::path& folder) {
  FolderSnapshot files;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(e.path(), folder).string();
    if (e.is_directory()) {
      if (fs::is_empty(e.path())) files[name + "/"] = "";
    } else {
      files[name] = Slurp(e.path());
    }
  }
  return files;
}

void Restore(const fs::path& folder, const FolderSnapshot& snapshot) {
  // A folder that is a link stays one: the folder it leads to is emptied instead.
  if (fs::is_symlink(folder)) {
    for (const auto& e : fs::directory_iterator(folder)) fs::remove_all(e.path());
  } else {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  for (const auto& [name, bytes] : snapshot) {
    const fs::path p = folder / name;
    if (name.ends_with('/')) {
      fs::create_directories(p);
      continue;
    }
    fs::create_directories(p.parent_path());
    Spit(p, bytes);
  }
}

}  // namespace tq::kit
