// The whole window under a restless player: thousands of random clicks anywhere in the client
// area, keys and waits, through new games, loads, saves, pauses and maps, on the shipped rooms.
// Nothing may crash, no file may fail, and the hero always stands where the view fits. The
// monsters chase and strike him meanwhile: his life stays within its bounds and every monster
// keeps inside the ring of its room.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "game/game.h"
#include "game/monster_table.h"
#include "kit/headless_game.h"
#include "shell/input.h"
#include "world/room_file.h"

namespace tq {
namespace {

// Where the monster of the room the hero is in stands, as its file says (row * 13 + column, or
// -1 for none); fails the test on a file that does not read whole.
int MonsterSpot(Game& g) {
  RoomFile room;
  const auto error = ReadRoomFile(RoomFilePath(g.GamePath, g.RoomNumber), room);
  EXPECT_FALSE(error) << *error;
  int spot = -1;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      if (!IsMonster(room.tags[r][c])) continue;
      EXPECT_TRUE(r >= 1 && r <= 11 && c >= 1 && c <= 11)
          << room.tags[r][c] << " " << r << "," << c;
      spot = r * kRoomSize + c;
    }
  }
  return spot;
}

TEST(WholeWindow, SurvivesARestlessPlayer) {
  kit::HeadlessGame h(true);
  Game& g = h.game();
  g.unload = [] {};  // the EXIT button is clicked now and then; the window must stay to be tested
  // A first game, so that there is always a saved game to load.
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  h.Advance(1200);

  std::mt19937 pick(7);
  std::uniform_int_distribution<int> x(0, 6479), y(0, 6284), wait(0, 700), what(0, 9);
  std::uniform_int_distribution<int> key(37, 41);  // the arrows, and 41 for the space bar
  int clicks = 0, keys = 0, heading = 38, swinging = 0, steps = 0;
  Value room = g.RoomNumber;
  int spot = MonsterSpot(g);
  for (int event = 0; event < 10000; ++event) {
    const int w = what(pick);
    if (w == 0 && g.fraMAP.Visible) {
      h.ClickOn(g.imgMAP2);  // a player closes the map again before long
    } else if (w == 0 && g.mnuPAUSE.Tag == "Unpause") {
      h.ClickOn(g.mnuPAUSE);  // and unpauses
    } else if (w == 0 && g.mnuLOAD.Enabled && g.Life == 0) {
      h.ClickOn(g.mnuLOAD);  // and plays on after a death
    } else if (w < 2) {
      ClickAt(g, x(pick), y(pick));
      ++clicks;
    } else if (w < 8) {
      // A player walks a while in one direction before turning.
      if (what(pick) == 0) heading = key(pick);
      h.Press(heading == 41 ? 32 : heading);
      ++keys;
    } else {
      h.Advance(wait(pick));
    }
    g.unloaded = false;
    SCOPED_TRACE(Join("event ", event, " room ", g.RoomNumber, " at ", g.HeroRow, ",", g.HeroCol));
    // Red is the colour of death, and otherwise of a file the game could not read or write.
    const std::string& caption = g.lblMESSAGE.Caption;
    const bool died = caption.ends_with("TARVO DIED!");
    ASSERT_TRUE(g.lblMESSAGE.ForeColor != 0x0000FFu || died) << caption;
    if (!g.picSTART.Visible && g.RoomNumber > 0) {
      ASSERT_GE(g.HeroRow, 2);
      ASSERT_LE(g.HeroRow, 10);
      ASSERT_GE(g.HeroCol, 2);
      ASSERT_LE(g.HeroCol, 10);
      // The main tick is only ever off while a swing, the hurt frames or the ending run.
      if (g.Life > 0) {
        ASSERT_TRUE(g.tmrANIMATE.Enabled() || g.tmrATTACK.Enabled() || g.tmrGUYHIT.Enabled() ||
                    g.tmrEND.Enabled());
      }
      ASSERT_GE(g.Life, 0);
      ASSERT_LE(g.Life, g.MaxLife);
      const int now = MonsterSpot(g);
      if (g.RoomNumber == room && now != spot && now >= 0 && spot >= 0) ++steps;
      room = g.RoomNumber;
      spot = now;
    }
    if (g.tmrATTACK.Enabled() || g.tmrBREAK.Enabled()) ++swinging;
  }
  for (const auto& file : std::filesystem::directory_iterator(h.folder() / "Files")) {
    if (!file.path().filename().string().starts_with("ROOM")) continue;
    RoomFile whole;
    const auto error = ReadRoomFile(file.path().string(), whole);
    EXPECT_FALSE(error) << *error;
  }
  // The hurt sounds count the blows, the death sound the deaths.
  const auto count = [](const RecordingChannel& channel, const std::string& tail) {
    int n = 0;
    for (const std::string& path : channel.played()) n += path.ends_with(tail) ? 1 : 0;
    return n;
  };
  const int blows =
      count(h.mm2(), "OW1.wav") + count(h.mm2(), "OW2.wav") + count(h.mm2(), "OW3.wav");
  EXPECT_GT(steps, 20);
  EXPECT_GT(blows, 5);
  EXPECT_GT(count(h.mm1(), "DEAD.wav"), 0);
  RecordProperty("monster steps", steps);
  RecordProperty("blows", blows);
  RecordProperty("blocks", count(h.mm2(), "OW0.wav"));
  RecordProperty("deaths", count(h.mm1(), "DEAD.wav"));
  EXPECT_GT(clicks, 800);
  EXPECT_GT(keys, 2500);
  EXPECT_GT(swinging, 100) << "the sword was hardly swung";
  EXPECT_GT(g.RoomNumber, 0) << "no game was ever started";
}

}  // namespace
}  // namespace tq
