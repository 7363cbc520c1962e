// Tarvoquest: the program starts the window from the folder it lives in.
#include <SDL.h>
#include <signal.h>

#include <filesystem>
#include <string>

#include "app/window_app.h"

namespace {

// SIGTERM and SIGINT end the game as EXIT does: SDL turns them into a quit event once its
// events run. Until then they wait, and from the end of the loop on they are ignored, so that
// neither can cut the start or the tidying-up short.
void HoldEndingSignals(bool hold) {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigprocmask(hold ? SIG_BLOCK : SIG_UNBLOCK, &set, nullptr);
}

}  // namespace

int main(int /*argc*/, char** /*argv*/) {
  HoldEndingSignals(true);
  std::string folder;
  if (char* base = SDL_GetBasePath()) {
    folder = base;
    SDL_free(base);
  } else {
    folder = std::filesystem::current_path().string();
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  std::unique_ptr<tq::WindowApp> app = tq::WindowApp::Open(folder);
  if (!app) return 1;
  HoldEndingSignals(false);  // SDL's handlers are in place now
  const int status = app->Run();
  HoldEndingSignals(true);
  return status;
}
