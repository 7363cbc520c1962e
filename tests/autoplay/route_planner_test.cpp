// The planner on real new worlds: the step oracle agrees with the game on every key of a long
// random walk, keeps only what a changed room leaves true, and a planned route from the home into
// the general store buys the torch, every key landing where the route said.
#include "autoplay/route_planner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "autoplay/caution.h"
#include "autoplay/step_oracle.h"
#include "autoplay/world_model.h"
#include "game/game.h"
#include "kit/headless_game.h"
#include "world/room_file.h"

namespace tq::autoplay {
namespace {

// A new world built from the shipped rooms, the hero at home.
class PlannedWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.ClickOn(g.mnuNEW));
    h.Advance(2000);
    ASSERT_FALSE(g.picSTART.Visible);
  }
  kit::HeadlessGame h{true};
  Game& g = h.game();
  WorldModel world{h.folder() / "Files"};
  StepOracle oracle{world};
  RoutePlanner planner{world, oracle};
};

TEST_F(PlannedWorld, TheOracleAgreesWithTheGameOnEveryKey) {
  g.tmrANIMATE.setEnabled(false);  // only the keys move anything
  // Every key and the Fish Book, so the walk reaches doors, water and currents.
  for (ItemSlot item : {ItemSlot::GoldKey, ItemSlot::RedKey, ItemSlot::PurpleKey,
                        ItemSlot::FishBook, ItemSlot::Torch}) {
    g.slot(item).Visible = true;
  }
  std::mt19937 pick(20240607);
  std::uniform_int_distribution<int> anyDir(0, 3);
  int moves = 0, rooms = 0;
  for (int key = 0; key < 3000; ++key) {
    g.Gold = 100000;  // every deed affordable, as the oracle counts them
    const Dir d = kDirs[static_cast<std::size_t>(anyDir(pick))];
    const Place from = PlaceOf(g);
    const auto predicted = oracle.Step(from, d, GearOf(g));
    h.Advance(100);
    h.Press(KeyOf(d));
    world.Refresh(static_cast<int>(g.RoomNumber.num()));
    const Place to = PlaceOf(g);
    SCOPED_TRACE(CellText(from) + " key " + FacingOf(d));
    ASSERT_EQ(to, predicted ? predicted->to : from) << CellText(to);
    if (predicted) {
      ++moves;
      rooms += to.room != from.room;
    }
  }
  EXPECT_GT(moves, 1500);
  EXPECT_GT(rooms, 20);
}

