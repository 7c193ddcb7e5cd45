// Orifice design: the worked water example, the start table's ends, the secant iteration's
// success (the bore meets ζ(d) = ζ*) and its failure, and the pipe that needs no orifice.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/OrificeDesign.h"
#include "hydraulics/OrificeLaws.h"

namespace velmora::calculators {
namespace {

OrificeDesignInput Water(OrificeKind kind, long double flow, long double pipe, long double loss, long double edge = 0) {
  return {kind, flow, 998.2L, 1002, pipe, edge, loss};
}

TEST(OrificeDesign, WaterExampleHasThePipeVelocityAndReynoldsNumberOfTheWorkedExample) {
  // 1 m³/h of water in a 50 mm pipe: v ≈ 0.1415 m/s, Re ≈ 7047 (printed digits).
  const OrificeDesign design = DesignOrifice(Water(OrificeKind::SharpEdged, 1, 50, 0.1L));
  EXPECT_NEAR(design.pipeVelocity, 0.1415L, 0.00005L);
  EXPECT_NEAR(design.pipeReynolds, 7047, 0.5L);
  ASSERT_EQ(design.status, OrificeDesignStatus::Bore);
  EXPECT_TRUE(design.validityWarning);  // Re far below 100000
}

TEST(OrificeDesign, TheBoreMeetsTheTargetCoefficientForEveryKind) {
  struct Case {
    const char* name;
    OrificeKind kind;
    long double flow, pipe, loss, edge;
    bool warning;
  };
  const Case cases[] = {
      {"sharpTurbulent", OrificeKind::SharpEdged, 100, 100, 0.5L, 0, false},
      {"sharpLaminarish", OrificeKind::SharpEdged, 1, 50, 0.1L, 0, true},
      {"roundedSmallRadius", OrificeKind::Rounded, 20, 80, 0.3L, 2, false},
      {"thickLongBore", OrificeKind::Thick, 10, 50, 1, 20, false},
      {"thickSlowFlow", OrificeKind::Thick, 0.01L, 50, 0.001L, 10, true},
  };
  for (const Case& c : cases) {
    const OrificeDesignInput input = Water(c.kind, c.flow, c.pipe, c.loss, c.edge);
    const OrificeDesign design = DesignOrifice(input);
    ASSERT_EQ(design.status, OrificeDesignStatus::Bore) << c.name;
    EXPECT_TRUE(design.converged) << c.name;
    EXPECT_GT(design.bore, 0) << c.name;
    EXPECT_LT(design.bore, c.pipe) << c.name;
    const long double zeta = OrificeZetaOfBore(input, design.pipeReynolds, design.bore);
    EXPECT_NEAR(zeta / design.targetZeta, 1, 1e-9L) << c.name;
    EXPECT_EQ(design.validityWarning, c.warning) << c.name;
  }
}

TEST(OrificeDesign, SharpBoreForAKnownCoefficientIsTheInverseOfItsLaw) {
  // Choose d/D1 = 0.5, compute the loss its ζ gives, and find d again.
  const long double zeta = hydraulics::SharpOrificeZeta(0.25L);
  OrificeDesignInput input = Water(OrificeKind::SharpEdged, 50, 100, 1);
  const long double v = 50 * 4 * 10000 / (100.0L * 100 * 3.14159265358979323846L * 36);
  input.pressureLoss = zeta * 998.2L * v * v / 2 / 100000;
  EXPECT_NEAR(DesignOrifice(input).bore, 50, 1e-6L);
}

TEST(OrificeDesign, StartTableEnds) {
  // Above the first point the start is d/D1 = 0.001; on a point its own ratio; at and below the
  // last point 1.
  EXPECT_EQ(StartAreaRatio(OrificeKind::SharpEdged, 3e12L), 1e-6L);
  EXPECT_EQ(StartAreaRatio(OrificeKind::SharpEdged, 313), 0.09L);
  EXPECT_NEAR(StartAreaRatio(OrificeKind::SharpEdged, (313 + 88) / 2.0L), (0.09L + 0.16L) / 2, 1e-15L);
  EXPECT_EQ(StartAreaRatio(OrificeKind::SharpEdged, 0.035L), 1);
  EXPECT_EQ(StartAreaRatio(OrificeKind::Thick, 0.011L), 1);
  EXPECT_NEAR(StartAreaRatio(OrificeKind::Rounded, 0.02L), 0.81L + (0.02L - 0.344L) * 0.17L / (0.013L - 0.344L),
              1e-15L);
  // A target just above the first point starts at d₀ = D1·0.001 and finds its bore.
  const OrificeDesign tiny = DesignOrifice(Water(OrificeKind::SharpEdged, 1, 100, 1.9e7L));
  EXPECT_GT(tiny.targetZeta, 2.91e12L);
  EXPECT_NEAR(tiny.startBore, 0.1L, 1e-12L);
  ASSERT_EQ(tiny.status, OrificeDesignStatus::Bore);
  EXPECT_LT(tiny.bore, 0.1L);
}

TEST(OrificeDesign, AnIterationThatLeavesThePipeFails) {
  // ζ* far above the table: from d₀ = D1·0.001 the first secant step of ζ ∝ d⁻⁴ overshoots to a
  // negative bore, and the iteration ends in the failure (never a bore d ≤ 0).
  const OrificeDesign design = DesignOrifice(Water(OrificeKind::SharpEdged, 1e-4L, 100, 500));
  EXPECT_GT(design.targetZeta, 1e15L);
  EXPECT_EQ(design.status, OrificeDesignStatus::Failure);
  EXPECT_EQ(design.bore, 0);
}

TEST(OrificeDesign, APipeThatAlreadyLosesEnoughNeedsNoOrifice) {
  // ζ* at or below the widest orifice of the table: no bore, for each kind.
  for (const auto [kind, limit] : {std::pair{OrificeKind::SharpEdged, 0.035L}, std::pair{OrificeKind::Rounded, 0.013L},
                                   std::pair{OrificeKind::Thick, 0.011L}}) {
    OrificeDesignInput input = Water(kind, 100, 100, 0, 5);
    const long double v = DesignOrifice(input).pipeVelocity;
    input.pressureLoss = limit * 998.2L * v * v / 2 / 100000;
    EXPECT_EQ(DesignOrifice(input).status, OrificeDesignStatus::NoOrificeNeeded);
    input.pressureLoss *= 0.5L;
    EXPECT_EQ(DesignOrifice(input).status, OrificeDesignStatus::NoOrificeNeeded);
    input.pressureLoss *= 4;  // above the last point: a bore close to the pipe
    const OrificeDesign design = DesignOrifice(input);
    ASSERT_EQ(design.status, OrificeDesignStatus::Bore);
    EXPECT_GT(design.bore, 95);
    EXPECT_LT(design.bore, 100);
  }
}

TEST(OrificeDesign, ArithmeticFaultsEndInFailureNeverInANumber) {
  // A zero viscosity makes the Reynolds number infinite (division by zero): failure.
  OrificeDesignInput input = Water(OrificeKind::Thick, 10, 50, 1, 20);
  input.viscosity = 0;
  const OrificeDesign design = DesignOrifice(input);
  EXPECT_EQ(design.status, OrificeDesignStatus::Failure);
  EXPECT_EQ(design.bore, 0);
}

}  // namespace
}  // namespace velmora::calculators
