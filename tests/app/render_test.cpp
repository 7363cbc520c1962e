// The title screen drawn offscreen with the software renderer, checked in the pixels.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>

#include "app/renderer.h"
#include "kit/headless_game.h"

namespace tq {
namespace {

struct Pixel {
  int r, g, b;
};

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    surface = SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32,
                                             SDL_PIXELFORMAT_RGBA32);
    sdl = SDL_CreateSoftwareRenderer(surface);
    ASSERT_NE(sdl, nullptr);
  }
  void TearDown() override {
    SDL_DestroyRenderer(sdl);
    SDL_FreeSurface(surface);
  }
  Pixel At(int x, int y) const {
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * 4;
    return {p[0], p[1], p[2]};
  }
  // How many pixels in a box differ from the given colour.
  int CountNot(int x0, int y0, int w, int h, Pixel c) const {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) {
        const Pixel p = At(x, y);
        n += p.r != c.r || p.g != c.g || p.b != c.b;
      }
    return n;
  }
  SDL_Surface* surface = nullptr;
  SDL_Renderer* sdl = nullptr;
};

TEST_F(RenderTest, TitleScreenToolbarAndMessageAreDrawn) {
  kit::HeadlessGame h;
  // A plain blue title picture in the game folder.
  SDL_Surface* title = SDL_CreateRGBSurfaceWithFormat(0, 40, 30, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(title, nullptr, SDL_MapRGB(title->format, 0, 0, 200));
  std::filesystem::create_directories(h.folder() / "Icons");
  ASSERT_EQ(SDL_SaveBMP(title, (h.folder() / "Icons/tqtitle.bmp").c_str()), 0);
  SDL_FreeSurface(title);

  AssetResolver assets(h.folder());
  Renderer r(sdl, assets);
  r.Draw(h.game());
  SDL_RenderPresent(sdl);

  // The title picture fills Image2 (stretched), 16 px in from the title screen's corner.
  const int tx = (120 + 240) / 15, ty = (480 + 240) / 15;
  const Pixel inTitle = At(tx + 200, ty + 100);
  EXPECT_EQ(inTitle.b, 200);
  EXPECT_EQ(inTitle.r, 0);
  // The toolbar buttons are missing pictures here: each shows the magenta placeholder.
  EXPECT_GT(CountNot(8, 0, 33, 30, {0, 0, 0}), 100);
  // The message frame is grey with the first message written across it in white.
  const int my = 5160 / 15;
  EXPECT_GT(CountNot(8, my + 16, 408, 40, {192, 192, 192}), 200);
  int white = 0;
  for (int y = my + 14; y < my + 55; ++y)
    for (int x = 16; x < 416; ++x) {
      const Pixel p = At(x, y);
      white += p.r > 240 && p.g > 240 && p.b > 240;
    }
  EXPECT_GT(white, 150) << "the message text is not drawn";
  EXPECT_EQ(r.missing().count("MENU/NEW.ico"), 1u);
}

TEST_F(RenderTest, MessageTextFollowsTheCaption) {
  kit::HeadlessGame h;
  AssetResolver assets(h.folder());
  Renderer r(sdl, assets);
  const int my = 5160 / 15;
  auto whiteInMessage = [&] {
    int white = 0;
    for (int y = my + 14; y < my + 55; ++y)
      for (int x = 16; x < 416; ++x) {
        const Pixel p = At(x, y);
        white += p.r > 240 && p.g > 240 && p.b > 240;
      }
    return white;
  };
  h->lblMESSAGE.Caption = "";
  r.Draw(h.game());
  const int empty = whiteInMessage();
  h->lblMESSAGE.Caption = "Game is PAUSED.";
  r.Draw(h.game());
  EXPECT_GT(whiteInMessage(), empty + 50);
}

// The black shadow lies exactly two pixels under the message, line for line, whatever the
// message: laid out in its own, narrower box it broke long messages differently and garbled them.
TEST_F(RenderTest, TheShadowFollowsTheMessageLineForLine) {
  kit::HeadlessGame h;
  AssetResolver assets(h.folder());
  Renderer r(sdl, assets);
  h->Image1.Visible = false;  // the plain grey of the frame behind the text
  // How much of each pixel of a label's box (from `top` down) the text covers: white text or
  // black on the frame's grey.
  const Control& m = h->lblMESSAGE;
  const int left = m.AbsLeft() / 15, width = m.Width / 15, height = m.Height / 15;
  auto coverage = [&](int top, bool white) {
    std::vector<double> ink;
    for (int y = top; y < top + height; ++y)
      for (int x = left; x < left + width; ++x) {
        const int grey = At(x, y).g;
        ink.push_back(white ? (grey - 192) / 63.0 : (192 - grey) / 192.0);
      }
    return ink;
  };
  for (const char* message :
       {"You have found a piece of the SHADOW SWORD! Get all 3 to complete it!",
        "The power of this evil place traps you inside! Fight on, Tarvo!",
        "The saved game cannot be loaded. Files/GAMEFILE: the item HeroRow is 0, where the game "
        "writes a whole number from 2 to 10.",
        "The new world could not be built. Files/ROOM212 is missing: every new game copies it "
        "from the folder beside the program.",
        "Tarvo closes his MAP of the BLACK WOODS. The game is UNPAUSED."}) {
    SCOPED_TRACE(message);
    h->lblMESSAGE.Caption = h->shadowmessage.Caption = message;
    h->shadowmessage.Visible = false;
    r.Draw(h.game());
    const std::vector<double> text = coverage(m.AbsTop() / 15, true);
    EXPECT_GT(std::count_if(text.begin(), text.end(), [](double c) { return c > 0.5; }), 500);
    h->shadowmessage.Visible = true;
    h->lblMESSAGE.Visible = false;
    r.Draw(h.game());
    const std::vector<double> shadow = coverage(m.AbsTop() / 15 + 2, false);  // 30 twips lower
    int unlike = 0;
    for (std::size_t i = 0; i < text.size(); ++i) unlike += std::abs(text[i] - shadow[i]) > 0.05;
    EXPECT_EQ(unlike, 0);
    h->lblMESSAGE.Visible = true;
  }
}

}  // namespace
}  // namespace tq
