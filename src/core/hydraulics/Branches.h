#pragma once

// Group 5, branches. q = Q₂/Q is the branch share of the flow, n = (d2/d1)² the area ratio of
// branch to main pipe, α the branch angle in degrees; R the radius of the branch edge (mm) and
// d1 the main diameter (mm). ζ and ζ₂ are referred to the main velocity.
namespace velmora::hydraulics {

struct BranchCoefficients {
  long double Zeta;   // straight passage
  long double Zeta2;  // branch
};

// 5/5 dividing flow, turbulent.
BranchCoefficients DividingBranchZeta(long double q, long double n, long double R, long double d1, long double alpha);

// The factor K of the laminar branch ζ₂ of a dividing flow.
long double DividingLaminarFactor(long double q, long double n, long double alpha);

// 5/5 dividing flow, laminar: ζ = 3·ζturb + 33/Re; ζ₂ = ζ₂turb·(1 + K) + 150/Re.
BranchCoefficients DividingBranchLaminarZeta(const BranchCoefficients& turbulent, long double q, long double n,
                                             long double alpha, long double Re);

// 5/6 combining flow, turbulent.
BranchCoefficients CombiningBranchZeta(long double q, long double n, long double R, long double d1, long double alpha);

// 5/6 combining flow, laminar: ζ = u·(1 − q)² − (q/n)²·(1.6 − 0.3·n) + 2·ζturb; ζ₂ = 150/Re + 2·ζ₂turb.
BranchCoefficients CombiningBranchLaminarZeta(const BranchCoefficients& turbulent, long double q, long double n,
                                              long double Re);

// 5/1 sharp-edged tee: ζ = 1 + 0.075·(d1/d2)⁴.
long double SharpTeeZeta(long double d1, long double d2);

// 5/7 straight breeches piece: ζ over the angle, 0 … 90°.
long double StraightBreechesZeta(long double delta);

// 5/8 curved breeches piece: ζ over R/D, 0.5 … 2.
long double CurvedBreechesZeta(long double ratio);

}  // namespace velmora::hydraulics
