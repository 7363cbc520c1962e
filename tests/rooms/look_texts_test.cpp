// The look and info texts: the text table against the tile vocabulary, and what the player is
// told when he clicks the view, the rain, a status icon or an item.
#include "rooms/look_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/tile_vocabulary.h"
#include "kit/headless_game.h"
#include "rooms/look_text_table.h"
#include "shell/input.h"

namespace tq {
namespace {

TEST(LookTextTable, EveryTagHasExactlyOneTextOnEachGroundAndOnlyOutdoorExitsAreSilent) {
  const std::set<std::string_view> grounds = {"GRASS", "DIRT", "WOOD", "SNOW"};
  const std::set<std::string_view> tags(AllTileTags().begin(), AllTileTags().end());
  std::map<std::pair<std::string_view, std::string_view>, int> rows;
  for (const LookRow& row : LookTextTable()) {
    EXPECT_TRUE(tags.count(row.tag)) << "not a tile tag: \"" << row.tag << "\"";
    EXPECT_TRUE(row.ground.empty() || grounds.count(row.ground)) << row.tag << " " << row.ground;
    ++rows[std::make_pair(row.tag, row.ground)];
  }
  for (std::string_view tag : tags) {
    // One catch-all text, at most one per named ground, and not all four named.
    EXPECT_EQ(rows[std::make_pair(tag, std::string_view())], 1) << tag;
    int named = 0;
    for (std::string_view ground : grounds) {
      EXPECT_LE(rows[std::make_pair(tag, ground)], 1) << tag << " " << ground;
      named += rows[std::make_pair(tag, ground)];
      EXPECT_EQ(LookText(Value(ground), tag).empty(), tag == "EXIT" && ground != "WOOD")
          << tag << " on " << ground;
    }
    EXPECT_LT(named, 4) << tag;
  }
}

TEST(LookTextTable, OnlyTheGroundsTheRoomsAreBuiltOnChangeATilesLook) {
  // The ground on which each ground-dependent tag looks different from the outdoors; every
  // other tag looks the same wherever it stands.
  const std::map<std::string_view, std::set<std::string_view>> special = {
      {"FLOOR", {"WOOD", "DIRT", "SNOW"}},
      {"TALK1", {"WOOD", "DIRT", "SNOW"}},
      {"TALK2", {"WOOD", "DIRT", "SNOW"}},
      {"TALK3", {"WOOD", "DIRT", "SNOW"}},
      {"TALK4", {"WOOD", "DIRT", "SNOW"}},
      {"STONEMESS", {"WOOD", "DIRT", "SNOW"}},
      {"TREE", {"DIRT"}},
      {"STREE", {"DIRT"}},
      {"WALL", {"DIRT"}},
      {"PLANT", {"DIRT"}},
      {"PURPLEDOOR", {"SNOW"}},
      {"SHELF", {"SNOW"}},
      {"EXIT", {"WOOD"}}};
  for (std::string_view tag : AllTileTags()) {
    const auto it = special.find(tag);
    const std::string_view outdoors = LookText(Value("GRASS"), tag);
    EXPECT_EQ(LookText(Value(), tag), outdoors) << tag << " before any room was read";
    for (std::string_view ground : {"DIRT", "WOOD", "SNOW"}) {
      const bool differs = it != special.end() && it->second.count(ground);
      EXPECT_EQ(LookText(Value(ground), tag) != outdoors, differs) << tag << " on " << ground;
    }
  }
  // Floors and talk spots look like the ground they are; a secret tree like any other tree.
  for (std::string_view tag : {"FLOOR", "TALK3", "STONEMESS"}) {
    EXPECT_EQ(LookText(Value("WOOD"), tag), "Wooden plank floor.");
    EXPECT_EQ(LookText(Value("DIRT"), tag), "Damp dirt and soil.");
    EXPECT_EQ(LookText(Value("SNOW"), tag), "Cold newfallen snow.");
    EXPECT_EQ(LookText(Value("GRASS"), tag), "Lush green grass.");
  }
  for (std::string_view ground : {"GRASS", "DIRT", "WOOD", "SNOW"}) {
    EXPECT_EQ(LookText(Value(ground), "STREE"), LookText(Value(ground), "TREE"));
  }
  EXPECT_EQ(LookText(Value("DIRT"), "WALL"), "Solid earth wall entangled with vines.");
  EXPECT_EQ(LookText(Value("DIRT"), "PLANT"), "An underground shrub.");
  EXPECT_EQ(LookText(Value("SNOW"), "SHELF"),
            "This is an old banner that has a picture of VEV on it, back when he was alive.");
  EXPECT_EQ(LookText(Value("WOOD"), "SHELF"),
            "A shelf full of small items and things. Nothing is valuable enough to take.");
}

TEST(LookTextTable, DeedsNameWhatTheyBuy) {
  // Several deeds are named after something other than what they sell.
  const std::pair<std::string_view, std::string_view> deeds[] = {
      {"MAGICBAG", "MAGIC BAG"}, {"BOOK", "FISH BOOK"},        {"POTION", "GLOVE"},
      {"BADGE", "CRYSTAL BALL"}, {"SWORD", "STRENGTH SYMBOL"}, {"LIFE", "LIFE SYMBOL"},
      {"POWER", "POWER POTION"}, {"SHIELD", "SHIELD"},         {"TORCH", "TORCH"},
      {"FOOD", "FOOD"},          {"MEDAL", "HERO MEDAL"}};
  for (const auto& [tag, item] : deeds) {
    const std::string text(LookText(Value("WOOD"), tag));
    EXPECT_NE(text.find(item), std::string::npos) << tag << ": " << text;
    EXPECT_NE(text.find("deed"), std::string::npos) << tag << ": " << text;
  }
  EXPECT_EQ(LookText(Value("DIRT"), "BLACK"), "You can't see this area from here.");
}

// A game in a room, past the title screen.
class LookClicks : public ::testing::Test {
 protected:
  void SetUp() override {
    g.picSTART.Visible = false;
    g.tmrscroll.setEnabled(false);
    g.tmrANIMATE.setEnabled(false);
    g.RoomNumber = 23;
  }
  // Clicks a control and returns the message line, checking its colour and the click sound.
  std::string Look(Control& c) {
    h.mm1().clear();
    g.lblMESSAGE.Caption = "An earlier message.";
    g.lblMESSAGE.ForeColor = 0x0000FF;
    EXPECT_TRUE(h.ClickOn(c)) << c.name << " " << c.index;
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
    EXPECT_EQ(h.mm1().played(), std::vector<std::string>{g.GamePath + "sounds/squeak.wav"});
    return g.lblMESSAGE.Caption;
  }

