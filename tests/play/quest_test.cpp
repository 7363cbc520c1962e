// The two bosses and the ending: the SHADOW BOSS's death opens the door, wakes VEV and is saved at
// once; VEV's death plays the ending to the end picture; NEW and LOAD stop whatever still runs.
#include <filesystem>

#include "kit/file_bytes.h"
#include "play/sword_fixture.h"
#include "world/saved_game.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

class QuestTest : public SwordTest {
 protected:
  // VEV's chambers as they ship: VEV at (2,6), the banner at (5,6), the SHADOW BOSS at (8,8).
  void ShipRoom704() {
    fs::copy_file(fs::path(TQ_SOURCE_DIR) / "data" / "Files" / "ROOM604",
                  h.folder() / "Files" / "ROOM704", fs::copy_options::overwrite_existing);
  }
  fs::path File(const std::string& name) { return h.folder() / "Files" / name; }

  // The hero below the SHADOW BOSS kills it with one blow.
  void KillTheBoss() {
    ShipRoom704();
    PlaceHero(704, 7, 8);
    ASSERT_EQ(g.IMGgrid[17].Tag, "SHADOW BOSS");
    ASSERT_EQ(g.EnemyHP, 40);
    g.EnemyHP = 1;
    // The blow, the main tick's rain and monster rolls, and no loot.
    Swing({3, 100, 2, 2, 2}, kResolved);
    ASSERT_TRUE(UsedExactlyTheScript());
  }
  // The hero below VEV, the boss dead, kills him with one blow.
  void KillVev() {
    ShipRoom704();
    g.QuestStage = 1;
    PlaceHero(704, 3, 6);
    g.Facing = "REAR";
    ASSERT_EQ(g.IMGgrid[7].Tag, "VEV");
    ASSERT_EQ(g.EnemyHP, 55);
    g.EnemyHP = 1;
    Swing({3, 100, 2, 2}, kResolved);
    ASSERT_TRUE(UsedExactlyTheScript());
  }
};

TEST_F(QuestTest, TheBossKillOpensTheDoorWakesVevAndIsSavedAtOnce) {
  KillTheBoss();
  EXPECT_EQ(g.lblMESSAGE.Caption,
            "A door appears! You hear VEV in the next room- Prepare to go in!");
  EXPECT_EQ(g.QuestStage, 1);
  EXPECT_EQ(g.Points, 40);
  // The strike redraws the room: the banner is a door and VEV is the room's monster now.
  EXPECT_EQ(g.Facing, "XXX");
  EXPECT_EQ(g.IMGgrid[0].Tag, "PURPLEDOOR");
  EXPECT_EQ(g.IMGgrid[17].Tag, "FLOOR");
  EXPECT_EQ(g.EnemyHP, 55);
  EXPECT_EQ(h.mm2().played(), Paths({"Sounds/ENEMYKILL10.wav", "sounds/ROAR10.wav"}));
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_EQ(kit::ReadRoom(h, 704).tags[8][8], "FLOOR");

  SavedGame saved;
  ASSERT_FALSE(ReadSavedGame(g.GamePath, saved));
  EXPECT_EQ(saved.QuestStage, 1);
  EXPECT_EQ(saved.Points, 40);

  // A hero who quits now finds the door open and VEV awake.
  g.QuestStage = 0;
  g.IMGgrid[0].Tag = "SHELF";
  ASSERT_TRUE(h.ClickOn(g.mnuLOAD));
  EXPECT_EQ(g.QuestStage, 1);
  EXPECT_EQ(g.IMGgrid[0].Tag, "PURPLEDOOR");
  EXPECT_EQ(g.EnemyHP, 55);
  h.Advance(200);
  EXPECT_FALSE(g.mnuSAVE.Enabled);
}

TEST_F(QuestTest, ABossKillThatCannotBeSavedSaysSoInRed) {
  fs::create_directories(File("GAMEFILE") / "in the way");
  KillTheBoss();
  EXPECT_NE(g.lblMESSAGE.Caption.find("GAMEFILE"), std::string::npos) << g.lblMESSAGE.Caption;
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_EQ(g.QuestStage, 1);
  // The room and the save land together or not at all: the room file still holds the boss.
  EXPECT_EQ(kit::ReadRoom(h, 704).tags[8][8], "SHADOW BOSS");
}

