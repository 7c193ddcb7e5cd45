// Table changes checked by hand: the velocity of row 14 is Q/A (36 m³/h through D = 100 mm is
// 0,01 m³/s / 0,007854 m² = 1,273 m/s), so a new diameter, section or flow shows in it directly.
#include <gtest/gtest.h>

#include "Pipelines.h"
#include "TestTexts.h"
#include "catalogue/ElementLayout.h"
#include "tablechange/TableChange.h"

namespace velmora::tablechange {
namespace {

using results::row::Velocity;
using testing::Air;
using testing::Water;

const text::TextStore& German() { return testing_support::Texts('D'); }

// Pipe, rectangular duct, expansion (other), dividing branch (never touched), circular bend.
results::ResultsTable MixedTable() {
  mainform::MainForm branch = Water(5, 5, {"100", "50", "0", "45"});
  branch.branchFlow = "9";
  return testing::Table({Water(1, 1, {"100", "10"}), Water(1, 2, {"200", "100", "10"}), Water(3, 1, {"50", "100"}),
                         branch, Water(4, 1, {"100", "150", "90"})});
}

TableChange NewDiameter(const std::string& d, int unit = 0) {
  TableChange change;
  change.diameter = Length{d, unit};
  return change;
}

std::vector<std::string> Velocities(const results::ResultsTable& table) {
  std::vector<std::string> v;
  for (int c = 1; c <= table.ElementCount(); ++c) v.push_back(table.Cell(c, Velocity));
  return v;
}

TEST(DimensionClass, FollowsTheElementTable) {
  struct Row {
    int group, kind;
    DimensionClass cls;
  };
  const Row rows[] = {
      {1, 1, DimensionClass::Circular},        {1, 3, DimensionClass::Other},
      {1, 4, DimensionClass::Rectangular},     {2, 4, DimensionClass::Circular},
      {3, 2, DimensionClass::Other},           {4, 3, DimensionClass::Circular},
      {4, 6, DimensionClass::Rectangular},     {5, 5, DimensionClass::NotRecalculable},
      {5, 6, DimensionClass::NotRecalculable}, {5, 8, DimensionClass::Circular},
      {7, 4, DimensionClass::Other},           {9, 7, DimensionClass::Other},
      {11, 6, DimensionClass::Rectangular},    {11, 9, DimensionClass::Circular},
      {12, 2, DimensionClass::Rectangular},    {13, 2, DimensionClass::Other},
      {14, 1, DimensionClass::Other},
  };
  for (const Row& row : rows) EXPECT_EQ(ClassOf(row.group, row.kind), row.cls) << row.group << "/" << row.kind;
}

// The new sizes go into inputs 1 and 2 with their "mm"/"in." entry: those slots must be lengths.
TEST(DimensionClass, NewSizesGoIntoLengthSlots) {
  for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
    const DimensionClass cls = ClassOf(layout.group, layout.kind);
    const int slots = cls == DimensionClass::Circular ? 1 : cls == DimensionClass::Rectangular ? 2 : 0;
    for (int slot = 0; slot < slots; ++slot) {
      EXPECT_EQ(layout.slotLayouts[static_cast<std::size_t>(slot)].unit, catalogue::SlotUnit::MmList)
          << layout.group << "/" << layout.kind;
    }
  }
}

TEST(ChangeTable, CircularOnly) {
  results::ResultsTable table = MixedTable();
  const results::ResultsTable before = table;
  ASSERT_EQ(Velocities(table), (std::vector<std::string>{"1,273", "0,500", "5,093", "1,273", "1,273"}));
  const TableChangeOutcome outcome = ChangeTable(table, NewDiameter("50"), testing::Calculator());
  ASSERT_FALSE(outcome.failure);
  EXPECT_EQ(outcome.recalculated, 2);
  EXPECT_EQ(Velocities(table), (std::vector<std::string>{"5,093", "0,500", "5,093", "1,273", "5,093"}));
  for (int untouched : {2, 3, 4}) EXPECT_EQ(table.Column(untouched), before.Column(untouched)) << untouched;
  EXPECT_EQ(table.Cell(1, 0), "1");
  EXPECT_EQ(table.Cell(5, 0), "5");
  EXPECT_EQ(table.Cell(5, 6), "E5");  // the description stays
}

// R/D = 150/100 stays: D = 50 mm gives R = 75 mm; D = 8 in. gives R = 12 in., which the metric table
// shows as 203,2 and 304,8 mm.
TEST(ChangeTable, CircularBendKeepsItsRadiusRatio) {
  const struct {
    TableChange change;
    const char* d;
    const char* r;
  } cases[] = {
      {NewDiameter("50"), "in mm: 50,000", "in mm: 75,000"},
      {NewDiameter("8", 1), "in mm: 203,200", "in mm: 304,800"},
  };
  for (const auto& c : cases) {
    results::ResultsTable table = MixedTable();
    ASSERT_FALSE(ChangeTable(table, c.change, testing::Calculator()).failure);
    EXPECT_TRUE(table.Cell(5, 8).ends_with(c.d)) << table.Cell(5, 8);
    EXPECT_TRUE(table.Cell(5, 9).ends_with(c.r)) << table.Cell(5, 9);
    EXPECT_TRUE(table.Cell(5, 10).ends_with(": 90,000")) << table.Cell(5, 10);
  }
}

TEST(ChangeTable, RectangularOnly) {
  results::ResultsTable table = MixedTable();
  const results::ResultsTable before = table;
  TableChange change;
  change.width = Length{"100", 0};
  change.height = Length{"50", 0};
  const TableChangeOutcome outcome = ChangeTable(table, change, testing::Calculator());
  ASSERT_FALSE(outcome.failure);
  EXPECT_EQ(outcome.recalculated, 1);
  EXPECT_EQ(table.Cell(2, Velocity), "2,000");  // 0,01 m³/s through 0,1 m × 0,05 m
  for (int untouched : {1, 3, 4, 5}) EXPECT_EQ(table.Column(untouched), before.Column(untouched)) << untouched;
}

TEST(ChangeTable, NewMediumReachesEveryClassButTheBranchPieces) {
  results::ResultsTable table = MixedTable();
  const results::ResultsTable before = table;
  mainform::MainForm window = Water(1, 1, {});
  window.medium = "Sole";
  window.flow = "72";
  TableChange change;
  change.medium = Medium::Of(window);
  const TableChangeOutcome outcome = ChangeTable(table, change, testing::Calculator());
  ASSERT_FALSE(outcome.failure);
  EXPECT_EQ(Velocities(table), (std::vector<std::string>{"2,546", "1,000", "10,186", "1,273", "2,546"}));
  EXPECT_EQ(table.Cell(3, 1), "Sole/flü.");
  EXPECT_EQ(table.Cell(3, 2), "72,000");
  EXPECT_EQ(table.Column(4), before.Column(4));
}

// Twenty gas pipes of 100 mm at 100 m³/h of air; the seventh is 100 m long, the others 1 m. At
// 25 mm the air runs at 56,6 m/s and loses about 0,02 bar per metre: the seventh pipe would lose
// more than half the inlet pressure.
TEST(ChangeTable, AllOrNothing) {
  std::vector<mainform::MainForm> forms;
  for (int c = 1; c <= 20; ++c) {
    mainform::MainForm pipe = Air(1, 1, {"100", c == 7 ? "100" : "1"});
    pipe.flow = "100";
    forms.push_back(pipe);
  }
  results::ResultsTable table = testing::Table(forms);
  const results::ResultsTable before = table;

  const TableChangeOutcome failed = ChangeTable(table, NewDiameter("25"), testing::Calculator());
  ASSERT_TRUE(failed.failure);
  EXPECT_EQ(failed.failure->column, 7);
  ASSERT_EQ(failed.failure->messages.size(), 1u);
  EXPECT_EQ(failed.failure->messages[0].text, German().FormText("Ausgabe_Fenster", "msgGasLimit"));
  EXPECT_EQ(failed.recalculated, 0);
  EXPECT_TRUE(failed.notes.empty());
  EXPECT_TRUE(std::equal(before.Labels().begin(), before.Labels().end(), table.Labels().begin()));
  for (int c = 1; c <= 20; ++c) EXPECT_EQ(table.Column(c), before.Column(c)) << c;

  // A range behind the long pipe goes through and leaves the rest as it was.
  TableChange range = NewDiameter("25");
  range.first = 8;
  range.last = 20;
  const TableChangeOutcome done = ChangeTable(table, range, testing::Calculator());
  ASSERT_FALSE(done.failure);
  EXPECT_EQ(done.recalculated, 13);
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(table.Column(c), before.Column(c)) << c;
  for (int c = 8; c <= 20; ++c) EXPECT_EQ(table.Cell(c, Velocity), "56,588") << c;
  EXPECT_TRUE(table.Column(8).gas.has_value());  // the gas data stay with the column
}

TEST(ChangeTable, ColumnOfAnUnknownElementStopsIt) {
  results::ResultsTable table = MixedTable();
  table.SetCell(3, results::row::Kind, "Wasserrad/1");
  const results::ResultsTable before = table;
  const TableChangeOutcome outcome = ChangeTable(table, NewDiameter("50"), testing::Calculator());
  ASSERT_TRUE(outcome.failure);
  EXPECT_EQ(outcome.failure->column, 3);
  EXPECT_EQ(outcome.failure->messages[0].text, German().FormText("TabelleAendern", "msgUnknownElement"));
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(table.Column(c), before.Column(c)) << c;
}

TEST(CheckTableChange, RefusesBeforeAnythingChanges) {
  const text::TextStore& texts = German();
  mainform::MainForm window = Water(1, 1, {});
  TableChangeRequest request;
  EXPECT_FALSE(CheckTableChange(request, window, texts, 5).change);  // nothing ticked
  EXPECT_TRUE(CheckTableChange(request, window, texts, 5).messages.empty());

  request.changeCircular = true;
  request.diameter = "5x";
  RequestCheck check = CheckTableChange(request, window, texts, 5);
  ASSERT_EQ(check.messages.size(), 1u);
  EXPECT_EQ(check.messages[0].text, "Ungültige Eingabe:\n\"Rohrdurchmesser D:\"!");
  EXPECT_EQ(check.messages[0].focus, "Edit4");
  EXPECT_FALSE(check.closeDialog);

  request.diameter = "0";
  EXPECT_EQ(CheckTableChange(request, window, texts, 5).messages.at(0).focus, "Edit4");

  // A liquid in standard cubic metres cannot be the new medium.
  request.diameter = "80";
  request.changeMedium = true;
  window.flowUnit = 3;  // Nm³/h
  check = CheckTableChange(request, window, texts, 5);
  ASSERT_EQ(check.messages.size(), 1u);
  EXPECT_EQ(check.messages[0].text, texts.FormText("MyWindow", "msgNormFlowLiquid"));
  EXPECT_FALSE(check.change);
  window.gas = true;
  EXPECT_TRUE(CheckTableChange(request, window, texts, 5).change);

  // The main window's medium must read; the dialog then closes.
  window.density = "viel";
  check = CheckTableChange(request, window, texts, 5);
  EXPECT_TRUE(check.closeDialog);
  EXPECT_EQ(check.messages.at(0).focus, "Eingabe_Dichte");
}

TEST(CheckTableChange, RangeOfColumns) {
  mainform::MainForm window = Water(1, 1, {});
  TableChangeRequest request;
  request.changeRectangular = true;
  request.width = "100";
  request.height = "50";
  request.wholeTable = false;
  request.from = 9;
  request.to = 3;
  const RequestCheck check = CheckTableChange(request, window, German(), 7);
  ASSERT_TRUE(check.change);
  EXPECT_EQ(check.change->first, 3);
  EXPECT_EQ(check.change->last, 7);
  EXPECT_FALSE(check.change->medium);
  EXPECT_FALSE(check.change->diameter);
}

}  // namespace
}  // namespace velmora::tablechange
