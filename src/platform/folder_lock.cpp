// The folder lock: flock on Files/.tq-lock, released by the system when the program ends.
#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tq {

FolderLock::FolderLock(const std::string& folder) {
  const std::string path = folder + "/.tq-lock";
  ::mkdir(folder.c_str(), 0755);  // a missing Files/ is made as the first write would
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  // A folder the player may only read still takes a lock on a lock file that is there.
  if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    why_ = path + " cannot be opened: " + std::strerror(errno);
    return;
  }
  int err = 0;
  do {
    err = ::flock(fd_, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
  } while (err == EINTR);
  if (err == 0) {
    state_ = State::Held;
    return;
  }
  if (err == EWOULDBLOCK) {
    state_ = State::HeldElsewhere;
    return;
  }
  why_ = path + " cannot be locked: " + std::strerror(err);
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace tq
