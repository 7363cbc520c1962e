// MoveHero: runs the stages of one hero step in their order.
#include "rooms/move_hero.h"

#include "game/game.h"
#include "game/message_line.h"
#include "rooms/move_hero_stages.h"

namespace tq {

void MoveHero(Game& g) {
  HeroStep s;
  StepByFacing(g, s);
  ApplyRoomChangeRules(g, s);

  // The room the step leads to is read before anything of the step reaches the game: a room
  // that cannot be read leaves the hero where he stood and tells the player which file failed.
  if (auto error = ReadRoomOfStep(g, s)) {
    ShowMessage(g, MessageColor::Red, *error);
    g.EnterMode = 0;
    return;
  }
  CommitRuleChanges(g, s);
  AfterRoomChange(g, s);
  CorrectRoomAndAdmitMonster(g, s);
  RoarGroundAndDarkness(g, s);
  DecideEntry(g, s);
  if (!CommitAndDraw(g, s)) {
    // A monster's redraw that cannot be drawn must not leave the next key without its step.
    g.EnterMode = 0;
    return;
  }
  ShowTalkSpot(g, s);
  if (ApplyTileUnderfoot(g, s)) WriteRoomBack(g, s);
}

}  // namespace tq
