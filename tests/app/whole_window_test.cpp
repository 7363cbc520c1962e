// The whole window under a restless player: thousands of random clicks anywhere in the client
// area, keys and waits, through new games, loads, saves, pauses and maps, on the shipped rooms,
// all through the real window: SDL's events, the key mapping, the renderer and the sound.
// Nothing may crash, no file may fail, the hero always stands where the view fits, the window
// always shows what a whole new drawing would show, and EXIT ends the program with status 0.
// The sword is swung and the monsters chase and strike meanwhile: the hero's life stays within
// its bounds, the main tick is off only while an action runs, every monster keeps inside the
// ring of its room and every room file stays whole.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/renderer.h"
#include "app/window_app.h"
#include "app_folder.h"
#include "game/game.h"
#include "game/monster_table.h"
#include "shell/input.h"
#include "world/room_file.h"

namespace tq {
namespace {

// Where the monster of the room the hero is in stands, as its file says (row * 13 + column, or
// -1 for none); fails the test on a file that does not read whole.
int MonsterSpot(Game& g) {
  RoomFile room;
  const auto error = ReadRoomFile(RoomFilePath(g.GamePath, g.RoomNumber), room);
  EXPECT_FALSE(error) << *error;
  int spot = -1;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      if (!IsMonster(room.tags[r][c])) continue;
      EXPECT_TRUE(r >= 1 && r <= 11 && c >= 1 && c <= 11)
          << room.tags[r][c] << " " << r << "," << c;
      spot = r * kRoomSize + c;
    }
  }
  return spot;
}

class RealWindow {
 public:
  // SDL's dummy video driver: a window surface in memory and no graphics library loaded.
  RealWindow()
      : app_((SDL_setenv("SDL_VIDEODRIVER", "dummy", 1),
              WindowApp::Open(folder_.path().string(), &clock_))) {}
  WindowApp* operator->() { return app_.get(); }
  explicit operator bool() const { return app_ != nullptr; }
  const std::filesystem::path& folder() const { return folder_.path(); }

  // A left click at a point of the client area, in twips.
  void ClickAt(int xTwips, int yTwips) {
    int x = 0, y = 0;
    app_->WindowPoint(xTwips, yTwips, x, y);
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.state = SDL_RELEASED;
    SDL_PushEvent(&e);
  }
  void ClickOn(const Control& c) {
    ClickAt(c.AbsLeft() + c.Width / 2, c.AbsTop() + c.Height / 2);
    app_->Turn();
  }
  void Press(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
    app_->Turn();
  }
  // Lets time pass as the real loop does: a turn at every instant a timer falls due.
  void Advance(int ms) {
    const std::int64_t target = clock_.nowMs() + ms;
    for (auto due = app_->game().scheduler.NextDue(); due && *due <= target;
         due = app_->game().scheduler.NextDue()) {
      clock_.set(std::max(*due, clock_.nowMs()));
      if (!app_->Turn()) return;
    }
    clock_.set(target);
    app_->Turn();
  }
  // How many pixels of the window differ from a drawing of the whole window anew.
  int PixelsUnlikeAWholeDrawing() {
    const SDL_Surface& shown = app_->shownPicture();
    SurfaceHandle fresh(
        SDL_CreateRGBSurfaceWithFormat(0, shown.w, shown.h, 32, shown.format->format));
    RendererHandle sdl(SDL_CreateSoftwareRenderer(fresh.get()));
    AssetResolver assets(folder_.path());
    Renderer(sdl.get(), assets).Draw(app_->game());
    int differ = 0;
    for (int y = 0; y < shown.h; ++y) {
      const auto* a = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(shown.pixels) +
                                                      y * shown.pitch);
      const auto* b = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(fresh->pixels) +
                                                      y * fresh->pitch);
      for (int x = 0; x < shown.w; ++x) differ += a[x] != b[x];
    }
    return differ;
  }

 private:
  test::AppFolder folder_;
  ManualClock clock_;
  std::unique_ptr<WindowApp> app_;
};

