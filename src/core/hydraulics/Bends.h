#pragma once

// Group 4, bends and elbows. Diameters, radii and roughness in mm, angles in degrees.
namespace velmora::hydraulics {

// The roughness regimes that select the local part of a bend's ζ (internal keys: "hydraulisch
// glatt", "Grenzbereich", "vollständig rauh", "nahezu rauh").
enum class BendRegime { HydraulicallySmooth, Transition, FullyRough, NearlyRough };

// The regime of relative roughness r = k/D at Re, with the limit Re* = (2.89/(1000·r + 1))¹².
// An empirical classification of turbulent flow in bends.
BendRegime BendRoughnessRegime(long double k, long double D, long double Re);

// The turbulent ζ of a circular bend of radius R and angle δ, split into its parts.
struct BendCoefficient {
  long double Friction;  // ζF = 0.0175·λ·(R/D)·δ, with the full angle
  long double Local;     // ζM from the angle factor A(min(δ, 90)) and the roughness regime
  long double Total;     // ζF + ζM
};

// `BendZeta`(λ, k, δ, R, D) at Re, λ the pipe's friction factor. ζF is the pipe friction of the
// bend's axis, λ·(R·δ·π/180)/D with 0.0175 ≈ π/180; ζM is an empirical local part,
// A(δ)/√(R/D) (0.21/√(R/D) at 90°) times a factor of the roughness regime. Turbulent flow.
BendCoefficient BendZeta(long double lambda, long double k, long double delta, long double R, long double D,
                         long double Re);

// The laminar bend: with De = √(D/(2R))·Re/2, ζ = 0.082·δ/Re^0.45·(R/D)^0.725 above De = 1000,
// else 0.415·δ·(R/D)/Re·De^0.36. Empirical, Re < 2320 (De is half the Dean number).
long double LaminarBendZeta(long double Re, long double delta, long double R, long double D);

// 4/2 segment bend: ζ over the angle, 0 … 90°; tabulated, turbulent flow.
long double SegmentBendZeta(long double delta);

// 4/3 cast-iron bend: ζ over the nominal size, 50 … 400 mm, 2.2 above; tabulated, turbulent flow.
long double CastIronBendZeta(long double nominalSize);

// 4/4 rectangular bend: the aspect-ratio factor C over height/width, 0.2 … 8, 0.6 above;
// tabulated, turbulent flow.
long double RectangularBendFactor(long double ratio);

// 4/5, 4/6 mitre elbows, turbulent: ζ = 4.06/Re^0.118·(33.5/δ + 0.95)·(0.95·sin²(δ/2) +
// 2.05·sin⁴(δ/2))·C, C from the relative roughness k/D and Re. The angle term is Weisbach's law of
// the sharp elbow, 0.946·sin²(δ/2) + 2.047·sin⁴(δ/2) rounded; the Reynolds factor and C are
// empirical. Turbulent flow, 0 < δ ≤ 180°.
long double MitreZeta(long double Re, long double k, long double D, long double delta);

// Mitre elbows, laminar: MitreZeta(10⁶, k, D, δ)·(1 + K(δ)) + 1200/Re. Empirical, Re < 2320.
long double MitreLaminarZeta(long double Re, long double k, long double D, long double delta);

}  // namespace velmora::hydraulics
