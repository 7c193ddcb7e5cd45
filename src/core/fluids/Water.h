#pragma once

// Density of water and steam by the IAPWS Industrial Formulation 1997 (IAPWS-IF97, first edition
// 1997), regions 1, 2 and 5, the saturation line (region 4) and the boundary between regions 2
// and 3. T in K, p in bar absolute (the equations work in MPa: p/10), ρ in kg/m³.
namespace velmora::fluids {

// Specific gas constant of IF97, kJ/(kg·K).
inline constexpr long double kWaterGasConstant = 0.461526L;
// Critical temperature (K) and pressure (bar) of IF97.
inline constexpr long double kWaterCriticalTemperature = 647.096L;
inline constexpr long double kWaterCriticalPressure = 220.64L;

// IF97 region 1 (compressed liquid), Gibbs free energy: ρ = p/(R T π γπ), π = p/16.53 MPa,
// τ = 1386 K/T; valid 273.15 K ≤ T ≤ 623.15 K, pₛ(T) ≤ p ≤ 1000 bar.
long double DensityRegion1(long double T, long double p);

// IF97 region 2 (vapour), Gibbs free energy: ρ = p/(R T π (1/π + γʳπ)), π = p/1 MPa,
// τ = 540 K/T; valid 273.15 K ≤ T ≤ 1073.15 K below the saturation line and the B23 boundary.
long double DensityRegion2(long double T, long double p);

// IF97 region 5 of the 1997 edition (high-temperature steam): ρ = p/(R T π (1/π + γʳπ)),
// π = p/1 MPa, τ = 1000 K/T; valid 1073.15 K ≤ T ≤ 2273.15 K, p ≤ 100 bar.
long double DensityRegion5(long double T, long double p);

// IF97 saturation-pressure equation (Eq. 30): pₛ in bar; valid 273.15 K ≤ T ≤ 647.096 K.
long double SaturationPressure(long double T);

// IF97 saturation-temperature equation (Eq. 31), β = (p/10)^0.25: Tₛ in K; valid
// 6.11 mbar ≤ p ≤ 220.64 bar.
long double SaturationTemperature(long double p);

// IF97 B23 boundary (Eq. 5) p = n₁ + n₂ T + n₃ T², in bar; valid 623.15 K ≤ T ≤ 863.15 K.
long double BoundaryPressure23(long double T);

}  // namespace velmora::fluids
