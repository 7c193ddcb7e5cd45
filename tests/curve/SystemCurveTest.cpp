// The system curve recalculates the stored elements at every flow: against the element calculation
// called point by point and against losses worked out by hand.
#include "curve/SystemCurve.h"

#include <gtest/gtest.h>

#include "Pipelines.h"
#include "TestTexts.h"
#include "curve/CurveMessages.h"
#include "curve/CurveText.h"
#include "hydraulics/ElementCalculation.h"
#include "units/UnitFactors.h"

namespace velmora::curve {
namespace {

using testing::Pipeline;
using testing::Typed;

const text::TextStore& Texts() { return testing_support::Texts('D'); }

// Water of the main window's defaults.
hydraulics::MainInput Water() {
  hydraulics::MainInput water;
  water.Density = 998.2L;
  water.Viscosity = 1002;
  return water;
}

CurveRequest Range(long double from, long double to, int points) {
  CurveRequest request;
  request.from = from;
  request.to = to;
  request.points = points;
  return request;
}

// The element calculated directly at flow q (m³/h), water.
long double Direct(hydraulics::MainInput in, long double q, const hydraulics::CalculationOptions& options = {}) {
  in.Density = 998.2L;
  in.Viscosity = 1002;
  in.VolumeFlow = q;
  const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(in, options);
  EXPECT_FALSE(outcome.Error || outcome.GasLimit);
  return outcome.result.PressureLoss;
}

// A pipe (DN 100, 50 m, k = 0.05 mm, two of them), a fitting of ζ = 2 in DN 100 and 10 m uphill.
const std::initializer_list<Typed> kThreeElements = {
    {1, 1, {"100", "50"}, "2"}, {12, 1, {"100", "2"}}, {13, 1, {"10"}}};

TEST(SystemCurve, ThreeElementsSumAsCalculatedByHand) {
  const results::ResultsTable table = Pipeline(kThreeElements, Texts());
  const SystemCurve curve = ComputeSystemCurve(table, Water(), Range(0, 36, 5), Texts());
  ASSERT_TRUE(curve.Ok());
  ASSERT_EQ(curve.points.size(), 5u);

  // ρ·g·H = 998.2 · 9.81 · 10 / 10⁵ bar: the static head stands at every flow, Q = 0 included.
  const long double height = 0.9792342L;
  // ζ/2·ρ·v² with v = 36/3600 m³/s over π/4·0.1² m²: 1.2732395 m/s.
  const long double fitting = 0.0161822088819L;
  hydraulics::MainInput pipe;
  pipe.Input1 = 100;
  pipe.Input2 = 50;
  pipe.Input6 = 0.05L;
  pipe.Count = 2;
  const long double flows[] = {0, 9, 18, 27, 36};
  for (std::size_t i = 0; i < 5; ++i) {
    const long double q = flows[i];
    EXPECT_EQ(curve.points[i].flow, q);
    const long double expected = height + (q == 0 ? 0 : Direct(pipe, q)) + fitting * (q / 36) * (q / 36);
    EXPECT_NEAR(curve.points[i].loss, expected, 1e-8L) << q;
  }
  EXPECT_NEAR(curve.smallestLoss, height, 1e-8L);
  EXPECT_NEAR(curve.points[0].loss, height, 1e-8L);  // a range from 0: only the height difference
  EXPECT_FALSE(curve.regimeChange);                  // turbulent from 9 m³/h on
}

TEST(SystemCurve, OnePointMeansTenAndTheEndsAreExact) {
  EXPECT_EQ(PointCount(1), 10);
  EXPECT_EQ(PointCount(0), 10);
  EXPECT_EQ(PointCount(2), 2);
  const results::ResultsTable table = Pipeline({{12, 1, {"100", "2"}}}, Texts());
  CurveRequest request = Range(100, 700, 1);
  request.flowUnit = 3;  // l/min: 0.06 m³/h each
  const SystemCurve curve = ComputeSystemCurve(table, Water(), request, Texts());
  ASSERT_EQ(curve.points.size(), 10u);
  EXPECT_EQ(curve.points.front().flow, 100);
  EXPECT_EQ(curve.points.back().flow, 700);
  hydraulics::MainInput fitting;
  fitting.ElementGroup = 12;
  fitting.Input1 = 100;
  fitting.Input2 = 2;
  EXPECT_NEAR(curve.points.back().loss, Direct(fitting, 700 * 0.06L), 1e-18L);
}

TEST(SystemCurve, UsTableGivesTheSameCurveInPsi) {
  const SystemCurve metric = ComputeSystemCurve(Pipeline(kThreeElements, Texts()), Water(), Range(1, 40, 7), Texts());
  CurveRequest request = Range(1, 40, 7);
  request.tableUs = true;
  request.psi = true;
  const SystemCurve us = ComputeSystemCurve(Pipeline(kThreeElements, Texts(), true), Water(), request, Texts());
  ASSERT_TRUE(metric.Ok());
  ASSERT_TRUE(us.Ok());
  for (std::size_t i = 0; i < 7; ++i) {
    // The US cells hold 3.937 in., 164.042 ft. and a roughness of 0.002 in. (0.0508 mm): the
    // losses differ by the rounding of the stored inputs, a few parts in 10⁴.
    EXPECT_NEAR(us.points[i].loss * units::kPsiInBar / metric.points[i].loss, 1, 5e-4L) << i;
  }
}

TEST(SystemCurve, StoredChoicesAreKept) {
  // A rounded inlet (option 1), a corrugated lyre bend whose stored ζ is taken as it stands, and a
  // dividing tee with 40 of 100 m³/h in its branch.
  results::ResultsTable table = Pipeline(
      {{2, 1, {"100"}, "1", 1}, {6, 2, {"100"}, "1", 1}, {5, 5, {"100", "50", "0", "45"}, "1", 0, "40", "100"}},
      Texts());
  table.SetCell(2, results::row::Zeta, "3,000");
  const SystemCurve curve = ComputeSystemCurve(table, Water(), Range(100, 200, 2), Texts());
  ASSERT_TRUE(curve.Ok());

  hydraulics::MainInput inlet;
  inlet.ElementGroup = 2;
  inlet.Input1 = 100;
  inlet.Option = 1;
  hydraulics::MainInput lyre;
  lyre.ElementGroup = 6;
  lyre.ElementKind = 2;
  lyre.Input1 = 100;
  hydraulics::CalculationOptions stored;
  stored.SystemCurveMode = true;
  stored.StoredZeta = 3;
  hydraulics::MainInput tee;
  tee.ElementGroup = 5;
  tee.ElementKind = 5;
  tee.Input1 = 100;
  tee.Input2 = 50;
  tee.Input4 = 45;
  tee.BranchFlow = 80;  // at 200 m³/h the branch keeps its share of 40/100
  const long double expected = Direct(inlet, 200) + Direct(lyre, 200, stored) + Direct(tee, 200);
  // The branch share comes from velocities stored with 3 decimals.
  EXPECT_NEAR(curve.points[1].loss / expected, 1, 1e-3L);
}

TEST(SystemCurve, FailuresAreValues) {
  const results::ResultsTable pipe = Pipeline({{1, 1, {"100", "50"}}}, Texts());
  const results::ResultsTable empty;
  results::ResultsTable unknown = Pipeline({{1, 1, {"100", "50"}}, {12, 1, {"100", "2"}}}, Texts());
  unknown.SetCell(2, results::row::Kind, "Unbekanntes Teil/1");
  hydraulics::MainInput air = Water();
  air.Density = 1.2L;
  air.Viscosity = 18;
  air.Gas = true;
  air.InletPressure = 1;
  air.InletTemperature = 293.15L;
  air.OutletTemperature = 293.15L;

  const struct {
    const char* name;
    const results::ResultsTable& table;
    hydraulics::MainInput operating;
    CurveRequest request;
    CurveFailure failure;
    int column;
  } cases[] = {
      {"empty range", pipe, Water(), Range(10, 10, 20), CurveFailure::EmptyRange, 0},
      {"negative start", pipe, Water(), Range(-1, 10, 20), CurveFailure::EmptyRange, 0},
      {"no elements", empty, Water(), Range(1, 10, 20), CurveFailure::NoElements, 0},
      {"unknown element", unknown, Water(), Range(1, 10, 20), CurveFailure::UnreadableColumn, 2},
      {"gas limit", pipe, air, Range(100, 20000, 20), CurveFailure::GasLimit, 1},
      {"zero curve", pipe, Water(), Range(1e-9L, 2e-9L, 20), CurveFailure::ZeroCurve, 0},
  };
  for (const auto& c : cases) {
    const SystemCurve curve = ComputeSystemCurve(c.table, c.operating, c.request, Texts());
    EXPECT_EQ(curve.failure, c.failure) << c.name;
    EXPECT_EQ(curve.failedColumn, c.column) << c.name;
    EXPECT_TRUE(curve.points.empty()) << c.name;
  }
}

TEST(SystemCurve, MessagesNameTheElementAndTheFlow) {
  const text::TextStore& texts = Texts();
  const auto dialog = [&](const char* key) { return texts.FormText(kRangeDialogBlock, key); };
  SystemCurve gas;
  gas.failure = CurveFailure::GasLimit;
  gas.failedColumn = 3;
  gas.failedFlow = 12.5L;
  CurveRequest request = Range(1, 20, 20);
  request.flowUnit = 4;  // l/s
  const text::Messages messages = CurveMessages(gas, request, texts);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            dialog("msgGasLimit") + "\n" + dialog("msgGasLimitRange") + "\n(Element-Nr. 3, 12,500 l/s)");
  EXPECT_EQ(messages[0].caption, texts.GlobalText(184));
  EXPECT_EQ(messages[0].icon, text::MessageIcon::Error);

