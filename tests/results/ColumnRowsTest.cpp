#include <gtest/gtest.h>

#include <set>

#include "SampleColumns.h"
#include "TestTexts.h"
#include "catalogue/ElementLayout.h"
#include "results/ColumnBuilder.h"
#include "results/Notes.h"
#include "results/RowLabels.h"

namespace velmora::results {
namespace {

using testing::Sample;
using testing::SampleElement;

const text::TextStore& German() { return testing_support::Texts('D'); }

ResultColumn Build(const Sample& sample, const DisplayOptions& options = {}) {
  return BuildColumn(sample.form, sample.values, sample.laminar, 1, German(), options);
}

std::set<int> FilledRows(const ResultColumn& column, int from, int to) {
  std::set<int> rows;
  for (int r = from; r <= to; ++r) {
    if (!column.rows[static_cast<std::size_t>(r)].empty()) rows.insert(r);
  }
  return rows;
}

struct RowCase {
  const char* name;
  int group;
  int kind;
  bool laminar;
  bool zetaZero;
  std::set<int> rows;  // the filled rows among 13 … 25
};

// The row rules of the results table, a sample of every group in both regimes.
const RowCase kRowCases[] = {
    {"circularPipeTurbulent", 1, 1, false, false, {14, 15, 18, 19, 20, 21, 24, 25}},
    {"circularPipeLaminar", 1, 1, true, false, {14, 15, 18, 20, 21, 24, 25}},
    {"corrugatedPipeHasNoRoughness", 1, 5, false, false, {14, 15, 18, 20, 21, 24, 25}},
    {"freeShapeTurbulent", 1, 6, false, false, {14, 15, 18, 19, 20, 21, 24, 25}},
    {"inletWithChoice", 2, 1, false, false, {13, 14, 15, 18, 21, 24, 25}},
    {"suddenExpansion", 3, 1, false, false, {14, 15, 16, 17, 18, 21, 24, 25}},
    {"gradualExpansionTurbulent", 3, 2, false, false, {14, 15, 16, 17, 18, 19, 20, 21, 24, 25}},
    {"gradualContractionLaminar", 3, 4, true, false, {14, 15, 16, 17, 18, 21, 24, 25}},
    {"circularBendTurbulent", 4, 1, false, false, {14, 15, 18, 19, 20, 21, 24, 25}},
    {"circularBendLaminar", 4, 1, true, false, {14, 15, 18, 21, 24, 25}},
    {"segmentedBendShowsNoRoughness", 4, 2, false, false, {14, 15, 18, 21, 24, 25}},
    {"rectangularMitreTurbulent", 4, 6, false, false, {14, 15, 18, 19, 20, 21, 24, 25}},
    {"sharpTee", 5, 1, false, false, {14, 15, 16, 17, 18, 21, 24, 25}},
    {"dividingFlow", 5, 5, false, false, {14, 15, 16, 17, 18, 21, 22, 23, 24, 25}},
    {"combiningFlowLaminar", 5, 6, true, false, {14, 15, 16, 17, 18, 21, 22, 23, 24, 25}},
    {"breechesPipe", 5, 7, false, false, {14, 15, 18, 21, 24, 25}},
    {"lyreBend", 6, 2, false, false, {13, 14, 15, 18, 21, 24, 25}},
    {"gateValve", 7, 4, false, false, {14, 15, 18, 21, 24, 25}},
    {"checkFlapLaminar", 8, 3, true, false, {14, 15, 18, 21, 24, 25}},
    {"orifice", 9, 2, false, false, {14, 15, 16, 17, 18, 21, 24, 25}},
    {"venturiNozzle", 9, 7, false, false, {13, 14, 15, 16, 17, 18, 21, 24, 25}},
    {"thickPlateRectangular", 10, 4, false, false, {14, 15, 16, 18, 21, 24, 25}},
    {"plateWithFullFreeAreaHasNoZeta", 10, 1, false, true, {14, 15, 16, 18, 24, 25}},
    {"doubleGrid", 11, 6, true, false, {14, 15, 16, 18, 21, 24, 25}},
    {"strainerHasNoSecondVelocity", 11, 7, false, false, {14, 15, 18, 21, 24, 25}},
    {"knownZetaRectangular", 12, 2, false, false, {14, 15, 18, 21, 24, 25}},
    {"heightDifferenceLeaves14To21Empty", 13, 1, false, true, {24, 25}},
    {"dynamicChangeCircular", 13, 2, false, true, {14, 15, 16, 17, 18, 24, 25}},
    {"dynamicChangeRectangularLaminar", 13, 3, true, true, {14, 15, 16, 17, 18, 24, 25}},
};

class RowRulesTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowRulesTest, FilledRows) {
  const RowCase& c = GetParam();
  Sample sample = SampleElement(c.group, c.kind);
  sample.laminar = c.laminar;
  if (c.zetaZero) sample.values.zeta = 0;
  EXPECT_EQ(FilledRows(Build(sample), 13, 25), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Elements, RowRulesTest, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnRows, InputRowsFollowTheSlotsOfEveryElement) {
  for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
    const ResultColumn column = Build(SampleElement(layout.group, layout.kind));
    for (int slot = 0; slot < 5; ++slot) {
      EXPECT_EQ(!column.rows[static_cast<std::size_t>(row::Input1 + slot)].empty(), layout.UsesSlot(slot))
          << layout.group << "/" << layout.kind << " slot " << slot + 1;
    }
    EXPECT_TRUE(column.rows[row::Spacer].empty());
  }
}

struct TextCase {
  const char* name;
  int group;
  int kind;
  int option;
  int row;
  const char* text;  // German edition
};

// Cells as the German edition writes them (label texts from the text files: 122 "Elementdurchm.",
// 124 "Länge", 153 "Zeta-Wert", 34 "Einlaufkante", 104 "Diffusorwinkel", 70 "Grad", 140 "Stück").
const TextCase kTextCases[] = {
    {"mediumAndPhase", 1, 1, 0, row::Medium, "Wasser/flü."},
    {"kindAndCount", 1, 1, 0, row::Kind, "Kreisrohr/2"},
    {"diameterInMm", 1, 1, 0, row::Input1, "Elementdurchm. D in mm: 50,000"},
    {"lengthInM", 1, 1, 0, row::Input1 + 1, "Länge L in m: 60,000"},
    {"areaInSquareMetres", 1, 6, 0, row::Input1, "Querschnittsfläche A in m²: 50,000"},
    {"perimeterLabelWithoutSymbol", 1, 6, 0, row::Input1 + 1, "Benetzter Umfang U in m: 60,000"},
    {"angleInDegrees", 2, 3, 0, row::Input1 + 1, "Winkel w in Grad: 60,000"},
    {"piecesUnit", 6, 1, 0, row::Input1 + 1, "Anzahl der Wellen in Stück: 60,000"},
    {"percent", 10, 1, 0, row::Input1 + 1, "Freier Querschnitt in %: 60,000"},
    {"knownZetaHasNoUnit", 12, 1, 0, row::Input1 + 1, "Zeta-Wert: 60,000"},
    {"knownZetaRectangularThirdInput", 12, 2, 0, row::Input1 + 2, "Zeta-Wert: 70,000"},
    {"heightDifference", 13, 1, 0, row::Input1, "Höhendifferenz H in m: 50,000"},
    {"inletOptionAfterCaption", 2, 1, 1, row::Option, "Einlaufkante:  abgerundet/gebrochen"},
    {"venturiOption", 9, 7, 0, row::Option, "Diffusorwinkel:  30 Grad"},
    {"choiceWithoutCaptionKeepsTheBlank", 6, 2, 1, row::Option, " gewellt"},  // regression: was "gewellt"
    {"choiceWithoutCaptionFirstItem", 6, 2, 0, row::Option, " glatt"},
    {"regime", 1, 1, 0, row::Regime, "turbulent"},
    {"reynoldsWhole", 3, 1, 0, row::Reynolds2, "9000"},
    {"reynoldsScientific", 1, 1, 0, row::Reynolds, "5,00E+0004"},
    {"roughness", 1, 1, 0, row::Roughness, "0,100"},
    {"lambda", 1, 1, 0, row::Lambda, "0,020"},
    {"branchZeta", 5, 5, 0, row::Zeta2, "0,750"},
    {"branchLoss", 5, 5, 0, row::BranchLoss, "0,250"},
    {"lossInMbar", 1, 1, 0, row::LossSmall, "12,600"},
    {"lossInBar", 1, 1, 0, row::LossLarge, "0,013"},
};

class ColumnTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ColumnTextTest, GermanCell) {
  const TextCase& c = GetParam();
  Sample sample = SampleElement(c.group, c.kind);
  sample.form.option = c.option;
  EXPECT_EQ(Build(sample).rows[static_cast<std::size_t>(c.row)], c.text);
}

