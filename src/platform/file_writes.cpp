// Whole-file writes through a staging folder: groups committed by one rename, the roll-forward
// of a group whose process died (or whose renames failed) after its commit, and reads that see
// a committed group before it is in place.
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
#include "platform/staging_folders.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using staging::kListName;
using staging::kReadyFolder;
using staging::kWritingFolder;
using staging::StepFails;
using staging::SyncFolder;

// Files of a group are written this many at a time before their flushes are waited for, which
// lets the disk work while the next ones are written and keeps few files open.
constexpr std::size_t kFlushBatch = 64;

std::string Failure(const std::string& path, const char* what, int err) {
  return DataFileName(path) + " could not be " + what + ": " + std::strerror(err) + ".";
}

// Names an entry of the game's folder that stands where a write must go.
std::string InTheWay(const std::string& path, const std::string& folder, const std::string& entry) {
  return DataFileName(path) + " could not be written: " + fs::path(folder).filename().string() +
         "/" + entry + " is in the way.";
}

std::string NotInPlaceYet(const staging::NotInPlace& file) {
  return DataFileName(file.target) +
         " is written but not in place yet: " + std::strerror(file.err) +
         ". The next save or start puts it there.";
}

std::string FolderOf(const std::string& path) {
  const std::string folder = fs::path(path).lexically_normal().parent_path().string();
  return folder.empty() ? "." : folder;
}

std::string NameOf(const std::string& path) {
  return fs::path(path).filename().string();
}

WriteResult NotWritten(std::string why) {
  return {WriteResult::State::NotWritten, std::move(why)};
}

