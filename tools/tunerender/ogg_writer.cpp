// Ogg Vorbis encoding with libvorbisenc: analysis in blocks of 4096 frames, pages to the file.
#include "ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tq::tunerender {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

void WritePage(std::FILE* f, const ogg_page& page) {
  if (std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), f) !=
          static_cast<std::size_t>(page.header_len) ||
      std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), f) !=
          static_cast<std::size_t>(page.body_len)) {
    throw std::runtime_error("write failed");
  }
}

// The encoder's state, released in the order libvorbis asks for.
struct Encoder {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  Encoder(int rate, float quality) {
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, rate, quality) != 0) {
      vorbis_info_clear(&info);
      throw std::runtime_error("the Vorbis encoder refuses these settings");
    }
    vorbis_comment_init(&comment);
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_init(&stream, 1);  // a fixed serial number keeps the output reproducible
  }
  ~Encoder() {
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;
};

}  // namespace

void WriteOggVorbis(const std::string& path, const std::int16_t* samples, std::size_t frames,
                    int rate, float quality) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot create " + path);
  Encoder e(rate, quality);

  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&e.dsp, &e.comment, &header, &comments, &codebooks);
  ogg_stream_packetin(&e.stream, &header);
  ogg_stream_packetin(&e.stream, &comments);
  ogg_stream_packetin(&e.stream, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&e.stream, &page)) WritePage(file.get(), page);

  std::size_t done = 0;
  bool end = false;
  while (!end) {
    const std::size_t n = std::min<std::size_t>(4096, frames - done);
    if (n == 0) {
      vorbis_analysis_wrote(&e.dsp, 0);  // end of stream
    } else {
      float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(n));
      for (std::size_t i = 0; i < n; ++i) {
        buffer[0][i] = samples[2 * (done + i)] / 32768.0f;
        buffer[1][i] = samples[2 * (done + i) + 1] / 32768.0f;
      }
      vorbis_analysis_wrote(&e.dsp, static_cast<int>(n));
      done += n;
    }
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
      vorbis_analysis(&e.block, nullptr);
      vorbis_bitrate_addblock(&e.block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&e.dsp, &packet)) {
        ogg_stream_packetin(&e.stream, &packet);
        while (ogg_stream_pageout(&e.stream, &page)) {
          WritePage(file.get(), page);
          if (ogg_page_eos(&page)) end = true;
        }
      }
    }
  }
  if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace tq::tunerender
