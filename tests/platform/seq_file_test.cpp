// The sequential text format: what each kind of item looks like on disk, how items are read
// back whatever line they stand on, what counts as damage, and whole-file writing.
#include "platform/seq_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "platform/file_writes.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using kit::Slurp;
using kit::Spit;

TEST(SeqWriter, ItemsOfEachKindOnOneLineEndedByCrLf) {
  SeqWriter w;
  w.Dynamic(Value(8));
  w.Dynamic(Value(-6));
  w.Dynamic(Value("45"));
  w.Dynamic(Value());
  w.Dynamic(Value());
  w.Dynamic(Value());
  w.EndLine();
  w.Dynamic(Value(""));
  w.Text("ICE PLATER");
  w.Int16(-32768);
  w.EndLine();
  w.Dynamic(Value());
  w.EndLine();
  EXPECT_EQ(w.str(), "8,-6,\"45\",,,\r\n\"\",\"ICE PLATER\",-32768\r\n\r\n");
}

TEST(SeqReader, ItemsReadInOrderWhateverLineTheyStandOn) {
  for (const std::string data : {"1,\"A B\",\r\n-7\r\n", "1\r\n\"A B\"\r\n\r\n-7", "1,\"A B\",,-7",
                                 "1\n\"A B\",\n-7\n", " 1 , \"A B\" ,\t,-7 \r\n"}) {
    SCOPED_TRACE(data);
    SeqReader r(data);
    Value a, c;
    std::string b;
    std::int16_t d = 99;
    ASSERT_EQ(r.Dynamic(a), std::nullopt);
    ASSERT_EQ(r.Text(b), std::nullopt);
    ASSERT_EQ(r.Dynamic(c), std::nullopt);
    ASSERT_EQ(r.Int16(d), std::nullopt);
    EXPECT_TRUE(a.isNumber());
    EXPECT_EQ(a.num(), 1);
    EXPECT_EQ(b, "A B");
    EXPECT_TRUE(c.isEmpty());
    EXPECT_EQ(d, -7);
  }
}

TEST(SeqReader, EmptyItemsTakeTheTargetsEmptiness) {
  SeqReader r(",,\r\n");
  Value v(5);
  std::string s = "x";
  std::int16_t n = 3;
  ASSERT_EQ(r.Dynamic(v), std::nullopt);
  ASSERT_EQ(r.Text(s), std::nullopt);
  ASSERT_EQ(r.Int16(n), std::nullopt);
  EXPECT_TRUE(v.isEmpty());
  EXPECT_EQ(s, "");
  EXPECT_EQ(n, 0);
}

TEST(SeqReader, QuotedDigitsStayTextAndBareDigitsBecomeNumbers) {
  SeqReader r("\"12\",12,\"\"");
  Value a, b, c;
  ASSERT_EQ(r.Dynamic(a), std::nullopt);
  ASSERT_EQ(r.Dynamic(b), std::nullopt);
  ASSERT_EQ(r.Dynamic(c), std::nullopt);
  EXPECT_TRUE(a.isText());
  EXPECT_TRUE(b.isNumber());
  EXPECT_TRUE(c.isText());
  EXPECT_EQ(c.str(), "");
}

// Reads one item of the given kind from `data` and returns the problem, if any.
template <typename T>
std::optional<std::string> ReadOne(const std::string& data) {
  SeqReader r(data);
  T out{};
  if constexpr (std::is_same_v<T, Value>) return r.Dynamic(out);
  if constexpr (std::is_same_v<T, std::string>) return r.Text(out);
  if constexpr (std::is_same_v<T, std::int16_t>) return r.Int16(out);
}

