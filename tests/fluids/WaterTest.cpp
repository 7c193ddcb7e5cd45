#include <gtest/gtest.h>

#include <cmath>

#include "fluids/Water.h"
#include "fluids/WaterRegion3.h"
#include "fluids/WaterState.h"
#include "fluids/WaterViscosity.h"

namespace velmora::fluids {
namespace {

// Within the last printed digit of a value given with `digits` significant digits.
void ExpectDigits(long double actual, long double published, int digits) {
  const long double unit = std::pow(10.0L, std::floor(std::log10(std::fabs(published))) - (digits - 1));
  EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(published), static_cast<double>(unit / 2))
      << "published " << static_cast<double>(published);
}

struct VolumeCase {
  const char* name;
  long double T;  // K
  long double p;  // MPa
  long double v;  // m³/kg, 9 significant digits
};

// IAPWS-IF97 (1997) verification tables: Table 5 (region 1), Table 15 (region 2), Table 42 of the
// 1997 edition (region 5).
TEST(Water, SpecificVolumesOfTheVerificationTables) {
  const VolumeCase cases[] = {
      {"region1_300K_3MPa", 300, 3, 0.100215168e-2L},        {"region1_300K_80MPa", 300, 80, 0.971180894e-3L},
      {"region1_500K_3MPa", 500, 3, 0.120241800e-2L},        {"region2_300K_3.5kPa", 300, 0.0035L, 0.394913866e2L},
      {"region2_700K_3.5kPa", 700, 0.0035L, 0.923015898e2L}, {"region2_700K_30MPa", 700, 30, 0.542946619e-2L},
      {"region5_1500K_0.5MPa", 1500, 0.5L, 0.138455354e1L},  {"region5_1500K_8MPa", 1500, 8, 0.865156616e-1L},
      {"region5_2000K_8MPa", 2000, 8, 0.115743146L},
  };
  for (const VolumeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const long double p = c.p * 10;
    const int region = c.name[6] - '0';
    const long double rho = region == 1   ? DensityRegion1(c.T, p)
                            : region == 2 ? DensityRegion2(c.T, p)
                                          : DensityRegion5(c.T, p);
    ExpectDigits(1 / rho, c.v, 9);
  }
}

// IF97 Table 33 gives p(ρ, T) in region 3: the equation reproduces the pressure (9 digits), and the
// iteration gives back a density whose pressure is the one asked for.
TEST(Water, Region3AgainstTheVerificationTable) {
  const struct {
    long double T, rho, pMPa;
  } cases[] = {{650, 500, 0.255837018e2L}, {650, 200, 0.222930643e2L}, {750, 500, 0.783095639e2L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.rho));
    // With p = 0 the residual is p(ρ)/(ρ R T) itself; R·T·ρ in kPa, /1000 in MPa.
    const auto pressure = [&](long double rho) {
      return Region3Residual(rho, c.T, 0) * rho * kWaterGasConstant * c.T / 1000;
    };
    ExpectDigits(pressure(c.rho), c.pMPa, 9);
    const std::optional<long double> rho = DensityRegion3(c.T, c.pMPa * 10);
    ASSERT_TRUE(rho.has_value());
    EXPECT_NEAR(static_cast<double>(pressure(*rho) / c.pMPa), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(*rho / c.rho), 1.0, 1e-7);
  }
}

// IF97 Table 35 (saturation pressure), Table 36 (saturation temperature) and the B23 check value.
TEST(Water, SaturationLineAndB23) {
  ExpectDigits(SaturationPressure(300) / 10, 0.353658941e-2L, 9);
  ExpectDigits(SaturationPressure(500) / 10, 0.263889776e1L, 9);
  ExpectDigits(SaturationPressure(600) / 10, 0.123443146e2L, 9);
  ExpectDigits(SaturationTemperature(1), 0.372755919e3L, 9);
  ExpectDigits(SaturationTemperature(10), 0.453035632e3L, 9);
  ExpectDigits(SaturationTemperature(100), 0.584149488e3L, 9);
  ExpectDigits(BoundaryPressure23(623.15L) / 10, 0.165291643e2L, 9);
}

TEST(Water, RegionStartDensities) {
  EXPECT_EQ(Region3StartDensity(100), 77);
  EXPECT_EQ(Region3StartDensity(170), 77);
  EXPECT_EQ(Region3StartDensity(190), 92.5L);
  EXPECT_EQ(Region3StartDensity(250), 167);
  EXPECT_EQ(Region3StartDensity(275), 262.5L);
  EXPECT_EQ(Region3StartDensity(1000), 693);
}

// IAPS 1985 viscosity against the verification points of the IAPWS 2008 formulation (Table 4 of that
// release) that lie within this program's range: the two formulations agree within 0.5 % there.
TEST(Water, ViscosityAgreesWithTheLaterFormulation) {
  const struct {
    long double T, rho, mu;
  } cases[] = {{298.15L, 998, 889.735100L}, {373.15L, 1000, 307.883622L}, {433.15L, 1, 14.538324L},
               {873.15L, 1, 32.619287L},    {873.15L, 100, 35.802262L},   {1173.15L, 1, 44.217245L}};
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(ViscosityWater(c.T, c.rho) / c.mu), 1.0, 0.005) << static_cast<double>(c.T);
  }
}

struct StateCase {
  const char* name;
  long double t;  // °C
  long double p;  // bar
  int region;     // 0: refused
  bool gas;
};

