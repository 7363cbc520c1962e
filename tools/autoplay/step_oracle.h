// Where one arrow key takes the hero. The answer comes from the game's own stages of a hero step
// (the step, the room-change rules, the room corrections, the entry test and the commit test),
// run on a private window that belongs to the oracle alone, with the rooms as the world model
// knows them: the played game and its files are never touched. So the planner walks by the very
// rules the game plays by, and a rule change moves the planner with it. A monster stands in the
// way in the hero's own room; in another room only where he would arrive, since it waits there
// until he comes in.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "autoplay/place.h"
#include "autoplay/world_model.h"

namespace tq {
class Game;
class ManualClock;
class SoundChannel;
}  // namespace tq

namespace tq::autoplay {

class StepOracle {
 public:
  explicit StepOracle(WorldModel& world);
  ~StepOracle();
  StepOracle(const StepOracle&) = delete;
  StepOracle& operator=(const StepOracle&) = delete;

  struct Stepped {
    Place to;      // where the hero stands after the step
    int paid = 0;  // the gold the step takes: the price of a shop deed
  };
  // Where the key in `dir` takes a hero standing at `from` with `gear`, or nothing when he
  // stays. Every deed counts as affordable: whether to buy is the player's choice, not the
  // purse's, and the answer says what it costs.
  std::optional<Stepped> Step(const Place& from, Dir dir, const Gear& gear);

  // How many steps were worked out afresh, and how many came from what was worked out before.
  std::uint64_t computed() const { return computed_; }
  std::uint64_t reused() const { return reused_; }

 private:
  // What one key does from one cell. Worked out with no way back at all: a step that leads
  // along the way back (out of a store or a dungeon) is marked and worked out again for each way
  // back it meets; every other step keeps the way back it starts with, or sets a new one.
  struct Answer {
    bool known = false;
    bool readsWayBack = false;
    bool keepsWayBack = true;
    std::uint64_t fromVersion = 0;
    int toRoom = 0;
    std::uint64_t toVersion = 0;
    std::optional<Stepped> to;
  };
  // Every key from every cell of one room, for one version of the room and one gear, and the
  // room as it was read for them.
  struct RoomTable {
    std::uint64_t version = 0;
    Gear gear;
    std::vector<Answer> answers;
    RoomFile grid;
  };
  struct WayBackKey {
    Place from;
    Dir dir;
    Gear gear;
    bool operator==(const WayBackKey&) const = default;
  };
  struct WayBackHash {
    std::size_t operator()(const WayBackKey& k) const;
  };

  // A room as the game sees it once read: with the corrections the game makes to some rooms,
  // as the hero finds it when he enters, and as he can walk it once inside.
  struct Corrected {
    std::uint64_t version = 0;
    int questStage = -1;
    RoomFile entered, inside;
  };
  const RoomFile* CorrectedRoom(int room, int questStage, bool entering);
  // Brings a room's answers to its new version: those from cells near a changed cell are worked
  // out again when next asked, the others stand.
  void Update(RoomTable& table, int room, std::uint64_t version);
  Answer Work(const Place& from, Dir dir, const Gear& gear);
  // The world model's version of a room, told apart once more by whether the hero is in it.
  std::uint64_t VersionOf(int room);
  // True when neither room the answer looked at has changed since.
  bool Current(const Answer& a, int fromRoom);

  WorldModel& world_;
  std::unique_ptr<ManualClock> clock_;
  std::unique_ptr<SoundChannel> silent_;
  std::unique_ptr<Game> window_;  // where the steps are worked out
  std::unique_ptr<Game> reader_;  // where rooms are read and corrected
  std::vector<RoomTable> tables_;
  std::vector<Corrected> corrected_;
  std::unordered_map<WayBackKey, Answer, WayBackHash> wayBack_;
  std::uint64_t computed_ = 0, reused_ = 0;
};

}  // namespace tq::autoplay