  SystemCurve zero;
  zero.failure = CurveFailure::ZeroCurve;
  request.psi = true;
  EXPECT_EQ(CurveMessages(zero, request, texts).at(0).text, dialog("msgZeroCurveUs"));
  EXPECT_EQ(CurveMessages(zero, request, texts).at(0).icon, text::MessageIcon::Information);
  EXPECT_TRUE(CurveMessages(SystemCurve{}, request, texts).empty());
}

TEST(SystemCurve, RegimeChangeIsNoted) {
  const results::ResultsTable table = Pipeline({{1, 1, {"100", "10"}}, {13, 1, {"5"}}}, Texts());
  const SystemCurve across = ComputeSystemCurve(table, Water(), Range(0.01L, 10, 20), Texts());
  ASSERT_TRUE(across.Ok());
  EXPECT_TRUE(across.regimeChange);
  EXPECT_LT(across.reynoldsMin, 2320);
  EXPECT_GT(across.reynoldsMax, 2320);
  EXPECT_EQ(CurveMessages(across, {}, Texts()).at(0).text, Texts().FormText(kRangeDialogBlock, "msgTransition"));

  const SystemCurve turbulent = ComputeSystemCurve(table, Water(), Range(5, 10, 20), Texts());
  EXPECT_FALSE(turbulent.regimeChange);
  EXPECT_GT(turbulent.reynoldsMin, 2320);
}

TEST(SystemCurve, TwoThreadsSumAsOne) {
  const results::ResultsTable table = Pipeline(kThreeElements, Texts());
  CurveRequest one = Range(0, 50, 101);
  one.threads = 1;
  CurveRequest two = one;
  two.threads = 2;
  const SystemCurve a = ComputeSystemCurve(table, Water(), one, Texts());
  const SystemCurve b = ComputeSystemCurve(table, Water(), two, Texts());
  ASSERT_EQ(a.points.size(), b.points.size());
  for (std::size_t i = 0; i < a.points.size(); ++i) EXPECT_EQ(a.points[i].loss, b.points[i].loss) << i;
}

}  // namespace
}  // namespace velmora::curve
