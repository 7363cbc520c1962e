// Readable room layouts (13 x 13 grids of two-letter codes) and their conversion to room files.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tq::roomgen {

inline constexpr int kRoomSize = 13;
inline constexpr int kCellCount = kRoomSize * kRoomSize;

// One code of the layout legend and the tile tag it stands for.
struct LegendEntry {
  std::string_view code;
  std::string_view tag;
};

// The layout legend. Every tag a designed room may hold has exactly one code; the sword pieces
// and SIBLING1 have none on purpose, because no shipped room may hold them.
inline constexpr std::array kLegend = {
    // ground and talk spots
    LegendEntry{"..", "FLOOR"},
    LegendEntry{"f1", "FLOWER1"},
    LegendEntry{"f2", "FLOWER2"},
    LegendEntry{"f3", "FLOWER3"},
    LegendEntry{"mu", "FLOWER4"},
    LegendEntry{"SM", "STONEMESS"},
    LegendEntry{"t1", "TALK1"},
    LegendEntry{"t2", "TALK2"},
    LegendEntry{"t3", "TALK3"},
    LegendEntry{"t4", "TALK4"},
    // items
    LegendEntry{"co", "COIN"},
    LegendEntry{"bg", "BAG"},
    LegendEntry{"gb", "GOLDBAG"},
    LegendEntry{"lp", "LIFEPOTION"},
    LegendEntry{"pp", "POWERPOTION"},
    LegendEntry{"ap", "APPLES"},
    LegendEntry{"bb", "BLUEBERRIES"},
    LegendEntry{"ls", "LIFESYMBOL"},
    LegendEntry{"ps", "POWERSYMBOL"},
    LegendEntry{"kg", "GOLDKEY"},
    LegendEntry{"kr", "REDKEY"},
    LegendEntry{"kp", "PURPLEKEY"},
    LegendEntry{"sh", "SHIRT"},
    // shop deeds
    LegendEntry{"$S", "SHIELD"},
    LegendEntry{"$T", "TORCH"},
    LegendEntry{"$B", "BOOK"},
    LegendEntry{"$G", "POTION"},
    LegendEntry{"$C", "BADGE"},
    LegendEntry{"$M", "MEDAL"},
    LegendEntry{"$b", "MAGICBAG"},
    LegendEntry{"$s", "SWORD"},
    LegendEntry{"$L", "LIFE"},
    LegendEntry{"$P", "POWER"},
    LegendEntry{"$F", "FOOD"},
    // exits, ladders and doors
    LegendEntry{"EX", "EXIT"},
    LegendEntry{"H1", "HOLE"},
    LegendEntry{"H2", "HOLE2"},
    LegendEntry{"H3", "HOLE3"},
    LegendEntry{"H5", "HOLE5"},
    LegendEntry{"RS", "RUINSTONE"},
    LegendEntry{"RN", "RUINSTONESNOW"},
    LegendEntry{"LU", "LADDERUP"},
    LegendEntry{"LD", "LADDERDOWN"},
    LegendEntry{"D1", "DOOR"},
    LegendEntry{"D2", "DOOR2"},
    LegendEntry{"D3", "DOOR3"},
    LegendEntry{"D4", "DOOR4"},
    LegendEntry{"GD", "GOLDDOOR"},
    LegendEntry{"RD", "REDDOOR"},
    LegendEntry{"PD", "PURPLEDOOR"},
    // water
    LegendEntry{"~~", "WATER"},
    LegendEntry{"^^", "NORTH"},
    LegendEntry{"vv", "SOUTH"},
    LegendEntry{">>", "EAST"},
    LegendEntry{"<<", "WEST"},
    LegendEntry{"UL", "ULCORNER"},
    LegendEntry{"UR", "URCORNER"},
    LegendEntry{"LL", "LLCORNER"},
    LegendEntry{"LR", "LRCORNER"},
    LegendEntry{"wa", "WUL"},
    LegendEntry{"wb", "WLL"},
    LegendEntry{"wc", "WUR"},
    LegendEntry{"wd", "WLR"},
    LegendEntry{"RV", "RIVER"},
    LegendEntry{"MO", "MOUTH"},
    LegendEntry{"LM", "LMOUTH"},
    LegendEntry{"SW", "SWAMP"},
    LegendEntry{"LI", "LILYPADS"},
    // trees and plants
    LegendEntry{"TR", "TREE"},
    LegendEntry{"ST", "STREE"},
    LegendEntry{"AT", "APPLETREE"},
    LegendEntry{"XT", "SWAMPTREE"},
    LegendEntry{"SU", "STUMP"},
    LegendEntry{"BU", "BUSH"},
    LegendEntry{"PL", "PLANT"},
    LegendEntry{"BP", "BERRYPLANT"},
    LegendEntry{"LG", "LOG"},
    LegendEntry{"XL", "SWAMPLOG"},
    // walls and furniture
    LegendEntry{"WL", "WALL"},
    LegendEntry{"SP", "SPWALL"},
    LegendEntry{"WI", "WINDOW"},
    LegendEntry{"RO", "ROOF"},
    LegendEntry{"CM", "CHIMNEY"},
    LegendEntry{"CR", "CRATE"},
    LegendEntry{"BA", "BARREL"},
    LegendEntry{"TB", "TABLE"},
    LegendEntry{"BD", "BED"},
    LegendEntry{"SH", "SHELF"},
    LegendEntry{"SG", "SIGN"},
    LegendEntry{"CH", "CHEST"},
    LegendEntry{"CF", "CAMPFIRE"},
    LegendEntry{"WE", "WELL"},
    LegendEntry{"AS", "ARMORSTAND"},
    LegendEntry{"WR", "WEAPONRACK"},
    // people
    LegendEntry{"C1", "COUNTER"},
    LegendEntry{"C2", "COUNTER2"},
    LegendEntry{"C3", "COUNTER3"},
    LegendEntry{"C4", "COUNTER4"},
    LegendEntry{"E1", "ELF1"},
    LegendEntry{"E2", "ELF2"},
    LegendEntry{"E3", "ELF3"},
    LegendEntry{"E4", "ELF4"},
    // monsters
    LegendEntry{"Wy", "WYVERN"},
    LegendEntry{"Og", "OGRE"},
    LegendEntry{"De", "DEMON"},
    LegendEntry{"DL", "DEMON LORD"},
    LegendEntry{"Pl", "PLATER"},
    LegendEntry{"Nw", "NEWT"},
    LegendEntry{"Zo", "ZOMBIE"},
    LegendEntry{"Bt", "BAT"},
    LegendEntry{"Dr", "DRAGON"},
    LegendEntry{"Th", "THIEF"},
    LegendEntry{"Be", "BEETLE"},
    LegendEntry{"Sa", "SALAMANDER"},
    LegendEntry{"Kn", "KNIGHT"},
    LegendEntry{"SD", "SHADOW DEMON"},
    LegendEntry{"IP", "ICE PLATER"},
    LegendEntry{"SB", "SHADOW BOSS"},
    LegendEntry{"VV", "VEV"},
    // other
    LegendEntry{"BK", "BLACK"},
    LegendEntry{"RK", "ROCKS"},
};

