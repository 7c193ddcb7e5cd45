// The axis rules of the curve diagram with the examples they were written for and figures worked
// out by hand.
#include "curve/CurveAxis.h"

#include <gtest/gtest.h>

namespace velmora::curve {
namespace {

TEST(CurveAxis, LowerLimitKeepsTheLeadingDigit) {
  const struct {
    long double smallest, expected;
  } cases[] = {{347, 300},   {0.0347L, 0.03L}, {12, 10},      {10, 10},
               {7.3L, 7.3L}, {1, 1},           {0.3L, 0.3L},  // held a hair below 0.3: still 0.3
               {0.1L, 0.1L}, {0, 0},           {-4.2L, -4.2L}};
  for (const auto& c : cases) EXPECT_NEAR(RoundedLowerLimit(c.smallest), c.expected, 1e-15L) << c.smallest;
}

TEST(CurveAxis, StepsDecimalsAndEnds) {
  const struct {
    const char* name;
    long double lower, largest;
    long double start, step;
    int intervals, decimals;
  } cases[] = {
      {"limits 1 and 100 start at 0", 1, 100, 0, 10, 10, 0},
      {"to = 10·from starts at 0", 1, 10, 0, 1, 10, 0},
      {"below 10·from keeps its start", 2, 10, 2, 1, 8, 0},
      {"leading digit 3 is 2.5, below 1", 0, 0.25L, 0, 0.025L, 10, 3},
      {"step 2.5 itself has one decimal", 0, 25, 0, 2.5L, 10, 1},
      {"steps above 2.5 have none", 0, 250, 0, 25, 10, 0},
      {"mbar from 30 to 500", 30, 500, 0, 50, 10, 0},
      {"the axis reaches the largest value", 300, 347, 300, 5, 10, 0},  // 9.4 steps round to 9: 345 < 347
      {"below 0 at whole steps", -2.3L, 7.7L, -3, 1, 11, 0},
  };
  for (const auto& c : cases) {
    const Axis axis = MakeAxis(c.lower, c.largest);
    EXPECT_NEAR(axis.start, c.start, 1e-15L) << c.name;
    EXPECT_NEAR(axis.step, c.step, 1e-15L) << c.name;
    EXPECT_EQ(axis.intervals, c.intervals) << c.name;
    EXPECT_EQ(axis.decimals, c.decimals) << c.name;
    EXPECT_FALSE(axis.scientific) << c.name;
    EXPECT_FALSE(axis.mended) << c.name;
    EXPECT_EQ(LeftMargin(axis), 30) << c.name;
  }
}

TEST(CurveAxis, ScientificLabelsWidenTheMargin) {
  const Axis four = MakeAxis(0, 0.0004L);  // step 5E-05: four decimals
  EXPECT_TRUE(four.scientific);
  EXPECT_EQ(four.scientificWidth, 8);
  EXPECT_EQ(LeftMargin(four), 45);
  EXPECT_EQ(AxisLabel(four, 1, 'D'), "5,0E-05");
  EXPECT_EQ(AxisLabel(four, 0, 'E'), "0.0E+00");

  const Axis five = MakeAxis(0, 0.00025L);  // step 2.5E-05: four decimals and one for the 2.5
  EXPECT_EQ(five.scientificWidth, 11);
  EXPECT_EQ(LeftMargin(five), 55);
  EXPECT_EQ(AxisLabel(five, 3, 'E'), "7.50E-05");

  EXPECT_EQ(AxisLabel(MakeAxis(0, 0.25L), 3, 'D'), "0,075");
  EXPECT_EQ(AxisLabel(MakeAxis(-2.3L, 7.7L), 0, 'E'), "-3");
}

TEST(CurveAxis, AValueWithoutRangeGetsASpan) {
  // A line of height differences alone, or a constant loss: the largest value is the lower limit.
  const Axis constant = MakeAxis(RoundedLowerLimit(5), 5);
  EXPECT_TRUE(constant.mended);
  EXPECT_EQ(constant.start, 0);
  EXPECT_NEAR(constant.End(), 10, 1e-15L);
  EXPECT_NEAR(constant.step, 1, 1e-15L);

  const Axis gain = MakeAxis(-5, -5);  // a height difference downwards
  EXPECT_TRUE(gain.mended);
  EXPECT_NEAR(gain.start, -10, 1e-15L);
  EXPECT_NEAR(gain.End(), 0, 1e-15L);

  const Axis round = MakeAxis(RoundedLowerLimit(300), 300);
  EXPECT_TRUE(round.mended);
  EXPECT_NEAR(round.End(), 600, 1e-12L);
}

TEST(CurveAxis, PressureUnitFollowsTheSize) {
  EXPECT_STREQ(ChoosePressureUnit(0.0347L, 0.9L, false).name, "mbar");
  EXPECT_EQ(ChoosePressureUnit(0.0347L, 0.9L, false).scale, 1000);
  EXPECT_STREQ(ChoosePressureUnit(0.2L, 1, false).name, "bar");
  EXPECT_STREQ(ChoosePressureUnit(-1.5L, 0.2L, false).name, "bar");
  EXPECT_STREQ(ChoosePressureUnit(0.001L, 0.002L, true).name, "psi");

  // 34.7 to 500 mbar: lower limit 30, and 500 ≥ 10·30, so the axis starts at 0.
  const PressureAxis mbar = MakePressureAxis(ChoosePressureUnit(0.0347L, 0.5L, false), 0.0347L, 0.5L);
  EXPECT_EQ(mbar.axis.start, 0);
  EXPECT_NEAR(mbar.axis.End(), 500, 1e-12L);
}

}  // namespace
}  // namespace velmora::curve
