// What follows a blow, on the manual clock: the hurt frames and the return to play, the block
// pose that freezes one main tick, the dying frames and the game over, and the timers NEW and
// LOAD end.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "game/game.h"
#include "game/key_codes.h"
#include "kit/headless_game.h"
#include "kit/room_builder.h"
#include "play/play_field.h"
#include "rooms/move_hero.h"

namespace tq {
namespace {

class HurtTest : public ::testing::Test {
 protected:
  // The hero in play at (6, 6) of room 45 with an OGRE on his right, which strikes on the first
  // main tick (at 200 ms) with the given draws for its blow.
  void Fight(int life, std::initializer_list<std::int64_t> blowDraws) {
    kit::RoomBuilder().Set(6, 7, "OGRE").WriteTo(h, 45);
    test::ShowPlayField(g, 45);
    g.HeroRow = 6;
    g.HeroCol = 6;
    g.Facing = "XXX";
    MoveHero(g);
    g.MaxLife = 10;
    g.Life = life;
    g.mnuNEW.Enabled = g.mnuLOAD.Enabled = false;
    g.mnuSAVE.Enabled = g.mnuPAUSE.Enabled = g.mnuNUM.Enabled = g.imgMAP1.Enabled = true;
    g.rnd.Script({2, 1, 2, 1});  // no rain, the monster's turn, its toss and detour
    g.rnd.Script(blowDraws);
    h.Advance(200);
    ASSERT_FALSE(g.rnd.HasScript());
  }
  std::string Pic(const std::string& name) { return g.GamePath + name; }
  bool Played(RecordingChannel& channel, const std::string& relative) {
    const auto played = channel.played();
    return std::find(played.begin(), played.end(), Pic(relative)) != played.end();
  }