// The region choice and the ranges of the general calculation at their edges.
TEST(WaterState, RegionsAndRanges) {
  const StateCase cases[] = {
      {"coldWater", 20, 1.013L, 1, false},
      {"steamAt150C", 150, 1.013L, 2, true},
      {"region3Above_pB23", 380, 250, 3, false},  // p_B23(653.15 K) ≈ 205.4 bar
      {"region2Below_pB23", 380, 150, 2, true},
      {"region3SteamBelowSaturation", 366.85L, 195, 3, true},  // p_B23 ≈ 185.6 bar < p < pₛ ≈ 202.7 bar
      {"region3LiquidAboveSaturation", 366.85L, 210, 3, false},
      {"above800CUpTo100bar", 850, 50, 5, true},
      {"above800CRefused", 850, 100.001L, 0, false},
      {"above800CFarAbove100barRefused", 850, 500, 0, false},
      {"at800CUpTo1000bar", 800, 500, 2, true},
      {"region5At800C", 800, 100, 5, true},  // 1073.15 K itself is region 5
      {"region5", 900, 1, 5, true},
      {"above900CRefused", 900.001L, 1, 0, false},
      {"belowZeroRefused", -0.001L, 1, 0, false},
      {"zeroPressureRefused", 20, 0, 0, false},
      {"above1000barRefused", 20, 1000.001L, 0, false},
      {"at1000bar", 20, 1000, 1, false},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    const WaterStateOutcome outcome = CalculateWaterState(c.t + 273.15L, c.p);
    if (c.region == 0) {
      EXPECT_FALSE(outcome.state.has_value());
      EXPECT_EQ(outcome.refusal, WaterRefusal::OutOfRange);
      continue;
    }
    ASSERT_TRUE(outcome.state.has_value());
    EXPECT_EQ(outcome.state->region, c.region);
    EXPECT_EQ(outcome.state->gas, c.gas);
    EXPECT_EQ(outcome.state->properties.specificVolume, 1 / outcome.state->properties.density);
  }
}

TEST(WaterState, SaturationPressureItselfIsVapour) {
  const long double T = 373.15L;
  EXPECT_EQ(WaterRegion(T, SaturationPressure(T)), 2);
  EXPECT_EQ(WaterRegion(T, SaturationPressure(T) * (1 + 1e-15L)), 1);
}

// Water at 1.013 bar and 20 °C: 998.2 kg/m³ and 1002·10⁻⁶ kg/(m·s) (rounded tabular values).
TEST(WaterState, WaterAtRoomConditions) {
  const WaterStateOutcome outcome = CalculateWaterState(293.15L, 1.013L);
  ASSERT_TRUE(outcome.state.has_value());
  EXPECT_NEAR(static_cast<double>(outcome.state->properties.density), 998.2, 0.05);
  EXPECT_NEAR(static_cast<double>(outcome.state->properties.viscosity), 1002, 0.5);
}

// Saturation at 100 °C (1.01418 bar) and at 360 °C, where both phases come from the region-3
// iteration: 18.666 MPa (IF97 Eq. 30, 5 digits) and the saturated densities within 0.1 % of the
// steam tables (527.6 and 144.0 kg/m³): each phase on its own side of the saturation line.
TEST(WaterState, Saturation) {
  const SaturatedWaterOutcome at100 = CalculateSaturatedWater(SaturationGiven::Temperature, 373.15L);
  ASSERT_TRUE(at100.state.has_value());
  ExpectDigits(at100.state->pressure, 1.01418L, 6);
  const SaturatedWaterOutcome at360 = CalculateSaturatedWater(SaturationGiven::Temperature, 633.15L);
  ASSERT_TRUE(at360.state.has_value());
  ExpectDigits(at360.state->pressure / 10, 18.666L, 5);
  EXPECT_NEAR(static_cast<double>(at360.state->liquid.density / 527.6L), 1.0, 0.001);
  EXPECT_NEAR(static_cast<double>(at360.state->vapour.density / 144.0L), 1.0, 0.001);
  const SaturatedWaterOutcome byPressure = CalculateSaturatedWater(SaturationGiven::Pressure, 1.01418L);
  ASSERT_TRUE(byPressure.state.has_value());
  EXPECT_NEAR(static_cast<double>(byPressure.state->temperature), 373.15, 0.001);
  EXPECT_FALSE(CalculateSaturatedWater(SaturationGiven::Pressure, 0.005L).state.has_value());
  EXPECT_TRUE(CalculateSaturatedWater(SaturationGiven::Pressure, 0.007L).state.has_value());
  EXPECT_TRUE(CalculateSaturatedWater(SaturationGiven::Temperature, 646.15L).state.has_value());
  EXPECT_FALSE(CalculateSaturatedWater(SaturationGiven::Temperature, 646.16L).state.has_value());
}

// Every state of region 3 (steps of 0.25 K and 0.5 bar) gives a density whose pressure is the one
// asked for, on the liquid or the vapour side as the saturation line says.
TEST(WaterState, Region3IterationConvergesEverywhere) {
  int failures = 0;
  for (long double T = 623.16L; T <= 863.15L; T += 1.25L) {
    for (long double p = BoundaryPressure23(T); p <= 1000; p += 0.5L) {
      const std::optional<long double> rho = DensityRegion3(T, p);
      const bool good = rho && std::fabs(Region3Residual(*rho, T, p)) < 1e-9L;
      if (!good) ++failures;
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace velmora::fluids
