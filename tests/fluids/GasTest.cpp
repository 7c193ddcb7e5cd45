#include <gtest/gtest.h>

#include <cmath>

#include "TestTexts.h"
#include "fluids/Air.h"
#include "fluids/GardnerViscosity.h"
#include "fluids/GasDialog.h"
#include "fluids/GasState.h"
#include "fluids/SrkGas.h"
#include "fluids/Water.h"
#include "text/TEncryption.h"

namespace velmora::fluids {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

const GasDatabase& Gases() {
  static const GasDatabase database = *LoadGasDatabase(VELMORA_TEST_PROGRAM_DIR);
  return database;
}

const GasRecord& Named(const char* name) {
  for (const GasRecord& gas : Gases().gases) {
    if (gas.name == name) return gas;
  }
  throw std::runtime_error(name);
}

// The cubic's largest real root on both sides of the discriminant, and at zero (a double root).
TEST(Srk, LargestRootOfTheCubic) {
  EXPECT_NEAR(LargestCubicRoot(-6, 11, -6), 3, 1e-15);  // (z−1)(z−2)(z−3): three real roots
  EXPECT_NEAR(LargestCubicRoot(-1, 1, -1), 1, 1e-15);   // (z−1)(z²+1): one real root
  EXPECT_NEAR(LargestCubicRoot(0, -3, 2), 1, 1e-9);     // (z−1)²(z+2): discriminant 0
  EXPECT_NEAR(LargestCubicRoot(0, -3, -2), 2, 1e-15);   // (z+1)²(z−2): discriminant 0
}

// Soave–Redlich–Kwong worked by hand (the cubic solved by bisection and Newton in double
// precision, the constants of GASE.STW).
TEST(Srk, AgainstHandCalculation) {
  // Nitrogen, 300 K, 100 bar: one real root (positive discriminant), Z = 1.01852486.
  EXPECT_NEAR(SrkGasDensity(Named("Nitrogen").constants, 300, 100), 110.264526584256L, 1e-9);
  // Methane, 250 K, 50 bar: Z = 0.83839511.
  EXPECT_NEAR(SrkGasDensity(Named("Methane").constants, 250, 50), 46.0265958171351L, 1e-9);
  // Propane, 200 K, 1 bar, below its boiling point: roots 0.0045454, 0.0423272, 0.9531273; the
  // vapour root is taken.
  const SrkConstants propane = Named("Propane").constants;
  EXPECT_NEAR(SrkCompressibility(0.048651412862143L, 0.003769202766278L), 0.953127346231626L, 1e-12);
  EXPECT_NEAR(SrkGasDensity(propane, 200, 1), 1000 * 44.096L / (0.953127346231626L * 83.144L * 200), 1e-9);
}

// Against the reference equations of the program: the cubic's few per cent. Air at 300 K and
// 100 bar: 115.50 against 116.91 kg/m³ of Lemmon et al. 2000 (−1.2 %); at 250 K and 50 bar 71.99
// against 72.48 (−0.7 %); steam at 573.15 K and 10 bar: 3.8720 against 3.8763 of IF97 region 2
// (−0.1 %).
TEST(Srk, AgainstReferenceEquations) {
  struct Case {
    const char* name;
    long double srk;
    long double reference;
    long double tolerance;  // relative
  } cases[] = {
      {"air 300 K 100 bar", SrkGasDensity(Named("Air").constants, 300, 100), *AirGasDensity(300, 100), 0.02L},
      {"air 250 K 50 bar", SrkGasDensity(Named("Air").constants, 250, 50), *AirGasDensity(250, 50), 0.01L},
      {"steam 300 °C 10 bar", SrkGasDensity(Named("Water").constants, 573.15L, 10), DensityRegion2(573.15L, 10),
       0.015L},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.srk / c.reference, 1, c.tolerance) << c.name;
}

// Gardner's correction vanishes with the density; at 1 atm the boiling point estimate returns the
// normal boiling point it was made from (2.880814 = log10 760).
TEST(GasLaws, GardnerAndBoilingPoint) {
  EXPECT_NEAR(GardnerViscosity(17.57L, 1e-9L, 293.15L, 28.013L), 17.57L, 1e-10);
  EXPECT_GT(GardnerViscosity(17.57L, 110, 300, 28.013L), 17.57L * 1.05L);  // dense nitrogen: +5 % and more
  for (const long double Tb : {77.35L, 231.04L, 373.12L}) EXPECT_NEAR(BoilingPointAtPressure(1.01325L, Tb), Tb, 1e-4);
  // Nitrogen at 10 bar by hand: c = 0.092787, C = 269.026, B = 250.87, A = 6.30672: −166.0 °C
  // (the real saturation temperature is −169.4 °C).
  EXPECT_NEAR(BoilingPointAtPressure(10, 77.35L) - 273.15L, -166.0075L, 1e-3);
}

// GASE.STW as built: 43 gases, every line read.
TEST(GasDatabase, ReadsTheProgramsTable) {
  EXPECT_EQ(Gases().gases.size(), 43u);
  EXPECT_TRUE(Gases().skipped.empty());
  const GasRecord& nitrogen = Named("Nitrogen");
  EXPECT_EQ(nitrogen.cas, "7727-37-9");
  EXPECT_EQ(nitrogen.viscosities.size(), 15u);
  EXPECT_EQ(nitrogen.viscosities[5].temperatureText, "20");
  EXPECT_EQ(ViscosityAt(nitrogen, 20), 17.57L);
  EXPECT_NEAR(*ViscosityAt(nitrogen, 35), (17.57L + 18.94L) / 2, 1e-15);  // 20 … 50 °C
  EXPECT_FALSE(ViscosityAt(nitrogen, -151).has_value());
  EXPECT_FALSE(ViscosityAt(nitrogen, 601).has_value());
  EXPECT_FALSE(LoadGasDatabase(::testing::TempDir() + "no such folder").has_value());
}

// Damaged lines are skipped and noted, never read as zeros; the header line is not data.
TEST(GasDatabase, SkipsDamagedLines) {
  const std::string good = "1\tGas A\t\tA\t28\t-200\t-190\t130\t35\t90\t0.04\t0\t17\t100\t21";
  const std::string lines[] = {
      "header",
      good,
      "2\tShort\t\tB\t28\t-200",                                     // too few fields
      "3\tNo number\t\tC\tx\t-200\t-190\t130\t35\t90\t0.04\t0\t17",  // M no number
      "4\tDescending\t\tD\t28\t-200\t-190\t130\t35\t90\t0.04\t100\t21\t0\t17",
      "5\tNo viscosity\t\tE\t28\t-200\t-190\t130\t35\t90\t0.04\t0\t\t100\t21",
  };
  std::string content;
  for (const std::string& line : lines) content += text::Scramble(line, 1) + "\r\n";
  content += "not a scrambled line\r\n";
  const GasDatabase database = ReadGasDatabase(DecodeTableLines(content, LineCoding::Scrambled, 1));
  ASSERT_EQ(database.gases.size(), 1u);
  EXPECT_EQ(database.gases[0].name, "Gas A");
  EXPECT_EQ(database.gases[0].viscosities.size(), 2u);
  EXPECT_EQ(database.skipped, (std::vector<int>{3, 4, 5, 6, 7}));
  const text::Message note = SkippedLinesMessage(German(), kGasBlock, kGasFileName, database.skipped);
  EXPECT_EQ(note.text, German().FormText(kGasBlock, "msgSkipped") + "\nGASE.STW: 3, 4, 5, 6, 7");
}

GasForm Form(const char* p, int row, const char* t = "", int tUnit = 0) { return {p, 0, row, t, tUnit}; }

// The table values and their rules; row 5 of nitrogen is 20 °C, row 0 of propane −40 °C.
TEST(GasDialog, TableValues) {
  const text::TextStore& t = German();
  const GasRecord& nitrogen = Named("Nitrogen");
  // Up to 1.013 bar the tabulated viscosity holds; at 1.014 bar Gardner's correction applies.
  const GasOutcome normal = CalculateGasTable(nitrogen, Form("1,013", 5), t, false);
  EXPECT_EQ(normal.values->viscosity, "17,6");
  EXPECT_EQ(normal.values->density, "1,16");  // the ideal gas: 1.013e5·0.028013/(8.3144·293.15) = 1.1643
  EXPECT_EQ(normal.boilingPoint, "ca. -195,8 °C  (-320 °F)");
  const GasState above = CalculateGasState(nitrogen, 293.15L, 1.014L, 17.57L);
  EXPECT_GT(above.viscosity, 17.57L);
  EXPECT_EQ(CalculateGasState(nitrogen, 293.15L, 1.013L, 17.57L).viscosity, 17.57L);
  // Above the critical pressure: no boiling point, the text in its place.
  EXPECT_EQ(CalculateGasTable(nitrogen, Form("100", 5), t, false).boilingPoint, t.FormText(kGasBlock, "Ueberkritisch"));
  // Below 0.1 bar nothing, no message; above 1000 bar the out-of-range text.
  const GasOutcome low = CalculateGasTable(nitrogen, Form("0,05", 5), t, false);
  EXPECT_FALSE(low.values || low.message);
  const GasOutcome high = CalculateGasTable(nitrogen, Form("1001", 5), t, false);
  EXPECT_EQ(high.message->text, t.FormText(kGasBlock, "msgOutOfRange"));
  EXPECT_EQ(high.message->icon, text::MessageIcon::Information);
  EXPECT_EQ(CalculateGasTable(nitrogen, Form("1,0,1", 5), t, false).message->text,
            "Ungültige Eingabe:\n\"Druck (absolut):\"!");
  // Propane at 5 bar and −25 °C lies below its boiling point there: the liquid line, no values.
  const GasOutcome liquid = CalculateGasTable(Named("Propane"), Form("5", 0), t, false);
  EXPECT_TRUE(liquid.liquid);
  EXPECT_FALSE(liquid.values.has_value());
  // Carbon dioxide at 100 bar and 20 °C: above the critical pressure, below the critical
  // temperature: liquid, not a gas density.
  EXPECT_EQ(CalculateGasState(Named("Carbon dioxide"), 293.15L, 100, 14.7L).refusal, GasRefusal::Liquid);
  // US: lb./cu.ft. with 3 decimals, cP with 4.
  const GasOutcome us = CalculateGasTable(nitrogen, Form("1,013", 5), t, true);
  EXPECT_EQ(us.values->density, "0,073");
  EXPECT_EQ(us.values->viscosity, "0,0176");
}

TEST(GasDialog, Interpolation) {
  const text::TextStore& t = German();
  const GasRecord& nitrogen = Named("Nitrogen");
  EXPECT_FALSE(InterpolateGas(nitrogen, Form("1,013", 0, ""), t, false).has_value());  // empty: nothing happens
  for (const char* edge : {"-150", "600"}) {  // the first and the last tabulated temperature are refused
    const GasOutcome outcome = *InterpolateGas(nitrogen, Form("1,013", 0, edge), t, false);
    EXPECT_EQ(outcome.message->text, t.FormText(kGasBlock, "msgOutOfRange")) << edge;
    EXPECT_EQ(outcome.message->icon, text::MessageIcon::None);
    EXPECT_EQ(outcome.message->focus, "TemperaturEdit");
  }
  EXPECT_EQ(InterpolateGas(nitrogen, Form("1,013", 0, "35"), t, false)->values->viscosity, "18,3");         // 18.255
  EXPECT_EQ(InterpolateGas(nitrogen, Form("1,013", 0, "308,15", 1), t, false)->values->viscosity, "18,3");  // K
  const GasOutcome liquid = *InterpolateGas(Named("Propane"), Form("5", 0, "-20"), t, false);
  EXPECT_EQ(liquid.message->text, t.FormText(kGasBlock, "Fluessig"));
  EXPECT_FALSE(liquid.values.has_value());
}

TEST(GasDialog, TakeOvers) {
  const GasRecord& nitrogen = Named("Nitrogen");
  const GasForm table{"14,7", 11, 5, "95", 2};  // psia; 20 °C; 95 degF typed
  const MediumTakeOver fromTable = GasTableTakeOver(nitrogen, table, {"0,073", "0,0176"}, true);
  EXPECT_EQ(fromTable.description, "Nitrogen (14,7 psia, 20 °C)");
  EXPECT_TRUE(fromTable.gas);
  EXPECT_EQ(fromTable.gasData->temperature, "20");
  EXPECT_EQ(fromTable.gasData->temperatureUnit, 0);
  EXPECT_EQ(fromTable.gasData->pressureUnit, 11);
  EXPECT_EQ(fromTable.densityUnit, 8);
  const MediumTakeOver interpolated = GasInterpolatedTakeOver(nitrogen, table, {"1,11", "18,3"}, false);
  EXPECT_EQ(interpolated.description, "Nitrogen (14,7 psia, 95 degF)");
  EXPECT_EQ(interpolated.gasData->temperatureUnit, 2);
  EXPECT_EQ(interpolated.viscosityUnit, 0);
}

}  // namespace
}  // namespace velmora::fluids
