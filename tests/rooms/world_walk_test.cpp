// A long walk through a freshly built world with the shipped rooms: the hero always stands where
// the view fits, the view shows the room he is in, no room fails to read or write, and the game
// saved anywhere on the way reads back.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "game/game.h"
#include "kit/headless_game.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace tq {
namespace {

TEST(WorldWalk, TheHeroStaysInsideAndTheViewShowsHisRoom) {
  kit::HeadlessGame h(true);
  Game& g = h.game();
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  h.Advance(1200);
  ASSERT_FALSE(g.tmrBEGIN.Enabled());
  g.tmrANIMATE.setEnabled(false);  // only the keys move anything here
  // Every key and the Fish Book, so the walk reaches far.
  for (int slot : {2, 5, 6, 7, 8}) g.imgTOOL[slot].Visible = true;

  std::mt19937 pick(20240601);
  std::uniform_int_distribution<int> arrow(37, 40);
  std::set<std::int64_t> rooms;
  for (int step = 0; step < 4000; ++step) {
    g.Gold = 0;  // no shopping: the deeds stay where they are
    g.Life = 10;
    h.Press(arrow(pick));
    SCOPED_TRACE(Join("step ", step, " room ", g.RoomNumber, " at ", g.HeroRow, ",", g.HeroCol));
    ASSERT_NE(g.lblMESSAGE.ForeColor, 0x0000FFu) << g.lblMESSAGE.Caption;
    ASSERT_GE(g.HeroRow, 2);
    ASSERT_LE(g.HeroRow, 10);
    ASSERT_GE(g.HeroCol, 2);
    ASSERT_LE(g.HeroCol, 10);
    RoomFile room;
    ASSERT_FALSE(ReadRoomFile(RoomFilePath(g.GamePath, g.RoomNumber), room));
    const std::string& underfoot = room.tags[static_cast<std::size_t>(g.HeroRow.num())]
                                            [static_cast<std::size_t>(g.HeroCol.num())];
    if (underfoot != "FLOOR") {
      ASSERT_EQ(g.IMGgrid[12].Tag, underfoot);
    }
    rooms.insert(g.RoomNumber.num());
    // Whatever the walk has made of the game, its save reads back whole.
    if (step % 250 == 0) {
      ASSERT_EQ(SaveGame(g).message, "");
      SavedGame saved;
      ASSERT_EQ(ReadSavedGame(g.GamePath, saved), std::nullopt);
    }
  }
  EXPECT_GE(rooms.size(), 10u);  // the walk did cross rooms
}

}  // namespace
}  // namespace tq
