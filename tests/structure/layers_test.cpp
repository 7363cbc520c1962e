// The source folders depend one way: platform <- game <- world <- rooms <- play <- shell <- app.
// Every include of every file under src/ is checked against that order, and the machine (SDL,
// threads, the wall clock) is reached only from app/.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 7> kLayers = {"platform", "game",  "world", "rooms",
                                                "play",     "shell", "app"};

std::optional<int> RankOf(const std::string& layer) {
  const auto it = std::find(kLayers.begin(), kLayers.end(), layer);
  if (it == kLayers.end()) return std::nullopt;
  return static_cast<int>(it - kLayers.begin());
}

// System headers that would tie game logic to the machine.
bool ReachesTheMachine(const std::string& header) {
  static const std::regex kMachine(
      R"(^(SDL.*|thread|chrono|ctime|time\.h|mutex|future|atomic|condition_variable)$)");
  return std::regex_match(header, kMachine);
}

// Every include of one source file of `layer` that breaks the order, as "file:line: why".
std::vector<std::string> LayerFaults(const std::string& layer, const std::string& file,
                                     const std::string& text) {
  static const std::regex kQuoted(R"(^\s*#\s*include\s*"([^"]+)\")");
  static const std::regex kAngled(R"(^\s*#\s*include\s*<([^>]+)>)");
  const int rank = RankOf(layer).value_or(-1);
  std::vector<std::string> faults;
  std::istringstream lines(text);
  std::string line;
  for (int n = 1; std::getline(lines, line); ++n) {
    const std::string where = file + ":" + std::to_string(n) + ": ";
    std::smatch m;
    if (std::regex_search(line, m, kQuoted)) {
      const std::string path = m[1];
      const auto slash = path.find('/');
      const auto target = slash == std::string::npos ? std::nullopt : RankOf(path.substr(0, slash));
      if (!target || path.find("..") != std::string::npos) {
        faults.push_back(where + "\"" + path + "\" is not rooted at a layer folder");
      } else if (*target > rank) {
        faults.push_back(where + "\"" + path + "\" lies in a layer above " + layer);
      }
    } else if (std::regex_search(line, m, kAngled) && layer != "app" && ReachesTheMachine(m[1])) {
      faults.push_back(where + "<" + std::string(m[1]) + "> reaches the machine outside app/");
    }
  }
  return faults;
}

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Layers, TheCheckerCatchesEveryKindOfWrongInclude) {
  const std::string text =
      "#include \"game/game.h\"\n"        // down: fine
      "#include \"world/room_file.h\"\n"  // its own layer: fine
      "#include \"rooms/move_hero.h\"\n"  // up
      "#include \"helper.h\"\n"           // not rooted
      "#include \"../shell/x.h\"\n"       // climbs out
      "#include <SDL.h>\n"                // the machine
      "#include <vector>\n";              // fine
  const auto faults = LayerFaults("world", "w.cpp", text);
  ASSERT_EQ(faults.size(), 4u) << ::testing::PrintToString(faults);
  EXPECT_EQ(faults[0], "w.cpp:3: \"rooms/move_hero.h\" lies in a layer above world");
  EXPECT_NE(faults[1].find("w.cpp:4:"), std::string::npos);
  EXPECT_NE(faults[2].find("w.cpp:5:"), std::string::npos);
  EXPECT_NE(faults[3].find("<SDL.h>"), std::string::npos);
  EXPECT_TRUE(
      LayerFaults("app", "a.cpp", "#include <SDL.h>\n#include \"shell/input.h\"\n").empty());
}

TEST(Layers, EveryIncludeUnderSrcRunsDownTheStack) {
  const std::filesystem::path src = std::filesystem::path(TQ_SOURCE_DIR) / "src";
  std::vector<std::string> faults;
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
    const auto ext = entry.path().extension();
    if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    const auto relative = std::filesystem::relative(entry.path(), src);
    const std::string layer = relative.begin()->string();
    if (!RankOf(layer)) {
      faults.push_back(relative.string() + ": lies in no layer folder");
      continue;
    }
    const auto found = LayerFaults(layer, relative.string(), ReadAll(entry.path()));
    faults.insert(faults.end(), found.begin(), found.end());
    ++files;
  }
  EXPECT_GT(files, 100);
  for (const auto& f : faults) ADD_FAILURE() << f;
}

}  // namespace
