// Replays: a played game written down as its seed, every input with its game time and the digest
// of the state after it. Playing the inputs again at their times must give the same digests; the
// first one that differs names the input, its time and what differs.
//
// The file is plain text:
//   tarvoquest replay 1
//   seed 17
//   1000 click mnuNEW = room=0 at=1,6 gold=0 life=10 vars=... view=... ... sound=...
//   2300 key 38 = room=45 at=7,6 gold=0 life=10 vars=... view=... message=...
//   ...
//   95000 end = room=...
//   result stuck at room 34 (7,6): ...
// Each line holds the game time in milliseconds, the input, and the digest after it: the room,
// the hero's cell, gold and life, then the hash of each part that changed since the line before
// (the first line holds them all). Lines starting with '#' are comments.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "autoplay/session.h"

namespace tq::autoplay {

struct Replay {
  std::int64_t seed = 0;
  std::vector<InputRecord> records;
  std::string result;  // the player's last line when the game was recorded; may be empty
};

// The replay of a session so far, with the player's last line.
Replay ReplayOf(const Session& session, std::string result);

std::string ReplayText(const Replay& replay);
// Parses a replay; on failure returns what is wrong and where, `name` naming the file.
std::optional<std::string> ParseReplay(std::string_view text, const std::string& name, Replay& out);
// Whole-file reads and atomic writes; a message naming the file on failure.
std::optional<std::string> ReadReplay(const std::string& path, Replay& out);
std::optional<std::string> WriteReplay(const std::string& path, const Replay& replay);

struct ReplayCheck {
  bool same = false;
  std::size_t inputsPlayed = 0;
  // On success a summary; otherwise the first input that differs, its time and what differs.
  std::string message;
};

// Plays the replay's inputs at their times on a fresh game from `gameFolder`'s shipped rooms.
ReplayCheck RunReplay(const std::filesystem::path& gameFolder, const Replay& replay);

}  // namespace tq::autoplay
