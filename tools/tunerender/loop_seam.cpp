// Folding a repeating tune's ring-out onto its start and choosing where its file begins.
#include "loop_seam.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace tq::tunerender {

std::vector<std::int16_t> FoldRingOut(const std::int16_t* samples, std::size_t frames,
                                      std::size_t loopFrames) {
  std::vector<int> sum(loopFrames * 2, 0);
  for (std::size_t f = 0; f < frames && loopFrames > 0; ++f) {
    sum[(f % loopFrames) * 2] += samples[f * 2];
    sum[(f % loopFrames) * 2 + 1] += samples[f * 2 + 1];
  }
  std::vector<std::int16_t> loop(sum.size());
  std::transform(sum.begin(), sum.end(), loop.begin(),
                 [](int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); });
  return loop;
}

void StartAtQuietestFrame(std::vector<std::int16_t>& loop, std::size_t within) {
  const std::size_t frames = loop.size() / 2;
  if (frames == 0) return;
  std::size_t best = 0;  // the downbeat itself
  int quietest = std::max(std::abs(loop[0]), std::abs(loop[1]));
  for (std::size_t back = 1; back <= std::min(within, frames - 1) && quietest > 0; ++back) {
    const std::size_t f = frames - back;
    const int level = std::max(std::abs(loop[f * 2]), std::abs(loop[f * 2 + 1]));
    if (level < quietest) best = f, quietest = level;
  }
  std::rotate(loop.begin(), loop.begin() + static_cast<std::ptrdiff_t>(best * 2), loop.end());
}

}  // namespace tq::tunerender
