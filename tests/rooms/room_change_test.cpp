// Room changes: edge exits, ladders and the secret tree, stores, dungeon holes, the RUINSTONE,
// locked doors, and what a change does to music, rain, the save button and the map.
#include "hero_fixture.h"

namespace tq {
namespace {

using kit::RoomBuilder;

class RoomChangeTest : public HeroTest {
 protected:
  void Room(int n, RoomBuilder b = RoomBuilder()) { b.WithExits().WriteTo(h, n); }
};

TEST_F(RoomChangeTest, EdgeExitsLeadToTheNeighbourOnEachSide) {
  for (int n : {35, 44, 45, 46, 55}) Room(n);
  struct Case {
    int row, col, key;
    const char* arrival;
  } cases[] = {{10, 6, kKeyDown, "55:2,6"},
               {2, 6, kKeyUp, "35:10,6"},
               {6, 2, kKeyLeft, "44:6,10"},
               {6, 10, kKeyRight, "46:6,2"}};
  for (const Case& c : cases) {
    PlaceHero(45, c.row, c.col);
    g.EnemyHP = 7;
    h.Press(c.key);
    EXPECT_EQ(Where(), c.arrival);
    EXPECT_EQ(g.lblMESSAGE.Caption, "");
    EXPECT_EQ(g.EnemyHP, 0);
    EXPECT_TRUE(h.mm3().calls().empty());  // the music goes on
  }
}

TEST_F(RoomChangeTest, WestExitOfRoom520LeadsToAFixedSpotOfRoom519AndKeepsTheMessage) {
  Room(520, RoomBuilder(kit::kDirt));
  Room(519, RoomBuilder(kit::kDirt).Set(6, 10, "WALL"));  // the room mends that spot itself
  PlaceHero(520, 6, 2);
  g.EnemyHP = 4;
  h.Press(kKeyLeft);
  EXPECT_EQ(Where(), "519:6,10");
  EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
  EXPECT_EQ(g.EnemyHP, 4);
}

TEST_F(RoomChangeTest, RedrawsFireNoRoomRule) {
  Room(45, RoomBuilder().Set(7, 6, "DOOR"));
  Room(401, RoomBuilder(kit::kWood));
  PlaceHero(45, 8, 6);
  g.Facing = "REAR";
  g.EnterMode = 1;  // a monster's step
  MoveHero(g);
  g.Facing = "XXX";
  MoveHero(g);
  EXPECT_EQ(Where(), "45:8,6");
  EXPECT_EQ(g.EnterMode, 0);
  EXPECT_TRUE(h.mm1().calls().empty());
}

TEST_F(RoomChangeTest, LadderDownAndUpThroughTheSecretTree) {
  Room(45, RoomBuilder().Set(5, 6, "LADDERDOWN").Set(4, 4, "STREE"));
  Room(345, RoomBuilder(kit::kDirt).Set(4, 4, "LADDERUP"));
  PlaceHero(45, 6, 6);
  const Value explored = g.ExploredPct;
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "345:5,6");
  EXPECT_EQ(g.GroundType, "DIRT");
  EXPECT_EQ(g.lblMESSAGE.Caption, "You enter a dark cavern below the surface.");  // no torch
  EXPECT_TRUE(h.mm1().calls().empty());
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Underground.mid"}));
  EXPECT_EQ(g.IMGgrid[0].Tag, "BLACK");  // dark without a torch
  EXPECT_TRUE(g.imgMAP[144].Visible);
  EXPECT_EQ(g.ExploredPct, explored);  // only the overland counts

