// The two folders of the game's whole-file writes beside its files (platform/file_writes.h tells
// the whole story): `.tq-writing`, where a write is staged, and `.tq-ready`, a committed group.
// Each holds a list of the files it is about, and only those are ever moved or removed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/write_steps.h"

namespace tq::staging {

inline constexpr const char* kWritingFolder = ".tq-writing";
inline constexpr const char* kReadyFolder = ".tq-ready";
// In either folder: the names of the files of the write, one a line, written before them.
inline constexpr const char* kListName = ".tq-group";

// 0 to go on, or the errno a test's hook wants this step to fail with (platform/write_steps.h).
int StepFails(WriteStep step, const std::string& target);
// Flushes a folder's names (files created, renamed or removed in it) to disk; 0 or the errno.
int SyncFolder(const std::string& folder);

// The list's text for these file names.
std::string ListText(const std::vector<std::string>& names);
// The names the list in `groupFolder` holds; nullopt when it has none (no list, or not one the
// game could have written).
std::optional<std::vector<std::string>> ListedNames(const std::string& groupFolder);

// True when `path` is a folder itself, not a link to one: the only kind these folders may be.
bool IsRealFolder(const std::string& path);
// The first entry of a folder in name order, for a message; "" when there is none.
std::string FirstEntry(const std::string& folder);

// Removes the files a write that did not reach its commit left in the staging folder (`names`,
// or the names its list gives) and the list, then the folder when nothing else is in it.
void RemoveStaging(const std::string& staging);
void RemoveStaging(const std::string& staging, const std::vector<std::string>& names);

// A file of a committed group that could not be put in place, with the errno of its rename.
struct NotInPlace {
  std::string target;
  int err = 0;
};
// Moves the files the committed group of `folder` lists over their targets, trying a failed
// rename again; once all are in place the list and the ready folder go. A ready folder without
// a list, left by a build that kept none, is finished with the game's data files in it. Returns
// the first file that is still not in place.
std::optional<NotInPlace> FinishReadyGroup(const std::string& folder);

}  // namespace tq::staging
