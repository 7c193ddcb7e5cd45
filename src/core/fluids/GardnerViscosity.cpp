#include "fluids/GardnerViscosity.h"

#include <cmath>

namespace velmora::fluids {

long double GardnerViscosity(long double mu0, long double rho, long double T, long double molarMass) {
  const long double X =
      5.638e-12L * std::pow(T, 0.75L) * std::pow(mu0 * 1e-6L, -1.5L) * std::pow(molarMass, -0.25L) * rho;
  return mu0 * (1 + 0.175L * X + 0.8651L * X * X);
}

}  // namespace velmora::fluids