  PlaceHero(345, 4, 5);
  h.Press(kKeyLeft);  // up the ladder onto the secret tree that hides it
  EXPECT_EQ(Where(), "45:4,4");
  EXPECT_EQ(g.IMGgrid[12].Tag, "STREE");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/WILD.WAV"}));
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Overland2.mid"}));
  h.Press(kKeyRight);
  h.Press(kKeyLeft);  // the tree lets him through only once
  EXPECT_EQ(Where(), "45:4,5");
}

TEST_F(RoomChangeTest, GoingDownLightsTheTorchWhereTheRulesSay) {
  Room(45, RoomBuilder().Set(5, 6, "LADDERDOWN"));
  Room(345, RoomBuilder(kit::kDirt));
  Room(739, RoomBuilder(kit::kSnow).Set(5, 6, "LADDERDOWN"));  // over a hideout
  Room(1039, RoomBuilder(kit::kDirt));
  PlaceHero(739, 6, 6);
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "1039:5,6");
  EXPECT_EQ(g.lblMESSAGE.Caption, "You light your torch and the dark cavern illuminates!");
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/lighttorch.wav"}));
  EXPECT_EQ(g.TorchLit, 1);

  g.imgTOOL[2].Visible = true;
  PlaceHero(45, 6, 6);
  h.Press(kKeyUp);
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(g.lblMESSAGE.Caption, "You light your torch and the dark cavern illuminates!");
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/lighttorch.wav"}));
  EXPECT_EQ(g.IMGgrid[0].Tag, "FLOOR");  // the torch shows the whole view
  EXPECT_EQ(g.DarkRoom, 0);
  EXPECT_EQ(g.TorchLit, 1);
}

TEST_F(RoomChangeTest, EachStoreInAndOut) {
  struct Case {
    const char* door;
    int doorRow, store;
    const char* back;  // where the store's south exit leads
    const char* tune;
  } cases[] = {{"DOOR", 7, 401, "45:8,6", "sounds/overland2.mid"},
               {"DOOR2", 7, 402, "45:8,6", "sounds/overland2.mid"},
               {"DOOR3", 6, 403, "45:7,6", "sounds/overland2.mid"},
               {"DOOR4", 8, 404, "45:8,6", "sounds/overland.mid"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.door);
    Room(45, RoomBuilder().Set(c.doorRow, 6, c.door));
    Room(c.store, RoomBuilder(kit::kWood));
    PlaceHero(45, c.doorRow + 1, 6);
    g.EnemyHP = 3;
    h.Press(kKeyUp);
    EXPECT_EQ(Where(), std::to_string(c.store) + ":10,6");
    EXPECT_NE(g.lblMESSAGE.Caption.find("To buy something"), std::string::npos);
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(g.EnemyHP, 0);
    EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/doorslam.WAV", "/SOUNDS/squeak3.wav"}));
    EXPECT_EQ(h.mm3().played(), Paths({"sounds/Store.mid"}));

    h.mm1().clear();
    h.Press(kKeyDown);
    EXPECT_EQ(Where(), c.back);
    EXPECT_EQ(g.GroundType, "GRASS");
    EXPECT_EQ(g.lblMESSAGE.Caption, "");
    // Store 401 turns the ground to grass before the wooden-room slam is tested.
    EXPECT_EQ(h.mm1().played().size(), c.store == 401 ? 1u : 2u);
    EXPECT_EQ(h.mm1().playing(), Full("SOUNDS/doorslam.WAV"));
    EXPECT_EQ(h.mm3().playing(), Full(c.tune));
    EXPECT_EQ(g.Facing, c.store == 404 ? "XXX" : "");
  }
}

TEST_F(RoomChangeTest, HoleIntoAFoulDungeonAndOutAgain) {
  g.imgTOOL[2].Visible = true;
  Room(45, RoomBuilder().Set(7, 6, "HOLE"));
  Room(550, RoomBuilder(kit::kDirt));
  PlaceHero(45, 8, 6);
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "550:10,6");
  EXPECT_EQ(g.ReturnRoom, 45);
  // The torch message replaces the dungeon's greeting, without the torch's own sound.
  EXPECT_EQ(g.lblMESSAGE.Caption, "You light your torch and the dark cavern illuminates!");
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/DUNGEON.mid"}));
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Underground.mid", "sounds/dungeonmusic2.mid"}));

  h.mm1().clear();
  h.mm3().clear();
  h.Press(kKeyDown);
  EXPECT_EQ(Where(), "45:4,10");
  EXPECT_EQ(g.lblMESSAGE.Caption, "");
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/WILD.WAV"}));
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Overland2.mid"}));
}

