#pragma once

// Laws of thick-edged orifices, shared by the thick orifice of the throttling devices (9/4) and
// the thick perforated plates (10/3, 10/4). n is the free-area ratio (bore or holes over the
// pipe), ζ is referred to the pipe velocity, y = log₁₀ Re with the pipe Reynolds number.
namespace velmora::hydraulics {

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
