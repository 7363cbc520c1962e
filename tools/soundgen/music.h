// The game's music: the pieces, by the file that writes them; catalogue.cpp names the file each
// one is written to and its level.
#pragma once

#include "midi_song.h"

namespace tq::soundgen {

Song BlackWoodsTheme();   // the overland, music_overland.cpp
Song FarNorthTheme();     // the Far North, music_overland.cpp
Song CavesTheme();        // the underground, music_below.cpp
Song FoulDungeonTheme();  // the three dungeons, music_below.cpp
Song BossTheme();         // the ice dungeon and the boss rooms, music_below.cpp
Song StoreTheme();        // the shops, music_store.cpp
Song DungeonJingle();     // going down a hole, music_jingles.cpp
Song DeathTune();         // the hero dies, music_jingles.cpp
Song WinTune();           // VEV is beaten, music_jingles.cpp

}  // namespace tq::soundgen
