// The pump curve over the system curve: its reading, its fit and the operating point, against a
// solution by hand.
#include "curve/PumpCurve.h"

#include <gtest/gtest.h>

namespace velmora::curve {
namespace {

// A system curve that is straight, Δp = 0.5 + 0.01·Q bar, from 0 to 200 m³/h: its interpolation
// is exact, so the operating point can be solved by hand.
SystemCurve Straight() {
  SystemCurve curve;
  for (int i = 0; i <= 20; ++i) {
    const long double q = 10.0L * i;
    curve.points.push_back({q, 0.5L + 0.01L * q});
  }
  return curve;
}

// The pump Δp = 2 − 10⁻⁴·Q² bar meets it where 10⁻⁴·Q² + 0.01·Q − 1.5 = 0:
// Q = (−0.01 + √(0.0001 + 0.0006))/0.0002 = 82.2875655532 m³/h, Δp = 1.3228756555 bar, and with
// ρ = 998.2 kg/m³ and g = 9.80665 m/s² a head of 1.3228756555·10⁵/(998.2·9.80665) = 13.5139026 m.
constexpr long double kFlow = 82.2875655532295L;
constexpr long double kLoss = 1.32287565553230L;
constexpr long double kHead = 13.5139025616118L;

std::vector<PumpPoint> Pump(long double scale, bool metres) {
  std::vector<PumpPoint> points;
  const LossUnit loss{false, 1, 998.2L};
  for (const long double q : {0.0L, 50.0L, 100.0L, 150.0L}) {
    const long double bar = 2 - 1e-4L * q * q;
    points.push_back({q, metres ? loss.ToHead(bar) : bar * scale});
  }
  return points;
}

TEST(PumpCurve, OperatingPointAsSolvedByHand) {
  const struct {
    const char* name;
    HeadUnit unit;
    long double axisScale;
  } cases[] = {{"pressure in bar", HeadUnit::AxisUnit, 1},
               {"pressure in mbar", HeadUnit::AxisUnit, 1000},
               {"head in m", HeadUnit::Metre, 1}};
  for (const auto& c : cases) {
    const LossUnit loss{false, c.axisScale, 998.2L};
    const PumpFit fit = FitPumpCurve(Pump(c.axisScale, c.unit == HeadUnit::Metre), c.unit, loss);
    ASSERT_TRUE(fit.curve) << c.name;
    EXPECT_NEAR(fit.curve->At(100), 1, 1e-15L) << c.name;
    const std::optional<OperatingPoint> point = FindOperatingPoint(Straight(), *fit.curve, loss);
    ASSERT_TRUE(point) << c.name;
    EXPECT_NEAR(point->flow, kFlow, 1e-12L) << c.name;
    EXPECT_NEAR(point->loss, kLoss, 1e-13L) << c.name;
    EXPECT_NEAR(point->head, kHead, 1e-12L) << c.name;
  }
}

TEST(PumpCurve, CurvesThatDoNotMeet) {
  const LossUnit loss{};
  // Points of 300 … 400 m³/h lie beyond the computed range; a pump of 5 bar stays above it.
  const PumpFit beyond =
      FitPumpCurve(std::vector<PumpPoint>{{300, 2}, {350, 1.5L}, {400, 1}}, HeadUnit::AxisUnit, loss);
  const PumpFit above =
      FitPumpCurve(std::vector<PumpPoint>{{0, 5}, {100, 4.9L}, {200, 4.8L}}, HeadUnit::AxisUnit, loss);
  ASSERT_TRUE(beyond.curve && above.curve);
  EXPECT_FALSE(FindOperatingPoint(Straight(), *beyond.curve, loss));
  EXPECT_FALSE(FindOperatingPoint(Straight(), *above.curve, loss));
}

TEST(PumpCurve, RefusedPumpCurves) {
  const struct {
    const char* name;
    std::vector<PumpPoint> points;
    PumpProblem problem;
  } cases[] = {
      {"two points", {{0, 20}, {10, 15}}, PumpProblem::TooFewPoints},
      {"three points, two flows", {{0, 20}, {0, 19}, {10, 15}}, PumpProblem::TooFewPoints},
      {"rising", {{0, 10}, {10, 20}, {20, 30}}, PumpProblem::Rising},
      {"flat is a pump", {{0, 20}, {10, 20}, {20, 20}}, PumpProblem::None},
      {"rising at shut-off", {{0, 20}, {10, 22}, {20, 15}}, PumpProblem::Rising},
      {"flat at shut-off, rounded", {{0, 30}, {20, 27.778L}, {40, 21.111L}, {60, 10}}, PumpProblem::None},
  };
  for (const auto& c : cases) {
    const PumpFit fit = FitPumpCurve(c.points, HeadUnit::Metre, LossUnit{});
    EXPECT_EQ(fit.problem, c.problem) << c.name;
    EXPECT_EQ(fit.curve.has_value(), c.problem == PumpProblem::None) << c.name;
  }
}

TEST(PumpCurve, LinesAsTypedOrPasted) {
  // A spreadsheet's heading, tabs, a semicolon line, decimal commas, empty lines and cells.
  const PumpPoints read = ParsePumpLines("Q [m³/h]\tH [m]\r\n0\t20\r\n10,5;18,5\r\n\r\n20\t15\t\r\n");
  EXPECT_EQ(read.problem, PumpProblem::None);
  ASSERT_EQ(read.points.size(), 3u);
  EXPECT_EQ(read.points[1].flow, 10.5L);
  EXPECT_EQ(read.points[1].head, 18.5L);

  const PumpPoints bad = ParsePumpLines("0\t20\n10\tx\n20\t15");
  EXPECT_EQ(bad.problem, PumpProblem::NotANumber);
  EXPECT_EQ(bad.line, 2);
  EXPECT_EQ(bad.lineText, "10\tx");
  EXPECT_EQ(ParsePumpLines("0\t20\t7").problem, PumpProblem::NotANumber);

  const PumpPoints pairs = ParsePumpPairs("0:20,10.5:18,20:15");
  ASSERT_EQ(pairs.points.size(), 3u);
  EXPECT_EQ(pairs.points[1].flow, 10.5L);
  const PumpPoints half = ParsePumpPairs("0:20,10");
  EXPECT_EQ(half.problem, PumpProblem::NotANumber);
  EXPECT_EQ(half.line, 2);
}

}  // namespace
}  // namespace velmora::curve
