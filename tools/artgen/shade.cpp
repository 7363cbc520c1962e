// Shading: ramps, light levels and the lit shape painters.
#include "shade.h"

#include <algorithm>
#include <cmath>

namespace tq::art {

Ramp RampFrom(uint32_t base) {
  const Px b = Rgb(base);
  Px dark = Scale(b, 0.55);
  dark.b = static_cast<uint8_t>(std::min(255, dark.b + 18));  // shadows lean cool
  return Ramp{{dark, Scale(b, 0.8), b, Scale(b, 1.35)}};
}

Px LitShade(const Ramp& r, double light, int x, int y) {
  const double v = std::clamp(light, 0.0, 1.0) * 3.0;
  int i = static_cast<int>(v);
  if (v - i > Bayer(x, y)) ++i;
  return r[i];
}

void ShadeEllipse(Image& img, double cx, double cy, double rx, double ry, const Ramp& r,
                  double bias) {
  const double lx = -0.55, ly = -0.65, lz = 0.52;
  for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry));
       ++y)
    for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx));
         ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      const double d2 = dx * dx + dy * dy;
      if (d2 > 1.0) continue;
      const double nz = std::sqrt(1.0 - d2);
      const double l = std::max(0.0, dx * lx + dy * ly + nz * lz);
      img.set(x, y, LitShade(r, l * 0.95 + 0.08 + bias, x, y));
    }
}

void ShadeBox(Image& img, int x, int y, int w, int h, const Ramp& r) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      Px c = r[2];
      if (j == 0 || i == 0) c = r[3];
      if (i == w - 1 || j == h - 1) c = r[1];
      if ((i == w - 1 && j == h - 1)) c = r[0];
      img.set(x + i, y + j, c);
    }
}

void ShadeCylinder(Image& img, int x, int y, int w, int h, const Ramp& r) {
  for (int i = 0; i < w; ++i) {
    const double u = (i + 0.5) / w * 2.0 - 1.0;  // -1 left .. 1 right
    const double l = std::clamp(0.75 - 0.6 * u - 0.45 * u * u, 0.0, 1.0);
    for (int j = 0; j < h; ++j) img.set(x + i, y + j, LitShade(r, l, x + i, y + j));
  }
}

void ShadeStroke(Image& img, double x0, double y0, double x1, double y1, double width,
                 const Ramp& r) {
  const double len = std::hypot(x1 - x0, y1 - y0);
  const double nx = len > 0 ? -(y1 - y0) / len : 0, ny = len > 0 ? (x1 - x0) / len : 1;
  const double rad = width / 2.0;
  ForEachNearSegment(x0, y0, x1, y1, rad, [&](int x, int y, double qx, double qy, double) {
    const double px = x + 0.5, py = y + 0.5;
    // Which side of the stroke faces the light decides the shade.
    double side = ((px - qx) * nx + (py - qy) * ny) / std::max(rad, 0.5);
    if (nx + ny > 0) side = -side;
    img.set(x, y, LitShade(r, 0.55 + 0.45 * side, x, y));
  });
}

void ShadeTaper(Image& img, const std::vector<Pt>& path, double w0, double w1, const Ramp& r) {
  double total = 0;
  for (size_t i = 1; i < path.size(); ++i)
    total += std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
  if (total <= 0) return;
  double done = 0;
  for (size_t i = 1; i < path.size(); ++i) {
    const Pt a = path[i - 1], b = path[i];
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const int pieces = std::max(1, static_cast<int>(std::ceil(len)));
    for (int k = 0; k < pieces; ++k) {
      const double t0 = k / static_cast<double>(pieces), t1 = (k + 1) / static_cast<double>(pieces);
      const double w = w0 + (w1 - w0) * (done + len * (t0 + t1) / 2) / total;
      ShadeStroke(img, a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0, a.x + (b.x - a.x) * t1,
                  a.y + (b.y - a.y) * t1, w, r);
    }
    done += len;
  }
}

}  // namespace tq::art
