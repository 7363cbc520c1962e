// The one table of the four ways: view cell, step and words.
#include "game/facing.h"

namespace tq {
namespace {

struct Way {
  Heading heading;
  int viewCell;
  int rowStep, colStep;
  Heading opposite;
  std::string_view heroText, monsterText;
};

constexpr Way kWays[] = {
    {Heading::Up, 7, -1, 0, Heading::Down, "REAR", "REAR"},
    {Heading::Down, 17, 1, 0, Heading::Up, "", "FRONT"},
    {Heading::Left, 11, 0, -1, Heading::Right, "LEFT", "LEFT"},
    {Heading::Right, 13, 0, 1, Heading::Left, "RIGHT", "RIGHT"},
};

const Way& WayOf(Heading h) {
  return kWays[static_cast<int>(h)];
}

}  // namespace

int ViewCell(Heading h) {
  return WayOf(h).viewCell;
}

std::optional<Heading> HeadingOfCell(std::int64_t cell) {
  for (const Way& w : kWays) {
    if (w.viewCell == cell) return w.heading;
  }
  return std::nullopt;
}

int RowStep(Heading h) {
  return WayOf(h).rowStep;
}

int ColStep(Heading h) {
  return WayOf(h).colStep;
}

Heading Opposite(Heading h) {
  return WayOf(h).opposite;
}

std::string_view HeroFacingText(Heading h) {
  return WayOf(h).heroText;
}

std::string_view MonsterFacingText(Heading h) {
  return WayOf(h).monsterText;
}

std::optional<Heading> HeroHeading(const Value& facing) {
  // Compared as the game compares values, so an empty Facing faces the viewer like "".
  for (const Way& w : kWays) {
    if (facing == Value(w.heroText)) return w.heading;
  }
  return std::nullopt;
}

std::optional<Heading> MonsterHeading(std::string_view monsterFacing) {
  for (const Way& w : kWays) {
    if (monsterFacing == w.monsterText) return w.heading;
  }
  return std::nullopt;
}

bool FaceTheSameWay(const Value& facing, std::string_view monsterFacing) {
  const auto hero = HeroHeading(facing);
  const auto monster = MonsterHeading(monsterFacing);
  return hero && monster && *hero == *monster;
}

bool FaceOppositeWays(const Value& facing, std::string_view monsterFacing) {
  const auto hero = HeroHeading(facing);
  const auto monster = MonsterHeading(monsterFacing);
  return hero && monster && *monster == Opposite(*hero);
}

}  // namespace tq