// The tag a layout code stands for, or nothing for an unknown code.
inline std::optional<std::string_view> TagForCode(std::string_view code) {
  for (const LegendEntry& entry : kLegend) {
    if (entry.code == code) return entry.tag;
  }
  return std::nullopt;
}

// One designed room: its file number, ground code and 169 tags in row-major order.
struct RoomLayout {
  int number = 0;
  int ground = 0;
  std::array<std::string, kCellCount> tags;
  std::string origin;  // "file:line" of the room's header, for messages
};

// Layouts parsed from one text, or the first problem found.
struct LayoutParse {
  std::vector<RoomLayout> rooms;
  std::string error;  // empty when every room parsed
};

namespace detail {

inline std::string_view StripComment(std::string_view line) {
  if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
    line = line.substr(0, hash);
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  return line;
}

inline bool ParseWhole(std::string_view text, int& out) {
  if (text.empty() || text.size() > 6) return false;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  out = value;
  return true;
}

// Splits "a b c" on single spaces; codes never contain a space.
inline std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start < line.size()) {
    while (start < line.size() && line[start] == ' ') ++start;
    std::size_t end = start;
    while (end < line.size() && line[end] != ' ') ++end;
    if (end > start) words.push_back(line.substr(start, end - start));
    start = end;
  }
  return words;
}

}  // namespace detail

// Parses a layout text: blocks of a header "room <n> ground <g>" followed by 13 rows of 13 codes.
// Blank lines and text after '#' are ignored.
inline LayoutParse ParseLayouts(std::string_view text, std::string_view fileName) {
  LayoutParse result;
  std::vector<std::pair<int, std::string_view>> lines;  // line number, content
  int lineNumber = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    const std::string_view content = detail::StripComment(text.substr(start, end - start));
    if (!content.empty()) lines.emplace_back(lineNumber, content);
    start = end + 1;
  }
  const auto where = [&](int at) { return std::string(fileName) + ":" + std::to_string(at); };
  std::size_t i = 0;
  while (i < lines.size()) {
    const auto [headerLine, header] = lines[i];
    const std::vector<std::string_view> words = detail::Words(header);
    RoomLayout room;
    if (words.size() != 4 || words[0] != "room" || words[2] != "ground" ||
        !detail::ParseWhole(words[1], room.number) || !detail::ParseWhole(words[3], room.ground) ||
        room.ground > 3) {
      result.error = where(headerLine) + ": expected \"room <number> ground <0..3>\"";
      return result;
    }
    room.origin = where(headerLine);
    for (int row = 0; row < kRoomSize; ++row) {
      ++i;
      if (i >= lines.size()) {
        result.error = room.origin + ": room " + std::to_string(room.number) + " has only " +
                       std::to_string(row) + " rows";
        return result;
      }
      const std::vector<std::string_view> codes = detail::Words(lines[i].second);
      if (codes.size() != kRoomSize) {
        result.error =
            where(lines[i].first) + ": a row needs 13 codes, found " + std::to_string(codes.size());
        return result;
      }
      for (int col = 0; col < kRoomSize; ++col) {
        const std::optional<std::string_view> tag = TagForCode(codes[col]);
        if (!tag) {
          result.error = where(lines[i].first) + ": unknown code \"" + std::string(codes[col]) +
                         "\" in column " + std::to_string(col);
          return result;
        }
        room.tags[row * kRoomSize + col] = std::string(*tag);
      }
    }
    ++i;
    result.rooms.push_back(std::move(room));
  }
  return result;
}

// The exact bytes of a room file: 169 quoted tags and the bare ground code, each line ending CR LF.
inline std::string RenderRoomFile(const RoomLayout& room) {
  std::string out;
  out.reserve(kCellCount * 10);
  for (const std::string& tag : room.tags) {
    out += '"';
    out += tag;
    out += "\"\r\n";
  }
  out += std::to_string(room.ground);
  out += "\r\n";
  return out;
}

}  // namespace tq::roomgen
