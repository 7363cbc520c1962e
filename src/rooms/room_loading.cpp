// Stages D and E of the hero's step: reading the room with its corrections, admitting the
// room's monster, its roar, the ground of the room and whether it is dark.
#include <string>

#include "game/game.h"
#include "game/monster_table.h"
#include "rooms/move_hero_stages.h"

namespace tq {
namespace {

bool DarkArea(const Value& room) {
  return (room >= 300 && room <= 400) || (room >= 500 && room <= 699) || room >= 1000;
}

}  // namespace

// The fix-ups some rooms get every time they are read. They change only this step's copy and
// reach the file only when a pickup writes the room back.
void CorrectRoom(const Game& g, const Value& n, RoomFile& room) {
  auto& t = room.tags;
  if (n == 519) t[6][10] = "FLOOR";
  if (n == 511) {
    t[2][5] = "WALL";
    t[4][5] = "WALL";
  }
  if (n == 719) {
    for (auto& row : t)
      for (std::string& tag : row)
        if (tag == "DOOR4") tag = "FLOOR";
  }
  if (n == 704 && t[5][6] == "SHELF" && g.QuestStage >= 1) t[5][6] = "PURPLEDOOR";
  if (n == 403) t[6][9] = "FLOOR";
  // A ladder up in the corner of the outer ring could never be reached; the corner stays dark.
  if (t[0][0] == "LADDERUP") t[0][0] = "BLACK";
}

std::optional<std::string> ReadRoomOfStep(const Game& g, HeroStep& s) {
  if (auto error = ReadRoomFile(RoomFilePath(g.GamePath, s.rules.RoomNumber), s.RoomGrid)) {
    return error;
  }
  CorrectRoom(g, s.rules.RoomNumber, s.RoomGrid);
  return std::nullopt;
}

// The first monster in file order becomes the room's monster while none is alive.
void AdmitRoomMonster(Game& g, HeroStep& s) {
  for (const auto& row : s.RoomGrid.tags) {
    for (const std::string& tag : row) {
      if (g.EnemyHP != 0) return;
      const MonsterKind* kind = FindMonster(tag);
      if (!kind) continue;
      if (kind->tag == "VEV" && !(g.QuestStage == 1)) continue;
      g.EnemyHP = kind->hitPoints;
      g.EnemyMaxHP = kind->hitPoints;
      s.RoomRoar = RoarNumberFor(*kind, g.GroundType);
    }
  }
}

void RoarGroundAndDarkness(Game& g, HeroStep& s) {
  if (s.RoomRoar > -1) g.Play(g.MM2, "sounds/ROAR" + std::to_string(s.RoomRoar) + ".wav");

  static const char* const kGrounds[] = {"GRASS", "DIRT", "WOOD", "SNOW"};
  for (int code = 0; code < 4; ++code) {
    if (s.RoomGrid.GroundCode == code) g.GroundType = kGrounds[code];
  }

  g.DarkRoom = 0;
  if (DarkArea(g.RoomNumber)) {
    g.DarkRoom = 1;
    g.TorchLit = 1;
  }
  if (g.owns(ItemSlot::Torch)) g.DarkRoom = 0;
}

}  // namespace tq
