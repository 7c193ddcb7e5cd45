#pragma once

#include <optional>

// Dry air by the equation of state of Lemmon, Jacobsen, Penoncello and Friend (J. Phys. Chem. Ref.
// Data 29 (2000) 331), air as a pseudo-pure fluid: valid 60 K … 2000 K up to 2000 MPa. T in K,
// p in bar absolute, ρ in kg/m³.
namespace velmora::fluids {

// Constants of the equation: molar mass (g/mol), reducing density (mol/dm³), reducing temperature,
// critical temperature (K), critical pressure (bar), universal gas constant (J/(mol·K)).
inline constexpr long double kAirMolarMass = 28.9586L;
inline constexpr long double kAirReducingDensity = 10.4477L;
inline constexpr long double kAirReducingTemperature = 132.6312L;
inline constexpr long double kAirCriticalTemperature = 132.5306L;
inline constexpr long double kAirCriticalPressure = 37.86L;
inline constexpr long double kAirGasConstant = 8.31451L;
// kg/m³ of the reduced density δ = 1: 10.4477 mol/dm³ · 28.9586 g/mol.
inline constexpr long double kAirReducingMassDensity = kAirReducingDensity * kAirMolarMass;

// F(δ) = 1 + δ ∂αʳ/∂δ − p/(ρ R T) of the residual Helmholtz energy αʳ (19 terms), τ = 132.6312 K/T,
// ρ = δ·10.4477 mol/dm³, p in MPa; its root is the reduced density of the state.
long double AirResidualPressureEquation(long double delta, long double T, long double p);

// ρ solving AirResidualPressureEquation = 0 from the start density rho0 (kg/m³); nothing on a
// numeric fault of the iteration or a density that is not positive.
std::optional<long double> AirDensity(long double T, long double p, long double rho0);

// AirDensity from the ideal-gas density p·10⁵/(287 T), the gas root.
std::optional<long double> AirGasDensity(long double T, long double p);

}  // namespace velmora::fluids
