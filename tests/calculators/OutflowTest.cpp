// Outflow at constant level, the discharge coefficient tables and the draining time: the worked
// examples and hand-checked values (Torricelli v = √(2gH)).
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/DischargeCoefficients.h"
#include "calculators/Outflow.h"

namespace velmora::calculators {
namespace {

TEST(Outflow, TorricelliForSmallOpeningsWithoutPressure) {
  // A = 1 m², H = 1 m, μ = 1: Q = √19.62 ≈ 4.4294 m³/s and v = Q, in the side and the bottom case
  // and for a large bottom opening.
  for (const int c : {1, 2, 6}) {
    const OutflowResult r = Outflow({.outflowCase = c, .area = 1, .height = 1, .mu = 1});
    EXPECT_NEAR(r.flow, 4.4294L, 0.00005L) << c;
    EXPECT_EQ(r.velocity, r.flow) << c;
  }
  // v = √(2gH) whatever the area; Q scales with μ·A.
  const OutflowResult r = Outflow({.outflowCase = 1, .area = 0.002L, .height = 5, .mu = 0.6L});
  EXPECT_NEAR(r.velocity, 0.6L * std::sqrt(2 * 9.81L * 5), 1e-15L);
  EXPECT_NEAR(r.flow, 0.6L * 0.002L * std::sqrt(2 * 9.81L * 5), 1e-15L);
}

TEST(Outflow, OverpressureAddsItsHead) {
  // 1 bar over water (1000 kg/m³) is a head of 10⁵/(1000·9.81) = 10.194 m.
  const OutflowResult pressed =
      Outflow({.outflowCase = 3, .area = 0.01L, .height = 2, .overpressure = 1, .density = 1000, .mu = 0.6L});
  const OutflowResult open =
      Outflow({.outflowCase = 1, .area = 0.01L, .height = 2 + 100000 / (1000 * 9.81L), .mu = 0.6L});
  EXPECT_NEAR(pressed.flow, open.flow, 1e-15L);
  const OutflowResult none = Outflow({.outflowCase = 4, .area = 0.01L, .height = 2, .density = 1000, .mu = 0.6L});
  EXPECT_NEAR(none.flow, Outflow({.outflowCase = 2, .area = 0.01L, .height = 2, .mu = 0.6L}).flow, 1e-15L);
}

TEST(Outflow, LargeSideOpeningIntegratesOverItsDepth) {
  // H1 = 0: Q = (2/3)·μ·b·√19.62·H2^1.5; A = H2·b.
  const OutflowResult r = Outflow({.outflowCase = 5, .upperDepth = 0, .lowerDepth = 2, .width = 0.5L, .mu = 0.6L});
  EXPECT_NEAR(r.flow, 2.0L / 3 * 0.6L * 0.5L * std::sqrt(19.62L) * std::pow(2.0L, 1.5L), 1e-15L);
  EXPECT_NEAR(r.area, 1, 1e-18L);
  // A thin slot deep below the surface behaves like a small opening at its mid depth.
  const OutflowResult slot =
      Outflow({.outflowCase = 5, .upperDepth = 9.99L, .lowerDepth = 10.01L, .width = 1, .mu = 1});
  EXPECT_NEAR(slot.velocity, std::sqrt(19.62L * 10), 1e-6L);
}

TEST(DischargeCoefficients, TablesAndTheirRanges) {
  EXPECT_EQ(FixedCoefficient(SmallOpening::SharpEdged), 0.60L);
  EXPECT_EQ(FixedCoefficient(SmallOpening::Nozzle), 0.98L);
  EXPECT_EQ(FixedCoefficient(SmallOpening::CylindricalExtension), 0.82L);
  EXPECT_EQ(*ConicalExtensionMu(90), 0.74L);
  EXPECT_EQ(*ConicalExtensionMu(10), 0.95L);
  EXPECT_NEAR(*ConicalExtensionMu(30), 0.94L - 10 * 0.06L / 25, 1e-18L);
  EXPECT_FALSE(ConicalExtensionMu(9.9L));
  EXPECT_FALSE(ConicalExtensionMu(90.1L));
  EXPECT_NEAR(*NozzleExtensionMu(1), 0.96L, 1e-18L);
  EXPECT_NEAR(*NozzleExtensionMu(0.3L), 0.96L * 0.855L, 1e-18L);
  EXPECT_FALSE(NozzleExtensionMu(0.09L));
  EXPECT_NEAR(*LargeSideOpeningMu(0.75L), 0.611L, 1e-18L);
  EXPECT_EQ(*LargeSideOpeningMu(2), 0.438L);
  EXPECT_FALSE(LargeSideOpeningMu(2.01L));
  EXPECT_EQ(*LargeBottomOpeningMu(0.05L), 0.61L);
  EXPECT_EQ(*LargeBottomOpeningMu(0.5L), 0.68L);
  EXPECT_FALSE(LargeBottomOpeningMu(0.51L));
}

TEST(DrainingTime, ShapesAgainstTheirIntegrals) {
  // Vertical cylinder D = 1 m, d = 100 mm, H = 1 m, μ = 0.6: t ≈ 75.3 s (worked example).
  EXPECT_NEAR(DrainingTime(VesselShape::VerticalCylinder, 1, 0.1L, 1, 0.6L), 75.3L, 0.05L);
  // Each shape is its volume-weighted Torricelli integral; with D = 2, d = 0.05, μ = 0.62:
  const long double outflow = 0.62L * 3.14159265358979323846L * 0.05L * 0.05L / 4 * std::sqrt(19.62L);
  const long double pi = 3.14159265358979323846L;
  EXPECT_NEAR(DrainingTime(VesselShape::HorizontalCylinder, 2, 0.05L, 3, 0.62L),
              4.0L / 3 * 3 * std::pow(2.0L, 1.5L) / outflow, 1e-9L);
  EXPECT_NEAR(DrainingTime(VesselShape::Sphere, 2, 0.05L, 0, 0.62L), 16 * pi / 60 * std::pow(2.0L, 2.5L) / outflow,
              1e-9L);
  // A cone holds a third of the cylinder's volume but drains in a fifth of its time (2/5 against 2).
  EXPECT_NEAR(DrainingTime(VesselShape::Cone, 2, 0.05L, 4, 0.62L) /
                  DrainingTime(VesselShape::VerticalCylinder, 2, 0.05L, 4, 0.62L),
              0.2L, 1e-15L);
}

}  // namespace
}  // namespace velmora::calculators
