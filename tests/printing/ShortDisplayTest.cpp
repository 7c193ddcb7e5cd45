#include <gtest/gtest.h>

#include "TestTexts.h"
#include "printing/ShortDisplayLayout.h"
#include "printing/ShortDisplayList.h"

namespace velmora::printing {
namespace {

results::ResultsTable TwoElements() {
  results::ResultsTable table;
  const std::pair<const char*, const char*> elements[] = {{"Saugleitung", "0,012"}, {"Schieber", "0,003"}};
  for (const auto& [description, loss] : elements) {
    results::ResultColumn column;
    column.rows[results::row::Kind] = "Kreisrohr/1";
    column.rows[results::row::Description] = description;
    column.rows[results::row::LossSmall] = "12";
    column.rows[results::row::LossLarge] = loss;
    table.AppendColumn(column);
  }
  return table;
}

TEST(ShortDisplayList, OneLinePerElementWithItsNumberKindDescriptionAndLoss) {
  const results::StatusTexts status{"Gesamtdruckverlust:", "15,000 mbar oder 0,015 bar", false};
  const ShortDisplayList list = MakeShortDisplayList(TwoElements(), status, false, testing_support::Texts('D'));
  EXPECT_EQ(list.header, (ShortDisplayLine{"Nr.", "Element/Anzahl", "Bezeichnung", "dp/bar"}));
  ASSERT_EQ(list.lines.size(), 2u);
  EXPECT_EQ(list.lines[0], (ShortDisplayLine{"1", "Kreisrohr/1", "Saugleitung", "0,012"}));
  EXPECT_EQ(list.lines[1], (ShortDisplayLine{"2", "Kreisrohr/1", "Schieber", "0,003"}));
  EXPECT_EQ(list.totals, "Gesamtdruckverlust: 15,000 mbar oder 0,015 bar");

  const ShortDisplayList us = MakeShortDisplayList({}, {}, true, testing_support::Texts('E'));
  EXPECT_EQ(us.header, (ShortDisplayLine{"No.", "Element/Number", "Description", "dp/psi"}));
  EXPECT_TRUE(us.lines.empty()) << "an empty table: the header only";
}

// A4 portrait with lines of 1.2 · 10 pt = 4.2333 mm. The first page's header stands at
// 15 + 15 = 30 mm, line k (from 0) at 30 + 4.2333 (k + 1); a line must end by 297 − 15 − 5 = 277 mm:
// 57 lines (k ≤ 56). Later pages start at 15 mm: 60 lines. The totals stand 10 mm below the last line.
struct ShortPagesCase {
  const char* name;
  int lines;
  std::vector<std::pair<int, int>> pages;  // lines of each page
  std::size_t totalsPage;
  double totalsY;
};

class ShortDisplayPages : public testing::TestWithParam<ShortPagesCase> {};

TEST_P(ShortDisplayPages, BreakFiveMillimetresAboveTheBottom) {
  TextMetrics metrics;
  metrics.width = [](std::string_view text) { return 0.5 * static_cast<double>(text.size()); };
  const ShortDisplayLayout layout = LayOutShortDisplay(GetParam().lines, {29, 146, 170, 54}, 210, 297, metrics);
  ASSERT_EQ(layout.pages.size(), GetParam().pages.size());
  for (std::size_t p = 0; p < layout.pages.size(); ++p) {
    EXPECT_EQ(layout.pages[p].firstLine, GetParam().pages[p].first) << p;
    EXPECT_EQ(layout.pages[p].endLine, GetParam().pages[p].second) << p;
    EXPECT_EQ(layout.pages[p].headings, p == 0) << p;
    EXPECT_NEAR(layout.pages[p].headerY, p == 0 ? 30 : 15, 1e-9) << p;
    EXPECT_EQ(layout.pages[p].totalsY.has_value(), p == GetParam().totalsPage) << p;
  }
  EXPECT_NEAR(layout.pages[GetParam().totalsPage].totalsY.value_or(0), GetParam().totalsY, 1e-6);
  EXPECT_NEAR(layout.headingY[1] - layout.headingY[0], 5, 1e-12);
  // The window's columns (29, 146, 170, 54 px) across the 180 mm between the margins.
  EXPECT_NEAR(layout.columns[1].x, 15 + 180 * 29 / 399.0, 1e-9);
  EXPECT_NEAR(layout.columns[3].x + layout.columns[3].width, 195, 1e-9);
}

constexpr double kLine = 1.2 * 10 * 25.4 / 72;

INSTANTIATE_TEST_SUITE_P(
    Lines, ShortDisplayPages,
    testing::Values(ShortPagesCase{"OnePage", 50, {{0, 50}}, 0, 30 + 50 * kLine + 10},
                    // The 57th line fits, its totals (271.3 + 10 mm) do not: a page for them alone.
                    ShortPagesCase{"TotalsOnANewPage", 57, {{0, 57}, {57, 57}}, 1, 15},
                    ShortPagesCase{"LinesGoOn", 58, {{0, 57}, {57, 58}}, 1, 15 + kLine + 10},
                    ShortPagesCase{"NoLines", 0, {{0, 0}}, 0, 30 + 10}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::printing
