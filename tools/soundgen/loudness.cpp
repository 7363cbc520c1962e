// How loud a sound is, bringing it to a level, and cutting its silent end.
#include "loudness.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tq::soundgen {

double PeakDb(const Buffer& b) {
  float peak = 1e-9f;
  for (float s : b) peak = std::max(peak, std::abs(s));
  return 20.0 * std::log10(peak);
}

namespace {

// A second-order section given by its coefficients (a0 = 1).
struct Section {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Process(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};

// The two stages of the BS.1770 weighting, designed for our rate.
std::vector<double> KWeighted(const Buffer& b) {
  double k = std::tan(kPi * 1681.974450955533 / kRate);
  const double q = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20.0);
  const double vb = std::pow(vh, 0.4996667741545416);
  double a0 = 1 + k / q + k * k;
  Section shelf{(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0,
                (vh - vb * k / q + k * k) / a0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
  k = std::tan(kPi * 38.13547087602444 / kRate);
  const double q2 = 0.5003270373238773;
  a0 = 1 + k / q2 + k * k;
  Section cut{1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q2 + k * k) / a0};
  std::vector<double> out(b.size());
  for (std::size_t i = 0; i < b.size(); ++i) out[i] = cut.Process(shelf.Process(b[i]));
  return out;
}

}  // namespace

double MomentaryLoudness(const Buffer& b) {
  const std::vector<double> w = KWeighted(b);
  const std::size_t win = Samples(0.4), hop = Samples(0.05);
  double best = 1e-12;
  for (std::size_t start = 0; start == 0 || start + win <= w.size(); start += hop) {
    double sum = 0.0;
    for (std::size_t i = start; i < std::min(w.size(), start + win); ++i) sum += w[i] * w[i];
    best = std::max(best, sum / static_cast<double>(win));
  }
  return -0.691 + 10.0 * std::log10(best);
}

void Level(Buffer& b, double targetLufs) {
  // Peaks above the ceiling are bent round smoothly rather than clipped; bending takes some
  // loudness away, so the gain is found again until the sound sits on its target.
  constexpr double kCeiling = 0.891;  // -1 dBFS
  constexpr double kKnee = 0.6;
  for (int pass = 0; pass < 4; ++pass) {
    const double miss = targetLufs - MomentaryLoudness(b);
    if (pass > 0 && std::abs(miss) < 0.1) break;
    Gain(b, std::pow(10.0, miss / 20.0));
    for (float& s : b) {
      const double a = std::abs(s);
      if (a > kKnee) {
        const double over = (a - kKnee) / (kCeiling - kKnee);
        const double bent = kKnee + (kCeiling - kKnee) * std::tanh(over);
        s = static_cast<float>(s < 0 ? -bent : bent);
      }
    }
  }
}

void TrimTail(Buffer& b, double floorDb, double keep) {
  const std::size_t win = Samples(0.01);
  const double floor = std::pow(10.0, floorDb / 10.0);
  std::size_t end = b.size();
  while (end >= win) {
    double sum = 0.0;
    for (std::size_t i = end - win; i < end; ++i) sum += static_cast<double>(b[i]) * b[i];
    if (sum / static_cast<double>(win) > floor) break;
    end -= win;
  }
  b.resize(std::min(b.size(), end + Samples(keep)));
}

}  // namespace tq::soundgen
