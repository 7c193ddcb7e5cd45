// Bends, reducers and tees: their lines, wall choices, bores, cone angle and masses.
#include <gtest/gtest.h>

#include "CatalogueLines.h"
#include "parts/BendCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"

namespace velmora::parts {
namespace {

using testing::FileWithTableAt;

// DN 50 of DIN 2605-1: Da 60,3, series 1 … 5 (series 2 does not exist), radii of types 2 … 20.
constexpr const char* kDinBend = "50\t60,3\t2\t0\t2,9\t4,5\t5,6\t51\t76\t135\t254\t508";

TEST(BendCatalogue, SeriesTypesAndValues) {
  const BendTable& table = *FindBendTable(FittingSheet::Din, 1);
  const BendStandard standard(table, FileWithTableAt(table.first, {kDinBend}));
  EXPECT_EQ(standard.Sizes(), std::vector<std::string>{"50"});
  EXPECT_EQ(standard.Walls(0, 'D'), (std::vector<std::string>{"1 (2)", "2 ( - )", "3 (2,9)", "4 (4,5)", "5 (5,6)"}));
  EXPECT_EQ(BendTypeNames('E')[1], " 3: R ~  1.5 x Da");
  // Series 3, type 3 (R 76), shape B: L = 0,076·2π/4 m; m = L·(0,0603² − 0,0545²)·π/4·7850 = 0,490 kg
  // = 1,080 lb.
  const BendDisplay shown = ShowBend(standard.Values(0, 2, 1, BendShape::B), 'D');
  EXPECT_EQ(shown.pipe.innerMm, "54,5");
  EXPECT_EQ(shown.radiusMm, "76");
  EXPECT_EQ(shown.radiusInches, "2,992");
  EXPECT_EQ(shown.massKg, "0,49");
  EXPECT_EQ(shown.massLb, "1,08");
}

TEST(BendCatalogue, ShapeCWeighsFourTimesShapeA) {
  const BendTable& table = *FindBendTable(FittingSheet::Din, 1);
  const BendStandard standard(table, FileWithTableAt(table.first, {kDinBend}));
  const auto a = standard.Values(0, 4, 4, BendShape::A).mass;
  const auto c = standard.Values(0, 4, 4, BendShape::C).mass;
  ASSERT_TRUE(a && c);
  EXPECT_NEAR(*c / *a, 4.0L, 1e-15L);
}

TEST(BendCatalogue, MissingSeriesOrRadiusShowsDashes) {
  const BendTable& table = *FindBendTable(FittingSheet::Din, 1);
  const BendStandard standard(table, FileWithTableAt(table.first, {kDinBend, "350\t355,6\t\t\t\t\t\t356\t533"}));
  const BendDisplay noSeries = ShowBend(standard.Values(0, 1, 0, BendShape::B), 'D');
  EXPECT_EQ(noSeries.pipe.wall, "-");
  EXPECT_EQ(noSeries.pipe.innerMm, "-");
  EXPECT_EQ(noSeries.massKg, "-");
  EXPECT_FALSE(BendTakeOverValues(standard.Values(0, 1, 0, BendShape::B), false, 'D'));
  EXPECT_EQ(standard.Walls(1, 'D')[0], "1 ( - )");  // an unsourced wall is no series either
  const BendDisplay noRadius = ShowBend(standard.Values(0, 0, 0, BendShape::B), 'D');
  EXPECT_EQ(noRadius.radiusMm, "51");
  EXPECT_EQ(ShowBend(standard.Values(1, 0, 2, BendShape::B), 'D').radiusMm, "-");
}

TEST(BendCatalogue, AsmeTakeOverInBothUnits) {
  // NPS 2 long radius: OD 2,375, A 3,00, STD 0,154 in.: ID 2,067 in. = 52,5 mm, R 76,2 mm.
  const BendTable& table = *FindBendTable(FittingSheet::Asme, 1);
  const BendStandard standard(table, FileWithTableAt(table.first, {"2 (50)\t2,375\t3,00\t0,154\t0,218"}));
  EXPECT_EQ(standard.Walls(0, 'E'), (std::vector<std::string>{"0.154 STD", "0.218 XS"}));
  const BendValues values = standard.Values(0, 0, 0, BendShape::C);
  EXPECT_EQ(BendTakeOverValues(values, false, 'D'), (std::array<std::string, 3>{"52,5", "76,2", "180"}));
  EXPECT_EQ(BendTakeOverValues(values, true, 'D'), (std::array<std::string, 3>{"2,067", "3,00", "180"}));
}

// DN 50 large end (Da 60,3, L 76) with the small end DN 40 (Da 48,3).
constexpr const char* kDinReducer = "50\t60,3\t2\t0\t2,9\t4,5\t5,6\t76\t1\t40\t48,3\t2\t0\t2,6\t4\t5";

TEST(ReducerCatalogue, ConeAngleAndMassByHand) {
  const ReducerTable& table = FindReducerTable(FittingSheet::Din);
  const ReducerStandard standard(table, FileWithTableAt(table.first, {kDinReducer}));
  EXPECT_EQ(standard.LargeEnds(), std::vector<std::string>{"50"});
  EXPECT_EQ(standard.SmallEnds(0), std::vector<std::string>{"40"});
  EXPECT_EQ(standard.SmallWalls(0, 0, 'D')[2], "3 (2,6)");
  // Series 3 at both ends: Di1 = 54,5, Di2 = 43,1; L′ = 76 − ½√(60,3·2,9) − ½√(48,3·2,6) = 63,785;
  // w = arctan(5,7/63,785) = 5,107°. Mass π/12·76·((60,3² + 60,3·48,3 + 48,3²) − (54,5² + 54,5·43,1
  // + 43,1²))·7850/10⁹ = 0,266 kg = 0,587 lb.
  const ReducerValues values = standard.Values(0, 2, 0, 2);
  ASSERT_TRUE(values.angle);
  EXPECT_NEAR(*values.angle, 5.106545L, 1e-6L);
  const ReducerDisplay shown = ShowReducer(values, 'D', "Masse:");
  EXPECT_EQ(shown.angle, "5,1");
  EXPECT_EQ(shown.massKg, "Masse: 0,27");
  EXPECT_EQ(shown.massLb, "Masse: 0,59");
  EXPECT_EQ(ReducerTakeOverValues(values, false, false, 'D'), (std::array<std::string, 3>{"54,5", "43,1", "5,1"}));
  EXPECT_EQ(ReducerTakeOverValues(values, true, false, 'D'), (std::array<std::string, 3>{"43,1", "54,5", "5,1"}));
}

TEST(ReducerCatalogue, MissingSeriesShowsDashesForItsEndAngleAndMass) {
  const ReducerTable& table = FindReducerTable(FittingSheet::Din);
  const ReducerStandard standard(table, FileWithTableAt(table.first, {kDinReducer}));
  const ReducerValues values = standard.Values(0, 1, 0, 2);
  const ReducerDisplay shown = ShowReducer(values, 'D', "Masse:");
  EXPECT_EQ(shown.large.wall, "-");
  EXPECT_EQ(shown.large.innerMm, "-");
  EXPECT_EQ(shown.large.innerInches, "-");
  EXPECT_EQ(shown.small.innerMm, "43,1");
  EXPECT_EQ(shown.angle, "-");
  EXPECT_EQ(shown.massKg, "Masse: -");
  EXPECT_FALSE(ReducerTakeOverValues(values, false, false, 'D'));
}

TEST(ReducerCatalogue, AsmeConeAngleOverTheWholeLength) {
  // NPS 4 x 3, STD walls, H 4,00 in.: ID 4,026 and 3,068 in.; w = arctan(0,479/4) = 6,83°.
  const ReducerTable& table = FindReducerTable(FittingSheet::Asme);
  const ReducerStandard standard(
      table, FileWithTableAt(table.first, {"4 (100)\t4,500\t0,237\t0,337\t4,00\t1\t3 (80)\t3,500\t0,216\t0,300"}));
  const ReducerDisplay shown = ShowReducer(standard.Values(0, 0, 0, 0), 'D', "");
  EXPECT_EQ(shown.large.innerInches, "4,026");
  EXPECT_EQ(shown.large.innerMm, "102,3");
  EXPECT_EQ(shown.small.innerMm, "77,9");
  EXPECT_EQ(shown.angle, "6,8");
}

TEST(ReducerCatalogue, CountBeyondTheLineOffersOnlyTheEndsItHolds) {
  const ReducerTable& table = FindReducerTable(FittingSheet::Din);
  for (const char* count : {"7", "-1", "2,5", "x", "1e9"}) {
    std::string line = kDinReducer;
    line.replace(line.find("\t1\t40"), 3, std::string("\t") + count + "\t");
    const ReducerStandard standard(table, FileWithTableAt(table.first, {line}));
    EXPECT_LE(standard.SmallEnds(0).size(), 1u) << count;
    EXPECT_TRUE(standard.SmallWalls(0, 3, 'D').empty()) << count;
    EXPECT_FALSE(standard.Values(0, 0, 3, 0).small.inner) << count;
  }
}

// Run DN 50 (Da 60,3) with the branch DN 25 (Da 33,7); C 64, M 51.
std::string DinTee() {
  std::string line = "50\t60,3\t2\t0\t2,9\t4,5\t5,6\t1\t25\t33,7\t2\t0\t2,6\t3,2\t4";
  for (int field = 16; field < 58; ++field) line += '\t';
  return line + "\t64\t51";
}

TEST(TeeCatalogue, FieldsAndMassByHand) {
  const TeeTable& table = FindTeeTable(FittingSheet::Din);
  const TeeStandard standard(table, FileWithTableAt(table.first, {DinTee()}));
  EXPECT_EQ(standard.Branches(0), std::vector<std::string>{"25"});
  // Series 3: Di1 = 54,5, Di2 = 28,5. Vr = π/4·(60,3² − 54,5²)·2·64 = 66 938, Vb = π/4·(33,7² − 28,5²)
  // ·(51 − 27,25) = 6 033, Vo = π/4·28,5²·2,9 = 1 850 mm³; m = 71 121·7850/10⁹ = 0,558 kg = 1,231 lb.
  const TeeValues values = standard.Values(0, 2, 0, 2);
  const TeeDisplay shown = ShowTee(values, 'D', "Masse:");
  EXPECT_EQ(shown.run.innerMm, "54,5");
  EXPECT_EQ(shown.branch.innerMm, "28,5");
  EXPECT_EQ(shown.massKg, "Masse: 0,56");
  EXPECT_EQ(shown.massLb, "Masse: 1,23");
  EXPECT_EQ(shown.runWallConverted, "0,11");  // 2,9/25,4
  EXPECT_EQ(TeeTakeOverValues(values, false, 'D'), (std::array<std::string, 4>{"54,5", "28,5", "2,9", "90"}));
  EXPECT_EQ(TeeTakeOverValues(values, true, 'D'), (std::array<std::string, 4>{"2,146", "1,122", "0,11", "90"}));
}

TEST(TeeCatalogue, MissingRunSeriesLeavesNothingToTakeOver) {
  const TeeTable& table = FindTeeTable(FittingSheet::Din);
  const TeeStandard standard(table, FileWithTableAt(table.first, {DinTee()}));
  const TeeValues values = standard.Values(0, 1, 0, 2);
  const TeeDisplay shown = ShowTee(values, 'D', "Masse:");
  EXPECT_EQ(shown.run.wall, "-");
  EXPECT_EQ(shown.massKg, "Masse: -");
  EXPECT_FALSE(TeeTakeOverValues(values, false, 'D'));
}

TEST(TeeCatalogue, AsmeRadiusIsTheRunWallInTheWantedUnit) {
  // NPS 2 straight tee: OD 2,375, STD 0,154 in.: the metric radius is 0,154·25,4 = 3,91 mm.
  const TeeTable& table = FindTeeTable(FittingSheet::Asme);
  std::string line = "2 (50)\t2,375\t0,154\t0,218\t1\t2 (50)\t2,375\t0,154\t0,218";
  for (int field = 10; field < 62; ++field) line += '\t';
  line += "\t2,50\t2,50";
  const TeeStandard standard(table, FileWithTableAt(table.first, {line}));
  const TeeValues values = standard.Values(0, 0, 0, 0);
  EXPECT_EQ(TeeTakeOverValues(values, false, 'D'), (std::array<std::string, 4>{"52,5", "52,5", "3,91", "90"}));
  EXPECT_EQ(TeeTakeOverValues(values, true, 'D'), (std::array<std::string, 4>{"2,067", "2,067", "0,154", "90"}));
  EXPECT_TRUE(values.mass);
}

}  // namespace
}  // namespace velmora::parts
