// Picture files: byte-exact writers for the three formats the game loads.
#include "formats.h"

#include <cstdio>

namespace tq::art {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

uint32_t RowBytes24(int w) {
  return (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
}
uint32_t RowBytesMask(int w) {
  return ((static_cast<uint32_t>(w) + 31) / 32) * 4;
}

void InfoHeader(std::vector<uint8_t>& out, int w, int h, uint32_t imageBytes) {
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(h));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // no compression
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
}

// Bottom-up BGR rows, each padded to four bytes.
void Pixels24(std::vector<uint8_t>& out, const Image& img, bool maskTransparent) {
  const uint32_t pad = RowBytes24(img.w()) - static_cast<uint32_t>(img.w()) * 3;
  for (int y = img.h() - 1; y >= 0; --y) {
    for (int x = 0; x < img.w(); ++x) {
      Px p = img.get(x, y);
      if (maskTransparent && p.a < 128) p = Px{};
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    for (uint32_t i = 0; i < pad; ++i) out.push_back(0);
  }
}

std::vector<uint8_t> EncodeIconLike(const Image& img, uint16_t type, uint16_t a, uint16_t b) {
  const uint32_t xorBytes = RowBytes24(img.w()) * static_cast<uint32_t>(img.h());
  const uint32_t andBytes = RowBytesMask(img.w()) * static_cast<uint32_t>(img.h());
  const uint32_t imageBytes = 40 + xorBytes + andBytes;
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, type);
  Put16(out, 1);
  out.push_back(static_cast<uint8_t>(img.w() >= 256 ? 0 : img.w()));
  out.push_back(static_cast<uint8_t>(img.h() >= 256 ? 0 : img.h()));
  out.push_back(0);  // no palette
  out.push_back(0);
  Put16(out, a);  // icon: planes; cursor: hot spot x
  Put16(out, b);  // icon: bit count; cursor: hot spot y
  Put32(out, imageBytes);
  Put32(out, 6 + 16);
  InfoHeader(out, img.w(), img.h() * 2, xorBytes + andBytes);  // height covers both masks
  Pixels24(out, img, true);
  for (int y = img.h() - 1; y >= 0; --y) {
    std::vector<uint8_t> row(RowBytesMask(img.w()), 0);
    for (int x = 0; x < img.w(); ++x)
      if (img.get(x, y).a < 128)
        row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Image& img) {
  const uint32_t imageBytes = RowBytes24(img.w()) * static_cast<uint32_t>(img.h());
  std::vector<uint8_t> out;
  out.reserve(54 + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  InfoHeader(out, img.w(), img.h(), imageBytes);
  Pixels24(out, img, false);
  return out;
}

std::vector<uint8_t> EncodeIcon(const Image& img) {
  return EncodeIconLike(img, 1, 1, 24);
}

std::vector<uint8_t> EncodeCursor(const Image& img, int hotX, int hotY) {
  return EncodeIconLike(img, 2, static_cast<uint16_t>(hotX), static_cast<uint16_t>(hotY));
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace tq::art
