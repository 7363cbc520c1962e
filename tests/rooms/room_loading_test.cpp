// Reading the room: corrections, the room's monster and its roar, ground, darkness, the view,
// and a room file that cannot be read.
#include <filesystem>
#include <fstream>

#include "hero_fixture.h"

namespace tq {
namespace {

using kit::RoomBuilder;

class RoomLoadingTest : public HeroTest {};

TEST_F(RoomLoadingTest, TheFirstMonsterInFileOrderIsTheRoomsMonster) {
  RoomBuilder room;
  room.Set(3, 9, "OGRE").Set(8, 3, "WYVERN").WriteTo(h, 45);
  PlaceHero(45, 6, 6);
  EXPECT_EQ(g.EnemyHP, 10);
  EXPECT_EQ(g.EnemyMaxHP, 10);

  // A wounded ogre keeps its hit points from step to step, without roaring again.
  g.EnemyHP = 4;
  h.Press(kKeyDown);
  EXPECT_EQ(g.EnemyHP, 4);
  EXPECT_TRUE(h.mm2().calls().empty());

  // Once the ogre is gone the wyvern takes its place, with its own roar.
  room.Set(3, 9, "COIN").WriteTo(h, 45);
  g.EnemyHP = 0;
  h.Press(kKeyUp);
  EXPECT_EQ(g.EnemyHP, 5);
  EXPECT_EQ(g.EnemyMaxHP, 5);
  EXPECT_EQ(h.mm2().played(), Paths({"sounds/ROAR1.wav"}));
}

TEST_F(RoomLoadingTest, VevIsAdmittedOnlyWhileTheBossIsDeadAndVevAlive) {
  RoomBuilder().Set(6, 7, "VEV").WriteTo(h, 705);
  for (int stage : {0, 1, 2}) {
    g.QuestStage = stage;
    g.EnemyHP = 0;
    PlaceHero(705, 6, 6);
    EXPECT_EQ(g.EnemyHP, stage == 1 ? 55 : 0) << stage;
    EXPECT_EQ(g.IMGgrid[13].Picture, Full("Pics/GRASSVEVRIGHT.bmp"));
  }
}

TEST_F(RoomLoadingTest, AZombieRoarsByTheGroundInForceWhenItsRoomIsRead) {
  RoomBuilder().Set(5, 6, "LADDERDOWN").WriteTo(h, 45);
  RoomBuilder(kit::kDirt).Set(9, 9, "ZOMBIE").WithExits().WriteTo(h, 345);
  RoomBuilder(kit::kWood).WithExits().WriteTo(h, 344);
  PlaceHero(45, 6, 6);
  h.Press(kKeyUp);
  EXPECT_EQ(h.mm2().played(), Paths({"sounds/ROAR9.wav"}));

  PlaceHero(344, 6, 10);
  g.EnemyHP = 0;
  h.Press(kKeyRight);
  EXPECT_EQ(h.mm2().played(), Paths({"sounds/ROAR3.wav"}));
}

TEST_F(RoomLoadingTest, AnUnknownGroundCodeKeepsThePreviousGround) {
  RoomBuilder room(kit::kSnow);
  room.WriteTo(h, 45);
  PlaceHero(45, 6, 6);
  EXPECT_EQ(g.GroundType, "SNOW");
  RoomFile odd = room.room();
  odd.GroundCode = 4;
  ASSERT_FALSE(WriteRoomFile(RoomFilePath(g.GamePath, 45), odd));
  h.Press(kKeyDown);
  EXPECT_EQ(g.GroundType, "SNOW");
  EXPECT_EQ(g.IMGgrid[0].Picture, Full("Pics/SNOWFLOOR.bmp"));
}

TEST_F(RoomLoadingTest, RoomCorrectionsAndTheCornerLadder) {
  RoomBuilder(kit::kSnow).Set(5, 6, "SHELF").WriteTo(h, 704);
  PlaceHero(704, 6, 6);
  EXPECT_EQ(g.IMGgrid[7].Tag, "SHELF");
  g.QuestStage = 1;
  PlaceHero(704, 6, 6);
  EXPECT_EQ(g.IMGgrid[7].Tag, "PURPLEDOOR");

  RoomBuilder(kit::kWood).Set(6, 8, "DOOR4").WriteTo(h, 719);
  PlaceHero(719, 6, 6);
  EXPECT_EQ(g.IMGgrid[14].Tag, "FLOOR");

  RoomBuilder(kit::kDirt).Set(2, 5, "FLOOR").Set(4, 5, "COIN").WriteTo(h, 511);
  PlaceHero(511, 3, 5);
  EXPECT_EQ(g.IMGgrid[7].Tag, "WALL");
  EXPECT_EQ(g.IMGgrid[17].Tag, "WALL");

  // A ladder in the black corner turns black; none appears at (2, 2) in its stead.
  RoomBuilder().Set(0, 0, "LADDERUP").WriteTo(h, 45);
  PlaceHero(45, 2, 2);
  EXPECT_EQ(g.IMGgrid[0].Tag, "BLACK");
  EXPECT_EQ(g.IMGgrid[12].Tag, "FLOOR");
}

TEST_F(RoomLoadingTest, TheViewCarriesEachCellsTagAndPicture) {
  RoomBuilder().Set(4, 4, "DEMON LORD").Set(8, 8, "WATER").Set(6, 6, "FLOWER2").WriteTo(h, 45);
  g.MonsterFacing = "FRONT";
  PlaceHero(45, 6, 6);
  EXPECT_EQ(g.IMGgrid[0].Tag, "DEMON LORD");
  EXPECT_EQ(g.IMGgrid[0].Picture, Full("Pics/GRASSDEMON LORDFRONT.bmp"));
  EXPECT_EQ(g.IMGgrid[24].Picture, Full("Pics/GRASSWATER.bmp"));
  EXPECT_EQ(g.IMGgrid[12].Tag, "FLOWER2");
  EXPECT_EQ(g.IMGgrid[12].Picture, "");  // the hero's cell is the main tick's to draw

  RoomBuilder(kit::kSnow).Set(4, 6, "SPWALL").WriteTo(h, 730);
  PlaceHero(730, 6, 6);
  EXPECT_EQ(g.IMGgrid[2].Tag, "SPWALL");
  EXPECT_EQ(g.IMGgrid[2].Picture, Full("Pics/SNOWHOUSEWALL.bmp"));
}

TEST_F(RoomLoadingTest, ADarkRoomShowsOnlyTheHerosPlus) {
  RoomBuilder(kit::kDirt).Set(5, 6, "COIN").WriteTo(h, 520);
  PlaceHero(520, 6, 6);
  EXPECT_EQ(g.DarkRoom, 1);
  for (int cell = 0; cell < 25; ++cell) {
    const bool seen = cell == 7 || cell == 11 || cell == 12 || cell == 13 || cell == 17;
    if (seen) continue;
    EXPECT_EQ(g.IMGgrid[cell].Tag, "BLACK") << cell;
    EXPECT_EQ(g.IMGgrid[cell].Picture, Full("Pics/DIRTBLACK.bmp")) << cell;
  }
  EXPECT_EQ(g.IMGgrid[7].Tag, "COIN");
}

TEST_F(RoomLoadingTest, AStepThatWouldLeaveTheInnerRoomIsRefused) {
  // A badly made room: a current on the ring would carry the hero out of the drawable area.
  g.imgTOOL[5].Visible = true;
  RoomBuilder().Set(1, 6, "NORTH").Set(0, 6, "WATER").WriteTo(h, 45);
  PlaceHero(45, 2, 6);
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "45:2,6");
  EXPECT_EQ(g.IMGgrid[7].Tag, "NORTH");
  // Refused like a blocked tile: no splash, and he is not swimming.
  EXPECT_TRUE(h.mm2().calls().empty());
  EXPECT_EQ(g.InWater, 0);
}

TEST_F(RoomLoadingTest, AMissingOrDamagedRoomLeavesTheHeroWhereHeStood) {
  RoomBuilder().WithExits().WriteTo(h, 45);
  PlaceHero(45, 10, 6);
  const auto room55 = h.folder() / "Files" / "ROOM55";

  h.Press(kKeyDown);
  EXPECT_EQ(Where(), "45:10,6");
  EXPECT_NE(g.lblMESSAGE.Caption.find("ROOM55"), std::string::npos) << g.lblMESSAGE.Caption;
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_FALSE(std::filesystem::exists(room55));

  std::ofstream(room55) << "\"FLOOR\"\r\n\"TREE\"\r\n";
  h.Press(kKeyDown);
  EXPECT_EQ(Where(), "45:10,6");
  EXPECT_NE(g.lblMESSAGE.Caption.find("ROOM55"), std::string::npos) << g.lblMESSAGE.Caption;
  EXPECT_EQ(std::filesystem::file_size(room55), 17u);

  // A monster's redraw that fails must not swallow the next step.
  std::filesystem::remove(h.folder() / "Files" / "ROOM45");
  g.EnterMode = 1;
  MoveHero(g);
  EXPECT_EQ(g.EnterMode, 0);
}

}  // namespace
}  // namespace tq
