#include <gtest/gtest.h>

#include "results/DisplayValues.h"

namespace velmora::results {
namespace {

hydraulics::MainInput Input(int group, int kind) {
  hydraulics::MainInput input;
  input.ElementGroup = group;
  input.ElementKind = kind;
  input.Input1 = 100;
  input.Input2 = 45;
  input.Input6 = 0.1L;
  input.VolumeFlow = 1;
  input.Density = 998.2L;
  input.Viscosity = 1002;
  return input;
}

hydraulics::ElementResult Result() {
  hydraulics::ElementResult result;
  result.Velocity = 0.3048L;
  result.PressureLoss = 0.068947581976L;     // 1 psi
  result.BranchPressureLoss = 0.478802653L;  // 1 lbw./sq.ft. in mbar
  return result;
}

TEST(DisplayValues, MetricShowsTheLossAlsoInMbar) {
  const ColumnValues values = DisplayValues(Input(1, 1), Result(), false);
  EXPECT_DOUBLE_EQ(static_cast<double>(values.lossSmall), 68.947581976);
  EXPECT_DOUBLE_EQ(static_cast<double>(values.lossLarge), 0.068947581976);
  EXPECT_DOUBLE_EQ(static_cast<double>(values.inputs[0]), 100.0);
}

// US figures by the definitions of the units: 1 in. = 25.4 mm, 1 ft. = 0.3048 m,
// 1 psi = 144 lbw./sq.ft., 1 lb./cu.ft. = 16.0184655 kg/m³, 1 cP = 1000·10⁻⁶ kg/ms.
TEST(DisplayValues, UsConvertsEachInputByItsUnitList) {
  const ColumnValues pipe = DisplayValues(Input(1, 1), Result(), true);
  EXPECT_NEAR(static_cast<double>(pipe.inputs[0]), 100.0 / 25.4, 1e-12);   // D: mm list
  EXPECT_NEAR(static_cast<double>(pipe.inputs[1]), 45.0 / 0.3048, 1e-12);  // L: m list
  EXPECT_NEAR(static_cast<double>(pipe.roughness), 0.1 / 25.4, 1e-12);
  EXPECT_NEAR(static_cast<double>(pipe.velocity), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(pipe.lossLarge), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(pipe.lossSmall), 144.0, 1e-6);
  EXPECT_NEAR(static_cast<double>(pipe.branchLoss), 1.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(pipe.density), 998.2 / 16.0184655, 1e-9);
  EXPECT_NEAR(static_cast<double>(pipe.viscosity), 1.002, 1e-12);

  const ColumnValues inletAtAngle = DisplayValues(Input(2, 3), Result(), true);
  EXPECT_NEAR(static_cast<double>(inletAtAngle.inputs[1]), 45.0, 1e-12);  // degrees stay
}

}  // namespace
}  // namespace velmora::results
