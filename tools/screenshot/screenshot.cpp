// tq_screenshot GAME_FOLDER OUT.png [MILLISECONDS [SCALE]]: starts the game headless in the given
// game folder, lets the given time pass on a manual clock and saves the window as a PNG.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/renderer.h"
#include "platform/asset_path.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "shell/game.h"
#include "shell/manual_time.h"
#include "shell/start_up.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s GAME_FOLDER OUT.png [MILLISECONDS [SCALE]]\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const long ms = argc > 3 ? std::atol(argv[3]) : 0;
  const int scale = argc > 4 ? std::max(1, std::atoi(argv[4])) : 2;
  SDL_setenv("SDL_VIDEODRIVER", "offscreen", 0);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;

  tq::ManualClock clock;
  tq::RecordingChannel mm1, mm2, mm3(100);
  tq::Game game({folder, &clock, &mm1, &mm2, &mm3});
  tq::Form_Load(game);
  tq::RunUntil(game, clock, ms);

  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, tq::kClientWidthPx, tq::kClientHeightPx,
                                                      32, SDL_PIXELFORMAT_RGBA32);
  SDL_Renderer* sdl = SDL_CreateSoftwareRenderer(frame);
  tq::AssetResolver assets(folder);
  {
    tq::Renderer renderer(sdl, assets);
    renderer.Draw(game);
    SDL_RenderPresent(sdl);
  }
  SDL_Surface* big = SDL_CreateRGBSurfaceWithFormat(0, frame->w * scale, frame->h * scale, 32,
                                                    SDL_PIXELFORMAT_RGBA32);
  SDL_BlitScaled(frame, nullptr, big, nullptr);
  const int rc = IMG_SavePNG(big, argv[2]);
  if (rc != 0) std::fprintf(stderr, "cannot write %s: %s\n", argv[2], IMG_GetError());
  SDL_FreeSurface(big);
  SDL_DestroyRenderer(sdl);
  SDL_FreeSurface(frame);
  SDL_Quit();
  return rc == 0 ? 0 : 1;
}