TEST_F(RoomChangeTest, EveryHoleLeadsToItsDungeonAndItsExitBackToItsOwnSpot) {
  // The torch is owned throughout: a foul dungeon lights it silently, the ice dungeon never.
  g.imgTOOL[2].Visible = true;
  struct Case {
    const char* hole;
    int key, holeRow, holeCol;
    int dungeon, ground;
    const char* back;  // the spot above the return place
    const char* tune;
  } cases[] = {
      {"HOLE", kKeyRight, 8, 7, 550, kit::kDirt, "45:4,10", "sounds/dungeonmusic2.mid"},
      {"HOLE", kKeyUp, 7, 6, 550, kit::kDirt, "45:4,10", "sounds/dungeonmusic2.mid"},
      {"HOLE2", kKeyUp, 7, 6, 520, kit::kDirt, "45:6,6", "sounds/dungeonmusic2.mid"},
      {"HOLE3", kKeyUp, 7, 6, 561, kit::kDirt, "45:7,8", "sounds/dungeonmusic2.mid"},
      {"HOLE5", kKeyUp, 7, 6, 701, kit::kSnow, "45:10,10", "sounds/bossmusic.mid"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hole) + " " + std::to_string(c.key));
    Room(45, RoomBuilder().Set(c.holeRow, c.holeCol, c.hole));
    Room(c.dungeon, RoomBuilder(c.ground));
    PlaceHero(45, 8, 6);
    g.EnemyHP = 3;
    h.Press(c.key);
    EXPECT_EQ(Where(), std::to_string(c.dungeon) + ":10,6");
    EXPECT_EQ(g.ReturnRoom, 45);
    EXPECT_EQ(g.EnemyHP, 0);
    EXPECT_EQ(h.mm3().played(), Paths({"sounds/Underground.mid", c.tune}));
    if (c.dungeon == 701) {
      EXPECT_EQ(g.GroundType, "SNOW");
      EXPECT_EQ(g.lblMESSAGE.Caption,
                "The power of this evil place traps you inside! Fight on, Tarvo!");
      EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/DUNGEON.mid", "SOUNDS/no.wav"}));
    } else {
      EXPECT_EQ(g.lblMESSAGE.Caption, "You light your torch and the dark cavern illuminates!");
      EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/DUNGEON.mid"}));
    }

    h.mm1().clear();
    h.mm3().clear();
    h.Press(kKeyDown);
    EXPECT_EQ(Where(), c.back);
    EXPECT_EQ(g.lblMESSAGE.Caption, "");
    EXPECT_EQ(h.mm3().played(), Paths({"sounds/Overland2.mid"}));
  }
}

TEST_F(RoomChangeTest, ComingUpIntoTheFarNorthKeepsTheStormAway) {
  // A hideout ladder leads up into room 739: the Far North's tune, no birds, and no rain even
  // while a storm is held.
  Room(739, RoomBuilder(kit::kSnow).Set(5, 6, "STREE"));
  Room(1039, RoomBuilder(kit::kDirt).Set(5, 6, "LADDERUP"));
  PlaceHero(1039, 6, 6);
  g.RainTicks = 0;
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "739:5,6");
  EXPECT_TRUE(h.mm1().calls().empty());
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Overland.mid"}));

  PlaceHero(1039, 6, 6);
  g.RainTicks = 40;
  h.Press(kKeyUp);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_FALSE(g.imgRAIN[0].Visible);
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Overland.mid"}));
  EXPECT_EQ(g.lblMESSAGE.Caption, "You return to the fresh air and light.");
}

