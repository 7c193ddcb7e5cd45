// Changing a long table: a new diameter and medium over 200 columns must finish within a second,
// and `velmora-calc table --recalculate` on a 200-column project within 0.2 s (the whole program
// run: start, language texts, reading, recalculating, writing).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "mainform/MainForm.h"
#include "project/ProjectFile.h"
#include "tablechange/TableChange.h"
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

tablechange::ColumnCalculator Calculator(const mainform::MainForm& window) {
  return tablechange::ColumnCalculator(Texts(), {.decimals = 3}, window);
}

// 200 columns of water at 36 m³/h, in turn a pipe, a bend, a rectangular duct and a valve.
results::ResultsTable LongTable() {
  const tablechange::ColumnCalculator calculator = Calculator(mainform::MainForm::Defaults('D'));
  results::ResultsTable table;
  const struct {
    int group, kind;
    std::array<std::string, 5> dimensions;
  } elements[] = {
      {1, 1, {"100", "10", "", "", ""}},
      {4, 1, {"100", "150", "90", "", ""}},
      {1, 2, {"200", "100", "10", "", ""}},
      {7, 1, {"100", "", "", "", ""}},
  };
  while (table.ElementCount() < 200) {
    const auto& e = elements[table.ElementCount() % 4];
    mainform::MainForm form = mainform::MainForm::Defaults('D');
    form.elementGroup = e.group;
    form.elementKind = e.kind;
    form.dimensions = e.dimensions;
    form.flow = "36";
    table.AppendColumn(*calculator.Calculate(form, table.ElementCount() + 1).column);
  }
  return table;
}

void BM_ChangeTable200Columns(benchmark::State& state) {
  const results::ResultsTable original = LongTable();
  mainform::MainForm window = mainform::MainForm::Defaults('D');
  window.flow = "72";
  tablechange::TableChange change;
  change.medium = tablechange::Medium::Of(window);
  change.diameter = tablechange::Length{"80", 0};
  change.width = tablechange::Length{"250", 0};
  change.height = tablechange::Length{"150", 0};
  const tablechange::ColumnCalculator calculator = Calculator(window);
  for (auto _ : state) {
    state.PauseTiming();
    results::ResultsTable table = original;
    state.ResumeTiming();
    const tablechange::TableChangeOutcome outcome = tablechange::ChangeTable(table, change, calculator);
    if (outcome.failure || outcome.recalculated != 200) state.SkipWithError("not every column was recalculated");
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_ChangeTable200Columns)->Unit(benchmark::kMillisecond);

// The whole command-line run, timed from outside as a user sees it.
void BM_CalcTableRecalculate200Columns(benchmark::State& state) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-bench-200.vlm";
  if (!project::SaveProject(file, LongTable(), {}, Texts()).ok()) state.SkipWithError("cannot write the project");
  const std::string command = std::string("'") + VELMORA_BENCH_PROGRAM_DIR +
                              "/velmora-calc' table --recalculate --format csv '" + file.string() + "' > /dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("velmora-calc failed");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_CalcTableRecalculate200Columns)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
