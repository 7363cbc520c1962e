// Whole-file writes through a staging folder: groups committed by one rename, and the
// roll-forward of a group whose process died after its commit.
#include "platform/file_writes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/seq_file.h"
#include "platform/write_steps.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// The game's own folders beside its files: files being written, and a committed group.
constexpr const char* kStagingFolder = ".tq-writing";
constexpr const char* kReadyFolder = ".tq-ready";
// Files of a group are written this many at a time before their flushes are waited for, which
// lets the disk work while the next ones are written and keeps few files open.
constexpr std::size_t kFlushBatch = 64;

WriteStepHook& Hook() {
  static WriteStepHook hook;
  return hook;
}

// 0 to go on, or the errno a test wants this step to fail with.
int StepFails(WriteStep step, const std::string& target) {
  const WriteStepHook& hook = Hook();
  return hook ? hook(step, target) : 0;
}

std::string Failure(const std::string& path, const char* what, int err) {
  return DataFileName(path) + " could not be " + what + ": " + std::strerror(err) + ".";
}

std::string FolderOf(const std::string& path) {
  return fs::path(path).lexically_normal().parent_path().string();
}

std::string NameOf(const std::string& path) {
  return fs::path(path).filename().string();
}

// True when `path` is a folder itself, not a link to one: the only kind the clean-up enters.
bool IsRealFolder(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

// The regular files directly inside a folder.
std::vector<fs::path> FilesIn(const std::string& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->symlink_status(ec).type() == fs::file_type::regular) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Flushes a folder's names (files created, renamed or removed in it) to disk; 0 or the errno.
int SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int err = ::fsync(fd) != 0 ? errno : 0;
  ::close(fd);
  return err;
}

// Removes the half-written files of the staging folder, then the folder. Nothing but regular
// files directly inside it is removed.
void RemoveStaging(const std::string& staging) {
  if (!IsRealFolder(staging)) return;
  for (const fs::path& file : FilesIn(staging)) ::unlink(file.c_str());
  ::rmdir(staging.c_str());
}

// A fresh, empty staging folder; 0 or the errno.
int MakeStaging(const std::string& staging) {
  if (::mkdir(staging.c_str(), 0755) == 0) return 0;
  if (errno != EEXIST) return errno;
  RemoveStaging(staging);  // left by a process that died while writing
  return ::mkdir(staging.c_str(), 0755) == 0 ? 0 : errno;
}

