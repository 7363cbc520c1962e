// tq_bare_window WIDTH HEIGHT [surface]: the smallest SDL program with a window of the game's
// size, the yardstick the game's window is measured against. By default it draws with the
// renderer SDL picks for a window (GL where there is GL, software GL under Xvfb); with
// "surface" it fills the window's own surface, as the game does, without any GL. It draws grey
// when the window is uncovered and otherwise sleeps in the event queue.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s WIDTH HEIGHT [surface]\n", argv[0]);
    return 2;
  }
  const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
  const bool surface = argc > 3 && std::strcmp(argv[3], "surface") == 0;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "bare window: %s\n", SDL_GetError());
    return 1;
  }
  if (surface) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        width, height, SDL_WINDOW_SHOWN);
  SDL_Renderer* renderer =
      window && !surface ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
  if (!window || (!surface && !renderer)) {
    std::fprintf(stderr, "bare window: %s\n", SDL_GetError());
    return 1;
  }
  bool draw = true;
  for (;;) {
    if (draw && renderer) {
      SDL_SetRenderDrawColor(renderer, 96, 96, 96, 255);
      SDL_RenderClear(renderer);
      SDL_RenderPresent(renderer);
    } else if (draw) {
      SDL_Surface* s = SDL_GetWindowSurface(window);
      if (!s) break;
      SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 96, 96, 96));
      SDL_UpdateWindowSurface(window);
    }
    draw = false;
    SDL_Event e;
    if (!SDL_WaitEvent(&e) || e.type == SDL_QUIT) break;
    if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) draw = true;
  }
  if (renderer) SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
