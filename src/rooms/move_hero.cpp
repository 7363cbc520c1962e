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

  // GUARD: a room that cannot be read (missing or damaged) would leave the hero in a room that
  // is not there. It is read before anything of the step reaches the game, so he stays where he
  // stood and the player learns which file failed.
  if (auto error = ReadRoomOfStep(g, s)) {
    ShowMessage(g, MessageColor::Red, *error);
    g.EnterMode = 0;
    return;
  }
  CommitRuleChanges(g, s);
  AfterRoomChange(g, s);
  CorrectRoomAndAdmitMonster(g, s);
  RoarGroundAndDarkness(g, s);
  KeepPickupState(g, s);
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
