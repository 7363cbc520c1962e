// The four ways: each one's view cell, step and words turn back into the same way, and the
// words that name no way (the redraw marker, an empty monster facing) name none.
#include "game/facing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <set>

namespace tq {
namespace {

TEST(Facing, EachWayRoundTripsThroughItsCellStepAndWords) {
  struct Row {
    Heading way;
    int cell;
    const char* hero;
    const char* monster;
  };
  const Row rows[] = {{Heading::Up, 7, "REAR", "REAR"},
                      {Heading::Down, 17, "", "FRONT"},
                      {Heading::Left, 11, "LEFT", "LEFT"},
                      {Heading::Right, 13, "RIGHT", "RIGHT"}};
  std::set<Heading> seen;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.cell);
    EXPECT_EQ(ViewCell(r.way), r.cell);
    EXPECT_EQ(HeadingOfCell(r.cell), r.way);
    // The step lands on the same neighbour the view shows, 5 cells to a row around the hero.
    EXPECT_EQ(kHeroCell + 5 * RowStep(r.way) + ColStep(r.way), r.cell);
    EXPECT_EQ(std::abs(RowStep(r.way)) + std::abs(ColStep(r.way)), 1);
    EXPECT_EQ(HeroFacingText(r.way), r.hero);
    EXPECT_EQ(HeroHeading(Value(r.hero)), r.way);
    EXPECT_EQ(MonsterFacingText(r.way), r.monster);
    EXPECT_EQ(MonsterHeading(r.monster), r.way);
    EXPECT_EQ(Opposite(Opposite(r.way)), r.way);
    EXPECT_EQ(RowStep(Opposite(r.way)), -RowStep(r.way));
    EXPECT_EQ(ColStep(Opposite(r.way)), -ColStep(r.way));
    seen.insert(r.way);
  }
  EXPECT_EQ(seen.size(), std::size(kHeadings));

  // An empty Facing faces the viewer as "" does; nothing else names a way.
  EXPECT_EQ(HeroHeading(Value()), Heading::Down);
  for (const Value& none : {Value(kRedrawFacing), Value("FRONT"), Value(17)}) {
    EXPECT_EQ(HeroHeading(none), std::nullopt) << none.str();
  }
  EXPECT_EQ(MonsterHeading(""), std::nullopt);
  for (int cell : {0, 6, 8, kHeroCell, 16, 18, 24}) EXPECT_EQ(HeadingOfCell(cell), std::nullopt);

  // The back-stab and the shield's face-to-face, never for the redraw marker.
  EXPECT_TRUE(FaceTheSameWay("", "FRONT"));
  EXPECT_FALSE(FaceTheSameWay("", "REAR"));
  EXPECT_TRUE(FaceOppositeWays("", "REAR"));
  EXPECT_TRUE(FaceOppositeWays("LEFT", "RIGHT"));
  EXPECT_FALSE(FaceTheSameWay(Value(kRedrawFacing), ""));
  EXPECT_FALSE(FaceOppositeWays(Value(kRedrawFacing), "FRONT"));
}

}  // namespace
}  // namespace tq