TEST_F(QuestTest, VevsDeathPlaysTheEndingToTheEndPicture) {
  g.mnuSAVE.Enabled = true;
  g.mnuPAUSE.Enabled = true;
  KillVev();
  const std::string won = "You did it! You rescued Rirezivi! YOU WON THE GAME!";
  EXPECT_EQ(g.IMGgrid[7].Tag, "SIBLING1");
  EXPECT_EQ(g.IMGgrid[7].Picture, Full("Pics/SNOWSIBLING1.bmp"));
  EXPECT_EQ(kit::ReadRoom(h, 704).tags[2][6], "SIBLING1");
  EXPECT_EQ(g.lblMESSAGE.Caption, won);
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0xFFFFFFu);
  EXPECT_EQ(h.mm1().playing(), Full("sounds/allright.wav"));
  EXPECT_EQ(g.QuestStage, 2);
  EXPECT_EQ(g.Points, 0);
  EXPECT_FALSE(g.tmrANIMATE.Enabled());
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_TRUE(g.tmrEND.Enabled());
  EXPECT_FALSE(g.mnuSAVE.Enabled);
  EXPECT_FALSE(g.mnuPAUSE.Enabled);
  EXPECT_EQ(h.mm2().playCount(), 1);
  EXPECT_FALSE(fs::exists(File("GAMEFILE")));  // the win is not saved

  // One step every 4.5 s; steps 1 and 5 show nothing new.
  const std::string steps[] = {
      won, "RIREZIVI: I Thank you brother, yet I had him right where I wanted him!",
      "RIREZIVI: I'll show myself out- See you later!", "TARVO: Oh I see.. Harumph!",
      "TARVO: Oh I see.. Harumph!"};
  h.mm2().clear();
  h.mm3().clear();
  for (int step = 1; step <= 5; ++step) {
    h.Advance(4499);
    EXPECT_EQ(g.AnimFrame, step - 1);
    g.tmrANIMATE.setEnabled(true);  // whatever starts the main tick, the ending stops it again
    h.Advance(1);
    EXPECT_EQ(g.lblMESSAGE.Caption, steps[step - 1]) << step;
    EXPECT_FALSE(g.tmrANIMATE.Enabled()) << step;
    EXPECT_FALSE(g.picSTART.Visible) << step;
  }
  EXPECT_EQ(h.mm2().played(), Paths({"sounds/winmusic.mid"}));
  EXPECT_EQ(h.mm3().calls().size(), 5u);  // the area music is stopped on every step
  h.Advance(4500);
  EXPECT_TRUE(g.picSTART.Visible);
  EXPECT_EQ(g.Image2.Picture, Full("icons/TQend1.bmp"));
  EXPECT_FALSE(g.Label1.Visible);
  EXPECT_FALSE(g.Label2.Visible);
  EXPECT_FALSE(g.picSCROLL.Visible);
  EXPECT_FALSE(g.tmrEND.Enabled());

  // The end picture stays, and no key reaches the hidden play field behind it.
  g.IdleTicks = 4;
  for (int key : {kKeySpace, kKeyLeft, kKeyUp, kKeyDown}) h.Press(key);
  h.Advance(60000);
  EXPECT_EQ(g.IdleTicks, 4);
  EXPECT_EQ(Where(), "704:3,6");
  EXPECT_FALSE(g.tmrANIMATE.Enabled());
  EXPECT_FALSE(g.tmrATTACK.Enabled());
  EXPECT_TRUE(g.picSTART.Visible);
  EXPECT_EQ(g.lblMESSAGE.Caption, "TARVO: Oh I see.. Harumph!");
}

enum class Phase { Swing, Strike, Ending };

class NewOrLoadMidAction : public QuestTest, public ::testing::WithParamInterface<Phase> {};

TEST_P(NewOrLoadMidAction, LoadStopsTheSwingTheStrikeOrTheEnding) {
  const Phase phase = GetParam();
  if (phase == Phase::Ending) {
    KillVev();
  } else {
    Face("TREE");
    Swing({}, phase == Phase::Swing ? 100 : kFirstFrame);
    ASSERT_TRUE(phase == Phase::Swing ? g.tmrATTACK.Enabled() : g.tmrBREAK.Enabled());
  }
  // A game saved in a quiet room away from the overland, loaded over whatever runs.
  const std::string struckRoom = g.RoomNumber.str();
  const std::string struckBefore = kit::Slurp(File("ROOM" + struckRoom));
  kit::RoomBuilder().WriteTo(h, 555);
  g.RoomNumber = 555;
  g.HeroRow = 8;
  g.HeroCol = 8;
  g.QuestStage = 0;
  ASSERT_EQ(SaveGame(g).message, "");
  ASSERT_TRUE(h.ClickOn(g.mnuLOAD));
  for (Timer* t : {&g.tmrATTACK, &g.tmrBREAK, &g.tmrEND}) EXPECT_FALSE(t->Enabled()) << t->name();
  h.Advance(30000);
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_FALSE(g.picSTART.Visible);
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x00FF00u);  // the load's message stands
  EXPECT_EQ(kit::Slurp(File("ROOM" + struckRoom)), struckBefore);
  h.Press(kKeyUp);
  EXPECT_EQ(Where(), "555:7,8");
}

INSTANTIATE_TEST_SUITE_P(Phases, NewOrLoadMidAction,
                         ::testing::Values(Phase::Swing, Phase::Strike, Phase::Ending),
                         [](const auto& c) {
                           return c.param == Phase::Swing    ? "Swing"
                                  : c.param == Phase::Strike ? "Strike"
                                                             : "Ending";
                         });

TEST_F(QuestTest, NewStopsAStrike) {
  for (const auto& e : fs::directory_iterator(fs::path(TQ_SOURCE_DIR) / "data" / "Files")) {
    fs::copy_file(e.path(), File(e.path().filename().string()),
                  fs::copy_options::overwrite_existing);
  }
  Face("TREE");
  g.mnuNEW.Enabled = true;
  Swing({}, kFirstFrame);
  ASSERT_TRUE(g.tmrBREAK.Enabled());
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  h.Advance(3000);
  EXPECT_FALSE(g.picSTART.Visible);
  EXPECT_FALSE(g.tmrBREAK.Enabled());
  EXPECT_EQ(g.Points, 0);
  EXPECT_EQ(g.lblMESSAGE.Caption, "I gotta' save my family... NOW!");
}

}  // namespace
}  // namespace tq
