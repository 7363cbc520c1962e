// Golden worlds: two worlds pinned by their seed, compared file by file with the fixtures
// checked in beside this test. Set TQ_GOLDEN_OUT to a folder to write fresh fixtures there
// after a deliberate change to the generator (or to the test templates).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "kit/file_bytes.h"
#include "kit/headless_game.h"
#include "kit/template_set.h"
#include "shell/generate_world.h"
#include "world/template_batches.h"

namespace tq {
namespace {

namespace fs = std::filesystem;
using FileLines = std::map<std::string, std::vector<std::string>>;

using kit::Lines;

// The files whose contents come from the draws: the overland, the underground, the Far North
// rooms that may get an ice monster, the hideouts, the saved game and the map file.
std::vector<std::string> DrawnFiles() {
  std::vector<std::string> names;
  for (int n = 1; n <= 100; ++n) names.push_back("ROOM" + std::to_string(n));
  for (int n = 301; n <= 400; ++n) names.push_back("ROOM" + std::to_string(n));
  for (const TemplateCopy& c : TemplateBatches()) {
    if (MayHoldIceMonster(c) || c.room > 1000) names.push_back("ROOM" + std::to_string(c.room));
  }
  names.push_back("GAMEFILE");
  names.push_back("MAPFILE");
  return names;
}

// In a fixture a room keeps one row of 13 items to a line, then its ground code.
bool IsRoom(const std::string& name) {
  return name.starts_with("ROOM");
}

void WriteFixture(const fs::path& path, const FileLines& files) {
  std::ofstream out(path, std::ios::binary);
  for (const auto& name : DrawnFiles()) {
    const auto& lines = files.at(name);
    out << "== " << name << "\n";
    if (!IsRoom(name)) {
      for (const auto& l : lines) out << l << "\n";
      continue;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      out << lines[i] << ((i % 13 == 12 || i + 1 == lines.size()) ? "\n" : ",");
    }
  }
}

FileLines ReadFixture(const fs::path& path) {
  FileLines files;
  std::vector<std::string>* current = nullptr;
  std::string name;
  for (const auto& line : Lines(path)) {
    if (line.starts_with("== ")) {
      name = line.substr(3);
      current = &files[name];
      continue;
    }
    if (!current) continue;
    if (!IsRoom(name)) {
      current->push_back(line);
      continue;
    }
    std::stringstream items(line);
    std::string item;
    while (std::getline(items, item, ',')) current->push_back(item);
  }
  return files;
}

struct GoldenSeed {
  const char* name;
  std::int64_t clockMs;
  std::uint32_t seed;
};

class GoldenWorld : public ::testing::TestWithParam<GoldenSeed> {};

TEST_P(GoldenWorld, MatchesItsFixture) {
  const GoldenSeed& p = GetParam();
  kit::HeadlessGame h;
  kit::WriteTestTemplates(h.folder() / "Files");
  h.clock().set(p.clockMs);
  h->rnd.setSeed(p.seed);
  GenerateWorld(h.game());

  FileLines actual;
  for (const auto& name : DrawnFiles()) actual[name] = Lines(h.folder() / "Files" / name);
  const std::string fixture = std::string("world_") + p.name + ".txt";
  if (const char* out = std::getenv("TQ_GOLDEN_OUT")) {
    WriteFixture(fs::path(out) / fixture, actual);
    GTEST_SKIP() << "wrote " << fixture;
  }
  const FileLines expected =
      ReadFixture(fs::path(TQ_SOURCE_DIR) / "tests" / "world" / "golden" / fixture);
  ASSERT_EQ(expected.size(), actual.size()) << "the fixture " << fixture << " is incomplete";
  for (const auto& name : DrawnFiles()) {
    const auto& want = expected.at(name);
    const auto& got = actual.at(name);
    for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
      const std::string fixtureLine = i < want.size() ? want[i] : "(no line)";
      const std::string writtenLine = i < got.size() ? got[i] : "(no line)";
      ASSERT_EQ(fixtureLine, writtenLine) << name << " differs first at line " << i + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GoldenWorld,
                         ::testing::Values(GoldenSeed{"noon", 0, 0x123456},
                                           GoldenSeed{"evening", 22'000'000, 0xABCDEF}),
                         [](const auto& seed) { return std::string(seed.param.name); });

}  // namespace
}  // namespace tq
