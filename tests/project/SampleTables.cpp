#include "SampleTables.h"

#include "TestTexts.h"
#include "catalogue/ElementLayout.h"
#include "mainform/MainForm.h"
#include "results/ColumnBuilder.h"
#include "results/TableFormat.h"

namespace velmora::project::testing {

// The inlet-edge choice (2/1, 2/4) is left out: its German option texts hold no phrase with a
// blank, so reading translates only the caption (see InletEdgeChoiceReadsBackOnlyItsCaption).
const std::vector<SampleElement>& SampleElements() {
  static const std::vector<SampleElement> elements = {
      {1, 1},                   // circular pipe: diameter, length
      {1, 1, true},             // the same for a gas: row 1 carries the gas data
      {1, 5, false, true},      // corrugated pipe: pieces, laminar
      {2, 3},                   // inlet at an angle: degrees
      {3, 2},                   // gradual expansion: two diameters and an angle
      {4, 6},                   // rectangular mitre elbow
      {5, 5, true},             // dividing branch, gas
      {6, 2, false, false, 1},  // lyre bend, corrugated
      {7, 4},                   // gate valve: opening height
      {9, 7, false, false, 1},  // venturi nozzle: "15 degrees" option
      {10, 3},                  // thick perforated plate
      {11, 8},                  // basket strainer
      {12, 1},                  // known ζ, circular
      {12, 2},                  // known ζ, rectangular
      {13, 1},                  // height difference: no regime
      {13, 3, false, true},     // dynamic change, rectangular, laminar
  };
  return elements;
}

results::ResultsTable SampleTable(text::Edition edition, const std::vector<SampleElement>& elements) {
  const text::TextStore& texts = testing_support::Texts(edition);
  results::ResultsTable table;
  int n = 0;
  for (const SampleElement& element : elements) {
    ++n;
    mainform::MainForm form = mainform::MainForm::Defaults(edition);
    form.elementGroup = element.group;
    form.elementKind = element.kind;
    form.description = "Strang " + std::to_string(n);
    form.count = "2";
    form.option = element.option;
    form.medium = element.gas ? "Luft" : "Wasser";
    form.gas = element.gas;
    form.inletPressure = edition == 'E' ? "1.5" : "1,5";
    form.inletTemperature = "20";
    form.outletTemperature = "15";
    form.inletPressureUnit = 1;
    form.inletTemperatureUnit = 0;
    form.outletTemperatureUnit = 1;
    results::ColumnValues values;
    for (std::size_t slot = 0; slot < 5; ++slot) values.inputs[slot] = 12.5L + static_cast<long double>(slot);
    values.flow = 12.5L;
    values.density = 998.2L;
    values.viscosity = 1002.0L;
    values.roughness = 0.1L;
    values.velocity = 0.25L;
    values.velocity2 = 1.5L;
    values.reynolds = 50000.0L;
    values.reynolds2 = 900.0L;
    values.lambda = 0.02L;
    values.zeta = 1.25L;
    values.zeta2 = 0.75L;
    values.branchLoss = 0.5L;
    values.lossSmall = 12.5L * n;
    values.lossLarge = 0.0125L * n;
    results::AppendColumn(table, form, values, element.laminar, texts, results::DisplayOptions{});
  }
  table.SetProjectTitle("Kühlwasser Halle 3");
  return table;
}

std::vector<results::ResultColumn> Columns(const results::ResultsTable& table) {
  std::vector<results::ResultColumn> columns;
  for (int c = 1; c <= table.ElementCount(); ++c) columns.push_back(table.Column(c));
  return columns;
}

}  // namespace velmora::project::testing
