#pragma once

// Group 3, cross-section changes from diameter d1 (upstream) to d2 (downstream), in mm; angles
// δ in degrees. Turbulent ζ is referred to the upstream velocity, laminar ζ to the downstream.
namespace velmora::hydraulics {

// 3/1 sudden expansion, turbulent (Borda–Carnot): ζ = ((d1/d2)² − 1)², the momentum balance
// over the expansion; any area ratio.
long double SuddenExpansionZeta(long double d1, long double d2);

// 3/1 sudden expansion, laminar: 30/Re below Re = 10, then two fitted curves in log₁₀ Re and
// m = 1 − (d1/d2)² for 10 ≤ Re < 500 and Re ≥ 500. Empirical fits, Re < 2320.
long double SuddenExpansionLaminarZeta(long double d1, long double d2, long double Re);

// 3/2 gradual expansion, turbulent, with the friction factor λ of the upstream pipe: the wall
// friction of the cone, λ·(1 − t²)/(8·tan θ) with t = (d1/d2)² and θ = δ in radians, plus the
// Borda–Carnot loss (1 − t)² times an empirical angle factor tanh(0.0282·δ) +
// 522·(δ/50)^4.365·e^(−0.16·δ), about 1 at δ = 90°; 0 < δ < 90°.
long double GradualExpansionZeta(long double d1, long double d2, long double delta, long double lambda);

// 3/2 gradual expansion, laminar: 20·((d2/d1)²)^0.33/(tan θ)^0.75/Re. Empirical, Re < 2320.
long double GradualExpansionLaminarZeta(long double d1, long double d2, long double delta, long double Re);

// 3/3 sudden contraction, turbulent: 0.5·(1 − n)^0.75·(d1/d2)⁴, n = (d2/d1)²: Idelchik's law of
// the sudden contraction (Handbook of Hydraulic Resistance), ζ = 0.5·(1 − n)^0.75 in the narrow
// section, referred to the upstream velocity by (d1/d2)⁴; used from Re₂ = 2320 on.
long double SuddenContractionZeta(long double d1, long double d2);

// 3/3 sudden contraction, laminar: the measured table over Re₂ of the narrow section, its row
// picked by 10·n rounded (clamped to 1 … 6); 5.0 below Re₂ = 10, the last column from 10000 on.
// Tabulated for n = 0.1 … 0.6 and Re₂ = 10 … 10⁴, in the narrow-section velocity.
long double SuddenContractionLaminarZeta(long double d1, long double d2, long double Re2);

// 3/4 gradual contraction, turbulent, with the friction factor λ of the upstream pipe: an
// empirical polynomial in n times a cubic in ℓ = 2·δ·0.01745 (0.01745 ≈ π/180), plus the wall
// friction of the cone λ·(1 − n²)/(8·sin θ), referred to the upstream velocity by (d1/d2)⁴.
long double GradualContractionZeta(long double d1, long double d2, long double delta, long double lambda);

// 3/4 gradual contraction, laminar: 20.5/(d2/d1)/(tan θ)^0.75/Re₂. Empirical, Re₂ < 2320.
long double GradualContractionLaminarZeta(long double d1, long double d2, long double delta, long double Re2);

}  // namespace velmora::hydraulics
