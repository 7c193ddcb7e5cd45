#include <gtest/gtest.h>

#include "hydraulics/CrossSection.h"

namespace velmora::hydraulics {
namespace {

// Hand checks: 36 m³/h = 0.01 m³/s divided by the area.
TEST(CrossSection, VelocitiesOfTheFourSections) {
  // d = 100 mm: A = π/4·0.01 m² → 1.27324 m/s.
  EXPECT_NEAR(PipeVelocityCircular(36, 100), 1.2732395447351627L, 1e-15L);
  // 100 × 200 mm: A = 0.02 m² → 0.5 m/s, dh = 2·100·200/300 mm.
  EXPECT_EQ(PipeVelocityRectangular(36, 100, 200), 0.5L);
  EXPECT_NEAR(HydraulicDiameterRectangular(100, 200), 133.33333333333333L, 1e-12L);
  // Annulus 100/50 mm: A = π/4·(0.01 − 0.0025) m² → 1.69765 m/s.
  EXPECT_NEAR(PipeVelocityAnnular(36, 100, 50), 1.6976527263135503L, 1e-15L);
  // Free shape 0.01 m² with 0.4 m perimeter: 1 m/s, dh = 100 mm.
  EXPECT_EQ(PipeVelocityFreeShape(36, 0.01L), 1.0L);
  EXPECT_NEAR(HydraulicDiameterFreeShape(0.01L, 0.4L), 100.0L, 1e-15L);
}

TEST(CrossSection, ReynoldsOfWaterInAPipe) {
  // 1 m/s, 1000 kg/m³, 100 mm, 1000·10⁻⁶ kg/(m·s): Re = 1e5.
  EXPECT_EQ(Reynolds(1, 1000, 100, 1000), 100000.0L);
}

TEST(CrossSection, RegimeLimit) {
  EXPECT_TRUE(IsLaminar(2319.9L));
  EXPECT_FALSE(IsLaminar(2320.0L));  // 2320 itself is turbulent
}

}  // namespace
}  // namespace velmora::hydraulics
