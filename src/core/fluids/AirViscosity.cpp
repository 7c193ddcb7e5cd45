#include "fluids/AirViscosity.h"

#include <cmath>

#include "fluids/Air.h"

namespace velmora::fluids {
namespace {

// Lemmon and Jacobsen (2004): the dilute-gas constant, collision diameter σ (nm), ε/k (K) and the
// collision-integral coefficients b₀ … b₄ of air.
constexpr long double kDiluteConstant = 0.0266958L;
constexpr long double kCollisionDiameter = 0.36L;
constexpr long double kEnergyParameter = 103.3L;
constexpr long double kB[] = {0.431L, -0.4623L, 0.08406L, 0.005341L, -0.00331L};

struct ResidualTerm {
  long double N, t;
  int d, l;
  long double gamma;
};
// Lemmon and Jacobsen (2004): the five residual terms (N, t, d, l, γ) of air.
constexpr ResidualTerm kResidual[] = {
    {10.72L, 0.2L, 1, 0, 0},  {1.122L, 0.05L, 4, 0, 0},   {0.002019L, 2.4L, 9, 0, 0},
    {-8.876L, 0.6L, 1, 1, 1}, {-0.02916L, 3.6L, 8, 1, 1},
};

}  // namespace

long double AirViscosity(long double rho, long double T) {
  const long double lnT = std::log(T / kEnergyParameter);
  const long double omega = std::exp(kB[0] + lnT * (kB[1] + lnT * (kB[2] + lnT * (kB[3] + lnT * kB[4]))));
  const long double dilute =
      kDiluteConstant * std::sqrt(kAirMolarMass * T) / (kCollisionDiameter * kCollisionDiameter * omega);
  const long double tau = kAirReducingTemperature / T;
  const long double delta = rho / kAirReducingMassDensity;
  long double residual = 0;
  for (const ResidualTerm& term : kResidual) {
    residual += term.N * std::pow(tau, term.t) * std::pow(delta, static_cast<long double>(term.d)) *
                std::exp(-term.gamma * std::pow(delta, static_cast<long double>(term.l)));
  }
  return dilute + residual;
}

}  // namespace velmora::fluids
