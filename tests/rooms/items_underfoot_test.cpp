// The tile underfoot: talk spots, pickups with their limits, purchases, sword pieces, the
// autosave and the room written back.
#include <cerrno>

#include "hero_fixture.h"
#include "kit/file_bytes.h"
#include "kit/write_faults.h"
#include "world/saved_game.h"

namespace tq {
namespace {

using kit::RoomBuilder;

class ItemsUnderfootTest : public HeroTest {
 protected:
  // Steps the hero up onto `tag` in room `room`.
  void StepOnto(const std::string& tag, int room = 45, int ground = kit::kGrass) {
    RoomBuilder(ground).Set(5, 6, tag).WriteTo(h, room);
    PlaceHero(room, 6, 6);
    h.Press(kKeyUp);
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

TEST_F(ItemsUnderfootTest, EveryTileUnderfootGivesWhatItsRowSays) {
  struct Case {
    const char* tag;
    int price;  // a shop deed's price, 0 for a find
    const char* caption;
    const char* sound;  // what MM1 ends on
    bool (*got)(Game&);
  } cases[] = {
      {"MAGICBAG", 75, "You bought a Magic Bag! Now you can hold many more gold coins! (500 max!)",
       "sounds/buy.wav",
       [](Game& game) { return game.imgMONEYBAG.Visible && game.HasMagicBag == 1; }},
      {"SWORD", 30, "You bought a symbol of Strength! You gain +5 maximum to your strength.",
       "sounds/buy.wav", [](Game& game) { return game.MaxStrength == 25 && game.Strength == 25; }},
      {"LIFE", 45, "You bought a symbol of Life! You gain +1 maximum to your life energy.",
       "sounds/buy.wav", [](Game& game) { return game.MaxLife == 11 && game.Life == 11; }},
      {"SHIELD", 300, "You bought a Shield! You have a chance to block an attack now!",
       "sounds/buy.wav",
       [](Game& game) { return game.ShieldItem == "SHIELD" && game.imgTOOL[1].Visible; }},
      {"TORCH", 50, "You bought a Torch! With this you can see inside dark places.",
       "sounds/buy.wav", [](Game& game) { return game.imgTOOL[2].Visible; }},
      {"BADGE", 350, "You bought a Crystal Ball! This will flash when you are near secrets.",
       "sounds/buy.wav", [](Game& game) { return game.imgTOOL[3].Visible; }},
      {"POTION", 100,
       "You bought the Glove! You will use less strength when you break things and recover it "
       "back much faster now!",
       "sounds/buy.wav", [](Game& game) { return game.imgTOOL[4].Visible; }},
      {"BOOK", 200,
       "You bought the Fish Book! Its great magic will allow you to swim in any water.",
       "sounds/buy.wav", [](Game& game) { return game.imgTOOL[5].Visible; }},
      {"GOLDKEY", 0,
       "You found a Golden Key! You'll be able to open all golden doors now. * AUTOSAVED * ",
       "sounds/equipsound.wav", [](Game& game) { return game.imgTOOL[6].Visible; }},
      {"PURPLEKEY", 0,
       "You found a Purple Key! You'll be able to open all purple doors now. * AUTOSAVED * ",
       "sounds/equipsound.wav", [](Game& game) { return game.imgTOOL[8].Visible; }},
      {"LIFEPOTION", 0, "When you eat this food, you feel healthier than before.",
       "sounds/potion.wav", [](Game& game) { return game.Life == 10; }},
      {"POWERPOTION", 0, "When you drink this potion, some of your strength is recovered.",
       "sounds/potion.wav", [](Game& game) { return game.Strength == 20; }},
      {"APPLES", 0, "Tarvo ate the apples he found on the ground and feels much better!",
       "sounds/potion.wav", [](Game& game) { return game.Life == 10 && game.Strength == 10; }},
      {"BLUEBERRIES", 0,
       "Tarvo ate the blueberries he found on the ground and regains all his health and "
       "strength!",
       "sounds/potion.wav", [](Game& game) { return game.Life == 10 && game.Strength == 20; }},
      {"BAG", 0, "There was 5 gold in the sack.", "sounds/coin.wav",
       [](Game& game) { return game.Gold == 105; }},
      {"POWER", 3, "You bought a power potion! Some of your strength was restored by drinking it.",
       "sounds/buy.wav", [](Game& game) { return game.Strength == 20; }},
      {"LIFESYMBOL", 0, "You got a symbol of Life! You gain +1 maximum to your life energy.",
       "sounds/SYMBOL.wav", [](Game& game) { return game.MaxLife == 11 && game.Life == 11; }},
      {"MEDAL", 400, "You bought the Hero Medal! Your attack power and defensive skills increase!",
       "sounds/buy.wav", [](Game& game) { return game.imgTOOL[9].Visible; }},
      {"SHIRT", 0, "You found a Magic Shirt! Enemies will do less damage to you now!",
       "sounds/potion.wav", [](Game& game) { return game.HasMagicShirt == 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    for (Control& tool : g.imgTOOL) tool.Visible = false;
    g.imgMONEYBAG.Visible = false;
    g.HasMagicBag = 0;
    g.HasMagicShirt = 0;
    g.ShieldItem = "";
    g.Life = 8;
    g.MaxLife = 10;
    g.Strength = 10;
    g.MaxStrength = 20;
    g.Gold = c.price > 0 ? c.price : 100;
    g.rnd.Script({2});
    const bool deed = c.price > 0;
    StepOnto(c.tag, deed ? 401 : 45, deed ? kit::kWood : kit::kGrass);
    EXPECT_EQ(g.lblMESSAGE.Caption, c.caption);
    EXPECT_EQ(h.mm1().playing(), Full(c.sound));
    EXPECT_TRUE(c.got(g));
    if (deed) {
      EXPECT_EQ(g.Gold, 0);
    }
    const bool key = std::string(c.tag).ends_with("KEY");
    EXPECT_EQ(g.lblMESSAGE.ForeColor, key ? 0x00FF00u : 0xFFFFFFu);
    EXPECT_EQ(kit::ReadRoom(h, deed ? 401 : 45).tags[5][6], deed ? c.tag : "FLOOR");
  }
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

TEST_F(ItemsUnderfootTest, APickupWhoseFilesCannotBeWrittenCountsForNothing) {
  struct Case {
    const char* tag;
    int room, ground;
    const char* failing;  // the file whose write fails; "" for a full disk
    const char* named;    // the file the message names: the first that failed
    const char* message;  // how the message begins
  } cases[] = {
      {"COIN", 45, kit::kGrass, "", "ROOM45", "Nothing was taken. "},
      {"REDKEY", 45, kit::kGrass, "", "GAMEFILE", "Nothing was taken. "},
      {"REDKEY", 45, kit::kGrass, "ROOM45", "ROOM45", "Nothing was taken. "},
      {"SWORD2", 550, kit::kDirt, "MAPFILE", "MAPFILE", "Nothing was taken. "},
      {"LIFE", 401, kit::kWood, "", "ROOM401", "Nothing was bought. "},
      {"SWORD1", 45, kit::kGrass, "", "GAMEFILE", "The game could not be saved. "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Join(c.tag, " with ", c.failing));
    g.Gold = 60;
    g.Life = 8;
    g.MaxLife = 10;
    g.SwordPieces = 1;
    g.imgTOOL[0].Picture = Full("Icons/PIECE1.bmp");
    for (int slot = 1; slot <= 9; ++slot) g.imgTOOL[slot].Visible = false;
    ASSERT_EQ(SaveGame(g).message, "");
    const std::string savedBefore = kit::Slurp(h.folder() / "Files" / "GAMEFILE");
    RoomBuilder(c.ground).Set(5, 6, c.tag).WriteTo(h, c.room);
    PlaceHero(c.room, 6, 6);
    {
      const kit::FailingWrites full([&](WriteStep step, const std::string& target) {
        const bool hit = std::string(c.failing).empty() || target.ends_with(c.failing);
        return step == WriteStep::StageFile && hit ? ENOSPC : 0;
      });
      h.Press(kKeyUp);
    }
    ASSERT_EQ(Where(), std::to_string(c.room) + ":5,6");
    EXPECT_EQ(g.lblMESSAGE.Caption.rfind(std::string(c.message) + "Files/" + c.named +
                                             " could not be written: No space left on device.",
                                         0),
              0u)
        << g.lblMESSAGE.Caption;
    EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
    // Nothing the tile gives was given, a deed's price included, and nothing of it was written.
    EXPECT_EQ(g.Gold, 60);
    EXPECT_EQ(g.Life, 8);
    EXPECT_EQ(g.MaxLife, 10);
    EXPECT_EQ(g.SwordPieces, 1);
    EXPECT_EQ(g.imgTOOL[0].Picture, Full("Icons/PIECE1.bmp"));
    EXPECT_FALSE(g.imgTOOL[7].Visible);
    EXPECT_EQ(kit::ReadRoom(h, c.room).tags[5][6], c.tag);
    EXPECT_EQ(kit::Slurp(h.folder() / "Files" / "GAMEFILE"), savedBefore);
    EXPECT_EQ(h.mm1().played(), std::vector<std::string>{});
    EXPECT_EQ(h.mm2().played(), std::vector<std::string>{});
  }
  // With room on the disk again the coin is there to be taken, once.
  g.rnd.Script({3});
  StepOnto("COIN");
  EXPECT_EQ(g.Gold, 63);
  EXPECT_EQ(kit::ReadRoom(h, 45).tags[5][6], "FLOOR");
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
