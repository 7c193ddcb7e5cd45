// The rules every element shares: Count, gas correction, options, faults and notes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ElementInput.h"
#include "hydraulics/ElementKinds.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/PrepareFlow.h"

namespace velmora::hydraulics {
namespace {

using testing::AtReynolds;
using testing::Element;

TEST(ElementKinds, SixtyFiveKindsEachWithALaw) {
  ASSERT_EQ(ElementKinds().size(), 65u);
  for (const ElementKindInfo& kind : ElementKinds()) {
    EXPECT_EQ(FindElementKind(kind.Group, kind.Kind), &kind);
    EXPECT_NE(laws::LawOf(kind.Group, kind.Kind), nullptr) << kind.Group << "/" << kind.Kind;
  }
  EXPECT_EQ(FindElementKind(1, 7), nullptr);
  EXPECT_EQ(FindElementKind(14, 1), nullptr);
  EXPECT_EQ(FindElementKind(0, 0), nullptr);
}

TEST(Count, MultipliesOnlyThePressureLoss) {
  MainInput in = Element(5, 5, {100, 50, 0, 45});
  in.BranchFlow = 10;
  const ElementOutcome one = CalculateElement(in);
  in.Count = 3;
  const ElementOutcome three = CalculateElement(in);
  EXPECT_NEAR(three.result.PressureLoss, 3 * one.result.PressureLoss, 1e-18L);
  EXPECT_EQ(three.result.Zeta, one.result.Zeta);
  EXPECT_EQ(three.result.Zeta2, one.result.Zeta2);
  EXPECT_EQ(three.result.BranchPressureLoss, one.result.BranchPressureLoss);
}

// 12/2 of 100 × 100 mm at 36 m³/h runs at exactly 1 m/s; with ρ = 1 and ζ = 200000 the
// incompressible loss is exactly 1 bar.
MainInput GasElement(long double zeta) {
  MainInput in = Element(12, 2, {100, 100, zeta});
  in.Density = 1;
  in.Viscosity = 18;
  in.Gas = true;
  in.InletPressure = 2;
  in.InletTemperature = 300;
  in.OutletTemperature = 300;
  return in;
}

TEST(GasCorrection, HalfTheInletPressureIsStillCorrected) {
  const ElementOutcome exact = CalculateElement(GasElement(200000));
  ASSERT_FALSE(exact.GasLimit);
  ASSERT_FALSE(exact.Error);
  EXPECT_EQ(exact.result.PressureLoss, 2.0L);  // 2·(1 − √(1 − 1))
  EXPECT_EQ(exact.result.Zeta, 200000.0L);     // ζ is not corrected

  const ElementOutcome above = CalculateElement(GasElement(200020));  // 1.0001 bar
  EXPECT_TRUE(above.GasLimit);
  EXPECT_FALSE(above.Error);
  EXPECT_TRUE(CalculateElement(GasElement(200020), CalculationOptions{true, -1, {}}).GasLimit);
}

TEST(GasCorrection, AppliedBeforeCount) {
  MainInput in = GasElement(20000);  // 0.1 bar
  in.Count = 2;
  EXPECT_NEAR(CalculateElement(in).result.PressureLoss, 2 * 2 * (1 - std::sqrt(0.9L)), 1e-17L);
  in.OutletTemperature = 400;  // heating: radicand 1 − 0.1·350/300
  EXPECT_NEAR(CalculateElement(in).result.PressureLoss, 2 * 2 * (1 - std::sqrt(1 - 0.1L * 350 / 300)), 1e-17L);
}

TEST(Options, StoredOptionCountsOnlyOnTheSystemCurve) {
  MainInput inlet = Element(2, 1, {100});
  CalculationOptions stored;
  stored.StoredOption = 1;
  EXPECT_EQ(CalculateElement(inlet, stored).result.Zeta, 0.5L);
  stored.SystemCurveMode = true;
  EXPECT_EQ(CalculateElement(inlet, stored).result.Zeta, 0.25L);
}

struct FaultCase {
  const char* name;
  MainInput input;
  const char* reason;
};

MainInput With(MainInput in, long double MainInput::*field, long double value) {
  in.*field = value;
  return in;
}

MainInput InfiniteGasLoss() {
  MainInput in = Element(12, 1, {100, 1e4930L});
  in.Density = 1e10L;
  in.Gas = true;
  in.InletPressure = 1e4932L;
  in.InletTemperature = 300;
  in.OutletTemperature = 300;
  return in;
}

class FaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, GivesTheCalculationErrorAndNoResult) {
  const ElementOutcome o = CalculateElement(GetParam().input);
  EXPECT_TRUE(o.Error);
  EXPECT_FALSE(o.GasLimit);
  EXPECT_FALSE(o.LaminarWarning);
  ASSERT_NE(o.ErrorReason, nullptr);
  if (GetParam().reason != nullptr) EXPECT_STREQ(o.ErrorReason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaultTest,
    ::testing::Values(
        FaultCase{"zeroDiameter", Element(1, 1, {0, 1}), "division by zero"},
        FaultCase{"zeroViscosity", With(Element(1, 1, {100, 1}), &MainInput::Viscosity, 0), "division by zero"},
        FaultCase{"zeroBore", Element(9, 2, {100, 0}), "division by zero"},
        FaultCase{"gateOpenedBeyondThePipe", Element(7, 4, {100, 150}), nullptr},  // arccos of 1.5
        FaultCase{"laminarExpansionBeyondNinety", AtReynolds(Element(3, 2, {50, 100, 120}), 500), nullptr},
        FaultCase{"flowOverflows", With(Element(1, 1, {100, 1}), &MainInput::VolumeFlow, 1e4930L), "overflow"},
        FaultCase{"notANumber",
                  With(Element(1, 1, {100, 1}), &MainInput::Density, std::numeric_limits<long double>::quiet_NaN()),
                  nullptr},
        FaultCase{"infiniteInput",
                  With(Element(12, 1, {100, 1}), &MainInput::Input2, std::numeric_limits<long double>::infinity()),
                  "non-finite result"},
        FaultCase{"lossOverflowsBeforeTheGasCheck", InfiniteGasLoss(), "overflow"},
        FaultCase{"unknownKind", Element(1, 7, {100, 1}), "unknown element"},
        FaultCase{"unknownGroup", Element(14, 1, {100, 1}), "unknown element"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Faults, GasFlagNeedsAGas) {
  // The zero-temperature case above faults only because the medium is a gas.
  MainInput in = Element(12, 1, {100, 1});
  in.Gas = true;
  in.InletPressure = 1;
  EXPECT_TRUE(CalculateElement(in).Error);
  in.Gas = false;
  EXPECT_FALSE(CalculateElement(in).Error);
}

TEST(PrepareFlow, IsPublicAndMatchesTheCalculation) {
  const MainInput in = Element(3, 3, {100, 50});
  const ElementResult flow = PrepareFlow(in);
  const ElementOutcome o = CalculateElement(in);
  EXPECT_EQ(flow.Velocity, o.result.Velocity);
  EXPECT_EQ(flow.Reynolds2, o.result.Reynolds2);
  EXPECT_EQ(flow.Zeta, 0.0L);
  EXPECT_EQ(PrepareFlow(Element(1, 9, {100})).Velocity, 0.0L);
}

}  // namespace
}  // namespace velmora::hydraulics
