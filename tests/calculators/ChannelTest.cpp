// Open channels by Manning-Strickler: the worked examples, a full circular conduit against Manning's
// formula, limits (a trapezoid with upright walls is the rectangle), the optimal profiles (the
// trapezoid with 60° walls is half a hexagon) and the Strickler table.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/OpenChannel.h"
#include "calculators/StricklerTable.h"

namespace velmora::calculators {
namespace {

constexpr long double kPi = 3.14159265358979323846L;

TEST(OpenChannel, RectangleExample) {
  // B = 2 m, H = 1 m, 1 %, k_St = 50: R_h = 0.5 m, v ≈ 3.150 m/s, Q ≈ 6.300 m³/s.
  const ChannelFlow flow =
      ManningStrickler(SectionOf(ChannelShape::Rectangle, 2, 1, 0), Slope(SlopeGiven::Percent, 1, 0, 0), 50);
  EXPECT_EQ(flow.hydraulicRadius, 0.5L);
  EXPECT_NEAR(flow.velocity, 3.150L, 0.0005L);
  EXPECT_NEAR(flow.flow, 6.300L, 0.0005L);
}

TEST(OpenChannel, FullCircularConduitFollowsManning) {
  // D = 1.2 m flowing full as "any shape": v = (1/n)·(D/4)^(2/3)·√I with n = 1/k_St = 0.013.
  const long double D = 1.2L;
  const ChannelSection full = SectionOf(ChannelShape::AnyShape, kPi * D, kPi * D * D / 4, 0);
  const ChannelFlow flow = ManningStrickler(full, 0.002L, 1 / 0.013L);
  EXPECT_NEAR(flow.velocity, 1 / 0.013L * std::pow(D / 4, 2.0L / 3) * std::sqrt(0.002L), 1e-15L);
  EXPECT_NEAR(flow.velocity, 1.54165L, 0.000005L);  // by hand: 76.923·0.448140·0.0447214
}

TEST(OpenChannel, ShapesMeetAtTheirLimits) {
  const ChannelSection rectangle = SectionOf(ChannelShape::Rectangle, 3, 1.5L, 0);
  const ChannelSection upright = SectionOf(ChannelShape::Trapezoid, 3, 1.5L, 90);
  EXPECT_NEAR(upright.area, rectangle.area, 1e-15L);
  EXPECT_NEAR(upright.perimeter, rectangle.perimeter, 1e-15L);
  // A trapezoid without bottom is the triangle of the same walls.
  const ChannelSection triangle = SectionOf(ChannelShape::Triangle, 2, 30, 0);
  const ChannelSection pointed = SectionOf(ChannelShape::Trapezoid, 0, 2, 30);
  EXPECT_NEAR(pointed.area, triangle.area, 1e-15L);
  EXPECT_NEAR(pointed.perimeter, triangle.perimeter, 1e-15L);
  EXPECT_NEAR(SectionOf(ChannelShape::Semicircle, 1, 0, 0).area, kPi / 2, 1e-18L);
  EXPECT_TRUE(WallAngleAllowed(ChannelShape::Trapezoid, 90));
  EXPECT_FALSE(WallAngleAllowed(ChannelShape::Triangle, 90));
  EXPECT_FALSE(WallAngleAllowed(ChannelShape::Trapezoid, 0));
}

TEST(OpenChannel, SlopeKinds) {
  EXPECT_EQ(Slope(SlopeGiven::Heights, 3, 1, 400), Slope(SlopeGiven::Heights, 1, 3, 400));
  EXPECT_EQ(Slope(SlopeGiven::Heights, 3, 1, 400), 0.005L);
  EXPECT_NEAR(Slope(SlopeGiven::Angle, 30, 0, 0), 0.5L, 1e-18L);
  EXPECT_EQ(Slope(SlopeGiven::Percent, 0.5L, 0, 0), 0.005L);
}

TEST(ChannelDesign, RectangleExample) {
  // Q = 1 m³/s, I = 0.001, k_St = 60: H ≈ 0.7212 m, B ≈ 1.4424 m, v ≈ 0.9613 m/s.
  const ChannelDesign d = DesignChannel(OptimalShape::Rectangle, 1, 0.001L, 60, 0);
  EXPECT_NEAR(d.depth, 0.7212L, 0.00005L);
  EXPECT_NEAR(d.first, 1.4424L, 0.00005L);
  EXPECT_NEAR(d.velocity, 0.9613L, 0.00005L);
}

TEST(ChannelDesign, EveryOptimalProfileCarriesItsFlowAtHalfItsDepth) {
  // Put each profile back into Manning-Strickler: it must carry Q, with R_h = H/2 (R/2).
  const long double Q = 2.5L, I = 0.0008L, k = 45;
  const ChannelDesign rect = DesignChannel(OptimalShape::Rectangle, Q, I, k, 0);
  const ChannelDesign trap = DesignChannel(OptimalShape::Trapezoid, Q, I, k, 60);
  const ChannelDesign semi = DesignChannel(OptimalShape::Semicircle, Q, I, k, 0);
  const ChannelDesign tri = DesignChannel(OptimalShape::Triangle, Q, I, k, 0);
  const ChannelSection sections[] = {SectionOf(ChannelShape::Rectangle, rect.first, rect.depth, 0),
                                     SectionOf(ChannelShape::Trapezoid, trap.first, trap.depth, 60),
                                     SectionOf(ChannelShape::Semicircle, semi.first, 0, 0),
                                     SectionOf(ChannelShape::Triangle, tri.first, 45, 0)};
  const long double halfDepths[] = {rect.depth / 2, trap.depth / 2, semi.first / 2, tri.first * std::cos(kPi / 4) / 2};
  for (int i = 0; i < 4; ++i) {
    const ChannelFlow flow = ManningStrickler(sections[i], I, k);
    EXPECT_NEAR(flow.flow, Q, 1e-12L) << i;
    EXPECT_NEAR(flow.hydraulicRadius, halfDepths[i], 1e-12L) << i;
  }
}

TEST(ChannelDesign, TrapezoidLimits) {
  // β = 60° gives half a regular hexagon: bottom width = wall length = 2H/√3.
  const ChannelDesign hexagon = DesignChannel(OptimalShape::Trapezoid, 3, 0.001L, 70, 60);
  EXPECT_NEAR(hexagon.first, 2 * hexagon.depth / std::sqrt(3.0L), 1e-15L);
  EXPECT_NEAR(hexagon.area, std::sqrt(3.0L) * hexagon.depth * hexagon.depth, 1e-15L);
  // β = 90° is the rectangle.
  const ChannelDesign upright = DesignChannel(OptimalShape::Trapezoid, 1, 0.001L, 60, 90);
  const ChannelDesign rectangle = DesignChannel(OptimalShape::Rectangle, 1, 0.001L, 60, 0);
  EXPECT_NEAR(upright.first, rectangle.first, 1e-15L);
  EXPECT_NEAR(upright.depth, rectangle.depth, 1e-15L);
  // Of all wall angles 60° needs the least area.
  for (const long double beta : {45.0L, 55.0L, 65.0L, 80.0L}) {
    EXPECT_GT(DesignChannel(OptimalShape::Trapezoid, 3, 0.001L, 70, beta).area, hexagon.area) << beta;
  }
}

TEST(StricklerTable, KindsConditionsAndTakeOver) {
  const std::size_t counts[] = {11, 3, 9, 3, 6, 4, 7};
  for (int kind = 1; kind <= kStricklerKinds; ++kind) EXPECT_EQ(StricklerCoefficients(kind).size(), counts[kind - 1]);
  EXPECT_TRUE(StricklerCoefficients(8).empty());
  EXPECT_EQ(StricklerCoefficients(1)[0], "100");
  EXPECT_EQ(StricklerCoefficients(7)[6], "19-22");
  EXPECT_EQ(StricklerTakeOver("90-100"), "90");
  EXPECT_EQ(StricklerTakeOver("55"), "55");
}

}  // namespace
}  // namespace velmora::calculators
