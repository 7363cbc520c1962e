// The saved game and the explored map: written from the window and read back whole, both by
// walking the one description of their items (world/saved_game_layout.h).
#include "world/saved_game.h"

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "game/game.h"
#include "platform/file_writes.h"
#include "platform/seq_file.h"
#include "world/saved_game_layout.h"

namespace tq {
namespace {

// Calls `fn` with the item's place in `s`: a Value, a std::string or a std::int16_t, const
// when `s` is.
template <class Saved, class Fn>
decltype(auto) WithField(Saved& s, const SavedField& field, Fn&& fn) {
  return std::visit(
      [&](const auto& f) -> decltype(auto) {
        using F = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<F, ToolFlag>) {
          return fn(s.ToolFlags[f.slot]);
        } else if constexpr (std::is_same_v<F, MapSquareTag>) {
          return fn(s.MapCellKind[f.square]);
        } else if constexpr (std::is_same_v<F, MapSquareSeen>) {
          return fn(s.MapCellSeen[f.square]);
        } else {
          return fn(s.*f);
        }
      },
      field);
}

void WriteItem(SeqWriter& w, const Value& v) {
  w.Dynamic(v);
}
void WriteItem(SeqWriter& w, const std::string& text) {
  w.Text(text);
}
void WriteItem(SeqWriter& w, std::int16_t n) {
  w.Int16(n);
}

std::optional<std::string> ReadItem(SeqReader& in, Value& v) {
  return in.Dynamic(v);
}
std::optional<std::string> ReadItem(SeqReader& in, std::string& text) {
  return in.Text(text);
}
std::optional<std::string> ReadItem(SeqReader& in, std::int16_t& n) {
  return in.Int16(n);
}

Value AsValue(const Value& v) {
  return v;
}
Value AsValue(const std::string& text) {
  return Value(text);
}
Value AsValue(std::int16_t n) {
  return Value(n);
}

// The file's text: its items in order, a new line wherever the layout starts one.
std::string FileText(const std::vector<SavedItem>& layout, const SavedGame& s) {
  SeqWriter w;
  int line = layout.front().line;
  for (const SavedItem& item : layout) {
    if (item.line != line) w.EndLine();
    line = item.line;
    WithField(s, item.field, [&w](const auto& value) { WriteItem(w, value); });
  }
  w.EndLine();
  return w.str();
}

// Reads the items into `out`, whatever lines they stand on; the first bad item, or anything
// after the last, otherwise.
std::optional<std::string> ParseItems(std::string_view data, const std::vector<SavedItem>& layout,
                                      SavedGame& out) {
  SeqReader in(data);
  for (const SavedItem& item : layout) {
    auto read = [&in](auto& value) { return ReadItem(in, value); };
    if (auto err = WithField(out, item.field, read)) return err;
  }
  return in.End();
}

// The first item holding a value the game never writes there, told as "item 7, the hero's row,
// should be a number from 2 to 10".
std::optional<std::string> FirstOutOfRange(const std::vector<SavedItem>& layout,
                                           const SavedGame& s) {
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const SavedItem& item = layout[i];
    const Value value = WithField(s, item.field, [](const auto& v) { return AsValue(v); });
    if (auto expected = item.accepts(value, s)) {
      return Join("item ", Value(static_cast<std::int64_t>(i + 1)),
                  ", " + item.what + ", should be " + *expected);
    }
  }
  return std::nullopt;
}

// What SaveGame writes: the saved variables as they stand, the item slots and the map as the
// window shows them. Slot 0, the sword pieces, is always shown.
SavedGame SavedGameOf(const Game& g) {
  SavedGame s;
  static_cast<SavedVariables&>(s) = g;
  for (std::size_t i = 0; i < s.ToolFlags.size(); ++i) {
    s.ToolFlags[i] = i == 0 || g.imgTOOL[i].Visible ? 1 : 0;
  }
  for (std::size_t i = 0; i < s.MapCellKind.size(); ++i) {
    s.MapCellKind[i] = g.imgMAP[i].Tag;
    s.MapCellSeen[i] = g.imgMAP[i].Visible ? 1 : 0;
  }
  return s;
}

}  // namespace

std::string GameFilePath(const std::string& gamePath) {
  return gamePath + "Files/GAMEFILE";
}

std::string MapFilePath(const std::string& gamePath) {
  return gamePath + "Files/MAPFILE";
}

void AddSavedGame(FileGroup& files, const Game& g) {
  const SavedGame s = SavedGameOf(g);
  files.Replace(GameFilePath(g.GamePath), FileText(GameFileLayout(), s));
  files.Replace(MapFilePath(g.GamePath), FileText(MapFileLayout(), s));
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
  if (auto err = ParseItems(data, GameFileLayout(), saved)) {
    return DamagedFileMessage(gameFile, *err);
  }
  // GUARD: a value the game never writes (a hero outside the room's inner rows, a room no
  // room has, a number far beyond 16 bits) would be loaded as if it were whole, leaving the hero
  // in a black view he cannot leave or overflowing later arithmetic; it is refused as damage.
  if (auto err = FirstOutOfRange(GameFileLayout(), saved)) {
    return DamagedFileMessage(gameFile, *err);
  }
  if (auto err = ReadWholeFile(mapFile, data)) return err;
  if (auto err = ParseItems(data, MapFileLayout(), saved)) return DamagedFileMessage(mapFile, *err);
  if (auto err = FirstOutOfRange(MapFileLayout(), saved)) {
    return DamagedFileMessage(mapFile, *err);
  }
  out = std::move(saved);
  return std::nullopt;
}

void ApplySavedGame(Game& g, const SavedGame& s) {
  static_cast<SavedVariables&>(g) = s;
}

}  // namespace tq
