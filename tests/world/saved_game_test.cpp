// The saved game and the explored map: their bytes after a new game, round trips through a
// second window, files edited by hand, and damaged files that must be refused whole.
#include "world/saved_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>
#include <vector>

#include "kit/file_bytes.h"
#include "kit/file_mutations.h"
#include "kit/headless_game.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using kit::Slurp;
using kit::Spit;
using kit::WithItem;

// The state right after the world generator of the first game in a run, home room 45.
void MakeFirstNewGame(Game& g) {
  g.RoomNumber = 45;
  g.HeroRow = 8;
  g.HeroCol = 6;
  g.SpareValue1 = 0;
  g.SpareValue2 = 0;
  g.imgMAP[44].Visible = true;
}

// A game well under way, with values of every kind in the saved variables.
void MakeLaterGame(Game& g) {
  g.Life = 3;
  g.Strength = 17;
  g.Gold = 345;
  g.MaxLife = 14;
  g.MaxStrength = 26;
  g.HasMagicShirt = 1;
  g.HeroRow = 10;
  g.HeroCol = 2;
  g.RoomNumber = 512;
  g.ReturnRoom = 37;
  g.ReturnRow = 6;
  g.ReturnCol = 10;
  g.ShieldItem = "SHIELD";
  g.GroundType = "DIRT";
  g.Facing = "LEFT";
  g.MonsterFacing = "FRONT";
  g.AnimFrame = 4;
  g.SwordKind = 2;
  g.EnemyHP = 21;
  g.SwordPieces = 3;
  g.Points = 95;
  g.QuestStage = 1;
  g.HasMagicBag = 1;
  g.SpareValue1 = 0;
  g.SpareValue2 = Value();
  g.SpareValue3 = 0;
  for (int i : {1, 2, 6, 9}) g.imgTOOL[i].Visible = true;
  for (int i = 0; i < 200; i += 3) g.imgMAP[i].Visible = true;
  g.imgMAP[17].Tag = "ladder";
  g.imgMAP[150].Tag = "Ldun13";
}

std::string Expected(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* l : lines) s += std::string(l) + "\r\n";
  return s;
}

TEST(SavedGame, FirstNewGameOfARunWritesTheseBytes) {
  kit::HeadlessGame game;
  MakeFirstNewGame(game.game());
  ASSERT_EQ(SaveGame(game.game()).message, "");
  EXPECT_EQ(Slurp(game.folder() / "Files" / "GAMEFILE"),
            Expected({"10,20,0,10,20,0", "8,6,45,,,", R"("","GRASS","","RIGHT",0)", "1,0,0,0", "1",
                      "0", "0", "0", "0", "0", "0", "0", "0", "0", "0,0,0,0,0"}));
  const std::string map = Slurp(game.folder() / "Files" / "MAPFILE");
  std::string expected;
  for (int i = 0; i < 200; ++i) expected += i == 44 ? "\"house\",1\r\n" : "\"house\",0\r\n";
  EXPECT_EQ(map, expected);

  // The empty return values and the "" facing come back as they went.
  SavedGame saved;
  saved.ReturnRoom = 7;
  ASSERT_EQ(ReadSavedGame(game->GamePath, saved), std::nullopt);
  EXPECT_TRUE(saved.ReturnRoom.isEmpty());
  EXPECT_TRUE(saved.ReturnCol.isEmpty());
  EXPECT_TRUE(saved.Facing.isText());
  EXPECT_EQ(saved.MapCellSeen[44], 1);
}

