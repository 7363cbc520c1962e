// Room files: their bytes on disk, round trips of every shipped room, and damaged files that
// must be refused without touching the room already held.
#include "world/room_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "kit/file_bytes.h"
#include "kit/file_mutations.h"
#include "kit/headless_game.h"
#include "platform/seq_file.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using kit::Slurp;
using kit::Spit;

std::vector<std::string> SplitCrLf(const std::string& s) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = s.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(s.substr(start, at - start));
  }
  EXPECT_EQ(start, s.size()) << "text after the last CR LF";
  return lines;
}

RoomFile SampleRoom() {
  RoomFile room;
  for (int r = 0; r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      const bool edge = r == 0 || c == 0 || r == 12 || c == 12;
      room.tags[r][c] = edge ? "BLACK" : "FLOOR";
    }
  }
  room.tags[1][6] = "EXIT";
  room.tags[4][7] = "ICE PLATER";
  room.tags[11][11] = "TREE";
  room.GroundCode = Value(3);
  return room;
}

TEST(RoomFile, PathIsTheRoomNumberWithoutPaddingOrExtension) {
  EXPECT_EQ(RoomFilePath("/game/", Value(45)), "/game/Files/ROOM45");
  EXPECT_EQ(RoomFilePath("/game/", Value(1039)), "/game/Files/ROOM1039");
}

TEST(RoomFile, OneQuotedTagPerLineRowByRowThenTheGroundCode) {
  kit::TempFolder tmp;
  const fs::path file = tmp.path() / "Files" / "ROOM45";  // Files/ does not exist yet
  ASSERT_EQ(WriteRoomFile(file.string(), SampleRoom()), std::nullopt);
  const auto lines = SplitCrLf(Slurp(file));
  ASSERT_EQ(lines.size(), 170u);
  EXPECT_EQ(lines[0], "\"BLACK\"");
  EXPECT_EQ(lines[13 * 1 + 6], "\"EXIT\"");
  EXPECT_EQ(lines[13 * 4 + 7], "\"ICE PLATER\"");
  EXPECT_EQ(lines[13 * 11 + 11], "\"TREE\"");
  EXPECT_EQ(lines[14], "\"FLOOR\"");
  EXPECT_EQ(lines[169], "3");
}

TEST(RoomFile, GroundCodeComesBackExactlyAsItWasRead) {
  kit::TempFolder tmp;
  const std::string path = (tmp.path() / "ROOM9").string();
  for (const Value& code : {Value(), Value(0), Value(4), Value(-1), Value("2")}) {
    RoomFile room = SampleRoom();
    room.GroundCode = code;
    ASSERT_EQ(WriteRoomFile(path, room), std::nullopt);
    RoomFile back;
    ASSERT_EQ(ReadRoomFile(path, back), std::nullopt);
    EXPECT_EQ(back.GroundCode.kind(), code.kind());
    EXPECT_EQ(back.GroundCode.str(), code.str());
    EXPECT_EQ(back.tags, room.tags);
  }
}

TEST(RoomFile, EveryShippedRoomReadsAndWritesBackByteForByte) {
  kit::TempFolder tmp;
  int rooms = 0;
  for (const auto& e : fs::directory_iterator(fs::path(TQ_SOURCE_DIR) / "data" / "Files")) {
    SCOPED_TRACE(e.path().string());
    RoomFile room;
    ASSERT_EQ(ReadRoomFile(e.path().string(), room), std::nullopt);
    const fs::path copy = tmp.path() / e.path().filename();
    ASSERT_EQ(WriteRoomFile(copy.string(), room), std::nullopt);
    EXPECT_EQ(Slurp(copy), Slurp(e.path()));
    ++rooms;
  }
  EXPECT_EQ(rooms, 93);
}

TEST(RoomFile, EditedLayoutsReadTheSame) {
  kit::TempFolder tmp;
  const fs::path file = tmp.path() / "ROOM1";
  ASSERT_EQ(WriteRoomFile(file.string(), SampleRoom()), std::nullopt);
  const std::string crlf = Slurp(file);
  std::string lf, oneLine;
  for (char c : crlf) {
    if (c != '\r') lf += c;
    if (c != '\r') oneLine += c == '\n' ? ',' : c;
  }
  oneLine.pop_back();
  for (const auto& variant : {lf, oneLine}) {
    Spit(file, variant);
    RoomFile room;
    ASSERT_EQ(ReadRoomFile(file.string(), room), std::nullopt);
    EXPECT_EQ(room.tags, SampleRoom().tags);
    EXPECT_EQ(room.GroundCode, Value(3));
  }
}

