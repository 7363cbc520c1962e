// The asset tests' readers and measures.
#include "assets/asset_measures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <sstream>

#include "platform/asset_path.h"

namespace tq {
namespace {

using Rgb = std::array<double, 3>;

Rgb At(const Decoded& d, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * d.w + x) * 4;
  return {static_cast<double>(d.rgba[i]), static_cast<double>(d.rgba[i + 1]),
          static_cast<double>(d.rgba[i + 2])};
}

double Distance(const Rgb& a, const Rgb& b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

struct Spot {
  int x, y;
};

// How many of the figure's pixels the frame keeps when shifted by (dx, dy): the gain per channel
// that best maps the figure onto the frame there (least squares), then each pixel compared.
int KeptAtShift(const Decoded& whole, const Decoded& frame, const Decoded& floor,
                const std::vector<Spot>& own, int dx, int dy) {
  auto inside = [&](const Spot& s) {
    return s.x + dx >= 0 && s.x + dx < frame.w && s.y + dy >= 0 && s.y + dy < frame.h;
  };
  Rgb cross{}, square{};
  for (const Spot& s : own) {
    if (!inside(s)) continue;
    const Rgb a = At(whole, s.x, s.y), b = At(frame, s.x + dx, s.y + dy);
    for (int c = 0; c < 3; ++c) cross[c] += a[c] * b[c], square[c] += a[c] * a[c];
  }
  Rgb gain{};
  for (int c = 0; c < 3; ++c) gain[c] = square[c] > 0 ? cross[c] / square[c] : 1.0;
  int kept = 0;
  for (const Spot& s : own) {
    if (!inside(s)) continue;
    Rgb lit = At(whole, s.x, s.y);
    for (int c = 0; c < 3; ++c) lit[c] = std::clamp(lit[c] * gain[c], 0.0, 255.0);
    const Rgb there = At(frame, s.x + dx, s.y + dy);
    const double toFigure = Distance(lit, there);
    kept += toFigure <= 60 && toFigure < Distance(At(floor, s.x + dx, s.y + dy), there);
  }
  return kept;
}

// Whether a pixel is the soft edge of a letter over the bare picture: a mix of the two.
bool MixOf(const Rgb& pixel, const Rgb& text, const Rgb& under) {
  Rgb along{}, towards{};
  double length = 0, dot = 0;
  for (int c = 0; c < 3; ++c) {
    along[c] = text[c] - under[c], towards[c] = pixel[c] - under[c];
    length += along[c] * along[c], dot += along[c] * towards[c];
  }
  if (length == 0) return false;
  const double share = std::clamp(dot / length, 0.0, 1.0);
  Rgb mix{};
  for (int c = 0; c < 3; ++c) mix[c] = under[c] + share * along[c];
  return Distance(mix, pixel) < 12;
}

}  // namespace

Decoded DecodePicture(const std::filesystem::path& file) {
  Decoded d;
  SDL_Surface* raw = IMG_Load(file.string().c_str());
  if (!raw) return d;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);
  if (!s) return d;
  d.w = s->w;
  d.h = s->h;
  for (int y = 0; y < s->h; ++y) {
    const auto* row = static_cast<const uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
    d.rgba.insert(d.rgba.end(), row, row + static_cast<ptrdiff_t>(s->w) * 4);
  }
  SDL_FreeSurface(s);
  return d;
}

Decoded GamePicture(const std::string& name) {
  static AssetResolver assets(TQ_GAME_DIR);  // lists each folder once
  const auto file = assets.Resolve(name);
  return file ? DecodePicture(*file) : Decoded{};
}

std::array<int, 3> RgbOf(std::uint32_t bgr) {
  return {static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 8 & 0xFF),
          static_cast<int>(bgr >> 16 & 0xFF)};
}

double Luminance(double r, double g, double b) {
  auto linear = [](double c) {
    c /= 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

double Contrast(double luminanceA, double luminanceB) {
  return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

double ContrastAroundText(const Decoded& shown, const Decoded& bare,
                          const std::array<int, 3>& colour, const std::array<int, 4>& box) {
  const Rgb text{static_cast<double>(colour[0]), static_cast<double>(colour[1]),
                 static_cast<double>(colour[2])};
  const int x0 = std::max(box[0] - 3, 0), y0 = std::max(box[1] - 3, 0);
  const int x1 = std::min(box[0] + box[2] + 3, shown.w),
            y1 = std::min(box[1] + box[3] + 3, shown.h);
  auto letter = [&](int x, int y) {
    return x >= box[0] && x < box[0] + box[2] && y >= box[1] && y < box[1] + box[3] &&
           At(shown, x, y) != At(bare, x, y) && Distance(At(shown, x, y), text) <= 24;
  };
  auto nearLetter = [&](int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (letter(x + dx, y + dy)) return true;
    return false;
  };
  std::vector<double> around;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      if (letter(x, y) || !nearLetter(x, y)) continue;
      const Rgb pixel = At(shown, x, y), under = At(bare, x, y);
      const Rgb& seen = MixOf(pixel, text, under) ? under : pixel;
      around.push_back(Luminance(seen[0], seen[1], seen[2]));
    }
  if (around.empty()) return 1;
  const double ink = Luminance(text[0], text[1], text[2]);
  for (double& l : around) l = Contrast(ink, l);
  std::nth_element(around.begin(), around.begin() + around.size() / 2, around.end());
  return around[around.size() / 2];
}

double KeptShare(const Decoded& whole, const Decoded& frame, const Decoded& floor) {
  if (whole.rgba.empty() || whole.w != floor.w || whole.h != floor.h || frame.w != floor.w ||
      frame.h != floor.h)
    return 0;
  std::vector<Spot> own;
  for (int y = 0; y < whole.h; ++y)
    for (int x = 0; x < whole.w; ++x)
      if (Distance(At(whole, x, y), At(floor, x, y)) > 30) own.push_back({x, y});
  if (own.empty()) return 0;
  int best = 0;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      best = std::max(best, KeptAtShift(whole, frame, floor, own, dx, dy));
  return static_cast<double>(best) / static_cast<double>(own.size());
}

std::vector<char> ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b.at(at + i));
  return v;
}