TEST(SavedGame, FlagsComeFromWhatTheWindowShowsAtTheMoment) {
  kit::HeadlessGame game;
  Game& g = game.game();
  MakeLaterGame(g);
  g.imgTOOL[0].Visible = false;  // slot 0 counts as shown whatever its state
  g.MonsterFacing = "";
  ASSERT_EQ(SaveGame(g).message, "");
  SavedGame saved;
  ASSERT_EQ(ReadSavedGame(g.GamePath, saved), std::nullopt);
  EXPECT_EQ(saved.ToolFlags, (std::array<std::int16_t, 10>{1, 1, 1, 0, 0, 0, 1, 0, 0, 1}));
  for (int i = 0; i < 200; ++i) EXPECT_EQ(saved.MapCellSeen[i], i % 3 == 0 ? 1 : 0) << i;
  EXPECT_EQ(saved.MapCellKind[17], "ladder");
  EXPECT_EQ(saved.MapCellKind[150], "Ldun13");
  EXPECT_NE(Slurp(game.folder() / "Files" / "GAMEFILE").find(R"("DIRT","LEFT","",4)"),
            std::string::npos);

  g.imgMAP[3].Visible = false;
  g.imgTOOL[6].Visible = false;
  ASSERT_EQ(SaveGame(g).message, "");
  ASSERT_EQ(ReadSavedGame(g.GamePath, saved), std::nullopt);
  EXPECT_EQ(saved.MapCellSeen[3], 0);
  EXPECT_EQ(saved.ToolFlags[6], 0);
}

TEST(SavedGame, ReadBackIntoAnotherWindowAndSavedAgainGivesTheSameBytes) {
  kit::HeadlessGame first;
  MakeLaterGame(first.game());
  ASSERT_EQ(SaveGame(first.game()).message, "");
  const fs::path files = first.folder() / "Files";

  kit::HeadlessGame second;
  SavedGame saved;
  ASSERT_EQ(ReadSavedGame(first->GamePath, saved), std::nullopt);
  Game& g = second.game();
  g.EnemyMaxHP = 9;
  g.IdleTicks = 4;
  ApplySavedGame(g, saved);
  // LOAD's own part: the items and the map.
  for (int i = 1; i < 10; ++i) g.imgTOOL[i].Visible = saved.ToolFlags[i] == 1;
  for (int i = 0; i < 200; ++i) {
    g.imgMAP[i].Tag = saved.MapCellKind[i];
    g.imgMAP[i].Visible = saved.MapCellSeen[i] == 1;
  }
  ASSERT_EQ(SaveGame(g).message, "");
  EXPECT_EQ(Slurp(second.folder() / "Files" / "GAMEFILE"), Slurp(files / "GAMEFILE"));
  EXPECT_EQ(Slurp(second.folder() / "Files" / "MAPFILE"), Slurp(files / "MAPFILE"));

  // Kinds survive: empty stays empty, numbers stay numbers, text stays text.
  EXPECT_TRUE(g.SpareValue2.isEmpty());
  EXPECT_TRUE(g.Gold.isNumber());
  EXPECT_EQ(g.Gold, 345);
  EXPECT_TRUE(g.ShieldItem.isText());
  EXPECT_EQ(g.MonsterFacing, "FRONT");
  EXPECT_EQ(g.SpareValue3, 0);
  EXPECT_EQ(g.Points, 95);
  // Variables that are not saved are left alone.
  EXPECT_EQ(g.EnemyMaxHP, 9);
  EXPECT_EQ(g.IdleTicks, 4);
}

