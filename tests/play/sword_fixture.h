// A hero in a hand-made room facing one tile, a swing with the game's draws scripted, and the
// moments of a swing and its strike on the manual clock.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "rooms/hero_fixture.h"

namespace tq {

// Milliseconds from the space bar with the hunter sword: the last swing frame, the strike's first
// frame and the tick on which a strike resolves (the main tick ticks between, at 425).
constexpr int kSwingEnd = 225;
constexpr int kFirstFrame = 325;
constexpr int kResolved = 525;

class SwordTest : public HeroTest {
 protected:
  // The room cell next to the hero at (6,6) on the side he faces.
  static std::pair<int, int> Beside(const std::string& facing) {
    if (facing == "REAR") return {5, 6};
    if (facing == "LEFT") return {6, 5};
    if (facing == "RIGHT") return {6, 7};
    return {7, 6};
  }
  // Room `room` with `tag` beside the hero at (6,6) on the side `facing`, the hero placed and
  // turned that way.
  void Face(const std::string& tag, const std::string& facing = "REAR", int ground = kit::kGrass,
            int room = 45) {
    const auto [row, col] = Beside(facing);
    kit::RoomBuilder(ground).Set(row, col, tag).WriteTo(h, room);
    PlaceHero(room, 6, 6);
    g.Facing = facing;
  }
  // Presses the space bar with the next draws scripted and a sentinel after them, then lets `ms`
  // pass. The swing runs at the speed the main tick gives the sword.
  void Swing(std::initializer_list<std::int64_t> draws, int ms) {
    g.tmrATTACK.setInterval(g.SwordKind == 2 ? 50 : 75);
    g.rnd.Script(draws);
    g.rnd.Script({1});
    h.Press(kKeySpace);
    h.Advance(ms);
  }
  // True when the game made exactly the scripted draws: the sentinel is the next one left.
  bool UsedExactlyTheScript() {
    if (!g.rnd.HasScript()) return false;  // a draw too many took the sentinel
    try {
      g.rnd.Draw(1);
    } catch (const std::logic_error&) {
      return false;  // a draw too few: a scripted value is still waiting before the sentinel
    }
    return !g.rnd.HasScript();
  }
};

}  // namespace tq
