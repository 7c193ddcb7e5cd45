#pragma once

// Outflow of a liquid from a vessel at constant level through an opening in its side or bottom
// (Torricelli's law with a discharge coefficient μ), and the time a vessel takes to drain through a
// round bottom opening while its level falls. Lengths in m, areas in m², pressures in bar.
namespace velmora::calculators {

// g = 9.81 m/s² and 2g = 19.62 m/s², as the outflow formulas take them.
inline constexpr long double kGravity = 9.81L;
inline constexpr long double kTwiceGravity = 19.62L;

// The six cases of the outflow dialog: small side (1) or bottom (2) opening unpressurised, small
// side (3) or bottom (4) opening under an overpressure, large rectangular side opening (5), large
// bottom opening (6).
int OutflowCase(bool large, bool bottom, bool overpressure);

struct OutflowInput {
  int outflowCase = 1;
  long double area = 0;          // A, m² (cases 1, 2, 3, 4, 6)
  long double height = 0;        // H above the opening, m (cases 1, 2, 3, 4, 6)
  long double overpressure = 0;  // pᵢ, bar (cases 3, 4)
  long double density = 0;       // ρ, kg/m³ (cases 3, 4)
  long double upperDepth = 0;    // H1 of the upper edge, m (case 5)
  long double lowerDepth = 0;    // H2 of the lower edge, m (case 5)
  long double width = 0;         // b, m (case 5)
  long double mu = 0;            // discharge coefficient
};

struct OutflowResult {
  long double flow = 0;      // Q, m³/s
  long double velocity = 0;  // mean velocity in the opening, m/s
  long double area = 0;      // the opening's area, m²
};

// Cases 1, 2, 6: Q = μ·A·√(2g·H); cases 3, 4: Q = μ·A·√(2·(g·H + pᵢ/ρ·10⁵)); case 5, a
// rectangular opening from depth H1 to H2 (integrated Torricelli): Q = (2/3)·μ·b·√(2g)·(H2^1.5 −
// H1^1.5). v = Q/A. Valid for a level held constant and an opening small against the vessel.
OutflowResult Outflow(const OutflowInput& input);

enum class VesselShape { VerticalCylinder = 0, HorizontalCylinder = 1, Sphere = 2, Cone = 3 };

// Draining time in s through a round bottom opening of diameter d (m) with coefficient μ, of a vessel
// of diameter D (m) (integrating Torricelli's law over the falling level): vertical cylinder filled
// to H, t = 2·(πD²/4)·√H/(μ·A₀·√(2g)); horizontal cylinder of length L, full,
// t = (4/3)·L·D^1.5/(μ·A₀·√(2g)); sphere, full, t = (16π/60)·D^2.5/(μ·A₀·√(2g)); cone apex down of
// top diameter D and height H, t = (πD²√H/10)/(μ·A₀·√(2g)). `third` is H or L (unused for the sphere).
long double DrainingTime(VesselShape shape, long double vesselDiameter, long double openingDiameter, long double third,
                         long double mu);

}  // namespace velmora::calculators