  kit::HeadlessGame h;
  Game& g = h.game();
};

TEST_F(LookClicks, ViewCellsDescribeTheirTileOnTheRoomsGroundAndTheCentreIsTarvo) {
  g.mnuPAUSE.Tag = "Unpause";  // looking works while paused
  g.IMGgrid[7].Tag = "TREE";
  g.IMGgrid[8].Tag = "PURPLEDOOR";
  g.IMGgrid[13].Tag = "SHADOW BOSS";
  g.IMGgrid[18].Tag = "EXIT";
  g.IMGgrid[19].Tag = "";
  g.IMGgrid[12].Tag = "TALK1";
  g.GroundType = "DIRT";
  EXPECT_EQ(Look(g.IMGgrid[7]), "A Rongus Bark tree.");
  EXPECT_EQ(Look(g.IMGgrid[8]), "This magic door is locked.");
  EXPECT_EQ(Look(g.IMGgrid[13]),
            "SHADOW BOSS: A more powerful form of Shadow Demon. He guards VEV's personal "
            "chambers.");
  EXPECT_EQ(Look(g.IMGgrid[18]), "");  // an exit in the caves says nothing
  EXPECT_EQ(Look(g.IMGgrid[19]), "");
  EXPECT_EQ(Look(g.IMGgrid[12]),
            "You are Tarvo, the most skilled hunter of your village and the hero of this story. "
            "You must find your kidnapped brother Rirezivi.");
  g.GroundType = "SNOW";
  EXPECT_EQ(Look(g.IMGgrid[7]), "A Saculi tree.");
  EXPECT_EQ(Look(g.IMGgrid[8]),
            "This door has been sealed by VEV himself. Only the worthy can open it.");
  g.GroundType = "WOOD";
  EXPECT_EQ(Look(g.IMGgrid[18]), "This is the exit door.");
  g.IMGgrid[7].Tag = "MEDAL";
  EXPECT_EQ(Look(g.IMGgrid[7]), "This is the deed to  purchase the HERO MEDAL.");
  // Nothing but the message changes.
  EXPECT_EQ(g.IMGgrid[12].Tag, "TALK1");
  EXPECT_EQ(g.mnuPAUSE.Tag, "Unpause");
  EXPECT_TRUE(h.mm2().calls().empty());
  EXPECT_TRUE(h.mm3().calls().empty());
}

TEST_F(LookClicks, RainOverlayTakesTheClickWhereItCoversTheCell) {
  for (Control& r : g.imgRAIN) r.Visible = true;
  g.IMGgrid[6].Tag = "CHEST";
  Control& cell = g.IMGgrid[6];
  ASSERT_EQ(ClickAt(g, cell.AbsLeft() + 300, cell.AbsTop() + 300), &g.imgRAIN[6]);
  EXPECT_EQ(g.lblMESSAGE.Caption, "With all this rain, it's hard to see anything!");
  ASSERT_EQ(ClickAt(g, cell.AbsLeft() + 300, cell.AbsTop() + 800), &cell);
  EXPECT_EQ(g.lblMESSAGE.Caption, "A large treasure chest that important things are put in.");
}

TEST_F(LookClicks, GoldCapComesFromTheMoneyBagIconAndSlotZeroFromThePieces) {
  const std::string gold =
      "GOLD COINS: This is the currency of Tarvo's world. Use them to buy items from "
      "Shopkeepers. You can hold up to a maximum of ";
  g.HasMagicBag = 1;  // the flag alone does not raise the cap
  EXPECT_EQ(Look(g.imgSCRN[0]), gold + "200.");
  g.imgMONEYBAG.Visible = true;
  EXPECT_EQ(Look(g.imgSCRN[0]), gold + "500.");

  const std::string pieces = "SHADOW SWORD PIECES: ";
  g.SwordPieces = 2;
  EXPECT_EQ(Look(g.imgTOOL[0]).substr(0, pieces.size()), pieces);
  g.SwordPieces = 3;
  EXPECT_EQ(Look(g.imgTOOL[0]).substr(0, 14), "SHADOW SWORD: ");
  EXPECT_EQ(Look(g.imgSWORD).substr(0, 14), "HUNTER SWORD: ");
  // Owned items answer; a slot not yet owned cannot be clicked.
  EXPECT_FALSE(h.ClickOn(g.imgTOOL[3]));
  g.imgTOOL[3].Visible = true;
  EXPECT_EQ(Look(g.imgTOOL[3]).substr(0, 14), "CRYSTAL BALL: ");
}

TEST_F(LookClicks, EveryStatusIconItemSlotAndItemIconTellsItsOwnThing) {
  // Each text opens with the name of what was clicked.
  const std::pair<int, std::string> rows[] = {{7, "LIFE BAR: "},
                                              {6, "STRENGTH BAR: "},
                                              {2, "BONUS BAR: "},
                                              {1, "ENEMY BAR: "},
                                              {0, "GOLD COINS: "}};
  for (const auto& [index, name] : rows) {
    EXPECT_EQ(Look(g.imgSCRN[static_cast<std::size_t>(index)]).substr(0, name.size()), name)
        << "imgSCRN " << index;
  }
  const std::string slots[] = {"",
                               "SHIELD: ",
                               "TORCH: ",
                               "CRYSTAL BALL: ",
                               "GLOVE: ",
                               "FISH BOOK: ",
                               "GOLDEN KEY: ",
                               "RED KEY: ",
                               "PURPLE KEY: ",
                               "HERO MEDAL: "};
  for (std::size_t i = 1; i < 10; ++i) {
    g.imgTOOL[i].Visible = true;
    EXPECT_EQ(Look(g.imgTOOL[i]).substr(0, slots[i].size()), slots[i]) << "imgTOOL " << i;
  }
  g.imgMONEYBAG.Visible = true;
  EXPECT_EQ(Look(g.imgMONEYBAG), "MAGIC BAG: This allows you to hold a maximum of 500 gold coins!");
  g.imgSHIRT.Visible = true;
  EXPECT_EQ(Look(g.imgSHIRT),
            "MAGIC SHIRT: This is made from the same material as a Shadow Demon's cloak! It has "
            "great defensive powers!");
  // The sword icon is always the hunter's sword, even with the SHADOW SWORD complete.
  g.SwordPieces = 3;
  g.SwordKind = 2;
  EXPECT_EQ(Look(g.imgSWORD),
            "HUNTER SWORD: A well-made sword used for hunting animals. It is also effective for "
            "breaking some objects.");
}

}  // namespace
}  // namespace tq
