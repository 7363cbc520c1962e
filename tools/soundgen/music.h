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
  double levelDb = 0.0;  // brings the piece to the loudness all the game's music shares
};

std::vector<Tune> Tunes();

Song BlackWoodsTheme();   // the overland, musicOverland.cpp
Song FarNorthTheme();     // the Far North, musicOverland.cpp
Song CavesTheme();        // the underground, musicBelow.cpp
Song FoulDungeonTheme();  // the three dungeons, musicBelow.cpp
Song BossTheme();         // the ice dungeon and the boss rooms, musicBelow.cpp
Song StoreTheme();        // the shops, musicStore.cpp
Song DungeonJingle();     // going down a hole, musicJingles.cpp
Song DeathTune();         // the hero dies, musicJingles.cpp
Song WinTune();           // VEV is beaten, musicJingles.cpp

}  // namespace tq::soundgen
