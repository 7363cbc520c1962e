// SDL_mixer behind the game's three sound channels.
#include "app/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace tq {

std::size_t TrimSilentTail(const std::int16_t* samples, std::size_t bytes, int channels,
                           int threshold) {
  const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels);
  std::size_t frames = bytes / frameBytes;
  while (frames > 0) {
    const std::int16_t* f = samples + (frames - 1) * static_cast<std::size_t>(channels);
    bool quiet = true;
    for (int c = 0; c < channels; ++c) quiet = quiet && std::abs(f[c]) <= threshold;
    if (!quiet) break;
    --frames;
  }
  return frames * frameBytes;
}

class SdlAudio::Channel final : public SoundChannel {
 public:
  Channel(SdlAudio& audio, int index, int playCount)
      : audio_(audio), index_(index), playCount_(playCount) {}

  void PlayFile(const std::string& fullPath) override {
    if (!audio_.open_) return;
    if (fullPath.empty() || fullPath == audio_.gamePath_) {
      Mix_HaltChannel(index_);
      return;
    }
    Mix_Chunk* clip = audio_.Clip(fullPath);
    if (!clip) {
      Mix_HaltChannel(index_);
      return;
    }
    Mix_PlayChannel(index_, clip, playCount_ > 1 ? playCount_ - 1 : 0);
  }
  void SetPlayCount(int count) override { playCount_ = count; }
  void StopPlayback() override {
    if (audio_.open_) Mix_HaltChannel(index_);
  }

 private:
  SdlAudio& audio_;
  int index_;
  int playCount_;
};

SdlAudio::SdlAudio(AssetResolver& assets, std::string gamePathPrefix)
    : assets_(assets), gamePath_(std::move(gamePathPrefix)) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
    std::fprintf(stderr, "tarvoquest: no sound (%s)\n", SDL_GetError());
  } else {
    open_ = true;
    Mix_Init(MIX_INIT_MID);
    Mix_SetSoundFonts("/usr/share/sounds/sf2/TimGM6mb.sf2");
    Mix_AllocateChannels(3);
    PreloadTunes();
  }
  // The music channel repeats what it plays; the others play once.
  channels_[0] = std::make_unique<Channel>(*this, 0, 1);
  channels_[1] = std::make_unique<Channel>(*this, 1, 1);
  channels_[2] = std::make_unique<Channel>(*this, 2, 100);
}

SdlAudio::~SdlAudio() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  if (preloader_) SDL_WaitThread(preloader_, nullptr);
  if (open_) {
    Mix_HaltChannel(-1);
    for (auto& [file, clip] : byFile_) {
      if (clip) Mix_FreeChunk(clip);
    }
    Mix_CloseAudio();
    Mix_Quit();
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SoundChannel& SdlAudio::channel(int i) {
  return *channels_[i];
}

void SdlAudio::PreloadTunes() {
  std::vector<std::string> tunes;
  std::error_code ec;
  for (std::filesystem::directory_iterator d(assets_.root() / "sounds", ec), end; !ec && d != end;
       d.increment(ec)) {
    if (FoldCase(d->path().extension().string()) == ".mid") tunes.push_back(d->path().string());
  }
  if (tunes.empty()) return;
  queued_.insert(tunes.begin(), tunes.end());
  tunes_ = std::move(tunes);
  preloader_ = SDL_CreateThread(
      [](void* self) -> int {
        auto& audio = *static_cast<SdlAudio*>(self);
        for (const std::string& file : audio.tunes_) {
          {
            std::lock_guard lock(audio.mutex_);
            if (audio.stopping_) return 0;
            if (audio.byFile_.count(file)) continue;
          }
          Mix_Chunk* clip = audio.Decode(file);
          std::lock_guard lock(audio.mutex_);
          audio.byFile_.emplace(file, clip);
          audio.decoded_.notify_all();
        }
        return 0;
      },
      "tune decoder", this);
  if (!preloader_) queued_.clear();  // no thread: every tune is decoded when first played
}

Mix_Chunk* SdlAudio::Decode(const std::string& file) {
  Mix_Chunk* clip = Mix_LoadWAV(file.c_str());
  if (!clip) {
    std::fprintf(stderr, "tarvoquest: cannot play %s (%s)\n", file.c_str(), Mix_GetError());
    return nullptr;
  }
  int freq = 0, channels = 0;
  Uint16 format = 0;
  if (clip->alen > 0 && Mix_QuerySpec(&freq, &format, &channels) && format == AUDIO_S16SYS) {
    clip->alen = static_cast<Uint32>(
        TrimSilentTail(reinterpret_cast<const std::int16_t*>(clip->abuf), clip->alen, channels));
  }
  return clip;
}

Mix_Chunk* SdlAudio::Clip(const std::string& fullPath) {
  auto it = clips_.find(fullPath);
  if (it != clips_.end()) return it->second;
  Mix_Chunk* clip = nullptr;
  const auto file = assets_.ResolveGamePath(gamePath_, fullPath);
  if (!file) {
    if (reported_.insert(fullPath).second)
      std::fprintf(stderr, "tarvoquest: missing sound %s\n", fullPath.c_str());
  } else {
    const std::string key = file->string();
    std::unique_lock lock(mutex_);
    if (queued_.count(key)) {
      // The background decoder has it or will have it shortly.
      decoded_.wait(lock, [&] { return byFile_.count(key) > 0; });
      clip = byFile_[key];
    } else if (auto found = byFile_.find(key); found != byFile_.end()) {
      clip = found->second;
    } else {
      lock.unlock();
      clip = Decode(key);
      lock.lock();
      byFile_.emplace(key, clip);
    }
  }
  clips_.emplace(fullPath, clip);
  return clip;
}

}  // namespace tq
