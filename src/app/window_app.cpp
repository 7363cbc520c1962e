// The window, the loop that sleeps until the next event or timer, and the mapping of SDL's
// mouse and keys to the window's events.
#include "app/window_app.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/key_map.h"
#include "shell/input.h"
#include "shell/start_up.h"

namespace tq {
namespace {

// The largest whole scale at which the client area fits the screen's usable area.
int FittingScale() {
  SDL_Rect usable{0, 0, 1280, 720};
  SDL_GetDisplayUsableBounds(0, &usable);
  const int byWidth = (usable.w - 16) / kClientWidthPx;
  const int byHeight = (usable.h - 48) / kClientHeightPx;
  return std::max(1, std::min(byWidth, byHeight));
}

}  // namespace

WindowApp::WindowApp(const std::string& programFolder, const Clock* clock)
    : clock_(clock ? *clock : realClock_),
      assets_(programFolder),
      audio_(assets_, programFolder + "/", false) {}

std::unique_ptr<WindowApp> WindowApp::Open(const std::string& programFolder, const Clock* clock) {
  std::unique_ptr<WindowApp> app(new WindowApp(programFolder, clock));
  if (!app->video_.ok()) {
    std::fprintf(stderr, "tarvoquest: cannot start the video: %s\n", SDL_GetError());
    return nullptr;
  }
  GameServices services{programFolder, &app->clock_, &app->audio_.channel(0),
                        &app->audio_.channel(1), &app->audio_.channel(2)};
  app->game_ = std::make_unique<Game>(services);
  app->game_->unload = [a = app.get()] { a->running_ = false; };
  Form_Load(*app->game_);
  if (!app->OpenWindow()) return nullptr;
  app->Show();
  // The sound device opens once the window shows its first frame: on a desktop's sound server
  // that takes longer than drawing the frame, and nothing sounds before the intro's night.
  app->audio_.Open();
  return app;
}

bool WindowApp::OpenWindow() {
  // On X11 the window's pixels go to the server through shared memory, with no GL driver
  // loaded; elsewhere SDL chooses how a window surface reaches the screen.
  if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  }
  const int scale = FittingScale();
  window_.reset(SDL_CreateWindow(game_->frmTQ.Caption.c_str(), SDL_WINDOWPOS_CENTERED,
                                 SDL_WINDOWPOS_CENTERED, kClientWidthPx * scale,
                                 kClientHeightPx * scale, SDL_WINDOW_SHOWN));
  if (!window_) {
    std::fprintf(stderr, "tarvoquest: cannot open a window: %s\n", SDL_GetError());
    return false;
  }
  std::string error;
  frame_ = WindowFrame::Create(window_.get(), error);
  if (!frame_) {
    std::fprintf(stderr, "tarvoquest: cannot draw into the window: %s\n", error.c_str());
    return false;
  }
  renderer_ = std::make_unique<Renderer>(frame_->renderer(), assets_);
  if (SurfaceHandle icon = renderer_->LoadSurface("layout/window.ico")) {
    SDL_SetWindowIcon(window_.get(), icon.get());
  }
  if (SurfaceHandle c = renderer_->LoadSurface("layout/cursor.cur")) {
    cursor_.reset(SDL_CreateColorCursor(c.get(), 0, 0));
    if (cursor_) {
      SDL_SetCursor(cursor_.get());
    } else {
      std::fprintf(stderr, "tarvoquest: the game's mouse pointer cannot be made: %s\n",
                   SDL_GetError());
    }
  }
  return true;
}

WindowApp::~WindowApp() = default;

void WindowApp::WindowPoint(int xTwips, int yTwips, int& x, int& y) const {
  frame_->ToWindow(xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel, x, y);
}

void WindowApp::Handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:  // the close box, SIGTERM and SIGINT
      mnuEXIT_Click(*game_, -1);
      break;
    case SDL_MOUSEBUTTONDOWN: {
      int x = 0, y = 0;
      if (e.button.button == SDL_BUTTON_LEFT && frame_->ToClient(e.button.x, e.button.y, x, y)) {
        ClickAt(*game_, x * kTwipsPerPixel, y * kTwipsPerPixel);
      }
      break;
    }
    case SDL_KEYDOWN:
      KeyDown(*game_, WindowKeyCode(e.key.keysym.sym));
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
          e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        exposed_ = true;
      }
      break;
    default:
      break;
  }
}

void WindowApp::Show() {
  const DisplayList list = BuildDisplayList(*game_);
  std::vector<OpKey> keys = KeysOf(list);
  const std::uint64_t hash = HashOf(keys);
  if (hash == shownHash_ && !exposed_) return;
  // Only the areas where something changed are drawn again, and only the pixels that did
  // change reach the screen.
  const auto areas = exposed_ ? std::nullopt : ChangedAreas(shownKeys_, keys);
  if (areas) {
    renderer_->Execute(list, *areas);
  } else {
    renderer_->Execute(list);
  }
  if (frame_->Present(exposed_, areas ? &*areas : nullptr) > 0) ++framesShown_;
  shownKeys_ = std::move(keys);
  shownHash_ = hash;
  exposed_ = false;
}

bool WindowApp::Turn() {
  SDL_Event e;
  while (running_ && SDL_PollEvent(&e)) Handle(e);
  if (running_) game_->scheduler.RunDue();
  if (running_) Show();
  return running_;
}

int WindowApp::Run() {
  while (running_) {
    // Sleep until the next timer falls due or an event arrives: an idle window costs nothing.
    const auto due = game_->scheduler.NextDue();
    int wait = 1000;
    if (due) wait = static_cast<int>(std::clamp<std::int64_t>(*due - clock_.nowMs(), 0, 1000));
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, wait)) Handle(e);
    Turn();
  }
  return 0;
}

int RunWindow(const std::string& programFolder) {
  std::unique_ptr<WindowApp> app = WindowApp::Open(programFolder);
  return app ? app->Run() : 1;
}

}  // namespace tq
