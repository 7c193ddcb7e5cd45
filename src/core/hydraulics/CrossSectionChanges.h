#pragma once

// Group 3, cross-section changes from diameter d1 (upstream) to d2 (downstream), in mm; angles
// δ in degrees. Turbulent ζ is referred to the upstream velocity, laminar ζ to the downstream.
namespace velmora::hydraulics {

// 3/1 sudden expansion, turbulent (Borda–Carnot): ζ = ((d1/d2)² − 1)².
long double SuddenExpansionZeta(long double d1, long double d2);

// 3/1 sudden expansion, laminar: 30/Re below Re = 10, then two fitted curves in log₁₀ Re and
// m = 1 − (d1/d2)² for 10 ≤ Re < 500 and Re ≥ 500.
long double SuddenExpansionLaminarZeta(long double d1, long double d2, long double Re);

// 3/2 gradual expansion, turbulent, with the friction factor λ of the upstream pipe.
long double GradualExpansionZeta(long double d1, long double d2, long double delta, long double lambda);

// 3/2 gradual expansion, laminar: 20·((d2/d1)²)^0.33/(tan θ)^0.75/Re.
long double GradualExpansionLaminarZeta(long double d1, long double d2, long double delta, long double Re);

// 3/3 sudden contraction, turbulent: 0.5·(1 − n)^0.75·(d1/d2)⁴, n = (d2/d1)².
long double SuddenContractionZeta(long double d1, long double d2);

// 3/3 sudden contraction, laminar: the measured table over Re₂ of the narrow section, its row
// picked by 10·n rounded (clamped to 1 … 6); 5.0 below Re₂ = 10, the last column from 10000 on.
long double SuddenContractionLaminarZeta(long double d1, long double d2, long double Re2);

// 3/4 gradual contraction, turbulent, with the friction factor λ of the upstream pipe.
long double GradualContractionZeta(long double d1, long double d2, long double delta, long double lambda);

// 3/4 gradual contraction, laminar: 20.5/(d2/d1)/(tan θ)^0.75/Re₂.
long double GradualContractionLaminarZeta(long double d1, long double d2, long double delta, long double Re2);

}  // namespace velmora::hydraulics
