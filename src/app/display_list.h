// The window as a list of drawing operations: what the renderer draws, in order, with
// everything hidden under an opaque fill left out. The list's hash is the fingerprint of the
// picture on screen: equal hashes draw equal pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace tq {

class Game;

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidthPx = 6480 / kTwipsPerPixel;   // 432
constexpr int kClientHeightPx = 6285 / kTwipsPerPixel;  // 419

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
  bool Contains(const PixelRect& o) const {
    return o.x >= x && o.y >= y && o.x + o.w <= x + w && o.y + o.h <= y + h;
  }
};
PixelRect Intersection(const PixelRect& a, const PixelRect& b);

enum class DrawKind : std::uint8_t {
  Fill,          // `box` in `color`, opaque
  Outline,       // a one-pixel frame around `box`
  Picture,       // the picture `text` at `box`, stretched to it when `stretch`
  Text,          // `text` in `font` and `color`, laid out in `box.w`, from `box.x, box.y`
  Caption,       // a frame's `text` in `font` and `color` from `box.x, box.y`, on a patch of `back`
                 // that interrupts the frame's edge
  Line,          // `width` pixels from (box.x, box.y) to (x2, y2)
  OutlinedText,  // as Text, every letter ringed kOutlinePx wide in `back`
};

// How far an outline reaches beyond its letters.
constexpr int kOutlinePx = 2;

struct DrawOp {
  DrawKind kind = DrawKind::Fill;
  PixelRect box, clip;  // nothing is drawn outside `clip`
  Color color = 0, back = 0;
  std::string_view text;       // the picture's path or the text (owned by the control)
  const Font* font = nullptr;  // text
  TextAlign align = TextAlign::Left;
  bool wrap = false, stretch = false;
  int x2 = 0, y2 = 0, width = 1;  // lines
};

struct DisplayList {
  std::string_view gamePath;  // pictures are named relative to it
  std::vector<DrawOp> ops;
};

// The operations that draw the window now. The list points into the game's controls: use it
// before the game changes again.
DisplayList BuildDisplayList(const Game& g);

// A fingerprint of every value an operation draws with, the picture's name and the text
// included, and the part of the window it can touch.
struct OpKey {
  std::uint64_t hash;
  PixelRect extent;
};
std::vector<OpKey> KeysOf(const DisplayList& list);
// The fingerprint of a whole list, order included.
std::uint64_t HashOf(const std::vector<OpKey>& keys);
inline std::uint64_t HashOf(const DisplayList& list) {
  return HashOf(KeysOf(list));
}
// The areas that must be drawn again to turn the picture of one list into that of the next:
// wherever an operation went, came or changed. Nullopt when the lists differ in a way that only
// drawing everything can follow (the operations kept changed their order).
std::optional<std::vector<PixelRect>> ChangedAreas(const std::vector<OpKey>& before,
                                                   const std::vector<OpKey>& after);

}  // namespace tq
