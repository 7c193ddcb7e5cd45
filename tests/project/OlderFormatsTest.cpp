#include <gtest/gtest.h>

#include "TestTexts.h"
#include "project/LegacyConversion.h"
#include "project/ProjectMessages.h"
#include "project/ProjectReader.h"

namespace velmora::project {
namespace {

const text::TextStore& Texts(text::Edition edition) { return testing_support::Texts(edition); }

using Lines = std::vector<std::string>;

// One element of an older file: 25 rows, without the row 12 of today (rows 12 … 24 are rows
// 13 … 25 now).
Lines OldElement(const std::string& number, const std::string& medium, const std::string& kind, const Lines& dimensions,
                 const std::string& option, const std::string& regime, const std::string& lossMbar,
                 const std::string& lossBar) {
  Lines rows(25);
  rows[0] = number;
  rows[1] = medium;
  rows[2] = "12,500";
  rows[3] = "998,200";
  rows[4] = "1002,000";
  rows[6] = "Strang " + number;
  rows[7] = kind;
  for (std::size_t i = 0; i < dimensions.size() && i < 4; ++i) rows[8 + i] = dimensions[i];
  rows[12] = option;
  rows[13] = "0,442";
  rows[14] = "44142";
  rows[17] = regime;
  rows[20] = "1,250";
  rows[23] = lossMbar;
  rows[24] = lossBar;
  return rows;
}

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Format "1": two elements of the German edition, then the grid look.
Lines OldestGermanFile() {
  return Concat({
      OldElement("1", "Wasser/flü.", "Abzweigstück Stromtrennung/1",
                 {"Elementdurchm. D1 in mm: 100,000", "Elementdurchm. D2 in mm: 50,000"}, "", "turbulent", "1,220",
                 "0,001"),
      OldElement("2", "Wasser/flü.", "Kniestück, kreisförmig/1", {"Elementdurchm. D in mm: 80,000"}, "", "turbulent",
                 "2,000", "0,002"),
      {"120", "18", "Arial", "0", "9", "1", "0", "0", "0"},
  });
}

TEST(OldestFormatTest, ReadsCellsAndGridLook) {
  ProjectAppearance current;
  current.us = true;
  current.footerLine = "bleibt";
  const ProjectReadResult read = ReadProjectLines(OldestGermanFile(), Texts('D'), current);
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  EXPECT_EQ(read.format, ProjectFormat::Oldest);
  EXPECT_TRUE(read.converted);
  EXPECT_TRUE(read.cellsLoaded);
  EXPECT_TRUE(read.branchNotice);
  EXPECT_FALSE(read.appearance.us);  // always metric
  EXPECT_EQ(read.appearance.footerLine, "bleibt");
  EXPECT_EQ(read.appearance.columnWidths, (std::vector<int>{120, 120, 120}));
  EXPECT_EQ(read.appearance.rowHeight, 18);
  EXPECT_EQ(read.appearance.fontSize, 9);
  EXPECT_TRUE(read.appearance.bold);
  ASSERT_EQ(read.table.ElementCount(), 2);
  EXPECT_EQ(read.table.Cell(1, 12), "");                         // the inserted row
  EXPECT_EQ(read.table.Cell(1, 14), "0,442");                    // old row 13
  EXPECT_EQ(read.table.Cell(1, 25), "0,001");                    // old row 24
  EXPECT_EQ(read.table.Cell(2, 7), "Kniestück, kreisförmig/1");  // the mitre elbow keeps its name
}

TEST(OldestFormatTest, BranchNoticeComesOnceBeforeTheConversionNotice) {
  Lines lines = OldestGermanFile();
  lines[25 + 7] = "Abzweigstück Stromvereinigung/12";
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  const text::Messages messages = ProjectReadMessages(read, Texts('D'));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text,
            "Ihre Projekt-Datei enthält ein oder mehrere Elemente des Typs \"Abzweigstücke\". In der neuen "
            "Programmversion wird die Berechnung dieser Teile in anderer Form durchgeführt. Bitte berechnen Sie "
            "diese Teile neu!");
  EXPECT_EQ(messages[0].caption, "Fehler");
  EXPECT_EQ(messages[0].icon, text::MessageIcon::Error);
  EXPECT_EQ(messages[1].text, Texts('D').FormText("MyWindow", "msgConvertedProject"));
  EXPECT_EQ(messages[1].caption, "Dateifehler");
}

TEST(OldestFormatTest, CountIsRoundedAndAMismatchLoadsNoCells) {
  // 25 + 13 cell lines: 38 ÷ 25 = 1.52 rounds to 2 elements, which 39 lines cannot fill.
  Lines lines = OldestGermanFile();
  lines.erase(lines.begin() + 38, lines.begin() + 50);
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  EXPECT_EQ(read.status, ProjectReadStatus::EmptyRow25);
  EXPECT_FALSE(read.cellsLoaded);
  EXPECT_EQ(read.appearance.columnWidths.size(), 3u);
}

TEST(OldestFormatTest, EnglishFileIsConverted) {
  const Lines lines = Concat({
      OldElement("1", "Water/liq.", "Circular pipe/1", {"Diameter D in mm: 100.000"}, "", "turbulent", "1.220",
                 "0.001"),
      {"150", "16", "Arial", "0", "8", "0", "0", "0", "0"},
  });
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  EXPECT_FALSE(read.branchNotice);
  EXPECT_EQ(read.table.Cell(1, 1), "Water/flü.");
  EXPECT_EQ(read.table.Cell(1, 7), "Kreisrohr/1");
  EXPECT_EQ(read.table.Cell(1, 8), "Elementdurchm. D in mm: 100,000");
  EXPECT_EQ(read.table.Cell(1, 24), "1,220");
}

// Version 4, English edition: every replacement of the legacy conversion once.
Lines Version4EnglishFile() {
  Lines first = OldElement("1", "Water/liq.", "Sharpe edged entrance/2", {"Diameter D in mm: 100.000"},
                           "Inlet edge:  sharpe-edged", "turbulent", "1.220", "0.001");
  first[1] = "Air/gas.\t1.5\t20\t15\tbar\t°C\tK";
  first[2] = "12.500";
  Lines second = OldElement(
      "2", "Water/liq.", "Resistance coefficient/1",
      {"Reference diameter D in mm: 50.000", "Quantity of corrugations in pcs.: 5.000", "Lenght L in m: 2.500"},
      "The surface of pipe is:  smooth", "laminar", "3.500", "0.004");
  return Concat({{"4.0", "M", "2", "200\t150\t150\t", "16", "Arial", "0", "8", "0", "1", "0", "0"}, first, second});
}

TEST(Version4FormatTest, EnglishFileReadInTheGermanEdition) {
  const ProjectReadResult read = ReadProjectLines(Version4EnglishFile(), Texts('D'), {});
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  EXPECT_EQ(read.format, ProjectFormat::Version4);
  EXPECT_TRUE(read.converted);
  EXPECT_FALSE(read.branchNotice);
  EXPECT_EQ(read.appearance.columnWidths, (std::vector<int>{200, 150, 150}));
  EXPECT_TRUE(read.appearance.italic);
  ASSERT_EQ(read.table.ElementCount(), 2);
  const results::ColumnTexts& a = read.table.Column(1).rows;
  EXPECT_EQ(a[1], "Air/gasf.");
  EXPECT_EQ(read.table.Column(1).gas, (results::TGasinfos{"1.5", "20", "15", "bar", "°C", "K"}));
  EXPECT_EQ(a[2], "12,500");
  EXPECT_EQ(a[7], "Kantiger Einlauf/2");  // "Sharpe" mended, then translated
  EXPECT_EQ(a[8], "Elementdurchm. D in mm: 100,000");
  EXPECT_EQ(a[13], "Einlaufkante:  scharfkantig");
  EXPECT_EQ(a[24], "1,220");
  const results::ColumnTexts& b = read.table.Column(2).rows;
  EXPECT_EQ(b[7], "Zeta-Wert Kreisrohr/1");
  EXPECT_EQ(b[8], "Bezugsdurchmesser D in mm: 50,000");
  EXPECT_EQ(b[9], "Anzahl der Wellen in Stück: 5,000");  // "Quantity" → "Number", the unit keeps its point
  EXPECT_EQ(b[10], "Länge L in m: 2,500");
  EXPECT_EQ(b[13], "");  // the obsolete surface option is gone
  EXPECT_EQ(b[18], "laminar");
}

TEST(Version4FormatTest, EnglishFileReadInTheEnglishEdition) {
  const ProjectReadResult read = ReadProjectLines(Version4EnglishFile(), Texts('E'), {});
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  const results::ColumnTexts& b = read.table.Column(2).rows;
  EXPECT_EQ(read.table.Cell(1, 1), "Air/gas.");
  EXPECT_EQ(read.table.Cell(1, 7), "Sharp edged entrance/2");
  EXPECT_EQ(b[7], "Resistance coefficient circular/1");
  EXPECT_EQ(b[9], "Number of corrugations in pcs.: 5.000");
  EXPECT_EQ(b[10], "Length L in m: 2.500");
  EXPECT_EQ(b[25], "0.004");
}

TEST(Version4FormatTest, GermanFileIsNotTranslated) {
  // No decimal point in row 24 or 25: a German file; its texts stay as they are.
  const Lines lines =
      Concat({{"4.0", "I", "1", "150\t150\t", "16", "Arial", "0", "8", "0", "0", "0", "0"},
              OldElement("1", "Wasser/flü.", "Kreisförmiges Rohr/1", {"Quantity"}, "", "turbulent", "1,000", "0,001")});
  const ProjectReadResult read = ReadProjectLines(lines, Texts('D'), {});
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  EXPECT_TRUE(read.appearance.us);
  EXPECT_EQ(read.table.Cell(1, 8), "Quantity");
  EXPECT_EQ(read.table.Cell(1, 7), "Kreisförmiges Rohr/1");  // "kreisförmig" is lower case only
}

// Version 5 of the French edition.
Lines Version5FrenchFile() {
  return Concat({{"5.0F", "M", "2", "150\t150\t150\t", "16", "Arial", "0", "8", "0", "0", "0", "0"},
                 OldElement("1", "Eau/liq.", "Coude circulaire/1",
                            {"Diamètre D en mm: 100,000", "Rayon R en mm: 150,000", "Angle w en degrés: 90,000"}, "",
                            "laminaire", "1,220", "0,001"),
                 OldElement("2", "Air/gaz.", "Gicleur normalisé (DIN 1952)/1", {"Diamètre D1 en mm: 100,000"}, "",
                            "turbulent", "2,000", "0,002")});
}

TEST(Version5FrenchFormatTest, ReadInTheGermanEdition) {
  const ProjectReadResult read = ReadProjectLines(Version5FrenchFile(), Texts('D'), {});
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  EXPECT_EQ(read.format, ProjectFormat::Version5French);
  const results::ColumnTexts& a = read.table.Column(1).rows;
  EXPECT_EQ(a[1], "Eau/flü.");
  EXPECT_EQ(a[7], "Kreiskrümmer/1");
  EXPECT_EQ(a[8], "Elementdurchm. D in mm: 100,000");
  EXPECT_EQ(a[9], "Radius R in mm: 150,000");
  EXPECT_EQ(a[10], "Winkel w in Grad: 90,000");
  EXPECT_EQ(a[18], "laminar");
  EXPECT_EQ(read.table.Cell(2, 1), "Air/gasf.");
  EXPECT_EQ(read.table.Cell(2, 7), "Normblende ISO 5167/1");
}

TEST(Version5FrenchFormatTest, ReadInTheFrenchEditionGivesItsTextsBack) {
  const ProjectReadResult read = ReadProjectLines(Version5FrenchFile(), Texts('F'), {});
  ASSERT_EQ(read.status, ProjectReadStatus::Loaded) << read.detail;
  const results::ColumnTexts& a = read.table.Column(1).rows;
  EXPECT_EQ(a[1], "Eau/liq.");
  EXPECT_EQ(a[7], "Coude circulaire/1");
  EXPECT_EQ(a[8], "Diamètre D en mm: 100,000");
  EXPECT_EQ(a[10], "Angle w en degrés: 90,000");
  EXPECT_EQ(a[18], "laminaire");
  EXPECT_EQ(read.table.Cell(2, 7), "Gicleur normalisé (ISO 5167)/1");
}

struct OlderDamage {
  const char* name;
  Lines lines;
  ProjectReadStatus status;
};

const OlderDamage kOlderDamages[] = {
    {"oldestTooShortForTheGridLook", {"1", "Wasser/flü.", "150"}, ProjectReadStatus::InvalidFile},
    {"oldestNonNumericWidth", Concat({{"1"}, Lines(24), {"breit", "16", "Arial", "0", "8", "0", "0", "0", "0"}}),
     ProjectReadStatus::InvalidFile},
    {"oldestWithoutElements", {"1", "16", "Arial", "0", "8", "0", "0", "0", "0"}, ProjectReadStatus::Loaded},
    {"version4HeaderCut", {"4.0", "M", "1", "150\t150\t"}, ProjectReadStatus::InvalidFile},
    {"version4CountBeyondTheLines",
     Concat({{"4.0", "M", "2", "150\t150\t150\t", "16", "Arial", "0", "8", "0", "0", "0", "0"}, Lines(20, "x")}),
     ProjectReadStatus::InvalidFile},
    {"version4CellsShort",
     Concat({{"4.0", "M", "1", "150\t150\t", "16", "Arial", "0", "8", "0", "0", "0", "0"}, Lines(20, "x")}),
     ProjectReadStatus::EmptyRow25},
    {"version5AbsurdCount",
     {"5.0F", "M", "1000000000", "150\t", "16", "Arial", "0", "8", "0", "0", "0", "0"},
     ProjectReadStatus::InvalidFile},
};

class OlderDamageTest : public ::testing::TestWithParam<OlderDamage> {};

TEST_P(OlderDamageTest, ErrorAsValue) {
  const OlderDamage& c = GetParam();
  const ProjectReadResult read = ReadProjectLines(c.lines, Texts('F'), {});
  EXPECT_EQ(read.status, c.status) << read.detail;
}

INSTANTIATE_TEST_SUITE_P(Files, OlderDamageTest, ::testing::ValuesIn(kOlderDamages),
                         [](const auto& info) { return std::string(info.param.name); });

struct MendCase {
  const char* name;
  const char* line;
  const char* mended;
};

const MendCase kMends[] = {
    {"circularBecomesPipe", "Lochplatte dünn kreisförmig/1", "Lochplatte dünn Kreisrohr/1"},
    {"rectangularBecomesPipe", "Metallgitter rechteckig/1", "Metallgitter Rechteckrohr/1"},
    {"mitreElbowKeepsItsShape", "Kniestück, rechteckig/1", "Kniestück, rechteckig/1"},
    {"orificeStandard", "Orifice DIN 1952/1", "Orifice ISO 5167/1"},
    {"frenchOrificeStandard", "Gicleur normalisé (DIN 1952)/1", "Gicleur normalisé (ISO 5167)/1"},
    {"zetaValue", "Zeta-Wert/1", "Zeta-Wert Kreisrohr/1"},
    {"resistanceCoefficient", "Resistance coefficient/1", "Resistance coefficient circular/1"},
    {"twiceInOneLine", "kreisförmig und kreisförmig", "Kreisrohr und Kreisrohr"},
};

class MendTest : public ::testing::TestWithParam<MendCase> {};

TEST_P(MendTest, OlderLine) {
  Lines lines = {GetParam().line};
  legacy::MendOlderLines(lines);
  EXPECT_EQ(lines[0], GetParam().mended);
}

INSTANTIATE_TEST_SUITE_P(Lines, MendTest, ::testing::ValuesIn(kMends),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::project
