#include "fluids/GasState.h"

#include <cmath>

#include "fluids/GardnerViscosity.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {

GasState CalculateGasState(const GasRecord& gas, long double T, long double p, long double mu0) {
  GasState state;
  if (!(p >= kGasLowestPressure)) {
    state.refusal = GasRefusal::PressureTooLow;
    return state;
  }
  if (p > kGasHighestPressure) {
    state.refusal = GasRefusal::PressureTooHigh;
    return state;
  }
  const SrkConstants& constants = gas.constants;
  const bool subcritical = p < constants.criticalPressure;
  if (subcritical) {
    const long double ts =
        BoilingPointAtPressure(p, gas.boilingPoint + units::kZeroCelsiusInKelvin) - units::kZeroCelsiusInKelvin;
    if (!std::isfinite(ts)) {
      state.refusal = GasRefusal::OutOfRange;
      return state;
    }
    state.boilingPoint = ts;
  }
  const long double t = T - units::kZeroCelsiusInKelvin;
  if (T <= constants.criticalTemperature && (!subcritical || t < *state.boilingPoint)) {
    state.refusal = GasRefusal::Liquid;
    return state;
  }
  const long double rho = SrkGasDensity(constants, T, p);
  const long double mu = p > kGasViscosityPressure ? GardnerViscosity(mu0, rho, T, constants.molarMass) : mu0;
  if (!std::isfinite(rho) || !(rho > 0) || !std::isfinite(mu) || !(mu > 0)) {
    state.refusal = GasRefusal::OutOfRange;
    return state;
  }
  state.density = rho;
  state.viscosity = mu;
  return state;
}

}  // namespace velmora::fluids
