// The changed-pixel rectangles: together they cover every pixel that differs, so copying them
// makes the screen's picture the new one, and none is sent without a change in it.
#include "app/window_frame.h"

#include <gtest/gtest.h>

#include <random>

namespace tq {
namespace {

TEST(ChangedRects, CoverEveryChangedPixelAndNoUnchangedOne) {
  SdlSubsystem video(SDL_INIT_VIDEO);
  SurfaceHandle before(SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32,
                                                      SDL_PIXELFORMAT_RGB888));
  SurfaceHandle after(SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32,
                                                     SDL_PIXELFORMAT_RGB888));
  std::mt19937 pick(3);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    SDL_FillRect(before.get(), nullptr, 0x404040);
    SDL_FillRect(after.get(), nullptr, 0x404040);
    EXPECT_TRUE(ChangedRects(*before, *after).empty());
    // A few changed boxes, single pixels among them, some at the edges.
    for (int n = 1 + static_cast<int>(pick() % 4); n > 0; --n) {
      const int w = 1 + static_cast<int>(pick() % 60), h = 1 + static_cast<int>(pick() % 60);
      const SDL_Rect box{static_cast<int>(pick() % (kClientWidthPx - w + 1)),
                         static_cast<int>(pick() % (kClientHeightPx - h + 1)), w, h};
      SDL_FillRect(after.get(), &box, (static_cast<Uint32>(pick()) & 0xFFFFFF) | 1);
    }
    for (const PixelRect& r : ChangedRects(*before, *after)) {
      SDL_Rect part{r.x, r.y, r.w, r.h};
      EXPECT_FALSE(ChangedRects(*before, *after).empty());
      SurfaceHandle was(SDL_CreateRGBSurfaceWithFormat(0, r.w, r.h, 32, SDL_PIXELFORMAT_RGB888));
      SDL_BlitSurface(before.get(), &part, was.get(), nullptr);
      SDL_BlitSurface(after.get(), &part, before.get(), &part);
      SurfaceHandle is(SDL_CreateRGBSurfaceWithFormat(0, r.w, r.h, 32, SDL_PIXELFORMAT_RGB888));
      SDL_BlitSurface(before.get(), &part, is.get(), nullptr);
      EXPECT_FALSE(ChangedRects(*was, *is).empty()) << "a rectangle with no change in it";
    }
    EXPECT_TRUE(ChangedRects(*before, *after).empty());
  }
}

}  // namespace
}  // namespace tq
