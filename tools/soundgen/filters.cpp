// Filters: the second-order section, fixed and sweeping, and the cut of the infrasound.
#include "filters.h"

#include <algorithm>
#include <cmath>

namespace tq::soundgen {

void Biquad::Set(Kind kind, double freq, double q, double gainDb) {
  freq = std::clamp(freq, 10.0, kRate * 0.45);
  const double w = 2.0 * kPi * freq / kRate;
  const double cw = std::cos(w), sw = std::sin(w);
  const double alpha = sw / (2.0 * q);
  double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
  switch (kind) {
    case Kind::LowPass:
      b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
      a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Kind::HighPass:
      b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
      a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Kind::BandPass:  // peak gain 1
      b0 = alpha, b1 = 0, b2 = -alpha;
      a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case Kind::Peak: {
      const double a = std::pow(10.0, gainDb / 40.0);
      b0 = 1 + alpha * a, b1 = -2 * cw, b2 = 1 - alpha * a;
      a0 = 1 + alpha / a, a1 = -2 * cw, a2 = 1 - alpha / a;
      break;
    }
  }
  b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0, a1_ = a1 / a0, a2_ = a2 / a0;
}

float Biquad::Process(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
  return static_cast<float>(y);
}

void Filter(Buffer& b, Biquad::Kind kind, double freq, double q, double gainDb) {
  Biquad f(kind, freq, q, gainDb);
  for (float& s : b) s = f.Process(s);
}

void Sweep(Buffer& b, Biquad::Kind kind, const Curve& freq, double q) {
  Biquad f(kind, freq(0.0), q);
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i % 32 == 0) f.Set(kind, freq(static_cast<double>(i) / kRate), q);
    b[i] = f.Process(b[i]);
  }
}

void RemoveDc(Buffer& b) {
  // Two passes of a gentle high-pass, forward and back, so nothing is shifted in time.
  for (int pass = 0; pass < 2; ++pass) {
    Biquad hp(Biquad::Kind::HighPass, 20.0, 0.707);
    for (float& s : b) s = hp.Process(s);
    std::reverse(b.begin(), b.end());
  }
}

}  // namespace tq::soundgen
