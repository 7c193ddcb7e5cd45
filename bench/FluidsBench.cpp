// Property laws: one IF97 density at a general state, one region-3 density (iteration), one air
// density by the reference equation (iteration), and the state calculations of the dialogs.
#include <benchmark/benchmark.h>

#include "fluids/Air.h"
#include "fluids/AirStates.h"
#include "fluids/Water.h"
#include "fluids/WaterRegion3.h"
#include "fluids/WaterState.h"

namespace {

using namespace velmora::fluids;

void BM_DensityRegion1(benchmark::State& state) {
  long double T = 300;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DensityRegion1(T, 30));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DensityRegion1);

void BM_DensityRegion2(benchmark::State& state) {
  long double T = 700;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DensityRegion2(T, 300));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DensityRegion2);

void BM_DensityRegion5(benchmark::State& state) {
  long double T = 1500;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DensityRegion5(T, 5));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DensityRegion5);

// Supercritical (table start) and compressed liquid (region-1 start) states of region 3.
void BM_DensityRegion3(benchmark::State& state) {
  const long double T = state.range(0) == 0 ? 650 : 630;
  const long double p = state.range(0) == 0 ? 255.837018L : 200;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DensityRegion3(T, p));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DensityRegion3)->Arg(0)->Arg(1);

// The whole general state: range, region choice, density and viscosity.
void BM_CalculateWaterState(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateWaterState(423.15L, 10));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CalculateWaterState);

void BM_AirGasDensity(benchmark::State& state) {
  const long double p = state.range(0) == 0 ? 1 : 1000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AirGasDensity(293.15L, p));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AirGasDensity)->Arg(0)->Arg(1);

void BM_DryAirLiquid(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateDryAir(80, 10));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DryAirLiquid);

void BM_HumidAir(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateHumidAir(293.15L, 1.013L, HumidityGiven::RelativeHumidity, 50));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_HumidAir);

}  // namespace
