#include <gtest/gtest.h>

#include "mainform/CalculateCommand.h"

namespace velmora::mainform {
namespace {

double Near(long double value) { return static_cast<double>(value); }

TEST(ConvertMainInputs, MassFlowDividesByTheConvertedDensity) {
  MainForm form = MainForm::Defaults('D');
  form.flowKind = 1;
  form.flowUnit = 0;  // kg/h
  form.flow = "1000";
  form.density = "1";
  form.densityUnit = 1;  // kg/l
  const auto input = ConvertMainInputs(form);
  ASSERT_TRUE(input.has_value());
  EXPECT_NEAR(Near(input->VolumeFlow), 1.0, 1e-15);
  EXPECT_NEAR(Near(input->Density), 1000.0, 1e-12);
}

TEST(ConvertMainInputs, KinematicViscosityMultipliesByTheDensity) {
  MainForm form = MainForm::Defaults('D');
  form.viscosityKind = 1;
  form.viscosityUnit = 3;  // cSt
  form.viscosity = "1";
  const auto input = ConvertMainInputs(form);
  ASSERT_TRUE(input.has_value());
  EXPECT_NEAR(Near(input->Viscosity), 998.2, 1e-12);
}

TEST(ConvertMainInputs, StandardCubicMetresOfAGasBecomeOperatingOnes) {
  MainForm form = MainForm::Defaults('D');
  form.gas = true;
  form.flowUnit = 3;  // Nm³/h
  form.flow = "100";
  form.inletPressure = "1";
  form.inletTemperature = "0";
  const auto input = ConvertMainInputs(form);
  ASSERT_TRUE(input.has_value());
  EXPECT_NEAR(Near(input->VolumeFlow), 101.325, 1e-12);
  EXPECT_NEAR(Near(input->InletTemperature), 273.15, 1e-12);
}

TEST(ConvertMainInputs, BranchFlowTakesTheMainFlowsUnitAndStandardState) {
  MainForm form = MainForm::Defaults('D');
  form.elementGroup = 5;
  form.elementKind = 5;
  form.gas = true;
  form.flowUnit = 4;  // Nm³/min
  form.flow = "10";
  form.branchFlow = "2";
  form.inletPressure = "2";
  form.inletPressureUnit = 0;
  form.inletTemperature = "273,15";
  form.inletTemperatureUnit = 1;  // K
  const auto input = ConvertMainInputs(form);
  ASSERT_TRUE(input.has_value());
  EXPECT_NEAR(Near(input->BranchFlow), 2 * 60 * 1.01325 / 2, 1e-12);
  EXPECT_NEAR(Near(input->VolumeFlow), 10 * 60 * 1.01325 / 2, 1e-12);
}

TEST(ConvertMainInputs, GasPressureAndTemperatureUnits) {
  MainForm form = MainForm::Defaults('D');
  form.gas = true;
  form.inletPressure = "0";
  form.inletPressureUnit = 12;  // psig
  form.outletTemperature = "32";
  form.outletTemperatureUnit = 2;  // degF
  const auto input = ConvertMainInputs(form);
  ASSERT_TRUE(input.has_value());
  EXPECT_NEAR(Near(input->InletPressure), 14.7 * 0.068947581976, 1e-12);
  EXPECT_NEAR(Near(input->OutletTemperature), 273.15792, 1e-9);
}

TEST(ConvertMainInputs, LiquidIgnoresTheGasData) {
  MainForm form = MainForm::Defaults('D');
  form.inletPressure = "garbage";
  const auto input = ConvertMainInputs(form);
  ASSERT_TRUE(input.has_value());
  EXPECT_EQ(input->InletPressure, 0);
}

}  // namespace
}  // namespace velmora::mainform