TEST(SavedGame, HandEditedLayoutsReadTheSame) {
  kit::HeadlessGame game;
  MakeLaterGame(game.game());
  ASSERT_EQ(SaveGame(game.game()).message, "");
  const fs::path file = game.folder() / "Files" / "GAMEFILE";
  const std::string crlf = Slurp(file);
  SavedGame reference;
  ASSERT_EQ(ReadSavedGame(game->GamePath, reference), std::nullopt);

  std::string lf, oneLine;
  for (char c : crlf) {
    if (c == '\r') continue;
    lf += c;
    oneLine += c == '\n' ? ',' : c;
  }
  oneLine.back() = '\n';
  for (const auto& variant : {lf, oneLine}) {
    Spit(file, variant);
    SavedGame saved;
    ASSERT_EQ(ReadSavedGame(game->GamePath, saved), std::nullopt);
    EXPECT_EQ(saved.Gold, reference.Gold);
    EXPECT_EQ(saved.ReturnCol, reference.ReturnCol);
    EXPECT_EQ(saved.MonsterFacing, reference.MonsterFacing);
    EXPECT_EQ(saved.AnimFrame, reference.AnimFrame);
    EXPECT_EQ(saved.ToolFlags, reference.ToolFlags);
    EXPECT_EQ(saved.SpareValue2.kind(), reference.SpareValue2.kind());
    EXPECT_EQ(saved.SpareValue3, reference.SpareValue3);
  }
}

// Saves a game, then replaces one of its files with `content` and reads.
class DamagedSave : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeLaterGame(game.game());
    ASSERT_EQ(SaveGame(game.game()).message, "");
    goodGame = Slurp(files() / "GAMEFILE");
    goodMap = Slurp(files() / "MAPFILE");
  }
  fs::path files() { return game.folder() / "Files"; }
  // Reads with `name` replaced; the saved game already held must come through untouched.
  std::optional<std::string> ReadWith(const std::string& name, const std::string& content) {
    // Put back what the last call replaced.
    if (lastReplaced == "GAMEFILE") Spit(files() / "GAMEFILE", goodGame);
    if (lastReplaced == "MAPFILE") Spit(files() / "MAPFILE", goodMap);
    Spit(files() / name, content);
    lastReplaced = name;
    SavedGame held;
    held.Gold = 999;
    held.MapCellKind[0] = "held";
    auto err = ReadSavedGame(game->GamePath, held);
    if (err) {
      EXPECT_EQ(held.Gold, 999);
      EXPECT_EQ(held.MapCellKind[0], "held");
    }
    return err;
  }

  kit::HeadlessGame game;
  std::string goodGame, goodMap, lastReplaced;
};

TEST_F(DamagedSave, CutAfterAnyItemIsRefusedNamingTheFile) {
  for (const auto& [name, good, items] :
       {std::tuple{"GAMEFILE", goodGame, 36}, std::tuple{"MAPFILE", goodMap, 400}}) {
    // Cut just after each separator, so that every count of whole items is tried.
    int cuts = 0;
    for (std::size_t at = 0; at < good.size(); ++at) {
      if (good[at] != ',' && good[at] != '\n') continue;
      if (++cuts >= items) break;
      const auto err = ReadWith(name, good.substr(0, at + 1));
      ASSERT_TRUE(err.has_value()) << name << " cut after item " << cuts;
      EXPECT_EQ(err->rfind(std::string("Files/") + name + " is damaged: ", 0), 0u) << *err;
    }
    EXPECT_EQ(cuts, items);
    EXPECT_TRUE(ReadWith(name, "").has_value());
  }
}

