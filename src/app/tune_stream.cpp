// Ogg Vorbis through libvorbisfile: decoded on the audio thread in small pieces.
#include "app/tune_stream.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>

namespace tq {

struct TuneStream::File {
  OggVorbis_File vorbis{};
  bool open = false;
  ~File() {
    if (open) ov_clear(&vorbis);
  }
};

std::unique_ptr<TuneStream> TuneStream::Open(const std::string& file, int plays,
                                             std::string& error) {
  auto f = std::make_unique<File>();
  if (ov_fopen(file.c_str(), &f->vorbis) != 0) {
    error = "not an Ogg Vorbis tune";
    return nullptr;
  }
  f->open = true;
  const vorbis_info* info = ov_info(&f->vorbis, -1);
  if (!info || info->rate != 44100 || info->channels != 2) {
    error = "not 44.1 kHz stereo";
    return nullptr;
  }
  const std::int64_t length = ov_pcm_total(&f->vorbis, -1);
  if (length <= 0) {
    error = "holds no sound";
    return nullptr;
  }
  return std::unique_ptr<TuneStream>(new TuneStream(std::move(f), std::max(plays, 1), length));
}

TuneStream::TuneStream(std::unique_ptr<File> file, int plays, std::int64_t length)
    : file_(std::move(file)), playsLeft_(plays), length_(length) {}

TuneStream::~TuneStream() = default;

bool TuneStream::MixInto(std::int16_t* out, int frames) {
  std::int16_t piece[4096];
  int done = 0;
  while (done < frames && playsLeft_ > 0) {
    const int want = std::min<int>(frames - done, static_cast<int>(sizeof piece / 4));
    int section = 0;
    const long got =
        ov_read(&file_->vorbis, reinterpret_cast<char*>(piece), want * 4, 0, 2, 1, &section);
    if (got == OV_HOLE) continue;  // a damaged page is skipped, the tune plays on
    if (got <= 0) {
      // The end of one play: start again from the top while plays remain.
      if (--playsLeft_ > 0 && ov_pcm_seek(&file_->vorbis, 0) != 0) playsLeft_ = 0;
      continue;
    }
    const int n = static_cast<int>(got / 2);
    std::int16_t* o = out + done * 2;
    for (int i = 0; i < n; ++i) {
      o[i] = static_cast<std::int16_t>(std::clamp(o[i] + piece[i], -32768, 32767));
    }
    done += n / 2;
  }
  return playsLeft_ > 0;
}

}  // namespace tq
