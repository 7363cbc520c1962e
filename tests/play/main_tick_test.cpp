// The main tick, step by step: what runs while blocking or paused, the toolbar, the rain roll,
// strength, the hero's frames, the animated view, the blinking icons and the status refresh.
#include <gtest/gtest.h>

#include <algorithm>

#include "play/play_field.h"

namespace tq {
namespace {

using test::ShowPlayField;
using test::Ticks;

TEST(MainTick, WhileTheShieldHoldsOnlyTheCooldownAndShirtRun) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.HasMagicShirt = 1;
  g.SwordKind = 2;  // the SHADOW SWORD cools down by 2: 3, 1, 0
  g.SwingWait = 3;
  g.tmrSHIELD.setEnabled(true);
  g.rnd.Script({1, 1});  // would start a storm if the rain roll were made
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 1);
  EXPECT_TRUE(g.imgSHIRT.Visible);
  EXPECT_EQ(g.MenuTick, 0);
  EXPECT_TRUE(g.rnd.HasScript());
  EXPECT_EQ(g.AnimFrame, 0);
  Ticks(h);
  EXPECT_EQ(g.SwingWait, 0);
}

TEST(MainTick, TheCooldownAndTheSwingSpeedFollowTheSword) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.imgSHIRT.Visible = true;  // no shirt owned: the icon goes
  g.SwingWait = 3;
  g.tmrATTACK.setInterval(50);
  for (int left : {2, 1, 0, 0}) {
    Ticks(h);
    EXPECT_EQ(g.SwingWait, left);
  }
  EXPECT_FALSE(g.imgSHIRT.Visible);
  EXPECT_EQ(g.tmrATTACK.Interval(), 75);
  g.SwordKind = 2;
  Ticks(h);
  EXPECT_EQ(g.tmrATTACK.Interval(), 50);
  // The speed is set after the pause test, so a paused tick leaves it alone.
  g.SwordKind = 1;
  g.mnuPAUSE.Tag = "Unpause";
  Ticks(h);
  EXPECT_EQ(g.tmrATTACK.Interval(), 50);
}

TEST(MainTick, WhilePausedToolbarRainAndSaveLockRunButNothingAfter) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 7);
  g.mnuPAUSE.Tag = "Unpause";
  g.mnuSAVE.Enabled = true;
  g.QuestStage = 1;
  g.MenuTick = 5;
  g.IdleTicks = 5;
  g.rnd.Script({1, 4});  // the rain roll hits; the storm lasts (4 + 9) x 30 ticks
  Ticks(h);
  // The icons are reloaded before the save lock, so SAVE still shows lit until the next round.
  EXPECT_FALSE(g.mnuSAVE.Enabled);
  EXPECT_EQ(g.mnuSAVE.Picture, g.GamePath + "MENU/SAVE.ico");
  EXPECT_TRUE(g.tmrRAIN.Enabled());
  EXPECT_EQ(g.RainTicks, 390);
  EXPECT_EQ(g.AnimFrame, 0);
  EXPECT_EQ(g.IdleTicks, 5);
  EXPECT_EQ(g.lblROOM.Caption, "50");
}

