// The window's 45 state variables, by the names every part of the game uses.
#pragma once

#include <cstdint>
#include <string>

#include "platform/value.h"

namespace tq {

// The variables the saved game keeps, in the order GAMEFILE holds them (world/saved_game.h).
struct SavedVariables {
  Value Life;
  Value Strength;
  Value Gold;
  Value MaxLife;
  Value MaxStrength;
  Value HasMagicShirt;
  Value HeroRow;
  Value HeroCol;
  Value RoomNumber;
  Value ReturnRoom;
  Value ReturnRow;
  Value ReturnCol;
  Value ShieldItem;           // "SHIELD" once owned
  Value GroundType;           // "GRASS", "DIRT", "WOOD" or "SNOW"
  Value Facing;               // "REAR", "", "LEFT", "RIGHT"; "XXX" redraws without a step
  std::string MonsterFacing;  // "FRONT", "REAR", "LEFT" or "RIGHT"; never empty-valued
  Value AnimFrame;
  Value SwordKind;
  Value EnemyHP;
  Value SwordPieces;
  Value Points;
  Value QuestStage;
  Value HasMagicBag;
  Value SpareValue1;
  Value SpareValue2;
  std::int16_t SpareValue3 = 0;
};

// Dynamic values start empty (reading as 0 and ""); Form_Load gives most their start values.
struct GameState : SavedVariables {
  std::string GamePath;  // the program's folder followed by a separator
  Value UiTick;
  Value MapBlink;
  Value ExploredPct;
  Value RainFrame;
  Value RainTicks;
  Value StreePass;
  Value MenuTick;
  Value BonusMode;
  Value StrikePoints;
  Value TorchLit;
  Value DarkRoom;
  Value EnterMode;
  Value MonsterCell;
  Value EnemyMaxHP;
  Value TargetTile;
  Value InWater;
  Value IdleTicks;
  std::int16_t SwingWait = 0;
};

}  // namespace tq
