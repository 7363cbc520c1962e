// Checks the 93 shipped room files against the rules that keep every room playable.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../../tools/roomgen/room_layout.h"
#include "game/monster_table.h"
#include "game/tile_vocabulary.h"
#include "world/room_file.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// The template batches a new game copies, in the generator's order, and the rooms they become.
constexpr std::array kDungeon1 = {450, 440, 439, 438, 441, 442, 431, 421};
constexpr std::array kDungeon2 = {420, 410, 409, 419, 429, 411, 412, 422, 432, 433};
constexpr std::array kDungeon3 = {498, 499, 489, 490, 479, 478, 469, 470, 460,
                                  461, 462, 463, 451, 452, 473, 474, 484};
constexpr std::array kBatch4 = {600, 601, 602, 603, 604, 612, 614, 615, 622, 623, 624, 625, 610,
                                619, 620, 621, 629, 630, 639, 631, 640, 641, 642, 643, 644};

enum class Area { Overland, Shop, Dungeon1, Dungeon2, Dungeon3, FarNorth, IceDungeon, Hideout };

// Batch-4 templates 13..23 in the list may be given an ice monster by a new game.
bool GetsIceMonster(int file) {
  const auto* pos = std::find(kBatch4.begin(), kBatch4.end(), file);
  const auto index = pos - kBatch4.begin();
  return pos != kBatch4.end() && index >= 12 && index <= 22;
}

int PlayRoomOf(int file) {
  if (file == 643) return 1039;
  if (file == 644) return 1041;
  if ((file >= 409 && file <= 499) || (file >= 600 && file <= 642)) return file + 100;
  return file;
}

Area AreaOf(int file) {
  const auto in = [file](const auto& list) {
    return std::find(list.begin(), list.end(), file) != list.end();
  };
  if (file >= 200 && file <= 228) return Area::Overland;
  if (file >= 401 && file <= 404) return Area::Shop;
  if (in(kDungeon1)) return Area::Dungeon1;
  if (in(kDungeon2)) return Area::Dungeon2;
  if (in(kDungeon3)) return Area::Dungeon3;
  if (file == 643 || file == 644) return Area::Hideout;
  const int room = PlayRoomOf(file);
  const bool outdoors = room == 700 || room == 710 || room == 719 || room == 720 || room == 721 ||
                        room == 729 || room == 730 || room == 731 || room >= 739;
  return outdoors ? Area::FarNorth : Area::IceDungeon;
}

std::vector<int> ExpectedFiles() {
  std::vector<int> files;
  for (int t = 200; t <= 228; ++t) files.push_back(t);
  for (int s = 401; s <= 404; ++s) files.push_back(s);
  files.insert(files.end(), kDungeon1.begin(), kDungeon1.end());
  files.insert(files.end(), kDungeon2.begin(), kDungeon2.end());
  files.insert(files.end(), kDungeon3.begin(), kDungeon3.end());
  files.insert(files.end(), kBatch4.begin(), kBatch4.end());
  return files;
}

struct Shipped {
  int file = 0;
  int room = 0;
  Area area = Area::Overland;
  RoomFile grid;
  int ground = -1;
  const std::string& at(int r, int c) const { return grid.tags[r][c]; }
};

fs::path FilesDir() {
  return fs::path(TQ_SOURCE_DIR) / "data" / "Files";
}

// Every shipped room, read with the game's own reader, by file number.
const std::map<int, Shipped>& Rooms() {
  static const std::map<int, Shipped> rooms = [] {
    std::map<int, Shipped> out;
    for (const int file : ExpectedFiles()) {
      Shipped room;
      room.file = file;
      room.room = PlayRoomOf(file);
      room.area = AreaOf(file);
      const std::string path = (FilesDir() / ("ROOM" + std::to_string(file))).string();
      if (const auto error = ReadRoomFile(path, room.grid)) {
        ADD_FAILURE() << *error;
        continue;
      }
      room.ground =
          room.grid.GroundCode.isNumber() ? static_cast<int>(room.grid.GroundCode.num()) : -1;
      out.emplace(file, std::move(room));
    }
    return out;
  }();
  return rooms;
}

