// The game the player plays: the whole window headless on a manual clock, in a work folder of its
// own that holds a copy of the shipped rooms. The player reaches it only through the window's own
// inputs (keys, clicks on controls, time let pass); every input is recorded with its game time
// and the digest of the state after it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "autoplay/inputs.h"
#include "autoplay/state_digest.h"

namespace tq {
class Game;
class ManualClock;
class RecordingChannel;
}  // namespace tq

namespace tq::autoplay {

// The clock's time of day at start for a seed: the game seeds every draw from the clock, so the
// seed fixes the whole game. Seeds count seconds after midnight, wrapping at a day.
double DayStartForSeed(std::int64_t seed);

struct InputRecord {
  std::int64_t atMs = 0;  // game time when the input was given
  Input input;
  StateDigest after;
};

class Session {
 public:
  // Copies the shipped rooms (templates and shops) of `gameFolder`/Files into a fresh work
  // folder and opens the window there, as the program does when it starts. Returns nothing and
  // sets `error` when the folder holds no rooms or the copy fails.
  static std::unique_ptr<Session> Open(const std::filesystem::path& gameFolder, std::int64_t seed,
                                       std::string& error);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // What the player sees of the game; only the inputs below change it.
  const Game& game() const { return *game_; }
  std::int64_t seed() const { return seed_; }
  std::int64_t nowMs() const;
  // The work folder's Files/, where the game keeps its rooms and saved game.
  const std::filesystem::path& filesFolder() const { return files_; }

  // Lets the game's clock run to `ms` with every timer firing as it falls due.
  void WaitUntil(std::int64_t ms);
  // Presses a key.
  void Press(int key);
  // Clicks a control by its name (and index in its array); false when there is no such
  // control, or it is hidden or disabled, as a click on the screen would do nothing.
  bool Click(const std::string& control, int index = -1);
  // Gives any input at the present moment (replays use this).
  bool Give(const Input& in);
  // Closes the record: the time let pass after the last input, with the digest at the end.
  void End();

  const std::vector<InputRecord>& records() const { return records_; }
  // The digest of the state now (without recording anything).
  StateDigest Digest();

 private:
  Session(std::filesystem::path work, std::int64_t seed);
  void Record(const Input& in);
  std::string SoundsSinceLastDigest();

  std::filesystem::path work_, files_;
  std::int64_t seed_;
  std::unique_ptr<ManualClock> clock_;
  std::unique_ptr<RecordingChannel> mm1_, mm2_, mm3_;
  std::unique_ptr<Game> game_;
  std::vector<InputRecord> records_;
};

}  // namespace tq::autoplay
