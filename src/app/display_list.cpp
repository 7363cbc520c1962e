// The control tree walked in drawing order into operations, at 15 twips to the pixel; then every
// operation that an opaque fill drawn later covers whole is dropped.
#include "app/display_list.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <string>

#include "app/text_outline.h"
#include "game/game.h"

namespace tq {
namespace {

int Px(int twips) {
  // Positions round toward negative infinity so that negative tops scroll smoothly.
  return static_cast<int>(std::floor(static_cast<double>(twips) / kTwipsPerPixel));
}

// The intro story's scroll: its wooden rollers fill this many rows at the top and the bottom
// of layout/scroll.bmp, and the story scrolls only over the sheet between them.
constexpr const char* kIntroScroll = "layout/scroll.bmp";
constexpr int kScrollRollerRows = 9;

DrawOp Op(DrawKind kind, PixelRect box, PixelRect clip, Color color) {
  DrawOp op;
  op.kind = kind;
  op.box = box;
  op.clip = clip;
  op.color = color;
  return op;
}

class Builder {
 public:
  explicit Builder(const Game& g) : g_(g) {}

  std::vector<DrawOp> Build() {
    ops_.reserve(256);
    const PixelRect all{0, 0, kClientWidthPx, kClientHeightPx};
    ops_.push_back(Op(DrawKind::Fill, all, all, g_.frmTQ.BackColor));
    for (const Control* c : g_.frmTQ.Children) Visit(*c, 0, 0, all);
    return std::move(ops_);
  }

 private:
  void Visit(const Control& c, int originX, int originY, PixelRect clip) {
    if (!c.Visible) return;
    if (c.kind == ControlKind::Line) {
      DrawOp line =
          Op(DrawKind::Line, {originX + Px(c.Left), originY + Px(c.Top), 0, 0}, clip, c.ForeColor);
      line.x2 = originX + Px(c.X2);
      line.y2 = originY + Px(c.Y2);
      line.width = c.PenWidth;
      ops_.push_back(line);
      return;
    }
    const PixelRect r{originX + Px(c.Left), originY + Px(c.Top), Px(c.Width + 14),
                      Px(c.Height + 14)};
    const PixelRect inner = Intersection(r, clip);
    if (inner.empty()) return;
    switch (c.kind) {
      case ControlKind::Frame:
        Frame(c, r, inner);
        break;
      case ControlKind::PictureBox:
        ops_.push_back(Op(DrawKind::Fill, r, inner, c.BackColor));
        Picture(c, r, inner);
        break;
      case ControlKind::Image:
        Picture(c, r, inner);
        break;
      case ControlKind::Label:
        Label(c, r, clip);
        break;
      default:
        break;
    }
    PixelRect childClip = inner;
    if (c.kind == ControlKind::PictureBox && c.Picture == kIntroScroll) {
      // The story would run over the scroll's wooden rollers and cut its letters there.
      const int top = std::max(inner.y, r.y + kScrollRollerRows);
      const int bottom = std::min(inner.y + inner.h, r.y + r.h - kScrollRollerRows);
      childClip.y = top;
      childClip.h = std::max(0, bottom - top);
    }
    for (const Control* child : c.Children) Visit(*child, r.x, r.y, childClip);
  }

  void Picture(const Control& c, PixelRect r, PixelRect clip) {
    if (c.Picture.empty()) return;
    DrawOp op = Op(DrawKind::Picture, r, clip, 0);
    op.text = c.Picture;
    op.stretch = c.Stretch;
    ops_.push_back(op);
  }

  void Frame(const Control& c, PixelRect r, PixelRect clip) {
    ops_.push_back(Op(DrawKind::Fill, r, clip, c.BackColor));
    // An etched edge: a dark line with a light one inside it, below the caption's middle.
    const int top = c.Caption.empty() ? r.y : r.y + 5;
    const int h = r.h - (top - r.y) - 1;
    ops_.push_back(Op(DrawKind::Outline, {r.x + 1, top + 1, r.w - 1, h}, clip, 0xFFFFFF));
    ops_.push_back(Op(DrawKind::Outline, {r.x, top, r.w - 1, h}, clip, 0x808080));
    if (!c.Caption.empty()) {
      DrawOp caption = Op(DrawKind::Caption, {r.x + 8, r.y, 0, 0}, clip, c.ForeColor);
      caption.back = c.BackColor;
      caption.text = c.Caption;
      caption.font = &c.font;
      ops_.push_back(caption);
    }
  }

  void Label(const Control& c, PixelRect r, PixelRect parentClip) {
    if (&c == &g_.shadowmessage) {
      // The shadow is a pixel narrower than the message, so laid out in its own width a
      // long message broke into different lines and the shadow garbled the text above it.
      r.w = Px(g_.lblMESSAGE.Width + 14);
    }
    const PixelRect clip = Intersection(r, parentClip);
    if (!c.Transparent) ops_.push_back(Op(DrawKind::Fill, r, clip, c.BackColor));
    if (c.Caption.empty()) return;
    DrawOp text = Op(DrawKind::Text, r, clip, c.ForeColor);
    if (&c == &g_.LBLpause) {
      // PAUSED cycles through six colours over the hero and whatever ground he stands on: an
      // outline in black or white, whichever stands apart from the colour shown, lets every one
      // of them read there. The outline may reach past the label's own box.
      text.kind = DrawKind::OutlinedText;
      text.back = OutlineFor(c.ForeColor);
      text.clip = Intersection(
          {r.x - kOutlinePx, r.y - kOutlinePx, r.w + 2 * kOutlinePx, r.h + 2 * kOutlinePx},
          parentClip);
    }
    text.text = c.Caption;
    text.font = &c.font;
    text.align = c.Alignment;
    text.wrap = c.WordWrap;
    ops_.push_back(text);
  }

