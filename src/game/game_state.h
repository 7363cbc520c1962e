// The window's 45 state variables, by the names every part of the game uses.
#pragma once

#include <cstdint>
#include <string>

#include "platform/value.h"

namespace tq {

// Dynamic values start empty (reading as 0 and ""); Form_Load gives most their start values.
struct GameState {
  std::string GamePath;       // the program's folder followed by a separator
  Value GroundType;           // "GRASS", "DIRT", "WOOD" or "SNOW"
  Value Facing;               // "REAR", "", "LEFT", "RIGHT"; "XXX" redraws without a step
  Value ShieldItem;           // "SHIELD" once owned
  std::string MonsterFacing;  // "FRONT", "REAR", "LEFT" or "RIGHT"; never empty-valued
  Value UiTick;
  Value MapBlink;
  Value QuestStage;
  Value ExploredPct;
  Value RainFrame;
  Value RainTicks;
  Value HasMagicShirt;
  Value StreePass;
  Value HasMagicBag;
  Value SpareValue1;
  Value SpareValue2;
  std::int16_t SpareValue3 = 0;
  Value MenuTick;
  Value BonusMode;
  Value StrikePoints;
  Value Points;
  Value SwordPieces;
  Value TorchLit;
  Value DarkRoom;
  Value MaxLife;
  Value MaxStrength;
  Value EnterMode;
  Value MonsterCell;
  Value EnemyHP;
  Value EnemyMaxHP;
  Value AnimFrame;
  Value RoomNumber;
  Value HeroRow;
  Value HeroCol;
  Value TargetTile;
  Value InWater;
  Value Life;
  Value Strength;
  Value SwordKind;
  Value Gold;
  Value IdleTicks;
  Value ReturnRoom;
  Value ReturnRow;
  Value ReturnCol;
  std::int16_t SwingWait = 0;
};

}  // namespace tq
