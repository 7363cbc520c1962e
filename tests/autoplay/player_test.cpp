// The player from NEW: it gathers gold and buys the torch through keys and clicks alone (a monster
// in the way is fought with the space bar), the same seed plays the same game to the byte, and
// its record replays.
#include "autoplay/player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "autoplay/replay.h"
#include "autoplay/session.h"
#include "game/game.h"

namespace tq::autoplay {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(TQ_SOURCE_DIR) / "data";

struct PlayedGame {
  std::string out;
  PlayResult result;
  Replay replay;
  bool torch = false;
};

PlayedGame PlayUntilTheTorch(std::int64_t seed) {
  std::string error;
  auto session = Session::Open(kShipped, seed, error);
  EXPECT_TRUE(session) << error;
  if (!session) return {};
  std::ostringstream out;
  PlayerOptions options;
  options.until = "torch";
  options.maxGameMs = 10 * 60 * 1000;
  Player player(*session, options, out, nullptr);
  PlayedGame run;
  run.result = player.Play();
  run.out = out.str();
  run.replay = ReplayOf(*session, run.result.lastLine);
  run.torch = session->game().owns(ItemSlot::Torch);
  return run;
}

TEST(Player, BuysTheTorchFromNewTheSameWayEveryTime) {
  const PlayedGame first = PlayUntilTheTorch(11);
  ASSERT_TRUE(first.result.success) << first.out << first.result.lastLine;
  EXPECT_TRUE(first.torch);
  EXPECT_EQ(first.result.lastLine.rfind("reached the torch in ", 0), 0u) << first.result.lastLine;
  EXPECT_NE(first.out.find("a new world: home in room "), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("got the TORCH in room 40"), std::string::npos) << first.out;
  // NEW, then only arrow keys, the space bar and clicks on the toolbar.
  EXPECT_EQ(InputText(first.replay.records.front().input), "click mnuNEW");
  for (const InputRecord& r : first.replay.records) {
    const bool key = r.input.kind == Input::Kind::Key &&
                     ((r.input.key >= 37 && r.input.key <= 40) || r.input.key == 32);
    const bool toolbar = r.input.kind == Input::Kind::Click && r.input.control.rfind("mnu", 0) == 0;
    EXPECT_TRUE(key || toolbar || r.input.kind == Input::Kind::End) << InputText(r.input);
  }

  const PlayedGame second = PlayUntilTheTorch(11);
  EXPECT_EQ(second.out, first.out);
  EXPECT_EQ(second.result.lastLine, first.result.lastLine);
  EXPECT_EQ(ReplayText(second.replay), ReplayText(first.replay));

  const ReplayCheck check = RunReplay(kShipped, first.replay);
  EXPECT_TRUE(check.same) << check.message;
}

}  // namespace
}  // namespace tq::autoplay
