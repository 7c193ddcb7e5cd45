#include "units/UnitLists.h"

#include <gtest/gtest.h>

namespace velmora::units {
namespace {

constexpr long double kTolerance = 1e-12L;

int IndexOf(std::span<const Unit> list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

TEST(UnitLists, ListsHaveTheirEntriesInOrder) {
  EXPECT_EQ(FlowUnits(0).size(), 16u);
  EXPECT_EQ(FlowUnits(1).size(), 8u);
  EXPECT_EQ(DensityUnits().size(), 11u);
  EXPECT_EQ(ViscosityUnits(0).size(), 9u);
  EXPECT_EQ(ViscosityUnits(1).size(), 6u);
  EXPECT_EQ(PressureUnits().size(), 15u);
  EXPECT_EQ(TemperatureUnits().size(), 4u);
  EXPECT_EQ(FlowUnits(0)[14].name, "gal/min");  // the US flow unit of a copied-back column
  EXPECT_EQ(DensityUnits()[8].name, "lb./cu.ft.");
  EXPECT_EQ(ViscosityUnits(0)[5].name, "cP");
  EXPECT_EQ(PressureUnits()[0].name, "bar");
}

struct ConversionCase {
  const char* name;
  std::span<const Unit> list;
  const char* unit;
  long double value;
  long double density;
  long double expected;
};

class ToBaseTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ToBaseTest, ConvertsToTheBaseUnit) {
  const auto& c = GetParam();
  const auto converted = ToBase(c.list, IndexOf(c.list, c.unit), c.value, c.density);
  ASSERT_TRUE(converted.has_value());
  EXPECT_NEAR(static_cast<double>(*converted), static_cast<double>(c.expected),
              static_cast<double>(kTolerance * (1 + c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Units, ToBaseTest,
    testing::Values(ConversionCase{"litresPerSecond", FlowUnits(0), "l/s", 10, 1, 36},
                    ConversionCase{"usGallonsPerMinute", FlowUnits(0), "gal/min", 1, 1, 0.158987L * 60 / 42},
                    ConversionCase{"cubicFeetPerSecond", FlowUnits(0), "cu.ft./s", 1, 1, 101.9406477312L},
                    ConversionCase{"massFlowOfWater", FlowUnits(1), "kg/h", 1000, 1000, 1},
                    ConversionCase{"densityInKilogramsPerLitre", DensityUnits(), "kg/l", 1, 1, 1000},
                    ConversionCase{"densityInPoundsPerCubicFoot", DensityUnits(), "lb./cu.ft.", 62.4L, 1,
                                   999.55224720L},
                    ConversionCase{"centistokesTimesDensity", ViscosityUnits(1), "cSt", 1, 998.2L, 998.2L},
                    ConversionCase{"squareCentimetresPerSecond", ViscosityUnits(1), "cm²/s", 0.01L, 1000, 1000},
                    ConversionCase{"centipoise", ViscosityUnits(0), "cP", 1.002L, 1, 1002},
                    ConversionCase{"inches", LengthUnits(LengthList::Millimetre), "in.", 4, 1, 101.6L},
                    ConversionCase{"feet", LengthUnits(LengthList::Metre), "ft.", 10, 1, 3.048L},
                    ConversionCase{"squareYards", LengthUnits(LengthList::Area), "sq.yd.", 1, 1, 0.8361274L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitLists, IndexOutsideTheListConvertsNothing) {
  EXPECT_FALSE(ToBase(DensityUnits(), 11, 1).has_value());
  EXPECT_FALSE(ToBase(DensityUnits(), -1, 1).has_value());
}

TEST(UnitLists, StandardCubicMetresAreMarked) {
  for (const char* name : {"Nm³/h", "Nm³/min", "Nm³/s"})
    EXPECT_TRUE(FlowUnits(0)[static_cast<std::size_t>(IndexOf(FlowUnits(0), name))].standard);
  EXPECT_FALSE(FlowUnits(0)[0].standard);
}

TEST(Pressure, ConvertsEveryListEntryAndPsi) {
  const struct {
    const char* unit;
    long double value;
    long double bar;
  } cases[] = {{"bar", 2, 2},
               {"mbar", 1000, 1},
               {"Pa", 100000, 1},
               {"MPa", 1, 10},
               {"atm", 1, 1.01325L},
               {"at", 1, 0.980665L},
               {"ata", 1, 0.980665L},
               {"m WS", 10, 0.980665L},
               {"mm WS", 10000, 0.980665L},
               {"Torr", 760, 1.01325L},
               {"psia", 14.5037738L, 1.0L},
               {"psi", 1, 0.068947581976L},
               {"psig", 0, 14.7L * 0.068947581976L},
               {"ft.wtr.", 1, 0.0298906692L},
               {"in.wtr.", 1, 0.002490889L},
               {"lbw./sq.ft.", 1, 0.000478802653L}};
  for (const auto& c : cases) {
    const auto bar = PressureToBar(c.unit, c.value);
    ASSERT_TRUE(bar.has_value()) << c.unit;
    EXPECT_NEAR(static_cast<double>(*bar), static_cast<double>(c.bar), 2e-6) << c.unit;
  }
  EXPECT_NEAR(static_cast<double>(*PressureToBar("psig", 0)), 1.01353, 5e-6);
  EXPECT_FALSE(PressureToBar("kp/cm2", 1).has_value());
}

TEST(Temperature, ConvertsWithTheTableFactors) {
  EXPECT_EQ(*TemperatureToKelvin("°C", 0), 273.15L);
  EXPECT_EQ(*TemperatureToKelvin("K", 300), 300);
  // 32 degF gives 273.15792 K, not 273.15: the factors are rounded.
  EXPECT_NEAR(static_cast<double>(*TemperatureToKelvin("degF", 32)), 273.15792, 1e-9);
  EXPECT_NEAR(static_cast<double>(*TemperatureToKelvin("°R", 80)), 373.15, 1e-12);
  EXPECT_FALSE(TemperatureToKelvin("F", 1).has_value());
}

TEST(StandardToOperating, HundredStandardCubicMetresAtOneBarAndZeroCelsius) {
  EXPECT_NEAR(static_cast<double>(StandardToOperating(100, 1, 273.15L)), 101.325, 1e-12);
}

}  // namespace
}  // namespace velmora::units
