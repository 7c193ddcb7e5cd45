// The results table at the size of a long pipeline: appending one more column and summing the
// total must stay without a visible pause at 500 columns.
#include <benchmark/benchmark.h>

#include "hydraulics/ElementCalculation.h"
#include "mainform/CalculateCommand.h"
#include "results/ColumnBuilder.h"
#include "results/DisplayValues.h"
#include "results/Totals.h"
#include "text/TextStore.h"

namespace {

using namespace velmora;

const text::TextStore& Texts() {
  static text::TextStore texts = [] {
    text::TextStore store('D');
    store.LoadTexts(VELMORA_BENCH_PROGRAM_DIR);
    return store;
  }();
  return texts;
}

void BM_AppendAndTotalAt500Columns(benchmark::State& state) {
  const mainform::MainForm form = mainform::MainForm::Defaults('D');
  const hydraulics::MainInput input = *mainform::CheckCalculateInputs(form, Texts()).input;
  const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(input);
  const results::DisplayOptions options;
  const results::ColumnValues values = results::DisplayValues(input, outcome.result, false);
  results::ResultsTable table;
  for (int i = 0; i < 500; ++i) results::AppendColumn(table, form, values, outcome.Laminar, Texts(), options);
  for (auto _ : state) {
    results::AppendColumn(table, form, values, outcome.Laminar, Texts(), options);
    benchmark::DoNotOptimize(results::UpdateTotals(table, Texts(), options));
    state.PauseTiming();
    table.DeleteSelectedColumn(table.LastElementColumn());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AppendAndTotalAt500Columns)->Unit(benchmark::kMicrosecond);

}  // namespace
