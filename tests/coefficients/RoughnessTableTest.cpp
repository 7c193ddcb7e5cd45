// The roughness database: the value tables of the editions, the materials their descriptions name,
// the published figures behind them, and the take-over of a value.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "TestTexts.h"
#include "coefficients/CoefficientTexts.h"
#include "coefficients/RoughnessTable.h"
#include "coefficients/RoughnessTakeOver.h"
#include "text/FieldOf.h"
#include "text/TextFiles.h"
#include "units/Numbers.h"

namespace velmora::coefficients {
namespace {

std::string WithComma(std::string_view value) {
  std::string text(value);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

// key -> value (with a decimal comma) in the order of editions D and H.
std::map<std::string, std::string> ValuesOfD() {
  std::map<std::string, std::string> values;
  for (int entry = 1; entry <= kRoughnessEntries; ++entry) {
    const RoughnessEntry* found = FindRoughnessEntry('D', entry);
    values[std::string(found->key)] = std::string(found->value);
  }
  return values;
}

TEST(RoughnessTable, EveryEditionListsTheSameMaterialsWithTheSameValues) {
  const std::map<std::string, std::string> valuesOfD = ValuesOfD();
  ASSERT_EQ(valuesOfD.size(), 42u) << "a material twice in the list of D";
  for (const text::Edition edition : text::kEditions) {
    std::set<std::string> keys;
    for (int entry = 1; entry <= kRoughnessEntries; ++entry) {
      const RoughnessEntry* found = FindRoughnessEntry(edition, entry);
      ASSERT_NE(found, nullptr) << edition << " " << entry;
      keys.insert(std::string(found->key));
      // The same text but for the separator ("0,10" stays "0.10"), in the edition's separator.
      EXPECT_EQ(WithComma(found->value), valuesOfD.at(std::string(found->key))) << edition << " " << entry;
      const char other = text::DecimalSeparator(edition) == ',' ? '.' : ',';
      EXPECT_EQ(found->value.find(other), std::string_view::npos) << edition << " " << entry;
    }
    EXPECT_EQ(keys.size(), 42u) << edition;
  }
  EXPECT_EQ(FindRoughnessEntry('D', 0), nullptr);
  EXPECT_EQ(FindRoughnessEntry('D', 43), nullptr);
  EXPECT_EQ(FindRoughnessEntry('X', 1), nullptr);
}

TEST(RoughnessTable, TheEditionsOrdersAsPrinted) {
  // Spot checks against the printed tables: first, last and a few duplicates of each order.
  const std::tuple<text::Edition, int, std::string_view> printed[] = {
      {'D', 1, "0,0015"}, {'D', 26, "0,0014"}, {'D', 29, "0,40"},   {'D', 35, "0,10"}, {'D', 42, "9,0"},
      {'H', 42, "9,0"},   {'E', 1, "0.0015"},  {'E', 12, "9.0"},    {'E', 36, "0.10"}, {'E', 42, "1.0"},
      {'F', 1, "0,20"},   {'F', 11, "0,008"},  {'F', 34, "0,0014"}, {'F', 42, "0,03"},
  };
  for (const auto& [edition, entry, value] : printed) {
    EXPECT_EQ(FindRoughnessEntry(edition, entry)->value, value) << edition << " " << entry;
  }
}

// Regression: the printed English table reads 0.3 at entry 26; the other editions' 42 values hold
// 0.3 once and 0.03 five times, so that entry is 0.03 (0.3 would give the material ten times its
// roughness and about 60 % more pressure loss in English).
TEST(RoughnessTable, EnglishEntry26IsTheMendedValue) {
  const RoughnessEntry* mended = FindRoughnessEntry('E', 26);
  EXPECT_EQ(mended->value, "0.03");
  EXPECT_EQ(mended->key, FindRoughnessEntry('D', 12)->key);
  std::map<std::string, int> counts;
  for (int entry = 1; entry <= kRoughnessEntries; ++entry) ++counts[std::string(FindRoughnessEntry('E', entry)->value)];
  EXPECT_EQ(counts["0.3"], 1);
  EXPECT_EQ(counts["0.03"], 5);
}

// Each material rests on a published figure (data/roughness/roughness_sources.tsv, copied from
// Idelchik's and the classic Moody/Crane tables): its value lies in the published range, or
// within 2 % of a single published figure.
TEST(RoughnessTable, ValuesRestOnPublishedFigures) {
  const auto lines = text::ReadLines(std::string(VELMORA_SOURCE_DIR) + "/data/roughness/roughness_sources.tsv");
  int entry = 0;
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == '#' || line.starts_with("key\t")) continue;
    ++entry;
    const RoughnessEntry* found = FindRoughnessEntry('D', entry);
    ASSERT_NE(found, nullptr) << line;
    EXPECT_EQ(text::FieldOf(line, 1), found->key) << entry;
    const long double value = *units::ParseNumber(found->value);
    EXPECT_EQ(*units::ParseNumber(text::FieldOf(line, 2)), value) << found->key;
    const std::string low = text::FieldOf(line, 5), high = text::FieldOf(line, 6), typical = text::FieldOf(line, 7);
    if (!low.empty() || !high.empty()) {
      if (!low.empty()) EXPECT_GE(value, *units::ParseNumber(low)) << found->key;
      if (!high.empty()) EXPECT_LE(value, *units::ParseNumber(high)) << found->key;
    } else {
      ASSERT_FALSE(typical.empty()) << found->key;
      EXPECT_NEAR(value, *units::ParseNumber(typical), 0.02L * *units::ParseNumber(typical)) << found->key;
    }
  }
  EXPECT_EQ(entry, kRoughnessEntries);
}

TEST(RoughnessTable, DescriptionsInEveryLanguage) {
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    std::set<std::string> descriptions;
    for (int entry = 1; entry <= kRoughnessEntries; ++entry) descriptions.insert(RoughnessDescription(texts, entry));
    EXPECT_EQ(descriptions.size(), 42u) << edition;
    EXPECT_EQ(descriptions.count(""), 0u) << edition;
    for (const char* key : {"Caption", "CancelBtn"}) EXPECT_TRUE(texts.HasFormText(kRoughnessBlock, key)) << key;
  }
  // One material in the four orders: the rough riveted steel of 9,0 mm.
  EXPECT_EQ(RoughnessDescription(testing_support::Texts('D'), 42), "Genietetes Stahlrohr, rauh");
  EXPECT_EQ(RoughnessDescription(testing_support::Texts('E'), 12), "Riveted steel pipe, rough");
  EXPECT_EQ(RoughnessDescription(testing_support::Texts('F'), 39), "Tube en acier riveté, rugueux");
  EXPECT_EQ(RoughnessDescription(testing_support::Texts('H'), 42), "Geklonken stalen buis, ruw");
  // Drawn copper, 0,0015 mm: D 11, E 25, F 26.
  EXPECT_EQ(RoughnessDescription(testing_support::Texts('E'), 25), "Copper tube, drawn");
  EXPECT_EQ(RoughnessDescription(testing_support::Texts('F'), 26), "Tube en cuivre étiré");
}

