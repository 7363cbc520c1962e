// SDL_mixer behind the game's three sound channels.
#include "app/sdl_audio.h"

#include <SDL_mixer.h>

#include <cstdint>
#include <cstdio>

namespace tq {
namespace {

constexpr int kRate = 44100;  // the rate the tunes are rendered at; the mixer runs at it too

bool IsTune(const std::string& path) {
  const std::string ext = FoldCase(std::filesystem::path(path).extension().string());
  return ext == ".mid" || ext == ".flac";
}

}  // namespace

void SdlAudio::ChunkFree::operator()(Mix_Chunk* c) const {
  Mix_FreeChunk(c);
}

class SdlAudio::Channel final : public SoundChannel {
 public:
  Channel(SdlAudio& audio, int index, int playCount)
      : audio_(audio), index_(index), playCount_(playCount) {}

  void PlayFile(const std::string& fullPath) override {
    if (!audio_.open_) return;
    if (fullPath.empty() || fullPath == audio_.gamePath_) {
      StopPlayback();
      return;
    }
    if (IsTune(fullPath)) {
      PlayTune(fullPath);
      return;
    }
    Mix_Chunk* clip = audio_.Clip(fullPath);
    audio_.SetTune(index_, nullptr);
    if (!clip) {
      Mix_HaltChannel(index_);
      return;
    }
    Mix_PlayChannel(index_, clip, playCount_ > 1 ? playCount_ - 1 : 0);
  }
  void SetPlayCount(int count) override { playCount_ = count; }
  void StopPlayback() override {
    if (!audio_.open_) return;
    Mix_HaltChannel(index_);
    audio_.SetTune(index_, nullptr);
  }

 private:
  void PlayTune(const std::string& fullPath) {
    Mix_HaltChannel(index_);
    std::unique_ptr<TuneStream> tune;
    if (const auto file = audio_.TuneFile(fullPath)) {
      std::string error;
      tune = TuneStream::Open(file->string(), playCount_, error);
      if (!tune) audio_.Report("cannot play " + file->string() + " (" + error + ")", fullPath);
    } else {
      audio_.Report("missing tune " + fullPath + " (rendered as .flac beside it)", fullPath);
    }
    audio_.SetTune(index_, std::move(tune));
  }

  SdlAudio& audio_;
  int index_;
  int playCount_;
};

SdlAudio::SdlAudio(AssetResolver& assets, std::string gamePathPrefix, bool openNow)
    : assets_(assets), gamePath_(std::move(gamePathPrefix)) {
  // The music channel repeats what it plays; the others play once.
  channels_[0] = std::make_unique<Channel>(*this, 0, 1);
  channels_[1] = std::make_unique<Channel>(*this, 1, 1);
  channels_[2] = std::make_unique<Channel>(*this, 2, 100);
  if (openNow) Open();
}

void SdlAudio::Open() {
  if (audioSystem_) return;
  audioSystem_ = std::make_unique<SdlSubsystem>(SDL_INIT_AUDIO);
  if (!audioSystem_->ok() || Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, 2048, nullptr, 0) != 0) {
    std::fprintf(stderr, "tarvoquest: no sound (%s)\n", SDL_GetError());
    return;
  }
  open_ = true;
  Mix_AllocateChannels(3);
  Mix_HookMusic(&SdlAudio::MixTunes, this);
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  Mix_HookMusic(nullptr, nullptr);  // waits for the audio thread to leave the hook
  Mix_HaltChannel(-1);
  clips_.clear();
  byFile_.clear();
  Mix_CloseAudio();
  Mix_Quit();
}

SoundChannel& SdlAudio::channel(int i) {
  return *channels_[i];
}

void SdlAudio::Report(const std::string& what, const std::string& path) {
  if (reported_.insert(path).second) std::fprintf(stderr, "tarvoquest: %s\n", what.c_str());
}

std::optional<std::filesystem::path> SdlAudio::TuneFile(const std::string& fullPath) {
  // Synthesising a tune (or waiting for it to be synthesised) when it was played froze
  // the window for seconds; the build renders every tune once, and it is streamed from that.
  std::string rendered = fullPath;
  const std::size_t dot = rendered.rfind('.');
  rendered.replace(dot, std::string::npos, ".flac");
  return assets_.ResolveGamePath(gamePath_, rendered);
}

void SdlAudio::SetTune(int channel, std::unique_ptr<TuneStream> tune) {
  {
    std::lock_guard lock(tunesMutex_);
    std::swap(tunes_[channel], tune);
  }
  // `tune` now holds the one replaced, closed as it goes out of scope.
}

bool SdlAudio::PlayingTune(int channel) {
  std::lock_guard lock(tunesMutex_);
  return tunes_[channel] != nullptr;
}

void SdlAudio::MixTunes(void* self, Uint8* stream, int bytes) {
  auto& audio = *static_cast<SdlAudio*>(self);
  std::lock_guard lock(audio.tunesMutex_);
  for (auto& tune : audio.tunes_) {
    if (tune && !tune->MixInto(reinterpret_cast<std::int16_t*>(stream), bytes / 4)) tune.reset();
  }
}

Mix_Chunk* SdlAudio::Clip(const std::string& fullPath) {
  auto it = clips_.find(fullPath);
  if (it != clips_.end()) return it->second;
  Mix_Chunk* clip = nullptr;
  const auto file = assets_.ResolveGamePath(gamePath_, fullPath);
  if (!file) {
    Report("missing sound " + fullPath, fullPath);
  } else if (auto known = byFile_.find(file->string()); known != byFile_.end()) {
    clip = known->second.get();
  } else {
    clip = Mix_LoadWAV(file->c_str());
    if (!clip) {
      Report("cannot play " + file->string() + " (" + Mix_GetError() + ")", fullPath);
    } else if (clip->alen > 0) {
      clip->alen = static_cast<Uint32>(
          TrimSilentTail(reinterpret_cast<const std::int16_t*>(clip->abuf), clip->alen, 2));
    }
    byFile_.emplace(file->string(), clip);
  }
  clips_.emplace(fullPath, clip);
  return clip;
}

}  // namespace tq
