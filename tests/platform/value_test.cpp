// The rules of the game's dynamic values: empty, numbers, text, joining and comparing.
#include "platform/value.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(Value, EmptyReadsAsZeroAndAsNoText) {
  Value v;
  EXPECT_TRUE(v.isEmpty());
  EXPECT_EQ(v.num(), 0);
  EXPECT_EQ(v.str(), "");
  EXPECT_TRUE(v == 0);
  EXPECT_TRUE(v == "");
  EXPECT_FALSE(v == 1);
  EXPECT_EQ((v + 1).num(), 1);
  EXPECT_TRUE((v + 1).isNumber());
  EXPECT_TRUE(v < 1);
  EXPECT_TRUE(Value(-1) < v);
}

TEST(Value, ArithmeticOnNumbersAndNumericText) {
  EXPECT_EQ((Value(7) + Value(5)).num(), 12);
  EXPECT_EQ((Value(7) - Value(9)).num(), -2);
  EXPECT_EQ((Value(6) * Value(7)).num(), 42);
  EXPECT_EQ((Value("5") + Value(3)).num(), 8);
  EXPECT_EQ(Value(" -12 ").num(), -12);
  EXPECT_EQ(Value("GRASS").num(), 0);
  Value counter;
  counter += 1;
  counter += 1;
  EXPECT_EQ(counter, 2);
}

TEST(Value, TextPlusTextJoinsAndAmpersandJoinsAnything) {
  EXPECT_EQ((Value("Pics/") + Value("GRASS")).str(), "Pics/GRASS");
  EXPECT_EQ(Join(Value("Icons/PIECE"), Value(2), Value(".bmp")), "Icons/PIECE2.bmp");
  EXPECT_EQ(Join(Value(), Value("x"), Value()), "x");
  EXPECT_EQ(Join(Value(-40), Value("%")), "-40%");
}

TEST(Value, ComparisonsFollowTheKindOfEachSide) {
  EXPECT_TRUE(Value("SHADOW BOSS") == "SHADOW BOSS");
  EXPECT_FALSE(Value("shadow boss") == "SHADOW BOSS");  // letter case counts
  EXPECT_FALSE(Value("SHADOWBOSS") == "SHADOW BOSS");   // and so do blanks
  EXPECT_TRUE(Value(5) == Value("5"));
  EXPECT_FALSE(Value(0) == Value("FLOOR"));  // a number never equals a word
  EXPECT_FALSE(Value(0) < Value("FLOOR"));
  EXPECT_TRUE(Value(3) < Value(10));
  EXPECT_TRUE(Value("10") < Value("3"));  // text compares as text
  EXPECT_TRUE(Value(10) >= 10);
  EXPECT_TRUE(Value(11) > 10);
}

}  // namespace
}  // namespace tq