TEST(MainTick, ToolbarIconsFollowTheButtonsEverySixthTickAndNumbersStayOffOnTheTitle) {
  kit::HeadlessGame h;
  Game& g = h.game();
  const std::string layoutIcon = g.mnuSAVE.Picture;
  g.mnuSAVE.Enabled = true;
  g.mnuEXIT.Enabled = false;
  Ticks(h, 5);
  EXPECT_FALSE(g.mnuNUM.Enabled);
  EXPECT_EQ(g.mnuSAVE.Picture, layoutIcon);
  Ticks(h);
  const std::string menu = g.GamePath + "MENU/";
  EXPECT_EQ(g.mnuNUM.Picture, menu + "Nonumbers.ico");
  EXPECT_EQ(g.mnuPAUSE.Picture, menu + "NOpause.ico");
  EXPECT_EQ(g.mnuSAVE.Picture, menu + "SAVE.ico");
  EXPECT_EQ(g.mnuLOAD.Picture, menu + "LOAD.ico");
  EXPECT_EQ(g.mnuNEW.Picture, menu + "NEW.ico");
  EXPECT_EQ(g.mnuEXIT.Picture, menu + "NOquit.ico");

  // Every button turned the other way shows its other icon at the next round, not before.
  for (Control* button : {&g.mnuNUM, &g.mnuPAUSE, &g.mnuSAVE, &g.mnuLOAD, &g.mnuNEW, &g.mnuEXIT})
    button->Enabled = !button->Enabled;
  g.picSTART.Visible = false;
  Ticks(h, 5);
  EXPECT_EQ(g.mnuNUM.Picture, menu + "Nonumbers.ico");
  Ticks(h);
  EXPECT_EQ(g.mnuNUM.Picture, menu + "NUMBERS.ico");
  EXPECT_EQ(g.mnuPAUSE.Picture, menu + "PAUSE.ico");
  EXPECT_EQ(g.mnuSAVE.Picture, menu + "NOsave.ico");
  EXPECT_EQ(g.mnuLOAD.Picture, menu + "NOload.ico");
  EXPECT_EQ(g.mnuNEW.Picture, menu + "noNEW.ico");
  EXPECT_EQ(g.mnuEXIT.Picture, menu + "QUIT.ico");
}

TEST(MainTick, TheRainRollIsMadeEveryTickButAStormNeedsEveryGate) {
  struct Case {
    int room, uiTick;
    bool mapOpen, raining, starts;
  };
  const Case cases[] = {{100, 0, false, false, true}, {301, 0, false, false, false},
                        {0, 0, false, false, false},  {12, 3, false, false, false},
                        {12, 0, true, false, false},  {12, 0, false, true, false}};
  for (const Case& c : cases) {
    kit::HeadlessGame h;
    Game& g = h.game();
    ShowPlayField(g, c.room);
    g.UiTick = c.uiTick;
    g.fraMAP.Visible = c.mapOpen;
    g.RainTicks = 77;  // a held storm is replaced by a new one
    g.tmrRAIN.setEnabled(c.raining);
    g.rnd.Script({1, 11});
    Ticks(h);
    if (!c.starts) {
      EXPECT_EQ(g.rnd.Draw(11), 11) << c.room;  // the 1 went to the roll anyway
    }
    EXPECT_FALSE(g.rnd.HasScript()) << c.room;
    EXPECT_EQ(g.RainTicks, c.starts ? 600 : c.raining ? 75 : 77) << c.room;
  }
}

TEST(MainTick, StrengthRegrowsPerSixIdleTicksOrFourWithTheGloveUpToTheMaximum) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.Strength = 19;
  Ticks(h, 5);
  EXPECT_EQ(g.Strength, 19);
  Ticks(h);
  EXPECT_EQ(g.Strength, 20);
  g.imgTOOL[4].Visible = true;
  g.Strength = 27;
  Ticks(h, 3);
  EXPECT_EQ(g.Strength, 27);
  Ticks(h);
  EXPECT_EQ(g.Strength, 20);  // cut down to MaxStrength when it fires
}

TEST(MainTick, TheHeroWalksOneTwoThreeTwoSwimsAndFacesTheViewerAfterARedraw) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 37);
  g.focus = &g.mnuNEW;
  g.Facing = "XXX";
  const std::string pics = g.GamePath + "Pics/";
  for (int frame : {1, 2, 3, 2}) {
    Ticks(h);
    EXPECT_EQ(g.IMGgrid[12].Picture, pics + "GRASSWALK" + std::to_string(frame) + ".bmp");
  }
  EXPECT_EQ(g.focus, &g.pic1);
  EXPECT_EQ(g.lblROOM.Caption, "37");

  g.Facing = "LEFT";
  g.ShieldItem = "SHIELD";
  g.HasMagicShirt = 1;
  g.SwordKind = 2;
  Ticks(h);
  EXPECT_EQ(g.IMGgrid[12].Picture, pics + "GRASSLEFTSHIELDWALK11a.bmp");
  g.IMGgrid[12].Tag = "WATER";
  Ticks(h);
  EXPECT_EQ(g.InWater, 1);
  EXPECT_EQ(g.IMGgrid[12].Picture, pics + "GRASSLEFTWATERWALK2.bmp");
}

