// A whole game without a window: a manual clock, recording sound channels and a temporary game
// folder, with helpers to press keys, click controls and let time pass.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"

namespace tq::kit {

// A fresh folder under the system's temporary folder, removed when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class HeadlessGame {
 public:
  // Builds the window in a temporary game folder (with Files/ holding the shipped rooms when
  // `withShippedRooms`) and runs Form_Load, as the program does when it starts.
  explicit HeadlessGame(bool withShippedRooms = false);
  // Starts the program again on a game folder that is already there, as a player does after
  // the last run ended (or was killed); the folder is left in place afterwards.
  explicit HeadlessGame(const std::filesystem::path& existingFolder);

  Game& game() { return *game_; }
  Game* operator->() { return game_.get(); }
  ManualClock& clock() { return clock_; }
  RecordingChannel& mm1() { return mm1_; }
  RecordingChannel& mm2() { return mm2_; }
  RecordingChannel& mm3() { return mm3_; }
  const std::filesystem::path& folder() const { return folder_; }

  // Lets `ms` milliseconds pass, firing every timer as it falls due.
  void Advance(std::int64_t ms);
  // Presses a key (window key codes: 32 space, 37 left, 38 up, 39 right, 40 down).
  void Press(int keyCode);
  // Clicks a control; false when it is hidden, disabled or has no click event.
  bool ClickOn(Control& c);

 private:
  void Start();

  std::optional<TempFolder> owned_;
  std::filesystem::path folder_;
  ManualClock clock_;
  RecordingChannel mm1_{1}, mm2_{1}, mm3_{100};
  std::unique_ptr<Game> game_;
};

}  // namespace tq::kit
