// One game per folder: an advisory lock on a file of the game's own in its Files/, held by the
// running program, so that a second copy started on the same folder stops before it touches
// anything.
#pragma once

#include <string>

namespace tq {

class FolderLock {
 public:
  enum class State {
    Held,           // this program holds the lock
    HeldElsewhere,  // another program holds it: this one must not use the folder
    NotPossible,    // no lock file can be had (a read-only folder): the game goes on without
  };

  // Takes the lock on `folder` (the file `.tq-lock` in it, made when missing, as is the folder).
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  State state() const { return state_; }
  // Why no lock could be had (NotPossible), for a message.
  const std::string& why() const { return why_; }

 private:
  int fd_ = -1;
  State state_ = State::NotPossible;
  std::string why_;
};

}  // namespace tq
