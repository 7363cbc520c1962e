// A game for a benchmark: the window in a scratch folder of its own, on a manual clock with
// recording sound channels, and a walled room to play in. The folder goes with the object.
#pragma once

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "rooms/move_hero.h"
#include "shell/start_up.h"
#include "world/room_file.h"

namespace bench {

namespace fs = std::filesystem;

class ScratchGame {
 public:
  explicit ScratchGame(const std::string& name) {
    std::random_device rd;
    folder = fs::temp_directory_path() / ("tarvoquest-bench-" + name + "-" + std::to_string(rd()));
    fs::create_directories(folder / "Files");
    game = std::make_unique<tq::Game>(tq::GameServices{folder.string(), &clock, &mm1, &mm2, &mm3});
    tq::Form_Load(*game);
  }
  ~ScratchGame() {
    game.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  ScratchGame(const ScratchGame&) = delete;
  ScratchGame& operator=(const ScratchGame&) = delete;

  // An overland room: the black rim, a ring of trees, floor inside (with flowers when asked).
  static tq::RoomFile WalledRoom(bool flowers) {
    tq::RoomFile room;
    for (int r = 0; r < tq::kRoomSize; ++r) {
      for (int c = 0; c < tq::kRoomSize; ++c) {
        const bool rim = r == 0 || c == 0 || r == 12 || c == 12;
        const bool ring = r == 1 || c == 1 || r == 11 || c == 11;
        const bool flower = flowers && (r * c) % 7 == 0;
        room.tags[r][c] = rim ? "BLACK" : ring ? "TREE" : flower ? "FLOWER1" : "FLOOR";
      }
    }
    room.GroundCode = tq::Value(0);
    return room;
  }
  void WriteRoom(int number, const tq::RoomFile& room) {
    tq::WriteRoomFile(tq::RoomFilePath(game->GamePath, number), room);
  }
  // Puts the hero somewhere and draws the room, as a load does.
  void Place(int room, int row, int col) {
    game->RoomNumber = room;
    game->HeroRow = row;
    game->HeroCol = col;
    game->Facing = "XXX";
    tq::MoveHero(*game);
  }
  // Sound channels only remember; keep them from growing without end.
  void Forget() {
    mm1.clear();
    mm2.clear();
    mm3.clear();
  }

  fs::path folder;
  tq::ManualClock clock;
  tq::RecordingChannel mm1{1}, mm2{1}, mm3{100};
  std::unique_ptr<tq::Game> game;
};

}  // namespace bench
