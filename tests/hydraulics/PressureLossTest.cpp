#include <gtest/gtest.h>

#include "hydraulics/PressureLoss.h"

namespace velmora::hydraulics {
namespace {

TEST(PressureLoss, PipeByDarcyWeisbach) {
  // λ = 0.02, L = 10 m, d = 100 mm, 2 m/s, water 1000 kg/m³: Δp = λ·L/d·ρv²/2 = 4000 Pa.
  EXPECT_NEAR(PipePressureLoss(100, 2, 1000, 10, 0.02L), 0.04L, 1e-17L);
  EXPECT_NEAR(PipeZeta(0.02L, 10, 100), 2.0L, 1e-17L);
}

TEST(PressureLoss, FittingAndBranch) {
  // ζ = 1 at 2 m/s in water: ρv²/2 = 2000 Pa = 0.02 bar = 20 mbar.
  EXPECT_NEAR(FittingPressureLoss(1, 1000, 2), 0.02L, 1e-18L);
  EXPECT_NEAR(BranchPressureLossMbar(1, 1000, 2), 20.0L, 1e-15L);
}

TEST(PressureLoss, ReversibleChanges) {
  // 10 m of water: 98100 Pa; a negative height is a gain.
  EXPECT_NEAR(HeightPressureChange(1000, 10), 0.981L, 1e-16L);
  EXPECT_NEAR(HeightPressureChange(1000, -10), -0.981L, 1e-16L);
  // From 1 to 3 m/s: (9 − 1)·500 Pa.
  EXPECT_NEAR(DynamicPressureChange(1, 3, 1000), 0.04L, 1e-17L);
  EXPECT_NEAR(DynamicPressureChange(3, 1, 1000), -0.04L, 1e-17L);
}

struct GasCase {
  const char* name;
  long double dp, p1, T1, T2;
  bool limit;
  long double corrected;
};

class GasCorrectionTest : public ::testing::TestWithParam<GasCase> {};

TEST_P(GasCorrectionTest, LimitAndCorrection) {
  const auto& c = GetParam();
  const GasCorrected g = GasCorrection(c.dp, c.p1, c.T1, c.T2);
  EXPECT_EQ(g.Limit, c.limit);
  if (!c.limit) EXPECT_NEAR(g.PressureLoss, c.corrected, 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(Cases, GasCorrectionTest,
                         ::testing::Values(
                             // Exactly half the inlet pressure is still corrected: 2·(1 − √(1 − 1)) = 2 bar.
                             GasCase{"exactlyHalf", 1.0L, 2, 293.15L, 293.15L, false, 2.0L},
                             GasCase{"aboveHalf", 1.0001L, 2, 293.15L, 293.15L, true, 0},
                             // 0.1 bar at 2 bar isothermal: 2·(1 − √0.9).
                             GasCase{"isothermal", 0.1L, 2, 300, 300, false, 0.10263340389897246L},
                             // Heating from 300 to 400 K makes the radicand 1 − 0.9·350/300 < 0: the gas limit too.
                             GasCase{"heatedBeyondRoot", 0.9L, 2, 300, 400, true, 0},
                             // A gain of 0.1 bar: 2·(1 − √1.1).
                             GasCase{"pressureGain", -0.1L, 2, 300, 300, false, -0.09761769634030326L}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::hydraulics
