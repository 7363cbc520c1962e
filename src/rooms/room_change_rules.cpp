// Stages A and B of the hero's step: the step itself and the room-change rules as one table.
#include <optional>
#include <string_view>

#include "game/facing.h"
#include "game/game.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

constexpr std::string_view kDoorSlam = "SOUNDS/doorslam.WAV";

// Whether a rule asks the hero to face the cell it looks at.
enum class Walk { AnyFacing, Straight };

struct RoomRule {
  Heading side;                                // the neighbour cell of the hero it looks at
  Walk walk;                                   // Straight: only when he faces that cell
  std::string_view tag;                        // that cell's tag as the last call drew it
  bool evenInRedraw;                           // true: fires in a monster's redraw too
  bool (*when)(const Game&, const HeroStep&);  // a further condition, nullptr for none
  void (*effect)(const Game&, HeroStep&);
};

// Through an edge exit into the neighbouring room, landing on the inner ring opposite.
void EdgeExit(HeroStep& s, int roomDelta, std::int64_t row, std::int64_t col) {
  s.rules.RoomNumber = s.rules.RoomNumber + roomDelta;
  s.TargetRow = row;
  s.TargetCol = col;
  s.RoomChanged = true;
}

void LadderUp(HeroStep& s) {
  s.rules.RoomNumber = s.rules.RoomNumber - 300;
  s.rules.caption = "You return to the fresh air and light.";
  s.rules.GroundType = "GRASS";
  s.CameUp = true;
  s.rules.StreePass = 1;
}

void LadderDown(HeroStep& s) {
  s.rules.RoomNumber = s.rules.RoomNumber + 300;
  s.rules.caption = "You enter a dark cavern below the surface.";
  s.rules.GroundType = "DIRT";
  s.WentDown = true;
  s.rules.TorchLit = 1;
}

void StoreEntry(HeroStep& s, int store, int returnRow, std::string_view greeting) {
  RuleChanges& r = s.rules;
  r.ReturnRoom = r.RoomNumber;
  r.RoomNumber = store;
  r.ReturnRow = returnRow;
  r.ReturnCol = 6;
  s.TargetRow = 10;
  s.TargetCol = 6;
  r.caption = std::string(greeting);
  r.GroundType = "WOOD";
  r.mm1.emplace_back(kDoorSlam);
  r.EnemyHP = 0;
  s.StoreEntered = true;
}

// Leaving a store by its south exit; `rowBack` is 0 or -1 for the row of the return.
void StoreExit(HeroStep& s, int rowBack) {
  RuleChanges& r = s.rules;
  r.RoomNumber = r.ReturnRoom;
  s.TargetRow = r.ReturnRow.num() + rowBack;
  s.TargetCol = r.ReturnCol.num();
  r.GroundType = "GRASS";
  r.mm1.emplace_back(kDoorSlam);
  r.EnemyHP = 0;
}

void HoleEntry(HeroStep& s, int room, int returnRow, int returnCol) {
  RuleChanges& r = s.rules;
  r.ReturnRoom = r.RoomNumber;
  r.RoomNumber = room;
  r.ReturnRow = returnRow;
  r.ReturnCol = returnCol;
  s.TargetRow = 10;
  s.TargetCol = 6;
  r.GroundType = "DIRT";
  r.mm1.emplace_back("SOUNDS/DUNGEON.mid");
  s.WentDown = true;
  r.caption = "You enter the foul dungeon!";
  s.DungeonEntry = 1;
}

void DungeonExit(HeroStep& s, std::string_view ground) {
  RuleChanges& r = s.rules;
  r.RoomNumber = r.ReturnRoom;
  s.TargetRow = r.ReturnRow.num() - 1;
  s.TargetCol = r.ReturnCol.num();
  r.GroundType = std::string(ground);
  r.EnemyHP = 0;
  s.CameUp = true;
}

