#include <gtest/gtest.h>

#include <cmath>

#include "ElementInput.h"
#include "hydraulics/Bends.h"
#include "hydraulics/Branches.h"
#include "hydraulics/CrossSectionChanges.h"
#include "hydraulics/FrictionFactor.h"

namespace velmora::hydraulics {
namespace {

using testing::AtReynolds;
using testing::Element;

// A free-shape duct of 1 m² and 4 m perimeter (dh = 1000 mm) at 1 m/s: Re = ρ exactly when
// η = 10⁶, so the regime limit can be met without rounding.
MainInput FreeShapeAtReynolds(long double Re) {
  MainInput in = Element(1, 6, {1, 4, 1});
  in.VolumeFlow = 3600;
  in.Density = Re;
  in.Viscosity = 1e6L;
  return in;
}

TEST(RegimeChoice, ExactlyTwoThousandThreeHundredTwentyIsTurbulent) {
  const ElementOutcome turbulent = CalculateElement(FreeShapeAtReynolds(2320));
  ASSERT_FALSE(turbulent.Error);
  EXPECT_EQ(turbulent.result.Reynolds, 2320.0L);
  EXPECT_FALSE(turbulent.Laminar);
  EXPECT_EQ(turbulent.result.Lambda, ColebrookLambda(1000, 2320, 0));

  const ElementOutcome laminar = CalculateElement(FreeShapeAtReynolds(2319.9L));
  EXPECT_TRUE(laminar.Laminar);
  EXPECT_EQ(laminar.result.Lambda, 64.0L / laminar.result.Reynolds);
}

TEST(StraightDuct, LaminarPipeIsHagenPoiseuille) {
  // Δp = 32·η·L·v/d², independent of the friction-factor form.
  MainInput in = AtReynolds(Element(1, 1, {50, 20}), 1000);
  const ElementOutcome o = CalculateElement(in);
  const long double v = o.result.Velocity;
  const long double poiseuille = 32.0L * (in.Viscosity * 1e-6L) * 20.0L * v / (0.05L * 0.05L) / 1e5L;
  EXPECT_NEAR(o.result.PressureLoss, poiseuille, 1e-15L);
  EXPECT_NEAR(o.result.Zeta, 64.0L / 1000.0L * 20.0L / 50.0L * 1000.0L, 1e-12L);
}

TEST(StraightDuct, TurbulentPipeByDarcyWeisbach) {
  // D 100 mm, L 10 m at 2 m/s: ζ = λ·L/D = 100·λ and Δp = ζ·ρv²/2 = 100·λ·1000·4/2 Pa.
  MainInput in = Element(1, 1, {100, 10});
  in.VolumeFlow = 18 * Pi;  // 2 m/s
  in.Density = 1000;
  in.Viscosity = 1000;
  in.Input6 = 0.05L;
  const ElementOutcome o = CalculateElement(in);
  EXPECT_NEAR(o.result.Velocity, 2.0L, 1e-17L);
  EXPECT_NEAR(o.result.Reynolds, 200000.0L, 1e-9L);
  EXPECT_EQ(o.result.Lambda, ColebrookLambda(100, o.result.Reynolds, 0.05L));
  EXPECT_NEAR(o.result.Zeta, 100.0L * o.result.Lambda, 1e-15L);
  EXPECT_NEAR(o.result.PressureLoss, 2.0L * o.result.Lambda, 1e-16L);
}

TEST(StraightDuct, LaminarSquareDuctAndAnnulus) {
  MainInput square = Element(1, 2, {100, 100, 1});
  square.VolumeFlow = 0.5L;
  const ElementOutcome s = CalculateElement(square);
  ASSERT_TRUE(s.Laminar);
  EXPECT_NEAR(s.result.Lambda, 0.88L * 64.0L / s.result.Reynolds, 1e-18L);

  MainInput annulus = Element(1, 3, {100, 50, 1});
  annulus.VolumeFlow = 0.5L;
  const ElementOutcome a = CalculateElement(annulus);
  ASSERT_TRUE(a.Laminar);
  EXPECT_EQ(a.result.HydraulicDiameter, 50.0L);
  // R = 2 lies a quarter into the segment from 1 (1.5) to 5 (1.45).
  EXPECT_NEAR(a.result.Lambda, 1.4875L * 64.0L / a.result.Reynolds, 1e-18L);
}

TEST(StraightDuct, CorrugatedPipeTakesItsLengthFromTheFourthSlot) {
  MainInput in = Element(1, 5, {100, 5, 20, 7});
  const ElementOutcome o = CalculateElement(in);
  EXPECT_EQ(o.result.Lambda, CorrugatedLambda(100, 5, 20, o.result.Reynolds));
  EXPECT_NEAR(o.result.Zeta, o.result.Lambda * 7.0L / 100.0L * 1000.0L, 1e-15L);
}

struct InletCase {
  const char* name;
  int kind;
  int option;
  long double angle;
  long double zetaInfinity;
};

class InletTest : public ::testing::TestWithParam<InletCase> {};

TEST_P(InletTest, TurbulentAndLaminar) {
  const auto& c = GetParam();
  MainInput in = Element(2, c.kind, {100, c.angle});
  in.Option = c.option;
  EXPECT_NEAR(CalculateElement(AtReynolds(in, 1e5L)).result.Zeta, c.zetaInfinity, 1e-18L);
  const ElementOutcome laminar = CalculateElement(AtReynolds(in, 300));
  EXPECT_NEAR(laminar.result.Zeta, 30.0L / 300.0L + c.zetaInfinity, 1e-15L);
  EXPECT_FALSE(laminar.LaminarWarning);  // inlets have a laminar law
}

INSTANTIATE_TEST_SUITE_P(Cases, InletTest,
                         ::testing::Values(InletCase{"sharpFlush", 1, 0, 0, 0.5L},
                                           InletCase{"sharpOption1", 1, 1, 0, 0.25L},
                                           InletCase{"rounded", 2, 0, 0, 0.05L},
                                           InletCase{"angledStraight", 3, 0, 0, 1.0L},  // 0.5 + 0.3 + 0.2
                                           InletCase{"angledSquare", 3, 0, 90, 0.5L},
                                           InletCase{"protruding", 4, 0, 0, 3.0L},
                                           InletCase{"protrudingOption1", 4, 1, 0, 1.0L}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CrossSectionChange, SuddenExpansionIsBordaCarnot) {
  // Δp = ρ/2·(v1 − v2)², the momentum balance of a sudden expansion.
  MainInput in = AtReynolds(Element(3, 1, {50, 100}), 1e5L);
  const ElementOutcome o = CalculateElement(in);
  const long double dv = o.result.Velocity - o.result.Velocity2;
  EXPECT_NEAR(o.result.PressureLoss, in.Density / 2.0L * dv * dv / 1e5L, 1e-16L);
  EXPECT_EQ(o.result.Zeta, 0.5625L);  // (1 − 1/4)²
}

TEST(CrossSectionChange, LaminarLossUsesTheDownstreamVelocity) {
  MainInput in = AtReynolds(Element(3, 1, {50, 100}), 5);
  const ElementOutcome o = CalculateElement(in);
  ASSERT_TRUE(o.Laminar);
  EXPECT_NEAR(o.result.Zeta, 30.0L / 5.0L, 1e-15L);
  EXPECT_NEAR(o.result.PressureLoss, 6.0L / 2 / 100000 * in.Density * o.result.Velocity2 * o.result.Velocity2, 1e-20L);
}

struct ContractionCase {
  const char* name;
  long double d2;
  long double Re2;
  long double zeta;
};

class SuddenContractionTable : public ::testing::TestWithParam<ContractionCase> {};

TEST_P(SuddenContractionTable, RowByAreaRatioColumnByReynolds) {
  const auto& c = GetParam();
  EXPECT_NEAR(SuddenContractionLaminarZeta(100, c.d2, c.Re2), c.zeta, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(Cases, SuddenContractionTable,
                         ::testing::Values(ContractionCase{"belowTen", 50, 5, 5.0L},
                                           // n = 0.25: 10·n = 2.5 rounds half away to row 3; halfway from 100 to 200.
                                           ContractionCase{"row3Between100And200", 50, 150, 0.975L},
                                           ContractionCase{"row3Between5000And10000", 50, 7500, 0.45L},
                                           ContractionCase{"row3From10000On", 50, 20000, 0.35L},
                                           ContractionCase{"tinyAreaRatioClampsToRow1", 10, 20, 3.2L},
                                           ContractionCase{"largeAreaRatioClampsToRow6", 95, 20, 2.6L}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CrossSectionChange, ContractionRegimeIsDecidedInTheNarrowSection) {
  // A large pipe Re with Re₂ < 2320 takes the laminar table (here the second section is wider).
  const ElementOutcome wide = CalculateElement(AtReynolds(Element(3, 3, {50, 100}), 3000));
  EXPECT_TRUE(wide.Laminar);
  EXPECT_NEAR(wide.result.Reynolds2, 1500.0L, 1e-9L);
  EXPECT_EQ(wide.result.Zeta, SuddenContractionLaminarZeta(50, 100, wide.result.Reynolds2));
  // And a laminar pipe Re with Re₂ ≥ 2320 in the throat takes the turbulent law.
  const ElementOutcome narrow = CalculateElement(AtReynolds(Element(3, 3, {100, 50}), 1500));
  EXPECT_FALSE(narrow.Laminar);
  EXPECT_EQ(narrow.result.Zeta, SuddenContractionZeta(100, 50));
}

TEST(CrossSectionChange, GradualChangesShowThePipeFrictionFactor) {
  MainInput expansion = AtReynolds(Element(3, 2, {50, 100, 10}), 1e5L);
  expansion.Input6 = 0.05L;
  const ElementOutcome e = CalculateElement(expansion);
  EXPECT_EQ(e.result.Lambda, ColebrookLambda(50, e.result.Reynolds, 0.05L));
  EXPECT_EQ(e.result.Zeta, GradualExpansionZeta(50, 100, 10, e.result.Lambda));

  MainInput contraction = AtReynolds(Element(3, 4, {100, 50, 10}), 1e5L);
  const ElementOutcome c = CalculateElement(contraction);
  EXPECT_EQ(c.result.Lambda, ColebrookLambda(100, c.result.Reynolds, 0));
  EXPECT_GT(c.result.Zeta, 0);

  const ElementOutcome laminar = CalculateElement(AtReynolds(Element(3, 2, {50, 100, 10}), 500));
  EXPECT_EQ(laminar.result.Lambda, 0.0L);
}

struct RegimeCase {
  const char* name;
  long double k;
  long double Re;
  BendRegime regime;
};

class BendRegimeTest : public ::testing::TestWithParam<RegimeCase> {};

TEST_P(BendRegimeTest, Classification) {
  EXPECT_EQ(BendRoughnessRegime(GetParam().k, 100, GetParam().Re), GetParam().regime);
}

INSTANTIATE_TEST_SUITE_P(Cases, BendRegimeTest,
                         ::testing::Values(RegimeCase{"smoothBelowLimit", 0, 1e5L,
                                                      BendRegime::Transition},  // Re* ≈ 3.39e5
                                           RegimeCase{"smoothAboveLimit", 0, 3.5e5L, BendRegime::HydraulicallySmooth},
                                           RegimeCase{"roughHighRe", 0.2L, 3e5L, BendRegime::FullyRough},
                                           RegimeCase{"slightlyRoughHighRe", 0.05L, 3e5L, BendRegime::NearlyRough},
                                           RegimeCase{"roughLowRe", 0.2L, 1e5L, BendRegime::NearlyRough}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Bend, SmoothPipeAtHundredThousandIsInTheTransition) {
  // k = 0, Re = 1e5, δ = 90 (A = 0.21), R/D = 2: ζM = 58.5·A/√(R/D)/Re^(1/3).
  // Hand-checked: 58.5·0.21/√2/10^(5/3) = 0.18715157930340339 (evaluated apart to 30 digits).
  const long double lambda = ColebrookLambda(100, 1e5L, 0);
  const BendCoefficient b = BendZeta(lambda, 0, 90, 200, 100, 1e5L);
  EXPECT_NEAR(b.Local, 0.1871515793034034L, 1e-15L);
  EXPECT_NEAR(b.Friction, 0.0175L * lambda * 2 * 90, 1e-17L);
  EXPECT_EQ(b.Total, b.Friction + b.Local);
}

TEST(Bend, FullyRoughLocalPart) {
  // k/D = 0.002, Re = 3e5: ζM = 2·A/√(R/D).
  const BendCoefficient b = BendZeta(0.02L, 0.2L, 90, 200, 100, 3e5L);
  EXPECT_NEAR(b.Local, 2.0L * 0.21L / std::sqrt(2.0L), 1e-18L);
}

TEST(Bend, NearlyRoughRules) {
  const long double s = 0.21L / std::sqrt(2.0L);
  // r = 0.0005 at Re 3e5: (1000·r + 1)·s.
  EXPECT_NEAR(BendZeta(0.02L, 0.05L, 90, 200, 100, 3e5L).Local, 1.5L * s, 1e-18L);
  // r = 0.0005 at Re 1e5: 64·λ₀·(1000·r + 1)·s.
  const long double lambda0 = ColebrookLambda(100, 1e5L, 0);
  EXPECT_NEAR(BendZeta(0.02L, 0.05L, 90, 200, 100, 1e5L).Local, 64.0L * lambda0 * 1.5L * s, 1e-17L);
  // r = 0.002 at Re 1e5: 128·λ₀·s.
  EXPECT_NEAR(BendZeta(0.02L, 0.2L, 90, 200, 100, 1e5L).Local, 128.0L * lambda0 * s, 1e-17L);
}

TEST(Bend, AngleAboveNinetyKeepsTheLocalPartOfNinety) {
  const BendCoefficient at90 = BendZeta(0.02L, 0, 90, 200, 100, 1e5L);
  const BendCoefficient at120 = BendZeta(0.02L, 0, 120, 200, 100, 1e5L);
  EXPECT_EQ(at120.Local, at90.Local);
  EXPECT_NEAR(at120.Friction, at90.Friction * 120 / 90, 1e-18L);
}

TEST(Bend, CircularBendElement) {
  MainInput in = AtReynolds(Element(4, 1, {100, 200, 90}), 1e5L);
  const ElementOutcome o = CalculateElement(in);
  EXPECT_EQ(o.result.Lambda, ColebrookLambda(100, o.result.Reynolds, 0));
  EXPECT_EQ(o.result.Zeta, BendZeta(o.result.Lambda, 0, 90, 200, 100, o.result.Reynolds).Total);
  const ElementOutcome laminar = CalculateElement(AtReynolds(in, 2000));
  EXPECT_EQ(laminar.result.Lambda, 0.0L);
  // De = √(100/400)·2000/2 = 500 ≤ 1000: 0.415·δ·(R/D)/Re·De^0.36.
  EXPECT_NEAR(laminar.result.Zeta, 0.415L * 90 * 2 / 2000 * std::pow(500.0L, 0.36L), 1e-15L);
}

TEST(Bend, LaminarBendAboveDeanThousand) {
  // D = R: De = √0.5·Re/2 exceeds 1000 only from Re ≈ 2829 on, beyond the laminar regime of an
  // element with R ≥ D; the law itself still holds it.
  EXPECT_NEAR(LaminarBendZeta(3000, 90, 100, 100), 0.082L * 90 / std::pow(3000.0L, 0.45L), 1e-15L);
}

TEST(Bend, SquareRectangularBendEqualsTheCircularBendOfItsHydraulicDiameter) {
  // H/B = 1: C = 1, so ζ = ζB of dh = 100 mm.
  const ElementOutcome o = CalculateElement(Element(4, 4, {100, 100, 200, 90}));
  ASSERT_FALSE(o.Laminar);
  EXPECT_EQ(o.result.HydraulicDiameter, 100.0L);
  EXPECT_NEAR(o.result.Zeta, BendZeta(o.result.Lambda, 0, 90, 200, 100, o.result.Reynolds).Total, 1e-18L);
}

TEST(Bend, TablesOfSegmentAndCastIronBends) {
  EXPECT_EQ(SegmentBendZeta(90), 0.25L);
  EXPECT_NEAR(SegmentBendZeta(37.5L), 0.125L, 1e-18L);
  EXPECT_EQ(CastIronBendZeta(50), 1.3L);
  EXPECT_EQ(CastIronBendZeta(600), 2.2L);
  EXPECT_EQ(CastIronBendZeta(40), 0.0L);
  EXPECT_EQ(RectangularBendFactor(12), 0.6L);
}

TEST(Bend, LaminarWarningOfBendsWithoutLaminarLaw) {
  const MainInput in = AtReynolds(Element(4, 2, {100, 90}), 1000);
  const ElementOutcome o = CalculateElement(in);
  EXPECT_TRUE(o.LaminarWarning);
  EXPECT_EQ(o.result.Zeta, 0.25L);  // the same law as in turbulent flow
  CalculationOptions curve;
  curve.SystemCurveMode = true;
  EXPECT_FALSE(CalculateElement(in, curve).LaminarWarning);
  EXPECT_FALSE(CalculateElement(AtReynolds(Element(4, 1, {100, 200, 90}), 1000)).LaminarWarning);
}

TEST(MitreElbow, ValuesAndRoughnessFactor) {
  // Hand-checked: 4.06/10^(6·0.118)·(33.5/90 + 0.95)·(0.95/2 + 2.05/4) = 1.03840695873690317
  // (evaluated apart to 30 digits).
  EXPECT_NEAR(MitreZeta(1e6L, 0, 100, 90), 1.0384069587369031L, 1e-15L);
  EXPECT_NEAR(MitreZeta(1e5L, 0.05L, 100, 90), MitreZeta(1e5L, 0, 100, 90) * 1.25L, 1e-15L);
  EXPECT_NEAR(MitreZeta(1e5L, 0.2L, 100, 90), MitreZeta(1e5L, 0, 100, 90) * 1.5L, 1e-15L);
  EXPECT_EQ(MitreZeta(3e4L, 0.2L, 100, 90), MitreZeta(3e4L, 0, 100, 90));  // Re/1000 ≤ 40
  // Laminar: K = 6.0 up to 30°, 2.55 at 60°, 1.3 from 90° on.
  const long double base = MitreZeta(1e6L, 0, 100, 20);
  EXPECT_NEAR(MitreLaminarZeta(1000, 0, 100, 20), base * 7.0L + 1.2L, 1e-15L);
  EXPECT_NEAR(MitreLaminarZeta(1000, 0, 100, 60), MitreZeta(1e6L, 0, 100, 60) * 3.55L + 1.2L, 1e-15L);
  EXPECT_NEAR(MitreLaminarZeta(1000, 0, 100, 120), MitreZeta(1e6L, 0, 100, 120) * 2.3L + 1.2L, 1e-15L);
}

TEST(MitreElbow, RectangularElbowTakesItsAngleFromTheThirdSlot) {
  const ElementOutcome o = CalculateElement(Element(4, 6, {100, 100, 60, 999}));
  EXPECT_NEAR(o.result.Zeta, MitreZeta(o.result.Reynolds, 0, 100, 60), 1e-18L);
  // λ of the pipe is shown in turbulent flow although the mitre law needs none.
  EXPECT_EQ(o.result.Lambda, ColebrookLambda(100, o.result.Reynolds, 0));
  const ElementOutcome circular = CalculateElement(Element(4, 5, {100, 60}));
  EXPECT_EQ(circular.result.Lambda, ColebrookLambda(100, circular.result.Reynolds, 0));
}

TEST(Branch, SharpTeeAndItsHalfFlowBranch) {
  const ElementOutcome o = CalculateElement(Element(5, 1, {100, 50}));
  EXPECT_NEAR(o.result.Zeta, 2.2L, 1e-18L);  // 1 + 0.075·2⁴
  // Half the flow through a quarter of the area: twice the velocity.
  EXPECT_NEAR(o.result.Velocity2, 2.0L * o.result.Velocity, 1e-17L);
  EXPECT_EQ(CalculateElement(Element(5, 2, {100})).result.Zeta, 5.0L);
  EXPECT_EQ(CalculateElement(Element(5, 3, {100})).result.Zeta, 0.7L);
  EXPECT_EQ(CalculateElement(Element(5, 4, {100})).result.Zeta, 0.9L);
}

TEST(Branch, DividingFlowWithoutBranchFlow) {
  MainInput in = Element(5, 5, {100, 50, 0, 45});
  in.BranchFlow = 0;
  const ElementOutcome o = CalculateElement(in);
  ASSERT_FALSE(o.Error);
  EXPECT_NEAR(o.result.Zeta, 0.03L, 1e-18L);
  EXPECT_NEAR(o.result.Zeta2, 0.95L, 1e-18L);
  const long double v = o.result.Velocity;
  EXPECT_NEAR(o.result.BranchPressureLoss, 0.95L / 2 / 100000 * in.Density * v * v * 1000, 1e-15L);
  EXPECT_EQ(o.result.Velocity2, 0.0L);
}

TEST(Branch, CombiningFlowWithoutBranchFlow) {
  const BranchCoefficients c = CombiningBranchZeta(0, 0.25L, 0, 100, 45);
  EXPECT_NEAR(c.Zeta, 0.03L, 1e-18L);
  EXPECT_NEAR(c.Zeta2, -0.92L, 1e-18L);
}

struct DividingKCase {
  const char* name;
  long double q, n, alpha, K;
};

class DividingLaminarK : public ::testing::TestWithParam<DividingKCase> {};

TEST_P(DividingLaminarK, Table) {
  const auto& c = GetParam();
  EXPECT_NEAR(DividingLaminarFactor(c.q, c.n, c.alpha), c.K, 1e-18L);
}

INSTANTIATE_TEST_SUITE_P(Cases, DividingLaminarK,
                         ::testing::Values(DividingKCase{"widerBranchSmallShare", 0.4L, 1.5L, 45, 0.9L},
                                           DividingKCase{"widerBranchLargeShare", 0.5L, 1.5L, 45, 0},
                                           DividingKCase{"noShare", 0.02L, 0.25L, 45, 0.9L},
                                           DividingKCase{"halfAt45", 0.5L, 0.25L, 45, 3.6L},
                                           DividingKCase{"halfAt90", 0.5L, 0.25L, 90, 1.4L},
                                           DividingKCase{"halfAbove90", 0.5L, 0.25L, 91, 0},
                                           DividingKCase{"halfAt15", 0.5L, 0.25L, 15, 2.375L},
                                           DividingKCase{"shareAboveOne", 1.1L, 0.25L, 45, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Branch, LaminarBranchPieces) {
  MainInput dividing = AtReynolds(Element(5, 5, {100, 50, 0, 45}), 1000);
  dividing.BranchFlow = dividing.VolumeFlow / 2;
  const ElementOutcome d = CalculateElement(dividing);
  ASSERT_TRUE(d.Laminar);
  EXPECT_FALSE(d.LaminarWarning);
  const BranchCoefficients turbulent = DividingBranchZeta(0.5L, 0.25L, 0, 100, 45);
  EXPECT_NEAR(d.result.Zeta, 3.0L * turbulent.Zeta + 33.0L / 1000, 1e-15L);
  EXPECT_NEAR(d.result.Zeta2, turbulent.Zeta2 * 4.6L + 150.0L / 1000, 1e-14L);

  // Combining, n = 0.25 ≤ 0.35: u = 1.8 − q.
  const BranchCoefficients c = CombiningBranchLaminarZeta({1, 2}, 0.5L, 0.25L, 1000);
  EXPECT_NEAR(c.Zeta, 1.3L * 0.25L - 4.0L * 1.525L + 2.0L, 1e-15L);
  EXPECT_NEAR(c.Zeta2, 0.15L + 4.0L, 1e-15L);
}

TEST(Branch, BreechesPieces) {
  EXPECT_NEAR(CalculateElement(Element(5, 7, {100, 45})).result.Zeta, 0.7L, 1e-18L);
  EXPECT_EQ(StraightBreechesZeta(95), 0.0L);
  EXPECT_NEAR(CalculateElement(Element(5, 8, {100, 100})).result.Zeta, 0.4L, 1e-18L);
  EXPECT_EQ(CurvedBreechesZeta(2.5L), 0.0L);
}

}  // namespace
}  // namespace velmora::hydraulics
