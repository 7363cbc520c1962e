// The main tick, step by step: what runs while blocking or paused, the toolbar, the rain roll,
// strength, the hero's frames, the animated view, the blinking icons and the status refresh.
#include "play/main_tick.h"

#include <gtest/gtest.h>

#include "kit/headless_game.h"
#include "play/play_field.h"

namespace tq {
namespace {

using test::ShowPlayField;
using test::Ticks;

TEST(MainTickCooldown, CountsDownByTheSwordAndStopsAtZero) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.SwingWait = 3;
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 2);
  Ticks(h, 2);
  EXPECT_EQ(g.SwingWait, 0);
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 0);  // never below zero

  g.SwordKind = 2;  // the SHADOW SWORD: 3, 1, 0
  g.SwingWait = 3;
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 1);
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 0);
}

TEST(MainTickBlock, WhileTheShieldHoldsOnlyTheCooldownAndShirtRun) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.HasMagicShirt = 1;
  g.SwingWait = 3;
  g.MenuTick = 2;
  g.Strength = 10;
  g.tmrSHIELD.setEnabled(true);
  g.rnd.Script({1, 1});  // would start a storm if the rain roll were made
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 2);
  EXPECT_TRUE(g.imgSHIRT.Visible);
  EXPECT_EQ(g.MenuTick, 2);
  EXPECT_TRUE(g.rnd.HasScript());
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.AnimFrame, 0);
  EXPECT_TRUE(g.IdleTicks.isEmpty());
  EXPECT_EQ(g.IMGgrid[12].Picture, "");

  g.tmrSHIELD.setEnabled(false);
  g.HasMagicShirt = 0;
  Ticks(h);
  EXPECT_FALSE(g.imgSHIRT.Visible);
  EXPECT_EQ(g.MenuTick, 3);
  EXPECT_EQ(g.AnimFrame, 1);
}

TEST(MainTickPause, ToolbarRainAndSaveLockRunWhileTheRestWaits) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 7);
  g.mnuPAUSE.Tag = "Unpause";
  g.mnuSAVE.Enabled = true;
  g.QuestStage = 1;
  g.MenuTick = 5;
  g.SwingWait = 2;
  g.Strength = 10;
  g.IdleTicks = 5;
  g.rnd.Script({1, 4});  // the rain roll hits, and the storm lasts (4 + 9) x 30 ticks
  Ticks(h);

  EXPECT_EQ(g.SwingWait, 1);
  EXPECT_EQ(g.MenuTick, 0);
  // The icons are refreshed before the save lock, so SAVE still shows lit for a while.
  EXPECT_FALSE(g.mnuSAVE.Enabled);
  EXPECT_EQ(g.mnuSAVE.Picture, g.GamePath + "MENU/SAVE.ico");
  EXPECT_TRUE(g.tmrRAIN.Enabled());  // a storm may begin during a pause
  EXPECT_EQ(g.RainTicks, 390);
  EXPECT_EQ(g.lblMESSAGE.Caption, "A heavy rainstorm begins.");
  // Everything from the swing speed on waits.
  EXPECT_EQ(g.AnimFrame, 0);
  EXPECT_EQ(g.IdleTicks, 5);
  EXPECT_EQ(g.Strength, 10);
  EXPECT_EQ(g.lblROOM.Caption, "50");
  EXPECT_EQ(g.IMGgrid[12].Picture, "");
  EXPECT_EQ(g.tmrATTACK.Interval(), 50);
}

