// tq_window_measure GAME_FOLDER BARE_WINDOW [SECONDS_IDLE] [SECONDS_PLAY] [RUNS]: measures the
// game's window side by side with bare SDL windows of the same size on the same X server (first
// frame, memory, idle CPU, frames presented and frames that change a pixel) and plays the game
// through its window: NEW, LOAD in the first second, standing still, walking about, and every
// way of ending it. The game folder is played in: it gets a new world and a saved game.
#include <X11/keysym.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "game/game.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "process_probe.h"
#include "shell/start_up.h"
#include "x_probe.h"

namespace tq::measure {
namespace {

constexpr int kClientWidthPx = 432;

struct Options {
  std::string gameFolder, bare;
  double idleSeconds = 60, playSeconds = 120;
  int runs = 5;
};

void Sleep(double ms) {
  std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(ms * 1000)));
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// What one program did while left alone.
struct Idle {
  double rss = 0, cpuPct = 0;
  Frames frames;
};

class Measure {
 public:
  explicit Measure(Options o) : o_(std::move(o)), layout_({"/tmp", &clock_, &mm1_, &mm2_, &mm3_}) {
    Form_Load(layout_);
    logs_ = o_.gameFolder + "/measure-logs";
    std::system(("mkdir -p '" + logs_ + "'").c_str());
  }

  void Run() {
    Prepare();
    FirstFrames();
    Title();
    Play();
    Report();
  }

 private:
  enum class Bare { Renderer, Surface };

  std::unique_ptr<Process> StartGame(const std::string& tag) {
    return std::make_unique<Process>(
        std::vector<std::string>{o_.gameFolder + "/tarvoquest"}, o_.gameFolder,
        std::vector<std::string>{"SDL_AUDIODRIVER=dummy"}, logs_ + "/game-" + tag + ".log");
  }
  std::unique_ptr<Process> StartBare(Bare kind) {
    std::vector<std::string> argv{o_.bare, std::to_string(width_), std::to_string(height_)};
    if (kind == Bare::Surface) argv.push_back("surface");
    return std::make_unique<Process>(argv, o_.gameFolder, std::vector<std::string>{},
                                     logs_ + "/bare.log");
  }
  unsigned long WindowOf(Process& p) {
    const unsigned long w = x_.WaitForWindow(p.pid(), 20000);
    if (!w) {
      std::fprintf(stderr, "measure: no window from process %d\n", p.pid());
      std::exit(1);
    }
    return w;
  }
  double FirstFrameMs(Process& p) {
    const unsigned long w = WindowOf(p);
    while (!x_.ShowsAFrame(w)) {
      if (p.AgeMs() > 20000) return -1;
      Sleep(1);
    }
    return p.AgeMs();
  }
  void Click(unsigned long w, const Control& c) {
    x_.Click(w, (c.AbsLeft() + c.Width / 2) * scale_ / 15,
             (c.AbsTop() + c.Height / 2) * scale_ / 15);
  }
  void Ended(const std::string& how, Process& p) { endings_.push_back({how, p.WaitForEnd(10000)}); }
  Idle LeftAlone(Process& p, unsigned long w) {
    Idle r;
    const double cpu0 = p.CpuSeconds(), t0 = p.AgeMs();
    r.frames = x_.CountFrames(w, o_.idleSeconds);
    r.cpuPct = 100 * (p.CpuSeconds() - cpu0) / ((p.AgeMs() - t0) / 1000);
    r.rss = p.RssMb();
    return r;
  }

  // A first run: the window's size, and a new world with its saved game for LOAD later.
  void Prepare() {
    std::fprintf(stderr, "measure: a new world to load later\n");
    auto game = StartGame("prepare");
    const unsigned long w = WindowOf(*game);
    x_.Size(w, width_, height_);
    scale_ = width_ / kClientWidthPx;
    FirstFrameMs(*game);
    Sleep(500);
    Click(w, layout_.mnuNEW);
    Sleep(8000);
    Click(w, layout_.mnuEXIT);
    Ended("EXIT after NEW", *game);
  }

  void FirstFrames() {
    std::fprintf(stderr, "measure: first frames\n");
    for (int i = 0; i < o_.runs; ++i) {
      for (Bare kind : {Bare::Renderer, Bare::Surface}) {
        auto bare = StartBare(kind);
        bareFirst_[static_cast<int>(kind)].push_back(FirstFrameMs(*bare));
        bare->Signal(SIGTERM);
        bare->WaitForEnd(10000);
      }
      auto game = StartGame("first-frame");
      gameFirst_.push_back(FirstFrameMs(*game));
      const bool term = i % 2 == 0;
      game->Signal(term ? SIGTERM : SIGINT);
      Ended(term ? "SIGTERM on the title" : "SIGINT on the title", *game);
    }
  }

  void Title() {
    std::fprintf(stderr, "measure: left alone on the title\n");
    for (Bare kind : {Bare::Renderer, Bare::Surface}) {
      auto bare = StartBare(kind);
      const unsigned long w = WindowOf(*bare);
      while (bare->AgeMs() < 10000) Sleep(10);
      bareIdle_[static_cast<int>(kind)] = LeftAlone(*bare, w);
      bare->Signal(SIGTERM);
      bare->WaitForEnd(10000);
    }
    auto game = StartGame("title");
    const unsigned long w = WindowOf(*game);
    while (game->AgeMs() < 10000) Sleep(10);
    title_ = LeftAlone(*game, w);
    x_.CloseBox(w);
    Ended("close box on the title", *game);
  }

