#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/PointTable.h"

namespace velmora::hydraulics {
namespace {

TEST(Interpolate, UpperPointComesFirst) {
  // Halfway between (10, 1) and (20, 3): 2.
  EXPECT_DOUBLE_EQ(static_cast<double>(Interpolate(3, 1, 20, 10, 15)), 2.0);
  // At the lower point the lower value, exactly.
  EXPECT_EQ(Interpolate(3, 1, 20, 10, 10), 1.0L);
}

struct RoundingCase {
  const char* name;
  long double x;
  int expected;
};

class NearestIntegerTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(NearestIntegerTest, HalvesGoAwayFromZero) { EXPECT_EQ(NearestInteger(GetParam().x), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, NearestIntegerTest,
                         ::testing::Values(RoundingCase{"plusHalf", 2.5L, 3}, RoundingCase{"minusHalf", -2.5L, -3},
                                           RoundingCase{"belowHalf", 2.4999L, 2},
                                           RoundingCase{"negativeBelowHalf", -2.4999L, -2},
                                           RoundingCase{"zero", 0.0L, 0}, RoundingCase{"pointFive", 0.5L, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TruncateToInt, OutOfRangeIsAnInvalidOperation) {
  ArithmeticFaultGuard guard;
  EXPECT_EQ(TruncateToInt(-7.9L), -7);
  EXPECT_EQ(guard.Fault(), nullptr);
  EXPECT_EQ(TruncateToInt(3e9L), 0);
  EXPECT_NE(guard.Fault(), nullptr);
}

struct PowerCase {
  const char* name;
  long double x;
  long double y;
  long double expected;
};

class PowerTest : public ::testing::TestWithParam<PowerCase> {};

TEST_P(PowerTest, Value) {
  ArithmeticFaultGuard guard;
  EXPECT_EQ(Power(GetParam().x, GetParam().y), GetParam().expected);
  EXPECT_EQ(guard.Fault(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, PowerTest,
                         ::testing::Values(PowerCase{"zeroExponent", 7.5L, 0, 1}, PowerCase{"zeroToZero", 0, 0, 1},
                                           PowerCase{"zeroBaseFractional", 0, 0.375L, 0},  // a free area of 100 %
                                           PowerCase{"negativeBaseWhole", -2, 3, -8},
                                           PowerCase{"negativeWholeExponent", 2, -2, 0.25L},
                                           PowerCase{"fractional", 16, 0.25L, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Power, NegativeBaseWithFractionalExponentIsAFault) {
  ArithmeticFaultGuard guard;
  EXPECT_TRUE(std::isnan(Power(-2, 0.5L)));
  EXPECT_NE(guard.Fault(), nullptr);
}

TEST(Power, ZeroToNegativePowerIsADivisionByZero) {
  ArithmeticFaultGuard guard;
  (void)Power(0, -2);
  EXPECT_STREQ(guard.Fault(), "division by zero");
}

TEST(ArithmeticFaultGuard, ReportsEachFault) {
  volatile long double zero = 0;
  volatile long double huge = 1e4000L;
  {
    ArithmeticFaultGuard guard;
    volatile long double r = 1.0L / zero;
    (void)r;
    EXPECT_STREQ(guard.Fault(), "division by zero");
  }
  {
    ArithmeticFaultGuard guard;
    volatile long double r = std::sqrt(zero - 1.0L);
    (void)r;
    EXPECT_NE(guard.Fault(), nullptr);
  }
  {
    ArithmeticFaultGuard guard;
    volatile long double r = huge * huge;
    (void)r;
    EXPECT_STREQ(guard.Fault(), "overflow");
  }
  {
    ArithmeticFaultGuard guard;
    volatile long double r = std::exp(-huge);  // underflow is no fault
    (void)r;
    EXPECT_EQ(guard.Fault(), nullptr);
  }
}

constexpr TablePoint kPoints[] = {{0, 0}, {10, 1}, {30, 2}};

TEST(TableValue, SegmentsAndEnds) {
  const PointTable zero{kPoints, Outside::Zero, Outside::Zero};
  const PointTable hold{kPoints, Outside::HoldEnd, Outside::HoldEnd};
  EXPECT_EQ(TableValue(zero, 5), 0.5L);
  EXPECT_EQ(TableValue(zero, 20), 1.5L);
  EXPECT_EQ(TableValue(zero, 30), 2.0L);  // the last value at exactly the last breakpoint
  EXPECT_EQ(TableValue(zero, 30.001L), 0.0L);
  EXPECT_EQ(TableValue(zero, -0.001L), 0.0L);
  EXPECT_EQ(TableValue(hold, 31), 2.0L);
  EXPECT_EQ(TableValue(hold, -1), 0.0L);
}

}  // namespace
}  // namespace velmora::hydraulics