// A coloured door passed with its key: the target moves one tile beyond it.
void PassDoor(HeroStep& s, int dRow, int dCol) {
  s.rules.mm1.emplace_back(kDoorSlam);
  s.TargetRow += dRow;
  s.TargetCol += dCol;
}

bool InRoom(const HeroStep& s, int room) {
  return s.rules.RoomNumber == room;
}
bool WoodRoom(const Game&, const HeroStep& s) {
  return s.rules.GroundType == "WOOD";
}
bool HasPurpleKey(const Game& g, const HeroStep&) {
  return g.owns(ItemSlot::PurpleKey);
}
bool HasRedKey(const Game& g, const HeroStep&) {
  return g.owns(ItemSlot::RedKey);
}
bool HasGoldKey(const Game& g, const HeroStep&) {
  return g.owns(ItemSlot::GoldKey);
}

using G = const Game&;
using enum Heading;
using enum Walk;
using S = HeroStep&;
using CS = const HeroStep&;

// The rules in the order they are tested. Each sees what the rules before it left, so one step
// may fire several: a store's south exit is first an edge exit to room 411..414, 530, 560,
// 571 or 711, and then the matching rule below takes the hero back where he came from.
const RoomRule kRules[] = {
    // 1-5: the four edges of a room; room 520's west exit leads into 519 at a fixed spot.
    {Down, AnyFacing, "EXIT", false, [](G, CS s) { return s.TargetRow == 11; },
     [](G, S s) { EdgeExit(s, 10, 2, s.TargetCol); }},
    {Up, AnyFacing, "EXIT", false, [](G, CS s) { return s.TargetRow == 1; },
     [](G, S s) { EdgeExit(s, -10, 10, s.TargetCol); }},
    {Left, AnyFacing, "EXIT", false, [](G, CS s) { return s.TargetCol == 1 && !InRoom(s, 520); },
     [](G, S s) { EdgeExit(s, -1, s.TargetRow, 10); }},
    {Right, AnyFacing, "EXIT", false, [](G, CS s) { return s.TargetCol == 11; },
     [](G, S s) { EdgeExit(s, 1, s.TargetRow, 2); }},
    {Left, AnyFacing, "EXIT", false, [](G, CS s) { return s.TargetCol == 1 && InRoom(s, 520); },
     [](G, S s) {
       s.rules.RoomNumber = 519;
       s.TargetCol = 10;
       s.TargetRow = 6;
       s.rules.HeroCol = 10;
       s.rules.HeroRow = 6;
     }},
    // 6-13: ladders up and down, only when walking straight onto them.
    {Down, Straight, "LADDERUP", false, nullptr, [](G, S s) { LadderUp(s); }},
    {Up, Straight, "LADDERUP", false, nullptr, [](G, S s) { LadderUp(s); }},
    {Left, Straight, "LADDERUP", false, nullptr, [](G, S s) { LadderUp(s); }},
    {Right, Straight, "LADDERUP", false, nullptr, [](G, S s) { LadderUp(s); }},
    {Down, Straight, "LADDERDOWN", false, nullptr, [](G, S s) { LadderDown(s); }},
    {Up, Straight, "LADDERDOWN", false, nullptr, [](G, S s) { LadderDown(s); }},
    {Left, Straight, "LADDERDOWN", false, nullptr, [](G, S s) { LadderDown(s); }},
    {Right, Straight, "LADDERDOWN", false, nullptr, [](G, S s) { LadderDown(s); }},
    // 14-15: the first store.
    {Up, Straight, "DOOR", false, nullptr,
     [](G, S s) {
       StoreEntry(s, 401, 8, "Welcome to my store! To buy something, just go walk over it.");
     }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 411); },
     [](G, S s) {
       StoreExit(s, 0);
       s.StoreLeft = 1;
     }},
    // 16-17: the purple door opens only up and down.
    {Up, Straight, "PURPLEDOOR", false, HasPurpleKey, [](G, S s) { PassDoor(s, -1, 0); }},
    {Down, Straight, "PURPLEDOOR", false, HasPurpleKey, [](G, S s) { PassDoor(s, 1, 0); }},
    // 18-21: every exit of a wooden room slams a door.
    {Up, Straight, "EXIT", false, WoodRoom, [](G, S s) { s.rules.mm1.emplace_back("SOUNDS/doorslam.wav"); }},
    {Down, Straight, "EXIT", false, WoodRoom, [](G, S s) { s.rules.mm1.emplace_back("SOUNDS/doorslam.wav"); }},
    {Left, Straight, "EXIT", false, WoodRoom, [](G, S s) { s.rules.mm1.emplace_back("SOUNDS/doorslam.wav"); }},
    {Right, Straight, "EXIT", false, WoodRoom, [](G, S s) { s.rules.mm1.emplace_back("SOUNDS/doorslam.wav"); }},
    // 22-29: red and golden doors, from all four sides.
    {Up, Straight, "REDDOOR", false, HasRedKey, [](G, S s) { PassDoor(s, -1, 0); }},
    {Down, Straight, "REDDOOR", false, HasRedKey, [](G, S s) { PassDoor(s, 1, 0); }},
    {Right, Straight, "REDDOOR", false, HasRedKey, [](G, S s) { PassDoor(s, 0, 1); }},
    {Left, Straight, "REDDOOR", false, HasRedKey, [](G, S s) { PassDoor(s, 0, -1); }},
    {Up, Straight, "GOLDDOOR", false, HasGoldKey, [](G, S s) { PassDoor(s, -1, 0); }},
    {Down, Straight, "GOLDDOOR", false, HasGoldKey, [](G, S s) { PassDoor(s, 1, 0); }},
    {Right, Straight, "GOLDDOOR", false, HasGoldKey, [](G, S s) { PassDoor(s, 0, 1); }},
    {Left, Straight, "GOLDDOOR", false, HasGoldKey, [](G, S s) { PassDoor(s, 0, -1); }},
    // 30-35: the other three stores.
    {Up, Straight, "DOOR2", false, nullptr,
     [](G, S s) {
       StoreEntry(s, 402, 8,
                  "This is my store. My good stuff is locked up. To buy something, just go walk "
                  "over it.");
     }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 412); },
     [](G, S s) {
       StoreExit(s, 0);
       s.StoreLeft = 1;
     }},
    {Up, Straight, "DOOR3", false, nullptr,
     [](G, S s) {
       StoreEntry(s, 403, 8, "Hi, I sell supplies. To buy something, just go walk over it.");
     }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 413); },
     [](G, S s) {
       StoreExit(s, -1);
       s.StoreLeft = 1;
     }},
    {Up, Straight, "DOOR4", false, nullptr,
     [](G, S s) {
       StoreEntry(s, 404, 9,
                  "No one comes here much. Get those Shadow Demons for me too! To buy something, "
                  "just go walk over it.");
     }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 414); },
     [](G, S s) {
       StoreExit(s, -1);
       s.rules.Facing = kRedrawFacing;
       s.StoreLeft = 2;
     }},
    // 36-44: holes down into the dungeons and their ways out.
    {Right, Straight, "HOLE", false, nullptr, [](G, S s) { HoleEntry(s, 550, 5, 10); }},
    {Up, Straight, "HOLE", false, nullptr, [](G, S s) { HoleEntry(s, 550, 5, 10); }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 560); },
     [](G, S s) { DungeonExit(s, "GRASS"); }},
    {Up, Straight, "HOLE2", false, nullptr, [](G, S s) { HoleEntry(s, 520, 7, 6); }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 530); },
     [](G, S s) { DungeonExit(s, "GRASS"); }},
    {Up, Straight, "HOLE3", false, nullptr, [](G, S s) { HoleEntry(s, 561, 8, 8); }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 571); },
     [](G, S s) { DungeonExit(s, "GRASS"); }},
    {Up, Straight, "HOLE5", false, nullptr,
     [](G, S s) {
       RuleChanges& r = s.rules;
       r.ReturnRoom = r.RoomNumber;
       r.RoomNumber = 701;
       r.ReturnRow = 11;
       r.ReturnCol = 10;
       s.TargetRow = 10;
       s.TargetCol = 6;
       r.GroundType = "SNOW";
       r.mm1.emplace_back("SOUNDS/DUNGEON.mid");
       s.WentDown = true;
       r.caption = "You enter the ice dungeon!";
       s.DungeonEntry = 2;
     }},
    {Down, Straight, "EXIT", false, [](G, CS s) { return InRoom(s, 711); },
     [](G, S s) { DungeonExit(s, "SNOW"); }},
    // 45-46: the RUINSTONE, one way only.
    {Up, Straight, "RUINSTONE", false, nullptr,
     [](G, S s) {
       RuleChanges& r = s.rules;
       r.ReturnRoom = r.RoomNumber;
       r.RoomNumber = 700;
       r.ReturnRow = 8;
       r.ReturnCol = 6;
       s.TargetRow = 2;
       s.TargetCol = 6;
       r.GroundType = "SNOW";
       r.mm1.emplace_back("SOUNDS/SNOWTALK.WAV");
       r.caption = "You are in the far north! The Shadow Demons must be close..";
       s.FarNorthEntered = true;
     }},
    {Down, Straight, "RUINSTONESNOW", true, nullptr,
     [](G, S s) {
       s.rules.EnemyHP = 0;
       s.rules.caption =
           "The Ruinstone is no longer active. It seems you are stuck in the Far North! Find the "
           "Shadow Demons!";
       s.rules.mm1.emplace_back("sounds/no.wav");
     }},
};

}  // namespace