INSTANTIATE_TEST_SUITE_P(Cells, ColumnTextTest, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnRows, UsDisplayWritesUsUnitsOfTheSlots) {
  const DisplayOptions us{.decimals = 2, .us = true};
  const ResultColumn pipe = Build(SampleElement(1, 1), us);
  EXPECT_EQ(pipe.rows[row::Input1], "Elementdurchm. D in in.: 50,00");
  EXPECT_EQ(pipe.rows[row::Input1 + 1], "Länge L in ft.: 60,00");
  EXPECT_EQ(Build(SampleElement(1, 6), us).rows[row::Input1], "Querschnittsfläche A in sq.yd.: 50,00");
  EXPECT_EQ(Build(SampleElement(2, 3), us).rows[row::Input1 + 1], "Winkel w in Grad: 60,00");
}

TEST(ColumnRows, EnglishEditionWritesItsWordsAndDecimalPoint) {
  const text::TextStore& english = testing_support::Texts('E');
  const Sample sample = SampleElement(1, 1, 'E');
  const ResultColumn column = BuildColumn(sample.form, sample.values, false, 1, english, {});
  EXPECT_EQ(column.rows[row::Kind], "Circular pipe/2");
  EXPECT_EQ(column.rows[row::Input1], "Diameter D in mm: 50.000");
  EXPECT_EQ(column.rows[row::Medium], "Wasser/liq.");
  EXPECT_EQ(column.rows[row::LossSmall], "12.600");
}

