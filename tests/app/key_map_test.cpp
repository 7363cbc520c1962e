// Keys as the window passes them on: the arrows and the space bar as the game's codes, every
// other key SDL can report as the one code that only tells the game the player is awake.
#include "app/key_map.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "kit/headless_game.h"
#include "shell/input.h"

namespace tq {
namespace {

TEST(WindowKeyCode, MapsOnlyTheArrowsAndTheSpaceBar) {
  const std::map<SDL_Keycode, int> known{
      {SDLK_SPACE, 32}, {SDLK_LEFT, 37}, {SDLK_UP, 38}, {SDLK_RIGHT, 39}, {SDLK_DOWN, 40}};
  std::vector<SDL_Keycode> every;
  for (SDL_Keycode k = 0; k < 0x110000; ++k) every.push_back(k);  // every character's key
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) every.push_back(SDL_SCANCODE_TO_KEYCODE(s));
  int wrong = 0;
  for (SDL_Keycode k : every) {
    const auto it = known.find(k);
    const int expected = it == known.end() ? kOtherKey : it->second;
    if (WindowKeyCode(k) != expected && ++wrong <= 10) {
      ADD_FAILURE() << "key 0x" << std::hex << k << " (" << SDL_GetKeyName(k) << ") gives "
                    << std::dec << WindowKeyCode(k) << ", expected " << expected;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(WindowKeyCode, AnyOtherKeyOnlyWakesThePlayer) {
  kit::HeadlessGame h(true);
  Game& g = h.game();
  ASSERT_TRUE(h.ClickOn(g.mnuNEW));
  h.Advance(1500);
  ASSERT_FALSE(g.picSTART.Visible);
  // Keys whose low byte is an arrow's or the space bar's code, among others.
  const SDL_Keycode strays[] = {SDLK_QUOTE, SDLK_LEFTPAREN, SDLK_AMPERSAND, SDLK_PERCENT,
                                SDLK_a,     SDLK_RETURN,    SDLK_ESCAPE,    SDLK_LSHIFT,
                                SDLK_KP_4,  SDLK_F1,        0x0127};
  for (SDL_Keycode k : strays) {
    SCOPED_TRACE(SDL_GetKeyName(k));
    g.IdleTicks = 3;
    const auto row = g.HeroRow, col = g.HeroCol;
    const auto facing = g.Facing;
    KeyDown(g, WindowKeyCode(k));
    EXPECT_EQ(g.IdleTicks, 0);
    EXPECT_EQ(g.HeroRow, row);
    EXPECT_EQ(g.HeroCol, col);
    EXPECT_EQ(g.Facing, facing);
    EXPECT_FALSE(g.tmrATTACK.Enabled());
  }
}

}  // namespace
}  // namespace tq