void StepByFacing(Game& g, HeroStep& s) {
  g.rnd.Randomize();
  RuleChanges& r = s.rules;
  r.RoomNumber = g.RoomNumber;
  r.GroundType = g.GroundType;
  r.EnemyHP = g.EnemyHP;
  r.ReturnRoom = g.ReturnRoom;
  r.ReturnRow = g.ReturnRow;
  r.ReturnCol = g.ReturnCol;
  r.StreePass = g.StreePass;
  r.Facing = g.Facing;
  r.HeroRow = g.HeroRow;
  r.HeroCol = g.HeroCol;

  s.TargetRow = g.HeroRow.num();
  s.TargetCol = g.HeroCol.num();
  const std::optional<Heading> facing = HeroHeading(g.Facing);
  if (g.EnterMode == 0 && facing) {
    s.TargetRow += RowStep(*facing);
    s.TargetCol += ColStep(*facing);
  }
  s.RoomChanged = false;
  r.TorchLit = 0;
}

void ApplyRoomChangeRules(const Game& g, HeroStep& s) {
  const bool stepping = g.EnterMode == 0;
  for (const RoomRule& rule : kRules) {
    if (g.IMGgrid[ViewCell(rule.side)].Tag != rule.tag) continue;
    if (rule.walk == Walk::Straight && HeroHeading(s.rules.Facing) != rule.side) continue;
    if (!rule.evenInRedraw && !stepping) continue;
    if (rule.when && !rule.when(g, s)) continue;
    rule.effect(g, s);
  }
}

void CommitRuleChanges(Game& g, const HeroStep& s) {
  const RuleChanges& r = s.rules;
  g.RoomNumber = r.RoomNumber;
  g.GroundType = r.GroundType;
  g.EnemyHP = r.EnemyHP;
  g.ReturnRoom = r.ReturnRoom;
  g.ReturnRow = r.ReturnRow;
  g.ReturnCol = r.ReturnCol;
  g.StreePass = r.StreePass;
  g.TorchLit = r.TorchLit;
  g.Facing = r.Facing;
  g.HeroRow = r.HeroRow;
  g.HeroCol = r.HeroCol;
  if (r.caption) g.lblMESSAGE.Caption = *r.caption;
  for (const std::string& sound : r.mm1) g.Play(g.MM1, sound);
}

}  // namespace tq