// Writes all of `content` to `fd`, retrying short writes.
bool WriteAll(int fd, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Open files of one batch, closed whatever happens.
class OpenFiles {
 public:
  OpenFiles() = default;
  OpenFiles(const OpenFiles&) = delete;
  OpenFiles& operator=(const OpenFiles&) = delete;
  ~OpenFiles() {
    for (int fd : fds_) ::close(fd);
  }
  void Add(int fd) { fds_.push_back(fd); }
  int at(std::size_t i) const { return fds_[i]; }
  // Closes them all; 0 or the errno of the first that failed, with its index.
  int CloseAll(std::size_t& failed) {
    int err = 0;
    for (std::size_t i = 0; i < fds_.size(); ++i) {
      if (::close(fds_[i]) != 0 && err == 0) {
        err = errno;
        failed = i;
      }
    }
    fds_.clear();
    return err;
  }

 private:
  std::vector<int> fds_;
};

// Writes every file into the staging folder under its own name and flushes it to disk.
std::optional<std::string> StageFiles(const std::string& staging,
                                      std::span<const FileContent> files) {
  for (std::size_t from = 0; from < files.size(); from += kFlushBatch) {
    const std::size_t to = std::min(files.size(), from + kFlushBatch);
    OpenFiles open;
    for (std::size_t i = from; i < to; ++i) {
      const FileContent& f = files[i];
      if (const int err = StepFails(WriteStep::StageFile, f.path)) {
        return Failure(f.path, "written", err);
      }
      const std::string staged = staging + "/" + NameOf(f.path);
      const int fd = ::open(staged.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      if (fd < 0) return Failure(f.path, "written", errno);
      open.Add(fd);
      if (!WriteAll(fd, f.content)) return Failure(f.path, "written", errno);
      // Start the flush now; the wait below is what makes it sure.
      ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    for (std::size_t i = from; i < to; ++i) {
      if (::fdatasync(open.at(i - from)) != 0)
        return Failure(files[i].path, "saved to disk", errno);
    }
    std::size_t failed = 0;
    if (const int err = open.CloseAll(failed)) {
      return Failure(files[from + failed].path, "written", err);
    }
  }
  return std::nullopt;
}

// Moves the files of a committed group over their targets, then removes the ready folder.
std::optional<std::string> FinishReadyGroup(const std::string& folder) {
  const std::string ready = folder + "/" + kReadyFolder;
  if (!IsRealFolder(ready)) return std::nullopt;
  for (const fs::path& file : FilesIn(ready)) {
    const std::string target = folder + "/" + file.filename().string();
    int err = StepFails(WriteStep::ReplaceFile, target);
    if (err == 0 && ::rename(file.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) return Failure(target, "replaced", err);
  }
  // The new names go to disk before the folder that says what is left to do. Should that flush
  // fail, the files are in place all the same and the empty folder goes with the next write.
  if (SyncFolder(folder) != 0) return std::nullopt;
  if (StepFails(WriteStep::CleanUp, ready) != 0) return std::nullopt;
  ::rmdir(ready.c_str());
  return std::nullopt;
}

}  // namespace

void SetWriteStepHook(WriteStepHook hook) {
  Hook() = std::move(hook);
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view content) {
  const FileContent one{path, content};
  return WriteWholeFiles(std::span(&one, 1));
}

std::optional<std::string> WriteWholeFiles(std::span<const FileContent> files) {
  if (files.empty()) return std::nullopt;
  const std::string& first = files.front().path;
  const std::string folder = FolderOf(first);
  for (const FileContent& f : files) {
    // The commit is one rename, so a group lives in one folder.
    assert(FolderOf(f.path) == folder);
    if (FolderOf(f.path) != folder) return Failure(f.path, "written", EXDEV);
  }
  std::error_code ec;
  if (!folder.empty()) fs::create_directories(folder, ec);
  if (ec) return Failure(first, "written", ec.value());
  // A group committed earlier goes into place before anything newer is written.
  if (auto error = FinishReadyGroup(folder)) return error;
  // A folder standing where a file should go could not be replaced after the commit.
  for (const FileContent& f : files) {
    if (IsRealFolder(f.path)) return Failure(f.path, "replaced", EISDIR);
  }

  const std::string staging = folder + "/" + kStagingFolder;
  if (const int err = MakeStaging(staging)) return Failure(first, "written", err);
  if (auto error = StageFiles(staging, files)) {
    RemoveStaging(staging);
    return error;
  }
  if (files.size() == 1) {
    // One file needs no commit: its rename is atomic by itself.
    const std::string staged = staging + "/" + NameOf(first);
    int err = StepFails(WriteStep::ReplaceFile, first);
    if (err == 0 && ::rename(staged.c_str(), first.c_str()) != 0) err = errno;
    RemoveStaging(staging);
    if (err != 0) return Failure(first, "replaced", err);
    return std::nullopt;
  }

  // The staged names reach the disk before the commit that points at them, and the commit before
  // the first target is replaced.
  const std::string ready = folder + "/" + kReadyFolder;
  int err = SyncFolder(staging);
  if (err == 0) err = StepFails(WriteStep::CommitGroup, first);
  if (err == 0 && ::rename(staging.c_str(), ready.c_str()) != 0) err = errno;
  if (err != 0) {
    RemoveStaging(staging);
    return Failure(first, "written", err);
  }
  if (const int syncErr = SyncFolder(folder)) {
    // The commit may not be on disk: it is taken back while nothing has been replaced yet.
    if (::rename(ready.c_str(), staging.c_str()) == 0) RemoveStaging(staging);
    return Failure(first, "saved to disk", syncErr);
  }
  return FinishReadyGroup(folder);
}

void FileGroup::Replace(std::string path, std::string content) {
  for (auto& [p, c] : files_) {
    if (p == path) {
      c = std::move(content);
      return;
    }
  }
  files_.emplace_back(std::move(path), std::move(content));
}

std::optional<std::string> FileGroup::Write() const {
  std::vector<FileContent> files;
  files.reserve(files_.size());
  for (const auto& [path, content] : files_) files.push_back({path, content});
  return WriteWholeFiles(files);
}

std::optional<std::string> FinishInterruptedWrites(const std::string& folder) {
  if (!IsRealFolder(folder)) return std::nullopt;
  auto error = FinishReadyGroup(folder);
  RemoveStaging(folder + "/" + kStagingFolder);
  return error;
}

}  // namespace tq
