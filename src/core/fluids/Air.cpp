#include "fluids/Air.h"

#include <cmath>

#include "fluids/IntegerPowers.h"
#include "fluids/SecantStep.h"

namespace velmora::fluids {
namespace {

struct AirTerm {
  long double N;
  int d;
  long double t;
  int l;  // 0: polynomial term; 1, 2, 3: the term carries exp(−δ^l)
};

// Lemmon et al. (2000): the 19 terms (N, d, t, l) of the residual Helmholtz energy of air.
constexpr AirTerm kTerms[] = {
    {0.118160747229L, 1, 0, 0},         {0.713116392079L, 1, 0.33L, 0},     {-0.161824192067e1L, 1, 1.01L, 0},
    {0.714140178971e-1L, 2, 0, 0},      {-0.865421396646e-1L, 3, 0, 0},     {0.134211176704L, 3, 0.15L, 0},
    {0.112626704218e-1L, 4, 0, 0},      {-0.420533228842e-1L, 4, 0.2L, 0},  {0.349008431982e-1L, 4, 0.35L, 0},
    {0.164957183186e-3L, 6, 1.35L, 0},  {-0.101365037912L, 1, 1.6L, 1},     {-0.173813690970L, 3, 0.8L, 1},
    {-0.472103183731e-1L, 5, 0.95L, 1}, {-0.122523554253e-1L, 6, 1.25L, 1}, {-0.146629609713L, 1, 3.6L, 2},
    {-0.316055879821e-1L, 3, 6, 2},     {0.233594806142e-3L, 11, 3.25L, 2}, {0.148287891978e-1L, 1, 3.5L, 3},
    {-0.938782884667e-2L, 3, 15, 3},
};
constexpr int kTermCount = static_cast<int>(sizeof kTerms / sizeof kTerms[0]);

// 287 J/(kg·K), the rounded specific gas constant of air (8.31451/0.0289586 = 287.117), for the
// start value only.
constexpr long double kIdealStartGasConstant = 287;

// The τ powers of one temperature, computed once per state.
struct TauPowers {
  explicit TauPowers(long double T) {
    const long double tau = kAirReducingTemperature / T;
    for (int k = 0; k < kTermCount; ++k) values[k] = std::pow(tau, kTerms[k].t);
  }
  long double values[kTermCount];
};

long double Residual(long double delta, const TauPowers& tau, long double T, long double p) {
  const IntegerPowers<0, 11> d(delta);
  const long double exponentials[4] = {1, std::exp(-delta), std::exp(-d[2]), std::exp(-d[3])};
  // δ ∂αʳ/∂δ = Σ N d δ^d τ^t + Σ N δ^d τ^t exp(−δ^l) (d − l δ^l)
  long double sum = 0;
  for (int k = 0; k < kTermCount; ++k) {
    const AirTerm& term = kTerms[k];
    const long double common = term.N * d[term.d] * tau.values[k];
    sum += term.l == 0 ? common * term.d : common * exponentials[term.l] * (term.d - term.l * d[term.l]);
  }
  const long double rho = delta * kAirReducingDensity;           // mol/dm³
  return 1 + sum - p / 10 / (rho * kAirGasConstant * T) * 1000;  // MPa/(mol/dm³·J/mol)
}

}  // namespace

long double AirResidualPressureEquation(long double delta, long double T, long double p) {
  return Residual(delta, TauPowers(T), T, p);
}

std::optional<long double> AirDensity(long double T, long double p, long double rho0) {
  const TauPowers tau(T);
  const std::optional<long double> delta =
      SolveBySecantStep([&](long double x) { return Residual(x, tau, T, p); }, rho0 / kAirReducingMassDensity);
  if (!delta || !(*delta > 0)) return std::nullopt;
  return *delta * kAirReducingMassDensity;
}

std::optional<long double> AirGasDensity(long double T, long double p) {
  return AirDensity(T, p, p * 1e5L / (kIdealStartGasConstant * T));
}

}  // namespace velmora::fluids
