// Shading: material ramps and lit shapes, dithered between the ramp's shades.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "canvas.h"

namespace tq::art {

// Four shades of one material, darkest first.
struct Ramp {
  Ramp() = default;
  explicit Ramp(const std::array<Px, 4>& shades) : c(shades) {}
  Ramp(uint32_t dark, uint32_t mid, uint32_t light, uint32_t shine)  // 0xRRGGBB each
      : c{Rgb(dark), Rgb(mid), Rgb(light), Rgb(shine)} {}
  Px operator[](int i) const { return c[static_cast<size_t>(i < 0 ? 0 : (i > 3 ? 3 : i))]; }
  // The same material a step into shadow: each shade the next darker one.
  Ramp Darker() const { return Ramp{{c[0], c[0], c[1], c[2]}}; }
  std::array<Px, 4> c;
};
Ramp RampFrom(uint32_t base);  // derives four shades from one colour

// The shade for a light level in [0, 1], dithered at (x, y).
Px LitShade(const Ramp& r, double light, int x, int y);

// A ball or egg lit from the upper left.
void ShadeEllipse(Image& img, double cx, double cy, double rx, double ry, const Ramp& r,
                  double bias = 0.0);
// A box lit from the upper left: bright top edge, dark right and bottom edges.
void ShadeBox(Image& img, int x, int y, int w, int h, const Ramp& r);
// An upright cylinder (trunks, barrels, pillars).
void ShadeCylinder(Image& img, int x, int y, int w, int h, const Ramp& r);
// A thick lit stroke (limbs, branches, handles).
void ShadeStroke(Image& img, double x0, double y0, double x1, double y1, double width,
                 const Ramp& r);
// A lit stroke along a path that thins from `w0` at its first point to `w1` at its last
// (horns, claws, rags).
void ShadeTaper(Image& img, const std::vector<Pt>& path, double w0, double w1, const Ramp& r);

}  // namespace tq::art
