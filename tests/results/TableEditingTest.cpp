#include <gtest/gtest.h>

#include "SampleColumns.h"
#include "TestTexts.h"
#include "results/ColumnBuilder.h"
#include "results/Totals.h"

namespace velmora::results {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

// A table whose columns are told apart by their description: "A", "B", "C", ...
ResultsTable Lettered(int count) {
  ResultsTable table = testing::TableWithLosses({}, German());
  for (int i = 0; i < count; ++i) {
    testing::Sample sample = testing::SampleElement(1, 1);
    sample.form.description = std::string(1, static_cast<char>('A' + i));
    AppendColumn(table, sample.form, sample.values, false, German(), {});
  }
  return table;
}

std::string Order(const ResultsTable& table) {
  std::string order;
  for (int c = 1; c <= table.ElementCount(); ++c) {
    order += table.Cell(c, row::Description);
    EXPECT_EQ(table.Cell(c, row::Number), std::to_string(c));
  }
  return order;
}

struct MoveCase {
  const char* name;
  int from;
  int to;
  bool moved;
  const char* order;
};

// Grid columns 1 … 3 hold A, B, C; column 4 is the empty last column.
const MoveCase kMoveCases[] = {
    {"firstToLast", 1, 3, true, "BCA"},
    {"lastToFirst", 3, 1, true, "CAB"},
    {"neighbours", 2, 3, true, "ACB"},
    {"behindTheEmptyColumn", 1, 4, true, "BCA"},
    {"emptyColumnGoesBackToTheEnd", 4, 2, false, "ABC"},
    {"titleColumnStays", 0, 2, false, "ABC"},
    {"samePlace", 2, 2, false, "ABC"},
    {"outsideTheGrid", 2, 5, false, "ABC"},
};

class MoveColumnTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveColumnTest, OrderAndNumbers) {
  const MoveCase& c = GetParam();
  ResultsTable table = Lettered(3);
  EXPECT_EQ(table.MoveColumn(c.from, c.to), c.moved);
  EXPECT_EQ(Order(table), c.order);
  EXPECT_EQ(table.ColumnCount(), 5);
  EXPECT_EQ(table.Cell(4, row::LossSmall), "");
}

INSTANTIATE_TEST_SUITE_P(Drags, MoveColumnTest, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DeleteColumn, MiddleColumnShiftsTheRestAndRenumbers) {
  ResultsTable table = Lettered(3);
  EXPECT_TRUE(table.DeleteSelectedColumn(2));
  EXPECT_EQ(Order(table), "AC");
  EXPECT_EQ(table.ColumnCount(), 4);
}

TEST(DeleteColumn, TitleAndEmptyLastColumnAreNotDeleted) {
  ResultsTable table = Lettered(2);
  EXPECT_FALSE(table.DeleteSelectedColumn(0));
  EXPECT_FALSE(table.DeleteSelectedColumn(3));
  EXPECT_EQ(Order(table), "AB");
}

TEST(DeleteColumn, OnlyElementLeavesAnEmptyTableWithZeroTotals) {
  ResultsTable table = Lettered(1);
  EXPECT_TRUE(table.DeleteSelectedColumn(1));
  EXPECT_EQ(table.ElementCount(), 0);
  EXPECT_EQ(table.ColumnCount(), 2);
  EXPECT_FALSE(table.DeleteSelectedColumn(1));
  EXPECT_EQ(UpdateTotals(table, German(), {}).totals, "0,000 mbar oder 0,000 bar");
}

TEST(ClearTable, EmptiesColumnsAndProjectTitle) {
  ResultsTable table = Lettered(2);
  table.SetProjectTitle("Heizung Nord");
  table.ClearTable();
  EXPECT_EQ(table.ElementCount(), 0);
  EXPECT_EQ(table.ProjectTitle(), "");
  EXPECT_EQ(table.Cell(1, row::Number), "");
}

TEST(SetCell, OnlyElementColumnsChange) {
  ResultsTable table = Lettered(1);
  table.SetCell(1, row::Description, "Pumpe");
  table.SetCell(2, row::Description, "ignored");
  table.SetCell(0, row::Description, "ignored");
  EXPECT_EQ(table.Cell(1, row::Description), "Pumpe");
  EXPECT_EQ(table.Cell(2, row::Description), "");
  EXPECT_EQ(table.Cell(0, row::Description), "");
}

}  // namespace
}  // namespace velmora::results
