#pragma once

// Friction factors λ of straight ducts. Lengths in mm.
namespace velmora::hydraulics {

// Laminar λ of a rectangular duct of sides a and b: φ·64/Re, φ interpolated in
// r = smaller/larger side between 1.5 (flat slit, r = 0) and 0.88 (square, r = 1).
long double LaminarLambdaRectangular(long double a, long double b, long double Re);

// Laminar λ of an annulus of inner diameter d and outer diameter D: φ·64/Re, φ interpolated
// in R = D/d from 1.5 (R = 1) to 1.25 (R = 100); outside 1 … 100 the factor, and λ, are 0.
long double LaminarLambdaAnnular(long double d, long double D, long double Re);

// The residual of the Colebrook-White equation,
// F(λ) = 1/√λ + 0.868588·ln(2.51/(√λ·Re) + 0.269·k/d); 0.868588 = 2/ln 10.
long double ColebrookResidual(long double lambda, long double d, long double Re, long double k);

// The start value of the Colebrook iteration: 0.02, or 0.0032 + 0.221·Re^−0.237 when Re·k/d < 65
// (always with k = 0).
long double ColebrookStartValue(long double d, long double Re, long double k);

// Turbulent λ by Colebrook-White (diameter d and roughness k in mm), solved by Newton steps with
// a forward-difference derivative (step 1e-8) from 0.02, or from 0.0032 + 0.221·Re^−0.237 when
// Re·k/d < 65; stops when a step is below 1e-8 or after 100 passes. k = 0 gives the smooth pipe.
long double ColebrookLambda(long double d, long double Re, long double k);

// λ of a corrugated pipe: diameter x1, corrugation depth x2 and pitch x3 (mm).
long double CorrugatedLambda(long double x1, long double x2, long double x3, long double Re);

}  // namespace velmora::hydraulics
