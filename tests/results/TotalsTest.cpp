#include <gtest/gtest.h>

#include "SampleColumns.h"
#include "TestTexts.h"
#include "results/ColumnBuilder.h"
#include "results/RowLabels.h"
#include "results/Totals.h"

namespace velmora::results {
namespace {

using testing::TableWithLosses;

const text::TextStore& German() { return testing_support::Texts('D'); }

struct TotalsCase {
  const char* name;
  std::vector<long double> losses;  // row 24 of each column, as calculated
  bool us;
  const char* totals;
};

// Sums checked by hand: the displayed (rounded) values are added, 1 bar = 1000 mbar and
// 1 psi = 144 lbw./sq.ft.
const TotalsCase kTotalsCases[] = {
    {"twoElementsMetric", {12.3454L, 0.6554L}, false, "13,000 mbar oder 0,013 bar"},
    {"roundedValuesAreSummed", {0.0004L, 0.0004L, 0.0004L}, false, "0,000 mbar oder 0,000 bar"},
    {"negativeHeightGain", {100.0L, -250.0L}, false, "-150,000 mbar oder -0,150 bar"},
    {"scientificLossEntersTheTotal", {20000.0L, 5.0L}, false, "2,00E+0004 mbar oder 20,005 bar"},
    {"usPsiIsOne144th", {200.0L, 88.0L}, true, "288,000 lbw./sq.ft. oder 2,000 psi"},
    {"usSmallTotal", {14.4L}, true, "14,400 lbw./sq.ft. oder 0,100 psi"},
};

class TotalsTest : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(TotalsTest, StatusText) {
  const TotalsCase& c = GetParam();
  const DisplayOptions options{.decimals = 3, .us = c.us};
  ResultsTable table;
  for (const long double loss : c.losses) {
    testing::Sample sample = testing::SampleElement(1, 1);
    sample.values.lossSmall = loss;
    AppendColumn(table, sample.form, sample.values, false, German(), options);
  }
  const StatusTexts status = UpdateTotals(table, German(), options);
  EXPECT_EQ(status.label, "Gesamtdruckverlust:");
  EXPECT_EQ(status.totals, c.totals);
  EXPECT_FALSE(status.unreadableCell);
}

INSTANTIATE_TEST_SUITE_P(Sums, TotalsTest, ::testing::ValuesIn(kTotalsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Totals, UnreadableCellCountsZeroAndIsReported) {
  ResultsTable table = TableWithLosses({10.0L, 5.0L}, German());
  table.SetCell(2, row::LossSmall, "5,0.0");
  const StatusTexts status = UpdateTotals(table, German(), {});
  EXPECT_EQ(status.totals, "10,000 mbar oder 0,010 bar");
  EXPECT_TRUE(status.unreadableCell);
}

TEST(Totals, InitialStatusBeforeAnyElement) {
  EXPECT_EQ(InitialStatus(German(), {}).totals, "0,00 bar");
  EXPECT_EQ(InitialStatus(German(), {.us = true}).totals, "0,00 psi");
  EXPECT_EQ(InitialStatus(testing_support::Texts('E'), {}).totals, "0.00 bar");
  EXPECT_EQ(InitialStatus(testing_support::Texts('E'), {}).label, "Total pressure loss:");
}

TEST(Totals, EnglishTotalsUseThePointAndTheEnglishOrWord) {
  const text::TextStore& english = testing_support::Texts('E');
  const ResultsTable table = TableWithLosses({1500.0L}, english, {.decimals = 2});
  EXPECT_EQ(UpdateTotals(table, english, {.decimals = 2}).totals, "1500.00 mbar or 1.50 bar");
}

TEST(Clipboard, TwoElementsGive26LinesOfThreeCellsThenTheStatus) {
  ResultsTable table = TableWithLosses({10.0L, 5.0L}, German());
  table.SetLabels(RowLabels(German(), false));
  const StatusTexts status = UpdateTotals(table, German(), {});
  const std::string text = CopyTableToClipboard(table, status);

  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 26u);
  for (const std::string& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
  EXPECT_EQ(lines[0], "Element-Nr.:\t1\t2");
  EXPECT_EQ(lines[24], "Druckverlust in mbar:\t10,000\t5,000");
  EXPECT_EQ(text.substr(start), "Gesamtdruckverlust:15,000 mbar oder 0,015 bar");
}

TEST(Clipboard, EmptyTableHoldsOnlyTheTitles) {
  ResultsTable table;
  table.SetLabels(RowLabels(German(), false));
  const std::string text = CopyTableToClipboard(table, InitialStatus(German(), {}));
  EXPECT_EQ(text.rfind("Element-Nr.:\r\nMedium:\r\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("\r\nDruckverlust in bar:\r\nGesamtdruckverlust:0,00 bar")) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 0);
}

}  // namespace
}  // namespace velmora::results
