#pragma once

// Ancillary equations of air of Lemmon, Jacobsen, Penoncello and Friend (2000): the bubble and dew
// lines, the saturated-liquid density and the melting line. T in K, p in bar, ρ in kg/m³.
namespace velmora::fluids {

// Bubble-point pressure p = 3.78502 MPa · exp((Tⱼ/T) Σ Nᵢ θ^kᵢ), θ = 1 − T/Tⱼ (Lemmon et al.
// 2000, bubble coefficients); valid 59.75 K ≤ T ≤ 132.6312 K. In bar.
long double AirBubblePressure(long double T);

// Dew-point pressure, the same form with the dew coefficients (Lemmon et al. 2000); valid
// 59.75 K ≤ T ≤ 132.6312 K. In bar.
long double AirDewPressure(long double T);

// Density of the saturated liquid, (1 + Σ Nᵢ θ^kᵢ − 0.892181 ln(T/Tⱼ))·10.4477 mol/dm³ (Lemmon et
// al. 2000); valid 59.75 K ≤ T ≤ 132.6312 K. In kg/m³.
long double AirBubbleDensity(long double T);

// Melting temperature at a pressure (Lemmon et al. 2000): 59.75 K ·
// ((p/0.005265 MPa − 1)/35493.5 + 1)^(1/1.78963); valid up to 2000 MPa. In K.
long double AirMeltingTemperature(long double p);

}  // namespace velmora::fluids
