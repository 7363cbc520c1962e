// Contact sheet: grouped rows of pictures with their names.
#include "sheet.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace tq::art {

namespace {

// Rows of three bits, top row first.
const std::map<char, std::array<uint8_t, 5>>& Font() {
  static const std::map<char, std::array<uint8_t, 5>> f = {
      {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}},
      {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}},
      {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}}, {'I', {7, 2, 2, 2, 7}},
      {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
      {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}},
      {'P', {6, 5, 6, 4, 4}}, {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}},
      {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'U', {5, 5, 5, 5, 7}},
      {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
      {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'0', {7, 5, 5, 5, 7}},
      {'1', {2, 6, 2, 2, 7}}, {'2', {6, 1, 2, 4, 7}}, {'3', {6, 1, 2, 1, 6}},
      {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 6, 1, 6}}, {'6', {3, 4, 7, 5, 7}},
      {'7', {7, 1, 1, 2, 2}}, {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 6}},
      {'.', {0, 0, 0, 0, 2}}, {'/', {1, 1, 2, 4, 4}}, {'-', {0, 0, 7, 0, 0}},
      {'_', {0, 0, 0, 0, 7}}, {' ', {0, 0, 0, 0, 0}}};
  return f;
}

}  // namespace

int DrawText(Image& img, int x, int y, const std::string& text, Px colour) {
  int cx = x;
  for (char ch : text) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const auto it = Font().find(c);
    if (it != Font().end())
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if (it->second[static_cast<size_t>(row)] & (4 >> col)) img.set(cx + col, y + row, colour);
    cx += 4;
  }
  return cx - x;
}

Image ContactSheet(const std::vector<SheetEntry>& entries, int columns, int zoom) {
  // Cells are as big as the largest picture of their group, plus a label line.
  struct Placed {
    const SheetEntry* e;
    int x, y, zoom;
  };
  std::vector<Placed> placed;
  std::vector<std::pair<std::string, int>> headings;
  int y = 2, width = 0;
  size_t i = 0;
  while (i < entries.size()) {
    const std::string group = entries[i].group;
    size_t j = i;
    int cellW = 0, cellH = 0, largest = 0;
    while (j < entries.size() && entries[j].group == group) {
      largest = std::max({largest, entries[j].image.w(), entries[j].image.h()});
      ++j;
    }
    // Icons are blown up so they can be judged beside the cells.
    const int z = largest <= 48 ? std::max(zoom, 3) : zoom;
    for (size_t k = i; k < j; ++k) {
      cellW = std::max(cellW, entries[k].image.w() * z);
      cellH = std::max(cellH, entries[k].image.h() * z);
    }
    cellW = std::max(cellW, 52) + 4;
    cellH += 10;
    headings.push_back({group, y});
    y += 9;
    const int perRow = std::max(1, std::min(columns, 2000 / cellW));
    for (size_t k = i; k < j; ++k) {
      const int idx = static_cast<int>(k - i);
      placed.push_back({&entries[k], 2 + (idx % perRow) * cellW, y + (idx / perRow) * cellH, z});
      width = std::max(width, 2 + (idx % perRow + 1) * cellW);
    }
    y += ((static_cast<int>(j - i) + perRow - 1) / perRow) * cellH + 4;
    i = j;
  }
  Image sheet(std::max(width, 200), y, Rgb(0x202028));
  for (const auto& [g, hy] : headings) DrawText(sheet, 2, hy, g, Rgb(0xf0e070));
  for (const Placed& p : placed) {
    const Image big = p.zoom > 1 ? ScaleNearest(p.e->image, p.zoom) : p.e->image;
    Image flat = Flatten(big, Rgb(0x606070));
    Composite(sheet, flat, p.x, p.y);
    DrawText(sheet, p.x, p.y + big.h() + 2, p.e->label, Rgb(0xd0d0d8));
  }
  return sheet;
}

}  // namespace tq::art