TEST(ColumnRows, GasColumnCarriesTheGasData) {
  Sample sample = SampleElement(1, 1);
  sample.form.medium = "Luft";
  sample.form.gas = true;
  sample.form.inletPressure = "2,5";
  sample.form.inletPressureUnit = 11;  // psia
  sample.form.inletTemperature = "20";
  sample.form.outletTemperatureUnit = 1;  // K
  sample.form.outletTemperature = "280";
  const ResultColumn column = Build(sample);
  EXPECT_EQ(column.rows[row::Medium], "Luft/gasf.");
  ASSERT_TRUE(column.gas.has_value());
  EXPECT_EQ(*column.gas, (TGasinfos{"2,5", "20", "280", "psia", "°C", "K"}));
  EXPECT_FALSE(Build(SampleElement(1, 1)).gas.has_value());
}

TEST(ColumnRows, AppendNumbersTheColumns) {
  ResultsTable table;
  const Sample sample = SampleElement(7, 1);
  EXPECT_EQ(AppendColumn(table, sample.form, sample.values, false, German(), {}), 1);
  EXPECT_EQ(AppendColumn(table, sample.form, sample.values, false, German(), {}), 2);
  EXPECT_EQ(table.ColumnCount(), 4);
  EXPECT_EQ(table.Cell(2, row::Number), "2");
  EXPECT_EQ(table.Cell(3, row::Number), "");  // the empty last column
}

struct LabelCase {
  const char* name;
  int row;
  const char* metric;
  const char* us;
};

const LabelCase kLabelCases[] = {
    {"number", row::Number, "Element-Nr.:", "Element-Nr.:"},
    {"medium", row::Medium, "Medium:", "Medium:"},
    {"flow", row::Flow, "Volumenstrom in m³/h:", "Volumenstrom in gal/min:"},
    {"density", row::Density, "Dichte in kg/m³:", "Dichte in lb./cu.ft.:"},
    {"viscosity", row::Viscosity, "dyn. Viskosität in 10-6 kg/ms:", "dyn. Viskosität in cP:"},
    {"spacer", row::Spacer, "", ""},
    {"kind", row::Kind, "Element/Anzahl:", "Element/Anzahl:"},
    {"inputs", row::Input1, "Eingabewerte:", "Eingabewerte:"},
    {"velocity2", row::Velocity2, "Geschwindigkeit2 in m/s:", "Geschwindigkeit2 in ft./s:"},
    {"reynolds2", row::Reynolds2, "Reynoldszahl 2:", "Reynoldszahl 2:"},
    {"roughness", row::Roughness, "Rauhigkeit in mm:", "Rauhigkeit in in.:"},
    {"branchZeta", row::Zeta2, "Widerstandsbeiwert Abzweig:", "Widerstandsbeiwert Abzweig:"},
    {"branchLoss", row::BranchLoss, "Druckverlust Abzweig mbar:", "Druckverlust Abzweig lbw./sq.ft.:"},
    {"lossSmall", row::LossSmall, "Druckverlust in mbar:", "Druckverlust in lbw./sq.ft.:"},
    {"lossLarge", row::LossLarge, "Druckverlust in bar:", "Druckverlust in psi:"},
};

class RowLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(RowLabelTest, MetricAndUs) {
  const LabelCase& c = GetParam();
  EXPECT_EQ(RowLabels(German(), false)[static_cast<std::size_t>(c.row)], c.metric);
  EXPECT_EQ(RowLabels(German(), true)[static_cast<std::size_t>(c.row)], c.us);
}

INSTANTIATE_TEST_SUITE_P(German, RowLabelTest, ::testing::ValuesIn(kLabelCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BoundaryRegion, NoteFrom2200To2320) {
  EXPECT_FALSE(BoundaryRegionNote(2199.9L, German()));
  ASSERT_TRUE(BoundaryRegionNote(2200.0L, German()));
  EXPECT_TRUE(BoundaryRegionNote(2320.0L, German()));
  EXPECT_FALSE(BoundaryRegionNote(2320.1L, German()));
  const text::Message note = *BoundaryRegionNote(2250.0L, German());
  EXPECT_EQ(note.caption, "Hinweis");
  EXPECT_EQ(note.icon, text::MessageIcon::Information);
  EXPECT_EQ(note.text.rfind("Die Reynoldszahl liegt zwischen 2200 und 2320", 0), 0u);
}

}  // namespace
}  // namespace velmora::results
