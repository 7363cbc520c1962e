// The step oracle: the game's step stages on a private window.
#include "autoplay/step_oracle.h"

#include <cstdlib>

#include "game/game.h"
#include "game/monster_table.h"
#include "platform/clock.h"
#include "platform/sound_channel.h"
#include "rooms/move_hero_stages.h"

namespace tq::autoplay {
namespace {

// The private window's sounds go nowhere.
class SilentChannel final : public SoundChannel {
 public:
  void PlayFile(const std::string&) override {}
  void SetPlayCount(int) override {}
  void StopPlayback() override {}
};

// Enough gold for any deed: the oracle says where a step leads, the planner decides what to buy.
constexpr int kPlentyOfGold = 1000000;
// A way back that leads to no room: a step that follows it shows itself by ending there.
constexpr int kNoWayBack = -1;
// A room changed in more cells than this (a new world, a door that opened) is worked out anew.
constexpr std::size_t kMostCellsChanged = 24;

}  // namespace

std::size_t StepOracle::WayBackHash::operator()(const WayBackKey& k) const {
  const int gear = (k.gear.goldKey ? 1 : 0) | (k.gear.redKey ? 2 : 0) | (k.gear.purpleKey ? 4 : 0) |
                   (k.gear.fishBook ? 8 : 0) | (k.gear.torch ? 16 : 0) | (k.gear.questStage << 5);
  return PlaceHash()(k.from) ^
         (static_cast<std::size_t>(gear) << 3 | static_cast<std::size_t>(k.dir));
}

StepOracle::StepOracle(WorldModel& world)
    : world_(world), tables_(kMostRooms), corrected_(kMostRooms) {
  clock_ = std::make_unique<ManualClock>();
  silent_ = std::make_unique<SilentChannel>();
  // Windows without a folder: they never read or write a file, the oracle hands them the rooms.
  const GameServices services{"", clock_.get(), silent_.get(), silent_.get(), silent_.get()};
  window_ = std::make_unique<Game>(services);
  reader_ = std::make_unique<Game>(services);
}

StepOracle::~StepOracle() = default;

std::uint64_t StepOracle::VersionOf(int room) {
  return world_.Version(room) * 2 + (room == world_.heroRoom() ? 1 : 0);
}

bool StepOracle::Current(const Answer& a, int fromRoom) {
  return a.known && a.fromVersion == VersionOf(fromRoom) && a.toVersion == VersionOf(a.toRoom);
}

std::optional<StepOracle::Stepped> StepOracle::Step(const Place& from, Dir dir, const Gear& gear) {
  if (from.room < 1 || from.room >= kMostRooms || from.row < 0 || from.row >= kRoomSize ||
      from.col < 0 || from.col >= kRoomSize) {
    return std::nullopt;
  }
  RoomTable& table = tables_[static_cast<std::size_t>(from.room)];
  const std::uint64_t version = VersionOf(from.room);
  if (table.answers.empty() || !(table.gear == gear)) {
    table.version = version;
    table.gear = gear;
    table.answers.assign(kRoomSize * kRoomSize * 4, Answer{});
    if (const RoomFile* grid = CorrectedRoom(from.room, gear.questStage, false)) {
      table.grid = *grid;
    }
  } else if (table.version != version) {
    Update(table, from.room, version);
  }
  Answer& a = table.answers[static_cast<std::size_t>((from.row * kRoomSize + from.col) * 4 +
                                                     static_cast<int>(dir))];
  if (Current(a, from.room)) {
    ++reused_;
  } else {
    ++computed_;
    Place nowhere = from;
    nowhere.retRoom = nowhere.retRow = nowhere.retCol = kNoWayBack;
    a = Work(nowhere, dir, gear);
    a.known = true;
    a.readsWayBack = a.toRoom == kNoWayBack;
    a.keepsWayBack = a.to && a.to->to.retRoom == kNoWayBack;
  }
  if (a.readsWayBack) {
    Answer& back = wayBack_[WayBackKey{from, dir, gear}];
    if (Current(back, from.room)) {
      ++reused_;
    } else {
      ++computed_;
      back = Work(from, dir, gear);
      back.known = true;
    }
    return back.to;
  }
  if (!a.to || !a.keepsWayBack) return a.to;
  Stepped s = *a.to;
  s.to.retRoom = from.retRoom;
  s.to.retRow = from.retRow;
  s.to.retCol = from.retCol;
  return s;
}

void StepOracle::Update(RoomTable& table, int room, std::uint64_t version) {
  const RoomFile* now = CorrectedRoom(room, table.gear.questStage, false);
  std::vector<std::pair<int, int>> changed;
  for (int r = 0; now && r < kRoomSize; ++r) {
    for (int c = 0; c < kRoomSize; ++c) {
      const auto row = static_cast<std::size_t>(r), col = static_cast<std::size_t>(c);
      if (now->tags[row][col] != table.grid.tags[row][col]) changed.emplace_back(r, c);
    }
  }
  if (!now || changed.size() > kMostCellsChanged || now->GroundCode != table.grid.GroundCode) {
    table.answers.assign(kRoomSize * kRoomSize * 4, Answer{});
  } else {
    // A step sees the five by five cells around the hero and nothing further: answers from
    // cells that far from every change still hold.
    const std::uint64_t old = table.version;
    for (int r = 0; r < kRoomSize; ++r) {
      for (int c = 0; c < kRoomSize; ++c) {
        bool near = false;
        for (const auto& [cr, cc] : changed)
          near = near || (std::abs(cr - r) <= 2 && std::abs(cc - c) <= 2);
        for (int d = 0; d < 4; ++d) {
          Answer& a = table.answers[static_cast<std::size_t>((r * kRoomSize + c) * 4 + d)];
          if (!a.known || a.fromVersion != old) continue;
          if (near) {
            a.known = false;
            continue;
          }
          a.fromVersion = version;
          if (a.toRoom == room) a.toVersion = version;
        }
      }
    }
  }
  if (now) table.grid = *now;
  table.version = version;
}

const RoomFile* StepOracle::CorrectedRoom(int room, int questStage, bool entering) {
  const RoomFile* file = world_.Room(room);
  if (!file) return nullptr;
  Corrected& c = corrected_[static_cast<std::size_t>(room)];
  const std::uint64_t version = VersionOf(room);
  if (c.version != version || c.questStage != questStage) {
    Game& g = *reader_;
    g.QuestStage = questStage;
    RoomFile grid = *file;
    CorrectRoom(g, Value(room), grid);
    c = Corrected{version, questStage, grid, std::move(grid)};
    // A monster moves only while the hero shares its room: away from him it stands where it
    // stood, and a monster on the cell he would arrive on keeps him out. Once he is in, it comes
    // for him and leaves the way free, or is fought; so inside a room he is not in, only the
    // walls count.
    if (room != world_.heroRoom()) {
      for (auto& row : c.inside.tags) {
        for (std::string& tag : row) {
          if (IsMonster(tag)) tag = "FLOOR";
        }
      }
    }
  }
  return entering ? &c.entered : &c.inside;
}

StepOracle::Answer StepOracle::Work(const Place& from, Dir dir, const Gear& gear) {
  Answer a;
  a.fromVersion = VersionOf(from.room);
  a.toRoom = from.room;
  a.toVersion = a.fromVersion;
  // The view as the last step drew it: the room around the hero as the game read it.
  const RoomFile* here = CorrectedRoom(from.room, gear.questStage, false);
  if (!here) return a;

  Game& g = *window_;
  g.RoomNumber = from.room;
  g.HeroRow = from.row;
  g.HeroCol = from.col;
  g.ReturnRoom = from.retRoom;
  g.ReturnRow = from.retRow;
  g.ReturnCol = from.retCol;
  g.GroundType = GroundName(*here);
  g.QuestStage = gear.questStage;
  g.Gold = kPlentyOfGold;
  // As if the room's monster were admitted already: a step within the room then does not look
  // the room over for one, which changes nothing about where the step leads.
  g.EnemyHP = 1;
  g.EnterMode = 0;
  g.StreePass = 0;
  g.RainTicks = 0;
  g.slot(ItemSlot::GoldKey).Visible = gear.goldKey;
  g.slot(ItemSlot::RedKey).Visible = gear.redKey;
  g.slot(ItemSlot::PurpleKey).Visible = gear.purpleKey;
  g.slot(ItemSlot::FishBook).Visible = gear.fishBook;
  g.slot(ItemSlot::Torch).Visible = gear.torch;
  for (int cell = 0; cell < 25; ++cell) {
    g.IMGgrid[static_cast<std::size_t>(cell)].Tag =
        TagAt(*here, from.row - 2 + cell / 5, from.col - 2 + cell % 5);
  }

  // The step itself, stage by stage as the game runs it. The room the rules lead to comes from
  // the world model, corrected as the game's room read corrects it, instead of from its file.
  g.Facing = FacingOf(dir);
  HeroStep s;
  StepByFacing(g, s);
  ApplyRoomChangeRules(g, s);
  a.toRoom = static_cast<int>(s.rules.RoomNumber.num());
  a.toVersion = VersionOf(a.toRoom);
  const RoomFile* there = CorrectedRoom(a.toRoom, gear.questStage, a.toRoom != from.room);
  if (!there) return a;
  s.RoomGrid = *there;
  if (!EnterReadRoom(g, s)) return a;
  a.to = Stepped{PlaceOf(g), static_cast<int>(kPlentyOfGold - g.Gold.num())};
  return a;
}

}  // namespace tq::autoplay