  kit::HeadlessGame h{true};
  Game& g = h.game();
};

TEST_F(HurtTest, TheHurtFramesPlayThenTheGameGoesOn) {
  Fight(4, {3});
  EXPECT_EQ(g.Life, 1);
  EXPECT_EQ(g.lblMESSAGE.Caption, "OGRE hits you for 3 damage!");
  EXPECT_EQ(h.mm2().playing(), Pic("SOUNDS/OW2.wav"));
  EXPECT_FALSE(g.tmrANIMATE.Enabled());
  for (int frame = 1; frame <= 4; ++frame) {
    h.Advance(100);
    EXPECT_EQ(g.IMGgrid[12].Picture, Pic(Join("pics/GRASSGUYHIT", frame, ".bmp")));
    // Reeling, he cannot act: keys go nowhere and do not even count as the player awake.
    g.IdleTicks = 3;
    h.Press(kKeyLeft);
    EXPECT_EQ(g.IdleTicks, 3);
    EXPECT_EQ(g.Facing, "");
  }
  h.Advance(100);
  EXPECT_EQ(g.IMGgrid[12].Picture, Pic("pics/GRASSGUYHIT0.bmp"));
  EXPECT_EQ(g.AnimFrame, 0);
  EXPECT_FALSE(g.tmrGUYHIT.Enabled());
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  h.Press(kKeyLeft);
  EXPECT_EQ(g.Facing, "LEFT");
  // The next main tick, 200 ms on, walks him again.
  g.rnd.Script({2, 2});
  h.Advance(200);
  EXPECT_EQ(g.IMGgrid[12].Picture, Pic("Pics/GRASSLEFTWALK1.bmp"));
}

TEST_F(HurtTest, ABlockFreezesOneMainTickAndDropsKeysFor200ms) {
  g.ShieldItem = "SHIELD";
  g.slot(ItemSlot::Shield).Visible = true;
  g.HasMagicShirt = 1;
  Fight(4, {3, 2});  // the shirt makes the chance 2 of 7
  EXPECT_EQ(g.Life, 4);
  EXPECT_EQ(g.lblMESSAGE.Caption, "OGRE hits you , but you BLOCK with the SHIELD!");
  EXPECT_EQ(g.IMGgrid[12].Picture, Pic("Pics/GRASSsBLOCKa.bmp"));
  EXPECT_EQ(h.mm2().playing(), Pic("SOUNDS/OW0.wav"));
  const Value menuTick = g.MenuTick;
  h.Press(kKeyUp);
  EXPECT_EQ(g.Facing, "");

  // At 400 ms the main tick comes first and stops after its second step; then the pose ends.
  h.Advance(200);
  EXPECT_FALSE(g.tmrSHIELD.Enabled());
  EXPECT_EQ(g.AnimFrame, 1);
  EXPECT_EQ(g.MenuTick, menuTick);
  EXPECT_EQ(g.IMGgrid[12].Picture, Pic("Pics/GRASSsBLOCKa.bmp"));
  h.Press(kKeyUp);
  EXPECT_EQ(g.Facing, "REAR");
  EXPECT_EQ(g.HeroRow, 5);
}

TEST_F(HurtTest, DeathPlaysTheDyingFramesThenLeavesOnlyANewStart) {
  g.RainTicks = 50;
  g.tmrRAIN.setEnabled(true);
  for (Control& drop : g.imgRAIN) drop.Visible = true;
  Fight(2, {4});
  EXPECT_EQ(g.Life, 0);
  EXPECT_EQ(g.lblMESSAGE.Caption, "OGRE hits you for 4 damage! TARVO DIED!");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  const int lifeBar = g.imgBAR[0].Left;
  for (int frame = 1; frame <= 4; ++frame) {
    h.Advance(100);
    EXPECT_EQ(g.IMGgrid[12].Picture, Pic(Join("pics/GRASSGUYDIE", frame, ".bmp")));
  }
  EXPECT_FALSE(Played(h.mm1(), "sounds/DEAD.wav"));
  g.Gold = 77;    // the numbers are brought up to date at the end,
  g.MaxLife = 5;  // the bars are not
  const Value rainLeft = g.RainTicks;
  h.mm3().clear();

  h.Advance(100);
  EXPECT_EQ(g.IMGgrid[12].Picture, Pic("pics/GRASSFLOOR.bmp"));
  EXPECT_EQ(h.mm1().playing(), Pic("sounds/DEAD.wav"));
  EXPECT_EQ(h.mm2().playing(), Pic("SOUNDS/DEADMUSIC.mid"));
  ASSERT_FALSE(h.mm3().calls().empty());
  EXPECT_EQ(h.mm3().calls().front().op, RecordingChannel::Call::Op::Stop);
  EXPECT_FALSE(g.tmrRAIN.Enabled());
  EXPECT_FALSE(g.imgRAIN[7].Visible);
  EXPECT_EQ(g.RainTicks, rainLeft);
  EXPECT_EQ(g.lblHP[0].Caption, "77");
  EXPECT_EQ(g.imgBAR[0].Left, lifeBar);
  EXPECT_EQ(g.lblMESSAGE.Caption, "OGRE hits you for 4 damage! TARVO DIED!");

  // NEW and LOAD on, SAVE, NUM, PAUSE and the map off, EXIT as it was; the icons show it at once.
  EXPECT_TRUE(g.mnuNEW.Enabled && g.mnuLOAD.Enabled && g.mnuEXIT.Enabled);
  EXPECT_FALSE(g.mnuSAVE.Enabled || g.mnuNUM.Enabled || g.mnuPAUSE.Enabled || g.imgMAP1.Enabled);
  const std::string menu = g.GamePath + "MENU/";
  EXPECT_EQ(g.mnuNUM.Picture, menu + "Nonumbers.ico");
  EXPECT_EQ(g.mnuPAUSE.Picture, menu + "NOpause.ico");
  EXPECT_EQ(g.mnuSAVE.Picture, menu + "NOsave.ico");
  EXPECT_EQ(g.mnuLOAD.Picture, menu + "LOAD.ico");
  EXPECT_EQ(g.mnuNEW.Picture, menu + "NEW.ico");

  // Nothing moves any more, and keys only tell that the player is there.
  const Value frame = g.AnimFrame;
  h.Advance(3000);
  EXPECT_EQ(g.AnimFrame, frame);
  EXPECT_FALSE(g.tmrGUYHIT.Enabled() || g.tmrANIMATE.Enabled());
  h.Press(kKeyUp);
  EXPECT_EQ(g.HeroRow, 6);
  EXPECT_EQ(g.IMGgrid[12].Picture, Pic("pics/GRASSFLOOR.bmp"));
}

TEST_F(HurtTest, AMapOpenedWhileDyingIsPutAwayAndTheDeadHeroCannotBeSaved) {
  Fight(2, {4});
  h.Advance(100);
  ASSERT_TRUE(h.ClickOn(g.imgMAP1));
  ASSERT_TRUE(g.fraMAP.Visible);
  h.Advance(400);
  EXPECT_FALSE(g.fraMAP.Visible || g.imgMAP2.Visible || g.timerMAP.Enabled());
  EXPECT_EQ(g.mnuPAUSE.Tag, "Pause");
  EXPECT_EQ(g.lblMESSAGE.Caption, "TARVO DIED!");  // the map's words had hidden the death
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_TRUE(g.mnuNEW.Enabled && g.mnuLOAD.Enabled && g.mnuEXIT.Enabled);
  // Whatever the player clicks, nothing saves the dead hero over his last good save.
  const auto gamefile = h.folder() / "Files" / "GAMEFILE";
  std::filesystem::remove(gamefile);
  for (Control* c : {&g.imgMAP2, &g.imgMAP1, &g.mnuSAVE, &g.imgMAP2, &g.mnuSAVE}) h.ClickOn(*c);
  EXPECT_FALSE(g.mnuSAVE.Enabled);
  EXPECT_FALSE(std::filesystem::exists(gamefile));
}

TEST_F(HurtTest, NewAndLoadEndTheHurtDyingAndBlockTimers) {
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  h.Advance(1200);  // the world is built and saved
  ASSERT_FALSE(g.picSTART.Visible);

  // Dying or holding the shield when the player loads: the loaded game is not touched by either.
  g.Life = 0;
  g.tmrGUYHIT.setEnabled(true);
  g.tmrSHIELD.setEnabled(true);
  g.mnuLOAD.Enabled = true;
  ASSERT_TRUE(h.ClickOn(g.mnuLOAD));
  EXPECT_FALSE(g.tmrGUYHIT.Enabled() || g.tmrSHIELD.Enabled());
  h.mm1().clear();
  h.Advance(1000);
  EXPECT_FALSE(Played(h.mm1(), "sounds/DEAD.wav"));
  EXPECT_GT(g.Life, 0);
  EXPECT_TRUE(g.tmrANIMATE.Enabled());

  // The same for a new game started while the hero reels or blocks.
  g.tmrGUYHIT.setEnabled(true);
  g.tmrSHIELD.setEnabled(true);
  g.mnuNEW.Enabled = true;
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  EXPECT_FALSE(g.tmrGUYHIT.Enabled() || g.tmrSHIELD.Enabled());
}

}  // namespace
}  // namespace tq
