// A monster's blow: the damage with the shield, shirt, medal and the facing of both, the ZOMBIE's
// drain and the THIEF's theft, the one message with its colour, the hurt sound and what follows.
#include "play/monster_attack.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game.h"
#include "play/play_field.h"

namespace tq {
namespace {

using test::ShowPlayField;

struct Hero {
  const char* facing;         // "", "REAR", "LEFT" or "RIGHT"
  const char* monsterFacing;  // the attacker's
  bool shield = false, shirt = false, medal = false;
};

// The hero at `startLife` of 30, 20 strength, 5 gold and the BONUS, with `attacker` in the cell
// to his right. The draws are queued with one more after them, which the blow must leave alone.
class MonsterAttackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShowPlayField(g, 45);
    g.GroundType = "GRASS";
  }
  void Strike(const char* attacker, const Hero& hero, std::vector<std::int64_t> draws,
              int startLife = 30) {
    g.IMGgrid[13].Tag = attacker;
    g.MonsterCell = 13;
    g.Facing = hero.facing;
    g.MonsterFacing = hero.monsterFacing;
    g.ShieldItem = hero.shield ? "SHIELD" : "";
    g.slot(ItemSlot::Shield).Visible = hero.shield;
    g.HasMagicShirt = hero.shirt ? 1 : 0;
    g.slot(ItemSlot::HeroMedal).Visible = hero.medal;
    g.MaxLife = 30;
    g.Life = startLife;
    g.Strength = g.MaxStrength = 20;
    g.Gold = 5;
    g.BonusMode = 1;
    for (std::int64_t d : draws) g.rnd.Script({d});
    g.rnd.Script({1});
    h.mm2().clear();
    MonsterAttack(g);
    ASSERT_TRUE(g.rnd.HasScript()) << "the blow drew more than it should";
    EXPECT_EQ(g.rnd.Draw(1), 1);
    ASSERT_FALSE(g.rnd.HasScript()) << "the blow drew less than it should";
  }

  kit::HeadlessGame h;
  Game& g = h.game();
};

constexpr Color kOrange = 0x0080FF, kCyan = 0xFFFF00, kPaleBlue = 0xFFC0C0, kYellow = 0x00FFFF,
                kWhite = 0xFFFFFF;

