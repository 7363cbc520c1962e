// Tarvoquest: the program starts the window from the folder it lives in.
#include <SDL.h>
#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/window_app.h"
#include "platform/folder_lock.h"

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

// Tells why the program cannot start on stderr and, where a desktop can show one, in a message
// box; the exit status to end with.
int Refuse(const std::string& text) {
  std::fprintf(stderr, "tarvoquest: %s\n", text.c_str());
  HoldEndingSignals(false);  // the box waits for a click; a signal may end it sooner
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Tarvoquest", text.c_str(), nullptr);
  return 1;
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
  // GUARD: a second copy of the game on the same Files/ would clean up the first one's write in
  // the middle of it and leave its saved game and map mixed. The first copy holds a lock on the
  // folder before start-up touches any file; a second one touches nothing, says so and ends.
  const tq::FolderLock lock(folder + "/Files");
  if (lock.state() == tq::FolderLock::State::HeldElsewhere) {
    return Refuse("Another copy of Tarvoquest is already playing in " + folder +
                  "/Files. Only one copy at a time can use that folder: close the other one "
                  "first.");
  }
  if (lock.state() == tq::FolderLock::State::NotPossible) {
    std::fprintf(stderr, "tarvoquest: playing without a lock on the folder: %s\n",
                 lock.why().c_str());
  }
  std::unique_ptr<tq::WindowApp> app = tq::WindowApp::Open(folder);
  if (!app) return 1;
  HoldEndingSignals(false);  // SDL's handlers are in place now
  const int status = app->Run();
  HoldEndingSignals(true);
  return status;
}
