#pragma once

// Pressure losses in bar (branch losses of tees in mbar), ρ in kg/m³, v in m/s.
// Products are formed in the written order so that exact boundary cases stay exact.
namespace velmora::hydraulics {

// Straight duct of length L (m) and (hydraulic) diameter d (mm): Δp = v²·ρ·L·λ·0.01/(2·d), the
// Darcy–Weisbach law λ·L/d·ρv²/2 for any regime with its λ; 0.01 = 1000 mm/m ÷ 10⁵ Pa/bar.
inline long double PipePressureLoss(long double d, long double v, long double rho, long double L, long double lambda) {
  return v * v * rho * L * lambda * 0.01L / (2.0L * d);
}

// The resistance coefficient of a straight duct, ζ = λ·L/d·1000 (Darcy–Weisbach; 1000 mm per m).
inline long double PipeZeta(long double lambda, long double L, long double d) { return lambda * L / d * 1000.0L; }

// A fitting: Δp = ζ/2/100000·ρ·v², ζ referred to v: the definition of ζ, Δp = ζ·ρv²/2, in bar.
inline long double FittingPressureLoss(long double zeta, long double rho, long double v) {
  return zeta / 2.0L / 100000.0L * rho * v * v;
}

// The branch of a tee in mbar: ζ₂/2/100000·ρ·v²·1000, with the main velocity v.
inline long double BranchPressureLossMbar(long double zeta2, long double rho, long double v) {
  return zeta2 / 2.0L / 100000.0L * rho * v * v * 1000.0L;
}

// Geodetic height H (m): Δp = ρ·9.81·H/100000, the hydrostatic ρ·g·H with g = 9.81 m/s² (the
// standard 9.80665 rounded); negative H is a pressure gain.
inline long double HeightPressureChange(long double rho, long double H) { return rho * 9.81L * H / 100000.0L; }

// Change of kinetic energy from v1 to v2: Δp = (v2² − v1²)·(ρ/2)/100000, Bernoulli's equation
// between two sections of an incompressible flow.
inline long double DynamicPressureChange(long double v1, long double v2, long double rho) {
  return (v2 * v2 - v1 * v1) * (rho / 2.0L) / 100000.0L;
}

// The compressible correction of an incompressibly computed loss.
struct GasCorrected {
  bool Limit = false;            // the element cannot be calculated for this gas
  long double PressureLoss = 0;  // the corrected loss (bar) when not Limit
};

// Corrects Δp for a gas of absolute inlet pressure p1 (bar), inlet and outlet temperatures
// T1, T2 (K): Δp > p1/2 is the gas limit; otherwise Δp ← p1·(1 − √(1 − (2·Δp/p1)·((T1 + T2)/2)/T1)).
// Derivation: friction in an ideal gas, −p·dp ∝ ṁ²·R·T·dx, integrates to p1² − p2² = 2·p1·Δp·Tm/T1
// with the incompressible Δp at inlet density and the mean temperature Tm = (T1 + T2)/2.
GasCorrected GasCorrection(long double dp, long double p1, long double T1, long double T2);

}  // namespace velmora::hydraulics
