#pragma once

// Groups 10 and 11, perforated plates, screens and strainers. f is the free-area ratio
// (percentage/100), ζ is referred to the pipe velocity.
namespace velmora::hydraulics {

// Thin perforated plate, laminar: 33/(Re·f²) below Re = 10, blended with the turbulent ζ by a
// polynomial ε in log₁₀ Re up to Re = 30, the orifice inlet term of OrificeLaws.h plus ε·ζturb
// above. Empirical fits, Re < 2320.
long double ThinPlateLaminarZeta(long double f, long double Re);

// Thick perforated plate of the given plate thickness and hole diameter (mm), both regimes: the
// thick-edged orifice law of OrificeLaws.h with the holes' friction at λ = 0.02.
long double ThickPlateZeta(long double f, long double thickness, long double hole, long double Re);

// Wire screen, turbulent: (1/f − 1)² + 1.3·(1 − f), Idelchik's law of screens of circular metal
// wire (Handbook of Hydraulic Resistance); Re ≥ 1000 (below it the laminar law).
long double WireScreenZeta(long double f);

// Wire screen, laminar: ζturb + 22/Re below Re = 50, ζturb times a factor falling from 1.4 at
// Re = 50 to 1.0 at 600 up to Re = 1000, ζturb above. Empirical, tabulated factor.
long double WireScreenLaminarZeta(long double f, long double Re);

// Double grid: 1.28·(1 − f)/f². Empirical; the same law in both regimes.
long double DoubleGridZeta(long double f);

// 11/7 Y-strainer: ζ over the nominal diameter (mm), 3.07 up to 17.3 mm, 3.5 from 392.2 mm on;
// tabulated, both regimes.
long double YStrainerZeta(long double D);

}  // namespace velmora::hydraulics
