#include "printing/PageSetup.h"

#include <gtest/gtest.h>

#include "TestTexts.h"
#include "printing/PaperSizes.h"

namespace velmora::printing {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

struct MarginCase {
  const char* name;
  std::array<std::string, 4> typed;
  int unit;
  Margins expected;  // mm
};

class ReadMargins : public testing::TestWithParam<MarginCase> {};

TEST_P(ReadMargins, InMillimetres) {
  project::ProjectAppearance appearance;
  appearance.margins = GetParam().typed;
  appearance.marginUnit = GetParam().unit;
  const PageSetupReading reading = ReadPageSetup(appearance, German());
  ASSERT_TRUE(reading.setup) << (reading.messages.empty() ? "" : reading.messages.front().text);
  const Margins& m = reading.setup->margins;
  const Margins& e = GetParam().expected;
  EXPECT_DOUBLE_EQ(m.top, e.top);
  EXPECT_DOUBLE_EQ(m.bottom, e.bottom);
  EXPECT_DOUBLE_EQ(m.left, e.left);
  EXPECT_DOUBLE_EQ(m.right, e.right);
}

INSTANTIATE_TEST_SUITE_P(
    Margins, ReadMargins,
    testing::Values(MarginCase{"DefaultMm", {"20", "20", "20", "20"}, kMillimetres, {20, 20, 20, 20}},
                    MarginCase{"CommaPointBlankEmpty", {"12,5", "7.5", " 1 0 ", ""}, kMillimetres, {12.5, 7.5, 10, 0}},
                    // 25.4 mm per inch: 1 in = 25.4, 0,5 in = 12.7, 0.75 in = 19.05, 2 in = 50.8
                    MarginCase{"Inches", {"1", "0,5", "0.75", "2"}, kInches, {25.4, 12.7, 19.05, 50.8}},
                    MarginCase{"UnknownUnitIsMm", {"1", "2", "3", "4"}, 7, {1, 2, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadPageSetup, AMarginThatIsNoNumberOrNegativeNamesItsField) {
  project::ProjectAppearance appearance;
  appearance.margins = {"20", "zwei", "20", "20"};
  PageSetupReading reading = ReadPageSetup(appearance, German());
  EXPECT_FALSE(reading.setup);
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_EQ(reading.messages[0].text, "Ungültige Eingabe:\n\"Unten:\"!");
  EXPECT_EQ(reading.messages[0].caption, "Fehler");
  EXPECT_EQ(reading.messages[0].focus, "Edit5");

  appearance.margins = {"20", "20", "20", "-1"};
  reading = ReadPageSetup(appearance, German());
  EXPECT_FALSE(reading.setup);
  ASSERT_EQ(reading.messages.size(), 1u);
  EXPECT_NE(reading.messages[0].text.find(">> Rechts: <<"), std::string::npos) << reading.messages[0].text;
  EXPECT_EQ(reading.messages[0].focus, "Edit7");
}

TEST(ReadPageSetup, ValuesOfADamagedFileComeIntoRange) {
  project::ProjectAppearance appearance;
  appearance.scaleFontSize = 0;
  appearance.pagesWide = -4;
  appearance.fitToPages = true;
  appearance.scaleToFont = true;  // both marked: the later mark, fit to pages, wins
  PageSetup setup = *ReadPageSetup(appearance, German()).setup;
  EXPECT_EQ(setup.fontSize, kMinFontSize);
  EXPECT_EQ(setup.pagesWide, kMinPagesWide);
  EXPECT_TRUE(setup.fitToPages);
  appearance.scaleFontSize = 300;
  appearance.pagesWide = 100000;
  setup = *ReadPageSetup(appearance, German()).setup;
  EXPECT_EQ(setup.fontSize, kMaxFontSize);
  EXPECT_EQ(setup.pagesWide, kMaxPagesWide);
}

TEST(PageSetup, MarginsFollowAChangeOfTheirUnit) {
  struct Case {
    const char* typed;
    int from, to;
    text::Edition edition;
    const char* shown;
  };
  const Case cases[] = {
      {"20", kMillimetres, kInches, 'D', "0,79"},  // 20/25.4 = 0.787
      {"12,7", kMillimetres, kInches, 'D', "0,5"},   {"25.4", kMillimetres, kInches, 'E', "1"},
      {"1", kInches, kMillimetres, 'D', "25,4"},     {"0,79", kInches, kMillimetres, 'D', "20,1"},  // 20.066
      {"20", kMillimetres, kMillimetres, 'D', "20"}, {"zwanzig", kMillimetres, kInches, 'D', "zwanzig"},
      {"", kMillimetres, kInches, 'D', ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ConvertMargin(c.typed, c.from, c.to, c.edition), c.shown) << c.typed;
}

TEST(PageSetup, RoomOnThePaperAndPapers) {
  // A4 landscape, 297 × 210 mm: 40 mm wide and 50 mm high must stay free.
  EXPECT_TRUE(LeavesRoom({20, 20, 20, 20}, 297, 210));
  EXPECT_TRUE(LeavesRoom({80, 80, 128, 129}, 297, 210));
  EXPECT_FALSE(LeavesRoom({80, 80, 128, 129.1}, 297, 210));
  EXPECT_FALSE(LeavesRoom({80, 80.1, 0, 0}, 297, 210));

  EXPECT_EQ(PaperNamed("").name, "A4");
  EXPECT_EQ(PaperNamed("DIN A4 210 x 297 mm").name, "A4") << "another program's name";
  EXPECT_DOUBLE_EQ(PaperNamed("Letter").width, 215.9);
  EXPECT_DOUBLE_EQ(PaperNamed("Letter").height, 279.4);
  EXPECT_EQ(Papers().front().name, "A4");
}

}  // namespace
}  // namespace velmora::printing
