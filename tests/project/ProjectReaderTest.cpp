#include <gtest/gtest.h>

#include <random>

#include "SampleTables.h"
#include "TestTexts.h"
#include "project/ProjectFile.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

namespace velmora::project {
namespace {

const text::TextStore& Texts(text::Edition edition) { return testing_support::Texts(edition); }

ProjectAppearance Appearance() {
  ProjectAppearance a;
  a.scaleToFont = false;
  a.scaleFontSize = 12;
  a.fitToPages = true;
  a.pagesWide = 3;
  a.wrapText = true;
  a.paperEntry = "Letter";
  a.margins = {"1", "2", "3", "4"};
  a.marginUnit = 1;
  a.footerLine = "Seite";
  a.showPathInFooter = true;
  a.rowHeight = 18;
  a.fontName = "Tahoma";
  a.fontColour = -16777208;  // the window text colour as older files store it
  a.fontSize = 9;
  a.italic = true;
  a.underline = true;
  return a;
}

// A project of one element column whose row 25 holds a loss: the smallest valid file.
std::vector<std::string> OneElementFile() {
  std::vector<std::string> lines = WriteProjectLines(results::ResultsTable{}, ProjectAppearance{}, Texts('D'));
  lines[3] = "1";
  lines[17] = "150\t150\t";
  for (int r = 0; r < 26; ++r) lines.push_back("");
  lines[26 + 0] = "1";
  lines[26 + 7] = "Kreisrohr/1";
  lines[26 + 25] = "0,010";
  return lines;
}

TEST(ProjectReaderTest, RoundTripInEveryEdition) {
  for (const text::Edition edition : text::kEditions) {
    SCOPED_TRACE(std::string(1, edition));
    const results::ResultsTable table = testing::SampleTable(edition);
    ProjectAppearance appearance = Appearance();
    appearance.columnWidths.assign(static_cast<std::size_t>(table.ElementCount()) + 1, 140);
    appearance.columnWidths[0] = 210;
    const std::vector<std::string> lines = WriteProjectLines(table, appearance, Texts(edition));

    const ProjectReadResult read = ReadProjectLines(lines, Texts(edition), ProjectAppearance{});
    EXPECT_EQ(read.status, ProjectReadStatus::Loaded);
    EXPECT_EQ(read.format, ProjectFormat::Current);
    EXPECT_FALSE(read.converted);
    EXPECT_TRUE(read.cellsLoaded);
    EXPECT_EQ(read.appearance, appearance);
    EXPECT_EQ(read.table.ProjectTitle(), "Kühlwasser Halle 3");
    EXPECT_EQ(testing::Columns(read.table), testing::Columns(table));
  }
}

TEST(ProjectReaderTest, GasCellRestoresItsSixTexts) {
  std::vector<std::string> lines = OneElementFile();
  lines[26 + 1] = "Luft/gasf.\t1,5\t20\t15\tbar\t°C\tK";
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  ASSERT_EQ(read.table.ElementCount(), 1);
  EXPECT_EQ(read.table.Cell(1, 1), "Luft/gasf.");
  EXPECT_EQ(read.table.Column(1).gas, (results::TGasinfos{"1,5", "20", "15", "bar", "°C", "K"}));
}

TEST(ProjectReaderTest, EnglishFileOpensUnchangedInTheGermanEdition) {
  const std::vector<std::string> lines = WriteProjectLines(testing::SampleTable('E'), {}, Texts('E'));
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  const std::vector<results::ResultColumn> german = testing::Columns(testing::SampleTable('D'));
  const std::vector<results::ResultColumn> columns = testing::Columns(read.table);
  ASSERT_EQ(columns.size(), german.size());
  for (std::size_t c = 0; c < columns.size(); ++c) EXPECT_EQ(columns[c].rows, german[c].rows);
}

TEST(ProjectReaderTest, FinalEmptyLineIsDropped) {
  std::vector<std::string> lines = OneElementFile();
  const ProjectReadResult plain = ReadProjectLines(lines, Texts('D'), {});
  lines.push_back("");
  const ProjectReadResult withEmpty = ReadProjectLines(lines, Texts('D'), {});
  EXPECT_EQ(withEmpty.status, ProjectReadStatus::Loaded);
  EXPECT_TRUE(withEmpty.cellsLoaded);
  EXPECT_EQ(testing::Columns(withEmpty.table), testing::Columns(plain.table));
}

TEST(ProjectReaderTest, ZetaValueGetsItsShape) {
  std::vector<std::string> lines = OneElementFile();
  lines[26 + 7] = "Zeta-Wert/3";
  EXPECT_EQ(ReadProjectLines(lines, Texts('D'), {}).table.Cell(1, 7), "Zeta-Wert Kreisrohr/3");
  EXPECT_EQ(ReadProjectLines(lines, Texts('E'), {}).table.Cell(1, 7), "Resistance coefficient circular/3");
}

TEST(ProjectReaderTest, OtherUnitMarkKeepsTheCurrentChoice) {
  std::vector<std::string> lines = OneElementFile();
  ProjectAppearance current;
  current.us = true;
  lines[2] = "X";
  EXPECT_TRUE(ReadProjectLines(lines, Texts('D'), current).appearance.us);
  lines[2] = "M";
  EXPECT_FALSE(ReadProjectLines(lines, Texts('D'), current).appearance.us);
}

TEST(ProjectReaderTest, OnlyExactMarksAndOnesAreOn) {
  std::vector<std::string> lines = OneElementFile();
  lines[4] = "Markiert";
  lines[6] = "markiert ";
  lines[22] = "ja";
  lines[23] = "1";
  const ProjectAppearance a = ReadProjectLines(lines, Texts('D'), {}).appearance;
  EXPECT_FALSE(a.scaleToFont);
  EXPECT_FALSE(a.fitToPages);
  EXPECT_FALSE(a.bold);
  EXPECT_TRUE(a.italic);
}

// Line 20 as files hold it: a plain colour 0x00BBGGRR, or a value that names none and so means
// the grid's default colour, black.
TEST(ProjectReaderTest, FontColourOfTheStoredValue) {
  const struct {
    const char* name;
    const char* line;
    Rgb rgb;
  } cases[] = {
      {"black", "0", {0, 0, 0}},
      {"blue", "16711680", {0, 0, 255}},
      {"windowTextOfOlderFiles", "-16777208", {0, 0, 0}},
      {"noColour", "536870911", {0, 0, 0}},  // regression: was white
      {"whiteOfADarkTheme", "16777215", {0, 0, 0}},
      {"nearlyWhite", "16777214", {254, 255, 255}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = OneElementFile();
    lines[20] = c.line;
    const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
    ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << c.name;
    EXPECT_EQ(RgbOf(read.appearance.fontColour), c.rgb) << c.name;
  }
}

TEST(ProjectReaderTest, RowZeroIsRenumbered) {
  std::vector<std::string> lines = OneElementFile();
  lines[26] = "7";
  EXPECT_EQ(ReadProjectLines(lines, Texts('D'), {}).table.Cell(1, 0), "1");
}

TEST(ProjectReaderTest, EmptyRow25MakesTheFileInvalid) {
  std::vector<std::string> lines = OneElementFile();
  lines[3] = "2";
  lines[17] = "150\t150\t150\t";
  const std::vector<std::string> element(lines.begin() + 26, lines.end());
  lines.insert(lines.end(), element.begin(), element.end());
  lines[26 + 25] = "";
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  EXPECT_EQ(read.status, ProjectReadStatus::EmptyRow25);
  EXPECT_TRUE(read.cellsLoaded);
}

struct DamageCase {
  const char* name;
  int line;          // line to change, -1: none
  const char* text;  // its new text
  int keep;          // lines to keep (-1: all); applied after the change
  ProjectReadStatus status;
  bool cellsLoaded;
};

const DamageCase kDamages[] = {
    {"intact", -1, "", -1, ProjectReadStatus::Loaded, true},
    {"emptyFile", -1, "", 0, ProjectReadStatus::InvalidFile, false},
    {"markOnly", -1, "", 1, ProjectReadStatus::InvalidFile, false},
    {"truncatedHeader", -1, "", 20, ProjectReadStatus::InvalidFile, false},
    {"unknownMark", 0, "7.0", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericCount", 3, "eins", -1, ProjectReadStatus::InvalidFile, false},
    {"negativeCount", 3, "-1", -1, ProjectReadStatus::InvalidFile, false},
    {"absurdCount", 3, "1000000000", -1, ProjectReadStatus::InvalidFile, false},
    {"countBeyond32Bits", 3, "99999999999", -1, ProjectReadStatus::InvalidFile, false},
    {"decimalCount", 3, "1,0", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericWidth", 17, "150\tbreit\t", -1, ProjectReadStatus::InvalidFile, false},
    {"missingWidth", 17, "150\t", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericPageFontSize", 5, "acht", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericPagesWide", 7, "", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericMarginUnit", 14, "mm", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericRowHeight", 18, "16px", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericColour", 20, "clBlack", -1, ProjectReadStatus::InvalidFile, false},
    {"nonNumericFontSize", 21, "8.5", -1, ProjectReadStatus::InvalidFile, false},
    {"blanksAroundNumbersAreFine", 21, " 9 ", -1, ProjectReadStatus::Loaded, true},
    {"cellsTruncated", -1, "", 40, ProjectReadStatus::EmptyRow25, false},
    {"oneLineTooMany", 52, "x", -1, ProjectReadStatus::EmptyRow25, false},
    // The empty last line is dropped as a final empty line: the count no longer fits either.
    {"emptyRow25OfLastElement", 51, "", -1, ProjectReadStatus::EmptyRow25, false},
    {"noElementWithStrayLines", 3, "0", -1, ProjectReadStatus::Loaded, false},
};

class DamagedFileTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFileTest, ErrorAsValue) {
  const DamageCase& c = GetParam();
  std::vector<std::string> lines = OneElementFile();
  if (c.line >= 0) {
    if (static_cast<std::size_t>(c.line) >= lines.size()) lines.resize(static_cast<std::size_t>(c.line) + 1, "x");
    lines[static_cast<std::size_t>(c.line)] = c.text;
  }
  if (c.line == 3 && std::string(c.text) == "0") lines[17] = "150\t";
  if (c.keep >= 0) lines.resize(static_cast<std::size_t>(c.keep));
  const ProjectReadResult read = ReadProjectLines(lines, Texts('E'), Appearance());
  EXPECT_EQ(read.status, c.status) << read.detail;
  EXPECT_EQ(read.cellsLoaded, c.cellsLoaded);
  if (c.status == ProjectReadStatus::InvalidFile) {
    EXPECT_EQ(read.appearance, Appearance());  // nothing of a refused file is applied
    EXPECT_FALSE(read.detail.empty());
  }
  if (!c.cellsLoaded) EXPECT_EQ(read.table.ElementCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

// Random bytes, and random damage to a real file, in every edition: an error value or a table,
// never a crash or an exception.
TEST(ProjectReaderTest, RandomBytesGiveAResult) {
  std::mt19937 random(20240611);  // fixed seed: the same cases on every run
  const std::string real = EncodeProjectLines(WriteProjectLines(testing::SampleTable('D'), {}, Texts('D')));
  const char* const marks[] = {"", "6.0\r\n", "1\r\n", "4.0\r\n", "5.0F\r\n"};
  int loaded = 0;
  for (int i = 0; i < 400; ++i) {
    std::string bytes;
    if (i % 2 == 0) {
      bytes = marks[i / 2 % 5];
      const int length = static_cast<int>(random() % 600);
      for (int k = 0; k < length; ++k) {
        const unsigned pick = random() % 8;
        bytes += pick == 0   ? '\n'
                 : pick == 1 ? '\t'
                 : pick < 4  ? static_cast<char>('0' + random() % 10)
                             : static_cast<char>(random() % 256);
      }
    } else {
      bytes = real;
      for (int k = 0; k < 5; ++k) bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
    }
    const text::Edition edition = text::kEditions[i % 4];
    ProjectReadResult read;
    EXPECT_NO_THROW(read = ReadProjectLines(DecodeProjectBytes(bytes), Texts(edition), {}));
    if (read.status == ProjectReadStatus::Loaded) ++loaded;
  }
  EXPECT_GT(loaded, 0);  // some damage leaves a readable file
}

}  // namespace
}  // namespace velmora::project
