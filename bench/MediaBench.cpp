// The brine, oil, solution and estimation laws: one brine state (freezing point, density and
// viscosity polynomials), one estimated liquid and one gas, a mixture of two with its boiling-point
// search, one aqueous solution on IF97 water.
#include <benchmark/benchmark.h>

#include "fluids/AqueousSolution.h"
#include "fluids/Brine.h"
#include "fluids/Estimation.h"

namespace {

using namespace velmora::fluids;

// Benzene and propane as STBERE.STW holds them.
SubstanceRecord Substance(long double M, long double tm, long double tb, long double Tc, long double pc, long double Vc,
                          long double rhoR, long double TR, long double ZRA, long double omega, int type, long double A,
                          long double B, long double C, long double Tmin, long double Tmax) {
  SubstanceRecord s;
  const long double constants[kConstantCount] = {M, tm, tb, Tc, pc, Vc, rhoR, TR, ZRA, omega};
  for (int k = 0; k < kConstantCount; ++k) s.constants[k] = constants[k];
  s.viscosityType = type;
  s.A = A;
  s.B = B;
  s.C = C;
  s.lowestTemperature = Tmin;
  s.highestTemperature = Tmax;
  return s;
}
const SubstanceRecord kBenzene = Substance(78.112L, 5.54L, 80.07L, 562.02L, 49.073L, 256.3L, 0.8774L, 293.15L, 0.2698L,
                                           0.211L, 6, 7.5117L, 294.68L, -2.794L, 278.68L, 545);
const SubstanceRecord kPropane = Substance(44.096L, -187.75L, -42.11L, 369.89L, 42.512L, 200, 0.5812L, 231.04L, 0.2766L,
                                           0.1521L, 5, -10.039732L, -339.83853L, 23.8L, 93, 203);

void BM_BrineState(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateBrine(1, 30, 0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BrineState);

// Arg 0: benzene liquid at 1 bar, 25 °C; arg 1: propane gas at 10 bar, 100 °C.
void BM_EstimateSubstance(benchmark::State& state) {
  const bool gas = state.range(0) == 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(gas ? EstimateSubstance(kPropane, 10, 373.15L) : EstimateSubstance(kBenzene, 1, 298.15L));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EstimateSubstance)->Arg(0)->Arg(1);

void BM_EstimateMixture(benchmark::State& state) {
  const MixtureComponent mixture[] = {{&kBenzene, 50}, {&kPropane, 50}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(EstimateMixture(mixture, FractionKind::Mole, 1, 250));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EstimateMixture);

void BM_AqueousSolution(benchmark::State& state) {
  SoluteRecord salt;
  salt.A[0] = 3158.6L;
  salt.A[1] = 702.42L;
  salt.A[2] = 608.86L;
  salt.B[0] = 80.414L;
  salt.B[1] = 38.043L;
  salt.B[2] = -1.4287L;
  const Solute solution[] = {{&salt, 10}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(SolutionProperties(solution, 293.15L));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AqueousSolution);

}  // namespace
