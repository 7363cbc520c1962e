// tq_screenshot GAME_FOLDER OUT.png [STEP ...]: plays the game headless in the given game folder
// on a manual clock and saves the window as a PNG, scaled 2x. Each STEP is a number of
// milliseconds to let pass, "click:NAME" or "click:NAME:INDEX" on a control, or "key:CODE"
// (32 space, 37 left, 38 up, 39 right, 40 down).
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "app/renderer.h"
#include "game/game.h"
#include "game/manual_time.h"
#include "platform/asset_path.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "shell/input.h"
#include "shell/start_up.h"

namespace {

// The PNG shows every pixel of the window as a square of this side.
constexpr int kScale = 2;

// The control of the given name and index anywhere in the window.
tq::Control* FindControl(tq::Control& c, const std::string& name, int index) {
  if (c.name == name && c.index == index) return &c;
  for (tq::Control* child : c.Children) {
    if (tq::Control* found = FindControl(*child, name, index)) return found;
  }
  return nullptr;
}

bool Step(tq::Game& game, tq::ManualClock& clock, const std::string& step) {
  if (step.rfind("click:", 0) == 0) {
    std::string name = step.substr(6);
    int index = -1;
    if (const auto colon = name.find(':'); colon != std::string::npos) {
      index = std::atoi(name.c_str() + colon + 1);
      name.resize(colon);
    }
    tq::Control* c = FindControl(game.frmTQ, name, index);
    if (!c) return false;
    tq::Click(game, *c);
  } else if (step.rfind("key:", 0) == 0) {
    tq::KeyDown(game, std::atoi(step.c_str() + 4));
  } else {
    char* end = nullptr;
    const long ms = std::strtol(step.c_str(), &end, 10);
    if (*end != '\0' || ms < 0) return false;
    tq::RunUntil(game, clock, clock.nowMs() + ms);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s GAME_FOLDER OUT.png [STEP ...]\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  SDL_setenv("SDL_VIDEODRIVER", "offscreen", 0);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;

  tq::ManualClock clock;
  tq::RecordingChannel mm1, mm2, mm3(100);
  tq::Game game({folder, &clock, &mm1, &mm2, &mm3});
  tq::Form_Load(game);
  for (int i = 3; i < argc; ++i) {
    if (!Step(game, clock, argv[i])) {
      std::fprintf(stderr, "cannot do step %s\n", argv[i]);
      return 2;
    }
  }

  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, tq::kClientWidthPx, tq::kClientHeightPx,
                                                      32, SDL_PIXELFORMAT_RGBA32);
  SDL_Renderer* sdl = SDL_CreateSoftwareRenderer(frame);
  tq::AssetResolver assets(folder);
  {
    tq::Renderer renderer(sdl, assets);
    renderer.Draw(game);
    SDL_RenderPresent(sdl);
  }
  SDL_Surface* big = SDL_CreateRGBSurfaceWithFormat(0, frame->w * kScale, frame->h * kScale, 32,
                                                    SDL_PIXELFORMAT_RGBA32);
  SDL_BlitScaled(frame, nullptr, big, nullptr);
  const int rc = IMG_SavePNG(big, argv[2]);
  if (rc != 0) std::fprintf(stderr, "cannot write %s: %s\n", argv[2], IMG_GetError());
  std::printf("message: %s\n", game.lblMESSAGE.Caption.c_str());
  SDL_FreeSurface(big);
  SDL_DestroyRenderer(sdl);
  SDL_FreeSurface(frame);
  SDL_Quit();
  return rc == 0 ? 0 : 1;
}
