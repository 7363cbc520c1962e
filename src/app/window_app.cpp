// The window, the loop that sleeps until the next event or timer, and the mapping of SDL's
// mouse and keys to the window's events.
#include "app/window_app.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>

#include "app/key_map.h"
#include "app/real_clock.h"
#include "app/renderer.h"
#include "app/sdl_audio.h"
#include "app/view_hash.h"
#include "game/game.h"
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

int RunWindow(const std::string& programFolder) {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "tarvoquest: cannot open a window: %s\n", SDL_GetError());
    return 1;
  }
  IMG_Init(IMG_INIT_PNG);
  TTF_Init();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");

  RealClock clock;
  AssetResolver assets(programFolder);
  SdlAudio audio(assets, programFolder + "/");
  GameServices services{programFolder, &clock, &audio.channel(0), &audio.channel(1),
                        &audio.channel(2)};
  Game game(services);
  bool running = true;
  game.unload = [&running] { running = false; };
  Form_Load(game);

  const int scale = FittingScale();
  SDL_Window* window =
      SDL_CreateWindow(game.frmTQ.Caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       kClientWidthPx * scale, kClientHeightPx * scale, SDL_WINDOW_SHOWN);
  if (!window) {
    std::fprintf(stderr, "tarvoquest: cannot open a window: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Renderer* sdl = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (!sdl) sdl = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  SDL_RenderSetLogicalSize(sdl, kClientWidthPx, kClientHeightPx);
  SDL_RenderSetIntegerScale(sdl, SDL_TRUE);

  Renderer renderer(sdl, assets);
  if (SDL_Surface* icon = renderer.LoadSurface("layout/window.ico")) {
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
  }
  SDL_Cursor* cursor = nullptr;
  if (SDL_Surface* c = renderer.LoadSurface("layout/cursor.cur")) {
    cursor = SDL_CreateColorCursor(c, 0, 0);
    SDL_FreeSurface(c);
    if (cursor) SDL_SetCursor(cursor);
  }

  std::uint64_t shown = 0;
  bool exposed = true;
  while (running) {
    // Sleep until the next timer falls due or an event arrives: an idle window costs nothing.
    const auto due = game.scheduler.NextDue();
    int wait = 1000;
    if (due) wait = static_cast<int>(std::clamp<std::int64_t>(*due - clock.nowMs(), 0, 1000));
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, wait)) {
      do {
        switch (e.type) {
          case SDL_QUIT:
            mnuEXIT_Click(game, -1);
            break;
          case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
              ClickAt(game, e.button.x * 15, e.button.y * 15);
            }
            break;
          case SDL_KEYDOWN:
            KeyDown(game, WindowKeyCode(e.key.keysym.sym));
            break;
          case SDL_WINDOWEVENT:
            exposed = true;
            break;
          default:
            break;
        }
      } while (running && SDL_PollEvent(&e));
    }
    if (!running) break;
    game.scheduler.RunDue();
    if (!running) break;
    const std::uint64_t now = ViewHash(game);
    if (now != shown || exposed) {
      renderer.Draw(game);
      SDL_RenderPresent(sdl);
      shown = now;
      exposed = false;
    }
  }

  if (cursor) SDL_FreeCursor(cursor);
  SDL_DestroyRenderer(sdl);
  SDL_DestroyWindow(window);
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
  return 0;
}

}  // namespace tq
