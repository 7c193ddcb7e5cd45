#include <gtest/gtest.h>

#include <cmath>

#include "TestTexts.h"
#include "fluids/Brine.h"
#include "fluids/BrineDialog.h"
#include "fluids/Water.h"
#include "fluids/WaterViscosity.h"

namespace velmora::fluids {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

// At its mean concentration and temperature each fit returns its c₀: the program's table of the
// ten fluids (density kg/m³, ln μ/mPa·s, freezing point °C).
TEST(Brines, EveryFitAtItsCentreReturnsItsFirstCoefficient) {
  struct Centre {
    long double xm, tm, density, lnViscosity, freezing;
  };
  const Centre centres[kBrineCount] = {
      {38.1615L, 6.3333L, 1056, 1.453L, -21.96L},   {42.7686L, 5.3571L, 1042, 2.274L, -23.6L},
      {38.925L, -4.9038L, 954.4L, 2.214L, -28.42L}, {32.9283L, -6.25L, 959.2L, 1.548L, -29.03L},
      {47.8467L, 7.0L, 1127, 2.191L, -21.38L},      {17.9664L, -7.1429L, 939.9L, 0.952L, -30.57L},
      {27.6708L, 4.1667L, 1280, 1.222L, -15.68L},   {22.918L, 0.2459L, 1216, 1.293L, -23.88L},
      {13.7L, 5.875L, 1120, 1.040L, -14.30L},       {12.3589L, 9.2581L, 1094, 0.495L, -8.45L}};
  for (int i = 1; i <= kBrineCount; ++i) {
    const Centre& c = centres[i - 1];
    SCOPED_TRACE(i);
    EXPECT_NEAR(BrineProperty(i, BrineQuantity::Density, c.xm, c.tm), c.density, 1e-9);
    EXPECT_NEAR(BrineProperty(i, BrineQuantity::Viscosity, c.xm, c.tm), std::exp(c.lnViscosity) * 1000, 1e-9);
    EXPECT_NEAR(BrineProperty(i, BrineQuantity::FreezingPoint, c.xm, c.tm), c.freezing, 1e-9);
  }
  // Ethylene glycol at its centre: 1056 kg/m³ and exp(1.453)·1000 = 4276 × 10⁻⁶ kg/(m·s).
  EXPECT_NEAR(BrineProperty(1, BrineQuantity::Viscosity, 38.1615L, 6.3333L), 4276, 0.5);
}

// Without solute the brines whose range starts at 0 % are water: IF97 and the IAPS viscosity at
// 20 °C, 0 °C freezing point; the fits hold that to 0.15 % (density), 0.5 % (viscosity), 0.02 K.
TEST(Brines, WaterIsTheLimitOfTheFitsStartingAtZero) {
  const long double T = 293.15L;
  const long double rho = DensityRegion1(T, 1.013L);
  const long double mu = ViscosityWater(T, rho);
  for (const int fluid : {1, 7, 9, 10}) {
    SCOPED_TRACE(fluid);
    EXPECT_NEAR(BrineProperty(fluid, BrineQuantity::Density, 0, 20) / rho, 1, 0.0015);
    EXPECT_NEAR(BrineProperty(fluid, BrineQuantity::Viscosity, 0, 20) / mu, 1, 0.005);
    EXPECT_NEAR(BrineProperty(fluid, BrineQuantity::FreezingPoint, 0, 20), 0, 0.02);
  }
}

// Against the later IIR fit of the same measurements (Melinder 2010, as tabulated in the checks of
// the aqueous-solution data: t °C, c mass-%, ρ kg/m³, μ mPa·s): the two fits agree within 0.6 % in
// density and 7 % in viscosity, their largest gaps at the edges (5 % sodium chloride, 20 %
// magnesium chloride at 30 °C).
TEST(Brines, AgainstTheLaterIirFit) {
  struct Point {
    int fluid;
    long double t, c, density, viscosity;
  };
  const Point points[] = {{10, 10, 5, 1036.4L, 1.405L},  {10, 10, 10, 1073.9L, 1.542L}, {10, 20, 15, 1108.5L, 1.336L},
                          {10, 30, 20, 1142.9L, 1.237L}, {8, 10, 10, 1086.8L, 1.667L},  {8, 20, 15, 1133.2L, 1.537L},
                          {8, 30, 20, 1176.5L, 1.550L},  {9, 10, 5, 1042.3L, 1.586L},   {9, 10, 10, 1086.6L, 2.003L},
                          {9, 20, 15, 1128.2L, 1.974L},  {9, 30, 20, 1170.6L, 1.938L}};
  for (const Point& p : points) {
    SCOPED_TRACE(testing::Message() << p.fluid << " " << static_cast<double>(p.c) << " %");
    EXPECT_NEAR(BrineProperty(p.fluid, BrineQuantity::Density, p.c, p.t) / p.density, 1, 0.006);
    EXPECT_NEAR(BrineProperty(p.fluid, BrineQuantity::Viscosity, p.c, p.t) / (p.viscosity * 1000), 1, 0.07);
  }
}

// Freezing point depression of sodium chloride, CRC Handbook (concentrative properties of aqueous
// solutions): 10 % 6.56 K, 20 % 16.46 K, to the printed digits and the fit's 0.03 K.
TEST(Brines, FreezingPointOfSodiumChloride) {
  EXPECT_NEAR(BrineProperty(10, BrineQuantity::FreezingPoint, 10, 0), -6.56L, 0.03);
  EXPECT_NEAR(BrineProperty(10, BrineQuantity::FreezingPoint, 20, 0), -16.46L, 0.03);
}

// The dialog: the ranges, the refusals with their texts and fields, the displays and the take-over.
TEST(Brines, DialogRangesRefusalsAndDisplay) {
  const text::TextStore& texts = German();
  const BrineRanges ranges = ShowBrineRanges(0, texts);
  EXPECT_EQ(ranges.temperature, "vom Gefrierpunkt bis 40 °C (104 °F)");
  EXPECT_EQ(ranges.concentration, "0,0 .. 56,0 %");
  EXPECT_EQ(ShowBrineRanges(3, texts).concentration, "8,0 .. 47,4 %");  // methyl alcohol from 8 %
  // Sodium chloride 23.5 % and calcium chloride 8 %: outside their ranges (error box, focus).
  BrineOutcome outcome = CalculateBrineDialog({9, "0", 0, "23,5"}, texts, false);
  ASSERT_TRUE(outcome.message);
  EXPECT_EQ(outcome.message->text, "Die Konzentration liegt außerhalb des Bereichs dieser Kühlsole.");
  EXPECT_EQ(outcome.message->icon, text::MessageIcon::Error);
  EXPECT_EQ(outcome.message->focus, kBrineConcentrationEdit);
  EXPECT_FALSE(outcome.values);
  EXPECT_TRUE(CalculateBrineDialog({7, "0", 0, "8"}, texts, false).message);
  EXPECT_FALSE(CalculateBrineDialog({7, "0", 0, "9"}, texts, false).message);
  // Above t_max (30 °C for sodium chloride): the temperature edit.
  outcome = CalculateBrineDialog({9, "30,1", 0, "10"}, texts, false);
  ASSERT_TRUE(outcome.message);
  EXPECT_EQ(outcome.message->focus, kBrineTemperatureEdit);
  // At or below the freezing point (20 % sodium chloride: −16.5 °C): refused, the point named.
  outcome = CalculateBrineDialog({9, "-20", 0, "20"}, texts, false);
  ASSERT_TRUE(outcome.message);
  EXPECT_EQ(outcome.message->text,
            "Die Temperatur liegt nicht über dem Gefrierpunkt der Kühlsole. Gefrierpunkt: -16,5 °C (2,3 °F)");
  EXPECT_EQ(outcome.message->focus, kBrineTemperatureEdit);
  // Ethylene glycol at its centre: from 1000 on no decimals; US one and three more.
  outcome = CalculateBrineDialog({0, "6,3333", 0, "38,1615"}, texts, false);
  ASSERT_TRUE(outcome.values);
  EXPECT_EQ(outcome.values->density, "1056");
  EXPECT_EQ(outcome.values->viscosity, "4276");
  EXPECT_EQ(outcome.values->freezingPoint, "-22,0");
  outcome = CalculateBrineDialog({0, "6,3333", 0, "38,1615"}, texts, true);
  EXPECT_EQ(outcome.values->density, "65,9");     // 1056/16.0184655 = 65.92
  EXPECT_EQ(outcome.values->viscosity, "4,276");  // cP
  // The freezing point in the unit of the temperature list: K.
  EXPECT_EQ(CalculateBrineDialog({0, "279,4833", 1, "38,1615"}, texts, false).values->freezingPoint, "251,2");
  const MediumTakeOver takeOver = BrineTakeOver({0, "6,3333", 0, "38,1615"}, {"1056", "4276", "-22,0"}, texts, false);
  EXPECT_EQ(takeOver.description, "Ethylenglykol / Wasser (6,3333 °C, 38,1615 %)");
  EXPECT_FALSE(takeOver.gas);
  EXPECT_FALSE(takeOver.gasData);
}

}  // namespace
}  // namespace velmora::fluids
