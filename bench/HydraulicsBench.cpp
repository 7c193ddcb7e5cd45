// Speed of the hydraulic core: the Colebrook iteration, one element of each group, and a
// system-curve-like pipeline of 200 mixed elements at 1000 flows (target: under 250 ms).
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "hydraulics/ElementCalculation.h"
#include "hydraulics/FrictionFactor.h"

namespace {

using velmora::hydraulics::CalculateElement;
using velmora::hydraulics::ColebrookLambda;
using velmora::hydraulics::MainInput;

struct Sample {
  int group;
  int kind;
  std::array<long double, 5> slots;
};

// One representative input per element kind (slots 1 … 5).
constexpr Sample kSamples[] = {
    {1, 1, {100, 50}},
    {1, 2, {100, 200, 10}},
    {1, 3, {100, 50, 10}},
    {1, 4, {300, 200, 10}},
    {1, 5, {100, 5, 20, 10}},
    {1, 6, {0.01L, 0.4L, 10}},
    {2, 1, {100}},
    {2, 2, {100}},
    {2, 3, {100, 45}},
    {2, 4, {100}},
    {3, 1, {50, 100}},
    {3, 2, {50, 100, 10}},
    {3, 3, {100, 50}},
    {3, 4, {100, 50, 10}},
    {4, 1, {100, 150, 90}},
    {4, 2, {100, 60}},
    {4, 3, {150}},
    {4, 4, {100, 200, 150, 90}},
    {4, 5, {100, 45}},
    {4, 6, {100, 200, 45}},
    {5, 1, {100, 50}},
    {5, 2, {100}},
    {5, 3, {100}},
    {5, 4, {100}},
    {5, 5, {100, 50, 10, 45}},
    {5, 6, {100, 50, 10, 45}},
    {5, 7, {100, 45}},
    {5, 8, {100, 100}},
    {6, 1, {100, 3}},
    {6, 2, {100}},
    {6, 3, {100, 200}},
    {7, 1, {100}},
    {7, 2, {100}},
    {7, 3, {100}},
    {7, 4, {100, 50}},
    {7, 5, {100, 30}},
    {7, 6, {100, 30}},
    {8, 1, {100}},
    {8, 2, {100}},
    {8, 3, {100}},
    {9, 1, {100, 50}},
    {9, 2, {100, 50}},
    {9, 3, {100, 50, 5}},
    {9, 4, {100, 50, 10}},
    {9, 5, {100, 50}},
    {9, 6, {100, 50}},
    {9, 7, {100, 50}},
    {10, 1, {100, 40}},
    {10, 2, {100, 200, 40}},
    {10, 3, {100, 5, 5, 40}},
    {10, 4, {100, 200, 5, 5, 40}},
    {11, 1, {100, 40}},
    {11, 2, {100, 200, 40}},
    {11, 3, {100, 40}},
    {11, 4, {100, 200, 40}},
    {11, 5, {100, 40}},
    {11, 6, {100, 200, 40}},
    {11, 7, {100}},
    {11, 8, {100}},
    {11, 9, {100}},
    {12, 1, {100, 2}},
    {12, 2, {100, 200, 2}},
    {13, 1, {10}},
    {13, 2, {100, 50}},
    {13, 3, {100, 200, 50, 100}},
};

MainInput Make(const Sample& s, long double flow, bool gas) {
  MainInput in;
  in.ElementGroup = s.group;
  in.ElementKind = s.kind;
  in.Input1 = s.slots[0];
  in.Input2 = s.slots[1];
  in.Input3 = s.slots[2];
  in.Input4 = s.slots[3];
  in.Input5 = s.slots[4];
  in.Input6 = 0.05L;
  in.VolumeFlow = flow;
  in.BranchFlow = flow * 0.3L;
  in.Density = gas ? 1.2L : 998.2L;
  in.Viscosity = gas ? 18 : 1002;
  in.Gas = gas;
  in.InletPressure = 5;
  in.InletTemperature = 293.15L;
  in.OutletTemperature = 293.15L;
  return in;
}

void BM_ColebrookLambda(benchmark::State& state, long double Re, long double k) {
  long double d = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d);
    benchmark::DoNotOptimize(ColebrookLambda(d, Re, k));
  }
}
BENCHMARK_CAPTURE(BM_ColebrookLambda, smooth_Re1e5, 1e5L, 0.0L);
BENCHMARK_CAPTURE(BM_ColebrookLambda, rough_Re1e6, 1e6L, 0.1L);
BENCHMARK_CAPTURE(BM_ColebrookLambda, very_smooth_Re1e8_mended, 1e8L, 0.001L);

// Every kind of one group, turbulent and laminar flows alternating.
void BM_CalculateElement(benchmark::State& state) {
  const int group = static_cast<int>(state.range(0));
  std::vector<MainInput> inputs;
  for (const Sample& s : kSamples) {
    if (s.group != group) continue;
    inputs.push_back(Make(s, 36, false));
    inputs.push_back(Make(s, 0.2L, false));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateElement(inputs[i]));
    if (++i == inputs.size()) i = 0;
  }
}
BENCHMARK(BM_CalculateElement)->DenseRange(1, 13)->ArgName("group");

// 200 elements (all kinds in turn, a quarter of them gas) at 1000 flows from 0.1 to 1000 m³/h.
void BM_Pipeline200x1000(benchmark::State& state) {
  constexpr int kElements = 200;
  constexpr int kFlows = 1000;
  std::vector<MainInput> pipeline;
  for (int e = 0; e < kElements; ++e) pipeline.push_back(Make(kSamples[e % std::size(kSamples)], 1, e % 4 == 0));
  for (auto _ : state) {
    long double total = 0;
    for (int f = 0; f < kFlows; ++f) {
      const long double flow = 0.1L + (1000.0L - 0.1L) * f / (kFlows - 1);
      for (MainInput& in : pipeline) {
        in.VolumeFlow = flow;
        in.BranchFlow = flow * 0.3L;
        const auto outcome = CalculateElement(in);
        if (!outcome.Error && !outcome.GasLimit) total += outcome.result.PressureLoss;
      }
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * kElements * kFlows);
}
BENCHMARK(BM_Pipeline200x1000)->Unit(benchmark::kMillisecond);

}  // namespace
