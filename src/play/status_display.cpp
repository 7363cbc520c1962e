// The status refresh: the bars slide within their boxes and the numbers follow the game state.
#include "play/status_display.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "game/game.h"

namespace tq {
namespace {

// The bar image is 1440 twips wide in a 1500 twip box; a full bar of any maximum spans 1420.
constexpr double kBarSpan = 1420.0;
constexpr double kGoldMaximum = 200.0;
constexpr double kGoldScale = 7.1;
constexpr double kPointsMaximum = 100.0;
constexpr double kPointsScale = 14.0;

// GUARD: the refresh works on 16-bit values; a value beyond that range (from a damaged save)
// would overflow, so it is held at its edge.
std::int16_t AsInt16(const Value& v) {
  constexpr std::int64_t lo = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::clamp(v.num(), lo, hi));
}

struct BarScale {
  double maximum = 0;
  double scale = 0;
  // GUARD: a maximum of 0 (from a damaged save) would divide by zero; that bar shows empty.
  bool empty = false;
};

BarScale ScaleFor(const Value& maximum) {
  const auto m = static_cast<double>(maximum.num());
  if (m == 0) return {0, 0, true};
  return {m, std::floor(kBarSpan / m), false};
}

int BarLeft(const BarScale& s, std::int16_t value) {
  if (s.empty) return -static_cast<int>(kBarSpan);
  // The position is kept as a single-precision number of twips; a control sits on whole twips.
  const auto left = static_cast<float>(-((s.maximum - value) * s.scale));
  return static_cast<int>(std::lround(left));
}

}  // namespace

void RefreshStatusBars(Game& g) {
  const std::array<std::int16_t, 5> v = {AsInt16(g.Life), AsInt16(g.Strength), AsInt16(g.Gold),
                                         AsInt16(g.EnemyHP), AsInt16(g.Points)};
  // The maximum and the scale carry over from one bar to the next: the enemy bar without a live
  // monster keeps the gold bar's, and the points bar at 0 keeps the enemy bar's.
  BarScale s;
  for (int b = 0; b < 5; ++b) {
    switch (b) {
      case 0:
        s = ScaleFor(g.MaxLife);
        break;
      case 1:
        s = ScaleFor(g.MaxStrength);
        break;
      case 2:
        s = {kGoldMaximum, kGoldScale, false};
        break;
      case 3:
        if (v[3] > 0) s = ScaleFor(g.EnemyMaxHP);
        break;
      case 4:
        if (v[4] > 0) s = {kPointsMaximum, kPointsScale, false};
        break;
    }
    g.imgBAR[b].Left = BarLeft(s, v[b]);
  }
}

void RefreshStatusNumbers(Game& g) {
  g.lblHP[0].Caption = g.Gold.str();
  g.lblHP[1].Caption = g.Life.str();
  g.lblHP[2].Caption = g.Strength.str();
  g.lblHP[3].Caption = g.EnemyHP.str();
  g.lblHP[4].Caption = g.Points.str();
}

}  // namespace tq
