// One tune played from its FLAC file a buffer at a time, as many times as asked, the end
// joined to the start without a gap.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tq {

class TuneStream {
 public:
  // Opens a 16-bit 44.1 kHz stereo tune to be played `plays` times; nullptr with `error` set when
  // the file cannot be opened or is not such a tune. Reads only the file's headers.
  static std::unique_ptr<TuneStream> Open(const std::string& file, int plays, std::string& error);
  ~TuneStream();
  TuneStream(const TuneStream&) = delete;
  TuneStream& operator=(const TuneStream&) = delete;

  // Adds the next `frames` stereo frames into `out` (clipped to 16 bits). Returns false once
  // the last play has ended; the rest of `out` is left as it was.
  bool MixInto(std::int16_t* out, int frames);
  // Frames in one play of the tune.
  std::int64_t length() const { return length_; }

 private:
  struct File;
  TuneStream(std::unique_ptr<File> file, int plays, std::int64_t length);

  std::unique_ptr<File> file_;
  int playsLeft_;
  std::int64_t length_;
};

}  // namespace tq
