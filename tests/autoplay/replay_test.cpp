// Replays: a recorded game reads back as it was written, plays again the same, and stops at the
// first input that plays differently, whatever changed: the seed, a shipped room, a digest.
#include "autoplay/replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "autoplay/session.h"
#include "game/key_codes.h"
#include "kit/file_bytes.h"
#include "kit/headless_game.h"

namespace tq::autoplay {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(TQ_SOURCE_DIR) / "data";

// A short game by hand: NEW, the world built, a few steps through the home's yard.
Replay ShortGame(const fs::path& folder, std::int64_t seed) {
  std::string error;
  auto s = Session::Open(folder, seed, error);
  EXPECT_TRUE(s) << error;
  if (!s) return {};
  s->WaitUntil(1000);
  s->Click("mnuNEW");
  std::int64_t t = 2300;
  for (int key : {kKeyRight, kKeyRight, kKeyUp, kKeyDown, kKeyLeft, kKeyDown}) {
    s->WaitUntil(t);
    s->Press(key);
    t += 150;
  }
  s->WaitUntil(t + 2000);
  s->End();
  return ReplayOf(*s, "a short walk");
}

TEST(ReplayFile, ReadsBackWhatWasWrittenAndPlaysTheSameGame) {
  const Replay written = ShortGame(kShipped, 5);
  ASSERT_EQ(written.records.size(), 8u);
  Replay read;
  ASSERT_FALSE(ParseReplay(ReplayText(written), "short.replay", read));
  EXPECT_EQ(read.seed, 5);
  EXPECT_EQ(read.result, "a short walk");
  ASSERT_EQ(read.records.size(), written.records.size());
  for (std::size_t i = 0; i < read.records.size(); ++i) {
    EXPECT_EQ(read.records[i].atMs, written.records[i].atMs);
    EXPECT_EQ(read.records[i].input, written.records[i].input);
    EXPECT_EQ(read.records[i].after, written.records[i].after);
  }
  EXPECT_EQ(ReplayText(read), ReplayText(written));

  const ReplayCheck check = RunReplay(kShipped, read);
  EXPECT_TRUE(check.same) << check.message;
  EXPECT_EQ(check.inputsPlayed, 8u);
}

TEST(ReplayFile, ADamagedFileIsRefusedWithItsLineAndWhy) {
  const std::string digest =
      "room=0 at=1,6 gold=0 life=10 vars=00000000 view=00000000 items=00000000 "
      "controls=00000000 status=00000000 message=00000000 map=00000000 file=00000000 "
      "sound=00000000";
  const std::string head = "tarvoquest replay 1\nseed 3\n";
  struct Case {
    const char* name;
    std::string text;
    const char* says;
  } cases[] = {
      {"no header", "seed 3\n1000 click mnuNEW = " + digest + "\n", "line 1: not a replay"},
      {"no seed", "tarvoquest replay 1\n1000 key 38 = " + digest + "\n",
       "line 2: expected \"seed N\""},
      {"no inputs", head, "holds no inputs"},
      {"time runs back", head + "900 key 38 = " + digest + "\n800 key 38 = " + digest + "\n",
       "line 4: the time is missing or runs backwards"},
      {"no time", head + "key 38 = " + digest + "\n", "line 3: the time"},
      {"unknown input", head + "900 kick 38 = " + digest + "\n", "line 3: unknown input"},
      {"no digest", head + "900 key 38\n", "line 3: expected"},
      {"short digest", head + "900 key 38 = room=0 at=1,6\n", "line 3: the digest is damaged"},
      {"bad hash", head + "900 key 38 = " + digest.substr(0, digest.size() - 1) + "z\n",
       "line 3: the digest is damaged"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Replay out;
    const auto error = ParseReplay(c.text, "bad.replay", out);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("bad.replay"), std::string::npos) << *error;
    EXPECT_NE(error->find(c.says), std::string::npos) << *error;
  }
}

TEST(Replay, StopsAtTheFirstInputThatPlaysDifferently) {
  const Replay recorded = ShortGame(kShipped, 5);
  ASSERT_EQ(recorded.records.size(), 8u);
  struct Case {
    const char* name;
    std::function<void(Replay&, const fs::path& folder)> change;
    const char* failsAt;  // the input, its time and what differs
    const char* differs;
  } cases[] = {
      // The clock starts at another time of day: the world is drawn otherwise, which the first
      // key after NEW shows.
      {"another seed", [](Replay& r, const fs::path&) { r.seed = 6; },
       "input 2 of 8 (key 39 at 0:02.300) differs", "vars"},
      // A bag of gold in the home's yard, right where the first key steps: the step takes it,
      // so gold, view, message and sound differ, while the room's file ends as it would have.
      {"a changed room",
       [](Replay&, const fs::path& folder) {
         const fs::path home = folder / "Files" / "ROOM206";
         std::string bytes = kit::Slurp(home);
         const std::size_t cell = 8 * 13 + 7;  // (8,7): the floor right of the start
         std::size_t at = 0;
         for (std::size_t line = 0; line < cell; ++line) at = bytes.find('\n', at) + 1;
         ASSERT_EQ(bytes.substr(at, 7), "\"FLOOR\"");
         bytes.replace(at, 7, "\"BAG\"");
         kit::Spit(home, bytes);
       },
       "input 2 of 8 (key 39 at 0:02.300) differs", "differs in vars, view, message, sound"},
      // A digest that no game gives, late in the record.
      {"a wrong digest", [](Replay& r, const fs::path&) { r.records[6].after.parts[3] ^= 1; },
       "input 7 of 8 (key 40 at 0:03.050) differs", "differs in controls"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kit::TempFolder folder;
    fs::copy(kShipped / "Files", folder.path() / "Files", fs::copy_options::recursive);
    Replay replay = recorded;
    c.change(replay, folder.path());
    const ReplayCheck check = RunReplay(folder.path(), replay);
    EXPECT_FALSE(check.same);
    EXPECT_NE(check.message.find(c.failsAt), std::string::npos) << check.message;
    EXPECT_NE(check.message.find(c.differs), std::string::npos) << check.message;
  }
}

}  // namespace
}  // namespace tq::autoplay
