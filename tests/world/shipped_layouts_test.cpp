// The readable room layouts: the legend, the parser's complaints and the exact bytes it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "../../tools/roomgen/room_layout.h"
#include "game/tile_vocabulary.h"

namespace tq {
namespace {

std::string Grid(const std::string& row, int rows = roomgen::kRoomSize) {
  std::string text;
  for (int r = 0; r < rows; ++r) text += row + "\n";
  return text;
}

const std::string kBlackRow = "BK BK BK BK BK BK BK BK BK BK BK BK BK";

TEST(ShippedLayouts, TheLegendNamesEachTagOnceAndNeverASwordPiece) {
  std::set<std::string_view> codes;
  std::set<std::string_view> tags;
  for (const roomgen::LegendEntry& entry : roomgen::kLegend) {
    EXPECT_EQ(entry.code.size(), 2U) << entry.code;
    EXPECT_EQ(entry.code.find(' '), std::string_view::npos) << entry.code;
    EXPECT_TRUE(codes.insert(entry.code).second) << "code used twice: " << entry.code;
    EXPECT_TRUE(tags.insert(entry.tag).second) << "tag coded twice: " << entry.tag;
    EXPECT_TRUE(IsTileTag(entry.tag)) << entry.tag;
  }
  // Everything but the three sword pieces and SIBLING1, which no room may hold.
  EXPECT_EQ(tags.size(), AllTileTags().size() - 4);
  for (const std::string_view banned : {"SWORD1", "SWORD2", "SWORD3", "SIBLING1"}) {
    EXPECT_EQ(tags.count(banned), 0U) << banned;
  }
}

TEST(ShippedLayouts, ARoomIsWrittenAs170CrLfLinesWithTheGroundBareAtTheEnd) {
  std::string text = "# a comment line\nroom 77 ground 3  # trailing comment\r\n";
  text += Grid(kBlackRow, 6);
  text += "BK TR .. ~~ SD IP DL SB VV EX $b mu BK\n";
  text += Grid(kBlackRow, 6);
  const roomgen::LayoutParse parsed = roomgen::ParseLayouts(text, "test.txt");
  ASSERT_EQ(parsed.error, "");
  ASSERT_EQ(parsed.rooms.size(), 1U);
  EXPECT_EQ(parsed.rooms[0].number, 77);
  EXPECT_EQ(parsed.rooms[0].origin, "test.txt:2");
  const std::string bytes = roomgen::RenderRoomFile(parsed.rooms[0]);
  EXPECT_EQ(bytes.substr(0, 9), "\"BLACK\"\r\n");
  EXPECT_NE(bytes.find("\"SHADOW DEMON\"\r\n\"ICE PLATER\"\r\n\"DEMON LORD\"\r\n"),
            std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 12), "\"BLACK\"\r\n3\r\n");
  std::size_t lines = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
       at = bytes.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 170U);
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1) << "no bare line feeds";
}

TEST(ShippedLayouts, ABrokenLayoutIsRefusedWithItsFileAndLine) {
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"room 5 ground 4\n" + Grid(kBlackRow), "t.txt:1: expected \"room <number> ground <0..3>\""},
      {"rom 5 ground 0\n" + Grid(kBlackRow), "t.txt:1: expected \"room <number> ground <0..3>\""},
      {"room 5 ground 0\n" + Grid(kBlackRow, 12), "t.txt:1: room 5 has only 12 rows"},
      {"room 5 ground 0\n" + Grid(kBlackRow, 3) + "BK BK\n" + Grid(kBlackRow, 9),
       "t.txt:5: a row needs 13 codes, found 2"},
      {"room 5 ground 0\n" + Grid(kBlackRow, 2) + "BK BK BK BK BK BK S1 BK BK BK BK BK BK\n" +
           Grid(kBlackRow, 10),
       "t.txt:4: unknown code \"S1\" in column 6"},
  };
  for (const Case& test : cases) {
    const roomgen::LayoutParse parsed = roomgen::ParseLayouts(test.text, "t.txt");
    EXPECT_EQ(parsed.error, test.error);
  }
}

}  // namespace
}  // namespace tq
