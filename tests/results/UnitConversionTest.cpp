#include <gtest/gtest.h>

#include <cmath>

#include "SampleColumns.h"
#include "TestTexts.h"
#include "results/ColumnBuilder.h"
#include "results/UnitConversion.h"
#include "units/Numbers.h"

namespace velmora::results {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

ResultsTable OneColumn(int group, int kind, long double lossMbar = 10.0L) {
  testing::Sample sample = testing::SampleElement(group, kind);
  sample.values.lossSmall = lossMbar;
  sample.values.lossLarge = lossMbar / 1000.0L;
  ResultsTable table;
  AppendColumn(table, sample.form, sample.values, false, German(), {});
  return table;
}

struct ConversionCase {
  const char* name;
  int group;
  int kind;
  int row;
  const char* us;
};

// Metric to US, figures by hand with the factors of the unit lists: gal/min = 0.158987/42·60 m³/h,
// lb./cu.ft. = 16.0184655 kg/m³, cP = 1000·10⁻⁶ kg/ms, in. = 25.4 mm, ft. = 0.3048 m,
// sq.yd. = 0.8361274 m², lbw./sq.ft. = 0.478802653 mbar, psi = 144 lbw./sq.ft.
const ConversionCase kToUsCases[] = {
    {"flow", 1, 1, row::Flow, "4,403"},
    {"density", 1, 1, row::Density, "62,316"},
    {"viscosity", 1, 1, row::Viscosity, "1,002"},
    {"diameter", 1, 1, row::Input1, "Elementdurchm. D in in.: 1,969"},
    {"length", 1, 1, row::Input1 + 1, "Länge L in ft.: 196,850"},
    {"area", 1, 6, row::Input1, "Querschnittsfläche A in sq.yd.: 59,799"},
    {"heightInM", 13, 1, row::Input1, "Höhendifferenz H in ft.: 164,042"},
    {"angleStays", 2, 3, row::Input1 + 1, "Winkel w in Grad: 60,000"},
    {"percentStays", 10, 1, row::Input1 + 1, "Freier Querschnitt in %: 60,000"},
    {"knownZetaStays", 12, 1, row::Input1 + 1, "Zeta-Wert: 60,000"},
    {"velocity", 1, 1, row::Velocity, "1,640"},
    {"velocity2", 3, 1, row::Velocity2, "4,921"},
    {"emptyVelocity2Stays", 1, 1, row::Velocity2, ""},
    {"roughness", 1, 1, row::Roughness, "0,004"},
    {"reynoldsStays", 1, 1, row::Reynolds, "5,00E+0004"},
    {"lambdaStays", 1, 1, row::Lambda, "0,020"},
    {"zetaStays", 1, 1, row::Zeta, "1,250"},
    {"branchLoss", 5, 5, row::BranchLoss, "0,522"},
    {"lossSmall", 1, 1, row::LossSmall, "20,885"},
    {"lossLargeFromRow24", 1, 1, row::LossLarge, "0,145"},
};

class ToUsTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ToUsTest, Cell) {
  const ConversionCase& c = GetParam();
  ResultsTable table = OneColumn(c.group, c.kind);
  ConvertTableUnits(table, true, 3, German());
  EXPECT_EQ(table.Cell(1, c.row), c.us);
}

INSTANTIATE_TEST_SUITE_P(Cells, ToUsTest, ::testing::ValuesIn(kToUsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// How many metric units one US unit of the row is (1 for rows without a unit change).
long double MetricPerUs(int row, const std::string& text) {
  switch (row) {
    case row::Flow: return 0.158987L / 42.0L * 60.0L;
    case row::Density: return 16.0184655L;
    case row::Viscosity: return 1000.0L;
    case row::Velocity:
    case row::Velocity2: return 0.3048L;
    case row::Roughness: return 25.4L;
    case row::BranchLoss:
    case row::LossSmall: return 0.478802653L;
    case row::LossLarge: return 0.478802653L * 144.0L / 1000.0L;
    default: break;
  }
  if (text.find(" mm:") != std::string::npos) return 25.4L;
  if (text.find(" m²:") != std::string::npos) return 0.8361274L;
  if (text.find(" m:") != std::string::npos) return 0.3048L;
  return 1;
}

std::optional<long double> NumberOf(const std::string& cell) {
  const std::size_t colon = cell.find(':');
  return units::ParseNumber(colon == std::string::npos ? cell : cell.substr(colon + 1));
}

// Metric → US → metric gives the same texts within the rounding of the US texts (half a unit of
// the last decimal, in US units) and of the metric texts (half a unit).
TEST(ConvertTableUnits, MetricToUsAndBackKeepsTheValuesWithinRounding) {
  for (const auto& [group, kind] : {std::pair{1, 1}, {1, 6}, {3, 2}, {5, 5}, {9, 3}, {10, 4}, {13, 1}, {13, 3}}) {
    const ResultsTable original = OneColumn(group, kind, 345.678L);
    ResultsTable table = original;
    ConvertTableUnits(table, true, 3, German());
    ConvertTableUnits(table, false, 3, German());
    for (int r = 0; r < kRowCount; ++r) {
      const std::string& before = original.Cell(1, r);
      const std::string& after = table.Cell(1, r);
      const auto a = NumberOf(before);
      const auto b = NumberOf(after);
      if (before.empty() || !a || r == row::Kind || r == row::Medium || r == row::Description) {
        EXPECT_EQ(after, before) << group << "/" << kind << " row " << r;
        continue;
      }
      ASSERT_TRUE(b.has_value()) << after;
      if (before.find(':') != std::string::npos) {
        // The label and "in" stay; the unit comes back.
        EXPECT_EQ(after.substr(0, after.find(':')), before.substr(0, before.find(':')));
      }
      const long double tolerance = 0.0005L * (1.0L + MetricPerUs(r, before)) + 1e-12L;
      EXPECT_LE(std::fabs(*a - *b), tolerance)
          << group << "/" << kind << " row " << r << ": " << before << " / " << after;
    }
  }
}

TEST(ConvertTableUnits, UnreadableCellKeepsItsText) {
  ResultsTable table = OneColumn(1, 1);
  table.SetCell(1, row::Density, "998,2 kg");
  table.SetCell(1, row::Input1, "Elementdurchm. D in mm: abc");
  ConvertTableUnits(table, true, 3, German());
  EXPECT_EQ(table.Cell(1, row::Density), "998,2 kg");
  EXPECT_EQ(table.Cell(1, row::Input1), "Elementdurchm. D in mm: abc");
  EXPECT_EQ(table.Cell(1, row::Flow), "4,403");
}

TEST(ConvertTableUnits, LargeLossStaysScientific) {
  ResultsTable table = OneColumn(1, 1, 2.0e7L);  // 20 000 bar
  ConvertTableUnits(table, true, 3, German());
  // 2·10⁷ mbar / 0.478802653 = 4.177·10⁷ lbw./sq.ft.; /144 = 2.90·10⁵ psi.
  EXPECT_EQ(table.Cell(1, row::LossSmall), "4,18E+0007");
  EXPECT_EQ(table.Cell(1, row::LossLarge), "2,90E+0005");
}

}  // namespace
}  // namespace velmora::results