std::uint32_t Be(const std::vector<char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b.at(at + i));
  return v;
}

Wav ReadWav(const std::filesystem::path& file) {
  const std::vector<char> b = ReadAll(file);
  Wav w;
  if (b.size() < 12 || std::string(b.data(), 4) != "RIFF" || std::string(b.data() + 8, 4) != "WAVE")
    return w;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.data() + at, 4);
    const std::uint32_t size = Le(b, at + 4, 4);
    if (id == "fmt ") {
      w.format = static_cast<int>(Le(b, at + 8, 2));
      w.channels = static_cast<int>(Le(b, at + 10, 2));
      w.rate = static_cast<int>(Le(b, at + 12, 4));
      w.bits = static_cast<int>(Le(b, at + 22, 2));
    } else if (id == "data" && w.bits == 16) {
      for (std::size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < b.size(); i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(Le(b, i, 2)) / 32768.0);
      }
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

Section HighPass(double hz, double q, int rate) {
  const double w = 2 * std::numbers::pi * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  const double a0 = 1 + alpha;
  return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

double SeamRatio(const std::vector<double>& interleaved, int channels, int rate) {
  const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
  const std::size_t tail = std::min(frames, static_cast<std::size_t>(rate) / 10);
  if (frames < 2) return 0;
  const double floor = std::pow(10.0, -50.0 / 20.0);
  double worst = 0;
  for (int c = 0; c < channels; ++c) {
    auto sample = [&](std::size_t frame) { return interleaved[frame * channels + c]; };
    const double jump = std::abs(sample(frames - 1) - sample(0));
    if (jump < floor) continue;
    double step = 0;
    for (std::size_t f = frames - tail + 1; f < frames; ++f)
      step = std::max(step, std::abs(sample(f) - sample(f - 1)));
    worst = std::max(worst, step > 0 ? jump / step : HUGE_VAL);
  }
  return worst;
}

Cut HardestCut(const std::vector<double>& samples, int rate) {
  // Mean power over back-to-back 10 ms windows, of the whole sound and of the band above 4 kHz
  // (through a fourth-order Butterworth high-pass, two biquads), in dBFS where a full-scale sine
  // is 0 dBFS.
  Section a = HighPass(4000, 0.5412, rate), b = HighPass(4000, 1.3066, rate);
  const std::size_t n = static_cast<std::size_t>(rate) / 100;
  auto dBFS = [&](double sum) { return 10 * std::log10(2 * sum / static_cast<double>(n) + 1e-14); };
  std::vector<double> band, whole;
  double bandSum = 0, wholeSum = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double h = b(a(samples[i]));
    bandSum += h * h, wholeSum += samples[i] * samples[i];
    if ((i + 1) % n == 0) {
      band.push_back(dBFS(bandSum)), whole.push_back(dBFS(wholeSum));
      bandSum = wholeSum = 0;
    }
  }
  // A cut between windows k - 1 and k, while the sound goes on (all 11 windows above -50 dBFS):
  // the band steady within 10 dB over the 8 windows before it and audible there (above -70
  // dBFS); how far it falls is the fall that holds over the 3 windows from k on.
  Cut hardest;
  for (std::size_t k = 8; k + 3 <= band.size(); ++k) {
    const auto before = band.begin() + static_cast<std::ptrdiff_t>(k) - 8;
    const auto [low, high] = std::minmax_element(before, before + 8);
    const auto span = whole.begin() + static_cast<std::ptrdiff_t>(k) - 8;
    if (*high - *low > 10 || *low <= -70 || *std::min_element(span, span + 11) <= -50) continue;
    const double drop = band[k - 1] - *std::max_element(before + 8, before + 11);
    if (drop > hardest.dB) hardest = {drop, static_cast<double>(k * n) / rate};
  }
  return hardest;
}

std::string WorstFirst(std::vector<Miss> misses, bool highIsWorse) {
  std::stable_sort(misses.begin(), misses.end(), [&](const Miss& a, const Miss& b) {
    return highIsWorse ? a.score > b.score : a.score < b.score;
  });
  std::ostringstream out;
  out << misses.size() << " miss the goal, worst first:\n";
  for (const Miss& m : misses) out << "  " << m.line << "\n";
  return out.str();
}

}  // namespace tq