TEST(SeqReader, DamagedItemsAreReportedWithTheirNumber) {
  EXPECT_EQ(ReadOne<std::string>("5\r\n"), "item 1 should be quoted text");
  EXPECT_EQ(ReadOne<std::int16_t>("\"5\"\r\n"), "item 1 should be a number");
  EXPECT_EQ(ReadOne<std::int16_t>("40000\r\n"), "item 1 is out of range");
  EXPECT_EQ(ReadOne<std::int16_t>("1.5\r\n"), "item 1 should be a number");
  EXPECT_EQ(ReadOne<Value>("GRASS\r\n"), "item 1 should be a whole number or quoted text");
  EXPECT_EQ(ReadOne<Value>("99999999999999999999\r\n"),
            "item 1 should be a whole number or quoted text");
  EXPECT_EQ(ReadOne<Value>("\"FLOOR\r\n\"x\"\r\n"), "item 1 has no closing quote");
  EXPECT_EQ(ReadOne<Value>("\"FLOOR"), "item 1 has no closing quote");
  EXPECT_EQ(ReadOne<Value>("\"FLO\"OR\"\r\n"), "item 1 has something after its closing quote");
  EXPECT_EQ(ReadOne<Value>("12\"3\r\n"), "item 1 has a quote inside it");
  EXPECT_EQ(ReadOne<std::string>(std::string("\"FL\0OR\"", 7)), "item 1 holds a control character");
  EXPECT_EQ(ReadOne<Value>(""), "it ends after item 0");

  SeqReader r("1,2\r\n");
  Value v;
  ASSERT_EQ(r.Dynamic(v), std::nullopt);
  ASSERT_EQ(r.Dynamic(v), std::nullopt);
  EXPECT_EQ(r.Dynamic(v), "it ends after item 2");
}

TEST(WholeFile, WritingCreatesTheFolderAndReplacesTheFileWhole) {
  kit::TempFolder tmp;
  const fs::path file = tmp.path() / "Files" / "GAMEFILE";
  ASSERT_EQ(WriteWholeFile(file.string(), "first version, rather long\r\n"), std::nullopt);
  ASSERT_EQ(WriteWholeFile(file.string(), "second\r\n"), std::nullopt);
  EXPECT_EQ(Slurp(file), "second\r\n");
  std::string back;
  ASSERT_EQ(ReadWholeFile(file.string(), back), std::nullopt);
  EXPECT_EQ(back, "second\r\n");
  // Nothing but the file itself is left in the folder.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(file.parent_path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(WholeFile, FailuresNameTheFileAndLeaveNoTemporaryBehind) {
  kit::TempFolder tmp;
  const fs::path files = tmp.path() / "Files";
  fs::create_directories(files / "ROOM45" / "inside");
  // A folder standing where the file should be cannot be replaced.
  const auto err = WriteWholeFile((files / "ROOM45").string(), "x");
  ASSERT_TRUE(err.has_value());
  EXPECT_NE(err->find("Files/ROOM45"), std::string::npos) << *err;
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(files)) ++entries;
  EXPECT_EQ(entries, 1);

  // A file standing where the folder should be.
  std::ofstream(tmp.path() / "Blocked") << "x";
  EXPECT_TRUE(WriteWholeFile((tmp.path() / "Blocked" / "MAPFILE").string(), "x").has_value());

  std::string out;
  EXPECT_EQ(ReadWholeFile((files / "GAMEFILE").string(), out), "Files/GAMEFILE is missing.");
  EXPECT_EQ(ReadWholeFile((files / "ROOM45").string(), out), "Files/ROOM45 is not a file.");
  EXPECT_EQ(ReadWholeFile((tmp.path() / "Blocked" / "MAPFILE").string(), out),
            "Blocked/MAPFILE is missing.");
  // A file that is there but cannot be reached is not called missing.
  fs::create_symlink(files / "ROOM7", files / "ROOM7");
  EXPECT_EQ(ReadWholeFile((files / "ROOM7").string(), out),
            "Files/ROOM7 could not be opened: Too many levels of symbolic links.");
}

TEST(WholeFile, ReadingRefusesAnOversizedFile) {
  kit::TempFolder tmp;
  const fs::path file = tmp.path() / "Files" / "ROOM7";
  ASSERT_EQ(WriteWholeFile(file.string(), std::string(10 * 1024 * 1024, 'A')), std::nullopt);
  std::string out;
  EXPECT_EQ(ReadWholeFile(file.string(), out), "Files/ROOM7 is too large to be a game file.");
  ASSERT_EQ(WriteWholeFile(file.string(), std::string(kMaxDataFileBytes, 'A')), std::nullopt);
  EXPECT_EQ(ReadWholeFile(file.string(), out), std::nullopt);
}

}  // namespace
}  // namespace tq
