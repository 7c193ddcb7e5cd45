#include <gtest/gtest.h>

#include "SampleColumns.h"
#include "TestTexts.h"
#include "catalogue/ElementLayout.h"
#include "results/ColumnBuilder.h"
#include "results/CopyToInputs.h"
#include "results/TableFormat.h"

namespace velmora::results {
namespace {

using mainform::MainForm;
using testing::Sample;

const text::TextStore& German() { return testing_support::Texts('D'); }

// A form the main window might hold before the copy: another element, other texts and units.
MainForm Unrelated() {
  MainForm form;
  form.elementGroup = 7;
  form.elementKind = 1;
  form.description = "alt";
  form.count = "9";
  form.dimensions = {"1", "2", "3", "4", "5"};
  form.dimensionUnits = {1, 1, 1, 1, 1};
  form.option = 1;
  form.flowKind = 1;
  form.flowUnit = 3;
  form.densityUnit = 2;
  form.viscosityKind = 1;
  form.viscosityUnit = 4;
  form.inletPressureUnit = 3;
  form.inletTemperatureUnit = 2;
  form.outletTemperatureUnit = 2;
  return form;
}

MainForm RoundTrip(const Sample& sample, const DisplayOptions& options = {}, const MainForm& current = Unrelated()) {
  ResultsTable table;
  AppendColumn(table, sample.form, sample.values, sample.laminar, German(), options);
  const auto restored = CopyColumnToInputs(table, 1, current, German(), options);
  EXPECT_TRUE(restored.has_value());
  return restored.value_or(MainForm{});
}

// Every element kind, each option of its choice: building a column from a form and copying it
// back restores the fields the calculation reads.
TEST(CopyColumnToInputs, RestoresTheFormOfEveryElementKind) {
  for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
    const int options = layout.extra == catalogue::ElementExtra::Choice ? 2 : 1;
    for (int option = 0; option < options; ++option) {
      Sample sample = testing::SampleElement(layout.group, layout.kind);
      sample.form.option = option;
      if (layout.extra == catalogue::ElementExtra::BranchFlow) sample.form.branchFlow = "";
      const MainForm back = RoundTrip(sample);
      const std::string element = std::to_string(layout.group) + "/" + std::to_string(layout.kind);
      EXPECT_EQ(back.elementGroup, layout.group) << element;
      EXPECT_EQ(back.elementKind, layout.kind) << element;
      EXPECT_EQ(back.count, "2") << element;
      EXPECT_EQ(back.description, "Strang A") << element;
      for (std::size_t slot = 0; slot < 5; ++slot) {
        if (!layout.UsesSlot(static_cast<int>(slot))) continue;
        EXPECT_EQ(back.dimensions[slot], sample.form.dimensions[slot]) << element << " slot " << slot + 1;
        if (!catalogue::SlotUnits(layout.slotLayouts[slot].unit).empty()) {
          EXPECT_EQ(back.dimensionUnits[slot], 0) << element << " slot " << slot + 1;
        }
      }
      if (options == 2) EXPECT_EQ(back.option, option) << element;
      EXPECT_EQ(back.medium, "Wasser");
      EXPECT_FALSE(back.gas);
      EXPECT_EQ(back.flow, "1,000");
      EXPECT_EQ(back.density, "998,200");
      EXPECT_EQ(back.viscosity, "1002,000");
      EXPECT_EQ(back.flowKind, 0);
      EXPECT_EQ(back.viscosityKind, 0);
      EXPECT_EQ(std::tie(back.flowUnit, back.densityUnit, back.viscosityUnit), std::tuple(0, 0, 0));
    }
  }
}

TEST(CopyColumnToInputs, RoughnessOfATurbulentPipe) {
  const MainForm back = RoundTrip(testing::SampleElement(1, 1));
  EXPECT_EQ(back.roughness, "0,100");
  EXPECT_EQ(back.roughnessUnit, 0);
}

TEST(CopyColumnToInputs, UsColumnSetsTheUsUnitEntries) {
  Sample sample = testing::SampleElement(1, 1);
  sample.form.dimensionUnits = {1, 1, 0, 0, 0};  // typed in in. and ft.
  const MainForm back = RoundTrip(sample, {.decimals = 3, .us = true});
  EXPECT_EQ(back.dimensionUnits[0], 1);  // "in."
  EXPECT_EQ(back.dimensionUnits[1], 1);  // "ft."
  EXPECT_EQ(std::tie(back.flowUnit, back.densityUnit, back.viscosityUnit), std::tuple(14, 8, 5));
  EXPECT_EQ(back.roughnessUnit, 1);
}

TEST(CopyColumnToInputs, AreaUnitOfTheFreeShapeDuct) {
  Sample sample = testing::SampleElement(1, 6);
  const MainForm metric = RoundTrip(sample);
  EXPECT_EQ(metric.dimensionUnits[0], 0);  // "m²"
  const MainForm us = RoundTrip(sample, {.us = true});
  EXPECT_EQ(us.dimensionUnits[0], 1);  // "sq.yd."
  EXPECT_EQ(us.dimensionUnits[1], 1);  // "ft."
}

TEST(CopyColumnToInputs, GasDataComeBackWithTheirUnits) {
  Sample sample = testing::SampleElement(4, 1);
  sample.form.medium = "Luft/Stickstoff";
  sample.form.gas = true;
  sample.form.inletPressure = "3,5";
  sample.form.inletPressureUnit = 11;
  sample.form.inletTemperature = "68";
  sample.form.inletTemperatureUnit = 2;
  sample.form.outletTemperature = "300";
  sample.form.outletTemperatureUnit = 1;
  const MainForm back = RoundTrip(sample);
  EXPECT_TRUE(back.gas);
  EXPECT_EQ(back.medium, "Luft/Stickstoff");  // the phase follows the last "/"
  EXPECT_EQ(std::tie(back.inletPressure, back.inletTemperature, back.outletTemperature),
            std::tuple("3,5", "68", "300"));
  EXPECT_EQ(std::tie(back.inletPressureUnit, back.inletTemperatureUnit, back.outletTemperatureUnit),
            std::tuple(11, 2, 1));
}

TEST(CopyColumnToInputs, UnknownGasUnitLeavesTheList) {
  ResultsTable table;
  Sample sample = testing::SampleElement(1, 1);
  sample.form.gas = true;
  AppendColumn(table, sample.form, sample.values, false, German(), {});
  table.Column(1).gas->pressureUnit = "psi";  // accepted by the converter, offered by no list
  const auto back = CopyColumnToInputs(table, 1, Unrelated(), German(), {});
  ASSERT_TRUE(back);
  EXPECT_EQ(back->inletPressureUnit, 3);
  EXPECT_EQ(back->inletTemperatureUnit, 0);
}

TEST(CopyColumnToInputs, LiquidEmptiesTheGasFields) {
  MainForm current = Unrelated();
  current.inletPressure = "5";
  current.inletTemperature = "20";
  current.outletTemperature = "10";
  const MainForm back = RoundTrip(testing::SampleElement(1, 1), {}, current);
  EXPECT_EQ(back.inletPressure, "");
  EXPECT_EQ(back.inletTemperature, "");
  EXPECT_EQ(back.outletTemperature, "");
}

// Dividing flow 5/5 with D1 = 100 mm, D2 = 50 mm, Q = 10 m³/h and Q₂ = 4 m³/h: v = 0.354 m/s and
// v₂ = 0.566 m/s as displayed; g = (100/50)²·0.354/0.566 = 2.50177, Q₂ = 10/g = 3.997 m³/h (the
// displayed, rounded velocities give the last digit).
TEST(CopyColumnToInputs, BranchFlowFromTheDisplayedVelocities) {
  Sample sample = testing::SampleElement(5, 5);
  sample.form.dimensions[0] = "100,000";
  sample.form.dimensions[1] = "50,000";
  sample.values.inputs[0] = 100;
  sample.values.inputs[1] = 50;
  sample.values.flow = 10;
  sample.values.velocity = 10.0L * 4.0L * 10000.0L / (100.0L * 3.14159265358979323846L * 100.0L * 36.0L);
  sample.values.velocity2 = 4.0L * 4.0L * 10000.0L / (50.0L * 3.14159265358979323846L * 50.0L * 36.0L);
  const MainForm back = RoundTrip(sample);
  EXPECT_EQ(back.branchFlow, "3,997");
  EXPECT_EQ(back.flow, "10,000");
}

TEST(CopyColumnToInputs, VenturiNozzleKeepsItsDiffuserAngle) {
  for (const int option : {0, 1}) {
    Sample sample = testing::SampleElement(9, 7);
    sample.form.option = option;
    EXPECT_EQ(RoundTrip(sample).option, option);
  }
}

// The lyre bend's choice has no caption: row 13 holds " glatt" or " gewellt", older project files
// hold the item alone.
TEST(CopyColumnToInputs, LyreBendOptionInBothForms) {
  const struct {
    const char* row;
    int option;
  } cases[] = {{" glatt", 0}, {" gewellt", 1}, {"glatt", 0}, {"gewellt", 1}};
  for (const auto& c : cases) {
    ResultsTable table;
    const Sample sample = testing::SampleElement(6, 2);
    AppendColumn(table, sample.form, sample.values, sample.laminar, German(), {});
    table.Column(1).rows[row::Option] = c.row;
    const auto back = CopyColumnToInputs(table, 1, Unrelated(), German(), {});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->option, c.option) << '"' << c.row << '"';
  }
}

TEST(CopyColumnToInputs, OnlyElementColumns) {
  ResultsTable table = testing::TableWithLosses({1.0L}, German());
  EXPECT_FALSE(CopyColumnToInputs(table, 0, MainForm{}, German(), {}));
  EXPECT_FALSE(CopyColumnToInputs(table, 2, MainForm{}, German(), {}));
  EXPECT_TRUE(CopyColumnToInputs(table, 1, MainForm{}, German(), {}));
}

TEST(CopyColumnToInputs, EnglishEditionFindsItsKindNames) {
  const text::TextStore& english = testing_support::Texts('E');
  Sample sample = testing::SampleElement(4, 5, 'E');
  ResultsTable table;
  AppendColumn(table, sample.form, sample.values, false, english, {});
  const auto back = CopyColumnToInputs(table, 1, Unrelated(), english, {});
  ASSERT_TRUE(back);
  EXPECT_EQ(std::tie(back->elementGroup, back->elementKind), std::tuple(4, 5));
  EXPECT_EQ(back->dimensions[0], "50.000");
  EXPECT_EQ(back->count, "2");
}

}  // namespace
}  // namespace velmora::results
