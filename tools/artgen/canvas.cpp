// Canvas: pixel blending, shapes and layer operations.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace tq::art {

namespace {
uint8_t ClampByte(double v) {
  return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
}
}  // namespace

Px Mix(Px a, Px b, double t) {
  return Px{ClampByte(a.r + (b.r - a.r) * t), ClampByte(a.g + (b.g - a.g) * t),
            ClampByte(a.b + (b.b - a.b) * t), ClampByte(a.a + (b.a - a.a) * t)};
}

Px Scale(Px c, double f) {
  if (f <= 1.0) return Px{ClampByte(c.r * f), ClampByte(c.g * f), ClampByte(c.b * f), c.a};
  const double t = f - 1.0;
  return Px{ClampByte(c.r + (255 - c.r) * t), ClampByte(c.g + (255 - c.g) * t),
            ClampByte(c.b + (255 - c.b) * t), c.a};
}

Image::Image(int w, int h, Px fill) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, fill) {}

void Image::Blend(int x, int y, Px c) {
  if (!inside(x, y) || c.a == 0) return;
  Px& d = px_[idx(x, y)];
  if (c.a == 255 || d.a == 0) {
    d = c;
    return;
  }
  const double a = c.a / 255.0;
  d = Px{ClampByte(d.r + (c.r - d.r) * a), ClampByte(d.g + (c.g - d.g) * a),
         ClampByte(d.b + (c.b - d.b) * a), ClampByte(d.a + (255 - d.a) * a)};
}

void Image::Tint(int x, int y, Px c, double amount) {
  if (!inside(x, y)) return;
  Px& d = px_[idx(x, y)];
  if (d.a == 0) return;
  const uint8_t keep = d.a;
  d = Mix(d, c, amount);
  d.a = keep;
}

void FillRect(Image& img, int x, int y, int w, int h, Px c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) img.Blend(i, j, c);
}

void FillEllipse(Image& img, double cx, double cy, double rx, double ry, Px c) {
  if (rx <= 0 || ry <= 0) return;
  for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry));
       ++y)
    for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx));
         ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1.0) img.Blend(x, y, c);
    }
}

void Line(Image& img, int x0, int y0, int x1, int y1, Px c) {
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    img.Blend(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void ForEachNearSegment(double x0, double y0, double x1, double y1, double radius,
                        const std::function<void(int, int, double, double, double)>& fn) {
  const double len = std::hypot(x1 - x0, y1 - y0);
  const int minX = static_cast<int>(std::floor(std::min(x0, x1) - radius));
  const int maxX = static_cast<int>(std::ceil(std::max(x0, x1) + radius));
  const int minY = static_cast<int>(std::floor(std::min(y0, y1) - radius));
  const int maxY = static_cast<int>(std::ceil(std::max(y0, y1) + radius));
  for (int y = minY; y <= maxY; ++y)
    for (int x = minX; x <= maxX; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double t = len > 0 ? ((px - x0) * (x1 - x0) + (py - y0) * (y1 - y0)) / (len * len) : 0;
      t = std::clamp(t, 0.0, 1.0);
      const double qx = x0 + t * (x1 - x0), qy = y0 + t * (y1 - y0);
      const double d = std::hypot(px - qx, py - qy);
      if (d <= radius) fn(x, y, qx, qy, d);
    }
}

void ThickLine(Image& img, double x0, double y0, double x1, double y1, double width, Px c) {
  ForEachNearSegment(x0, y0, x1, y1, width / 2.0,
                     [&](int x, int y, double, double, double) { img.Blend(x, y, c); });
}

void FillPoly(Image& img, const std::vector<Pt>& pts, Px c) {
  if (pts.size() < 3) return;
  double minY = pts[0].y, maxY = pts[0].y;
  for (const Pt& p : pts) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
    const double sy = y + 0.5;
    std::vector<double> xs;
    for (size_t i = 0; i < pts.size(); ++i) {
      const Pt& a = pts[i];
      const Pt& b = pts[(i + 1) % pts.size()];
      if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy))
        xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      for (int x = static_cast<int>(std::ceil(xs[i] - 0.5));
           x < static_cast<int>(std::ceil(xs[i + 1] - 0.5)); ++x)
        img.Blend(x, y, c);
  }
}

void Composite(Image& dst, const Image& src, int ox, int oy) {
  for (int y = 0; y < src.h(); ++y)
    for (int x = 0; x < src.w(); ++x) dst.Blend(x + ox, y + oy, src.get(x, y));
}

void Outline(Image& layer, double darkness) {
  Image out = layer;
  for (int y = 0; y < layer.h(); ++y)
    for (int x = 0; x < layer.w(); ++x) {
      if (layer.get(x, y).a > 0) continue;
      const int nx[4] = {x - 1, x + 1, x, x};
      const int ny[4] = {y, y, y - 1, y + 1};
      for (int k = 0; k < 4; ++k) {
        const Px n = layer.get(nx[k], ny[k]);
        if (n.a > 128) {
          Px o = Scale(n, darkness);
          o = Mix(o, Rgb(0x140c10), 0.5);
          o.a = 255;
          out.set(x, y, o);
          break;
        }
      }
    }
  layer = out;
}

void MirrorX(Image& img) {
  Image copy = img;
  for (int y = 0; y < img.h(); ++y)
    for (int x = 0; x < img.w(); ++x) img.set(x, y, copy.get(img.w() - 1 - x, y));
}

void Darken(Image& img, double cx, double cy, double rx, double ry, double amount) {
  for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry) + 1; ++y)
    for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx) + 1; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      const double d = dx * dx + dy * dy;
      if (d > 1.0) continue;
      // Dithered soft edge: the rim of the shadow thins out in a checker pattern.
      if (d > 0.6 && Bayer(x, y) < (d - 0.6) / 0.4) continue;
      const Px p = img.get(x, y);
      if (p.a == 0) continue;
      img.set(x, y, Scale(p, 1.0 - amount));
    }
}

Image ScaleNearest(const Image& src, int factor) {
  Image out(src.w() * factor, src.h() * factor);
  for (int y = 0; y < out.h(); ++y)
    for (int x = 0; x < out.w(); ++x) out.set(x, y, src.get(x / factor, y / factor));
  return out;
}

Image Flatten(const Image& src, Px background) {
  Image out(src.w(), src.h(), background);
  Composite(out, src);
  for (int y = 0; y < out.h(); ++y)
    for (int x = 0; x < out.w(); ++x) {
      Px p = out.get(x, y);
      p.a = 255;
      out.set(x, y, p);
    }
  return out;
}

double Bayer(int x, int y) {
  static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (m[y & 3][x & 3] + 0.5) / 16.0;
}

}  // namespace tq::art