TEST_F(MonsterAttackTest, EachBlowIsRolledModifiedToldAndHeard) {
  const Hero plain{"RIGHT", "LEFT"};
  const Hero behind{"LEFT", "LEFT"};
  const Hero armoured{"RIGHT", "LEFT", false, true, true};
  struct Case {
    const char* attacker;
    Hero hero;
    std::vector<std::int64_t> draws;
    int damage, strengthLeft, goldLeft;
    const char* message;
    Color color;
  } cases[] = {
      {"OGRE", plain, {3}, 3, 20, 5, "OGRE hits you for 3 damage!", kOrange},
      {"WYVERN", behind, {3}, 4, 20, 5, "WYVERN hits you in the BACK for 4 damage!", kCyan},
      {"ZOMBIE",
       plain,
       {1},
       1,
       10,
       5,
       "ZOMBIE hits you for 1 damage! Your strength has been drained!",
       kPaleBlue},
      {"ZOMBIE",
       behind,
       {3},
       4,
       0,
       5,
       "ZOMBIE hits you in the BACK for 4 damage! Your strength has been drained!",
       kPaleBlue},
      // The THIEF's roll and amount are drawn only for a blow that lands.
      {"THIEF",
       plain,
       {1, 3, 3},
       1,
       20,
       0,
       "THIEF hits you for 1 damage! THIEF stole 9 gold!",
       kYellow},
      {"THIEF", plain, {2, 4}, 2, 20, 5, "THIEF hits you for 2 damage!", kOrange},
      // The shirt takes 3 and the medal 1 off the blow, never below 1; from behind adds 1.
      {"VEV", armoured, {20}, 16, 20, 5, "VEV hits you for 16 damage!", kOrange},
      {"VEV",
       {"LEFT", "LEFT", false, true, true},
       {20},
       17,
       20,
       5,
       "VEV hits you in the BACK for 17 damage!",
       kCyan},
      {"PLATER",
       {"RIGHT", "LEFT", false, true, false},
       {1},
       1,
       20,
       5,
       "PLATER hits you for 1 damage!",
       kOrange},
      {"PLATER",
       {"RIGHT", "LEFT", false, false, true},
       {1},
       1,
       20,
       5,
       "PLATER hits you for 1 damage!",
       kOrange},
      {"PLATER", {"", "FRONT"}, {1}, 2, 20, 5, "PLATER hits you in the BACK for 2 damage!", kCyan},
      // A cell that holds no monster (a view out of step with its room) hits for 1.
      {"TREE", plain, {1}, 1, 20, 5, "TREE hits you for 1 damage!", kOrange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Strike(c.attacker, c.hero, c.draws);
    EXPECT_EQ(g.Life, 30 - c.damage);
    EXPECT_EQ(g.Strength, c.strengthLeft);
    EXPECT_EQ(g.Gold, c.goldLeft);
    EXPECT_EQ(g.BonusMode, 0);
    EXPECT_EQ(g.lblMESSAGE.Caption, c.message);
    EXPECT_EQ(g.lblMESSAGE.ForeColor, c.color);
    const int level = c.damage >= 6 ? 3 : c.damage >= 3 ? 2 : 1;
    EXPECT_EQ(h.mm2().played(),
              std::vector<std::string>{Join(g.GamePath, "SOUNDS/OW", level, ".wav")});
    // The hurt frames take over from the main tick, and the status shows the blow at once.
    EXPECT_FALSE(g.tmrANIMATE.Enabled());
    EXPECT_TRUE(g.tmrGUYHIT.Enabled());
    EXPECT_FALSE(g.tmrSHIELD.Enabled());
    EXPECT_EQ(g.AnimFrame, 0);
    EXPECT_EQ(g.lblHP[1].Caption, std::to_string(30 - c.damage));
    EXPECT_EQ(g.imgBAR[0].Left, -(c.damage * 47));
    g.tmrGUYHIT.setEnabled(false);
    g.tmrANIMATE.setEnabled(true);
  }
}

TEST_F(MonsterAttackTest, TheShieldBlocksOnADrawUpToTheChanceAndOnlyThen) {
  struct Case {
    const char* attacker;
    Hero hero;
    int chance;  // the highest draw out of 7 that blocks
  } cases[] = {
      {"OGRE", {"", "LEFT", true}, 1},
      {"OGRE", {"RIGHT", "LEFT", true}, 3},  // face to face
      {"OGRE", {"LEFT", "RIGHT", true}, 3},
      {"OGRE", {"", "REAR", true}, 3},
      {"OGRE", {"REAR", "FRONT", true}, 3},
      {"VEV", {"RIGHT", "LEFT", true}, 2},
      {"OGRE", {"RIGHT", "LEFT", true, true, true}, 5},
      {"OGRE", {"", "LEFT", true, true, false}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Join(c.attacker, " ", c.hero.facing, "/", c.hero.monsterFacing, " ", c.chance));
    Strike(c.attacker, c.hero, {4, c.chance});
    EXPECT_EQ(g.Life, 30);
    EXPECT_EQ(g.BonusMode, 1);
    EXPECT_EQ(g.lblMESSAGE.Caption, Join(c.attacker, " hits you , but you BLOCK with the SHIELD!"));
    EXPECT_EQ(g.lblMESSAGE.ForeColor, kWhite);
    EXPECT_EQ(h.mm2().played(), std::vector<std::string>{g.GamePath + "SOUNDS/OW0.wav"});
    EXPECT_EQ(g.IMGgrid[12].Picture,
              g.GamePath + (c.hero.shirt ? "Pics/GRASSsBLOCKa.bmp" : "Pics/GRASSsBLOCK.bmp"));
    EXPECT_TRUE(g.tmrSHIELD.Enabled());
    EXPECT_TRUE(g.tmrANIMATE.Enabled());
    EXPECT_FALSE(g.tmrGUYHIT.Enabled());
    g.tmrSHIELD.setEnabled(false);

    Strike(c.attacker, c.hero, {4, c.chance + 1});
    EXPECT_LT(g.Life, 30);
    EXPECT_FALSE(g.tmrSHIELD.Enabled());
    g.tmrGUYHIT.setEnabled(false);
    g.tmrANIMATE.setEnabled(true);
  }
}

TEST_F(MonsterAttackTest, TheLastBlowKillsWithTheDeathMessageAndStopsTheGame) {
  Strike("VEV", {"RIGHT", "LEFT"}, {12}, 10);
  EXPECT_EQ(g.Life, 0);
  EXPECT_EQ(g.lblMESSAGE.Caption, "VEV hits you for 12 damage! TARVO DIED!");
  EXPECT_EQ(g.lblMESSAGE.ForeColor, 0x0000FFu);
  EXPECT_EQ(h.mm2().playing(), g.GamePath + "SOUNDS/OW3.wav");
  EXPECT_FALSE(g.tmrANIMATE.Enabled());
  EXPECT_TRUE(g.tmrGUYHIT.Enabled());
  EXPECT_EQ(g.lblHP[1].Caption, "0");
  EXPECT_EQ(g.imgBAR[0].Left, -1410);
}

TEST_F(MonsterAttackTest, EveryMonsterInViewShowsTheAttackersStrike) {
  g.IMGgrid[3].Tag = "BAT";
  g.IMGgrid[4].Picture = "kept";
  Strike("SHADOW BOSS", {"RIGHT", "LEFT"}, {2});
  const std::string strike = g.GamePath + "/Pics/GRASSSHADOW BOSSattack.bmp";
  EXPECT_EQ(g.IMGgrid[13].Picture, strike);
  EXPECT_EQ(g.IMGgrid[3].Picture, strike);
  EXPECT_EQ(g.IMGgrid[4].Picture, "kept");
}

TEST_F(MonsterAttackTest, NoBlowLandsWhileTheHerosStrikeIsResolved) {
  g.tmrBREAK.setEnabled(true);
  g.lblMESSAGE.Caption = "before";
  g.IMGgrid[13].Picture = "monster";
  Strike("OGRE", {"RIGHT", "LEFT"}, {});
  EXPECT_EQ(g.Life, 30);
  EXPECT_EQ(g.BonusMode, 1);
  EXPECT_EQ(g.lblMESSAGE.Caption, "before");
  EXPECT_EQ(g.IMGgrid[13].Picture, "monster");
  EXPECT_TRUE(h.mm2().calls().empty());
  EXPECT_TRUE(g.tmrANIMATE.Enabled());
  EXPECT_FALSE(g.tmrGUYHIT.Enabled());
}

}  // namespace
}  // namespace tq
