#pragma once

// Group 5, branches. q = Q₂/Q is the branch share of the flow, n = (d2/d1)² the area ratio of
// branch to main pipe, α the branch angle in degrees; R the radius of the branch edge (mm) and
// d1 the main diameter (mm). ζ and ζ₂ are referred to the main velocity.
namespace velmora::hydraulics {

struct BranchCoefficients {
  long double Zeta;   // straight passage
  long double Zeta2;  // branch
};

// 5/5 dividing flow, turbulent: empirical laws of the straight passage (in q) and the branch (in
// q, n, α and the edge radius R/d1); 0 ≤ q ≤ 1, 0° < α < 180°.
BranchCoefficients DividingBranchZeta(long double q, long double n, long double R, long double d1, long double alpha);

// The factor K of the laminar branch ζ₂ of a dividing flow: 0.9 or 0 for a branch wider than the
// main pipe, else tabulated over q (by tenths) and α = 0 … 90°.
long double DividingLaminarFactor(long double q, long double n, long double alpha);

// 5/5 dividing flow, laminar: ζ = 3·ζturb + 33/Re; ζ₂ = ζ₂turb·(1 + K) + 150/Re. Empirical, Re < 2320.
BranchCoefficients DividingBranchLaminarZeta(const BranchCoefficients& turbulent, long double q, long double n,
                                             long double alpha, long double Re);

// 5/6 combining flow, turbulent: empirical laws of the straight passage and the branch in q, n, α
// and the edge radius R/d1; 0 ≤ q ≤ 1.
BranchCoefficients CombiningBranchZeta(long double q, long double n, long double R, long double d1, long double alpha);

// 5/6 combining flow, laminar: ζ = u·(1 − q)² − (q/n)²·(1.6 − 0.3·n) + 2·ζturb; ζ₂ = 150/Re + 2·ζ₂turb.
// Empirical, Re < 2320.
BranchCoefficients CombiningBranchLaminarZeta(const BranchCoefficients& turbulent, long double q, long double n,
                                              long double Re);

// 5/1 sharp-edged tee: ζ = 1 + 0.075·(d1/d2)⁴. Empirical, both regimes.
long double SharpTeeZeta(long double d1, long double d2);

// 5/7 straight breeches piece: ζ over the angle, 0 … 90°; tabulated.
long double StraightBreechesZeta(long double delta);

// 5/8 curved breeches piece: ζ over R/D, 0.5 … 2; tabulated.
long double CurvedBreechesZeta(long double ratio);

}  // namespace velmora::hydraulics
