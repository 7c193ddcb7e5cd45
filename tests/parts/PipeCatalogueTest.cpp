// The circular-pipe catalogue: reading a table by its layout and the values the dialog shows.
#include <gtest/gtest.h>

#include "CatalogueLines.h"
#include "TestTexts.h"
#include "parts/PipeCatalogue.h"

namespace velmora::parts {
namespace {

using testing::FileWithTableAt;

const std::string& NotStandard(text::Edition edition) { return testing_support::Texts(edition).GlobalText(80); }

// Table 3 (outer diameter and walls, steel) starts at line 677; table 8 (nominal pressure) at 10.
const PipeTable& Table(int number) { return *FindPipeTable(PipeSheet::Din, number); }

TEST(PipeCatalogue, KnownPipeShowsBoreInchesAndMass) {
  // D 60,3 and s 2,9: Di = 54,5 mm = 2,146 in.; m = (0,0603² − 0,0545²)·7850·π/4 = 4,105 kg/m;
  // 4,105·0,3048/0,4536 = 2,758 lb/ft.
  const CatalogueFile file = FileWithTableAt(677, {"60,3\t2\t2,9\t4,5"});
  const PipeStandard standard(Table(3), file);
  ASSERT_TRUE(standard.Available());
  EXPECT_EQ(standard.Sizes('D'), std::vector<std::string>{"60,3"});
  EXPECT_EQ(standard.Columns(0, 'D'), (std::vector<std::string>{"2", "2,9", "4,5"}));
  const PipeDisplay shown = ShowPipe(standard.Values(0, 1), 'D', NotStandard('D'));
  EXPECT_EQ(shown.outer, "60,3");
  EXPECT_EQ(shown.wall, "2,9");
  EXPECT_EQ(shown.innerMm, "54,5");
  EXPECT_EQ(shown.innerInches, "2,146");
  EXPECT_EQ(shown.massKg, "4,1");
  EXPECT_EQ(shown.massLb, "2,8");
}

TEST(PipeCatalogue, EnglishEditionReadsAndShowsPoints) {
  const CatalogueFile file = FileWithTableAt(677, {"60,3\t2\t2,9"}, UsesDecimalPoint('E'));
  EXPECT_EQ(file.Line(677), "60.3\t2\t2.9");
  const PipeDisplay shown = ShowPipe(PipeStandard(Table(3), file).Values(0, 1), 'E', NotStandard('E'));
  EXPECT_EQ(shown.outer, "60.3");
  EXPECT_EQ(shown.innerMm, "54.5");
  EXPECT_EQ(shown.innerInches, "2.146");
  EXPECT_EQ(shown.massKg, "4.1");
}

TEST(PipeCatalogue, EmptyColumnShowsNotStandardEverywhereButTheOuterDiameter) {
  const CatalogueFile file = FileWithTableAt(10, {"DN\tDa\tPN 6\tPN 10\tPN 16", "50\t60,3\t\t2,9\t4"});
  const PipeStandard standard(Table(8), file);
  EXPECT_EQ(standard.Sizes('D'), std::vector<std::string>{"50"});
  EXPECT_EQ(standard.Columns(0, 'D'), (std::vector<std::string>{"PN 6", "PN 10", "PN 16"}));
  const PipeValues values = standard.Values(0, 0);
  EXPECT_TRUE(values.notStandard);
  const PipeDisplay shown = ShowPipe(values, 'D', NotStandard('D'));
  EXPECT_EQ(shown.outer, "60,3");
  for (const std::string& label : {shown.wall, shown.innerMm, shown.innerInches, shown.massKg, shown.massLb}) {
    EXPECT_EQ(label, "nicht genormt");
  }
  EXPECT_FALSE(PipeTakeOverValue(values, false, 'D'));
  EXPECT_EQ(PipeTakeOverValue(standard.Values(0, 1), false, 'D'), "54,5");
  EXPECT_EQ(PipeTakeOverValue(standard.Values(0, 1), true, 'D'), "2,146");
}

TEST(PipeCatalogue, MassDecimalsFollowTheMass) {
  // 2 decimals below 1 kg/m, 1 decimal up to 100 kg/m, none above.
  const CatalogueFile file = FileWithTableAt(677, {"10\t1", "60,3\t2,9", "1016\t30"});
  const PipeStandard standard(Table(3), file);
  EXPECT_EQ(ShowPipe(standard.Values(0, 0), 'D', {}).massKg, "0,22");  // (0,01² − 0,008²)·7850·π/4
  EXPECT_EQ(ShowPipe(standard.Values(1, 0), 'D', {}).massKg, "4,1");
  EXPECT_EQ(ShowPipe(standard.Values(2, 0), 'D', {}).massKg, "729");  // (1,016² − 0,956²)·7850·π/4 = 729,49
}

struct BadLine {
  const char* name;
  const char* line;
  const char* wall;  // shown
};

// Lines of a table with one wall (DN, outer diameter, wall): whatever is wrong shows "-", never a
// negative bore or mass.
class DamagedPipeLine : public ::testing::TestWithParam<BadLine> {};

TEST_P(DamagedPipeLine, ShowsNotAvailable) {
  const CatalogueFile file = FileWithTableAt(44, {"DN\tDa\ts", GetParam().line});
  const PipeStandard standard(Table(9), file);
  const PipeValues values = standard.Values(0, 0);
  const PipeDisplay shown = ShowPipe(values, 'D', NotStandard('D'));
  EXPECT_EQ(shown.wall, GetParam().wall);
  EXPECT_EQ(shown.innerMm, "-");
  EXPECT_EQ(shown.innerInches, "-");
  EXPECT_EQ(shown.massKg, "-");
  EXPECT_EQ(shown.massLb, "-");
  EXPECT_FALSE(PipeTakeOverValue(values, false, 'D'));
}

INSTANTIATE_TEST_SUITE_P(Lines, DamagedPipeLine,
                         ::testing::Values(BadLine{"wallTooThick", "DN 10\t17,2\t9", "9"},
                                           BadLine{"wallHalfTheDiameter", "DN 10\t17,2\t8,6", "8,6"},
                                           BadLine{"wallNoNumber", "DN 10\t17,2\t2,3mm", "-"},
                                           BadLine{"outerNoNumber", "DN 10\tx\t2,3", "2,3"},
                                           BadLine{"negativeWall", "DN 10\t17,2\t-2", "-"},
                                           BadLine{"infiniteOuter", "DN 10\t1e5000\t2", "2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PipeCatalogue, ShortLineHasNoWall) {
  const CatalogueFile file = FileWithTableAt(44, {"DN\tDa\ts", "DN 10\t17,2"});
  EXPECT_EQ(ShowPipe(PipeStandard(Table(9), file).Values(0, 0), 'D', "nicht genormt").innerMm, "nicht genormt");
}

TEST(PipeCatalogue, TableWithoutLinesIsNotAvailable) {
  const CatalogueFile file = FileWithTableAt(503, {"", "   ", "\t"});
  EXPECT_FALSE(PipeStandard(Table(1), file).Available());
  EXPECT_EQ(PipeStandard(Table(1), file).Values(0, 0).inner, std::nullopt);
}

TEST(PipeCatalogue, OuterDiameterWithSeriesNamesTheSeries) {
  const CatalogueFile file = FileWithTableAt(503, {"21,3\t1\t2\t2,6", "", "26,9\t2\t2,3"});
  const PipeStandard standard(Table(1), file);
  EXPECT_EQ(standard.Sizes('D'), (std::vector<std::string>{"21,3", "26,9"}));  // the empty line is no size
  EXPECT_EQ(standard.Series(1), "2");
  EXPECT_EQ(standard.Columns(0, 'D'), (std::vector<std::string>{"2", "2,6"}));
  EXPECT_EQ(ShowPipe(standard.Values(0, 1), 'D', {}).innerMm, "16,1");
}

TEST(PipeCatalogue, SchedulesAreInInches) {
  // NPS 2 Sch 40: OD 2,375 in., wall 0,154 in.: ID 2,067 in. = 52,5 mm; (60,325² − 52,502²) mm²·π/4
  // ·7850 = 5,44 kg/m (B36.10M: 5,44 kg/m).
  const CatalogueFile file = FileWithTableAt(5, {"NPS (DN)\tOD\t40\t80", "2 (50)\t2,375\t0,154\t0,218"});
  const PipeStandard standard(*FindPipeTable(PipeSheet::Asme, 1), file);
  EXPECT_EQ(standard.Columns(0, 'D'), (std::vector<std::string>{"40", "80"}));
  const PipeDisplay shown = ShowPipe(standard.Values(0, 0), 'D', {});
  EXPECT_EQ(shown.outer, "2,375");
  EXPECT_EQ(shown.innerInches, "2,067");
  EXPECT_EQ(shown.innerMm, "52,5");
  EXPECT_EQ(shown.massKg, "5,4");
  EXPECT_EQ(PipeTakeOverValue(standard.Values(0, 0), true, 'D'), "2,067");
}

}  // namespace
}  // namespace velmora::parts
