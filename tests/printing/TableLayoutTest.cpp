// The pages of the printed results table, checked by hand with a fixed-pitch font of half an em
// per character and a line spacing of 1.2 em. One em of a font of f points is f · 25.4/72 mm; a
// cell is its text plus 0.3 em on either side, a row 1.2 em per line plus 0.15 em above and below.
#include "printing/TableLayout.h"

#include <gtest/gtest.h>

#include "printing/TextWrap.h"

namespace velmora::printing {
namespace {

TextMetrics FixedPitch() {
  TextMetrics metrics;
  metrics.width = [](std::string_view text) {
    double characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    return 0.5 * characters;
  };
  metrics.lineSpacing = 1.2;
  return metrics;
}

// A table whose widest row title has 18 characters (9.6 em with its padding) and whose element
// columns are 8 characters wide at most (4.6 em).
results::ResultsTable Table(int columns, const std::string& description = "Leitung") {
  results::ResultsTable table;
  results::ColumnTexts labels;
  labels.fill("Zeile:");
  labels[results::row::LossSmall] = "Druckverlust mbar:";
  table.SetLabels(labels);
  for (int c = 0; c < columns; ++c) {
    results::ResultColumn column;
    column.rows[results::row::Kind] = "Kreis/1";
    column.rows[results::row::Description] = description;
    column.rows[results::row::LossLarge] = "0,001234";
    table.AppendColumn(column);
  }
  return table;
}

PageSetup Setup(std::array<double, 4> margins = {20, 20, 20, 20}) {
  PageSetup setup;
  setup.margins = {margins[0], margins[1], margins[2], margins[3]};
  return setup;
}

// The element columns of each page across (pages down the rows not counted).
std::vector<int> ColumnsPerPage(const TableLayout& layout) {
  std::vector<int> counts;
  for (const TablePage& page : layout.pages) {
    if (page.firstRow == 0 && !page.columns.empty()) counts.push_back(static_cast<int>(page.columns.size()) - 1);
  }
  return counts;
}

struct PagesCase {
  const char* name;
  PageSetup setup;
  int columns;
  double fitFontCap;
  double fontSize;
  std::vector<int> columnsPerPage;
};

class PagesAcross : public testing::TestWithParam<PagesCase> {};

TEST_P(PagesAcross, ColumnsBesideTheRowTitles) {
  const PagesCase& c = GetParam();
  const TableLayoutInput input{c.setup, 297, 210, c.fitFontCap, {}};  // A4 landscape
  const auto layout = LayOutTable(Table(c.columns), {}, input, FixedPitch());
  ASSERT_TRUE(layout);
  EXPECT_NEAR(layout->fontSize, c.fontSize, 1e-12);
  EXPECT_EQ(ColumnsPerPage(*layout), c.columnsPerPage);
  for (const TablePage& page : layout->pages) EXPECT_EQ(page.columns.front(), 0) << "the row titles on every page";
  EXPECT_TRUE(layout->pages.back().total);
  EXPECT_EQ(layout->pages.back().number, static_cast<int>(layout->pages.size()));
}

PageSetup Scaled(int fontSize, std::array<double, 4> margins = {20, 20, 20, 20}) {
  PageSetup setup = Setup(margins);
  setup.fontSize = fontSize;
  return setup;
}

PageSetup Fitted(int pages) {
  PageSetup setup = Setup();
  setup.fitToPages = true;
  setup.pagesWide = pages;
  return setup;
}

INSTANTIATE_TEST_SUITE_P(Layouts, PagesAcross,
                         testing::Values(
                             // 10 pt (3.5278 mm per em): titles 33.867 mm, elements 16.228 mm; 257 mm between the
                             // margins leave 223.13 mm: 13 elements a page.
                             PagesCase{"ScaledTo10pt", Scaled(10), 40, 16, 10, {13, 13, 13, 1}},
                             // Left and right 50 mm: 163.13 mm for the elements, 10 a page.
                             PagesCase{"MarginsInMm", Scaled(10, {20, 20, 50, 50}), 40, 16, 10, {10, 10, 10, 10}},
                             // Left and right 2 in = 50.8 mm: 161.53 mm, 9 a page.
                             PagesCase{
                                 "MarginsInInches", Scaled(10, {20, 20, 50.8, 50.8}), 40, 16, 10, {9, 9, 9, 9, 4}},
                             // Two pages wide: 20 columns a page need (9.6 + 20 · 4.6) em = 101.6 em ≤ 257 mm, so at
                             // most 7.17 pt: 7.1 pt (at 7.2 pt they take 258.1 mm).
                             PagesCase{"FitToTwoPages", Fitted(2), 40, 16, 7.1, {20, 20}},
                             // A narrow table is not enlarged beyond the results grid's font.
                             PagesCase{"FitNeverEnlarges", Fitted(1), 3, 8, 8, {3}},
                             // 80 columns on one page would need 1.93 pt: the smallest size, 2 pt, takes two pages
                             // (250.23 mm beside the titles hold 77 columns of 3.2456 mm).
                             PagesCase{"FitBelowTheSmallestFont", Fitted(1), 80, 16, 2, {77, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableLayout, RowsThatDoNotFitContinueOnTheNextPage) {
  // A5 landscape (210 × 148 mm) at 16 pt: rows of 1.5 em = 8.4667 mm. The header and footer lines
  // (9 pt: 3.81 mm) with their 3 mm gaps leave 90.57 mm between them: 10 rows a page. Elements of
  // 25.96 mm beside titles of 54.19 mm: 4 a page across.
  const TableLayoutInput input{Scaled(16), 210, 148, 16, {}};
  const auto layout = LayOutTable(Table(5), {"Projekt", {"Fußzeile"}, "Gesamt"}, input, FixedPitch());
  ASSERT_TRUE(layout);
  ASSERT_EQ(layout->pages.size(), 6u);
  const std::pair<int, int> rows[] = {{0, 10}, {10, 20}, {20, 26}};
  for (std::size_t p = 0; p < 6; ++p) {
    EXPECT_EQ(layout->pages[p].firstRow, rows[p % 3].first) << p;
    EXPECT_EQ(layout->pages[p].endRow, rows[p % 3].second) << p;
    EXPECT_EQ(layout->pages[p].columns.size(), p < 3 ? 5u : 2u) << p;
    EXPECT_EQ(layout->pages[p].total, p == 5) << p;
  }
  EXPECT_NEAR(layout->header.y, 20, 1e-9);
  EXPECT_NEAR(layout->table.y, 26.81, 1e-9);
  EXPECT_NEAR(layout->footer.at(0).y, 148 - 20 - 2 * 3.81, 1e-9);
  EXPECT_NEAR(layout->RowY(layout->pages[1], 10), 26.81, 1e-9);
  EXPECT_NEAR(layout->RowY(layout->pages[0], 3), 26.81 + 3 * 8.4666667, 1e-6);
  EXPECT_NEAR(layout->ColumnX(layout->pages[0], 2), 20 + 9.6 * 5.6444444 + 4.6 * 5.6444444, 1e-6);
  // The total 3 mm below the last row: 26.81 + 6 · 8.4667 + 3.
  EXPECT_NEAR(layout->Total(layout->pages[5]).y, 26.81 + 6 * 8.4666667 + 3, 1e-6);
}

TEST(TableLayout, TheTotalTakesAPageOfItsOwnWhenTheLastPageIsFull) {
  // 10 pt on A4 landscape, top 30 and bottom 33.19 mm: 140 mm for the rows. 26 rows take
  // 137.58 mm; the total would need 3 mm and a line of 4.23 mm more.
  const TableLayoutInput input{Scaled(10, {30, 33.19, 20, 20}), 297, 210, 16, {}};
  const auto layout = LayOutTable(Table(1), {}, input, FixedPitch());
  ASSERT_TRUE(layout);
  ASSERT_EQ(layout->pages.size(), 2u);
  EXPECT_FALSE(layout->pages[0].total);
  EXPECT_TRUE(layout->pages[1].total);
  EXPECT_TRUE(layout->pages[1].columns.empty());
  EXPECT_NEAR(layout->Total(layout->pages[1]).y, 30, 1e-9);
}

TEST(TableLayout, WrappingKeepsColumnsToTheGridsWidths) {
  // The element columns' text may be 6 em wide (12 characters) a line, in a column of 6.6 em.
  TableLayoutInput input{Scaled(10), 297, 210, 16, {20, 6}};
  input.setup.wrapText = true;
  const auto wrapped = LayOutTable(Table(2, "aaaa bbbb cccc dddd"), {}, input, FixedPitch());
  ASSERT_TRUE(wrapped);
  const double em = 10 * 25.4 / 72;
  EXPECT_NEAR(wrapped->columnWidths[1], 6.6 * em, 1e-9);
  EXPECT_EQ(wrapped->lines[1][results::row::Description], (std::vector<std::string>{"aaaa bbbb", "cccc dddd"}));
  EXPECT_NEAR(wrapped->rowHeights[results::row::Description], 2.7 * em, 1e-9);
  EXPECT_NEAR(wrapped->rowHeights[results::row::Kind], 1.5 * em, 1e-9);
  EXPECT_NEAR(wrapped->columnWidths[0], 9.6 * em, 1e-9) << "titles narrower than their wrap width";
  EXPECT_EQ(wrapped->lines[0][results::row::LossSmall].size(), 1u) << "a text as wide as its column";

  input.setup.wrapText = false;  // the column takes its widest text: 19 characters, 10.1 em
  const auto unwrapped = LayOutTable(Table(2, "aaaa bbbb cccc dddd"), {}, input, FixedPitch());
  EXPECT_NEAR(unwrapped->columnWidths[1], 10.1 * em, 1e-9);
  EXPECT_EQ(unwrapped->lines[1][results::row::Description].size(), 1u);
}

TEST(TableLayout, MarginsThatLeaveNoRoomGiveNoLayout) {
  EXPECT_FALSE(LayOutTable(Table(1), {}, {Scaled(10, {20, 20, 130, 130}), 297, 210, 16, {}}, FixedPitch()));
  EXPECT_FALSE(LayOutTable(Table(1), {}, {Scaled(10, {100, 70, 20, 20}), 297, 210, 16, {}}, FixedPitch()));
}

struct WrapCase {
  const char* name;
  std::string text;
  double width;  // ems; 0.5 em a character
  std::vector<std::string> lines;
};

class Wrap : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrap, BreaksAtBlanksOrInsideLongWords) {
  EXPECT_EQ(WrapText(GetParam().text, GetParam().width, FixedPitch()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Wrap,
    testing::Values(WrapCase{"FitsAsItIs", "Einlaufkante:  scharfkantig", 20, {"Einlaufkante:  scharfkantig"}},
                    WrapCase{"AtBlanks", "aaaa bbbb cccc dddd", 5.4, {"aaaa bbbb", "cccc dddd"}},
                    WrapCase{"LongWord", "Rohrleitungsabschnitt 3", 5.4, {"Rohrleitun", "gsabschnit", "t 3"}},
                    WrapCase{"NeverInsideACharacter", "ääääääääääää", 5.4, {"ääääääääää", "ää"}},
                    WrapCase{"NarrowerThanACharacter", "ab", 0.1, {"a", "b"}}, WrapCase{"Empty", "", 5, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::printing
