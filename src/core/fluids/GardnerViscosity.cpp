#include "fluids/GardnerViscosity.h"

#include <cmath>

namespace velmora::fluids {

long double GardnerViscosity(long double mu0, long double rho, long double T, long double molarMass) {
  // The quarter powers by square roots (T^0.75 = √(T√T), η^−1.5 = 1/(η√η), M^−0.25 = 1/√√M): the
  // general power of the extended type costs a microsecond.
  const long double eta = mu0 * 1e-6L;
  const long double X =
      5.638e-12L * std::sqrt(T * std::sqrt(T)) / (eta * std::sqrt(eta)) / std::sqrt(std::sqrt(molarMass)) * rho;
  return mu0 * (1 + 0.175L * X + 0.8651L * X * X);
}

}  // namespace velmora::fluids