  const Game& g_;
  std::vector<DrawOp> ops_;
};

// The part of the window an operation can touch.
PixelRect Extent(const DrawOp& op) {
  switch (op.kind) {
    case DrawKind::Fill:
    case DrawKind::Outline:
      return Intersection(op.box, op.clip);
    default:
      return op.clip;
  }
}

// Drops every operation that lies wholly under one opaque fill drawn after it.
void DropHidden(std::vector<DrawOp>& ops) {
  std::vector<PixelRect> covers;
  std::vector<bool> keep(ops.size(), true);
  for (std::size_t i = ops.size(); i-- > 0;) {
    const PixelRect e = Extent(ops[i]);
    keep[i] = !e.empty() && std::none_of(covers.begin(), covers.end(),
                                         [&](const PixelRect& c) { return c.Contains(e); });
    if (keep[i] && ops[i].kind == DrawKind::Fill) covers.push_back(e);
  }
  std::size_t out = 0;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (keep[i]) ops[out++] = ops[i];
  ops.resize(out);
}

void Mix(std::uint64_t& h, std::uint64_t v) {
  h = (h ^ v) * 0x100000001B3ull;
  h ^= h >> 29;
}

void Mix(std::uint64_t& h, const PixelRect& r) {
  Mix(h, static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.x)) << 32 |
             static_cast<std::uint32_t>(r.y));
  Mix(h, static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.w)) << 32 |
             static_cast<std::uint32_t>(r.h));
}

void Mix(std::uint64_t& h, std::string_view s) {
  Mix(h, std::hash<std::string_view>{}(s));
  Mix(h, s.size());
}

}  // namespace

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

DisplayList BuildDisplayList(const Game& g) {
  DisplayList list{g.GamePath, Builder(g).Build()};
  DropHidden(list.ops);
  return list;
}

std::vector<OpKey> KeysOf(const DisplayList& list) {
  std::vector<OpKey> keys;
  keys.reserve(list.ops.size());
  for (const DrawOp& op : list.ops) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    Mix(h, list.gamePath);
    Mix(h, static_cast<std::uint64_t>(op.kind));
    Mix(h, op.box);
    Mix(h, op.clip);
    Mix(h, static_cast<std::uint64_t>(op.color) << 32 | op.back);
    Mix(h, op.text);
    if (op.font) {
      Mix(h, op.font->face);
      Mix(h, static_cast<std::uint64_t>(std::llround(op.font->points * 100)));
      Mix(h, op.font->bold);
    }
    Mix(h, static_cast<std::uint64_t>(op.align) << 2 | op.wrap << 1 | op.stretch);
    Mix(h, static_cast<std::uint64_t>(static_cast<std::uint32_t>(op.x2)) << 32 |
               static_cast<std::uint32_t>(op.y2));
    Mix(h, static_cast<std::uint64_t>(op.width));
    keys.push_back({h, Extent(op)});
  }
  return keys;
}

std::uint64_t HashOf(const std::vector<OpKey>& keys) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  for (const OpKey& k : keys) Mix(h, k.hash);
  return h;
}

std::optional<std::vector<PixelRect>> ChangedAreas(const std::vector<OpKey>& before,
                                                   const std::vector<OpKey>& after) {
  auto hashes = [](const std::vector<OpKey>& keys) {
    std::vector<std::uint64_t> h;
    for (const OpKey& k : keys) h.push_back(k.hash);
    std::sort(h.begin(), h.end());
    return h;
  };
  const std::vector<std::uint64_t> was = hashes(before), is = hashes(after);
  std::vector<std::uint64_t> common;
  std::set_intersection(was.begin(), was.end(), is.begin(), is.end(), std::back_inserter(common));
  // Every operation found in only one of the lists marks its extent; those found in both must
  // keep their order, or a pixel under two of them could change.
  std::vector<PixelRect> areas;
  auto walk = [&](const std::vector<OpKey>& keys, std::vector<std::uint64_t>& kept) {
    std::vector<std::uint64_t> left = common;
    for (const OpKey& k : keys) {
      auto it = std::lower_bound(left.begin(), left.end(), k.hash);
      if (it != left.end() && *it == k.hash) {
        left.erase(it);
        kept.push_back(k.hash);
      } else if (!k.extent.empty()) {
        areas.push_back(k.extent);
      }
    }
  };
  std::vector<std::uint64_t> keptBefore, keptAfter;
  walk(before, keptBefore);
  walk(after, keptAfter);
  if (keptBefore != keptAfter) return std::nullopt;
  // Overlapping areas are joined, so that no pixel is drawn twice.
  for (bool joined = true; joined;) {
    joined = false;
    for (std::size_t i = 0; i < areas.size() && !joined; ++i) {
      for (std::size_t j = i + 1; j < areas.size() && !joined; ++j) {
        if (Intersection(areas[i], areas[j]).empty()) continue;
        const int x0 = std::min(areas[i].x, areas[j].x), y0 = std::min(areas[i].y, areas[j].y);
        const int x1 = std::max(areas[i].x + areas[i].w, areas[j].x + areas[j].w);
        const int y1 = std::max(areas[i].y + areas[i].h, areas[j].y + areas[j].h);
        areas[i] = {x0, y0, x1 - x0, y1 - y0};
        areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
        joined = true;
      }
    }
  }
  return areas;
}

}  // namespace tq