TEST_F(DamagedSave, WrongKindsAndGarbageAreRefused) {
  auto replaced = [](std::string s, const std::string& from, const std::string& to) {
    const auto at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return s.replace(at, from.size(), to);
  };
  // A number where MonsterFacing's text is due, and text where a tool flag's number is.
  EXPECT_EQ(ReadWith("GAMEFILE", replaced(goodGame, "\"FRONT\"", "5")),
            "Files/GAMEFILE is damaged: item 16 should be quoted text.");
  EXPECT_EQ(ReadWith("GAMEFILE", replaced(goodGame, "\r\n1\r\n", "\r\n\"1\"\r\n")),
            "Files/GAMEFILE is damaged: item 22 should be a number.");
  EXPECT_EQ(ReadWith("GAMEFILE", replaced(goodGame, ",,0\r\n", ",,\"0\"\r\n")),
            "Files/GAMEFILE is damaged: item 36 should be a number.");
  EXPECT_EQ(ReadWith("GAMEFILE", replaced(goodGame, "\"FRONT\",4", "\"FRONT,4")),
            "Files/GAMEFILE is damaged: item 16 has no closing quote.");
  EXPECT_EQ(ReadWith("MAPFILE", replaced(goodMap, "\"ladder\"", "ladder")),
            "Files/MAPFILE is damaged: item 35 should be quoted text.");
  EXPECT_EQ(ReadWith("MAPFILE", replaced(goodMap, "\"Ldun13\",1", "\"Ldun13\",\"1\"")),
            "Files/MAPFILE is damaged: item 302 should be a number.");

  std::mt19937 rng(99);
  std::string garbage(3000, ' ');
  for (char& c : garbage) c = static_cast<char>(rng());
  EXPECT_TRUE(ReadWith("GAMEFILE", garbage).has_value());
  EXPECT_TRUE(ReadWith("MAPFILE", garbage).has_value());
  EXPECT_EQ(ReadWith("MAPFILE", std::string(10 * 1024 * 1024, '1') + "\r\n"),
            "Files/MAPFILE is too large to be a game file.");

  fs::remove(files() / "MAPFILE");
  SavedGame held;
  EXPECT_EQ(ReadSavedGame(game->GamePath, held), "Files/MAPFILE is missing.");
  fs::remove(files() / "GAMEFILE");
  EXPECT_EQ(ReadSavedGame(game->GamePath, held), "Files/GAMEFILE is missing.");
}

TEST_F(DamagedSave, ValuesTheGameNeverWritesAreRefusedNamingTheItem) {
  EXPECT_EQ(ReadWith("GAMEFILE", WithItem(goodGame, 7, "11")),
            "Files/GAMEFILE is damaged: item 7, the hero's row, should be a number from 2 to 10.");
  EXPECT_EQ(ReadWith("GAMEFILE", WithItem(goodGame, 14, "\"MUD\"")),
            "Files/GAMEFILE is damaged: item 14, the ground, should be \"GRASS\", \"DIRT\", "
            "\"WOOD\" or \"SNOW\".");
  struct Case {
    const char* file;
    int item;
    const char* spelling;
    const char* what;
  } cases[] = {
      {"GAMEFILE", 8, "1", "the hero's column"},
      {"GAMEFILE", 7, "\"8\"", "the hero's row"},  // text where a number belongs
      {"GAMEFILE", 9, "0", "the room"},
      {"GAMEFILE", 9, "210", "the room"},  // a template, only ever copied
      {"GAMEFILE", 9, "", "the room"},
      {"GAMEFILE", 9, "99999999999", "the room"},  // far beyond 16 bits
      {"GAMEFILE", 9, "-9223372036854775808", "the room"},
      {"GAMEFILE", 1, "15", "the hero's life"},  // above his maximum of 14
      {"GAMEFILE", 3, "9223372036854775807", "the gold"},
      {"GAMEFILE", 4, "9", "the hero's maximum life"},
      {"GAMEFILE", 11, "1", "the row to return to"},
      {"GAMEFILE", 15, "\"UP\"", "the hero's facing"},
      {"GAMEFILE", 16, "\"SIDEWAYS\"", "the monster's facing"},
      {"GAMEFILE", 17, "7", "the animation frame"},
      {"GAMEFILE", 19, "56", "the monster's hit points"},
      {"GAMEFILE", 21, "100", "the points"},
      {"GAMEFILE", 29, "2", "the flag of the red key"},
      {"GAMEFILE", 32, "3", "the quest stage"},
      {"GAMEFILE", 36, "1", "the third reserved value"},
      {"MAPFILE", 35, "\"cave\"", "the tag of map square 17"},
      {"MAPFILE", 35, "\"../../Files/ROOM45\"", "the tag of map square 17"},
      {"MAPFILE", 302, "2", "the seen flag of map square 150"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Join(c.file, " item ", c.item, " ", c.spelling));
    const std::string& good = std::string(c.file) == "GAMEFILE" ? goodGame : goodMap;
    const auto err = ReadWith(c.file, WithItem(good, c.item, c.spelling));
    ASSERT_TRUE(err.has_value());
    EXPECT_EQ(err->rfind(Join("Files/", c.file, " is damaged: item ", c.item, ", ") + c.what +
                             ", should be ",
                         0),
              0u)
        << *err;
  }
  // What the game does write at the edges reads whole: a hero on the last inner row, the redraw
  // mark of a save made right after a load, the frame the ending leaves, a fourth sword piece,
  // return values never set, a hideout, a hero saved dead (LOAD raises him to 1).
  for (const auto& [item, spelling] : std::vector<std::pair<int, std::string>>{{7, "2"},
                                                                               {8, "10"},
                                                                               {15, "\"XXX\""},
                                                                               {17, "6"},
                                                                               {20, "4"},
                                                                               {10, ""},
                                                                               {9, "1041"},
                                                                               {1, "0"}}) {
    EXPECT_EQ(ReadWith("GAMEFILE", WithItem(goodGame, item, spelling)), std::nullopt)
        << "item " << item << " " << spelling;
  }
  // Slot 0 always shows, so the flag of the sword pieces is ignored: any 16-bit number reads.
  for (const char* flag : {"0", "", "-32768", "32767", "7"}) {
    EXPECT_EQ(ReadWith("GAMEFILE", WithItem(goodGame, 22, flag)), std::nullopt) << flag;
  }
  EXPECT_EQ(ReadWith("GAMEFILE", WithItem(goodGame, 22, "32768")),
            "Files/GAMEFILE is damaged: item 22 is out of range.");
}