TEST_F(RoomChangeTest, TheRuinstoneLeadsNorthAndHoldsTheStorm) {
  Room(45, RoomBuilder().Set(7, 6, "RUINSTONE"));
  Room(700, RoomBuilder(kit::kSnow).Set(3, 6, "RUINSTONESNOW"));
  PlaceHero(45, 8, 6);
  g.RainTicks = 120;
  g.tmrRAIN.setEnabled(true);
  for (Control& c : g.imgRAIN) c.Visible = true;
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "700:2,6");
  EXPECT_EQ(g.lblMESSAGE.Caption, "You are in the far north! The Shadow Demons must be close..");
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/SNOWTALK.WAV", "SOUNDS/SDOOR.WAV"}));
  EXPECT_EQ(h.mm3().played(), Paths({"sounds/Overland.mid"}));
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_FALSE(g.imgRAIN[24].Visible);
  EXPECT_EQ(g.RainTicks, 120);

  // Facing the spent stone, every redraw after a monster's step repeats its word.
  g.EnemyHP = 6;
  g.Facing = "";
  g.EnterMode = 1;
  MoveHero(g);
  EXPECT_EQ(g.EnemyHP, 0);
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "The Ruinstone is no longer active. It seems you are stuck in the Far North! Find "
            "the Shadow Demons!");
  EXPECT_EQ(h.mm1().playing(), Full("sounds/no.wav"));
}

TEST_F(RoomChangeTest, AHeldStormResumesOnTheWayBackUp) {
  Room(45, RoomBuilder().Set(5, 6, "STREE"));
  Room(345, RoomBuilder(kit::kDirt).Set(5, 6, "LADDERUP"));
  PlaceHero(345, 6, 6);
  g.RainTicks = 50;
  h.Press(kKeyUp);
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_TRUE(g.imgRAIN[0].Visible);
  EXPECT_EQ(h.mm1().calls().size(), 0u);  // no birds in the rain
  EXPECT_EQ(h.mm3().playing(), Full("sounds/rainthunder.wav"));
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xC0C0C0u);
  EXPECT_EQ(g.lblMESSAGE.Caption, "Rains continue throughout the land.");
}

TEST_F(RoomChangeTest, ColouredDoorsOpenWithTheirKeyOnly) {
  Room(45, RoomBuilder().Set(7, 6, "REDDOOR").Set(8, 7, "PURPLEDOOR"));
  PlaceHero(45, 8, 6);
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "45:8,6");
  EXPECT_EQ(g.lblMESSAGE.Caption, "This door is locked. You need to find a key to open it.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), Paths({"Sounds/LockedDoor.wav"}));

  g.imgTOOL[7].Visible = true;
  g.imgTOOL[8].Visible = true;
  h.mm1().clear();
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "45:6,6");
  EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/doorslam.WAV"}));

  PlaceHero(45, 8, 6);
  h.Press(kKeyRight);  // the purple door opens only up and down
  EXPECT_EQ(Where(), "45:8,6");
  EXPECT_EQ(h.mm1().played(), Paths({"Sounds/LockedDoor.wav"}));
}

TEST_F(RoomChangeTest, RedAndGoldenDoorsOpenFromEverySideWithTheirOwnKeyOnly) {
  struct Door {
    const char* tag;
    int key;    // the tool slot of its key
    int other;  // the slot of a key that does not fit
  } doors[] = {{"REDDOOR", 7, 6}, {"GOLDDOOR", 6, 7}};
  struct Side {
    int key;
    const char* beyond;
  } sides[] = {
      {kKeyUp, "45:4,6"}, {kKeyDown, "45:8,6"}, {kKeyLeft, "45:6,4"}, {kKeyRight, "45:6,8"}};
  for (const Door& d : doors) {
    SCOPED_TRACE(d.tag);
    Room(45, RoomBuilder().Set(5, 6, d.tag).Set(7, 6, d.tag).Set(6, 5, d.tag).Set(6, 7, d.tag));
    for (const Side& side : sides) {
      g.imgTOOL[d.key].Visible = false;
      g.imgTOOL[d.other].Visible = true;
      PlaceHero(45, 6, 6);
      h.Press(side.key);
      EXPECT_EQ(Where(), "45:6,6");
      EXPECT_EQ(h.mm1().played(), Paths({"Sounds/LockedDoor.wav"}));

      g.imgTOOL[d.key].Visible = true;
      PlaceHero(45, 6, 6);
      h.Press(side.key);
      EXPECT_EQ(Where(), side.beyond);
      EXPECT_EQ(h.mm1().played(), Paths({"SOUNDS/doorslam.WAV"}));
      EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
    }
  }
}

