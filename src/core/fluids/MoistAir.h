#pragma once

#include <optional>

// Moist air at ordinary conditions: φ the relative humidity in %, T in K, p in bar absolute,
// ρ in kg/m³, viscosities in 10⁻⁶ kg/(m·s).
namespace velmora::fluids {

// Saturation vapour pressure of water over liquid water by the CIPM-81/91 equation (Davis,
// Metrologia 29 (1992) 67): exp(1.2378847·10⁻⁵ T² − 0.019121316 T + 33.93711047 − 6343.1645/T) Pa;
// valid 0 °C … 100 °C (used here up to 200 °C). In bar.
long double WaterVapourPressure(long double T);

// Density of moist air by the CIPM-81/91 equation (Davis 1992) with the enhancement factor
// f = 1.00062 + 3.14·10⁻⁸ P + 5.6·10⁻⁷ t², the compressibility Z(P, T, x_v), M_a = 28.9635 g/mol
// and R = 8.31451 J/(mol·K); valid 600 hPa … 1100 hPa, 15 °C … 27 °C (used here to 100 bar and
// 0 °C … 200 °C).
long double MoistAirDensity(long double phi, long double T, long double p);

// Viscosity of moist air: below 100 °C the mixing rule of the square roots of the molar masses
// over dry air (Lemmon and Jacobsen 2004, at the total pressure) and steam (IAPS 1985, at the
// saturation pressure), weighted by the partial pressures; from 100 °C on a fit in T and the mole
// fraction of water; above 1.013 bar Gardner's dense-gas correction with ρ. Nothing when the
// dry-air density iteration fails.
std::optional<long double> MoistAirViscosity(long double rho, long double phi, long double T, long double p);

// Dew point (K) of a partial pressure of water vapour p_v (bar): WaterVapourPressure(T) = p_v,
// solved by secant steps from 323 K. Nothing on a numeric fault of the iteration.
std::optional<long double> DewPointTemperature(long double pv);

}  // namespace velmora::fluids
