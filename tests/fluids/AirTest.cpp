#include <gtest/gtest.h>

#include <cmath>

#include "fluids/Air.h"
#include "fluids/AirStates.h"
#include "fluids/AirViscosity.h"
#include "fluids/MoistAir.h"

namespace velmora::fluids {
namespace {

double D(long double x) { return static_cast<double>(x); }

// Lemmon and Jacobsen (2004), Table V: viscosities (µPa·s) at (T, molar density), printed digits.
TEST(Air, ViscosityCheckValues) {
  const struct {
    long double T, molar, mu, unit;
  } cases[] = {{100, 0, 7.09559L, 1e-5L},  {300, 0, 18.5230L, 1e-4L}, {100, 28, 107.923L, 1e-3L},
               {200, 10, 21.1392L, 1e-4L}, {300, 5, 21.3241L, 1e-4L}, {132.64L, 10.4L, 17.7623L, 1e-4L}};
  for (const auto& c : cases) {
    EXPECT_NEAR(D(AirViscosity(c.molar * kAirMolarMass, c.T)), D(c.mu), D(c.unit / 2)) << D(c.T);
  }
}

// Lemmon et al. (2000) check values of the equation of state: molar densities (mol/dm³) at
// 100 K, 0.101325 MPa and at 2000 K, 10 MPa, five digits.
TEST(Air, EquationOfStateCheckValues) {
  EXPECT_NEAR(D(*AirGasDensity(100, 1.01325L) / kAirMolarMass), 0.12449, 0.000005);
  EXPECT_NEAR(D(*AirGasDensity(2000, 100) / kAirMolarMass), 0.59094, 0.000005);
}

struct DryCase {
  const char* name;
  long double T, p;
  AirRefusal refusal;
  AirPhase phase;
};

TEST(DryAir, StatesAndRanges) {
  const DryCase cases[] = {
      {"gas", 293.15L, 1, AirRefusal::None, AirPhase::Gas},
      {"liquid", 80, 10, AirRefusal::None, AirPhase::Liquid},
      {"solid", 70, 5000, AirRefusal::None, AirPhase::Solid},
      {"liquidAtTheLowestTemperature", 60, 1, AirRefusal::None, AirPhase::Liquid},
      {"gasAboveTheBubblePressure", 140, 40, AirRefusal::None, AirPhase::Gas},  // above Tⱼ
      {"highestState", 2000, 20000, AirRefusal::None, AirPhase::Gas},
      {"tooHot", 2100, 1, AirRefusal::Temperature, AirPhase::Gas},
      {"belowTheEquationsRange", 59.99L, 1, AirRefusal::Temperature, AirPhase::Gas},
      {"absoluteZero", 0, 1, AirRefusal::Temperature, AirPhase::Gas},
      {"noPressure", 300, 0, AirRefusal::Pressure, AirPhase::Gas},
      {"tooMuchPressure", 300, 20000.01L, AirRefusal::Pressure, AirPhase::Gas},
  };
  for (const DryCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DryAirOutcome outcome = CalculateDryAir(c.T, c.p);
    EXPECT_EQ(outcome.refusal, c.refusal);
    EXPECT_EQ(outcome.phase, c.phase);
    EXPECT_EQ(outcome.properties.has_value(), c.refusal == AirRefusal::None && c.phase != AirPhase::Solid);
  }
  // 1 bar, 20 °C: about 1.19 kg/m³ and 18.2·10⁻⁶ kg/(m·s); liquid air at 80 K and 10 bar about
  // 872 kg/m³.
  const DryAirOutcome room = CalculateDryAir(293.15L, 1);
  EXPECT_NEAR(D(room.properties->density), 1.19, 0.005);
  EXPECT_NEAR(D(room.properties->viscosity), 18.2, 0.05);
  EXPECT_NEAR(D(CalculateDryAir(80, 10).properties->density), 872, 1);
}

// Every state of the dry-air range has its properties (2 % steps in T, 5 % in p).
TEST(DryAir, IterationConvergesEverywhere) {
  int failures = 0;
  for (long double T = 60; T <= 2000; T *= 1.02L) {
    for (long double p = 1e-3L; p <= 20000; p *= 1.05L) {
      const DryAirOutcome outcome = CalculateDryAir(T, p);
      if (outcome.refusal != AirRefusal::None) ++failures;
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(SaturatedAir, RangeAndPhases) {
  EXPECT_TRUE(CalculateSaturatedAir(60).state.has_value());
  const SaturatedAirOutcome at132 = CalculateSaturatedAir(132);
  ASSERT_TRUE(at132.state.has_value());
  EXPECT_GT(at132.state->liquid.density, at132.state->vapour.density);
  EXPECT_GE(at132.state->bubblePressure, at132.state->dewPressure);
  EXPECT_EQ(CalculateSaturatedAir(132.5L).refusal, AirRefusal::OutOfRange);
  EXPECT_EQ(CalculateSaturatedAir(59.9L).refusal, AirRefusal::OutOfRange);
  // At 80 K: bubble 1.146 bar, dew 0.823 bar, liquid about 870 kg/m³.
  const SaturatedAir at80 = *CalculateSaturatedAir(80).state;
  EXPECT_NEAR(D(at80.bubblePressure), 1.146, 0.001);
  EXPECT_NEAR(D(at80.dewPressure), 0.823, 0.001);
  EXPECT_NEAR(D(at80.liquid.density), 870, 1);
}

// Moist air at 20 °C, 1013.25 hPa, 50 %: saturation vapour pressure 2339 Pa, density about
// 1.199 kg/m³ (CIPM tables), viscosity about 18.1·10⁻⁶ kg/(m·s).
TEST(HumidAir, LiteratureValues) {
  EXPECT_NEAR(D(WaterVapourPressure(293.15L) * 1e5L), 2339.0, 1.0);
  EXPECT_NEAR(D(MoistAirDensity(50, 293.15L, 1.01325L)), 1.199, 0.0005);
  const HumidAirOutcome outcome = CalculateHumidAir(293.15L, 1.013L, HumidityGiven::RelativeHumidity, 50);
  ASSERT_TRUE(outcome.state.has_value());
  EXPECT_NEAR(D(outcome.state->moistureContent), 0.0073, 0.00005);
  EXPECT_NEAR(D(outcome.state->dewPoint), 9.3, 0.05);
  EXPECT_NEAR(D(outcome.state->properties.viscosity), 18.1, 0.1);
  // The moisture content given gives back the relative humidity.
  const HumidAirOutcome back =
      CalculateHumidAir(293.15L, 1.013L, HumidityGiven::MoistureContent, outcome.state->moistureContent);
  EXPECT_NEAR(D(back.state->relativeHumidity), 50, 1e-9);
}

TEST(HumidAir, Ranges) {
  const auto refusal = [](long double t, long double p, HumidityGiven given, long double h) {
    return CalculateHumidAir(t + 273.15L, p, given, h).refusal;
  };
  constexpr auto kPhi = HumidityGiven::RelativeHumidity;
  constexpr auto kX = HumidityGiven::MoistureContent;
  EXPECT_EQ(refusal(0, 1, kPhi, 100), AirRefusal::None);
  EXPECT_EQ(refusal(200, 100, kPhi, 1), AirRefusal::None);
  EXPECT_EQ(refusal(-0.01L, 1, kPhi, 50), AirRefusal::Temperature);
  EXPECT_EQ(refusal(200.01L, 1, kPhi, 50), AirRefusal::Temperature);
  EXPECT_EQ(refusal(20, 0, kPhi, 50), AirRefusal::Pressure);
  EXPECT_EQ(refusal(20, 100.01L, kPhi, 50), AirRefusal::Pressure);
  EXPECT_EQ(refusal(20, 1, kPhi, 0), AirRefusal::Humidity);
  EXPECT_EQ(refusal(20, 1, kPhi, 100.01L), AirRefusal::Humidity);
  EXPECT_EQ(refusal(20, 1, kX, 0), AirRefusal::Humidity);
  EXPECT_EQ(refusal(20, 1, kX, 0.1L), AirRefusal::Humidity);   // φ would exceed 100 %
  EXPECT_EQ(refusal(150, 1, kPhi, 50), AirRefusal::Humidity);  // vapour pressure above p
}

// At 1 bar and 150 °C the saturation pressure (4.76 bar) lies above p: no x_s and no ψ.
TEST(HumidAir, NoSaturationContentAbovePressure) {
  const HumidAirOutcome outcome = CalculateHumidAir(423.15L, 1, HumidityGiven::RelativeHumidity, 10);
  ASSERT_TRUE(outcome.state.has_value());
  EXPECT_FALSE(outcome.state->saturationContent.has_value());
  EXPECT_FALSE(outcome.state->degreeOfSaturation.has_value());
  EXPECT_TRUE(std::isfinite(outcome.state->properties.viscosity));
}

}  // namespace
}  // namespace velmora::fluids
