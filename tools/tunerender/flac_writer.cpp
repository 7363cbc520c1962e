// FLAC encoding with libFLAC, fed in blocks of 4096 frames.
#include "flac_writer.h"

#include <FLAC/stream_encoder.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace tq::tunerender {
namespace {

struct EncoderDelete {
  void operator()(FLAC__StreamEncoder* e) const { FLAC__stream_encoder_delete(e); }
};

}  // namespace

void WriteFlac(const std::string& path, const std::int16_t* samples, std::size_t frames, int rate) {
  std::unique_ptr<FLAC__StreamEncoder, EncoderDelete> e(FLAC__stream_encoder_new());
  if (!e || !FLAC__stream_encoder_set_channels(e.get(), 2) ||
      !FLAC__stream_encoder_set_bits_per_sample(e.get(), 16) ||
      !FLAC__stream_encoder_set_sample_rate(e.get(), static_cast<unsigned>(rate)) ||
      !FLAC__stream_encoder_set_compression_level(e.get(), 8) ||
      !FLAC__stream_encoder_set_total_samples_estimate(e.get(), frames)) {
    throw std::runtime_error("the FLAC encoder refuses these settings");
  }
  if (FLAC__stream_encoder_init_file(e.get(), path.c_str(), nullptr, nullptr) !=
      FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
    throw std::runtime_error("cannot create " + path);
  }
  std::vector<FLAC__int32> block;
  for (std::size_t done = 0; done < frames;) {
    const std::size_t n = std::min<std::size_t>(4096, frames - done);
    block.assign(samples + 2 * done, samples + 2 * (done + n));
    if (!FLAC__stream_encoder_process_interleaved(e.get(), block.data(),
                                                  static_cast<unsigned>(n))) {
      throw std::runtime_error("cannot write " + path);
    }
    done += n;
  }
  if (!FLAC__stream_encoder_finish(e.get())) throw std::runtime_error("cannot write " + path);
}

}  // namespace tq::tunerender
