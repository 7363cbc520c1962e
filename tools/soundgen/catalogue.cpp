// Every file soundgen writes into sounds/, with what makes it and how loud it is.
#include "catalogue.h"

#include "effects.h"
#include "music.h"

namespace tq::soundgen {
namespace {

// Levels shared by the effects, so that the set sounds even: every effect lies within a band of
// six decibels, clicks of the interface and backgrounds at its foot, voices at its head.
constexpr double kUiLevel = -21.0;
constexpr double kEffectLevel = -18.0;
constexpr double kVoiceLevel = -17.0;
constexpr double kAmbienceLevel = -22.0;

}  // namespace

std::vector<Effect> Effects() {
  return {
      // The interface.
      {"squeak.wav", Squeak, kUiLevel},
      {"squeak2.wav", Squeak2, kUiLevel},
      {"squeak3.wav", Squeak3, kUiLevel},
      {"NO.wav", No, kEffectLevel},
      {"buy.wav", Buy, kEffectLevel},
      {"LEVELUP.wav", LevelUp, kEffectLevel},
      // Items.
      {"coin.wav", Coin, kEffectLevel},
      {"lovemoney.wav", LoveMoney, kEffectLevel},
      {"potion.wav", Potion, kEffectLevel},
      {"SYMBOL.wav", Symbol, kEffectLevel},
      {"equipsound.wav", EquipSound, kEffectLevel},
      // The world.
      {"doorslam.WAV", DoorSlam, kEffectLevel},
      {"LockedDoor.wav", LockedDoor, kEffectLevel},
      {"SNOWTALK.WAV", SnowTalk, kEffectLevel},
      {"SDOOR.WAV", StoneDoor, kEffectLevel},
      {"lighttorch.wav", LightTorch, kEffectLevel},
      {"splash.wav", Splash, kEffectLevel},
      {"night.wav", Night, kAmbienceLevel},
      {"WILD.WAV", Wild, kAmbienceLevel},
      {"RAINTHUNDER.wav", RainThunder, kAmbienceLevel + 2.0, true},
      // Combat.
      {"1hmiss.wav", Miss, kEffectLevel - 1.0},
      {"1HMISSECHO.wav", MissEcho, kEffectLevel - 1.0},
      {"PLANTBREAK.wav", PlantBreak, kEffectLevel},
      {"WOODBREAK.wav", WoodBreak, kEffectLevel},
      {"OPENCHEST.wav", OpenChest, kEffectLevel},
      {"POP.wav", Pop, kEffectLevel},
      {"backstab1.wav", BackStab, kEffectLevel},
      {"TERROR.wav", Terror, kEffectLevel},
      // The hero.
      {"FAMILY.wav", Family, kVoiceLevel},
      {"YEAH.wav", Yeah, kVoiceLevel},
      {"LOOKATTHAT.wav", LookAtThat, kVoiceLevel},
      {"allright.wav", AllRight, kVoiceLevel},
      {"OW0.wav", ShieldBlock, kEffectLevel},
      {"OW1.wav", [] { return Hurt(1); }, kVoiceLevel - 4.0},
      {"OW2.wav", [] { return Hurt(2); }, kVoiceLevel - 2.0},
      {"OW3.wav", [] { return Hurt(3); }, kVoiceLevel},
      {"DEAD.wav", Dead, kVoiceLevel},
      // The creatures.
      {"ROAR0.wav", Roar0, kEffectLevel},
      {"ROAR1.wav", Roar1, kEffectLevel},
      {"ROAR2.wav", Roar2, kEffectLevel},
      {"ROAR3.wav", Roar3, kEffectLevel},
      {"ROAR4.wav", Roar4, kEffectLevel},
      {"ROAR6.wav", Roar6, kEffectLevel},
      {"ROAR7.wav", Roar7, kEffectLevel},
      {"ROAR8.wav", Roar8, kEffectLevel},
      {"ROAR9.wav", Roar9, kEffectLevel},
      {"ROAR10.wav", Roar10, kEffectLevel + 1.0},
      {"ENEMYKILL0.wav", Kill0, kEffectLevel},
      {"ENEMYKILL1.wav", Kill1, kEffectLevel},
      {"ENEMYKILL2.wav", Kill2, kEffectLevel},
      {"ENEMYKILL3.wav", Kill3, kEffectLevel},
      {"ENEMYKILL5.wav", Kill5, kEffectLevel},
      {"ENEMYKILL6.wav", Kill6, kEffectLevel},
      {"ENEMYKILL10.wav", Kill10, kEffectLevel + 1.0},
  };
}

std::vector<Tune> Tunes() {
  // Levels found by rendering each piece through the game's synthesiser and measuring its
  // loudness (gated, K-weighted), so that every piece lands near -23 LUFS.
  return {
      {"Overland2.mid", BlackWoodsTheme, 1.6},
      {"Overland.mid", FarNorthTheme, -0.7},
      {"Underground.mid", CavesTheme, 3.0},
      {"Store.mid", StoreTheme, 1.7},
      {"dungeonmusic2.mid", FoulDungeonTheme, 2.0},
      {"bossmusic.mid", BossTheme, -4.9},
      {"DUNGEON.mid", DungeonJingle, -3.9},
      {"DEADMUSIC.mid", DeathTune, -2.8},
      {"winmusic.mid", WinTune, -7.8},
  };
}

}  // namespace tq::soundgen
