// One of the game's three sound channels and the three things the game ever asks of it.
#pragma once

#include <string>
#include <vector>

namespace tq {

class SoundChannel {
 public:
  virtual ~SoundChannel() = default;
  // Starts the file at once, replacing what the channel played; "" silences the channel.
  // The path is the full path the game built (GamePath & a relative path).
  virtual void PlayFile(const std::string& fullPath) = 0;
  // How many times the next file plays (the music channel is made with 100).
  virtual void SetPlayCount(int count) = 0;
  // Stops whatever plays.
  virtual void StopPlayback() = 0;
};

// A channel that only remembers what it was asked: the headless game and the tests use it.
class RecordingChannel final : public SoundChannel {
 public:
  struct Call {
    enum class Op { Play, SetPlayCount, Stop } op;
    std::string path;  // Play only
    int count = 0;     // SetPlayCount only
  };

  explicit RecordingChannel(int playCount = 1) : playCount_(playCount) {}
  void PlayFile(const std::string& fullPath) override {
    calls_.push_back({Call::Op::Play, fullPath, 0});
    playing_ = fullPath;
  }
  void SetPlayCount(int count) override {
    calls_.push_back({Call::Op::SetPlayCount, {}, count});
    playCount_ = count;
  }
  void StopPlayback() override {
    calls_.push_back({Call::Op::Stop, {}, 0});
    playing_.clear();
  }

  const std::vector<Call>& calls() const { return calls_; }
  // The paths played, in order.
  std::vector<std::string> played() const {
    std::vector<std::string> out;
    for (const auto& c : calls_)
      if (c.op == Call::Op::Play) out.push_back(c.path);
    return out;
  }
  const std::string& playing() const { return playing_; }
  int playCount() const { return playCount_; }
  void clear() { calls_.clear(); }

 private:
  std::vector<Call> calls_;
  std::string playing_;
  int playCount_;
};

}  // namespace tq
