// Every test runs without a screen or a sound card: SDL gets its offscreen video and dummy audio
// drivers before any test starts, whoever runs the test program.
#include <cstdlib>

namespace {

const bool kHeadless = [] {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  return true;
}();

}  // namespace
