// A headless game with hand-made rooms and a hero placed in one of them, for the step tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game.h"
#include "game/key_codes.h"
#include "kit/headless_game.h"
#include "kit/room_builder.h"
#include "rooms/move_hero.h"

namespace tq {

class HeroTest : public ::testing::Test {
 protected:
  kit::HeadlessGame h;
  Game& g = h.game();

  // Puts the hero at (row, col) of a room and draws it the way LOAD does (the title screen
  // gone), then forgets the sounds and message of that drawing.
  void PlaceHero(int room, int row, int col) {
    g.picSTART.Visible = false;
    g.RoomNumber = room;
    g.HeroRow = row;
    g.HeroCol = col;
    g.Facing = "XXX";
    g.EnterMode = 0;
    MoveHero(g);
    g.Facing = "";
    g.lblMESSAGE.Caption = "old message";
    g.lblMESSAGE.ForeColor = 0x123456;
    h.mm1().clear();
    h.mm2().clear();
    h.mm3().clear();
  }
  // The hero's position as (room, row, column).
  std::string Where() { return Join(g.RoomNumber, ":", g.HeroRow, ",", g.HeroCol); }
  std::string Full(const std::string& relative) { return g.GamePath + relative; }
  std::vector<std::string> Paths(const std::vector<std::string>& relatives) {
    std::vector<std::string> out;
    for (const auto& r : relatives) out.push_back(g.GamePath + r);
    return out;
  }
};

}  // namespace tq
