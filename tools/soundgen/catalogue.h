// Every file soundgen writes into sounds/: the effects with their recipes and levels, the tunes
// with their pieces and levels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "buffer.h"
#include "midi_song.h"

namespace tq::soundgen {

struct Effect {
  std::string file;  // name inside sounds/
  std::function<Buffer()> make;
  double loudness;     // target of Level(): the loudest 400 ms, K-weighted, in LUFS
  bool loops = false;  // repeated on the music channel: no fades, a seamless join instead
};

struct Tune {
  std::string file;  // name inside sounds/
  std::function<Song()> make;
  double levelDb = 0.0;  // brings the piece to the loudness all the game's music shares
};

std::vector<Effect> Effects();
std::vector<Tune> Tunes();

}  // namespace tq::soundgen