TEST(MainTick, AnimatedTilesAlternateAndAtMostOneWaterCellSparklesOutOfTheRain) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.MonsterFacing = "LEFT";
  g.IMGgrid[0].Tag = "SHADOW BOSS";
  g.IMGgrid[2].Tag = "STREE";
  for (int i : {3, 8, 12, 13}) g.IMGgrid[i].Tag = "WATER";
  g.IMGgrid[2].Picture = "kept";
  const std::string pics = g.GamePath + "pics/GRASS";
  // One second-frame tick with a 1 rolled for the listed cells.
  auto tick = [&](std::initializer_list<int> ones, bool raining) {
    g.AnimFrame = 1;
    g.RainTicks = 100;
    g.tmrRAIN.setEnabled(raining);
    g.rnd.Script({2});
    for (int i = 0; i < 25; ++i)
      g.rnd.Script({std::find(ones.begin(), ones.end(), i) != ones.end() ? 1 : 50});
    Ticks(h);
  };
  tick({3, 8}, false);
  EXPECT_EQ(g.IMGgrid[0].Picture, pics + "SHADOW BOSSLEFT2.bmp");
  EXPECT_EQ(g.IMGgrid[3].Picture, pics + "WATER20.bmp");
  EXPECT_EQ(g.IMGgrid[8].Picture, pics + "WATER2.bmp");
  EXPECT_EQ(g.IMGgrid[2].Picture, "kept");
  tick({12, 13}, false);  // the hero's own cell rolls first and uses the sparkle up unseen
  EXPECT_EQ(g.IMGgrid[13].Picture, pics + "WATER2.bmp");
  tick({3, 8, 13}, true);
  for (int i : {3, 8, 13}) EXPECT_EQ(g.IMGgrid[i].Picture, pics + "WATER2.bmp") << i;
  Ticks(h);
  EXPECT_EQ(g.IMGgrid[0].Picture, pics + "SHADOW BOSSLEFT.bmp");
  EXPECT_EQ(g.IMGgrid[3].Picture, pics + "WATER.bmp");
}

TEST(MainTick, OnlyTheAnimatedTilesChangeTheirPicture) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  const char* animated[] = {"COIN", "CAMPFIRE", "WATER", "RUINSTONE", "LIFESYMBOL", "POWERSYMBOL"};
  const char* still[] = {"FLOOR", "TREE", "STREE", "SPWALL", "RUINSTONESNOW", "RIVER"};
  for (int i = 0; i < 6; ++i) {
    g.IMGgrid[i].Tag = animated[i];
    g.IMGgrid[6 + i].Tag = still[i];
    g.IMGgrid[6 + i].Picture = "kept";
  }
  g.GroundType = "SNOW";
  const std::string pics = g.GamePath + "pics/SNOW";
  g.rnd.Script({2});  // no rain
  Ticks(h);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(g.IMGgrid[i].Picture, pics + animated[i] + ".bmp");
    EXPECT_EQ(g.IMGgrid[6 + i].Picture, "kept") << still[i];
  }
  g.rnd.Script({2});
  for (int i = 0; i < 25; ++i) g.rnd.Script({50});  // no sparkle
  Ticks(h);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(g.IMGgrid[i].Picture, pics + animated[i] + "2.bmp");
}

