#pragma once

// Laws of orifices shared by the throttling devices (group 9) and the perforated plates and
// screens (groups 10 and 11): the sharp-edged orifice (9/2, the thin plates 10/1, 10/2 and the
// metal grids), the thick-edged orifice (9/4, the thick plates 10/3, 10/4) and their inlet term. n is the free-area
// ratio (bore or holes over the pipe), ζ is referred to the pipe velocity, y = log₁₀ Re with the pipe Reynolds number.
namespace velmora::hydraulics {

// Sharp-edged thin orifice, n = free-area ratio: ((1 − n) + 0.707·(1 − n)^0.375)²/n², Idelchik's
// law of the thin sharp-edged orifice in a straight pipe (Handbook of Hydraulic Resistance);
// 0.707 ≈ √0.5. Turbulent flow (the orifice's range note is given below Re = 10⁵).
long double SharpOrificeZeta(long double n);

// The low-Reynolds inlet term 0.39·e^(−18.34·n^3.5)·e^(−1.078·(y − 3)) of a contraction into
// orifices; empirical, it falls off with Re and fades out for open areas (also used by the
// laminar thin plate).
long double OrificeInletTerm(long double n, long double y);

// A thick-edged orifice of thickness l and bore d (same unit), with the bore friction term
// `friction` = λ·l/d: (1/n²)·(inlet term + ((1 − n)·(√0.5·(1 − t)·√(1 − n) + 0.5) + (1 − n)²)·
// (0.26·tanh(1.04·(y − 4)) + 0.74) + friction), t = tanh((l/d − 0.657)·2.264) running from −0.90
// (l = 0) towards 1 (long bores). Empirical; used in both regimes.
long double ThickEdgedOrificeZeta(long double n, long double l, long double d, long double y, long double friction);

}  // namespace velmora::hydraulics