TEST(RoughnessTakeOver, ColumnDialogInMillimetresOrInches) {
  const std::tuple<std::string_view, bool, text::Edition, std::string_view> cases[] = {
      {"0,0015", false, 'D', "0,0015"},  // metric: the value as it stands
      {"0,0015", true, 'D', "0,0001"},   // 0.0015/25.4 = 0.000059 in
      {"9,0", true, 'D', "0,3543"},      // 9/25.4 = 0.354331
      {"0,40", true, 'H', "0,0157"},     // 0.4/25.4 = 0.015748
      {"0.40", true, 'E', "0.0157"},    {"1.0", false, 'E', "1.0"},
  };
  for (const auto& [value, us, edition, expected] : cases) {
    EXPECT_EQ(ColumnDialogRoughness(value, us, edition), expected) << value << " " << us;
  }
}

TEST(RoughnessTakeOver, MainWindowGetsTheValueInMillimetres) {
  mainform::MainForm form = mainform::MainForm::Defaults('D');
  form.roughnessUnit = 1;  // "in."
  ApplyRoughness(form, FindRoughnessEntry('D', 42)->value);
  EXPECT_EQ(form.roughness, "9,0");
  EXPECT_EQ(form.roughnessUnit, 0);
}

}  // namespace
}  // namespace velmora::coefficients
