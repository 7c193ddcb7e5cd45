#include <gtest/gtest.h>

#include "SampleTables.h"
#include "TestTexts.h"
#include "project/ProjectWriter.h"

namespace velmora::project {
namespace {

const text::TextStore& Texts(text::Edition edition) { return testing_support::Texts(edition); }

ProjectAppearance SomeAppearance() {
  ProjectAppearance a;
  a.us = true;
  a.scaleToFont = false;
  a.scaleFontSize = 10;
  a.fitToPages = true;
  a.pagesWide = 2;
  a.wrapText = true;
  a.paperEntry = "A4";
  a.margins = {"15", "20", "25", "10"};
  a.marginUnit = 1;
  a.footerLine = "Fußzeile";
  a.showPathInFooter = true;
  a.columnWidths = {180, 120};
  a.rowHeight = 20;
  a.fontName = "Courier New";
  a.fontColour = PlatformColour({255, 0, 0});
  a.fontSize = 10;
  a.bold = true;
  a.strikeOut = true;
  return a;
}

TEST(ProjectWriterTest, NoElementGivesTheHeaderOnly) {
  results::ResultsTable table;
  table.SetProjectTitle("Leer");
  const std::vector<std::string> lines = WriteProjectLines(table, ProjectAppearance{}, Texts('D'));
  const std::vector<std::string> expected = {
      "6.0", "Leer", "M", "0",          "markiert", "8",  "unmarkiert", "1", "unmarkiert", "",  "20", "20", "20",
      "20",  "0",    "",  "unmarkiert", "150\t",    "16", "Arial",      "0", "8",          "0", "0",  "0",  "0"};
  EXPECT_EQ(lines, expected);
}

TEST(ProjectWriterTest, HeaderCarriesTheAppearance) {
  results::ResultsTable table;
  table.AppendColumn({});
  const std::vector<std::string> lines = WriteProjectLines(table, SomeAppearance(), Texts('D'));
  ASSERT_EQ(lines.size(), 26u + 26u);
  const std::vector<std::string> header(lines.begin(), lines.begin() + 26);
  const std::vector<std::string> expected = {
      "6.0", "",  "I",        "1",        "unmarkiert", "10", "markiert",    "2",   "markiert", "A4", "15", "20", "25",
      "10",  "1", "Fußzeile", "markiert", "180\t120\t", "20", "Courier New", "255", "10",       "1",  "0",  "0",  "1"};
  EXPECT_EQ(header, expected);
}

TEST(ProjectWriterTest, MissingWidthsTakeTheDefault) {
  results::ResultsTable table;
  table.AppendColumn({});
  table.AppendColumn({});
  ProjectAppearance a;
  a.columnWidths = {200};
  EXPECT_EQ(WriteProjectLines(table, a, Texts('D'))[17], "200\t150\t150\t");
}

TEST(ProjectWriterTest, GasCellHasSevenFieldsWithoutTrailingTab) {
  results::ResultsTable table;
  results::ResultColumn column;
  column.rows[1] = "Luft/gasf.";
  column.gas = results::TGasinfos{"1,5", "20", "15", "bar", "°C", "K"};
  column.rows[25] = "0,010";
  table.AppendColumn(column);
  const std::vector<std::string> lines = WriteProjectLines(table, ProjectAppearance{}, Texts('D'));
  EXPECT_EQ(lines[26 + 0], "1");
  EXPECT_EQ(lines[26 + 1], "Luft/gasf.\t1,5\t20\t15\tbar\t°C\tK");
  EXPECT_EQ(lines[26 + 25], "0,010");
}

TEST(ProjectWriterTest, LineBreaksAndTabsCannotShiftTheLayout) {
  results::ResultsTable table;
  table.SetProjectTitle("Zeile 1\r\nZeile 2");
  results::ResultColumn column;
  column.rows[6] = "Strang\tA\nB";
  table.AppendColumn(column);
  const std::vector<std::string> lines = WriteProjectLines(table, ProjectAppearance{}, Texts('D'));
  ASSERT_EQ(lines.size(), 52u);
  EXPECT_EQ(lines[1], "Zeile 1  Zeile 2");
  EXPECT_EQ(lines[26 + 6], "Strang A B");
}

// An English project keeps German names and decimal commas: its cell lines are those the German
// edition writes for the same elements.
TEST(ProjectWriterTest, EveryEditionWritesTheGermanCells) {
  const std::vector<std::string> german = WriteProjectLines(testing::SampleTable('D'), {}, Texts('D'));
  for (const text::Edition edition : {'E', 'F', 'H'}) {
    SCOPED_TRACE(std::string(1, edition));
    std::vector<std::string> lines = WriteProjectLines(testing::SampleTable(edition), {}, Texts(edition));
    ASSERT_EQ(lines.size(), german.size());
    for (std::size_t i = 26; i < lines.size(); ++i) {
      // Gas data stays as typed: compare the cell text of gas lines.
      EXPECT_EQ(lines[i].substr(0, lines[i].find('\t')), german[i].substr(0, german[i].find('\t'))) << "line " << i;
    }
  }
}

TEST(ProjectWriterTest, EnglishNumbersAreStoredWithCommas) {
  const std::vector<std::string> lines = WriteProjectLines(testing::SampleTable('E'), {}, Texts('E'));
  // First element, a circular pipe: row 2 flow 12.5 m³/h, row 8 its diameter, row 25 the loss.
  EXPECT_EQ(lines[26 + 2], "12,500");
  EXPECT_EQ(lines[26 + 8], "Elementdurchm. D in mm: 12,500");
  EXPECT_EQ(lines[26 + 25], "0,013");
}

}  // namespace
}  // namespace velmora::project
