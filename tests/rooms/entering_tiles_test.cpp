// Whether the hero may stand on the target: walkable tiles, shop prices, currents and the
// Fish Book, and the secret tree.
#include "hero_fixture.h"

namespace tq {
namespace {

using kit::RoomBuilder;

class EnteringTilesTest : public HeroTest {};

TEST_F(EnteringTilesTest, ADeedIsBoughtWithExactlyEnoughGoldAndRefusedWithOneLess) {
  RoomBuilder(kit::kWood).Set(5, 6, "TORCH").WriteTo(h, 401);
  PlaceHero(401, 6, 6);
  g.Gold = 49;
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "401:6,6");
  EXPECT_EQ(g.Gold, 49);
  EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
  EXPECT_TRUE(h.mm1().calls().empty());

  g.Gold = 50;
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "401:5,6");
  EXPECT_EQ(g.Gold, 0);
  EXPECT_TRUE(g.imgTOOL[2].Visible);
  EXPECT_EQ(g.lblMESSAGE.Caption, "You bought a Torch! With this you can see inside dark places.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/buy.wav"}));
  EXPECT_EQ(kit::ReadRoom(h, 401).tags[5][6], "TORCH");  // the deed stays for sale
}

TEST_F(EnteringTilesTest, ADeedOnTheOuterRingOfADamagedRoomIsNotSold) {
  // The hero could never stand there, so he must not pay for it either.
  RoomBuilder(kit::kWood).Set(1, 6, "TORCH").WriteTo(h, 401);
  PlaceHero(401, 2, 6);
  g.Gold = 50;
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "401:2,6");
  EXPECT_EQ(g.Gold, 50);
  EXPECT_FALSE(g.imgTOOL[2].Visible);
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x123456u);
  EXPECT_TRUE(h.mm1().calls().empty());
}

TEST_F(EnteringTilesTest, ACurrentCarriesTheSwimmerOnInHisOwnDirection) {
  RoomBuilder()
      .Set(6, 5, "NORTH")
      .Set(6, 4, "WATER")
      .Set(8, 5, "NORTH")
      .Set(8, 4, "TREE")
      .WriteTo(h, 45);
  for (bool book : {false, true}) {
    g.imgTOOL[5].Visible = book;
    PlaceHero(45, 6, 6);
    h.Press(kKeyLeft);
    EXPECT_EQ(Where(), book ? "45:6,4" : "45:6,6");
    EXPECT_EQ(g.InWater, book ? 1 : 0);
    EXPECT_EQ(h.mm2().played(), book ? Paths({"sounds/splash.wav"}) : Paths({}));
    PlaceHero(45, 8, 6);
    h.Press(kKeyLeft);
    EXPECT_EQ(Where(), "45:8,6");
  }

  // Every redraw while swimming splashes again.
  PlaceHero(45, 6, 4);
  g.Facing = "XXX";
  MoveHero(g);
  EXPECT_EQ(h.mm2().played(), Paths({"sounds/splash.wav"}));
  EXPECT_EQ(g.InWater, 1);
}

TEST_F(EnteringTilesTest, AShopDeedUnderfootIsChargedAgainOnARedrawButNotOnAMonstersRedraw) {
  RoomBuilder(kit::kWood).Set(6, 6, "POWER").WriteTo(h, 403);
  g.Gold = 10;
  g.Strength = 1;
  PlaceHero(403, 6, 6);  // a load right onto the deed
  EXPECT_EQ(g.Gold, 7);
  EXPECT_EQ(g.Strength, 20);
  // A monster's redraw gives nothing underfoot, so it takes nothing either.
  g.Strength = 1;
  g.EnterMode = 1;
  MoveHero(g);
  EXPECT_EQ(g.Gold, 7);
  EXPECT_EQ(g.Strength, 1);
  EXPECT_EQ(g.EnterMode, 0);

  // Too poor to pay: a load onto the deed shows the room but gives nothing for free.
  g.Gold = 2;
  g.Strength = 1;
  h.mm1().clear();
  PlaceHero(403, 6, 6);
  EXPECT_EQ(Where(), "403:6,6");
  EXPECT_EQ(g.Gold, 2);
  EXPECT_EQ(g.Strength, 1);
  EXPECT_TRUE(h.mm1().played().empty());
}

}  // namespace
}  // namespace tq
