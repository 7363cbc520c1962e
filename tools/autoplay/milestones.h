// The milestones of a game, as the player notes them: gold gathered, what was bought and found,
// symbols, sword pieces, the shirt, the SHADOW BOSS, VEV, the end picture and every death.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tq {
class Game;
}

namespace tq::autoplay {

// The game is won: the ending has run and its picture covers the window.
bool EndPictureShows(const Game& g);

class Milestones {
 public:
  // What is new since the last look, one line per milestone.
  std::vector<std::string> Observe(const Game& g);
  // After a LOAD or a new world the values jump; they become the ground to compare with.
  void Rebase(const Game& g);
  std::int64_t goldGathered() const { return gathered_; }

 private:
  struct Seen {
    std::int64_t gold = 0, maxLife = 0, maxStrength = 0, pieces = 0, swordKind = 0, stage = 0,
                 life = 0;
    std::array<bool, 10> items{};
    bool bag = false, shirt = false, ending = false, endShown = false;
  };
  static Seen Look(const Game& g);

  bool started_ = false;
  Seen last_;
  std::int64_t gathered_ = 0;
  std::int64_t nextGoldMark_ = kGoldMark;
  static constexpr std::int64_t kGoldMark = 50;
};

}  // namespace tq::autoplay
