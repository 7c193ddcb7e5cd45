#include <gtest/gtest.h>

#include "results/UsDisplay.h"

namespace velmora::results {
namespace {

// Hand-checked with the unit factors: 1 m³/h = 42/(0.158987·60) gal/min, 1000 kg/m³ = 1000/16.0184655
// lb./cu.ft., 1 bar = 1/0.068947581976 psi = 1/0.000478802653 lbw./sq.ft.
TEST(UsDisplay, ConvertsEveryQuantity) {
  hydraulics::MainInput in;
  in.VolumeFlow = 1;
  in.Density = 1000;
  in.Viscosity = 1000;
  in.Input1 = 25.4L;
  in.Input2 = 0.3048L;
  in.Input3 = 0.8361274L;
  in.Input4 = 45;
  in.Input5 = 7;
  in.Input6 = 0.254L;
  hydraulics::ElementResult r;
  r.Velocity = 0.3048L;
  r.Velocity2 = 0;
  r.PressureLoss = 1;
  r.BranchPressureLoss = 1000;
  const auto us = ToUsDisplay(in, r,
                              {DimensionUnit::Millimetre, DimensionUnit::Metre, DimensionUnit::SquareMetre,
                               DimensionUnit::None, DimensionUnit::None});
  EXPECT_NEAR(us.VolumeFlow, 4.402875706818796L, 1e-14L);  // 1 m³/h in gal/min
  EXPECT_NEAR(us.Density, 62.4279522904363L, 1e-12L);      // lb./cu.ft.
  EXPECT_EQ(us.Viscosity, 1.0L);                           // cP
  EXPECT_NEAR(us.Inputs[0], 1.0L, 1e-18L);
  EXPECT_NEAR(us.Inputs[1], 1.0L, 1e-18L);
  EXPECT_NEAR(us.Inputs[2], 1.0L, 1e-18L);
  EXPECT_EQ(us.Inputs[3], 45.0L);  // no unit list: unchanged
  EXPECT_NEAR(us.Roughness, 0.01L, 1e-18L);
  EXPECT_NEAR(us.Velocity, 1.0L, 1e-18L);
  EXPECT_EQ(us.Velocity2, 0.0L);
  EXPECT_NEAR(us.PressureLossPsi, 14.503771870463718L, 1e-13L);
  EXPECT_NEAR(us.PressureLossLbwSqFt, 2088.5431476504373L, 1e-10L);
  EXPECT_NEAR(us.BranchPressureLoss, 2088.5431476504373L, 1e-10L);  // 1000 mbar = 1 bar
}

}  // namespace
}  // namespace velmora::results
