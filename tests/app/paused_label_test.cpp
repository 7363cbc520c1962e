// The PAUSED label as the window draws it over the hero, on every ground and in every colour of
// its cycle: the letters must stand out from what lies around them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app/renderer.h"
#include "app/sdl_handles.h"
#include "assets/asset_measures.h"
#include "kit/headless_game.h"
#include "kit/room_builder.h"
#include "rooms/move_hero.h"

namespace tq {
namespace {

// The window as the renderer draws it now.
Decoded DrawWindow(Renderer& renderer, SDL_Renderer* sdl, SDL_Surface* window, Game& g) {
  renderer.Draw(g);
  SDL_RenderPresent(sdl);
  Decoded d{window->w, window->h, {}};
  for (int y = 0; y < window->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(window->pixels) + y * window->pitch;
    d.rgba.insert(d.rgba.end(), row, row + window->w * 4);
  }
  return d;
}

// The hero stands in the middle of a room of the ground, drawn by the main tick, and the game
// is paused from the toolbar.
void PauseOnGround(kit::HeadlessGame& h, int groundCode) {
  Game& g = h.game();
  kit::RoomBuilder(groundCode).WriteTo(h, 45);
  g.tmrscroll.setEnabled(false);
  g.picSTART.Visible = false;
  g.RoomNumber = 45;
  g.HeroRow = 6;
  g.HeroCol = 6;
  g.Facing = "XXX";
  MoveHero(g);
  h.Advance(200);
  g.mnuPAUSE.Enabled = true;  // as a new game leaves it
  ASSERT_TRUE(h.ClickOn(g.mnuPAUSE));
}

TEST(PausedLabel, ReadsOnEveryGroundInEveryColour) {
  SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
  SurfaceHandle window(SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32,
                                                      SDL_PIXELFORMAT_RGBA32));
  RendererHandle sdl(SDL_CreateSoftwareRenderer(window.get()));
  ASSERT_NE(sdl, nullptr);
  AssetResolver assets(TQ_GAME_DIR);
  const char* const grounds[] = {"GRASS", "DIRT", "WOOD", "SNOW"};
  std::vector<Miss> misses;
  for (int ground = kit::kGrass; ground <= kit::kSnow; ++ground) {
    kit::HeadlessGame h;
    PauseOnGround(h, ground);
    Game& g = h.game();
    ASSERT_EQ(g.GroundType, grounds[ground]);
    Renderer renderer(sdl.get(), assets);
    const Control& label = g.LBLpause;
    const std::array<int, 4> box{label.AbsLeft() / 15, label.AbsTop() / 15, label.Width / 15,
                                 label.Height / 15};
    // One turn of the colour cycle, a colour every 100 ms.
    for (int step = 0; step < 6; ++step) {
      h.Advance(100);
      ASSERT_TRUE(label.Visible);
      const Decoded shown = DrawWindow(renderer, sdl.get(), window.get(), g);
      g.LBLpause.Visible = false;
      const Decoded bare = DrawWindow(renderer, sdl.get(), window.get(), g);
      g.LBLpause.Visible = true;
      const std::array<int, 3> rgb = RgbOf(label.ForeColor);
      const double contrast = ContrastAroundText(shown, bare, rgb, box);
      char line[64];
      std::snprintf(line, sizeof line, "%s, text %d %d %d: %.2f:1", grounds[ground], rgb[0], rgb[1],
                    rgb[2], contrast);
      if (contrast < 3.0) misses.push_back({contrast, line});
    }
  }
  EXPECT_TRUE(misses.empty()) << "PAUSED against the pixels around its letters (goal 3:1): "
                              << WorstFirst(misses);
}

}  // namespace
}  // namespace tq
