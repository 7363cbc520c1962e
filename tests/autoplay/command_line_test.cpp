// tq_autoplay's command line: what it accepts, and a clear word for everything it refuses.
#include "autoplay/command_line.h"

#include <gtest/gtest.h>

namespace tq::autoplay {
namespace {

TEST(CommandLine, ReadsAPlayAndAReplay) {
  CommandLine play;
  ASSERT_FALSE(ParseCommandLine({"game", "--seed", "42", "--max-minutes", "30", "--until", "torch",
                                 "--log", "run.log", "--record", "run.replay"},
                                play));
  EXPECT_EQ(play.gameFolder, "game");
  EXPECT_EQ(play.seed, 42);
  EXPECT_EQ(play.maxMinutes, 30);
  EXPECT_EQ(play.until, "torch");
  EXPECT_EQ(play.logFile, "run.log");
  EXPECT_EQ(play.recordFile, "run.replay");

  CommandLine replay;
  ASSERT_FALSE(ParseCommandLine({"--replay", "won.replay", "game"}, replay));
  EXPECT_EQ(replay.gameFolder, "game");
  EXPECT_EQ(replay.replayFile, "won.replay");
  EXPECT_FALSE(replay.seed);
  EXPECT_EQ(replay.maxMinutes, 180);
}

TEST(CommandLine, RefusesWhatItCannotDoAndSaysWhy) {
  const struct Case {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{}, "the game folder is missing"},
      {{"game"}, "give either --seed or --replay"},
      {{"game", "--seed", "1", "--replay", "r"}, "give either --seed or --replay"},
      {{"game", "--seed"}, "--seed needs a value"},
      {{"game", "--seed", "12x"}, "--seed takes a whole number, not \"12x\""},
      {{"game", "--seed", "1", "--max-minutes", "0"}, "--max-minutes takes a whole number"},
      {{"game", "--seed", "1", "--until", "sword"}, "--until takes one of torch, magicbag"},
      {{"game", "--replay", "r", "--record", "x"}, "go with --seed, not with --replay"},
      {{"game", "--seed", "1", "--fast"}, "unknown option --fast"},
      {{"game", "other", "--seed", "1"}, "one game folder only; \"other\" is a second"},
  };
  for (const Case& c : cases) {
    CommandLine out;
    const auto error = ParseCommandLine(c.args, out);
    ASSERT_TRUE(error) << c.says;
    EXPECT_NE(error->find(c.says), std::string::npos) << *error;
  }
}

}  // namespace
}  // namespace tq::autoplay