TEST(WholeWindow, SurvivesARestlessPlayerAndEndsThroughExit) {
  RealWindow w;
  ASSERT_TRUE(w);
  Game& g = w->game();
  // A first game, so that there is always a saved game to load.
  w.ClickOn(g.mnuNEW);
  w.Advance(1200);

  std::mt19937 pick(7);
  std::uniform_int_distribution<int> x(0, 6479), y(0, 6284), wait(0, 700), what(0, 9);
  const SDL_Keycode arrows[] = {SDLK_LEFT, SDLK_UP, SDLK_RIGHT, SDLK_DOWN, SDLK_SPACE};
  std::uniform_int_distribution<int> key(0, 4), anyKey(0, 0x7F);
  const int exitLeft = g.mnuEXIT.AbsLeft(), exitTop = g.mnuEXIT.AbsTop();
  int clicks = 0, keys = 0, swinging = 0, steps = 0, blows = 0, deaths = 0;
  SDL_Keycode heading = SDLK_UP;
  Value room = g.RoomNumber;
  int spot = MonsterSpot(g);
  std::string lastMessage = g.lblMESSAGE.Caption;
  bool alive = true;
  for (int event = 0; event < 10000; ++event) {
    const int w0 = what(pick);
    if (w0 == 0 && g.fraMAP.Visible) {
      w.ClickOn(g.imgMAP2);  // a player closes the map again before long
    } else if (w0 == 0 && g.mnuPAUSE.Tag == "Unpause") {
      w.ClickOn(g.mnuPAUSE);  // and unpauses
    } else if (w0 == 0 && g.mnuLOAD.Enabled && g.Life == 0) {
      w.ClickOn(g.mnuLOAD);  // and plays on after a death
    } else if (w0 < 2) {
      // Anywhere but on EXIT, which ends the session below.
      int cx = x(pick), cy = y(pick);
      while (cx >= exitLeft && cx < exitLeft + g.mnuEXIT.Width && cy >= exitTop &&
             cy < exitTop + g.mnuEXIT.Height) {
        cx = x(pick);
        cy = y(pick);
      }
      w.ClickAt(cx, cy);
      w->Turn();
      ++clicks;
    } else if (w0 < 8) {
      // A player walks a while in one direction before turning, and hits a stray key now
      // and then.
      if (what(pick) == 0) heading = arrows[key(pick)];
      w.Press(what(pick) == 0 ? static_cast<SDL_Keycode>(anyKey(pick)) : heading);
      ++keys;
    } else {
      w.Advance(wait(pick));
    }
    SCOPED_TRACE(Join("event ", event, " room ", g.RoomNumber, " at ", g.HeroRow, ",", g.HeroCol));
    // Red is the colour of death, and otherwise of a file the game could not read or write.
    const std::string& caption = g.lblMESSAGE.Caption;
    ASSERT_TRUE(g.lblMESSAGE.ForeColor != 0x0000FFu || caption.ends_with("TARVO DIED!")) << caption;
    if (caption != lastMessage && caption.find(" hits you ") != std::string::npos) ++blows;
    lastMessage = caption;
    ASSERT_FALSE(g.unloaded) << "the window closed without EXIT";
    if (!g.picSTART.Visible && g.RoomNumber > 0) {
      ASSERT_GE(g.HeroRow, 2);
      ASSERT_LE(g.HeroRow, 10);
      ASSERT_GE(g.HeroCol, 2);
      ASSERT_LE(g.HeroCol, 10);
      // The main tick is only ever off while a swing, the hurt frames or the ending run.
      if (g.Life > 0) {
        ASSERT_TRUE(g.tmrANIMATE.Enabled() || g.tmrATTACK.Enabled() || g.tmrGUYHIT.Enabled() ||
                    g.tmrEND.Enabled());
      }
      ASSERT_GE(g.Life, 0);
      ASSERT_LE(g.Life, g.MaxLife);
      const int now = MonsterSpot(g);
      if (g.RoomNumber == room && now != spot && now >= 0 && spot >= 0) ++steps;
      room = g.RoomNumber;
      spot = now;
    }
    if (alive && g.Life == 0 && !g.picSTART.Visible) ++deaths;
    alive = g.Life > 0;
    if (g.tmrATTACK.Enabled() || g.tmrBREAK.Enabled()) ++swinging;
    if (event % 500 == 0) {
      ASSERT_EQ(w.PixelsUnlikeAWholeDrawing(), 0);
    }
  }
  for (const auto& file : std::filesystem::directory_iterator(w.folder() / "Files")) {
    if (!file.path().filename().string().starts_with("ROOM")) continue;
    RoomFile whole;
    const auto error = ReadRoomFile(file.path().string(), whole);
    EXPECT_FALSE(error) << *error;
  }
  RecordProperty("monster steps", steps);
  RecordProperty("blows", blows);
  RecordProperty("deaths", deaths);
  EXPECT_GT(steps, 20);
  EXPECT_GT(blows, 5);
  EXPECT_GT(deaths, 0);
  EXPECT_GT(swinging, 100) << "the sword was hardly swung";
  EXPECT_GT(clicks, 800);
  EXPECT_GT(keys, 2500);
  EXPECT_GT(g.RoomNumber, 0) << "no game was ever started";
  EXPECT_GT(w->framesShown(), 1000);

  // EXIT ends the program, whatever the player left running.
  const Control& exit = g.mnuEXIT;
  const int ex = exit.AbsLeft() + exit.Width / 2, ey = exit.AbsTop() + exit.Height / 2;
  ASSERT_EQ(ControlAt(g, ex, ey), &g.mnuEXIT);
  ASSERT_TRUE(exit.Enabled);
  w.ClickAt(ex, ey);
  EXPECT_EQ(w->Run(), 0);
}

}  // namespace
}  // namespace tq