TEST(RoomFile, DamagedFilesAreRefusedAndTheHeldRoomIsKept) {
  kit::TempFolder tmp;
  const fs::path file = tmp.path() / "Files" / "ROOM45";
  ASSERT_EQ(WriteRoomFile(file.string(), SampleRoom()), std::nullopt);
  const std::string good = Slurp(file);
  RoomFile held;
  held.tags[6][6] = "HELD";

  auto expectRefused = [&](const std::string& content, const std::string& why) {
    SCOPED_TRACE(why);
    Spit(file, content);
    const auto err = ReadRoomFile(file.string(), held);
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(err->rfind("Files/ROOM45 ", 0), 0u) << *err;
    EXPECT_EQ(held.tags[6][6], "HELD");
  };
  // Cut after every item: each line end is the end of one item.
  int items = 0;
  for (std::size_t at = good.find("\r\n"); at != std::string::npos && items < 169;
       at = good.find("\r\n", at + 2)) {
    ++items;
    expectRefused(good.substr(0, at + 2), "cut after " + std::to_string(items) + " items");
  }
  EXPECT_EQ(items, 169);
  expectRefused("", "empty");
  std::string numberForTag = good;
  numberForTag.replace(0, 7, "5");
  expectRefused(numberForTag, "a number where a tag is due");
  std::string unclosed = good;
  unclosed.erase(6, 1);
  expectRefused(unclosed, "an unclosed quote");
  std::string garbage(4000, '\0');
  std::mt19937 rng(7);
  for (char& c : garbage) c = static_cast<char>(rng());
  expectRefused(garbage, "binary garbage");
  expectRefused(std::string(10 * 1024 * 1024, 'A') + "\r\n", "a 10 MB line");
  // More items than a room holds: one line twice anywhere, the ground code too, a tag after it,
  // an empty item after a comma.
  for (const std::size_t line : {0u, 84u, 168u, 169u}) {
    std::size_t start = 0;
    for (std::size_t l = 0; l < line; ++l) start = good.find("\r\n", start) + 2;
    const std::size_t end = good.find("\r\n", start) + 2;
    expectRefused(good.substr(0, end) + good.substr(start, end - start) + good.substr(end),
                  "line " + std::to_string(line + 1) + " twice");
  }
  expectRefused(good + "\"TREE\"\r\n", "a tag after the ground code");
  expectRefused(good.substr(0, good.size() - 2) + ",\r\n", "a comma after the ground code");
  Spit(file, good + "\r\n \r\n");
  EXPECT_EQ(ReadRoomFile(file.string(), held), std::nullopt) << "blank lines after the ground code";

  fs::remove(file);
  EXPECT_EQ(ReadRoomFile(file.string(), held), "Files/ROOM45 is missing.");
}

TEST(RoomFile, MutatedFilesAreEitherReadWholeOrRefused) {
  kit::TempFolder tmp;
  const fs::path file = tmp.path() / "ROOM5";
  ASSERT_EQ(WriteRoomFile(file.string(), SampleRoom()), std::nullopt);
  const std::string good = Slurp(file);
  std::mt19937 rng(20240611);
  int refused = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string bad = good;
    for (int m = 1 + static_cast<int>(rng() % 3); m > 0; --m) bad = kit::Mutate(bad, rng);
    Spit(file, bad);
    RoomFile room;
    room.tags[0][0] = "UNTOUCHED";
    if (const auto err = ReadRoomFile(file.string(), room)) {
      ++refused;
      EXPECT_EQ(room.tags[0][0], "UNTOUCHED");
    } else {
      // A file that reads must hold a full room again when written back.
      ASSERT_EQ(WriteRoomFile(file.string(), room), std::nullopt);
      RoomFile again;
      ASSERT_EQ(ReadRoomFile(file.string(), again), std::nullopt);
      EXPECT_EQ(again.tags, room.tags);
    }
  }
  EXPECT_GT(refused, 500);
}

}  // namespace
}  // namespace tq