  void Play() {
    std::fprintf(stderr, "measure: playing\n");
    auto game = StartGame("play");
    const unsigned long w = WindowOf(*game);
    FirstFrameMs(*game);
    Sleep(200);
    Click(w, layout_.mnuLOAD);
    loadAnswerMs_ = x_.MsUntilChange(w, 10000);
    Sleep(3000);
    // Rain may start on any tick outdoors and animates the whole view while it lasts, so the
    // hero stands through three spells and the median counts.
    for (int i = 0; i < 3; ++i) standing_.push_back(LeftAlone(*game, w));

    // A restless walk: a step every 120 ms, now and then in a new direction.
    std::mt19937 pick(11);
    const unsigned long arrows[] = {XK_Left, XK_Up, XK_Right, XK_Down};
    unsigned long heading = XK_Up;
    const double end = game->AgeMs() + o_.playSeconds * 1000;
    while (game->AgeMs() < end) {
      if (pick() % 8 == 0) heading = arrows[pick() % 4];
      x_.Key(w, heading);
      Sleep(120);
    }
    Sleep(3000);
    rssPlayed_ = game->RssMb();
    Click(w, layout_.mnuEXIT);
    Ended("EXIT after play", *game);
  }

  static std::string Frames2(const Frames& f) {
    return std::to_string(f.presented) + " / " + std::to_string(f.changed);
  }

  void Report() {
    const double first[2] = {Median(bareFirst_[0]), Median(bareFirst_[1])};
    const double gameFirst = Median(gameFirst_);
    std::vector<Idle> byCpu = standing_;
    std::sort(byCpu.begin(), byCpu.end(),
              [](const Idle& a, const Idle& b) { return a.cpuPct < b.cpuPct; });
    const Idle& stand = byCpu[byCpu.size() / 2];

    std::printf(
        "Window %dx%d (scale %d) under Xvfb. Bare windows: A draws with the renderer SDL\n"
        "picks (software GL here), B fills its window surface. The game runs with SDL's\n"
        "dummy audio driver, which mixes its sound as a sound card would.\n\n",
        width_, height_, scale_);
    std::printf("%-40s %10s %10s %10s %9s %9s\n", "", "bare A", "bare B", "game", "vs A", "vs B");
    std::printf("%-40s %7.0f ms %7.0f ms %7.0f ms %8.2fx %8.2fx  goal <= 1.3x\n",
                ("first frame, median of " + std::to_string(o_.runs)).c_str(), first[0], first[1],
                gameFirst, gameFirst / first[0], gameFirst / first[1]);
    auto rss = [&](const char* what, double mb) {
      std::printf("%-40s %7.1f MB %7.1f MB %7.1f MB %+6.1f MB %+6.1f MB  goal <= +40 MB\n", what,
                  bareIdle_[0].rss, bareIdle_[1].rss, mb, mb - bareIdle_[0].rss,
                  mb - bareIdle_[1].rss);
    };
    rss("resident memory after start-up", title_.rss);
    std::printf("%-40s %8.2f %% %8.2f %% %8.2f %%                      goal < 2 %%\n",
                "CPU left alone on the title", bareIdle_[0].cpuPct, bareIdle_[1].cpuPct,
                title_.cpuPct);
    std::printf("%-40s %10s %10s %10s\n", "  frames presented / changing a pixel",
                Frames2(bareIdle_[0].frames).c_str(), Frames2(bareIdle_[1].frames).c_str(),
                Frames2(title_.frames).c_str());
    std::printf("%-40s %10s %10s %7.0f ms\n", "LOAD 0.2 s after the first frame, answered", "", "",
                loadAnswerMs_);
    std::printf("%-40s %10s %10s %8.2f %%                      goal < 1 %%\n",
                "CPU standing still in play, median", "", "", stand.cpuPct);
    for (const Idle& s : standing_) {
      std::printf("%-40s %10s %10s %8.2f %%  frames %s\n", "  one spell", "", "", s.cpuPct,
                  Frames2(s.frames).c_str());
    }
    rss("resident memory standing in play", stand.rss);
    rss(("resident memory after " + std::to_string(static_cast<int>(o_.playSeconds)) +
         " s of walking")
            .c_str(),
        rssPlayed_);
    std::printf(
        "\nEach idle figure is taken over %.0f s; frames presented / frames that changed "
        "a pixel over the same time.\n",
        o_.idleSeconds);
    std::printf("\nHow the game ended (goal: exit 0 every time):\n");
    std::map<std::string, std::map<std::string, int>> byHow;
    for (const auto& [how, status] : endings_) ++byHow[how][status];
    for (const auto& [how, statuses] : byHow)
      for (const auto& [status, n] : statuses)
        std::printf("  %-28s %dx %s\n", how.c_str(), n, status.c_str());
    std::printf("The game's messages are in %s\n", logs_.c_str());
  }

  Options o_;
  XProbe x_;
  ManualClock clock_;
  RecordingChannel mm1_, mm2_, mm3_{100};
  Game layout_;  // the window's controls, for where to click
  std::string logs_;
  int width_ = 0, height_ = 0, scale_ = 1;
  std::vector<double> bareFirst_[2], gameFirst_;
  Idle bareIdle_[2], title_;
  std::vector<Idle> standing_;
  double loadAnswerMs_ = 0, rssPlayed_ = 0;
  std::vector<std::pair<std::string, std::string>> endings_;
};

}  // namespace
}  // namespace tq::measure

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s GAME_FOLDER BARE_WINDOW [SECONDS_IDLE] [SECONDS_PLAY] [RUNS]\n",
                 argv[0]);
    return 2;
  }
  tq::measure::Options o;
  o.gameFolder = argv[1];
  o.bare = argv[2];
  if (argc > 3) o.idleSeconds = std::atof(argv[3]);
  if (argc > 4) o.playSeconds = std::atof(argv[4]);
  if (argc > 5) o.runs = std::atoi(argv[5]);
  tq::measure::Measure(o).Run();
  return 0;
}
