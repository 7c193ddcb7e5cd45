#pragma once

// Friction factors λ of straight ducts. Lengths in mm.
namespace velmora::hydraulics {

// Laminar λ of a rectangular duct of sides a and b: φ·64/Re, φ interpolated in
// r = smaller/larger side between 1.5 (flat slit, r = 0) and 0.88 (square, r = 1).
// Tabulated φ; its ends are the parallel-plate slit, 96/64 = 1.5, and the square duct, 56.9/64
// ≈ 0.89 (0.88 in the table). Laminar flow, Re < 2320.
long double LaminarLambdaRectangular(long double a, long double b, long double Re);

// Laminar λ of an annulus of inner diameter d and outer diameter D: φ·64/Re, φ interpolated
// in R = D/d from 1.5 (R = 1) to 1.25 (R = 100); outside 1 … 100 the factor, and λ, are 0.
// Tabulated φ; R → 1 is the narrow annular slit, 96/64 = 1.5. Laminar flow, Re < 2320.
long double LaminarLambdaAnnular(long double d, long double D, long double Re);

// The residual of the Colebrook-White equation (C. F. Colebrook, 1939), turbulent flow in
// commercial pipes: F(λ) = 1/√λ + 0.868588·ln(2.51/(√λ·Re) + 0.269·k/d), its root being
// 1/√λ = −2·log₁₀(2.51/(Re·√λ) + (k/d)/3.71). 0.868588 = 2/ln 10 (0.8685889638…) and
// 0.269 = 1/3.71 (0.26954…), both cut after their last written digit.
long double ColebrookResidual(long double lambda, long double d, long double Re, long double k);

// The start value of the Colebrook iteration: 0.02, or 0.0032 + 0.221·Re^−0.237 when Re·k/d < 65
// (always with k = 0). The latter is Nikuradse's explicit law of smooth pipes (1932); here it
// serves only as a start.
long double ColebrookStartValue(long double d, long double Re, long double k);

// Turbulent λ by Colebrook-White (diameter d and roughness k in mm), solved by Newton steps with
// a forward-difference derivative (step 1e-8) from 0.02, or from 0.0032 + 0.221·Re^−0.237 when
// Re·k/d < 65; stops when a step is below 1e-8 or after 100 passes. k = 0 gives the smooth pipe.
// The program applies it from Re = 2320 on (the law itself describes fully turbulent flow).
long double ColebrookLambda(long double d, long double Re, long double k);

// λ of a corrugated pipe: diameter x1, corrugation depth x2 and pitch x3 (mm). Empirical law,
// turbulent flow: the Reynolds-dependent form for x2/x3 ≤ 0.6 and x2/x1 ≤ 0.0635, otherwise the
// roughness form λ1 = 0.2·((x2/x1)⁶·(x3/x2)⁷)^0.1 alone.
long double CorrugatedLambda(long double x1, long double x2, long double x3, long double Re);

}  // namespace velmora::hydraulics
