// The system curve of a long pipeline: 200 stored elements recalculated at 1000 flows must appear
// without a visible pause (target: under 250 ms on one core).
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "curve/CurveDiagram.h"
#include "curve/SystemCurve.h"
#include "hydraulics/ElementCalculation.h"
#include "mainform/CalculateCommand.h"
#include "results/ColumnBuilder.h"
#include "results/DisplayValues.h"
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

struct Typed {
  int group;
  int kind;
  std::array<const char*, 5> dimensions;
};

// Pipes, fittings, valves and a height difference, as a plant's pipeline holds them.
constexpr Typed kMix[] = {
    {1, 1, {"100", "25"}},
    {4, 1, {"100", "150", "90"}},
    {1, 2, {"200", "100", "10"}},
    {2, 1, {"100"}},
    {3, 1, {"80", "100"}},
    {3, 3, {"100", "80"}},
    {4, 5, {"100", "45"}},
    {5, 1, {"100", "50"}},
    {7, 1, {"100"}},
    {8, 3, {"100"}},
    {9, 1, {"100", "50"}},
    {11, 7, {"100"}},
    {12, 1, {"100", "1,5"}},
    {13, 1, {"0,5"}},
    {1, 1, {"80", "40"}},
    {4, 4, {"200", "100", "300", "90"}},
};

// A table of `count` elements built as the main window builds it.
results::ResultsTable Pipeline(int count) {
  results::ResultsTable table;
  for (int i = 0; i < count; ++i) {
    const Typed& typed = kMix[static_cast<std::size_t>(i) % std::size(kMix)];
    mainform::MainForm form = mainform::MainForm::Defaults('D');
    form.elementGroup = typed.group;
    form.elementKind = typed.kind;
    for (std::size_t slot = 0; slot < 5; ++slot)
      form.dimensions[slot] = typed.dimensions[slot] ? typed.dimensions[slot] : "";
    form.flow = "36";
    const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, Texts());
    if (!checks.input) continue;
    const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(*checks.input);
    results::AppendColumn(table, form, results::DisplayValues(*checks.input, outcome.result, false), outcome.Laminar,
                          Texts(), {});
  }
  return table;
}

hydraulics::MainInput Water() {
  hydraulics::MainInput water;
  water.Density = 998.2L;
  water.Viscosity = 1002;
  return water;
}

// Range 0 … 100 m³/h: laminar at the first points, turbulent from a few m³/h on.
void BM_SystemCurve200x1000(benchmark::State& state) {
  const results::ResultsTable table = Pipeline(200);
  curve::CurveRequest request;
  request.from = 0;
  request.to = 100;
  request.points = 1000;
  request.threads = static_cast<int>(state.range(0));
  std::size_t elements = static_cast<std::size_t>(table.ElementCount());
  for (auto _ : state) {
    const curve::SystemCurve computed = curve::ComputeSystemCurve(table, Water(), request, Texts());
    if (!computed.Ok()) state.SkipWithError("no curve");
    benchmark::DoNotOptimize(computed.points.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(elements) * request.points);
  state.counters["elements"] = static_cast<double>(elements);
}
BENCHMARK(BM_SystemCurve200x1000)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();

// The diagram of a 1000-point curve (axes, labels, points in axis units).
void BM_Diagram1000(benchmark::State& state) {
  curve::SystemCurve computed;
  for (int i = 0; i < 1000; ++i) computed.points.push_back({0.1L * i, 0.5L + 1e-4L * i * i});
  computed.smallestLoss = computed.points.front().loss;
  computed.largestLoss = computed.points.back().loss;
  for (auto _ : state) benchmark::DoNotOptimize(curve::MakeDiagram(computed, "m³/h", false, nullptr, Texts()));
}
BENCHMARK(BM_Diagram1000)->Unit(benchmark::kMicrosecond);

}  // namespace
