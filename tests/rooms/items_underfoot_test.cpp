// The tile underfoot: talk spots, pickups with their limits, purchases, sword pieces, the
// autosave and the room written back.
#include "hero_fixture.h"
#include "shell/saved_game.h"

namespace tq {
namespace {

using kit::RoomBuilder;

class ItemsUnderfootTest : public HeroTest {
 protected:
  // Steps the hero up onto `tag` in room `room`.
  void StepOnto(const std::string& tag, int room = 45, int ground = kit::kGrass) {
    RoomBuilder(ground).Set(5, 6, tag).WriteTo(h, room);
    PlaceHero(room, 6, 6);
    h.Press(kUp);
    ASSERT_EQ(Where(), std::to_string(room) + ":5,6");
  }
};

TEST_F(ItemsUnderfootTest, GoldIsCappedButTheCaptionNamesTheWholeFind) {
  g.Gold = 199;
  g.rnd.Script({4});
  StepOnto("COIN");
  EXPECT_EQ(g.Gold, 200);
  EXPECT_EQ(g.lblMESSAGE.Caption, "You picked up 4 gold.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/coin.wav"}));
  EXPECT_EQ(g.IMGgrid[12].Tag, "COIN");  // the view keeps it until the next step
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[5][6], "FLOOR");

  // The magic bag raises the cap from the next pickup on.
  g.Gold = 190;
  g.rnd.Script({15});
  StepOnto("GOLDBAG");
  EXPECT_EQ(g.Gold, 200);
  EXPECT_EQ(g.lblMESSAGE.Caption, "There was 25 gold in this sack!");
  g.imgMONEYBAG.Visible = true;
  g.rnd.Script({15});
  StepOnto("GOLDBAG");
  EXPECT_EQ(g.Gold, 225);
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/lovemoney.wav"}));
}

TEST_F(ItemsUnderfootTest, FoodAndSymbolsRespectTheirMaximums) {
  g.Life = 10;
  g.MaxLife = 10;
  g.Gold = 5;
  StepOnto("FOOD", 403, kit::kWood);
  EXPECT_EQ(g.Life, 10);
  EXPECT_EQ(g.Gold, 0);
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "You bought some food! Some of your health was restored after you ate it.");
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/potion.wav", "sounds/buy.wav"}));
  // The shop is written back with its deed and with its own mended tile.
  const RoomFile shop = kit::ReadRoom(h, 403);
  EXPECT_EQ(shop.tags[5][6], "FOOD");
  EXPECT_EQ(shop.tags[6][9], "FLOOR");
  EXPECT_EQ(shop.GroundCode, kit::kWood);

  g.Strength = 3;
  StepOnto("POWERSYMBOL");
  EXPECT_EQ(g.MaxStrength, 25);
  EXPECT_EQ(g.Strength, 25);
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/SYMBOL.wav"}));
}

TEST_F(ItemsUnderfootTest, AKeyIsSavedBeforeTheRoomLosesIt) {
  StepOnto("REDKEY");
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "You found a Red Key! You'll be able to open all red doors now. * AUTOSAVED * ");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x00FF00u);
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/equipsound.wav"}));
  SavedGame saved;
  ASSERT_FALSE(ReadSavedGame(g.GamePath, saved));
  EXPECT_EQ(saved.ToolFlags[7], 1);
  EXPECT_EQ(saved.RoomNumber, 45);
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[5][6], "FLOOR");
}

TEST_F(ItemsUnderfootTest, SwordPiecesCountOnlyFromRoom500On) {
  StepOnto("SWORD1");
  EXPECT_EQ(g.SwordPieces, 0);
  EXPECT_EQ(g.lblMESSAGE.Caption, "old message * AUTOSAVED * ");
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[5][6], "SWORD1");
  SavedGame saved;
  EXPECT_FALSE(ReadSavedGame(g.GamePath, saved));

  for (int piece = 1; piece <= 4; ++piece) {
    StepOnto("SWORD" + std::to_string(piece > 3 ? 3 : piece), 550, kit::kDirt);
    EXPECT_EQ(g.SwordPieces, piece);
    EXPECT_EQ(h.mm2().playing(), Full("sounds/LOOKATTHAT.wav"));
    EXPECT_EQ(h.mm1().playing(), Full("sounds/equipsound.wav"));
    EXPECT_EQ(g.imgTOOL[0].Picture,
              Full("Icons/PIECE" + std::to_string(piece > 3 ? 3 : piece) + ".bmp"));
    EXPECT_EQ(g.SwordKind, piece >= 3 ? 2 : 1);
  }
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "You have the SHADOW SWORD! It's fast and deadly- even more so underground and "
            "indoors. * AUTOSAVED * ");
}

TEST_F(ItemsUnderfootTest, AMonstersRedrawShowsTalkButTakesNothing) {
  RoomBuilder().Set(6, 6, "TALK2").Set(6, 7, "COIN").WriteTo(h, 45);
  PlaceHero(45, 6, 6);
  g.EnterMode = 1;
  MoveHero(g);
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "Tarvo, it is very dark underground.. I suggest that you purchase a TORCH before you "
            "go into caves and it'll be much easier.");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().played(), Paths({"sounds/squeak3.wav"}));
  EXPECT_EQ(g.EnterMode, 0);

  PlaceHero(45, 6, 7);  // the load takes the coin...
  RoomBuilder().Set(6, 7, "COIN").WriteTo(h, 45);
  g.Gold = 0;
  g.EnterMode = 1;  // ...a monster's redraw on a fresh one does not
  MoveHero(g);
  EXPECT_EQ(g.Gold, 0);
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[6][7], "COIN");
}

}  // namespace
}  // namespace tq
