// The recipes of the sound effects, by the file that holds them; catalogue.cpp names the file
// each one is written to and its level.
#pragma once

#include "dsp.h"

namespace tq::soundgen {

// effects_interface.cpp: clicks, refusals, rewards.
Buffer Squeak();
Buffer Squeak2();
Buffer Squeak3();
Buffer No();
Buffer Buy();
Buffer LevelUp();

// effects_items.cpp: coins, gold, potions, symbols, equipment.
Buffer Coin();
Buffer LoveMoney();
Buffer Potion();
Buffer Symbol();
Buffer EquipSound();

// effects_world.cpp: doors, torch, water, weather, stones.
Buffer DoorSlam();
Buffer LockedDoor();
Buffer SnowTalk();
Buffer StoneDoor();
Buffer LightTorch();
Buffer Splash();
Buffer Night();
Buffer Wild();
Buffer RainThunder();

// effects_combat.cpp: swings, breaking, wounds.
Buffer Miss();
Buffer MissEcho();
Buffer PlantBreak();
Buffer WoodBreak();
Buffer OpenChest();
Buffer Pop();
Buffer BackStab();
Buffer Terror();

// effects_hero.cpp: the hero's voice and his hurt sounds.
Buffer Family();
Buffer Yeah();
Buffer LookAtThat();
Buffer AllRight();
Buffer ShieldBlock();
Buffer Hurt(int level);  // 1 to 3, by how hard the blow was
Buffer Dead();

// effects_creatures.cpp: the monsters' roars and death cries, numbered by kind.
Buffer Roar0();
Buffer Roar1();
Buffer Roar2();
Buffer Roar3();
Buffer Roar4();
Buffer Roar6();
Buffer Roar7();
Buffer Roar8();
Buffer Roar9();
Buffer Roar10();
Buffer Kill0();
Buffer Kill1();
Buffer Kill2();
Buffer Kill3();
Buffer Kill5();
Buffer Kill6();
Buffer Kill10();

}  // namespace tq::soundgen
