#include "SampleColumns.h"

#include "catalogue/ElementLayout.h"
#include "results/ColumnBuilder.h"
#include "results/TableFormat.h"

namespace velmora::results::testing {

Sample SampleElement(int group, int kind, text::Edition edition) {
  Sample sample;
  sample.form = mainform::MainForm::Defaults(edition);
  sample.form.elementGroup = group;
  sample.form.elementKind = kind;
  sample.form.description = "Strang A";
  sample.form.count = "2";
  const catalogue::ElementLayout* layout = catalogue::FindLayout(group, kind);
  for (std::size_t slot = 0; slot < 5; ++slot) {
    const long double value = 40.0L + 10.0L * static_cast<long double>(slot + 1);
    sample.values.inputs[slot] = value;
    sample.form.dimensions[slot] =
        layout != nullptr && layout->UsesSlot(static_cast<int>(slot)) ? FormatValue(value, 3, edition) : std::string();
  }
  sample.form.roughness = FormatValue(0.1L, 3, edition);
  sample.form.flow = FormatValue(1.0L, 3, edition);
  sample.form.density = FormatValue(998.2L, 3, edition);
  sample.form.viscosity = FormatValue(1002.0L, 3, edition);
  sample.values.flow = 1.0L;
  sample.values.density = 998.2L;
  sample.values.viscosity = 1002.0L;
  sample.values.roughness = 0.1L;
  sample.values.velocity = 0.5L;
  sample.values.velocity2 = 1.5L;
  sample.values.reynolds = 50000.0L;
  sample.values.reynolds2 = 9000.0L;
  sample.values.lambda = 0.02L;
  sample.values.zeta = 1.25L;
  sample.values.zeta2 = 0.75L;
  sample.values.branchLoss = 0.25L;
  sample.values.lossSmall = 12.6L;
  sample.values.lossLarge = 0.0126L;
  return sample;
}

ResultsTable TableWithLosses(std::initializer_list<long double> lossesMbar, const text::TextStore& texts,
                             const DisplayOptions& options) {
  ResultsTable table;
  for (const long double loss : lossesMbar) {
    Sample sample = SampleElement(1, 1, texts.edition());
    sample.values.lossSmall = loss;
    sample.values.lossLarge = loss / 1000.0L;
    AppendColumn(table, sample.form, sample.values, sample.laminar, texts, options);
  }
  return table;
}

}  // namespace velmora::results::testing