// The room a play number stands for, or nullptr.
const Shipped* ByRoom(int room) {
  for (const auto& [file, shipped] : Rooms()) {
    if (shipped.room == room && shipped.area != Area::Overland) return &shipped;
  }
  return nullptr;
}

bool IsWalkable(std::string_view tag) {
  const auto group = GroupOf(tag);
  return tag == "EXIT" || group == TileGroup::Ground || group == TileGroup::Item ||
         group == TileGroup::Ladder;
}

// Walkable, and no monster can ever step onto it or be put on it by a new game.
bool IsMonsterProof(std::string_view tag) {
  return IsWalkable(tag) && tag != "FLOOR" && tag != "FLOWER1" && tag != "FLOWER2" &&
         tag != "FLOWER3";
}

// Tags that can neither be entered nor broken into something that can.
bool IsSafeRingTag(std::string_view tag, int ground) {
  static const std::set<std::string_view> safe = {
      "WALL",  "WINDOW", "ROOF",     "CHIMNEY",    "BUSH",       "SWAMPTREE", "STUMP",
      "SHELF", "WELL",   "CAMPFIRE", "ARMORSTAND", "WEAPONRACK", "BLACK"};
  if (tag == "TREE") return ground == 0 || ground == 3;
  if (GroupOf(tag) == TileGroup::Water) return tag != "WATER";
  if (GroupOf(tag) == TileGroup::People) return true;
  return safe.count(tag) > 0;
}

struct Cell {
  int r;
  int c;
};
constexpr std::array<Cell, 4> kExitCells = {Cell{1, 6}, Cell{11, 6}, Cell{6, 1}, Cell{6, 11}};

bool IsRingEdge(int r, int c) {
  return r == 1 || r == 11 || c == 1 || c == 11;
}

std::vector<Cell> FindAll(const Shipped& room, std::string_view tag) {
  std::vector<Cell> cells;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      if (room.at(r, c) == tag) cells.push_back({r, c});
    }
  }
  return cells;
}

std::vector<Cell> Monsters(const Shipped& room) {
  std::vector<Cell> cells;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      if (IsMonster(room.at(r, c))) cells.push_back({r, c});
    }
  }
  return cells;
}

bool IsSwampTemplate(const Shipped& room) {
  return room.area == Area::Overland && room.at(1, 1) == "SWAMPTREE";
}

// A room that holds a monster now or may be given one by a new game.
bool MayHoldMonster(const Shipped& room) {
  return !Monsters(room).empty() || (IsSwampTemplate(room) && room.file != 213) ||
         GetsIceMonster(room.file) || room.area == Area::Hideout;
}

std::string Where(const Shipped& room, int r, int c) {
  return "file ROOM" + std::to_string(room.file) + " (room " + std::to_string(room.room) +
         ") cell (" + std::to_string(r) + "," + std::to_string(c) + ") \"" + room.at(r, c) + "\"";
}