// A fresh staging folder for a write of `files`; 0, or the errno with `inTheWay` naming what
// stands where the folder must go (relative to the folder of the files).
int MakeStaging(const std::string& folder, std::size_t files, std::string& inTheWay) {
  const std::string path = folder + "/" + kWritingFolder;
  if (::mkdir(path.c_str(), 0755) == 0) return 0;
  if (errno != EEXIST) return errno;
  if (!staging::IsRealFolder(path)) {
    inTheWay = kWritingFolder;
    return EEXIST;
  }
  staging::RemoveStaging(path);  // left by a process that died while writing
  if (::mkdir(path.c_str(), 0755) == 0) return 0;
  if (errno != EEXIST) return errno;
  // Something that is not the game's is in it. One file is written beside it; a group would
  // carry it along at its commit.
  if (files == 1) return 0;
  inTheWay = std::string(kWritingFolder) + "/" + staging::FirstEntry(path);
  return ENOTEMPTY;
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

// One file to stage: under `name` in the staging folder; `target` is what a message names.
struct Staged {
  std::string name;
  std::string_view content;
  const std::string* target;
  bool hooked;  // a file of the write, not its list
};

// Writes the list of the files, then every file, into the staging folder under its own name,
// and flushes them all to disk.
std::optional<std::string> StageFiles(const std::string& folder, const std::string& list,
                                      std::span<const FileContent> files) {
  std::vector<Staged> all{{kListName, list, &files.front().path, false}};
  for (const FileContent& f : files) all.push_back({NameOf(f.path), f.content, &f.path, true});
  const std::string staging = folder + "/" + kWritingFolder + "/";
  for (std::size_t from = 0; from < all.size(); from += kFlushBatch) {
    const std::size_t to = std::min(all.size(), from + kFlushBatch);
    OpenFiles open;
    for (std::size_t i = from; i < to; ++i) {
      const Staged& f = all[i];
      if (const int err = f.hooked ? StepFails(WriteStep::StageFile, *f.target) : 0) {
        return Failure(*f.target, "written", err);
      }
      const int fd =
          ::open((staging + f.name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
      if (fd < 0 && (errno == EEXIST || errno == EISDIR)) {
        return InTheWay(*f.target, folder, std::string(kWritingFolder) + "/" + f.name);
      }
      if (fd < 0) return Failure(*f.target, "written", errno);
      open.Add(fd);
      if (!WriteAll(fd, f.content)) return Failure(*f.target, "written", errno);
      // Start the flush now; the wait below is what makes it sure.
      ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    for (std::size_t i = from; i < to; ++i) {
      if (::fdatasync(open.at(i - from)) != 0) {
        return Failure(*all[i].target, "saved to disk", errno);
      }
    }
    std::size_t failed = 0;
    if (const int err = open.CloseAll(failed)) {
      return Failure(*all[from + failed].target, "written", err);
    }
  }
  return std::nullopt;
}

// One staged file renamed over its target: no commit needed, its rename is atomic by itself.
WriteResult ReplaceAlone(const std::string& folder, const std::string& path) {
  const std::string staging = folder + "/" + kWritingFolder;
  const std::string name = NameOf(path);
  int err = StepFails(WriteStep::ReplaceFile, path);
  if (err == 0 && ::rename((staging + "/" + name).c_str(), path.c_str()) != 0) err = errno;
  staging::RemoveStaging(staging, {name});
  if (err != 0) return NotWritten(Failure(path, "replaced", err));
  return {};
}

// What stands where the staging folder of a group must be renamed to, relative to `folder`;
// "" when nothing does.
std::string InTheWayOfCommit(const std::string& folder) {
  const std::string ready = folder + "/" + kReadyFolder;
  struct stat st {};
  if (::lstat(ready.c_str(), &st) != 0) return "";
  if (!staging::IsRealFolder(ready)) return kReadyFolder;
  const std::string entry = staging::FirstEntry(ready);
  return entry.empty() ? "" : std::string(kReadyFolder) + "/" + entry;
}

// Commits a staged group by renaming its folder, then puts its files in place.
WriteResult CommitGroup(const std::string& folder, const std::vector<std::string>& names,
                        const std::string& first) {
  // The staged names reach the disk before the commit that points at them, and the commit before
  // the first target is replaced.
  const std::string staging = folder + "/" + kWritingFolder;
  const std::string ready = folder + "/" + kReadyFolder;
  int err = SyncFolder(staging);
  if (err == 0) err = StepFails(WriteStep::CommitGroup, first);
  if (err == 0 && ::rename(staging.c_str(), ready.c_str()) != 0) err = errno;
  if (err != 0) {
    staging::RemoveStaging(staging, names);
    const bool blocked = err == ENOTEMPTY || err == EEXIST || err == ENOTDIR || err == EISDIR;
    const std::string entry = blocked ? InTheWayOfCommit(folder) : "";
    return NotWritten(entry.empty() ? Failure(first, "written", err)
                                    : InTheWay(first, folder, entry));
  }
  if (const int syncErr = SyncFolder(folder)) {
    // The commit may not be on disk: it is taken back while nothing has been replaced yet. When
    // even that fails, the group stands committed and is finished below.
    if (::rename(ready.c_str(), staging.c_str()) == 0) {
      staging::RemoveStaging(staging, names);
      return NotWritten(Failure(first, "saved to disk", syncErr));
    }
  }
  if (const auto notInPlace = staging::FinishReadyGroup(folder)) {
    return {WriteResult::State::Pending, NotInPlaceYet(*notInPlace)};
  }
  return {};
}

// The names of the files, checked to make one group of one folder; a message when they do not.
std::optional<std::string> NamesOf(std::span<const FileContent> files, const std::string& folder,
                                   std::vector<std::string>& names) {
  for (const FileContent& f : files) {
    // The commit is one rename, so a group lives in one folder.
    assert(FolderOf(f.path) == folder);
    if (FolderOf(f.path) != folder) return Failure(f.path, "written", EXDEV);
    names.push_back(NameOf(f.path));
    if (names.back() == kListName) return Failure(f.path, "written", EINVAL);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view content) {
  const FileContent one{path, content};
  const WriteResult result = WriteWholeFiles(std::span(&one, 1));
  if (result.state == WriteResult::State::Written) return std::nullopt;
  return result.message;
}

WriteResult WriteWholeFiles(std::span<const FileContent> files) {
  if (files.empty()) return {};
  const std::string& first = files.front().path;
  const std::string folder = FolderOf(first);
  std::vector<std::string> names;
  if (auto error = NamesOf(files, folder, names)) return NotWritten(*error);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return NotWritten(Failure(first, "written", ec.value()));
  // A group committed earlier goes into place before anything newer is written.
  if (const auto pending = staging::FinishReadyGroup(folder)) {
    return NotWritten(Failure(pending->target, "replaced", pending->err));
  }
  // A folder standing where a file should go could not be replaced after the commit.
  for (const FileContent& f : files) {
    if (staging::IsRealFolder(f.path)) return NotWritten(Failure(f.path, "replaced", EISDIR));
  }

  std::string inTheWay;
  if (const int err = MakeStaging(folder, files.size(), inTheWay)) {
    return NotWritten(inTheWay.empty() ? Failure(first, "written", err)
                                       : InTheWay(first, folder, inTheWay));
  }
  if (auto error = StageFiles(folder, staging::ListText(names), files)) {
    staging::RemoveStaging(folder + "/" + kWritingFolder, names);
    return NotWritten(*error);
  }
  if (files.size() == 1) return ReplaceAlone(folder, first);
  return CommitGroup(folder, names, first);
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

WriteResult FileGroup::Write() const {
  std::vector<FileContent> files;
  files.reserve(files_.size());
  for (const auto& [path, content] : files_) files.push_back({path, content});
  return WriteWholeFiles(files);
}

std::optional<std::string> FinishPendingGroup(const std::string& folder) {
  if (const auto notInPlace = staging::FinishReadyGroup(folder)) {
    return Failure(notInPlace->target, "replaced", notInPlace->err);
  }
  return std::nullopt;
}

std::optional<std::string> FinishInterruptedWrites(const std::string& folder) {
  // A link to a folder (the world kept on another disk) is finished as a folder is.
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return std::nullopt;
  auto error = FinishPendingGroup(folder);
  staging::RemoveStaging(folder + "/" + kWritingFolder);
  return error;
}

std::string PathToRead(const std::string& path) {
  // Nothing is pending almost always: then the list is not there, one failed open. Every step
  // reads its room through here, so the folder is cut from the path as it stands.
  const std::size_t slash = path.rfind('/');
  const std::string ready =
      (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/" + kReadyFolder;
  const auto names = staging::ListedNames(ready);
  if (!names || !staging::IsRealFolder(ready)) return path;
  const std::string name = NameOf(path);
  if (std::find(names->begin(), names->end(), name) == names->end()) return path;
  struct stat st {};
  const std::string copy = ready + "/" + name;
  return ::lstat(copy.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? copy : path;
}

}  // namespace tq
