// The look and info texts: the text table against the tile vocabulary, and the clicks on the
// view, the rain, the status icons and the items.
#include "rooms/look_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "kit/headless_game.h"
#include "rooms/look_text_table.h"
#include "rooms/tile_vocabulary.h"
#include "shell/input.h"

namespace tq {
namespace {

const std::vector<std::string_view> kGrounds = {"GRASS", "DIRT", "WOOD", "SNOW"};

TEST(LookTextTable, EveryTagHasExactlyOneTextOnEachGround) {
  std::set<std::string_view> vocabulary(AllTileTags().begin(), AllTileTags().end());
  ASSERT_EQ(vocabulary.size(), 125u);
  // (tag, ground) -> rows; an empty ground is the tag's text for every other ground.
  std::map<std::pair<std::string_view, std::string_view>, int> rows;
  for (const LookRow& row : LookTextTable()) {
    EXPECT_TRUE(vocabulary.count(row.tag)) << "not a tile tag: \"" << row.tag << "\"";
    EXPECT_TRUE(row.ground.empty() ||
                std::find(kGrounds.begin(), kGrounds.end(), row.ground) != kGrounds.end())
        << row.tag << " on " << row.ground;
    ++rows[{row.tag, row.ground}];
  }
  for (std::string_view tag : vocabulary) {
    EXPECT_EQ(rows[std::make_pair(tag, std::string_view())], 1)
        << tag << " needs one text for any ground";
    int named = 0;
    for (std::string_view ground : kGrounds) {
      EXPECT_LE(rows[std::make_pair(tag, ground)], 1) << tag << " on " << ground;
      named += rows[std::make_pair(tag, ground)];
    }
    // A tag naming all four grounds would leave its catch-all text unreachable.
    EXPECT_LT(named, 4) << tag;
  }
}

TEST(LookTextTable, OnlyTheExitGoesWithoutWords) {
  for (std::string_view tag : AllTileTags()) {
    for (std::string_view ground : kGrounds) {
      const bool silent = tag == "EXIT" && ground != "WOOD";
      EXPECT_EQ(LookText(Value(ground), tag).empty(), silent) << tag << " on " << ground;
    }
  }
  EXPECT_EQ(LookText("WOOD", "EXIT"), "This is the exit door.");
}

TEST(LookTextTable, TextsThatChangeWithTheGround) {
  EXPECT_EQ(LookText("DIRT", "TREE"), "A Rongus Bark tree.");
  EXPECT_EQ(LookText("GRASS", "TREE"), "A Saculi tree.");
  EXPECT_EQ(LookText("SNOW", "STREE"), "A Saculi tree.");
  EXPECT_EQ(LookText("SNOW", "PURPLEDOOR"),
            "This door has been sealed by VEV himself. Only the worthy can open it.");
  EXPECT_EQ(LookText("WOOD", "PURPLEDOOR"), "This magic door is locked.");
  EXPECT_EQ(LookText("SNOW", "SHELF"),
            "This is an old banner that has a picture of VEV on it, back when he was alive.");
  EXPECT_EQ(LookText("DIRT", "WALL"), "Solid earth wall entangled with vines.");
  EXPECT_EQ(LookText("WOOD", "WALL"), "Solid stone structure.");
  EXPECT_EQ(LookText("DIRT", "PLANT"), "An underground shrub.");
  EXPECT_EQ(LookText("SNOW", "PLANT"), "A forest plant.");
  // Talk spots and the stone mess are the floor they lie on.
  for (std::string_view tag : {"FLOOR", "TALK3", "STONEMESS"}) {
    EXPECT_EQ(LookText("WOOD", tag), "Wooden plank floor.");
    EXPECT_EQ(LookText("DIRT", tag), "Damp dirt and soil.");
    EXPECT_EQ(LookText("SNOW", tag), "Cold newfallen snow.");
    EXPECT_EQ(LookText("GRASS", tag), "Lush green grass.");
    EXPECT_EQ(LookText(Value(), tag), "Lush green grass.");
  }
}

TEST(LookTextTable, WordsThatAreNoTagsSayNothing) {
  for (std::string_view word : {"", "HOUSEWALL", "floor", "WYVERNLEFT", "DEMON  LORD", "EXIT "}) {
    EXPECT_EQ(LookText("WOOD", word), "") << '"' << word << '"';
  }
}

TEST(LookTextTable, DeedsNameWhatTheyBuy) {
  EXPECT_EQ(LookText("WOOD", "MEDAL"), "This is the deed to  purchase the HERO MEDAL.");
  EXPECT_EQ(LookText("WOOD", "MAGICBAG"), "This is the deed to purchase a MAGIC BAG.");
  EXPECT_EQ(LookText("WOOD", "BOOK"), "This is the deed to purchase a FISH BOOK.");
  EXPECT_EQ(LookText("WOOD", "POTION"), "This is the deed to purchase the GLOVE.");
  EXPECT_EQ(LookText("WOOD", "BADGE"), "This is the deed to purchase a CRYSTAL BALL.");
  EXPECT_EQ(LookText("WOOD", "SWORD"), "STRENGTH SYMBOL: This is the deed to buy it.");
  EXPECT_EQ(LookText("WOOD", "LIFE"), "LIFE SYMBOL: This is the deed to buy it.");
}

// A game in a room, past the title screen, with the given ground.
class LookClicks : public ::testing::Test {
 protected:
  void SetUp() override {
    g.picSTART.Visible = false;
    g.tmrscroll.setEnabled(false);
    g.tmrANIMATE.setEnabled(false);
    g.RoomNumber = 23;
    g.lblMESSAGE.Caption = "An earlier message.";
    g.lblMESSAGE.ForeColor = 0x0000FF;
  }
  // Clicks a control and returns what the message line shows, checking the colour and sound.
  std::string Look(Control& c) {
    h.mm1().clear();
    g.lblMESSAGE.ForeColor = 0x0000FF;
    EXPECT_TRUE(h.ClickOn(c)) << c.name << " " << c.index;
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/squeak.wav"});
    return g.lblMESSAGE.Caption;
  }

