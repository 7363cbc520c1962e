// The intro story on the title screen, drawn with the generated scroll: the text passes behind
// the scroll's wooden rollers instead of running over them.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <string>

#include "app/renderer.h"
#include "kit/headless_game.h"

namespace tq {
namespace {

TEST(IntroScroll, TheStoryPassesBehindTheRollers) {
  SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
  SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32,
                                                       SDL_PIXELFORMAT_RGBA32);
  SDL_Renderer* sdl = SDL_CreateSoftwareRenderer(window);
  SDL_Surface* raw = IMG_Load((std::string(TQ_GAME_DIR) + "/layout/scroll.bmp").c_str());
  ASSERT_NE(raw, nullptr);
  SDL_Surface* scroll = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);

  kit::HeadlessGame h;
  AssetResolver assets(TQ_GAME_DIR);
  Renderer renderer(sdl, assets);
  auto rgb = [](const SDL_Surface* s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 4;
    return (p[0] << 16) | (p[1] << 8) | p[2];
  };
  const int left = h->picSTART.Left / 15 + h->picSCROLL.Left / 15;
  const int top = h->picSTART.Top / 15 + h->picSCROLL.Top / 15;
  constexpr int kRollerRows = 9;
  // The story's lines cross each roller in turn as it scrolls up.
  for (int textTop : {1000, -200}) {
    h->lblSCROLL.Top = textTop;
    renderer.Draw(h.game());
    SDL_RenderPresent(sdl);
    int onRollers = 0, white = 0;
    for (int y = 0; y < scroll->h; ++y)
      for (int x = 0; x < scroll->w; ++x) {
        const bool roller = y < kRollerRows || y >= scroll->h - kRollerRows;
        const int shown = rgb(window, left + x, top + y);
        if (roller)
          onRollers += shown != rgb(scroll, x, y);
        else
          white += shown == 0xFFFFFF;
      }
    EXPECT_EQ(onRollers, 0) << "the story is drawn over a roller at top " << textTop;
    EXPECT_GT(white, 100) << "no story on the sheet at top " << textTop;
  }
  SDL_FreeSurface(scroll);
  SDL_DestroyRenderer(sdl);
  SDL_FreeSurface(window);
}

}  // namespace
}  // namespace tq
