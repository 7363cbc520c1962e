// The game's music: each file name with the piece written into it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "midi_song.h"

namespace tq::soundgen {

struct Tune {
  std::string file;  // name inside sounds/
  std::function<Song()> make;
  double level_db = 0.0;  // brings the piece to the loudness all the game's music shares
};

std::vector<Tune> Tunes();

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
