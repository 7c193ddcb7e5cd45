#include <gtest/gtest.h>

#include "Pipelines.h"
#include "TestTexts.h"
#include "results/RowLabels.h"
#include "tablechange/ColumnFields.h"

namespace velmora::tablechange {
namespace {

using results::row::Velocity;
using results::row::Velocity2;
using testing::Air;
using testing::Water;

const text::TextStore& German() { return testing_support::Texts('D'); }

TEST(LoadColumnFields, GasPipe) {
  const results::ResultsTable table = testing::Table({Water(2, 1, {"100"}), Air(1, 1, {"100", "10"})});
  const ColumnFields f = LoadColumnFields(table, 2, German(), {});
  EXPECT_EQ(f.group, 1);
  EXPECT_EQ(f.kind, 1);
  EXPECT_EQ(f.medium.medium, "Luft");
  EXPECT_TRUE(f.medium.gas);
  EXPECT_EQ(f.medium.flow, "36,000");
  EXPECT_EQ(f.medium.density, "1,200");
  EXPECT_EQ(f.medium.viscosity, "18,000");
  EXPECT_EQ(f.inletPressure, "1");
  EXPECT_EQ(f.inletTemperature, "20");
  EXPECT_EQ(f.inletPressureUnit, 0);
  EXPECT_EQ(f.element, "Rohrleitungselement: Kreisrohr");
  EXPECT_EQ(f.count, "1");
  EXPECT_EQ(f.description, "E2");
  EXPECT_EQ(f.inputs[0], (InputLine{true, "Elementdurchm. D in mm", "100,000"}));
  EXPECT_TRUE(f.inputs[1].shown);
  EXPECT_FALSE(f.inputs[2].shown);
  EXPECT_EQ(f.roughness, (InputLine{true, "Rauhigkeit in mm:", "0,100"}));
  EXPECT_EQ(f.lossLarge.label, results::RowLabels(German(), false)[25]);
}

TEST(LoadColumnFields, LiquidInUsUnitsWithHiddenLines) {
  results::ResultsTable table = testing::Table({Water(2, 1, {"100"})});
  table.SetCell(1, 11, " ");  // rows 11 and 12 holding a blank are hidden lines
  table.Column(1).gas = results::TGasinfos{"2", "30", "40", "psi", "°C", "°C"};
  ColumnFields f = LoadColumnFields(table, 1, German(), {.us = true});
  EXPECT_FALSE(f.medium.gas);
  EXPECT_EQ(f.medium.flowUnit, 14);      // gal/min
  EXPECT_EQ(f.medium.densityUnit, 8);    // lb./cu.ft.
  EXPECT_EQ(f.medium.viscosityUnit, 5);  // cP
  EXPECT_FALSE(f.inletPressureUnit);     // a unit the list does not offer leaves the list alone
  EXPECT_EQ(f.inletTemperatureUnit, 0);
  EXPECT_FALSE(f.inputs[3].shown);
  EXPECT_FALSE(f.roughness.shown);  // the inlet has no roughness row
}

// Every class of element and both phases, recalculated through the dialog's fields; the
// velocities are Q/A by hand.
TEST(RecalculateColumn, EveryClassLiquidAndGas) {
  struct Case {
    const char* name;
    mainform::MainForm form;
    std::vector<std::string> inputs;
    int row;
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {"circular liquid", Water(1, 1, {"100", "10"}), {"50"}, Velocity, "1,273", "5,093"},
      {"circular gas", Air(1, 1, {"100", "10"}), {"50"}, Velocity, "1,273", "5,093"},
      {"rectangular liquid", Water(1, 2, {"200", "100", "10"}), {"100", "100"}, Velocity, "0,500", "1,000"},
      {"rectangular gas", Air(1, 2, {"200", "100", "10"}), {"100", "100"}, Velocity, "0,500", "1,000"},
      {"other liquid", Water(3, 1, {"50", "100"}), {"50", "200"}, Velocity2, "1,273", "0,318"},
      {"other gas", Air(3, 1, {"50", "100"}), {"50", "200"}, Velocity2, "1,273", "0,318"},
  };
  for (const Case& c : cases) {
    results::ResultsTable table = testing::Table({Water(2, 2, {"100"}), c.form});
    const results::ResultColumn first = table.Column(1);
    ASSERT_EQ(table.Cell(2, c.row), c.before) << c.name;
    ColumnFields fields = LoadColumnFields(table, 2, German(), {});
    for (std::size_t i = 0; i < c.inputs.size(); ++i) fields.inputs[i].value = c.inputs[i];
    fields.description = "neu";
    fields.count = "2";
    ColumnResult result = RecalculateColumn(table, 2, fields, testing::Calculator());
    ASSERT_TRUE(result.ok()) << c.name << ": " << result.failure.at(0).text;
    EXPECT_EQ(result.column->rows[static_cast<std::size_t>(c.row)], c.after) << c.name;
    EXPECT_EQ(result.column->rows[0], "2") << c.name;
    EXPECT_EQ(result.column->rows[6], "neu") << c.name;
    EXPECT_TRUE(result.column->rows[7].ends_with("/2")) << c.name;
    EXPECT_EQ(result.column->gas.has_value(), c.form.gas) << c.name;
    EXPECT_EQ(table.Column(1), first) << c.name;
  }
}

// 9 of 36 m³/h take the branch. The flow changed to 20 l/s (72 m³/h) keeps that share: 18 m³/h
// through the 50 mm branch run at 2,546 m/s.
TEST(RecalculateColumn, BranchKeepsItsShareOfTheFlow) {
  mainform::MainForm branch = Water(5, 5, {"100", "50", "0", "45"});
  branch.branchFlow = "9";
  const results::ResultsTable table = testing::Table({branch});
  ASSERT_EQ(table.Cell(1, Velocity2), "1,273");
  ColumnFields fields = LoadColumnFields(table, 1, German(), {});
  fields.medium.flow = "20";
  fields.medium.flowUnit = 7;  // l/s
  const ColumnResult result = RecalculateColumn(table, 1, fields, testing::Calculator());
  ASSERT_TRUE(result.ok()) << result.failure.at(0).text;
  EXPECT_EQ(result.column->rows[2], "72,000");
  EXPECT_EQ(result.column->rows[Velocity2], "2,546");
}

TEST(RecalculateColumn, MessagesNameTheDialogsFields) {
  const text::TextStore& texts = German();
  const results::ResultsTable table = testing::Table({Water(4, 1, {"100", "150", "90"}), Air(1, 1, {"100", "100"})});
  const ColumnCalculator calculator = testing::Calculator();
  struct Case {
    const char* name;
    int column;
    std::function<void(ColumnFields&)> edit;
    std::string text;
    std::string focus;
  };
  const Case cases[] = {
      {"unreadable input", 1, [](ColumnFields& f) { f.inputs[1].value = "1,5,0"; },
       "Ungültige Eingabe:\n\"Radius R in mm\"!", "Edit_Element2"},
      {"element check", 1, [](ColumnFields& f) { f.inputs[1].value = "50"; },
       "Ungültige Eingabe:\n" + texts.FormText("MyWindow", "chkBendRadius"), "Edit_Element1"},
      {"liquid in Nm³/h", 1, [](ColumnFields& f) { f.medium.flowUnit = 3; },
       texts.FormText("MyWindow", "msgNormFlowLiquid"), "ComboBox4"},
      {"sign", 1, [](ColumnFields& f) { f.medium.density = "-1"; }, "", "Edit4"},
      {"gas without pressure", 2, [](ColumnFields& f) { f.inletPressure = " "; },
       "Ungültige Eingabe:\n\"Eintritts-Druck (abs):\"!", "Edit_Eingangsdruck"},
      {"gas limit", 2,
       [](ColumnFields& f) {
         f.inputs[0].value = "25";
         f.medium.flow = "100";
       },
       texts.FormText("Ausgabe_Fenster", "msgGasLimit"), ""},
  };
  for (const Case& c : cases) {
    ColumnFields fields = LoadColumnFields(table, c.column, texts, {});
    c.edit(fields);
    const ColumnResult result = RecalculateColumn(table, c.column, fields, calculator);
    ASSERT_FALSE(result.ok()) << c.name;
    ASSERT_FALSE(result.failure.empty()) << c.name;
    if (!c.text.empty()) EXPECT_EQ(result.failure[0].text, c.text) << c.name;
    EXPECT_EQ(result.failure[0].focus, c.focus) << c.name;
  }
}

}  // namespace
}  // namespace velmora::tablechange
