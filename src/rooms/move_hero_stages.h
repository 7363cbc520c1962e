// The stages of one hero step, in the order MoveHero runs them, and what they hand each other.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound_channel.h"
#include "platform/value.h"
#include "world/room_file.h"

namespace tq {

class Game;

// What the room-change rules may touch. The rules work on this copy; it reaches the game only
// once the file of the room they lead to has been read, so a room that cannot be read leaves
// the hero where he stood with nothing half done.
struct RuleChanges {
  Value RoomNumber, GroundType, EnemyHP, ReturnRoom, ReturnRow, ReturnCol, StreePass, TorchLit,
      Facing, HeroRow, HeroCol;
  std::optional<std::string> caption;  // a new message line, its colour left alone
  std::vector<std::string> mm1;        // effects for MM1, in the order the rules play them
};

// What taking or buying the tile underfoot can change, kept from before stage F charges a deed's
// price: a pickup whose files cannot be written is taken back to it.
struct PickupState {
  Value Gold, Life, MaxLife, Strength, MaxStrength, ShieldItem, HasMagicShirt, HasMagicBag,
      SwordPieces, SwordKind;
  std::array<bool, 10> owned{};  // imgTOOL(i).Visible
  std::string piecePicture;      // imgTOOL(0).Picture
  bool moneyBag = false;         // imgMONEYBAG.Visible
};

// The locals of one MoveHero call; every call starts from a fresh one.
struct HeroStep {
  std::int64_t TargetRow = 0, TargetCol = 0;
  RuleChanges rules;

  // Stage B tells stage C what kind of room change happened.
  bool RoomChanged = false, WentDown = false, CameUp = false, StoreEntered = false,
       FarNorthEntered = false;
  int StoreLeft = 0;     // 1 left store 401..403, 2 left store 404
  int DungeonEntry = 0;  // 1 a foul dungeon, 2 the ice dungeon
  int RoomRoar = -1;

  RoomFile RoomGrid;
  std::array<std::string, 25> ViewGrid;

  bool CanEnter = false, PieceFound = false, AutosaveDue = false, DeedTarget = false;
  // A redraw finds the hero on a deed he cannot pay for: it gives him nothing.
  bool DeedUnpaid = false;

  // Stage I: whether something was taken or bought, the state from before it, and its sounds,
  // which play only once its files are written (channel, relative path).
  bool TookItem = false;
  PickupState beforePickup;
  std::vector<std::pair<SoundChannel*, std::string>> pickupSounds;
};

// A: seed the generator, copy the position and step it by the facing.
void StepByFacing(Game& g, HeroStep& s);
// B: the room-change rules, in their order, on the copy in s.rules.
void ApplyRoomChangeRules(const Game& g, HeroStep& s);
// Puts what the rules changed into the game and plays their sounds.
void CommitRuleChanges(Game& g, const HeroStep& s);
// C: messages, area music, rain held or resumed, the save button and the explored map.
void AfterRoomChange(Game& g, HeroStep& s);
// D, first half: reads the file of the room the rules lead to, with the corrections that room
// gets on every read. A message naming the file when it cannot be read.
std::optional<std::string> ReadRoomOfStep(const Game& g, HeroStep& s);
// The fix-ups some rooms get every time they are read (room `roomNumber`, as the game stands).
void CorrectRoom(const Game& g, const Value& roomNumber, RoomFile& room);
// D, second half: the admission of the room's monster.
void AdmitRoomMonster(Game& g, HeroStep& s);
// E: the roar, the ground of the room and its darkness.
void RoarGroundAndDarkness(Game& g, HeroStep& s);
// What stage F finds at the target, before anything of it reaches the game.
struct EntryVerdict {
  bool CanEnter = false, PieceFound = false, AutosaveDue = false, DeedTarget = false;
  bool pays = false;     // the deed's price is taken
  int price = 0;         // the deed's price
  std::int64_t row = 0;  // the target, one tile on when a current carries the hero
  std::int64_t col = 0;
  bool swims = false;       // the Fish Book takes him into water
  bool lockedDoor = false;  // a locked door answers
};
// F, judged: the rules' copy stands for the game where the two may differ (the pass of the
// secret tree, the facing).
EntryVerdict JudgeEntry(const Game& g, const HeroStep& s);
// Before F: keeps what a pickup may change, to be put back when its files cannot be written.
void KeepPickupState(const Game& g, HeroStep& s);
// F: may the hero stand on the target? Prices, currents, the Fish Book and locked doors.
void DecideEntry(Game& g, HeroStep& s);
// G's commit test: redraws always pass, and no one stands outside rows and columns 2 to 10.
bool PassesCommitTest(bool canEnter, const Value& enterMode, const Value& facing, std::int64_t row,
                      std::int64_t col);
// G: the commit test, the new position and the view. False when the call ends here.
bool CommitAndDraw(Game& g, HeroStep& s);
// B's landing check, then C to G, once the room the step leads to is in s.RoomGrid: true when
// the hero stands in it and the view is drawn, false when the step ends there.
bool EnterReadRoom(Game& g, HeroStep& s);
// H: the words of a talk spot underfoot.
void ShowTalkSpot(Game& g, const HeroStep& s);
// I: the tile underfoot; true when there is something to write: the autosave after a key or a
// piece, the room after something was taken or bought.
bool ApplyTileUnderfoot(Game& g, HeroStep& s);
// J: the autosave and the room written back, together. The pickup counts only when they are
// written; otherwise it is taken back and the failure is shown.
void WriteRoomBack(Game& g, HeroStep& s);

// True where the hero may stand: the whole 5 x 5 view around him lies inside the room.
bool InsideInnerRoom(std::int64_t row, std::int64_t col);
// The tag of a room cell, "BLACK" outside the 13 x 13 grid.
const std::string& TagAt(const RoomFile& room, std::int64_t row, std::int64_t col);

}  // namespace tq
