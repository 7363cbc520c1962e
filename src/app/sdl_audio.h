// The three sound channels played through SDL_mixer: WAV and MIDI on any channel, the music
// channel repeating, silence (and one line on stderr) when a file or the audio device is missing.
#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/asset_path.h"
#include "platform/sound_channel.h"

struct Mix_Chunk;
struct SDL_Thread;

namespace tq {

class SdlAudio {
 public:
  // Opens the audio device; without one every channel stays silent.
  SdlAudio(AssetResolver& assets, std::string gamePathPrefix);
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool open() const { return open_; }
  SoundChannel& channel(int i);
  // Decodes a file into a clip (cached); nullptr when it cannot be played.
  Mix_Chunk* Clip(const std::string& fullPath);

 private:
  class Channel;
  // Decodes one file on disk, tail trimmed; nullptr when it cannot be played.
  Mix_Chunk* Decode(const std::string& file);
  // Rendering a tune takes a good part of a second, so every tune in sounds/ is decoded in the
  // background from the start, and the game never stalls when the music changes.
  void PreloadTunes();

  AssetResolver& assets_;
  std::string gamePath_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> clips_;  // by the path the game asked for
  std::set<std::string> reported_;
  std::unique_ptr<Channel> channels_[3];

  std::mutex mutex_;
  std::condition_variable decoded_;
  std::map<std::string, Mix_Chunk*> byFile_;  // by the file on disk
  std::set<std::string> queued_;              // files the background decoder will do
  bool stopping_ = false;
  std::vector<std::string> tunes_;
  // An SDL thread, so that SDL tidies up what it keeps for the thread when it ends.
  SDL_Thread* preloader_ = nullptr;
};

// Drops the silence at the end of a decoded clip so that a repeated tune joins without a gap.
// Samples are signed 16-bit interleaved frames; returns the new length in bytes.
std::size_t TrimSilentTail(const std::int16_t* samples, std::size_t bytes, int channels,
                           int threshold = 64);

}  // namespace tq
