// Tarvoquest: the program starts the window from the folder it lives in.
#include <SDL.h>

#include <filesystem>
#include <string>

#include "app/window_app.h"

int main(int /*argc*/, char** /*argv*/) {
  std::string folder;
  if (char* base = SDL_GetBasePath()) {
    folder = base;
    SDL_free(base);
  } else {
    folder = std::filesystem::current_path().string();
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return tq::RunWindow(folder);
}
