// The three sound channels played through SDL_mixer: sound effects (WAV) as clips, tunes
// streamed from the FLAC files the build renders from the game's MIDI tunes, the music
// channel repeating, silence (and one line on stderr) when a file or the audio device is
// missing. Playing never waits: an effect is read from disk once, a tune only opened.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "app/sdl_handles.h"
#include "app/silent_tail.h"
#include "app/tune_stream.h"
#include "platform/asset_path.h"
#include "platform/sound_channel.h"

struct Mix_Chunk;

namespace tq {

class SdlAudio {
 public:
  // Opens the audio device now or, when `openNow` is false, at Open(); without a device every
  // channel stays silent.
  SdlAudio(AssetResolver& assets, std::string gamePathPrefix, bool openNow = true);
  void Open();
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool open() const { return open_; }
  SoundChannel& channel(int i);
  // Loads a sound effect into a clip (cached); nullptr when it cannot be played.
  Mix_Chunk* Clip(const std::string& fullPath);
  // True while the channel streams a tune.
  bool PlayingTune(int channel);

 private:
  class Channel;
  struct ChunkFree {
    void operator()(Mix_Chunk* c) const;
  };
  // The file a tune plays from: NAME.flac beside the NAME.mid the game names.
  std::optional<std::filesystem::path> TuneFile(const std::string& fullPath);
  // Puts a tune (or nothing) on a channel's stream; the one it replaces is closed here, on the
  // game's thread, not on the audio thread.
  void SetTune(int channel, std::unique_ptr<TuneStream> tune);
  // SDL_mixer's music hook: adds every channel's tune into the mixed buffer.
  static void MixTunes(void* self, Uint8* stream, int bytes);
  void Report(const std::string& what, const std::string& path);

  std::unique_ptr<SdlSubsystem> audioSystem_;  // first made, last released
  AssetResolver& assets_;
  std::string gamePath_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> clips_;  // by the path the game asked for
  std::map<std::string, std::unique_ptr<Mix_Chunk, ChunkFree>> byFile_;  // by the file on disk
  std::set<std::string> reported_;
  std::unique_ptr<Channel> channels_[3];

  std::mutex tunesMutex_;  // between the game's thread and the audio thread
  std::unique_ptr<TuneStream> tunes_[3];
};

}  // namespace tq
