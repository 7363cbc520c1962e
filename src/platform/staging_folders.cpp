// The staging and ready folders: their lists, the clean-up of an uncommitted write and the
// roll-forward of a committed group.
#include "platform/staging_folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace tq::staging {
namespace {

namespace fs = std::filesystem;

// A list is a few kilobytes even for a whole new world.
constexpr std::size_t kMaxListBytes = 64 * 1024;
// A rename over a target is tried this many times before its group is left pending.
constexpr int kRenameTries = 3;

// A name the game can have put in a list: a file directly in the folder, not the list itself.
bool IsPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name != kListName &&
         name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// The bytes of a small file; nullopt when it is missing, not a file or too large.
std::optional<std::string> ReadSmallFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  std::string text;
  char buf[4096];
  bool ok = true;
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || text.size() + static_cast<std::size_t>(n) > kMaxListBytes) {
      ok = n == 0;
      break;
    }
    text.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  return text;
}

WriteStepHook& Hook() {
  static WriteStepHook hook;
  return hook;
}

// The game's own data files, as a build that kept no list wrote them: ROOM<n>, GAMEFILE, MAPFILE.
bool IsDataFileName(const std::string& name) {
  if (name == "GAMEFILE" || name == "MAPFILE") return true;
  return name.size() > 4 && name.rfind("ROOM", 0) == 0 &&
         std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The files a committed group of an earlier build holds: that build kept no list and moved every
// file of its ready folder, and it only ever put the game's data files there.
std::vector<std::string> EarlierBuildNames(const std::string& ready) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(ready, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (it->symlink_status(ec).type() == fs::file_type::regular && IsDataFileName(name)) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Renames one file of a committed group over its target, trying again when it fails; 0 or the
// errno of the last try.
int PutInPlace(const std::string& from, const std::string& target) {
  int err = 0;
  for (int attempt = 0; attempt < kRenameTries; ++attempt) {
    err = StepFails(WriteStep::ReplaceFile, target);
    if (err == 0 && ::rename(from.c_str(), target.c_str()) != 0) err = errno;
    if (err == 0) return 0;
  }
  return err;
}

}  // namespace

int StepFails(WriteStep step, const std::string& target) {
  const WriteStepHook& hook = Hook();
  return hook ? hook(step, target) : 0;
}

int SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int err = ::fsync(fd) != 0 ? errno : 0;
  ::close(fd);
  return err;
}

std::string ListText(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "\n";
  return text;
}

std::optional<std::vector<std::string>> ListedNames(const std::string& groupFolder) {
  const auto text = ReadSmallFile(groupFolder + "/" + kListName);
  if (!text) return std::nullopt;
  // Only whole lines count: a list cut short by a crash names no file it did not finish.
  std::vector<std::string> names;
  std::size_t from = 0;
  for (std::size_t end; (end = text->find('\n', from)) != std::string::npos; from = end + 1) {
    const std::string_view name = std::string_view(*text).substr(from, end - from);
    if (!IsPlainName(name)) return std::nullopt;
    names.emplace_back(name);
  }
  return names;
}

bool IsRealFolder(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

std::string FirstEntry(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(it->path().filename().string());
  }
  return names.empty() ? "" : *std::min_element(names.begin(), names.end());
}

void RemoveStaging(const std::string& staging, const std::vector<std::string>& names) {
  if (!IsRealFolder(staging)) return;
  for (const std::string& name : names) ::unlink((staging + "/" + name).c_str());
  ::unlink((staging + "/" + kListName).c_str());
  ::rmdir(staging.c_str());
}

void RemoveStaging(const std::string& staging) {
  if (!IsRealFolder(staging)) return;
  RemoveStaging(staging, ListedNames(staging).value_or(std::vector<std::string>{}));
}

std::optional<NotInPlace> FinishReadyGroup(const std::string& folder) {
  const std::string ready = folder + "/" + kReadyFolder;
  if (!IsRealFolder(ready)) return std::nullopt;
  auto names = ListedNames(ready);
  if (!names) names = EarlierBuildNames(ready);
  if (names->empty()) {
    ::rmdir(ready.c_str());  // empty when a finish died before it; otherwise not the game's
    return std::nullopt;
  }
  std::optional<NotInPlace> first;
  for (const std::string& name : *names) {
    const std::string from = ready + "/" + name;
    if (!Exists(from)) continue;  // put in place before
    const std::string target = folder + "/" + name;
    if (const int err = PutInPlace(from, target); err != 0 && !first) first = {target, err};
  }
  if (first) return first;
  // The new names go to disk before the list that says what is left to do. Should that flush
  // fail, the files are in place all the same and the list goes with the next write.
  if (SyncFolder(folder) != 0) return std::nullopt;
  if (StepFails(WriteStep::CleanUp, ready) != 0) return std::nullopt;
  ::unlink((ready + "/" + kListName).c_str());
  ::rmdir(ready.c_str());
  return std::nullopt;
}

}  // namespace tq::staging

namespace tq {

void SetWriteStepHook(WriteStepHook hook) {
  staging::Hook() = std::move(hook);
}

}  // namespace tq
