#include "fluids/WaterRegion3.h"

#include <array>
#include <utility>

#include "fluids/If97Coefficients.h"
#include "fluids/IntegerPowers.h"
#include "fluids/SecantStep.h"
#include "fluids/Water.h"

namespace velmora::fluids {
namespace {

// IF97 reducing density of region 3, kg/m³.
constexpr long double kReducingDensity = 322;

// (p in bar, ρ₀ in kg/m³), in rising pressure.
constexpr std::array<std::pair<long double, long double>, 14> kStartDensities = {{{170, 77},
                                                                                  {180, 84},
                                                                                  {200, 101},
                                                                                  {220, 120},
                                                                                  {240, 149},
                                                                                  {250, 167},
                                                                                  {300, 358},
                                                                                  {400, 523},
                                                                                  {500, 578},
                                                                                  {600, 612},
                                                                                  {700, 639},
                                                                                  {800, 660},
                                                                                  {900, 678},
                                                                                  {1000, 693}}};

}  // namespace

long double Region3StartDensity(long double p) {
  if (p < kStartDensities.front().first) return kStartDensities.front().second;
  for (std::size_t i = 1; i < kStartDensities.size(); ++i) {
    const auto [p1, rho1] = kStartDensities[i - 1];
    const auto [p2, rho2] = kStartDensities[i];
    if (p < p2 || (i + 1 == kStartDensities.size() && p <= p2)) return rho1 + (rho2 - rho1) * (p - p1) / (p2 - p1);
  }
  // Above 1000 bar, outside the region: the last value.
  return kStartDensities.back().second;
}

long double Region3Residual(long double rho, long double T, long double p) {
  const long double delta = rho / kReducingDensity;
  const long double tau = kWaterCriticalTemperature / T;
  // Σ n I δ^(I−1) τ^J over the terms i = 2 … 40 (I = 0 contributes nothing): I − 1 up to 10, J up to 26.
  const IntegerPowers<0, 10> d(delta);
  const IntegerPowers<0, 26> t(tau);
  long double sum = if97::kRegion3N1 / delta;
  for (const if97::Term& term : if97::kRegion3) {
    if (term.I != 0) sum += term.n * term.I * d[term.I - 1] * t[term.J];
  }
  return delta * sum - p / 10 * 1000 / (rho * kWaterGasConstant * T);
}

std::optional<long double> DensityRegion3(long double T, long double p) {
  const auto solveFrom = [&](long double start) -> std::optional<long double> {
    const std::optional<long double> rho =
        SolveBySecantStep([&](long double r) { return Region3Residual(r, T, p); }, start);
    if (!rho || !(*rho > 0)) return std::nullopt;
    return rho;
  };
  // 623 K exactly: a liquid density just below the region, close to the compressed-liquid root.
  const long double liquidStart = DensityRegion1(623, p);
  const bool liquidSide = T < 648 && p < 221 && SaturationTemperature(p) > T;
  if (const std::optional<long double> rho = solveFrom(liquidSide ? liquidStart : Region3StartDensity(p))) return rho;
  // Liquid states below 644.5 K and between 221 and 409 bar do not converge from the tabulated
  // start (about one state in 4000 of the region); from the liquid start they do.
  if (!liquidSide && T < 648) return solveFrom(liquidStart);
  return std::nullopt;
}

}  // namespace velmora::fluids