  kit::HeadlessGame h;
  Game& g = h.game();
};

TEST_F(LookClicks, ViewCellsDescribeTheirTileOnTheRoomsGround) {
  g.GroundType = "DIRT";
  g.IMGgrid[7].Tag = "TREE";
  g.IMGgrid[0].Tag = "BLACK";
  g.IMGgrid[13].Tag = "SHADOW BOSS";
  g.IMGgrid[18].Tag = "EXIT";
  g.IMGgrid[19].Tag = "";
  EXPECT_EQ(Look(g.IMGgrid[7]), "A Rongus Bark tree.");
  EXPECT_EQ(Look(g.IMGgrid[0]), "You can't see this area from here.");
  EXPECT_EQ(Look(g.IMGgrid[13]),
            "SHADOW BOSS: A more powerful form of Shadow Demon. He guards VEV's personal "
            "chambers.");
  // An exit in the caves has nothing to say and clears the line.
  EXPECT_EQ(Look(g.IMGgrid[18]), "");
  EXPECT_EQ(Look(g.IMGgrid[19]), "");

  g.GroundType = "WOOD";
  EXPECT_EQ(Look(g.IMGgrid[18]), "This is the exit door.");
  EXPECT_EQ(Look(g.IMGgrid[7]), "A Saculi tree.");
}

TEST_F(LookClicks, TheHerosCellIsAlwaysTarvo) {
  const std::string tarvo =
      "You are Tarvo, the most skilled hunter of your village and the hero of this story. You "
      "must find your kidnapped brother Rirezivi.";
  for (const char* under : {"TALK1", "COIN", "EXIT", "", "WATER"}) {
    g.IMGgrid[12].Tag = under;
    EXPECT_EQ(Look(g.IMGgrid[12]), tarvo) << under;
  }
}

TEST_F(LookClicks, LookingChangesNothingButTheMessageAndWorksWhilePaused) {
  g.mnuPAUSE.Tag = "Unpause";
  g.LBLpause.Visible = true;
  g.GroundType = "GRASS";
  for (int k = 0; k < 25; ++k) g.IMGgrid[k].Tag = "FLOWER2";
  g.IMGgrid[12].Tag = "FLOOR";
  const int life = 7, gold = 120;
  g.Life = life;
  g.Gold = gold;
  for (int k = 0; k < 25; ++k) {
    if (k == 12) continue;
    EXPECT_EQ(Look(g.IMGgrid[k]), "A red Falora flower.") << k;
  }
  Look(g.imgSWORD);
  Look(g.imgTOOL[0]);
  Look(g.imgSCRN[7]);
  for (int k = 0; k < 25; ++k) EXPECT_EQ(g.IMGgrid[k].Tag, k == 12 ? "FLOOR" : "FLOWER2");
  EXPECT_EQ(g.Life, life);
  EXPECT_EQ(g.Gold, gold);
  EXPECT_EQ(g.mnuPAUSE.Tag, "Unpause");
  EXPECT_TRUE(h.mm2().calls().empty());
  EXPECT_TRUE(h.mm3().calls().empty());
}

TEST_F(LookClicks, RainCoversTheViewWhileItFalls) {
  for (Control& r : g.imgRAIN) r.Visible = true;
  g.IMGgrid[6].Tag = "CHEST";
  Control& cell = g.IMGgrid[6];
  // Where the overlay lies, it takes the click; the cell's bottom edge below it still looks.
  h.mm1().clear();
  ASSERT_EQ(ClickAt(g, cell.AbsLeft() + 300, cell.AbsTop() + 300), &g.imgRAIN[6]);
  EXPECT_EQ(g.lblMESSAGE.Caption, "With all this rain, it's hard to see anything!");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  ASSERT_EQ(ClickAt(g, cell.AbsLeft() + 300, cell.AbsTop() + 800), &cell);
  EXPECT_EQ(g.lblMESSAGE.Caption, "A large treasure chest that important things are put in.");
  EXPECT_EQ(h.mm1().played().size(), 2u);
}

TEST_F(LookClicks, GoldTextTellsTheCapByTheMoneyBagIcon) {
  const std::string start =
      "GOLD COINS: This is the currency of Tarvo's world. Use them to buy items from "
      "Shopkeepers. You can hold up to a maximum of ";
  EXPECT_EQ(Look(g.imgSCRN[0]), start + "200.");
  g.HasMagicBag = 1;  // the flag alone does not count
  EXPECT_EQ(Look(g.imgSCRN[0]), start + "200.");
  g.imgMONEYBAG.Visible = true;
  EXPECT_EQ(Look(g.imgSCRN[0]), start + "500.");
  EXPECT_EQ(Look(g.imgMONEYBAG), "MAGIC BAG: This allows you to hold a maximum of 500 gold coins!");
}

TEST_F(LookClicks, EveryStatusIconHasItsOwnText) {
  std::set<std::string> texts;
  for (int i : {0, 1, 2, 6, 7}) texts.insert(Look(g.imgSCRN[i]));
  EXPECT_EQ(texts.size(), 5u);
  EXPECT_EQ(StatusText(7, 200).rfind("LIFE BAR: ", 0), 0u);
  EXPECT_EQ(StatusText(6, 200).rfind("STRENGTH BAR: ", 0), 0u);
  EXPECT_EQ(StatusText(2, 200).rfind("BONUS BAR: ", 0), 0u);
  EXPECT_EQ(StatusText(1, 200).rfind("ENEMY BAR: ", 0), 0u);
  for (int i : {3, 4, 5}) EXPECT_EQ(StatusText(i, 200), "") << i;
}

TEST_F(LookClicks, SlotZeroTellsThePiecesFromTheWholeSword) {
  const std::string pieces =
      "SHADOW SWORD PIECES: Collect all three pieces to complete the weapon. Each piece was given "
      "to one of VEV'S three Black Knights.";
  const std::string whole =
      "SHADOW SWORD: It can even hurt Shadow Demons and Vev himself! Faster and Sharper than your "
      "old sword. It is even more deadly in dark places.";
  for (int n : {0, 2}) {
    g.SwordPieces = n;
    EXPECT_EQ(Look(g.imgTOOL[0]), pieces) << n;
  }
  g.SwordPieces = 3;
  EXPECT_EQ(Look(g.imgTOOL[0]), whole);
  // The hunter sword stays the hunter sword.
  EXPECT_EQ(Look(g.imgSWORD),
            "HUNTER SWORD: A well-made sword used for hunting animals. It is also effective for "
            "breaking some objects.");
}

TEST_F(LookClicks, OwnedItemsDescribeThemselves) {
  const std::vector<std::string> names = {
      "SHIELD: ",     "TORCH: ",   "CRYSTAL BALL: ", "GLOVE: ",     "FISH BOOK: ",
      "GOLDEN KEY: ", "RED KEY: ", "PURPLE KEY: ",   "HERO MEDAL: "};
  for (int slot = 1; slot <= 9; ++slot) {
    EXPECT_FALSE(h.ClickOn(g.imgTOOL[slot])) << "slot " << slot << " is not owned yet";
    g.imgTOOL[slot].Visible = true;
    EXPECT_EQ(Look(g.imgTOOL[slot]).rfind(names[slot - 1], 0), 0u) << slot;
  }
  g.imgSHIRT.Visible = true;
  EXPECT_EQ(Look(g.imgSHIRT),
            "MAGIC SHIRT: This is made from the same material as a Shadow Demon's cloak! It has "
            "great defensive powers!");
}

}  // namespace
}  // namespace tq
