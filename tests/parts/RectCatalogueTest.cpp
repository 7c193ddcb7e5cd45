// The rectangular-pipe catalogue: sizes, walls, inner sizes and mass.
#include <gtest/gtest.h>

#include "CatalogueLines.h"
#include "parts/RectCatalogue.h"

namespace velmora::parts {
namespace {

using testing::FileWithTableAt;

TEST(RectCatalogue, KnownSectionShowsInnerSizesAndMass) {
  // 100 x 50 with s = 3: Bi = 94,0, Hi = 44,0; m = (100·50 − 94·44)/10⁶·7850 = 6,78 kg/m, shown 6,8;
  // 6,78·0,3048/0,4536 = 4,55 lb/ft.
  const RectTable& table = *FindRectTable(RectSheet::Din, 1, RectShape::Rectangular);
  const RectStandard standard(table, FileWithTableAt(table.first, {"x\t100\t50\t3\t4"}));
  EXPECT_EQ(standard.Sizes('D'), std::vector<std::string>{"100 x 50"});
  EXPECT_EQ(standard.Walls(0, 'D'), (std::vector<std::string>{"3", "4"}));
  const RectDisplay shown = ShowRect(standard.Values(0, 0), 'D');
  EXPECT_EQ(shown.widthMm, "94,0");
  EXPECT_EQ(shown.heightMm, "44,0");
  EXPECT_EQ(shown.widthInches, "3,701");
  EXPECT_EQ(shown.heightInches, "1,732");
  EXPECT_EQ(shown.massKg, "6,8");
  EXPECT_EQ(shown.massLb, "4,6");
  EXPECT_EQ(RectTakeOverValues(standard.Values(0, 0), false, 'D'),
            std::make_pair(std::string("94,0"), std::string("44,0")));
}

TEST(RectCatalogue, DuctsListTheirInnerSizes) {
  const RectTable& table = *FindRectTable(RectSheet::Din, 4, RectShape::Square);
  ASSERT_TRUE(table.innerSizes);
  const RectStandard standard(table, FileWithTableAt(table.first, {"x\t200\t200\t1"}));
  const RectDisplay shown = ShowRect(standard.Values(0, 0), 'D');
  EXPECT_EQ(shown.widthMm, "200,0");
  EXPECT_EQ(shown.heightMm, "200,0");
  EXPECT_EQ(shown.massKg, "6,3");  // (202² − 200²)/10⁶·7850 = 6,311
}

TEST(RectCatalogue, AsmeSectionsAreInInchesAndListUpToTenWalls) {
  // HSS 4 x 4 x 1/4: Bi = Hi = 3,5 in. = 88,9 mm; m = (101,6² − 88,9²)/10⁶·7850 = 18,96 kg/m.
  const RectTable& table = *FindRectTable(RectSheet::Asme, 1, RectShape::Square);
  std::string line = "x\t4\t4\t";
  for (int i = 1; i <= 11; ++i) line += "\t0," + std::to_string(i);
  line.replace(line.find("0,3"), 3, "0,25");
  const RectStandard standard(table, FileWithTableAt(table.first, {line}));
  EXPECT_EQ(standard.Walls(0, 'D').size(), 10u);
  const RectDisplay shown = ShowRect(standard.Values(0, 2), 'D');
  EXPECT_EQ(shown.widthInches, "3,500");
  EXPECT_EQ(shown.widthMm, "88,9");
  EXPECT_EQ(shown.massKg, "19,0");
}

TEST(RectCatalogue, WallLeavingNoBoreIsNotAvailable) {
  const RectTable& table = *FindRectTable(RectSheet::Din, 1, RectShape::Square);
  const RectStandard standard(table, FileWithTableAt(table.first, {"x\t20\t20\t10\tzwei"}));
  for (const std::size_t wall : {0u, 1u, 7u}) {
    const RectDisplay shown = ShowRect(standard.Values(0, wall), 'D');
    EXPECT_EQ(shown.widthMm, "-");
    EXPECT_EQ(shown.massKg, "-");
    EXPECT_FALSE(RectTakeOverValues(standard.Values(0, wall), false, 'D'));
  }
}

}  // namespace
}  // namespace velmora::parts
