#include <gtest/gtest.h>

#include <cmath>

#include "TestTexts.h"
#include "fluids/VapourPressureDialog.h"

namespace velmora::fluids {
namespace {

const VapourPressureDatabase& Substances() {
  static const VapourPressureDatabase database = *LoadVapourPressureDatabase(VELMORA_TEST_PROGRAM_DIR);
  return database;
}

const VapourPressureRecord& Named(const char* name) {
  for (const VapourPressureRecord& substance : Substances().substances) {
    if (substance.name == name) return substance;
  }
  throw std::runtime_error(name);
}

struct Check {
  const char* name;
  long double T;      // K
  long double value;  // as printed
  long double unit;   // one unit of its last printed digit
};

// The check values of the substance collection (vapour_pressure_checks.tsv): the equations of
// DADRU.DAD at the temperatures compared with Perry 2-8 (DIPPR 101), types 1 (Wagner 3,6) and
// 3 (Antoine), in bar.
TEST(VapourPressure, EquationTypesAgainstTheirCheckValues) {
  const Check checks[] = {
      {"Water", 333.87L, 0.20592L, 1e-5L},         {"Water", 510.06L, 31.698L, 1e-3L},
      {"Ethylbenzene", 368.39L, 0.2918L, 1e-4L},   {"Ethylbenzene", 422.66L, 1.4308L, 1e-4L},
      {"Ammonia", 221.50L, 0.3739L, 1e-4L},        {"Ammonia", 246.92L, 1.4337L, 1e-4L},
      {"Methane", 101.67L, 0.4095L, 1e-4L},        {"Methane", 150.83L, 10.811L, 1e-3L},
      {"Carbon dioxide", 216.59L, 5.1851L, 1e-4L}, {"Carbon dioxide", 260.50L, 24.54L, 1e-2L},
  };
  for (const Check& c : checks) EXPECT_NEAR(*VapourPressure(Named(c.name), c.T), c.value, c.unit) << c.name << c.T;
  EXPECT_EQ(Named("Water").type, 1);
  EXPECT_EQ(Named("Ethylbenzene").type, 3);
  // Type 1 at the critical temperature is the critical pressure.
  const VapourPressureRecord& water = Named("Water");
  EXPECT_EQ(*VapourPressure(water, water.criticalTemperature), water.criticalPressure);
}

// The Rackett densities of the same collection in kg/m³ (their last digit within one unit).
TEST(VapourPressure, RackettDensityAgainstItsCheckValues) {
  const Check checks[] = {
      {"Water", 373.12L, 951.9L, 0.1L},           {"Water", 333.15L, 976.4L, 0.1L},
      {"Ethylbenzene", 409.31L, 759.1L, 0.1L},    {"Ethylbenzene", 333.15L, 831.9L, 0.1L},
      {"Ammonia", 279.83L, 628.1L, 0.1L},         {"Methane", 151.67L, 354.3L, 0.1L},
      {"Carbon dioxide", 234.67L, 1112.6L, 0.1L},
  };
  for (const Check& c : checks) EXPECT_NEAR(*RackettDensity(Named(c.name), c.T), c.value, c.unit) << c.name << c.T;
  EXPECT_FALSE(RackettDensity(Named("Water"), 700).has_value());  // above Tc: no number
}

// Type 2, ln p = A − B/T + C ln T + D p/T², has no sourced coefficients in the table: a substance
// made for the test whose A puts p = 2 bar at 300 K (B = 4000, C = −2, D = 500:
// A = ln 2 + 4000/300 + 2 ln 300 + 500·2/300² = 25.4229343520946).
TEST(VapourPressure, ImplicitEquationBySecantStep) {
  VapourPressureRecord made = Named("Water");
  made.type = 2;
  made.A = 25.4229343520946L;
  made.B = 4000;
  made.C = -2;
  made.D = 500;
  EXPECT_NEAR(*VapourPressure(made, 300), 2, 1e-9);
  made.D = 0;  // explicit then: p = exp(A − B/T + C ln T)
  EXPECT_NEAR(*VapourPressure(made, 300), std::exp(25.4229343520946L - 4000.0L / 300 - 2 * std::log(300.0L)), 1e-9);
}

// The whole-degree range of the up/down control and its acceleration.
TEST(VapourPressure, UpDownRangeAndSteps) {
  VapourPressureRecord s = Named("Water");
  const std::pair<int, int> cases[][2] = {
      {{275, 373}, {2, 95}},     // 373 − 274 = 99, down to 95
      {{275, 378}, {2, 100}},    // 104, down to 100
      {{194, 254}, {-79, -20}},  // −20 stays
      {{194, 256}, {-79, -15}},  // −18 moved toward zero
  };
  for (const auto& [limits, expected] : cases) {
    s.lowestTemperature = limits.first;
    s.highestTemperature = limits.second;
    const DegreeRange range = UpDownRange(s);
    EXPECT_EQ(range.lowest, expected.first);
    EXPECT_EQ(range.highest, expected.second) << limits.second;
  }
  int step = 1;
  for (const int expected : {2, 5, 10, 20, 20}) EXPECT_EQ(step = NextUpDownStep(step), expected);
}

// The dialog converts its whole degrees with 273.15 K: water at 100 °C has 1.0128 bar (with
// 274 K it would show 1.044, 3 % too high).
TEST(VapourPressure, DialogDisplay) {
  const text::TextStore& texts = testing_support::Texts('D');
  const VapourPressureDisplay water = ShowVapourPressure(Named("Water"), 100, texts);
  EXPECT_EQ(water.vapourPressure, "1,013");
  EXPECT_EQ(water.density, "952");
  EXPECT_EQ(water.fahrenheit, "(= 212 °F)");
  EXPECT_TRUE(water.valid);
  const VapourPressureDisplay critical = ShowVapourPressure(Named("Water"), 450, texts);  // above Tc
  EXPECT_EQ(critical.vapourPressure, texts.FormText(kVapourPressureBlock, "msgOutOfRange"));
  EXPECT_FALSE(critical.valid);
  EXPECT_EQ(VapourPressureResultCaptions(texts).vapourPressure, "Dampfdruck in bar:");
  EXPECT_EQ(PumpMediumName("Water (20 °C)"), "Water");
  EXPECT_EQ(PumpMediumName("Water"), "Water");
  EXPECT_EQ(WholeDegrees("20"), 20);
  EXPECT_FALSE(WholeDegrees("20,5").has_value());
  EXPECT_FALSE(WholeDegrees("").has_value());
}

// DADRU.DAD as built: 46 substances; damaged lines are skipped and noted.
TEST(VapourPressure, ReadsTheTableAndSkipsDamagedLines) {
  EXPECT_EQ(Substances().substances.size(), 46u);
  EXPECT_TRUE(Substances().skipped.empty());
  const std::string good =
      "Water\tH2O\t18.015\t0.00\t99.97\t1\t-7.76451\t1.45838\t-2.7758\t-1.23303\t275\t647\t647.35\t"
      "221.223\t0.9992\t293.15\t0.4415";
  std::string damaged = good;
  damaged.replace(damaged.find("\t1\t"), 3, "\t4\t");  // no such equation type
  const std::string content = good + "\n" + damaged + "\nWater\tH2O\t18\n\n" +
                              "Water\tH2O\t18.015\t0\t99.97\t3\t1\t2\t3\t0\t275.5\t647\t647\t221\t1\t293\t0.4\n";
  const VapourPressureDatabase database = ReadVapourPressureDatabase(DecodeTableLines(content, LineCoding::Plain, 0));
  EXPECT_EQ(database.substances.size(), 1u);
  EXPECT_EQ(database.skipped, (std::vector<int>{2, 3, 5}));  // type, too few fields, T_min not whole
}

}  // namespace
}  // namespace velmora::fluids