TEST(MainTickToolbar, NumbersStayOffOnTheTitleAndIconsFollowEverySixthTick) {
  kit::HeadlessGame h;
  Game& g = h.game();
  const std::string layoutSaveIcon = g.mnuSAVE.Picture;
  g.mnuSAVE.Enabled = true;
  Ticks(h);
  EXPECT_FALSE(g.mnuNUM.Enabled);
  Ticks(h, 4);
  EXPECT_EQ(g.MenuTick, 5);
  EXPECT_EQ(g.mnuSAVE.Picture, layoutSaveIcon);  // the change has not shown yet
  Ticks(h);
  EXPECT_EQ(g.MenuTick, 0);
  const std::string menu = g.GamePath + "MENU/";
  EXPECT_EQ(g.mnuNUM.Picture, menu + "Nonumbers.ico");
  EXPECT_EQ(g.mnuPAUSE.Picture, menu + "NOpause.ico");
  EXPECT_EQ(g.mnuSAVE.Picture, menu + "SAVE.ico");
  EXPECT_EQ(g.mnuLOAD.Picture, menu + "LOAD.ico");
  EXPECT_EQ(g.mnuNEW.Picture, menu + "NEW.ico");
  EXPECT_EQ(g.mnuEXIT.Picture, menu + "QUIT.ico");

  // Off the title screen NUM keeps whatever state it is given.
  g.picSTART.Visible = false;
  g.mnuNUM.Enabled = true;
  g.mnuNEW.Enabled = false;
  g.mnuEXIT.Enabled = false;
  Ticks(h, 6);
  EXPECT_TRUE(g.mnuNUM.Enabled);
  EXPECT_EQ(g.mnuNUM.Picture, menu + "NUMBERS.ico");
  EXPECT_EQ(g.mnuNEW.Picture, menu + "noNEW.ico");
  EXPECT_EQ(g.mnuEXIT.Picture, menu + "NOquit.ico");
}

TEST(MainTickRainChance, TheRollIsMadeEveryTickButAStormNeedsEveryGate) {
  struct Case {
    const char* what;
    int room;
    int uiTick;
    bool mapOpen;
  };
  const Case blocked[] = {
      {"underground", 301, 0, false},
      {"title screen, no room yet", 0, 0, false},
      {"pause blinker not at 0", 12, 3, false},
      {"map open", 12, 0, true},
  };
  for (const Case& c : blocked) {
    kit::HeadlessGame h;
    Game& g = h.game();
    ShowPlayField(g, c.room);
    g.UiTick = c.uiTick;
    g.fraMAP.Visible = c.mapOpen;
    g.rnd.Script({1});
    Ticks(h);
    EXPECT_FALSE(g.rnd.HasScript()) << c.what;
    EXPECT_FALSE(g.tmrRAIN.Enabled()) << c.what;
    EXPECT_FALSE(g.imgRAIN[0].Visible) << c.what;
  }

  // A storm that is counting down is never replaced; a held one is.
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 100);
  g.RainTicks = 77;
  g.tmrRAIN.setEnabled(true);
  g.rnd.Script({1});
  Ticks(h);
  EXPECT_FALSE(g.rnd.HasScript());
  EXPECT_EQ(g.RainTicks, 75);  // only its own two ticks moved it

  g.tmrRAIN.setEnabled(false);
  g.rnd.Script({1, 11});
  Ticks(h);
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.RainTicks, 600);
}

TEST(MainTickStrength, RegainsOnePointPerSixIdleTicksOrFourWithTheGlove) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.Strength = 10;
  g.IdleTicks = 0;
  Ticks(h, 5);
  EXPECT_EQ(g.Strength, 10);
  Ticks(h);
  EXPECT_EQ(g.Strength, 11);
  EXPECT_EQ(g.IdleTicks, 0);

  g.imgTOOL[4].Visible = true;
  Ticks(h, 3);
  EXPECT_EQ(g.Strength, 11);
  Ticks(h);
  EXPECT_EQ(g.Strength, 12);
}

TEST(MainTickStrength, NeverAboveTheMaximumAndCutsAnExcessWhenItFires) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.Strength = 20;
  g.IdleTicks = 0;
  Ticks(h, 6);
  EXPECT_EQ(g.Strength, 20);

  g.Strength = 27;
  Ticks(h, 5);
  EXPECT_EQ(g.Strength, 27);  // untouched until regeneration fires
  Ticks(h);
  EXPECT_EQ(g.Strength, 20);
}

