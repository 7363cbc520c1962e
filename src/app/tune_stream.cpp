// FLAC through libFLAC: decoded on the audio thread a frame (4096 samples) at a time.
#include "app/tune_stream.h"

#include <FLAC/stream_decoder.h>

#include <algorithm>
#include <vector>

namespace tq {

struct TuneStream::File {
  FLAC__StreamDecoder* decoder = FLAC__stream_decoder_new();
  unsigned rate = 0, channels = 0, bits = 0;
  std::int64_t total = 0;
  std::vector<std::int16_t> block;  // decoded, interleaved, not yet mixed from `at` on
  std::size_t at = 0;
  bool broken = false;
  ~File() {
    if (decoder) FLAC__stream_decoder_delete(decoder);
  }

  static FLAC__StreamDecoderWriteStatus Write(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                              const FLAC__int32* const buffer[], void* self) {
    auto& f = *static_cast<File*>(self);
    const unsigned n = frame->header.blocksize;
    f.block.resize(static_cast<std::size_t>(n) * 2);
    for (unsigned i = 0; i < n; ++i) {
      f.block[2 * i] = static_cast<std::int16_t>(buffer[0][i]);
      f.block[2 * i + 1] = static_cast<std::int16_t>(buffer[f.channels > 1 ? 1 : 0][i]);
    }
    f.at = 0;
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
  }
  static void Metadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* m, void* self) {
    if (m->type != FLAC__METADATA_TYPE_STREAMINFO) return;
    auto& f = *static_cast<File*>(self);
    f.rate = m->data.stream_info.sample_rate;
    f.channels = m->data.stream_info.channels;
    f.bits = m->data.stream_info.bits_per_sample;
    f.total = static_cast<std::int64_t>(m->data.stream_info.total_samples);
  }
  static void Error(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* self) {
    static_cast<File*>(self)->broken = true;
  }
};

std::unique_ptr<TuneStream> TuneStream::Open(const std::string& file, int plays,
                                             std::string& error) {
  auto f = std::make_unique<File>();
  if (!f->decoder ||
      FLAC__stream_decoder_init_file(f->decoder, file.c_str(), &File::Write, &File::Metadata,
                                     &File::Error,
                                     f.get()) != FLAC__STREAM_DECODER_INIT_STATUS_OK ||
      !FLAC__stream_decoder_process_until_end_of_metadata(f->decoder) || f->broken ||
      f->rate == 0) {
    error = "not a FLAC tune";
    return nullptr;
  }
  if (f->rate != 44100 || f->channels != 2 || f->bits != 16) {
    error = "not 16-bit 44.1 kHz stereo";
    return nullptr;
  }
  if (f->total <= 0) {
    error = "holds no sound";
    return nullptr;
  }
  const std::int64_t length = f->total;
  return std::unique_ptr<TuneStream>(new TuneStream(std::move(f), std::max(plays, 1), length));
}

TuneStream::TuneStream(std::unique_ptr<File> file, int plays, std::int64_t length)
    : file_(std::move(file)), playsLeft_(plays), length_(length) {}

TuneStream::~TuneStream() = default;

bool TuneStream::MixInto(std::int16_t* out, int frames) {
  File& f = *file_;
  int done = 0;
  while (done < frames && playsLeft_ > 0) {
    if (f.at == f.block.size()) {
      const bool more =
          FLAC__stream_decoder_process_single(f.decoder) &&
          FLAC__stream_decoder_get_state(f.decoder) != FLAC__STREAM_DECODER_END_OF_STREAM;
      if (f.at < f.block.size()) continue;  // a frame came
      if (more) continue;                   // metadata or a skipped frame; read on
      // The end of one play: start again from the top while plays remain.
      f.block.clear();
      f.at = 0;
      if (--playsLeft_ > 0 && !FLAC__stream_decoder_seek_absolute(f.decoder, 0)) playsLeft_ = 0;
      continue;
    }
    const std::size_t n =
        std::min(f.block.size() - f.at, static_cast<std::size_t>(frames - done) * 2);
    std::int16_t* o = out + done * 2;
    const std::int16_t* in = f.block.data() + f.at;
    for (std::size_t i = 0; i < n; ++i) {
      o[i] = static_cast<std::int16_t>(std::clamp(o[i] + in[i], -32768, 32767));
    }
    f.at += n;
    done += static_cast<int>(n / 2);
  }
  return playsLeft_ > 0;
}

}  // namespace tq