TEST(MainTick, ABurningTorchAndLowStrengthBlinkOnTheEvenFrames) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 305);
  g.TorchLit = 1;
  g.Strength = 4;  // stays at 5 or less while it regrows over these ticks
  g.imgTOOL[2].Picture = "unowned";
  const std::string icons = g.GamePath + "Icons/";
  Ticks(h);
  EXPECT_EQ(g.imgTOOL[2].Picture, "unowned");  // a lit room without the torch leaves its slot
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC.bmp");
  g.imgTOOL[2].Visible = true;
  Ticks(h);
  EXPECT_EQ(g.imgTOOL[2].Picture, icons + "TORCH2.bmp");
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC2.bmp");
  Ticks(h);
  EXPECT_EQ(g.imgTOOL[2].Picture, icons + "TORCH.bmp");
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC.bmp");
  EXPECT_EQ(g.imgSCRN[2].Picture, icons + "starPIC.bmp");
}

TEST(MainTick, IconsBlinkWhileTheirConditionHoldsAndFallBackAfter) {
  kit::HeadlessGame h;
  Game& g = h.game();
  ShowPlayField(g, 5);
  g.Life = 3;
  g.BonusMode = 1;
  g.imgTOOL[3].Visible = true;
  g.IMGgrid[4].Tag = "SPWALL";
  g.EnemyHP = 4;
  const std::string icons = g.GamePath + "Icons/";
  Ticks(h);  // odd frame: the ball and the medal glow
  EXPECT_EQ(g.imgSCRN[7].Picture, icons + "heartPIC.bmp");
  EXPECT_EQ(g.imgTOOL[3].Picture, icons + "CrystalBall2.bmp");
  EXPECT_EQ(g.imgTOOL[9].Picture, icons + "Medal2.bmp");
  Ticks(h);  // even frame: the warnings do
  EXPECT_EQ(g.imgSCRN[7].Picture, icons + "heartPIC2.bmp");
  EXPECT_EQ(g.imgSCRN[2].Picture, icons + "starPIC2.bmp");
  EXPECT_EQ(g.imgSCRN[6].Picture, icons + "HEADPIC.bmp");
  EXPECT_EQ(g.imgTOOL[2].Picture, icons + "torchout.bmp");

  g.Life = 4;
  g.EnemyHP = 0;
  g.tmrRAIN.setEnabled(true);
  g.RainTicks = 50;
  Ticks(h, 2);
  EXPECT_EQ(g.imgSCRN[7].Picture, icons + "heartPIC.bmp");
  EXPECT_EQ(g.imgTOOL[3].Picture, icons + "CrystalBall.bmp");
  EXPECT_EQ(g.imgTOOL[9].Picture, icons + "Medal3.bmp");
}

TEST(MainTick, TheMonsterRollIsMadeOnlyWhileOneMayBeAbout) {
  const std::pair<const char*, int> cases[] = {{"FLOOR", 0}, {"BAT", 0}, {"FLOOR", 9}};
  for (const auto& [tag, hp] : cases) {
    kit::HeadlessGame h;
    Game& g = h.game();
    ShowPlayField(g, 5);
    g.IMGgrid[20].Tag = tag;
    g.EnemyHP = hp;
    g.rnd.Script({2, 1});
    Ticks(h);
    EXPECT_EQ(g.rnd.HasScript(), std::string(tag) == "FLOOR" && hp == 0) << tag << hp;
  }
}

TEST(MainTick, BarsAndNumbersFollowOnTheThirdFrameOnly) {
  kit::HeadlessGame h;
  Game& g = h.game();
  g.Life = 5;
  g.Gold = 42;
  g.EnemyHP = 6;
  Ticks(h, 2);
  EXPECT_EQ(g.imgBAR[0].Left, 0);
  Ticks(h);
  EXPECT_EQ(g.imgBAR[0].Left, -710);
  const char* numbers[] = {"42", "5", "20", "6", "0"};  // gold, life, strength, enemy, points
  for (int i = 0; i < 5; ++i) EXPECT_EQ(g.lblHP[i].Caption, numbers[i]) << i;
  g.Life = 9;
  Ticks(h, 3);
  EXPECT_EQ(g.lblHP[1].Caption, "5");
  Ticks(h);
  EXPECT_EQ(g.imgBAR[0].Left, -142);
}

}  // namespace
}  // namespace tq
