// The rooms as the player knows them.
#include "autoplay/world_model.h"

#include "autoplay/text.h"

namespace tq::autoplay {

WorldModel::WorldModel(std::filesystem::path filesFolder)
    : files_(std::move(filesFolder)), rooms_(kMostRooms) {}

std::optional<RoomFile> WorldModel::ReadFile(int number) const {
  RoomFile grid;
  if (ReadRoomFile((files_ / Cat("ROOM", number)).string(), grid)) return std::nullopt;
  return grid;
}

WorldModel::Known& WorldModel::Load(int number) {
  if (number < 1 || number >= kMostRooms) return none_;
  Known& k = rooms_[static_cast<std::size_t>(number)];
  if (!k.read) {
    k.read = true;
    k.grid = ReadFile(number);
    k.version = k.grid ? nextVersion_++ : 0;
  }
  return k;
}

const RoomFile* WorldModel::Room(int number) {
  Known& k = Load(number);
  return k.grid ? &*k.grid : nullptr;
}

std::uint64_t WorldModel::Version(int number) {
  return Load(number).version;
}

const std::string& WorldModel::Tag(int room, int row, int col) {
  static const std::string kBlack = "BLACK";
  const RoomFile* grid = Room(room);
  if (!grid || row < 0 || col < 0 || row >= kRoomSize || col >= kRoomSize) return kBlack;
  return grid->tags[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

bool WorldModel::Refresh(int number) {
  heroRoom_ = number;
  if (number < 1 || number >= kMostRooms) return false;
  Known& k = rooms_[static_cast<std::size_t>(number)];
  if (!k.read) {
    Load(number);
    return true;
  }
  std::optional<RoomFile> now = ReadFile(number);
  const bool same = now.has_value() == k.grid.has_value() &&
                    (!now || (now->tags == k.grid->tags && now->GroundCode == k.grid->GroundCode));
  if (same) return false;
  k.grid = std::move(now);
  k.version = k.grid ? nextVersion_++ : 0;
  return true;
}

void WorldModel::Forget() {
  for (Known& k : rooms_) k = Known{};
  heroRoom_ = 0;
}

const char* GroundName(const RoomFile& room) {
  static const char* const kGrounds[] = {"GRASS", "DIRT", "WOOD", "SNOW"};
  const std::int64_t code = room.GroundCode.num();
  return code >= 0 && code < 4 ? kGrounds[code] : "GRASS";
}

}  // namespace tq::autoplay
