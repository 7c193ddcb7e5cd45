#pragma once

// Group 2, pipe inlets; ζ referred to the pipe velocity.
namespace velmora::hydraulics {

// ζ∞ of inlet kind 1 … 4: 2/1 sharp-edged 0.5 (option 0) or 0.25 (option 1); 2/2 rounded 0.05;
// 2/3 sharp-edged at the angle δ (degrees) 0.5 + 0.3·cos δ + 0.2·cos²δ; 2/4 protruding 3.0
// (option 0) or 1.0 (option 1). Other kinds give 0. Fixed coefficients of turbulent flow
// (0.5 is the classical value of a flush sharp-edged inlet); the angle law runs from 1.0 at
// δ = 0 to 0.5 at δ = 90°.
long double InletZetaInfinity(int kind, int option, long double delta);

// Laminar inlets: ζ = 30/Re + ζ∞, an empirical viscous addition for Re < 2320.
inline long double InletLaminarZeta(long double zetaInfinity, long double Re) { return 30.0L / Re + zetaInfinity; }

}  // namespace velmora::hydraulics
