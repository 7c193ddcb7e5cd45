// The gas database's laws: one state (Soave–Redlich–Kwong density and Gardner's viscosity
// correction, with the boiling point and the liquid check), the cubic alone, a vapour pressure of
// each equation type.
#include <benchmark/benchmark.h>

#include "fluids/GasState.h"
#include "fluids/VapourPressure.h"

namespace {

using namespace velmora::fluids;

// Nitrogen as GASE.STW holds it.
GasRecord Nitrogen() {
  GasRecord gas;
  gas.name = "Nitrogen";
  gas.boilingPoint = -195.8L;
  gas.constants = {126.19L, 33.958L, 0.0372L, 28.013L};
  gas.viscosities = {{20, "20", 17.57L}};
  return gas;
}

// Arg 0: 20 bar (below pc, boiling point and Gardner); arg 1: 100 bar (above pc).
void BM_GasState(benchmark::State& state) {
  const GasRecord gas = Nitrogen();
  const long double p = state.range(0) == 0 ? 20 : 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateGasState(gas, 293.15L, p, 17.57L));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_GasState)->Arg(0)->Arg(1);

void BM_SrkGasDensity(benchmark::State& state) {
  const SrkConstants nitrogen{126.19L, 33.958L, 0.0372L, 28.013L};
  for (auto _ : state) {
    benchmark::DoNotOptimize(SrkGasDensity(nitrogen, 293.15L, 20));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SrkGasDensity);

// Arg: the equation type (water's Wagner coefficients for 1, made ones for 2, Antoine for 3).
void BM_VapourPressure(benchmark::State& state) {
  VapourPressureRecord s;
  s.type = static_cast<int>(state.range(0));
  s.criticalTemperature = 647.35L;
  s.criticalPressure = 221.223L;
  if (s.type == 1) s.A = -7.76451L, s.B = 1.45838L, s.C = -2.7758L, s.D = -1.23303L;
  if (s.type == 2) s.A = 25.4229343520946L, s.B = 4000, s.C = -2, s.D = 500;
  if (s.type == 3) s.A = 9.36832L, s.B = 3259.93L, s.C = -60.85L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(VapourPressure(s, 300));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_VapourPressure)->Arg(1)->Arg(2)->Arg(3);

}  // namespace
