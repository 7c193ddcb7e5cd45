#pragma once

// Density of a gas by the Soave–Redlich–Kwong equation of state and its boiling point at a
// pressure estimated from the normal boiling point. T in K, p in bar absolute, ρ in kg/m³.
namespace velmora::fluids {

// The constants of one gas that the equation of state needs.
struct SrkConstants {
  long double criticalTemperature = 0;  // Tc, K
  long double criticalPressure = 0;     // pc, bar
  long double acentricFactor = 0;       // ω
  long double molarMass = 0;            // M, g/mol
};

// The largest real root of z³ + a z² + b z + c = 0 in closed form (Cardano, on the depressed cubic
// y³ + P y + Q = 0, z = y − a/3): with a positive discriminant (Q/2)² + (P/3)³ the single real
// root, the sum of two real cube roots; otherwise the three real roots 2√(−P/3) cos((φ + 2πk)/3)
// with cos φ = (−Q/2)/√(−P/3)³, of which k = 0 is the largest.
long double LargestCubicRoot(long double a, long double b, long double c);

// Compressibility factor of the SRK cubic Z³ − Z² + (A − B − B²) Z − A B = 0: its largest real root.
long double SrkCompressibility(long double A, long double B);

// Soave (1972) modification of the Redlich–Kwong equation: a = 0.42748 R² Tc²/pc,
// b = 0.08664 R Tc/pc, m = 0.48 + 1.574 ω − 0.176 ω², α = (1 + m (1 − √(T/Tc)))²,
// A = a α p/(R T)², B = b p/(R T), ρ = 1000 M p/(Z R T) with R = 83.144 cm³·bar/(mol·K).
// For gases and supercritical fluids; near and below the saturation line the vapour root is
// taken. A state whose arithmetic fails yields a value that is not finite.
long double SrkGasDensity(const SrkConstants& gas, long double T, long double p);

// Antoine equation log10(p/mmHg) = A − B/(t + C) with its constants estimated from the normal
// boiling point Tb (K): c = 0.0025014 Tb^0.8303, C = 273.15 − 479 c², B = (tb + C)²/230.26/c,
// A = 2.880814 + B/(tb + C), so that the curve passes through tb at 760 mmHg; result in K.
// An estimate for pressures below the critical pressure.
long double BoilingPointAtPressure(long double p, long double Tb);

}  // namespace velmora::fluids
