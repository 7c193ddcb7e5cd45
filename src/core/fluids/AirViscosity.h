#pragma once

// Viscosity of dry air by Lemmon and Jacobsen (Int. J. Thermophys. 25 (2004) 21), without a
// critical enhancement: valid 70 K … 2000 K up to 100 MPa. ρ in kg/m³, T in K, result in
// 10⁻⁶ kg/(m·s).
namespace velmora::fluids {

// η = 0.0266958 √(M T)/(σ² Ω(T*)) + Σ Nᵢ τ^tᵢ δ^dᵢ exp(−γᵢ δ^lᵢ), σ = 0.36 nm, T* = T/103.3 K,
// τ = 132.6312 K/T, δ = ρ/(28.9586 · 10.4477) kg/m³.
long double AirViscosity(long double rho, long double T);

}  // namespace velmora::fluids
