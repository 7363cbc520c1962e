// MoveHero: runs the stages of one hero step in their order.
#include "rooms/move_hero.h"

#include "game/game.h"
#include "game/message_line.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

// Whether the landing tile of a room change passes stage F and the commit test, judged before
// anything of the change reaches the game.
bool LandingAdmitted(const Game& g, const HeroStep& s) {
  const EntryVerdict v = JudgeEntry(g, s);
  return PassesCommitTest(v.CanEnter, g.EnterMode, s.rules.Facing, v.row, v.col);
}

}  // namespace

bool EnterReadRoom(Game& g, HeroStep& s) {
  // GUARD: a room change onto a landing tile the hero may not stand on (a monster on it, say)
  // would keep the new room, its ground, its music and a cleared monster while the hero kept his
  // old place and view, and his next step would start from his old spot in the new room. Such a
  // step changes nothing at all: he stays where he stood, as at any blocked step.
  if (!(s.rules.RoomNumber == g.RoomNumber) && !LandingAdmitted(g, s)) return false;
  CommitRuleChanges(g, s);
  AfterRoomChange(g, s);
  AdmitRoomMonster(g, s);
  RoarGroundAndDarkness(g, s);
  KeepPickupState(g, s);
  DecideEntry(g, s);
  if (!CommitAndDraw(g, s)) {
    // A monster's redraw that cannot be drawn must not leave the next key without its step.
    g.EnterMode = 0;
    return false;
  }
  return true;
}

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
  if (!EnterReadRoom(g, s)) return;
  ShowTalkSpot(g, s);
  if (ApplyTileUnderfoot(g, s)) WriteRoomBack(g, s);
}

}  // namespace tq
