#pragma once

#include "hydraulics/Arithmetic.h"

// Velocity, hydraulic diameter and Reynolds number of the four cross-sections.
// Units: Q in m³/h, lengths in mm, area in m², perimeter in m, ρ in kg/m³,
// η in 10⁻⁶ kg/(m·s), v in m/s. The products are formed first and divided once, as written,
// so that exact boundary cases fall on the side the formulas put them.
namespace velmora::hydraulics {

// Circular pipe of diameter d: v = Q·4·10000/(d·π·d·36), that is Q/3600 over π·d²/4·10⁻⁶ m²
// (10000/36 = 10⁶ mm²/m² ÷ 3600 s/h).
inline long double PipeVelocityCircular(long double Q, long double d) {
  return Q * 4.0L * 10000.0L / (d * Pi * d * 36.0L);
}

// Rectangular duct of sides a and b: v = Q·10000/(a·36·b).
inline long double PipeVelocityRectangular(long double Q, long double a, long double b) {
  return Q * 10000.0L / (a * 36.0L * b);
}

// Hydraulic diameter of a rectangle, 4·area/perimeter = 2ab/(a + b), in mm.
inline long double HydraulicDiameterRectangular(long double a, long double b) { return 2.0L * a * b / (a + b); }

// Annulus of outer diameter D and inner diameter d: v = Q·4·10000/((D² − d²)·36π).
inline long double PipeVelocityAnnular(long double Q, long double D, long double d) {
  // 113.09733552923255659 = 36π
  return Q * 4.0L * 10000.0L / ((D * D - d * d) * 113.09733552923255659L);
}

// Free-shape duct of area A (m²): v = Q/(A·3600).
inline long double PipeVelocityFreeShape(long double Q, long double A) { return Q / (A * 3600.0L); }

// Hydraulic diameter of a free-shape duct, 4·A/U·1000, in mm (A in m², U in m).
inline long double HydraulicDiameterFreeShape(long double A, long double U) { return A * 4.0L / U * 1000.0L; }

// Re = v·ρ·dh·1000/η (dh in mm, η in 10⁻⁶ kg/(m·s): 1000 = 10⁶ ÷ 1000 mm/m).
inline long double Reynolds(long double v, long double rho, long double dh, long double eta) {
  return v * rho * dh * 1000.0L / eta;
}

// The flow regime test: laminar below Re = 2320; 2320 itself is turbulent.
inline bool IsLaminar(long double Re) { return Re < LaminarLimit; }

}  // namespace velmora::hydraulics
