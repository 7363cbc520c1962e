// Canvas: an RGBA picture with the drawing primitives every painter shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tq::art {

struct Px {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Px&) const = default;
};

// 0xRRGGBB to an opaque pixel.
constexpr Px Rgb(uint32_t c) {
  return Px{static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c),
            255};
}
Px Mix(Px a, Px b, double t);
Px Scale(Px c, double f);  // darker below 1, lighter above

class Image {
 public:
  Image() = default;
  Image(int w, int h, Px fill = Px{});
  int w() const { return w_; }
  int h() const { return h_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Px get(int x, int y) const { return inside(x, y) ? px_[idx(x, y)] : Px{}; }
  void set(int x, int y, Px c) {
    if (inside(x, y)) px_[idx(x, y)] = c;
  }
  void Blend(int x, int y, Px c);                // alpha-blend c over the pixel
  void Tint(int x, int y, Px c, double amount);  // move an opaque pixel toward c
  const std::vector<Px>& pixels() const { return px_; }
  bool operator==(const Image&) const = default;

 private:
  std::size_t idx(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }
  int w_ = 0, h_ = 0;
  std::vector<Px> px_;
};

void FillRect(Image& img, int x, int y, int w, int h, Px c);
void FillEllipse(Image& img, double cx, double cy, double rx, double ry, Px c);
void Line(Image& img, int x0, int y0, int x1, int y1, Px c);
// Calls `fn(x, y, qx, qy, d)` for every pixel whose centre lies within `radius` of the segment
// (x0,y0)-(x1,y1); (qx, qy) is the nearest point of the segment and d the distance to it.
void ForEachNearSegment(double x0, double y0, double x1, double y1, double radius,
                        const std::function<void(int, int, double, double, double)>& fn);
void ThickLine(Image& img, double x0, double y0, double x1, double y1, double width, Px c);
struct Pt {
  double x, y;
};
void FillPoly(Image& img, const std::vector<Pt>& pts, Px c);

// Layers: objects are painted on a transparent layer, outlined, then laid over the ground.
void Composite(Image& dst, const Image& src, int ox = 0, int oy = 0);
void Outline(Image& layer, double darkness = 0.35);  // dark rim around the opaque shape
void MirrorX(Image& img);
void Darken(Image& img, double cx, double cy, double rx, double ry, double amount);
Image ScaleNearest(const Image& src, int factor);
Image Flatten(const Image& src, Px background);  // every pixel opaque

// Ordered dithering threshold in [0, 1) for pixel (x, y).
double Bayer(int x, int y);

}  // namespace tq::art
