// The game killed in the middle of its writes: a new world and a pickup, each killed in a child
// process at chosen write steps, then the program started again on the same folder. It must find
// the old world or the new one whole, and a key or sword piece given once or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/key_codes.h"
#include "kit/headless_game.h"
#include "kit/room_builder.h"
#include "kit/template_set.h"
#include "kit/write_faults.h"
#include "world/room_file.h"
#include "world/saved_game.h"

namespace tq {
namespace {

namespace fs = std::filesystem;

// NEW in a game folder that already holds a world, built two seconds into the run.
void ClickNew(const fs::path& folder) {
  kit::HeadlessGame h(folder);
  h.Advance(2000);
  h.ClickOn(h->mnuNEW);
  h.Advance(1200);
}

TEST(KilledWrites, ANewWorldComesBackOldOrNewWhereverItWasKilled) {
  kit::HeadlessGame first;
  kit::WriteTestTemplates(first.folder() / "Files");
  kit::WritePlainRoom(first.folder() / "Files", 401);
  ASSERT_TRUE(first.ClickOn(first->mnuNEW));
  first.Advance(1200);
  const fs::path& folder = first.folder();
  const kit::FolderSnapshot old = kit::Snapshot(folder / "Files");

  const int steps = kit::WriteStepsOf([&] { ClickNew(folder); });
  const kit::FolderSnapshot built = kit::Snapshot(folder / "Files");
  ASSERT_NE(built, old);
  ASSERT_GT(steps, 262);  // every room, GAMEFILE and MAPFILE
  // The first and a middle file, the commit and the steps around it, a middle and the last
  // rename, and the clean-up.
  const int commit = (steps - 1) / 2 + 1;
  for (int step : {1, commit / 2, commit - 1, commit, commit + 1, commit + 2, (commit + steps) / 2,
                   steps - 1, steps}) {
    SCOPED_TRACE("killed before write step " + std::to_string(step) + " of " +
                 std::to_string(steps));
    kit::Restore(folder / "Files", old);
    ASSERT_TRUE(kit::KilledAtWriteStep([&] { ClickNew(folder); }, step));
    kit::HeadlessGame again(folder);
    const kit::FolderSnapshot found = kit::Snapshot(folder / "Files");
    EXPECT_TRUE(found == (step <= commit ? old : built));
    // A mix is named by the first file that differs from both.
    for (const auto& [name, bytes] : found) {
      const bool oldFile = old.contains(name) && old.at(name) == bytes;
      const bool newFile = built.contains(name) && built.at(name) == bytes;
      if (!oldFile && !newFile) {
        ADD_FAILURE() << name << " is neither the old file nor the new one";
        break;
      }
    }
  }
}

struct PickupCase {
  const char* tag;
  int room;
  int ground;
  bool (*saved)(const SavedGame&);  // the saved game holds what the tile gives
};

class KilledPickup : public ::testing::TestWithParam<PickupCase> {};

TEST_P(KilledPickup, IsGivenOnceOrNotAtAllWhereverItWasKilled) {
  const PickupCase& c = GetParam();
  kit::HeadlessGame setup;
  const fs::path& folder = setup.folder();
  kit::RoomBuilder(c.ground).Set(5, 6, c.tag).WriteTo(setup, c.room);
  setup->RoomNumber = c.room;
  setup->HeroRow = 6;
  setup->HeroCol = 6;
  setup->SpareValue1 = 0;
  setup->SpareValue2 = 0;
  ASSERT_EQ(SaveGame(setup.game()), std::nullopt);
  const kit::FolderSnapshot old = kit::Snapshot(folder / "Files");
  // LOAD, then one step up onto the tile: the autosave and the room written back.
  const auto pickUp = [&] {
    kit::HeadlessGame h(folder);
    h.ClickOn(h->mnuLOAD);
    h.Press(kKeyUp);
  };
  const int steps = kit::WriteStepsOf(pickUp);
  ASSERT_EQ(steps, 3 + 1 + 3 + 1);  // GAMEFILE, MAPFILE and the room; commit; renames; clean-up

  for (int step = 1; step <= steps + 1; ++step) {
    SCOPED_TRACE("killed before write step " + std::to_string(step));
    kit::Restore(folder / "Files", old);
    EXPECT_EQ(kit::KilledAtWriteStep(pickUp, step), step <= steps);
    kit::HeadlessGame again(folder);
    SavedGame saved;
    ASSERT_EQ(ReadSavedGame(again->GamePath, saved), std::nullopt);
    const bool owned = c.saved(saved);
    const bool onTheFloor = kit::ReadRoom(again, c.room).tags[5][6] == c.tag;
    EXPECT_NE(owned, onTheFloor) << "owned " << owned << ", still on the floor " << onTheFloor;
    EXPECT_EQ(owned, step > 4);  // from the commit on
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tiles, KilledPickup,
    ::testing::Values(PickupCase{"REDKEY", 45, kit::kGrass,
                                 [](const SavedGame& s) { return s.ToolFlags[7] == 1; }},
                      PickupCase{"SWORD1", 550, kit::kDirt,
                                 [](const SavedGame& s) { return s.SwordPieces == 1; }}),
    [](const auto& c) { return std::string(c.param.tag); });

}  // namespace
}  // namespace tq