TEST_F(DamagedSave, MutatedFilesAreEitherReadWholeOrRefused) {
  std::mt19937 rng(31337);
  int refused = 0, read = 0;
  for (int i = 0; i < 4000; ++i) {
    const bool gameFile = i % 2 == 0;
    std::string bad = gameFile ? goodGame : goodMap;
    for (int m = 1 + static_cast<int>(rng() % 3); m > 0; --m) bad = kit::Mutate(bad, rng);
    if (const auto err = ReadWith(gameFile ? "GAMEFILE" : "MAPFILE", bad)) {
      ++refused;
      EXPECT_FALSE(err->empty());
    } else {
      ++read;
    }
  }
  EXPECT_GT(refused, 1000);
  // Harmless changes (a blank, a line end for a comma, a digit that stays in range) still read.
  EXPECT_GT(read, 50);
}

TEST(SavedGame, AFailedWriteIsReportedAndReplacesNeitherFile) {
  kit::HeadlessGame game;
  MakeFirstNewGame(game.game());
  ASSERT_EQ(SaveGame(game.game()).message, "");
  const fs::path files = game.folder() / "Files";
  const std::string oldMap = Slurp(files / "MAPFILE");
  // A folder where GAMEFILE should be makes the save fail.
  fs::remove(files / "GAMEFILE");
  fs::create_directories(files / "GAMEFILE" / "x");
  MakeLaterGame(game.game());
  const WriteResult err = SaveGame(game.game());
  ASSERT_FALSE(err.written());
  EXPECT_EQ(err.message.rfind("Files/GAMEFILE could not be", 0), 0u) << err.message;
  EXPECT_EQ(Slurp(files / "MAPFILE"), oldMap);
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(files)) left.push_back(e.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"GAMEFILE", "MAPFILE"}));

  // With Files/ gone it is made again.
  fs::remove_all(files);
  ASSERT_EQ(SaveGame(game.game()).message, "");
  SavedGame saved;
  ASSERT_EQ(ReadSavedGame(game->GamePath, saved), std::nullopt);
  EXPECT_EQ(saved.RoomNumber, 512);
}

}  // namespace
}  // namespace tq
