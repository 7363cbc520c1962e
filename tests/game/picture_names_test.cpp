// Picture names built from tags, with the folder spelling each loader uses.
#include "game/picture_names.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(PictureNames, TilesMonstersAndAnimationFrames) {
  EXPECT_EQ(TilePictureName(Value("GRASS"), "FLOOR"), "Pics/GRASSFLOOR.bmp");
  EXPECT_EQ(TilePictureName(Value("DIRT"), "BLACK"), "Pics/DIRTBLACK.bmp");
  EXPECT_EQ(TilePictureName(Value("SNOW"), "HOUSEWALL"), "Pics/SNOWHOUSEWALL.bmp");
  EXPECT_EQ(MonsterPictureName(Value("GRASS"), "WYVERN", "LEFT"), "Pics/GRASSWYVERNLEFT.bmp");
  EXPECT_EQ(TileAnimName(Value("GRASS"), "WYVERN", "LEFT", true), "pics/GRASSWYVERNLEFT2.bmp");
  EXPECT_EQ(TileAnimName(Value("WOOD"), "CAMPFIRE", "", false), "pics/WOODCAMPFIRE.bmp");
  EXPECT_EQ(TileAnimName(Value("WOOD"), "CAMPFIRE", "", true), "pics/WOODCAMPFIRE2.bmp");
  EXPECT_EQ(SparkleName(Value("GRASS")), "pics/GRASSWATER20.bmp");
  EXPECT_EQ(MonsterAttackName(Value("GRASS"), "WYVERN"), "/Pics/GRASSWYVERNattack.bmp");
  EXPECT_EQ(BreakFrameName(Value("GRASS"), "TREE", Value(3)), "Pics/GRASSTREEKILL3.bmp");
  EXPECT_EQ(HeroSwingName(Value("SNOW"), Value("REAR"), Value("SHIELD"), 12, true),
            "Pics/SNOWREARSHIELDFIGHTWALK12a.bmp");
  EXPECT_EQ(HeroSwingName(Value("DIRT"), Value(""), Value(""), 1, false),
            "Pics/DIRTFIGHTWALK1.bmp");
  EXPECT_EQ(KillSoundName(0), "Sounds/ENEMYKILL0.wav");
  EXPECT_EQ(KillSoundName(10), "Sounds/ENEMYKILL10.wav");
  EXPECT_EQ(HeroHitName(Value("DIRT"), false, Value(0)), "pics/DIRTGUYHIT0.bmp");
  EXPECT_EQ(HeroHitName(Value("SNOW"), true, Value(4)), "pics/SNOWGUYDIE4.bmp");
  EXPECT_EQ(BlockPictureName(Value("WOOD"), false), "Pics/WOODsBLOCK.bmp");
  EXPECT_EQ(BlockPictureName(Value("GRASS"), true), "Pics/GRASSsBLOCKa.bmp");
  // An empty ground (before any room was read) joins as nothing.
  EXPECT_EQ(TilePictureName(Value(), "FLOOR"), "Pics/FLOOR.bmp");
}

TEST(PictureNames, BlanksInMonsterNamesStayInEveryName) {
  EXPECT_EQ(MonsterPictureName(Value("SNOW"), "ICE PLATER", "FRONT"),
            "Pics/SNOWICE PLATERFRONT.bmp");
  EXPECT_EQ(MonsterPictureName(Value("DIRT"), "SHADOW DEMON", "FRONT"),
            "Pics/DIRTSHADOW DEMONFRONT.bmp");
  EXPECT_EQ(TileAnimName(Value("WOOD"), "DEMON LORD", "REAR", true),
            "pics/WOODDEMON LORDREAR2.bmp");
  EXPECT_EQ(MonsterAttackName(Value("DIRT"), "SHADOW BOSS"), "/Pics/DIRTSHADOW BOSSattack.bmp");
  EXPECT_EQ(BreakFrameName(Value("SNOW"), "ICE PLATER", Value(4)), "Pics/SNOWICE PLATERKILL4.bmp");
}

}  // namespace
}  // namespace tq