TEST(MainTickFocus, GivesTheKeysBackToThePlayFieldAndShowsTheRoom) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 37);
  g.focus = &g.mnuNEW;
  Ticks(h);
  EXPECT_EQ(g.focus, &g.pic1);
  EXPECT_EQ(g.lblROOM.Caption, "37");
  EXPECT_EQ(g.tmrATTACK.Interval(), 75);
  g.SwordKind = 2;
  Ticks(h);
  EXPECT_EQ(g.tmrATTACK.Interval(), 50);
}

TEST(MainTickHero, WalksThroughFramesOneTwoThreeTwoWithItsPictureSet) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  const std::string pics = g.GamePath + "Pics/";
  for (int frame : {1, 2, 3, 2, 1}) {
    Ticks(h);
    EXPECT_EQ(g.IMGgrid[12].Picture, pics + "GRASSWALK" + std::to_string(frame) + ".bmp");
  }
  EXPECT_EQ(g.InWater, 0);

  g.GroundType = "SNOW";
  g.Facing = "LEFT";
  g.ShieldItem = "SHIELD";
  g.HasMagicShirt = 1;
  g.SwordKind = 2;
  for (int frame : {12, 13, 12, 11}) {
    Ticks(h);
    EXPECT_EQ(g.IMGgrid[12].Picture, pics + "SNOWLEFTSHIELDWALK" + std::to_string(frame) + "a.bmp");
  }
}

TEST(MainTickHero, SwimsWithoutShieldShirtOrSwordAndTurnsTheRedrawMarkerToTheViewer) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.IMGgrid[12].Tag = "WATER";
  g.Facing = "XXX";
  g.ShieldItem = "SHIELD";
  g.HasMagicShirt = 1;
  g.SwordKind = 2;
  Ticks(h);
  EXPECT_EQ(g.InWater, 1);
  EXPECT_TRUE(g.Facing.isText());
  EXPECT_EQ(g.Facing, "");
  EXPECT_EQ(g.IMGgrid[12].Picture, g.GamePath + "Pics/GRASSWATERWALK1.bmp");

  g.Facing = "REAR";
  Ticks(h);
  EXPECT_EQ(g.Facing, "REAR");
  EXPECT_EQ(g.IMGgrid[12].Picture, g.GamePath + "Pics/GRASSREARWATERWALK2.bmp");
}

TEST(MainTickView, AnimatedTilesAndMonstersAlternateTheRestAreLeftAlone) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.UiTick = 2;  // no storm may begin in this test
  g.MonsterFacing = "LEFT";
  g.IMGgrid[0].Tag = "COIN";
  g.IMGgrid[1].Tag = "SHADOW BOSS";
  g.IMGgrid[2].Tag = "TREE";
  g.IMGgrid[3].Tag = "STREE";
  g.IMGgrid[18].Tag = "CAMPFIRE";
  g.IMGgrid[12].Tag = "COIN";  // the hero stands on it: his cell shows him
  for (int i : {2, 3}) g.IMGgrid[i].Picture = "kept";
  const std::string pics = g.GamePath + "pics/";

  Ticks(h);
  EXPECT_EQ(g.IMGgrid[0].Picture, pics + "GRASSCOIN.bmp");
  EXPECT_EQ(g.IMGgrid[1].Picture, pics + "GRASSSHADOW BOSSLEFT.bmp");
  EXPECT_EQ(g.IMGgrid[18].Picture, pics + "GRASSCAMPFIRE.bmp");
  EXPECT_EQ(g.IMGgrid[12].Picture, g.GamePath + "Pics/GRASSWALK1.bmp");

  Ticks(h);
  EXPECT_EQ(g.IMGgrid[0].Picture, pics + "GRASSCOIN2.bmp");
  EXPECT_EQ(g.IMGgrid[1].Picture, pics + "GRASSSHADOW BOSSLEFT2.bmp");
  EXPECT_EQ(g.IMGgrid[18].Picture, pics + "GRASSCAMPFIRE2.bmp");
  EXPECT_EQ(g.IMGgrid[12].Picture, g.GamePath + "Pics/GRASSWALK2.bmp");
  EXPECT_EQ(g.IMGgrid[2].Picture, "kept");
  EXPECT_EQ(g.IMGgrid[3].Picture, "kept");
  EXPECT_EQ(g.IMGgrid[7].Picture, "");  // plain floor is never reloaded

  Ticks(h);
  EXPECT_EQ(g.IMGgrid[0].Picture, pics + "GRASSCOIN.bmp");
}

