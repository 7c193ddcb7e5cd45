#pragma once

// Dynamic viscosity of water and steam, T in K, ρ in kg/m³, result in 10⁻⁶ kg/(m·s).
namespace velmora::fluids {

// IAPS Formulation 1985 for the viscosity of ordinary water substance (IAPWS revised release 2003),
// without the critical enhancement: μ = μ* (T/T*)^0.5 / Σ Hᵢ (T*/T)^i ·
// exp(ρ/ρ* Σ Hᵢⱼ (T*/T − 1)^i (ρ/ρ* − 1)^j), T* = 647.226 K, ρ* = 317.763 kg/m³,
// μ* = 55.071·10⁻⁶ Pa·s; valid 273.15 K ≤ T ≤ 1173.15 K up to 1000 bar (800 °C above 350 MPa).
long double ViscosityWater(long double T, long double rho);

}  // namespace velmora::fluids
