// The saved game and the explored map: writing them from the window, reading them back whole.
#include "world/saved_game.h"

#include "game/game.h"
#include "platform/file_writes.h"
#include "platform/seq_file.h"
#include "world/saved_game_ranges.h"

namespace tq {
namespace {

constexpr int kMapCells = 200;
constexpr int kToolSlots = 10;

std::string GameFileText(const Game& g) {
  SeqWriter w;
  for (const Value* v :
       {&g.Life, &g.Strength, &g.Gold, &g.MaxLife, &g.MaxStrength, &g.HasMagicShirt}) {
    w.Dynamic(*v);
  }
  w.EndLine();
  for (const Value* v :
       {&g.HeroRow, &g.HeroCol, &g.RoomNumber, &g.ReturnRoom, &g.ReturnRow, &g.ReturnCol}) {
    w.Dynamic(*v);
  }
  w.EndLine();
  w.Dynamic(g.ShieldItem);
  w.Dynamic(g.GroundType);
  w.Dynamic(g.Facing);
  w.Text(g.MonsterFacing);
  w.Dynamic(g.AnimFrame);
  w.EndLine();
  for (const Value* v : {&g.SwordKind, &g.EnemyHP, &g.SwordPieces, &g.Points}) w.Dynamic(*v);
  w.EndLine();
  // Slot 0, the sword pieces, is always shown.
  for (int i = 0; i < kToolSlots; ++i) {
    w.Int16(i == 0 || g.imgTOOL[i].Visible ? 1 : 0);
    w.EndLine();
  }
  for (const Value* v : {&g.QuestStage, &g.HasMagicBag, &g.SpareValue1, &g.SpareValue2}) {
    w.Dynamic(*v);
  }
  w.Int16(g.SpareValue3);
  w.EndLine();
  return w.str();
}

std::string MapFileText(const Game& g) {
  SeqWriter w;
  for (int i = 0; i < kMapCells; ++i) {
    w.Text(g.imgMAP[i].Tag);
    w.Int16(g.imgMAP[i].Visible ? 1 : 0);
    w.EndLine();
  }
  return w.str();
}

// Reads the items of GAMEFILE into `out`; the problem with the first bad item otherwise.
std::optional<std::string> ParseGameFile(std::string_view data, SavedGame& out) {
  SeqReader in(data);
  for (Value* v : {&out.Life, &out.Strength, &out.Gold, &out.MaxLife, &out.MaxStrength,
                   &out.HasMagicShirt, &out.HeroRow, &out.HeroCol, &out.RoomNumber, &out.ReturnRoom,
                   &out.ReturnRow, &out.ReturnCol, &out.ShieldItem, &out.GroundType, &out.Facing}) {
    if (auto err = in.Dynamic(*v)) return err;
  }
  if (auto err = in.Text(out.MonsterFacing)) return err;
  for (Value* v : {&out.AnimFrame, &out.SwordKind, &out.EnemyHP, &out.SwordPieces, &out.Points}) {
    if (auto err = in.Dynamic(*v)) return err;
  }
  for (auto& flag : out.ToolFlags) {
    if (auto err = in.Int16(flag)) return err;
  }
  for (Value* v : {&out.QuestStage, &out.HasMagicBag, &out.SpareValue1, &out.SpareValue2}) {
    if (auto err = in.Dynamic(*v)) return err;
  }
  return in.Int16(out.SpareValue3);
}

std::optional<std::string> ParseMapFile(std::string_view data, SavedGame& out) {
  SeqReader in(data);
  for (int i = 0; i < kMapCells; ++i) {
    if (auto err = in.Text(out.MapCellKind[i])) return err;
    if (auto err = in.Int16(out.MapCellSeen[i])) return err;
  }
  return std::nullopt;
}

}  // namespace

std::string GameFilePath(const std::string& gamePath) {
  return gamePath + "Files/GAMEFILE";
}

std::string MapFilePath(const std::string& gamePath) {
  return gamePath + "Files/MAPFILE";
}

void AddSavedGame(FileGroup& files, const Game& g) {
  files.Replace(GameFilePath(g.GamePath), GameFileText(g));
  files.Replace(MapFilePath(g.GamePath), MapFileText(g));
}

WriteResult SaveGame(Game& g) {
  FileGroup files;
  AddSavedGame(files, g);
  return files.Write();
}

std::optional<std::string> ReadSavedGame(const std::string& gamePath, SavedGame& out) {
  SavedGame saved;
  const std::string gameFile = GameFilePath(gamePath);
  const std::string mapFile = MapFilePath(gamePath);
  std::string data;
  if (auto err = ReadWholeFile(gameFile, data)) return err;
  if (auto err = ParseGameFile(data, saved)) return DamagedFileMessage(gameFile, *err);
  // GUARD: a value the game never writes (a hero outside the room's inner rows, a room no
  // room has, a number far beyond 16 bits) would be loaded as if it were whole, leaving the hero
  // in a black view he cannot leave or overflowing later arithmetic; it is refused as damage.
  if (auto err = GameFileOutOfRange(saved)) return DamagedFileMessage(gameFile, *err);
  if (auto err = ReadWholeFile(mapFile, data)) return err;
  if (auto err = ParseMapFile(data, saved)) return DamagedFileMessage(mapFile, *err);
  if (auto err = MapFileOutOfRange(saved)) return DamagedFileMessage(mapFile, *err);
  out = std::move(saved);
  return std::nullopt;
}

void ApplySavedGame(Game& g, const SavedGame& s) {
  g.Life = s.Life;
  g.Strength = s.Strength;
  g.Gold = s.Gold;
  g.MaxLife = s.MaxLife;
  g.MaxStrength = s.MaxStrength;
  g.HasMagicShirt = s.HasMagicShirt;
  g.HeroRow = s.HeroRow;
  g.HeroCol = s.HeroCol;
  g.RoomNumber = s.RoomNumber;
  g.ReturnRoom = s.ReturnRoom;
  g.ReturnRow = s.ReturnRow;
  g.ReturnCol = s.ReturnCol;
  g.ShieldItem = s.ShieldItem;
  g.GroundType = s.GroundType;
  g.Facing = s.Facing;
  g.MonsterFacing = s.MonsterFacing;
  g.AnimFrame = s.AnimFrame;
  g.SwordKind = s.SwordKind;
  g.EnemyHP = s.EnemyHP;
  g.SwordPieces = s.SwordPieces;
  g.Points = s.Points;
  g.QuestStage = s.QuestStage;
  g.HasMagicBag = s.HasMagicBag;
  g.SpareValue1 = s.SpareValue1;
  g.SpareValue2 = s.SpareValue2;
  g.SpareValue3 = s.SpareValue3;
}

}  // namespace tq
