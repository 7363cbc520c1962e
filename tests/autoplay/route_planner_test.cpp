// The planner on real new worlds: the step oracle agrees with the game on every key of a long
// random walk, and a planned route from the home into the general store buys the torch, every
// key landing where the route said.
#include "autoplay/route_planner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "autoplay/caution.h"
#include "autoplay/step_oracle.h"
#include "autoplay/world_model.h"
#include "game/game.h"
#include "kit/headless_game.h"

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