// What the oracle worked out for a room stands through changes that cannot reach it: after each
// change every key from every cell of the room answers as an oracle that never saw the room. A
// monster blocks the way in the hero's room only, and where he would arrive in another room.
TEST_F(PlannedWorld, AChangedRoomAnswersAsIfSeenAfresh) {
  const Place home = PlaceOf(g);
  const Gear gear = GearOf(g);
  const std::string file = (h.folder() / "Files" / ("ROOM" + std::to_string(home.room))).string();
  const auto at = [&](int room, int row, int col) {
    Place p = home;
    p.room = room;
    p.row = row;
    p.col = col;
    return p;
  };
  const auto answers = [&](StepOracle& o, int room) {
    std::vector<std::optional<Place>> all;
    for (int r = 0; r < kRoomSize; ++r) {
      for (int c = 0; c < kRoomSize; ++c) {
        for (Dir d : kDirs) {
          const auto step = o.Step(at(room, r, c), d, gear);
          all.push_back(step ? std::optional<Place>(step->to) : std::nullopt);
        }
      }
    }
    return all;
  };
  const auto expectFresh = [&](const char* what) {
    SCOPED_TRACE(what);
    StepOracle fresh(world);
    EXPECT_EQ(answers(oracle, home.room), answers(fresh, home.room));
  };
  RoomFile room;
  ASSERT_FALSE(ReadRoomFile(file, room));
  int heroIn = home.room;  // the room the world model last saw the hero in
  const auto change = [&](int row, int col, const char* tag) {
    room.tags[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = tag;
    ASSERT_FALSE(WriteRoomFile(file, room));
    world.Refresh(home.room);
    world.Refresh(heroIn);
  };
  // Two floor cells side by side in the yard, well inside the room.
  int row = 0, col = 0;
  for (int r = 4; r <= 8 && row == 0; ++r) {
    for (int c = 4; c <= 7; ++c) {
      if (world.Tag(home.room, r, c) == "FLOOR" && world.Tag(home.room, r, c + 1) == "FLOOR") {
        row = r;
        col = c;
        break;
      }
    }
  }
  ASSERT_NE(row, 0) << "no floor in the home's yard";

  world.Refresh(home.room);
  answers(oracle, home.room);
  change(row, col + 1, "WYVERN");
  expectFresh("a monster in the hero's room");
  EXPECT_FALSE(oracle.Step(at(home.room, row, col), Dir::Right, gear));
  change(row, col + 1, "FLOOR");
  change(row, col, "WYVERN");
  expectFresh("the monster steps aside");
  change(row, col + 1, "CRATE");
  expectFresh("a crate beside it");

  // The hero in the next room: the home's monster waits, and only where he would arrive it
  // keeps him out.
  std::optional<std::pair<Place, Dir>> entry;
  for (int n : {home.room - 1, home.room + 1, home.room - 10, home.room + 10}) {
    heroIn = n;
    world.Refresh(n);
    for (int r = 0; r < kRoomSize && !entry; ++r) {
      for (int c = 0; c < kRoomSize && !entry; ++c) {
        for (Dir d : kDirs) {
          const auto step = oracle.Step(at(n, r, c), d, gear);
          if (step && step->to.room == home.room) {
            entry = {{at(n, r, c), d}};
            change(step->to.row, step->to.col, "WYVERN");
            break;
          }
        }
      }
    }
    if (entry) break;
  }
  ASSERT_TRUE(entry) << "no way into the home";
  expectFresh("the hero next door");
  EXPECT_FALSE(oracle.Step(entry->first, entry->second, gear));
  EXPECT_TRUE(oracle.Step(at(home.room, row, col - 1), Dir::Right, gear));
}

TEST_F(PlannedWorld, ARouteFromTheHomeBuysTheTorchInTheGeneralStore) {
  g.Gold = 60;
  const Caution caution = Caution::Of(g);
  RouteRules rules;
  rules.stepCost = [&](const Place& at, const std::string& tag) {
    return StepCost(caution, at, tag);
  };
  rules.isGoal = [&](const Place& at) {
    return at.room == 401 && world.Tag(at.room, at.row, at.col) == "TORCH";
  };
  const auto route = planner.Find(PlaceOf(g), GearOf(g), rules);
  ASSERT_TRUE(route);
  EXPECT_EQ(route->paid, 50);
  // In by the door: the first place in the store is its doorway, and the way back is the
  // square in front of the door.
  const auto inside = std::find_if(route->stops.begin(), route->stops.end(),
                                   [](const Place& p) { return p.room == 401; });
  ASSERT_NE(inside, route->stops.end());
  EXPECT_EQ(inside->row, 10);
  EXPECT_EQ(inside->col, 6);
  EXPECT_EQ(inside->retRow, 8);
  EXPECT_EQ(world.Tag(inside->retRoom, 7, 6), "DOOR");

  for (std::size_t i = 0; i + 1 < route->stops.size(); ++i) {
    const Place& p = route->stops[i];
    EXPECT_FALSE(ShopDeed(world.Tag(p.room, p.row, p.col))) << "a deed crossed at key " << i;
  }

  for (std::size_t i = 0; i < route->keys.size(); ++i) {
    h.Advance(100);
    h.Press(KeyOf(route->keys[i]));
    world.Refresh(static_cast<int>(g.RoomNumber.num()));
    ASSERT_EQ(PlaceOf(g), route->stops[i]) << "key " << i;
  }
  EXPECT_TRUE(g.owns(ItemSlot::Torch));
  EXPECT_EQ(g.Gold, 10);
  EXPECT_EQ(g.lblMESSAGE.Caption, "You bought a Torch! With this you can see inside dark places.");
}

}  // namespace
}  // namespace tq::autoplay
