// What a strike leaves in the struck cell: every loot class with the draws it makes and the rule
// that wins, trees on every ground, secrets, chests with their keys, shirt and sword pieces, and
// the hints of a broken sign.
#include <set>
#include <vector>

#include "game/hint_table.h"
#include "game/monster_table.h"
#include "game/picture_names.h"
#include "play/sword_fixture.h"

namespace tq {
namespace {

struct LootCase {
  const char* name;
  const char* tag;
  std::vector<std::int64_t> loot;  // the loot draws alone
  const char* newTag;
  int ground = kit::kGrass;
  int points = -1;                // -1: not checked
  const char* message = nullptr;  // nullptr: not checked
};

class Loot : public SwordTest, public ::testing::WithParamInterface<LootCase> {};

TEST_P(Loot, TheStruckCellGetsTheTagOfItsClassAndItsDraws) {
  const LootCase& p = GetParam();
  Face(p.tag, "REAR", p.ground);
  const bool monster = IsMonster(p.tag);
  const bool rocky = std::string(p.tag) == "ROCKS" || std::string(p.tag) == "SPWALL";
  if (rocky) g.SwordKind = 2;
  if (monster) {
    // A blow of 3 (2 to a dragon) kills; the main tick then rolls for rain and the monster.
    g.EnemyHP = 1;
    g.rnd.Script({3, 100, 2, 2});
  } else {
    // The blow is drawn though no object feels it (a second draw on DIRT with the SHADOW SWORD),
    // then the main tick rolls for rain.
    g.rnd.Script({3});
    if (g.SwordKind == 2 && p.ground == kit::kDirt) g.rnd.Script({2});
    g.rnd.Script({2});
  }
  for (std::int64_t d : p.loot) g.rnd.Script({d});
  Swing({}, rocky ? 450 : kResolved);
  EXPECT_TRUE(UsedExactlyTheScript());
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_EQ(g.IMGgrid[7].Tag, p.newTag);
  EXPECT_EQ(g.IMGgrid[7].Picture, Full(TilePictureName(g.GroundType, p.newTag)));
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[5][6], p.newTag);
  if (p.points >= 0) {
    EXPECT_EQ(g.Points, p.points);
  }
  if (p.message) {
    EXPECT_EQ(g.lblMESSAGE.Caption, p.message);
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Classes, Loot,
    ::testing::Values(LootCase{"PlantCoin", "PLANT", {1}, "COIN", kit::kGrass, 0},
                      LootCase{"PlantPotion", "PLANT", {2}, "POWERPOTION"},
                      LootCase{"PlantNothing", "PLANT", {4}, "FLOOR"},
                      LootCase{"LogPotion", "LOG", {2}, "POWERPOTION"},
                      LootCase{"SwampLogCoin", "SWAMPLOG", {1}, "COIN"},
                      LootCase{"BedBag", "BED", {5}, "BAG"},
                      LootCase{"BedPotion", "BED", {2}, "POWERPOTION"},
                      LootCase{"CrateCoin", "CRATE", {1}, "COIN"},
                      LootCase{"CrateFood", "CRATE", {2}, "LIFEPOTION"},
                      LootCase{"BarrelPotion", "BARREL", {3}, "POWERPOTION"},
                      LootCase{"TableNothing", "TABLE", {4}, "FLOOR"},
                      LootCase{"TreeOnDirtCoin", "TREE", {1}, "COIN", kit::kDirt},
                      LootCase{"TreeOnDirtPotion", "TREE", {6}, "POWERPOTION", kit::kDirt},
                      LootCase{"TreeOnDirtNothing", "TREE", {3}, "FLOOR", kit::kDirt},
                      LootCase{"TreeOnGrass", "TREE", {}, "STUMP"},
                      LootCase{"TreeOnSnow", "TREE", {}, "STUMP", kit::kSnow},
                      LootCase{"TreeOnWood", "TREE", {}, "FLOOR", kit::kWood},
                      LootCase{"AppleTree", "APPLETREE", {}, "APPLES"},
                      LootCase{"BerryPlant", "BERRYPLANT", {}, "BLUEBERRIES"},
                      LootCase{"RocksCoin", "ROCKS", {1}, "COIN", kit::kGrass, 0},
                      LootCase{"RocksBag", "ROCKS", {2}, "BAG"},
                      LootCase{"RocksPotion", "ROCKS", {3, 1}, "POWERPOTION"},
                      LootCase{"RocksNothingOnTheSecondDraw", "ROCKS", {3, 2}, "FLOOR"},
                      LootCase{"CrackedWall",
                               "SPWALL",
                               {2},
                               "LIFESYMBOL",
                               kit::kDirt,
                               10,
                               "Wow! A weak wall crumbled away!"},
                      LootCase{"SecretTree",
                               "STREE",
                               {},
                               "LADDERDOWN",
                               kit::kGrass,
                               5,
                               "Look! A ladder leading down into a secret passage!"},
                      LootCase{"Bat",
                               "BAT",
                               {1},
                               "COIN",
                               kit::kGrass,
                               5,
                               "You hit the BAT for 3 damage and killed it!"},
                      LootCase{"Beetle", "BEETLE", {5}, "BAG"},
                      LootCase{"Plater", "PLATER", {6}, "POWERPOTION", kit::kGrass, 4},
                      LootCase{"Salamander", "SALAMANDER", {3, 1}, "POWERPOTION"},
                      LootCase{"Wyvern", "WYVERN", {2}, "BAG"},
                      LootCase{"OgreSymbolOverCoin", "OGRE", {5, 1}, "POWERSYMBOL"},
                      LootCase{"ZombieCoin", "ZOMBIE", {5, 2}, "COIN"},
                      LootCase{"Demon", "DEMON", {1}, "BAG"},
                      LootCase{"Newt", "NEWT", {2}, "LIFEPOTION"},
                      LootCase{"Thief", "THIEF", {3}, "GOLDBAG", kit::kDirt, 10},
                      LootCase{"IcePlaterSymbol", "ICE PLATER", {1, 3}, "POWERSYMBOL", kit::kSnow},
                      LootCase{"IcePlaterBag", "ICE PLATER", {1, 2}, "BAG", kit::kSnow},
                      LootCase{"IcePlaterNothing", "ICE PLATER", {2}, "FLOOR", kit::kSnow},
                      LootCase{"Knight", "KNIGHT", {}, "CHEST", kit::kDirt, 30},
                      LootCase{"DemonLord", "DEMON LORD", {1}, "LIFESYMBOL"},
                      LootCase{"ShadowDemon", "SHADOW DEMON", {2}, "FLOOR", kit::kSnow, 15},
                      LootCase{"DragonSymbolOverGold",
                               "DRAGON",
                               {1},
                               "LIFESYMBOL",
                               kit::kGrass,
                               40,
                               "You hit the DRAGON for 2 damage and killed it!"},
                      LootCase{"DragonGold", "DRAGON", {3}, "GOLDBAG"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(SwordTest, AKnightLeavesAChestWithACheer) {
  Face("KNIGHT");
  g.EnemyHP = 1;
  Swing({3, 100, 2, 2}, kResolved);
  EXPECT_EQ(g.IMGgrid[7].Tag, "CHEST");
  EXPECT_EQ(h.mm1().playing(), Full("sounds/ALLRIGHT.wav"));
  EXPECT_EQ(h.mm2().played(), Paths({"Sounds/ENEMYKILL6.wav"}));
}

TEST_F(SwordTest, TheSecretTreeMarksItsSquareOnTheOverlandMapOnly) {
  for (const int room : {45, 739}) {
    SCOPED_TRACE(room);
    Face("STREE", "REAR", kit::kGrass, room);
    g.imgMAP[44].Visible = false;
    g.imgMAP[44].Tag = "forest";
    Swing({3, 2}, kFirstFrame + 100);       // the blow no tree feels, the rain roll
    EXPECT_TRUE(h.mm2().played().empty());  // the find is heard on the last frame
    h.Advance(100);
    EXPECT_EQ(h.mm2().played(), Paths({"sOUNDS/LOOKATTHAT.wav"}));
    EXPECT_EQ(g.IMGgrid[7].Tag, "LADDERDOWN");
    EXPECT_EQ(g.imgMAP[44].Tag, room == 45 ? "ladder" : "forest");
    if (room == 45) {
      EXPECT_EQ(g.imgMAP[44].Picture, Full("Icons/ladder.bmp"));
    }
    EXPECT_FALSE(g.imgMAP[44].Visible);
    h.Advance(1000);
  }
}

struct ChestCase {
  const char* name;
  int room;
  std::vector<int> keys;  // item slots owned
  bool shirt;
  int pieces;
  const char* newTag;
  const char* message;  // nullptr: the message line is left alone
};

constexpr const char* kKeyFound = "WOW! A magical key was inside the treasure chest!";

class Chest : public SwordTest, public ::testing::WithParamInterface<ChestCase> {};

TEST_P(Chest, GivesTheFirstMissingKeyThenTheShirtAndSwordPiecesDeepDown) {
  const ChestCase& p = GetParam();
  Face("CHEST", "REAR", kit::kGrass, p.room);
  for (int slot : p.keys) g.imgTOOL[static_cast<std::size_t>(slot)].Visible = true;
  g.HasMagicShirt = p.shirt ? 1 : 0;
  g.SwordPieces = p.pieces;
  Swing({3, 2}, kResolved);  // the blow no chest feels, the main tick's rain roll
  EXPECT_TRUE(UsedExactlyTheScript());
  EXPECT_EQ(g.IMGgrid[7].Tag, p.newTag);
  EXPECT_EQ(kit::ReadRoom(h, p.room).tags[5][6], p.newTag);
  EXPECT_EQ(g.lblMESSAGE.Caption, p.message ? p.message : "old message");
  EXPECT_EQ(g.Points, 5);
  // What the chest held is a tile: the hero owns nothing new until he steps onto it.
  EXPECT_EQ(g.SwordPieces, p.pieces);
  EXPECT_EQ(g.HasMagicShirt, p.shirt ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, Chest,
    ::testing::Values(
        ChestCase{"GoldenKeyFirst", 45, {}, false, 0, "GOLDKEY", kKeyFound},
        ChestCase{"ThenTheRedKey", 45, {6}, true, 0, "REDKEY", kKeyFound},
        ChestCase{"ThenThePurpleKey", 45, {6, 7}, false, 0, "PURPLEKEY", kKeyFound},
        ChestCase{"KeysInOrderOfTheirSlots", 45, {7, 8}, false, 0, "GOLDKEY", kKeyFound},
        ChestCase{"ThenTheShirt",
                  703,
                  {6, 7, 8},
                  false,
                  0,
                  "SHIRT",
                  "WOW! The shadow demon's treasure, the MAGIC SHIRT!"},
        ChestCase{"EmptyAtLast", 45, {6, 7, 8}, true, 0, "FLOOR", nullptr},
        ChestCase{"FirstPieceDeepDownEvenWithAKeyMissing", 538, {}, false, 0, "SWORD1", nullptr},
        ChestCase{"ThirdPiece", 598, {6, 7}, false, 2, "SWORD3", nullptr},
        ChestCase{"NoFourthPiece", 533, {6}, false, 3, "REDKEY", kKeyFound},
        ChestCase{"NoFourthPieceAndNothingElse", 533, {6, 7, 8}, true, 3, "FLOOR", nullptr},
        ChestCase{"NoPieceInTheFarNorthVault", 603, {}, false, 1, "GOLDKEY", kKeyFound}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(SwordTest, ABrokenSignGivesTheHintDrawnInWhite) {
  // Typed out here on their own, with their spelling, so that nothing "corrects" them.
  const std::pair<int, const char*> hints[] = {
      {1, "Not only can you break signs, you can also break barrels and boxes."},
      {26, "The swamps are said to creep with the living dead.."},
      {30,
       "The Shadow Sword pieces were entrusted to Black Knights- very strong minons of the Shadow "
       "Demons."},
      {33, "Backs are vunerable- A +1 damage bonus is awarded to whoever hits a backside."},
      {43,
       "The ghost of VEV is haunting the Far North. He comands the Shadow Demons from his lair up "
       "there."},
      {50, "He who wears the Glove will recover strength much faster while resting."}};
  for (const auto& [r, text] : hints) {
    Face("SIGN");
    g.lblMESSAGE.ForeColor = 0xFF00FF;
    Swing({3, 2, r}, kResolved);  // the blow no sign feels, the rain roll, the hint
    EXPECT_TRUE(UsedExactlyTheScript()) << r;
    EXPECT_EQ(g.lblMESSAGE.Caption, text);
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(g.IMGgrid[7].Tag, "FLOOR");
    h.Advance(1000);
  }
  std::set<std::string_view> all;
  for (int r = 1; r <= kHintCount; ++r) {
    EXPECT_FALSE(HintText(r).empty()) << r;
    all.insert(HintText(r));
  }
  EXPECT_EQ(all.size(), 50u);
}

}  // namespace
}  // namespace tq