TEST_F(RoomChangeTest, MapSquaresAndTheSaveButton) {
  Room(45);
  Room(46);
  Room(704, RoomBuilder(kit::kSnow));
  PlaceHero(45, 6, 10);
  EXPECT_TRUE(g.imgMAP[44].Visible);
  const Value before = g.ExploredPct;
  h.Press(kKeyRight);
  EXPECT_EQ(g.ExploredPct, before + 1);
  EXPECT_EQ(g.lblEXPLORE.Caption, Join("You have explored ", before + 1, "%"));
  PlaceHero(45, 6, 10);
  h.Press(kKeyRight);  // a second visit counts nothing
  EXPECT_EQ(g.ExploredPct, before + 1);

  PlaceHero(704, 6, 6);
  EXPECT_FALSE(g.mnuSAVE.Enabled);
  PlaceHero(46, 6, 6);
  EXPECT_TRUE(g.mnuSAVE.Enabled);
}

TEST_F(RoomChangeTest, ARefusedLandingInTheNextRoomLeavesEverythingAsItWas) {
  // Whatever stands on the landing cell (a monster that walked there, a tree, a deed the hero
  // cannot pay for), the step through the exit is refused whole, as a blocked step is.
  struct Case {
    int key, row, col, room, landingRow, landingCol;
    const char* onLanding;
  } cases[] = {{kKeyUp, 2, 6, 35, 10, 6, "OGRE"},
               {kKeyRight, 6, 10, 46, 6, 2, "TREE"},
               {kKeyDown, 10, 6, 55, 2, 6, "SHIELD"},
               {kKeyLeft, 6, 2, 44, 6, 10, "FLOOR"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.onLanding);
    Room(45);
    Room(c.room, RoomBuilder(kit::kDirt).Set(c.landingRow, c.landingCol, c.onLanding));
    PlaceHero(45, c.row, c.col);
    g.EnemyHP = 7;
    g.Gold = 5;
    g.RainTicks = 30;  // a held storm would come back into view in a new overland room
    const Value explored = g.ExploredPct;
    const bool admitted = std::string(c.onLanding) == "FLOOR";
    h.Press(c.key);
    if (admitted) {
      EXPECT_EQ(Where(), Join(c.room, ":", c.landingRow, ",", c.landingCol));
      EXPECT_EQ(g.GroundType, "DIRT");
      continue;
    }
    EXPECT_EQ(Where(), Join("45:", c.row, ",", c.col));
    EXPECT_EQ(g.GroundType, "GRASS");
    EXPECT_EQ(g.EnemyHP, 7);
    EXPECT_EQ(g.Gold, 5);
    EXPECT_EQ(g.lblMESSAGE.Caption, "old message");
    EXPECT_FALSE(g.tmrRAIN.Enabled());
    EXPECT_EQ(g.ExploredPct, explored);
    EXPECT_TRUE(h.mm1().calls().empty() && h.mm2().calls().empty() && h.mm3().calls().empty());
    // The next step starts from where he stands, in his own room.
    h.Press(c.key == kKeyUp || c.key == kKeyDown ? kKeyRight : kKeyUp);
    EXPECT_EQ(g.RoomNumber, 45);
    EXPECT_EQ(g.IMGgrid[12].Tag, "FLOOR");
  }
}

}  // namespace
}  // namespace tq
