#pragma once

// Pressure correction of a gas viscosity: μ₀ (the low-pressure viscosity) in 10⁻⁶ kg/(m·s),
// ρ in kg/m³, T in K, M in g/mol.
namespace velmora::fluids {

// Gardner's dense-gas correction, the one pressure correction of every gas viscosity (gas
// database, humid air, estimated gases and gas mixtures): X = 5.638·10⁻¹² T^0.75 (μ₀·10⁻⁶)^−1.5 M^−0.25 ρ,
// μ = μ₀ (1 + 0.175 X + 0.8651 X²). For gases above 1.013 bar, away from the critical point.
long double GardnerViscosity(long double mu0, long double rho, long double T, long double molarMass);

}  // namespace velmora::fluids