TEST(ShippedRooms, EveryFileIsWrittenFromItsLayout) {
  std::map<int, std::string> rendered;
  for (const fs::directory_entry& entry :
       fs::directory_iterator(fs::path(TQ_SOURCE_DIR) / "data" / "rooms")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const roomgen::LayoutParse parsed =
        roomgen::ParseLayouts(text, entry.path().filename().string());
    ASSERT_EQ(parsed.error, "");
    for (const roomgen::RoomLayout& layout : parsed.rooms) {
      EXPECT_TRUE(rendered.emplace(layout.number, roomgen::RenderRoomFile(layout)).second)
          << layout.origin << " lays out room " << layout.number << " a second time";
    }
  }
  std::set<int> onDisk;
  for (const fs::directory_entry& entry : fs::directory_iterator(FilesDir())) {
    const std::string name = entry.path().filename().string();
    ASSERT_EQ(name.rfind("ROOM", 0), 0U) << "unexpected file " << name;
    onDisk.insert(std::stoi(name.substr(4)));
  }
  const std::vector<int> expected = ExpectedFiles();
  EXPECT_EQ(onDisk, std::set<int>(expected.begin(), expected.end()));
  EXPECT_EQ(rendered.size(), expected.size());
  for (const auto& [number, bytes] : rendered) {
    std::ifstream in(FilesDir() / ("ROOM" + std::to_string(number)), std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(file, bytes) << "ROOM" << number << " differs from its layout; run roomgen";
  }
}

TEST(ShippedRooms, EveryFileHoldsKnownTagsAndTheGroundOfItsArea) {
  ASSERT_EQ(Rooms().size(), ExpectedFiles().size());
  for (const auto& [file, room] : Rooms()) {
    for (int r = 0; r < kRoomSize; ++r) {
      for (int c = 0; c < kRoomSize; ++c) {
        EXPECT_TRUE(IsTileTag(room.at(r, c))) << Where(room, r, c);
        EXPECT_FALSE(room.at(r, c).rfind("SWORD", 0) == 0 && room.at(r, c) != "SWORD")
            << "a sword piece only ever comes from a knight's chest: " << Where(room, r, c);
        EXPECT_NE(room.at(r, c), "SIBLING1") << Where(room, r, c);
      }
    }
    int expected = 0;
    switch (room.area) {
      case Area::Overland:
        expected = 0;
        break;
      case Area::Shop:
        expected = 2;
        break;
      case Area::Dungeon1:
      case Area::Dungeon2:
      case Area::Dungeon3:
      case Area::Hideout:
        expected = 1;
        break;
      case Area::FarNorth:
      case Area::IceDungeon:
        expected = 3;
        break;
    }
    EXPECT_EQ(room.ground, expected) << "ground code of ROOM" << file;
  }
}

TEST(ShippedRooms, TheOuterRingIsBlackAndTheNextRingHoldsNothingToStandOn) {
  for (const auto& [file, room] : Rooms()) {
    for (int r = 0; r < kRoomSize; ++r) {
      for (int c = 0; c < kRoomSize; ++c) {
        if (r == 0 || r == 12 || c == 0 || c == 12) {
          EXPECT_EQ(room.at(r, c), "BLACK") << Where(room, r, c);
        } else if (IsRingEdge(r, c)) {
          const bool exitCell = std::any_of(kExitCells.begin(), kExitCells.end(),
                                            [&](Cell e) { return e.r == r && e.c == c; });
          if (room.at(r, c) == "EXIT") {
            EXPECT_TRUE(exitCell) << "an exit off the four doorways: " << Where(room, r, c);
          } else {
            EXPECT_TRUE(IsSafeRingTag(room.at(r, c), room.ground))
                << "the hero could end up standing in the ring: " << Where(room, r, c);
          }
        }
      }
    }
  }
}

// The room an edge exit of `room` leads to, by the edge rules (room 520's west door is special).
int EdgeTarget(const Shipped& room, Cell exit) {
  if (exit.r == 11) return room.room + 10;
  if (exit.r == 1) return room.room - 10;
  if (exit.c == 1) return room.room == 520 ? 519 : room.room - 1;
  return room.room + 1;
}

// Where the hero lands after walking through `exit` into the next room.
Cell EdgeLanding(const Shipped& room, Cell exit) {
  if (exit.r == 11) return {2, exit.c};
  if (exit.r == 1) return {10, exit.c};
  if (exit.c == 1) return room.room == 520 ? Cell{6, 10} : Cell{exit.r, 10};
  return {exit.r, 2};
}

Cell Mirror(Cell exit) {
  if (exit.r == 11) return {1, exit.c};
  if (exit.r == 1) return {11, exit.c};
  if (exit.c == 1) return {exit.r, 11};
  return {exit.r, 1};
}

TEST(ShippedRooms, EveryExitLeadsToARoomOfTheSameAreaWithAWayBack) {
  // The south doors by which the three dungeons and the ice dungeon are left.
  const std::set<int> wayOut = {550, 520, 561, 701};
  for (const auto& [file, room] : Rooms()) {
    for (const Cell exit : kExitCells) {
      const bool open = room.at(exit.r, exit.c) == "EXIT";
      if (room.area == Area::Overland) {
        EXPECT_TRUE(open) << "an overland room needs all four sides: "
                          << Where(room, exit.r, exit.c);
        continue;
      }
      if (room.area == Area::Shop || room.area == Area::Hideout) {
        EXPECT_EQ(open, room.area == Area::Shop && exit.r == 11)
            << "a shop is left only by its south door, a hideout only by its ladder: "
            << Where(room, exit.r, exit.c);
        continue;
      }
      if (!open) continue;
      if (exit.r == 11 && wayOut.count(room.room) > 0) continue;
      const int target = EdgeTarget(room, exit);
      const Shipped* next = ByRoom(target);
      ASSERT_NE(next, nullptr) << "leads to room " << target
                               << ", which no file becomes: " << Where(room, exit.r, exit.c);
      EXPECT_EQ(next->area, room.area)
          << "leads out of its area to room " << target << ": " << Where(room, exit.r, exit.c);
      const Cell back = room.room == 520 && exit.c == 1 ? Cell{6, 11} : Mirror(exit);
      EXPECT_EQ(next->at(back.r, back.c), "EXIT")
          << "room " << target << " has no door back to " << Where(room, exit.r, exit.c);
    }
  }
  // In room 560 any step down onto an EXIT leaves the dungeon, wherever the EXIT lies.
  for (const Cell at : FindAll(*ByRoom(560), "EXIT")) {
    EXPECT_TRUE(IsRingEdge(at.r, at.c)) << Where(*ByRoom(560), at.r, at.c);
  }
  for (const int entry : wayOut) {
    ASSERT_NE(ByRoom(entry), nullptr);
    EXPECT_EQ(ByRoom(entry)->at(11, 6), "EXIT") << "room " << entry << " must have its way out";
  }
}

// One cell the rules drop the hero on.
struct Drop {
  int room;  // play number; overland templates by file number
  Cell cell;
  std::string_view why;
};

std::vector<Drop> FixedDrops() {
  std::vector<Drop> drops = {{206, {8, 6}, "the start of a new game"},
                             {550, {10, 6}, "the HOLE"},
                             {520, {10, 6}, "HOLE2"},
                             {561, {10, 6}, "HOLE3"},
                             {701, {10, 6}, "HOLE5"},
                             {700, {2, 6}, "the RUINSTONE"},
                             {519, {6, 10}, "the west door of room 520"}};
  for (int shop = 401; shop <= 404; ++shop) drops.push_back({shop, {10, 6}, "a shop door"});
  // The cell each way in returns the hero to (or where he stands to use it).
  const std::map<std::string_view, Cell> back = {
      {"HOLE", {4, 10}},   {"HOLE2", {6, 6}}, {"HOLE3", {7, 8}},
      {"HOLE5", {10, 10}}, {"DOOR", {8, 6}},  {"DOOR2", {8, 6}},
      {"DOOR3", {7, 6}},   {"DOOR4", {8, 6}}, {"RUINSTONE", {0, 0}}};
  for (const auto& [file, room] : Rooms()) {
    for (const auto& [tag, cell] : back) {
      for (const Cell at : FindAll(room, tag)) {
        // Every one of them is used from the cell below; holes and doors also return there.
        drops.push_back({room.area == Area::Overland ? file : room.room, {at.r + 1, at.c}, tag});
        if (tag != "RUINSTONE") {
          drops.push_back({room.area == Area::Overland ? file : room.room, cell, tag});
        }
      }
    }
  }
  return drops;
}

const Shipped* ByPlayOrTemplate(int number) {
  if (number >= 200 && number <= 228) return &Rooms().at(number);
  return ByRoom(number);
}

TEST(ShippedRooms, EveryCellWhereTheHeroArrivesCanBeEntered) {
  std::vector<Drop> drops = FixedDrops();
  for (const auto& [file, room] : Rooms()) {
    if (room.area == Area::Shop || room.area == Area::Hideout) continue;
    for (const Cell exit : kExitCells) {
      if (room.at(exit.r, exit.c) != "EXIT") continue;
      if (room.area == Area::Overland) {
        // Any neighbour may lead in from this side.
        const Cell in = exit.r == 1    ? Cell{2, 6}
                        : exit.r == 11 ? Cell{10, 6}
                        : exit.c == 1  ? Cell{6, 2}
                                       : Cell{6, 10};
        drops.push_back({file, in, "an overland side"});
        continue;
      }
      if (exit.r == 11 &&
          (room.room == 550 || room.room == 520 || room.room == 561 || room.room == 701)) {
        continue;
      }
      drops.push_back({EdgeTarget(room, exit), EdgeLanding(room, exit), "an edge exit"});
    }
  }
  for (const Drop& drop : drops) {
    const Shipped* room = ByPlayOrTemplate(drop.room);
    ASSERT_NE(room, nullptr) << drop.why << " drops into room " << drop.room;
    const std::string& tag = room->at(drop.cell.r, drop.cell.c);
    EXPECT_TRUE(drop.cell.r >= 2 && drop.cell.r <= 10 && drop.cell.c >= 2 && drop.cell.c <= 10)
        << drop.why << ": " << Where(*room, drop.cell.r, drop.cell.c);
    EXPECT_TRUE(IsWalkable(tag)) << drop.why << ": " << Where(*room, drop.cell.r, drop.cell.c);
    if (MayHoldMonster(*room)) {
      EXPECT_TRUE(IsMonsterProof(tag))
          << drop.why << " in a room with a monster needs a cell no monster can take: "
          << Where(*room, drop.cell.r, drop.cell.c);
    }
  }
}

TEST(ShippedRooms, ColouredDoorsKeepTheHeroInsideTheRoom) {
  constexpr std::array<Cell, 4> steps = {Cell{-1, 0}, Cell{1, 0}, Cell{0, -1}, Cell{0, 1}};
  for (const auto& [file, room] : Rooms()) {
    for (const std::string_view tag : {"GOLDDOOR", "REDDOOR", "PURPLEDOOR"}) {
      for (const Cell door : FindAll(room, tag)) {
        bool passable = false;
        for (const Cell step : steps) {
          if (tag == "PURPLEDOOR" && step.c != 0) continue;  // opened only going up or down
          const Cell from{door.r - step.r, door.c - step.c};
          const Cell beyond{door.r + step.r, door.c + step.c};
          if (!IsWalkable(room.at(from.r, from.c))) continue;
          EXPECT_TRUE(beyond.r >= 2 && beyond.r <= 10 && beyond.c >= 2 && beyond.c <= 10)
              << "passing would land in the ring: " << Where(room, door.r, door.c);
          passable = passable || IsWalkable(room.at(beyond.r, beyond.c));
        }
        EXPECT_TRUE(passable) << "a door nobody can pass: " << Where(room, door.r, door.c);
      }
    }
  }
}

TEST(ShippedRooms, MonstersStandOnePerRoomAndOfTheRightKind) {
  const std::set<std::string_view> overlandKinds = {"WYVERN", "PLATER", "NEWT", "BEETLE"};
  for (const auto& [file, room] : Rooms()) {
    const std::vector<Cell> monsters = Monsters(room);
    for (const Cell m : monsters) {
      const std::string& tag = room.at(m.r, m.c);
      if (tag == "VEV" || tag == "SHADOW BOSS") {
        EXPECT_EQ(room.room, 704) << Where(room, m.r, m.c);
      }
      if (room.area == Area::Overland) {
        EXPECT_TRUE(overlandKinds.count(tag) > 0) << Where(room, m.r, m.c);
      }
    }
    if (room.room == 704) continue;
    EXPECT_LE(monsters.size(), 1U) << "ROOM" << file << " holds more than one monster";
    if (room.area == Area::Shop || room.area == Area::Hideout || GetsIceMonster(file) ||
        IsSwampTemplate(room) || room.room == 700 || room.room == 519 || room.room == 520) {
      EXPECT_TRUE(monsters.empty()) << "ROOM" << file << " must hold no monster of its own";
    }
  }
}

TEST(ShippedRooms, NoMonsterSharesARoomWithTheSpentRuinstone) {
  // Standing south of the spent RUINSTONE, the hero hears it again on every redraw a monster's
  // step makes, and the room's monster comes back with its hit points whole each time.
  int spent = 0;
  for (const auto& [file, room] : Rooms()) {
    bool ruinstone = false;
    for (int r = 0; r < kRoomSize; ++r)
      for (int c = 0; c < kRoomSize; ++c) ruinstone = ruinstone || room.at(r, c) == "RUINSTONESNOW";
    if (!ruinstone) continue;
    ++spent;
    EXPECT_TRUE(Monsters(room).empty()) << "ROOM" << file;
    EXPECT_FALSE(GetsIceMonster(file)) << "ROOM" << file << " may be given a monster";
  }
  EXPECT_EQ(spent, 1);  // the Far North's landing
}

TEST(ShippedRooms, ThreeKnightsGuardTheOnlyChestsOfTheDeepRooms) {
  std::map<Area, int> knights;
  int overlandChests = 0;
  for (const auto& [file, room] : Rooms()) {
    const auto chests = FindAll(room, "CHEST").size();
    const auto knightsHere = FindAll(room, "KNIGHT").size();
    if (room.area == Area::Overland) {
      overlandChests += static_cast<int>(chests);
      EXPECT_EQ(knightsHere, 0U) << "ROOM" << file;
    } else if (room.area == Area::Shop) {
      EXPECT_EQ(chests + knightsHere, 0U) << "ROOM" << file;
    } else {
      // Each of these would hand out one more piece of the sword.
      EXPECT_EQ(chests, room.room == 703 ? 1U : 0U) << "ROOM" << file;
      if (knightsHere > 0) knights[room.area] += static_cast<int>(knightsHere);
    }
  }
  EXPECT_EQ(overlandChests, 3) << "one chest for each key";
  EXPECT_EQ(knights,
            (std::map<Area, int>{{Area::Dungeon1, 1}, {Area::Dungeon2, 1}, {Area::Dungeon3, 1}}));
}

TEST(ShippedRooms, LaddersComeInPairsBetweenTheFarNorthAndTheHideouts) {
  std::map<int, std::vector<Cell>> downs;
  std::map<int, std::vector<Cell>> ups;
  for (const auto& [file, room] : Rooms()) {
    for (const std::string_view tag : {"LADDERDOWN", "STREE"}) {
      for (const Cell at : FindAll(room, tag)) downs[room.room].push_back(at);
    }
    for (const Cell at : FindAll(room, "LADDERUP")) ups[room.room].push_back(at);
    EXPECT_NE(room.at(0, 0), "LADDERUP");
  }
  ASSERT_EQ(downs.size(), 2U);
  ASSERT_EQ(ups.size(), 2U);
  for (const int top : {739, 741}) {
    ASSERT_EQ(downs[top].size(), 1U) << "room " << top;
    ASSERT_EQ(ups[top + 300].size(), 1U) << "room " << top + 300;
    EXPECT_EQ(downs[top][0].r, ups[top + 300][0].r);
    EXPECT_EQ(downs[top][0].c, ups[top + 300][0].c);
  }
  // A new game puts the thief on these cells, so they are floor with room to move.
  for (const auto& [room, thief] : std::map<int, Cell>{{1039, {5, 6}}, {1041, {6, 4}}}) {
    const Shipped& hideout = *ByRoom(room);
    EXPECT_EQ(hideout.at(thief.r, thief.c), "FLOOR") << "room " << room;
    EXPECT_TRUE(hideout.at(thief.r - 1, thief.c) == "FLOOR" ||
                hideout.at(thief.r + 1, thief.c) == "FLOOR" ||
                hideout.at(thief.r, thief.c - 1) == "FLOOR" ||
                hideout.at(thief.r, thief.c + 1) == "FLOOR");
  }
}

TEST(ShippedRooms, EachWayInExistsOnceInItsArea) {
  const std::map<std::string_view, std::set<Area>> where = {
      {"HOLE", {Area::Overland}},         {"HOLE2", {Area::Overland}}, {"HOLE3", {Area::Overland}},
      {"RUINSTONE", {Area::Overland}},    {"DOOR", {Area::Overland}},  {"DOOR2", {Area::Overland}},
      {"DOOR3", {Area::Overland}},        {"HOLE5", {Area::FarNorth}}, {"DOOR4", {Area::FarNorth}},
      {"RUINSTONESNOW", {Area::FarNorth}}};
  for (const auto& [tag, areas] : where) {
    int count = 0;
    for (const auto& [file, room] : Rooms()) {
      for (const Cell at : FindAll(room, tag)) {
        ++count;
        EXPECT_TRUE(areas.count(room.area) > 0) << Where(room, at.r, at.c);
        EXPECT_NE(room.room, 719) << "room 719 loses every DOOR4 as it is read";
        if (tag == "DOOR3") {
          EXPECT_FALSE(at.r == 7 && at.c == 6) << Where(room, at.r, at.c);
        }
        if (tag == "RUINSTONESNOW") {
          EXPECT_TRUE(IsWalkable(room.at(at.r - 1, at.c))) << "nobody could face it from above";
        }
      }
    }
    EXPECT_EQ(count, 1) << tag;
  }
}

TEST(ShippedRooms, TheHomeAndTheSwampsAreMarkedAsTheGeneratorExpects) {
  EXPECT_TRUE(IsWalkable(Rooms().at(206).at(8, 6)));
  std::set<int> swamps;
  for (int t = 200; t <= 228; ++t) {
    if (Rooms().at(t).at(1, 1) == "SWAMPTREE") swamps.insert(t);
  }
  EXPECT_EQ(swamps, (std::set<int>{208, 209, 213, 214, 215, 222}));
}

TEST(ShippedRooms, VevWaitsInAChamberOpenedOnlyByTheBanner) {
  const Shipped& lair = *ByRoom(704);
  EXPECT_EQ(lair.at(5, 6), "SHELF");
  EXPECT_TRUE(IsWalkable(lair.at(4, 6)));
  EXPECT_TRUE(IsWalkable(lair.at(6, 6)));
  const std::vector<Cell> monsters = Monsters(lair);
  ASSERT_EQ(monsters.size(), 2U);
  EXPECT_EQ(lair.at(monsters[0].r, monsters[0].c), "VEV") << "VEV must be read first";
  EXPECT_EQ(lair.at(monsters[1].r, monsters[1].c), "SHADOW BOSS");
  EXPECT_LT(monsters[0].r, 5);
  EXPECT_GT(monsters[1].r, 5);
  // Row 5 is solid wall but for the banner: nothing breaks into the chamber from below.
  for (int c = 1; c <= 11; ++c) {
    if (c != 6) {
      EXPECT_EQ(lair.at(5, c), "WALL") << "cell (5," << c << ")";
    }
  }
  EXPECT_TRUE(Monsters(*ByRoom(700)).empty()) << "the RUINSTONE's message disarms monsters there";
  EXPECT_TRUE(IsWalkable(ByRoom(700)->at(2, 6)));
}

TEST(ShippedRooms, CellsTheReaderCorrectsAlreadyHoldTheCorrection) {
  EXPECT_EQ(ByRoom(519)->at(6, 10), "FLOOR");
  EXPECT_EQ(ByRoom(511)->at(2, 5), "WALL");
  EXPECT_EQ(ByRoom(511)->at(4, 5), "WALL");
  EXPECT_EQ(Rooms().at(403).at(6, 9), "FLOOR");
  EXPECT_TRUE(FindAll(*ByRoom(719), "DOOR4").empty());
}

TEST(ShippedRooms, ShopsHoldOnlyWhatLastsForever) {
  // Shops are never rebuilt: anything taken or broken would be gone in every later game.
  const std::set<std::string_view> decor = {
      "FLOOR", "FLOWER1",    "FLOWER2",    "FLOWER3", "FLOWER4",  "EXIT",  "WALL",     "WINDOW",
      "SHELF", "ARMORSTAND", "WEAPONRACK", "WELL",    "CAMPFIRE", "BLACK", "GOLDDOOR", "REDDOOR"};
  std::set<std::string_view> sold;
  for (int shop = 401; shop <= 404; ++shop) {
    const Shipped& room = Rooms().at(shop);
    int keepers = 0;
    for (int r = 0; r < kRoomSize; ++r) {
      for (int c = 0; c < kRoomSize; ++c) {
        const std::string& tag = room.at(r, c);
        if (GroupOf(tag) == TileGroup::ShopDeed) {
          sold.insert(*std::find(AllTileTags().begin(), AllTileTags().end(), tag));
          EXPECT_FALSE(r == 10 && c == 6) << "standing on a deed buys it again at every redraw";
        } else if (tag.rfind("COUNTER", 0) == 0) {
          ++keepers;
        } else {
          EXPECT_TRUE(decor.count(tag) > 0) << Where(room, r, c);
        }
      }
    }
    EXPECT_EQ(keepers, 1) << "ROOM" << shop;
  }
  EXPECT_EQ(sold.size(), TagsOf(TileGroup::ShopDeed).size()) << "every deed is on sale somewhere";
}

}  // namespace
}  // namespace tq
