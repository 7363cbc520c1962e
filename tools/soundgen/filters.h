// Filters: the second-order section, fixed and sweeping, and the cut of the infrasound.
#pragma once

#include "buffer.h"

namespace tq::soundgen {

// Second-order filter section (RBJ cookbook).
class Biquad {
 public:
  enum class Kind { LowPass, HighPass, BandPass, Peak };
  Biquad(Kind kind, double freq, double q, double gainDb = 0.0) { Set(kind, freq, q, gainDb); }
  void Set(Kind kind, double freq, double q, double gainDb = 0.0);
  float Process(float x);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void Filter(Buffer& b, Biquad::Kind kind, double freq, double q, double gainDb = 0.0);
// A filter whose corner moves over time (coefficients refreshed every 32 samples).
void Sweep(Buffer& b, Biquad::Kind kind, const Curve& freq, double q);
// Takes out any offset from zero and the infrasound under 20 Hz.
void RemoveDc(Buffer& b);

}  // namespace tq::soundgen
