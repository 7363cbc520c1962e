// Reading the built game's pictures and sounds and the measures the asset tests hold them to:
// contrast, how much of a figure its break frames keep, loop seams and chopped noise.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tq {

// Decoded pixels, flattened to RGBA bytes so two pictures can be compared exactly.
struct Decoded {
  int w = 0, h = 0;
  std::vector<std::uint8_t> rgba;
};

// Any picture SDL_image reads; empty when it cannot be read.
Decoded DecodePicture(const std::filesystem::path& file);
// A picture of the built game folder by the name the game gives it (any letter case).
Decoded GamePicture(const std::string& name);

// The red, green and blue of one of the window's colours (&H00BBGGRR).
std::array<int, 3> RgbOf(std::uint32_t bgr);
// Relative luminance of an sRGB colour (0..255 a channel), for contrast ratios.
double Luminance(double r, double g, double b);
// The contrast ratio of two relative luminances, 1 to 21.
double Contrast(double luminanceA, double luminanceB);

// How a text reads where it is drawn: `shown` is the window with the text, `bare` the same window
// without it, and the text is written in `colour` inside the pixel box (x, y, w, h). The letters
// are the pixels the text turned to its colour; the two pixels around them are what they are
// read against: an outline or a backing the text brings, or the picture beneath (where the soft
// edge of a letter lies over it, the picture counts). Gives the contrast that half of those
// pixels reach against the colour; 1 when no letter shows.
double ContrastAroundText(const Decoded& shown, const Decoded& bare,
                          const std::array<int, 3>& colour, const std::array<int, 4>& box);

// Of a figure's own pixels (where `whole` differs from `floor` by an RGB distance over 30), the
// share that `frame` keeps: within 60 of the figure and nearer to it than to the floor, after one
// gain per channel (a flash or a tint) and the best shift of up to 2 pixels (a recoil).
double KeptShare(const Decoded& whole, const Decoded& frame, const Decoded& floor);

std::vector<char> ReadAll(const std::filesystem::path& file);
std::uint32_t Le(const std::vector<char>& b, std::size_t at, int bytes);
std::uint32_t Be(const std::vector<char>& b, std::size_t at, int bytes);

struct Wav {
  int rate = 0, channels = 0, bits = 0, format = 0;
  std::vector<double> samples;  // -1..1
};
Wav ReadWav(const std::filesystem::path& file);

// A second-order filter section given by its coefficients (a0 = 1).
struct Section {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double operator()(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return y;
  }
};
// A Butterworth high-pass section (Q 0.5412 and 1.3066 together make the fourth order).
Section HighPass(double hz, double q, int rate);

// How a repeated sound wraps from its last frame to its first: the jump there against the
// largest step between neighbouring samples in its last 100 ms, the worst channel's; a jump
// under -50 dBFS does not count (0). Above 1 the wrap is a tick.
double SeamRatio(const std::vector<double>& interleaved, int channels, int rate);

// The hardest cut in a sound's noise while the sound goes on: where the energy above 4 kHz falls
// between two 10 ms windows after 80 ms of steady level, by the fall that holds for 30 ms.
struct Cut {
  double dB = 0;       // how far it falls
  double seconds = 0;  // where
};
Cut HardestCut(const std::vector<double>& samples, int rate);

// A failure message: the cases that miss a goal, one a line, worst first (the lowest `score`
// first, or the highest when `highIsWorse`).
struct Miss {
  double score;
  std::string line;
};
std::string WorstFirst(std::vector<Miss> misses, bool highIsWorse = false);

}  // namespace tq
