// Whole-file writes that survive the process dying at any instant: one file replaced whole, or
// a group of files replaced together (a new world with its saved game, an autosave with the room
// it was made in, a room and the save that goes with it).
//
// How a write works, in the folder of its files (the game's Files/):
//  1. Every new file is written and flushed to disk in the staging folder `.tq-writing`.
//  2. One file is then renamed over its target, which is atomic by itself. A group is committed
//     instead: the whole staging folder is renamed to `.tq-ready` in one step. From that instant
//     the group counts as written.
//  3. The files of `.tq-ready` are renamed over their targets one by one, and the folder goes.
// A process that dies before the commit leaves every target as it was, and its half-written
// files only in `.tq-writing`. One that dies after it leaves `.tq-ready`, which the next start
// (FinishInterruptedWrites) or the next write moves into place first: a roll-forward. So a fresh
// start sees all the files of a group as they were or all as they were written, never a mix.
// Only the game's own two staging folders are ever cleaned; nothing else in the folder is touched.
//
// Writes that belong together go in one call, for example a strike that kills the SHADOW BOSS:
//
//   FileGroup files;
//   AddRoomFile(files, RoomFilePath(g.GamePath, g.RoomNumber), room);  // world/room_file.h
//   AddSavedGame(files, g);                                            // world/saved_game.h
//   if (auto error = files.Write()) ShowMessage(g, MessageColor::Red, *error);
//
// and a single room write stays WriteRoomFile(path, room).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tq {

// GUARD: a crash or a full disk in the middle of a write would leave a torn room or save, and a
// crash between two files that belong together would leave them mixed. Every write goes through
// the staging folder above; what failed is named in the message returned.

// Replaces one file whole. Creates its folder when missing. Returns a message naming the file
// when the write failed; the old file is then whole.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view content);

struct FileContent {
  std::string path;
  std::string_view content;
};
// Replaces several files of one folder together: after any failure before the commit none of
// them is replaced, and after a crash at any instant a fresh start sees all old or all new. Each
// path appears once. Returns a message naming the file that failed.
std::optional<std::string> WriteWholeFiles(std::span<const FileContent> files);

// Files to be replaced together, collected before they are written in one call.
class FileGroup {
 public:
  // Adds a file to the group; a path added again keeps its last content.
  void Replace(std::string path, std::string content);
  bool empty() const { return files_.empty(); }
  // Writes the group as WriteWholeFiles does; an empty group writes nothing.
  std::optional<std::string> Write() const;

 private:
  std::vector<std::pair<std::string, std::string>> files_;
};

// Run once at start-up, before any file of `folder` is read: moves into place a group that was
// committed when its process died, and removes the half-written files of one that was not.
// Returns a message naming the file when a committed group cannot be finished.
std::optional<std::string> FinishInterruptedWrites(const std::string& folder);

}  // namespace tq