TEST(MainTickView, AtMostOneWaterCellSparklesAndNoneInTheRain) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  for (int i : {3, 8, 12, 13}) g.IMGgrid[i].Tag = "WATER";
  const std::string water = g.GamePath + "pics/GRASSWATER2.bmp";
  const std::string sparkle = g.GamePath + "pics/GRASSWATER20.bmp";
  auto rolls = [](std::initializer_list<int> ones) {
    std::array<int, 25> r{};
    r.fill(50);
    for (int i : ones) r[i] = 1;
    return r;
  };
  auto secondFrameTick = [&](const std::array<int, 25>& r) {
    g.AnimFrame = 1;
    g.rnd.Script({2});
    for (int roll : r) g.rnd.Script({roll});
    Ticks(h);
    EXPECT_FALSE(g.rnd.HasScript());
  };

  secondFrameTick(rolls({3, 8}));  // the first in cell order takes it
  EXPECT_EQ(g.IMGgrid[3].Picture, sparkle);
  EXPECT_EQ(g.IMGgrid[8].Picture, water);

  secondFrameTick(rolls({0, 8, 13}));  // a 1 on dry ground is no sparkle
  EXPECT_EQ(g.IMGgrid[3].Picture, water);
  EXPECT_EQ(g.IMGgrid[8].Picture, sparkle);
  EXPECT_EQ(g.IMGgrid[13].Picture, water);

  secondFrameTick(rolls({12, 13}));  // the hero's own water roll uses up the tick's sparkle
  EXPECT_EQ(g.IMGgrid[12].Picture, g.GamePath + "Pics/GRASSWATERWALK2.bmp");
  EXPECT_EQ(g.IMGgrid[13].Picture, water);

  g.tmrRAIN.setEnabled(true);
  g.RainTicks = 100;
  secondFrameTick(rolls({3, 8, 13}));
  for (int i : {3, 8, 13}) EXPECT_EQ(g.IMGgrid[i].Picture, water) << i;
}

TEST(MainTickIcons, WarningsBlinkOnEvenFramesAndFallBackWhenTheConditionEnds) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.UiTick = 2;
  g.Life = 3;
  g.Strength = 5;
  g.BonusMode = 1;
  g.imgTOOL[2].Visible = true;
  g.TorchLit = 1;
  const std::string icons = g.GamePath + "Icons/";
  Ticks(h);  // frame 1
  EXPECT_EQ(g.imgSCRN[7].Picture, icons + "heartPIC.bmp");
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC.bmp");
  EXPECT_EQ(g.imgSCRN[2].Picture, icons + "starPIC.bmp");
  EXPECT_EQ(g.imgTOOL[2].Picture, icons + "TORCH.bmp");
  Ticks(h);  // frame 2
  EXPECT_EQ(g.imgSCRN[7].Picture, icons + "heartPIC2.bmp");
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC2.bmp");
  EXPECT_EQ(g.imgSCRN[2].Picture, icons + "starPIC2.bmp");
  EXPECT_EQ(g.imgTOOL[2].Picture, icons + "TORCH2.bmp");

  Ticks(h);  // frame 3
  g.Life = 4;
  g.Strength = 6;
  g.BonusMode = 0;
  g.TorchLit = 0;
  Ticks(h);  // frame 4: everything back to its plain picture
  EXPECT_EQ(g.imgSCRN[7].Picture, icons + "heartPIC.bmp");
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC.bmp");
  EXPECT_EQ(g.imgSCRN[2].Picture, icons + "starPIC.bmp");
  EXPECT_EQ(g.imgTOOL[2].Picture, icons + "torchout.bmp");
}

