// Places, keys and gear.
#include "autoplay/place.h"

#include <array>
#include <cstdint>

#include "autoplay/text.h"
#include "game/game.h"
#include "game/key_codes.h"

namespace tq::autoplay {

std::size_t PlaceHash::operator()(const Place& p) const {
  // Rooms, rows and columns are small: pack them and mix the bits well.
  auto mix = [](std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    return x ^ (x >> 31);
  };
  const auto u = [](int v) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(v)); };
  const std::uint64_t here = (u(p.room) << 16) ^ (u(p.row) << 8) ^ u(p.col);
  const std::uint64_t back = (u(p.retRoom) << 16) ^ (u(p.retRow) << 8) ^ u(p.retCol);
  return static_cast<std::size_t>(mix(here ^ mix(back)));
}

std::string CellText(const Place& p) {
  return Cat("room ", p.room, " (", p.row, ",", p.col, ")");
}

namespace {

// What each arrow is, in the order of Dir.
struct Arrow {
  int key;
  const char* facing;
  int rowStep, colStep;
};
constexpr std::array<Arrow, 4> kArrows = {{
    {kKeyUp, "REAR", -1, 0},
    {kKeyDown, "", 1, 0},
    {kKeyLeft, "LEFT", 0, -1},
    {kKeyRight, "RIGHT", 0, 1},
}};

const Arrow& ArrowOf(Dir d) {
  return kArrows[static_cast<std::size_t>(d)];
}

}  // namespace

int KeyOf(Dir d) {
  return ArrowOf(d).key;
}

const char* FacingOf(Dir d) {
  return ArrowOf(d).facing;
}

int RowStep(Dir d) {
  return ArrowOf(d).rowStep;
}

int ColStep(Dir d) {
  return ArrowOf(d).colStep;
}

Place Beside(const Place& at, Dir d) {
  Place cell = at;
  cell.row += RowStep(d);
  cell.col += ColStep(d);
  return cell;
}

bool Adjacent(const Place& a, const Place& b) {
  const int dr = a.row - b.row, dc = a.col - b.col;
  return a.room == b.room && dr * dr + dc * dc == 1;
}

std::optional<Dir> DirTo(const Place& from, const Place& to) {
  if (from.room != to.room) return std::nullopt;
  for (Dir d : kDirs) {
    if (from.row + RowStep(d) == to.row && from.col + ColStep(d) == to.col) return d;
  }
  return std::nullopt;
}

Gear GearOf(const Game& g) {
  Gear gear;
  gear.goldKey = g.owns(ItemSlot::GoldKey);
  gear.redKey = g.owns(ItemSlot::RedKey);
  gear.purpleKey = g.owns(ItemSlot::PurpleKey);
  gear.fishBook = g.owns(ItemSlot::FishBook);
  gear.torch = g.owns(ItemSlot::Torch);
  gear.questStage = static_cast<int>(g.QuestStage.num());
  return gear;
}

Place PlaceOf(const Game& g) {
  auto n = [](const Value& v) { return static_cast<int>(v.num()); };
  return {n(g.RoomNumber), n(g.HeroRow),   n(g.HeroCol),
          n(g.ReturnRoom), n(g.ReturnRow), n(g.ReturnCol)};
}

}  // namespace tq::autoplay
