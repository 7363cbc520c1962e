// Test helpers for the play timers: a game in play without a built world, and one main tick.
#pragma once

#include "kit/headless_game.h"

namespace tq::test {

// The title screen gone with its intro scroll (which counts UiTick), the hero in `room` and a
// view of plain floor; each test then sets only the cells and values it is about.
inline void ShowPlayField(Game& g, int room) {
  g.tmrscroll.setEnabled(false);
  g.picSTART.Visible = false;
  g.RoomNumber = room;
  for (Control& cell : g.IMGgrid) cell.Tag = "FLOOR";
}

// Lets `count` main ticks pass (the main tick runs every 200 ms from start-up).
inline void Ticks(kit::HeadlessGame& h, int count = 1) {
  h.Advance(200LL * count);
}

}  // namespace tq::test