TEST(MainTickIcons, CrystalBallAndMedalGlowOnOddFramesAtTheirCause) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.UiTick = 2;
  const std::string icons = g.GamePath + "Icons/";
  g.IMGgrid[4].Tag = "SPWALL";
  Ticks(h);  // without the ball the hidden wall goes unnoticed
  EXPECT_EQ(g.imgTOOL[3].Picture, icons + "CrystalBall.bmp");
  EXPECT_EQ(g.imgTOOL[9].Picture, icons + "Medal3.bmp");

  g.imgTOOL[3].Visible = true;
  g.EnemyHP = 4;
  Ticks(h);  // frame 2
  EXPECT_EQ(g.imgTOOL[3].Picture, icons + "CrystalBall.bmp");
  EXPECT_EQ(g.imgTOOL[9].Picture, icons + "Medal.bmp");
  Ticks(h);  // frame 3
  EXPECT_EQ(g.imgTOOL[3].Picture, icons + "CrystalBall2.bmp");
  EXPECT_EQ(g.imgTOOL[9].Picture, icons + "Medal2.bmp");

  g.tmrRAIN.setEnabled(true);
  g.RainTicks = 100;
  g.EnemyHP = 0;
  g.AnimFrame = 0;
  Ticks(h);  // frame 1 again, in the rain and with the monster gone
  EXPECT_EQ(g.imgTOOL[3].Picture, icons + "CrystalBall.bmp");
  EXPECT_EQ(g.imgTOOL[9].Picture, icons + "Medal3.bmp");
}

TEST(MainTickMonsterTurn, IsRolledOnlyWhileAMonsterMayBeAbout) {
  struct Case {
    const char* what;
    const char* tag;
    int enemyHP;
    bool rolled;
  };
  const Case cases[] = {
      {"no monster", "FLOOR", 0, false},
      {"a monster tag with no hit points left", "BAT", 0, true},
      {"a live monster out of view", "FLOOR", 9, true},
  };
  for (const Case& c : cases) {
    kit::HeadlessGame h;
    Game& g = h.game();
    ShowPlayField(g, 5);
    g.IMGgrid[20].Tag = c.tag;
    g.EnemyHP = c.enemyHP;
    g.rnd.Script({2, 1});  // the rain roll, then the monster's roll if one is made
    Ticks(h);
    EXPECT_EQ(g.rnd.HasScript(), !c.rolled) << c.what;
  }
}

TEST(MainTickStatus, BarsAndNumbersFollowOnlyOnTheThirdFrame) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.UiTick = 2;
  g.Life = 5;
  g.Gold = 42;
  Ticks(h, 2);
  EXPECT_EQ(g.imgBAR[0].Left, 0);
  EXPECT_EQ(g.lblHP[1].Caption, "10");
  Ticks(h);
  EXPECT_EQ(g.AnimFrame, 3);
  EXPECT_EQ(g.imgBAR[0].Left, -710);
  EXPECT_EQ(g.lblHP[1].Caption, "5");
  EXPECT_EQ(g.lblHP[0].Caption, "42");

  g.Life = 9;
  Ticks(h, 3);
  EXPECT_EQ(g.imgBAR[0].Left, -710);  // frames 4, 1, 2 leave them
  Ticks(h);
  EXPECT_EQ(g.imgBAR[0].Left, -142);
}

}  // namespace
}  // namespace tq
