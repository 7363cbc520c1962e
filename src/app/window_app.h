// The real program: an SDL window around the game, its event loop and its timers.
#pragma once

#include <memory>
#include <string>

#include "app/real_clock.h"
#include "app/renderer.h"
#include "app/sdl_audio.h"
#include "app/sdl_handles.h"
#include "app/window_frame.h"
#include "game/game.h"
#include "platform/asset_path.h"

namespace tq {

class WindowApp {
 public:
  // Starts SDL, the sound and the game, and opens the window on the title screen. Nullptr, after
  // a message on stderr, when there is no window to be had. The game runs on `clock`, the
  // machine's clock when none is given.
  static std::unique_ptr<WindowApp> Open(const std::string& programFolder,
                                         const Clock* clock = nullptr);
  ~WindowApp();
  WindowApp(const WindowApp&) = delete;
  WindowApp& operator=(const WindowApp&) = delete;

  // Runs until the window unloads (EXIT, the close box, SIGTERM or SIGINT); the exit status.
  int Run();
  // One turn of the loop without sleeping: the waiting events, the due timers, then the screen.
  // False once the window has unloaded.
  bool Turn();
  Game& game() { return *game_; }
  // The window pixel over the middle of a client-area point given in twips.
  void WindowPoint(int xTwips, int yTwips, int& x, int& y) const;
  // What the window shows now, at the client area's size.
  const SDL_Surface& shownPicture() const { return frame_->shown(); }
  // Frames sent to the screen so far.
  int framesShown() const { return framesShown_; }

 private:
  explicit WindowApp(const std::string& programFolder, const Clock* clock);
  bool OpenWindow();
  void Handle(const SDL_Event& e);
  void Show();

  // Declared in the order they are made; released in the reverse order.
  SdlSubsystem video_{SDL_INIT_VIDEO | SDL_INIT_TIMER};
  RealClock realClock_;
  const Clock& clock_;
  AssetResolver assets_;
  SdlAudio audio_;
  std::unique_ptr<Game> game_;
  bool running_ = true;
  WindowHandle window_;
  std::unique_ptr<WindowFrame> frame_;
  std::unique_ptr<Renderer> renderer_;
  CursorHandle cursor_;
  std::vector<OpKey> shownKeys_;
  std::uint64_t shownHash_ = 0;
  bool exposed_ = true;
  int framesShown_ = 0;
};

// Opens the window on the title screen and runs until it is closed. Returns the exit status.
int RunWindow(const std::string& programFolder);

}  // namespace tq
