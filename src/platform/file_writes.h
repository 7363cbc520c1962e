// Whole-file writes that survive the process dying at any instant: one file replaced whole, or
// a group of files replaced together (a new world with its saved game, an autosave with the room
// it was made in, a room and the save that goes with it).
//
// How a write works, in the folder of its files (the game's Files/, or the folder it links to):
//  1. The staging folder `.tq-writing` is made. Into it go first the list of the files to come
//     (`.tq-group`, one name a line), then every new file, written and flushed to disk.
//  2. One file is then renamed over its target, which is atomic by itself. A group is committed
//     instead: the whole staging folder is renamed to `.tq-ready` in one step. From that instant
//     the group is written, whatever happens after.
//  3. The files that the list of `.tq-ready` names are renamed over their targets one by one (a
//     rename that fails is tried again), then the list and the folder go.
// A process that dies before the commit leaves every target as it was, and its half-written
// files only in `.tq-writing`. One that dies after it leaves `.tq-ready`, which the next start
// (FinishInterruptedWrites), LOAD (FinishPendingGroup) or the next write moves into place first:
// a roll-forward. So a fresh start sees all the files of a group as they were or all as they
// were written, never a mix.
// A rename that keeps failing after the commit (a failing disk) leaves the group pending. It
// counts as written all the same (WriteResult::State::Pending): every read of one of its files
// finds the new one in `.tq-ready` (ReadWholeFile), and every later write first tries to finish
// it and is refused while it cannot, so what the game holds never parts from what lands.
// Only what a list names is ever moved or removed; anything else in the two folders is left as
// it is, and where it stands in the way of a write the message names it.
//
// Writes that belong together go in one call, for example a strike that kills the SHADOW BOSS:
//
//   FileGroup files;
//   AddRoomFile(files, RoomFilePath(g.GamePath, g.RoomNumber), room);  // world/room_file.h
//   AddSavedGame(files, g);                                            // world/saved_game.h
//   const WriteResult written = files.Write();
//   if (!written.message.empty()) ShowMessage(g, MessageColor::Red, written.message);
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
// the staging folder above; what failed is named in the message returned. A group whose commit
// was made but whose files could not all be put in place would be reported as not written while
// it still lands later (a key taken back in play but kept on disk, a new world's save over the
// old rooms): it counts as written, reads see it and later writes finish it first. Anything but
// the game's own files in its staging folders would be moved into Files/ or block every write
// under another file's name: only listed files are touched, and what is in the way is named.

// What became of a write.
struct WriteResult {
  enum class State {
    Written,     // every file is in place
    NotWritten,  // nothing changed on disk: `message` says why
    Pending,     // committed, so written, but `message` names a file not in place yet
  };
  State state = State::Written;
  std::string message;

  // The files are on disk or will land: the game goes on with what it wrote.
  bool written() const { return state != State::NotWritten; }
};

// Replaces one file whole. Creates its folder when missing. Returns a message naming the file
// when the write failed; the old file is then whole.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view content);

struct FileContent {
  std::string path;
  std::string_view content;
};
// Replaces several files of one folder together: after any failure before the commit none of
// them is replaced, and after a crash at any instant a fresh start sees all old or all new. Each
// path appears once.
WriteResult WriteWholeFiles(std::span<const FileContent> files);

// Files to be replaced together, collected before they are written in one call.
class FileGroup {
 public:
  // Adds a file to the group; a path added again keeps its last content.
  void Replace(std::string path, std::string content);
  bool empty() const { return files_.empty(); }
  // Writes the group as WriteWholeFiles does; an empty group writes nothing.
  WriteResult Write() const;

 private:
  std::vector<std::pair<std::string, std::string>> files_;
};

// Run once at start-up, before any file of `folder` is read: moves into place a group that was
// committed when its process died, and removes the half-written files of one that was not.
// Returns a message naming the file when a committed group cannot be finished.
std::optional<std::string> FinishInterruptedWrites(const std::string& folder);
// Moves into place a committed group of `folder` that is still pending. Returns a message
// naming the file when it cannot be finished yet.
std::optional<std::string> FinishPendingGroup(const std::string& folder);

// Where a read of `path` finds its content: the copy in `.tq-ready` while a committed group that
// holds it is not in place yet, otherwise `path` itself.
std::string PathToRead(const std::string& path);

}  // namespace tq
