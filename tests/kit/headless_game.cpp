// The headless game fixture.
#include "kit/headless_game.h"

#include <atomic>
#include <random>

#include "game/manual_time.h"
#include "shell/input.h"
#include "shell/start_up.h"

namespace tq::kit {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("tarvoquest-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

HeadlessGame::HeadlessGame(bool withShippedRooms) : owned_(std::in_place), folder_(owned_->path()) {
  const auto files = folder_ / "Files";
  std::filesystem::create_directories(files);
  if (withShippedRooms) {
    const std::filesystem::path shipped = std::filesystem::path(TQ_SOURCE_DIR) / "data" / "Files";
    for (const auto& e : std::filesystem::directory_iterator(shipped)) {
      std::filesystem::copy_file(e.path(), files / e.path().filename());
    }
  }
  Start();
}

HeadlessGame::HeadlessGame(const std::filesystem::path& existingFolder) : folder_(existingFolder) {
  Start();
}

void HeadlessGame::Start() {
  GameServices s{folder_.string(), &clock_, &mm1_, &mm2_, &mm3_};
  game_ = std::make_unique<Game>(s);
  Form_Load(*game_);
}

void HeadlessGame::Advance(std::int64_t ms) {
  RunUntil(*game_, clock_, clock_.nowMs() + ms);
}

void HeadlessGame::Press(int keyCode) {
  KeyDown(*game_, keyCode);
}

bool HeadlessGame::ClickOn(Control& c) {
  return Click(*game_, c);
}

}  // namespace tq::kit
