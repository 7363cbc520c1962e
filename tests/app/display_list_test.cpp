// The window's display list: its fingerprint changes whenever the drawn pixels would, and only
// then, and nothing hidden under the title picture is drawn or fingerprinted.
#include "app/display_list.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/renderer.h"
#include "app/sdl_handles.h"
#include "app_folder.h"
#include "game/game.h"
#include "game/manual_time.h"
#include "kit/headless_game.h"
#include "shell/input.h"
#include "shell/start_up.h"

namespace tq {
namespace {

// The window drawn into memory by the software renderer.
class Canvas {
 public:
  explicit Canvas(const std::filesystem::path& folder) : assets_(folder) {
    renderer_ = std::make_unique<Renderer>(sdl_.get(), assets_);
  }
  std::string Draw(const Game& g) {
    renderer_->Draw(g);
    return std::string(static_cast<const char*>(surface_->pixels),
                       static_cast<std::size_t>(surface_->pitch) * surface_->h);
  }

 private:
  SdlSubsystem video_{SDL_INIT_VIDEO};
  SurfaceHandle surface_{SDL_CreateRGBSurfaceWithFormat(0, kClientWidthPx, kClientHeightPx, 32,
                                                        SDL_PIXELFORMAT_RGB888)};
  RendererHandle sdl_{SDL_CreateSoftwareRenderer(surface_.get())};
  AssetResolver assets_;
  std::unique_ptr<Renderer> renderer_;
};

struct Change {
  const char* what;
  std::function<void(Game&)> make;
};

// Each change below alters the window's pixels; each must alter the fingerprint too, or the
// window would keep showing a stale frame.
TEST(DisplayList, EveryDrawnPropertyChangesTheFingerprint) {
  // A striped picture for the message frame's background, so that stretching it shows.
  kit::TempFolder pictures;
  SurfaceHandle stripes(SDL_CreateRGBSurfaceWithFormat(0, 40, 30, 24, SDL_PIXELFORMAT_RGB24));
  for (int y = 0; y < 30; y += 2) {
    const SDL_Rect row{0, y, 40, 1};
    SDL_FillRect(stripes.get(), &row, SDL_MapRGB(stripes->format, 250, 250, 0));
  }
  std::filesystem::create_directories(pictures.path() / "layout");
  ASSERT_EQ(SDL_SaveBMP(stripes.get(), (pictures.path() / "layout/parchment.bmp").c_str()), 0);
  const Change changes[] = {
      {"alignment", [](Game& g) { g.lblMESSAGE.Alignment = TextAlign::Left; }},
      {"word wrap", [](Game& g) { g.lblMESSAGE.WordWrap = false; }},
      {"opaque label", [](Game& g) { g.lblMESSAGE.Transparent = false; }},
      {"font size", [](Game& g) { g.lblMESSAGE.font.points = 10; }},
      {"bold", [](Game& g) { g.lblMESSAGE.font.bold = false; }},
      {"text colour", [](Game& g) { g.lblMESSAGE.ForeColor = 0x00FF00; }},
      {"caption", [](Game& g) { g.lblMESSAGE.Caption = "Another message."; }},
      {"frame caption", [](Game& g) { g.fraTALK.Caption = "NEWS"; }},
      {"stretch", [](Game& g) { g.Image1.Stretch = !g.Image1.Stretch; }},
      {"picture", [](Game& g) { g.Image1.Picture = "layout/nothere.bmp"; }},
      {"box colour", [](Game& g) { g.Picture2.BackColor = 0x123456; }},
      {"position", [](Game& g) { g.lblMESSAGE.Left += 30; }},
      {"hidden", [](Game& g) { g.Image1.Visible = false; }},
      {"line end", [](Game& g) { g.keysLine[0].X2 -= 300; }},
      {"pen width", [](Game& g) { g.keysLine[0].PenWidth = 3; }},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    kit::HeadlessGame h;
    std::filesystem::copy(pictures.path() / "layout", h.folder() / "layout");
    Game& g = h.game();
    g.picSTART.Visible = false;  // the play field, the items and the stats in view
    g.lblMESSAGE.Caption = g.shadowmessage.Caption =
        "A message long enough to be broken in two lines by the word wrap of its label.";
    Canvas canvas(h.folder());
    const std::string pixels = canvas.Draw(g);
    const std::uint64_t hash = HashOf(BuildDisplayList(g));
    c.make(g);
    ASSERT_NE(canvas.Draw(g), pixels) << "the change shows nothing; the case tests nothing";
    EXPECT_NE(HashOf(BuildDisplayList(g)), hash);
  }
}

TEST(DisplayList, WhatTheTitleHidesIsLeftOut) {
  kit::HeadlessGame h(true);
  Game& g = h.game();
  ASSERT_TRUE(g.picSTART.Visible);
  const std::uint64_t title = HashOf(BuildDisplayList(g));
  const std::size_t ops = BuildDisplayList(g).ops.size();
  g.IMGgrid[12].Picture = g.GamePath + "Pics/GRASSWALK2.bmp";  // the hero walks under it
  g.imgTOOL[3].Visible = true;
  g.lblROOM.Caption = "42";
  EXPECT_EQ(HashOf(BuildDisplayList(g)), title);
  g.picSTART.Visible = false;
  EXPECT_NE(HashOf(BuildDisplayList(g)), title);
  EXPECT_GT(BuildDisplayList(g).ops.size(), ops);
}

// Along the game's own time on the title screen and standing still in play, with the built
// game's pictures: the fingerprint changes exactly when the window's pixels do, so no frame is
// drawn for nothing and none is missed.
TEST(DisplayList, ChangesExactlyWhenThePixelsDo) {
  test::AppFolder folder;
  ManualClock clock;
  RecordingChannel mm1, mm2, mm3(100);
  Game g({folder.path().string(), &clock, &mm1, &mm2, &mm3});
  Form_Load(g);
  Canvas canvas(folder.path());
  std::string pixels = canvas.Draw(g);
  std::uint64_t hash = HashOf(BuildDisplayList(g));
  int changes = 0;
  auto follow = [&](int ms) {
    for (const std::int64_t end = clock.nowMs() + ms; clock.nowMs() < end;) {
      RunUntil(g, clock, std::min(end, *g.scheduler.NextDue()));
      const std::string now = canvas.Draw(g);
      const std::uint64_t h = HashOf(BuildDisplayList(g));
      ASSERT_EQ(h != hash, now != pixels) << "at " << clock.nowMs() << " ms";
      changes += h != hash;
      pixels = now;
      hash = h;
    }
  };
  follow(30000);  // the title: the intro scrolls twice a second, the hero is not yet drawn
  EXPECT_GT(changes, 40);
  EXPECT_LT(changes, 70);
  ASSERT_TRUE(Click(g, g.mnuNEW));
  RunUntil(g, clock, clock.nowMs() + 3000);
  ASSERT_FALSE(g.picSTART.Visible);
  pixels = canvas.Draw(g);
  hash = HashOf(BuildDisplayList(g));
  changes = 0;
  follow(10000);  // standing still: the hero's walk frames
  EXPECT_GT(changes, 20);
}

}  // namespace
}  // namespace tq
