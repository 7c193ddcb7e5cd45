#include "hydraulics/Branches.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/PointTable.h"
#include "hydraulics/PressureLoss.h"

namespace velmora::hydraulics {

namespace {

// K of the laminar dividing flow over α for u = NearestInteger(10·q) = 1 … 10: (0, 0), then the
// values at 30, 45, 60 and 90°; α = 90 gives the last value, above it K is 0. Tabulated.
constexpr TablePoint kDividingK[10][5] = {
    {{0, 0}, {30, 1.35L}, {45, 1.35L}, {60, 1.2L}, {90, 1.0L}},
    {{0, 0}, {30, 1.8L}, {45, 1.8L}, {60, 1.5L}, {90, 1.1L}},
    {{0, 0}, {30, 2.6L}, {45, 2.35L}, {60, 1.85L}, {90, 1.2L}},
    {{0, 0}, {30, 3.4L}, {45, 2.9L}, {60, 2.2L}, {90, 1.3L}},
    {{0, 0}, {30, 4.75L}, {45, 3.6L}, {60, 2.6L}, {90, 1.4L}},
    {{0, 0}, {30, 6.1L}, {45, 4.3L}, {60, 3.0L}, {90, 1.5L}},
    {{0, 0}, {30, 6.65L}, {45, 4.3L}, {60, 2.85L}, {90, 1.45L}},
    {{0, 0}, {30, 7.2L}, {45, 4.3L}, {60, 2.7L}, {90, 1.4L}},
    {{0, 0}, {30, 6.6L}, {45, 3.65L}, {60, 2.5L}, {90, 1.35L}},
    {{0, 0}, {30, 6.0L}, {45, 3.0L}, {60, 2.3L}, {90, 1.3L}},
};

// ζ of straight breeches pieces over the angle, 0 … 90°; tabulated.
constexpr TablePoint kStraightBreechesPoints[] = {{0, 0}, {10, 0.1L}, {30, 0.3L}, {45, 0.7L}, {60, 1.0L}, {90, 1.4L}};
constexpr PointTable kStraightBreeches{kStraightBreechesPoints, Outside::Zero, Outside::Zero};

// ζ of curved breeches pieces over R/D, 0.5 … 2; tabulated.
constexpr TablePoint kCurvedBreechesPoints[] = {{0.5L, 1.1L}, {0.75L, 0.6L}, {1, 0.4L}, {1.5L, 0.25L}, {2, 0.2L}};
constexpr PointTable kCurvedBreeches{kCurvedBreechesPoints, Outside::Zero, Outside::Zero};

}  // namespace

BranchCoefficients DividingBranchZeta(long double q, long double n, long double R, long double d1, long double alpha) {
  const long double p = 1.0L - q;
  const long double tanBeta = std::tan(Radians((180.0L - alpha) / 2.0L));
  const long double zeta = 0.03L * p * p - 0.2L * q * p + 0.35L * q * q;
  const long double zeta2 =
      0.4L * q * p * (1.0L / n + 1.0L) / tanBeta + 0.95L * p * p +
      q * q * (1.3L / tanBeta - 0.3L + (1.0L - 0.9L * std::sqrt(R / d1 / n)) * (0.4L - 0.1L * n) / (n * n));
  return {zeta, zeta2};
}

long double DividingLaminarFactor(long double q, long double n, long double alpha) {
  if (n > 1.0L) return q <= 0.4L ? 0.9L : 0.0L;
  const int u = NearestInteger(10.0L * q);
  if (u == 0) return 0.9L;
  if (u < 0 || u > 10) return 0.0L;
  const PointTable angle{kDividingK[u - 1], Outside::Zero, Outside::Zero};
  return TableValue(angle, alpha);
}

BranchCoefficients DividingBranchLaminarZeta(const BranchCoefficients& turbulent, long double q, long double n,
                                             long double alpha, long double Re) {
  return {3.0L * turbulent.Zeta + 33.0L / Re,
          turbulent.Zeta2 * (1.0L + DividingLaminarFactor(q, n, alpha)) + 150.0L / Re};
}

BranchCoefficients CombiningBranchZeta(long double q, long double n, long double R, long double d1, long double alpha) {
  const long double p = 1.0L - q;
  const long double o = q * p * (2.0L - n);
  const long double rho = std::sqrt(R / d1);
  const long double c = std::cos(Radians(alpha));
  const long double zeta = 0.03L * p * p + o - ((1.62L - rho) * (c / n - 1.0L) + 1.0L - 0.38L * (1.0L - n)) * q * q;
  const long double zeta2 =
      o - 0.92L * p * p - q * q * ((1.2L - rho) * (c / n - 1.0L) + 0.8L * (1.0L - 1.0L / (n * n)) - c * (1.0L - n) / n);
  return {zeta, zeta2};
}

BranchCoefficients CombiningBranchLaminarZeta(const BranchCoefficients& turbulent, long double q, long double n,
                                              long double Re) {
  long double u = 1.2L - q;
  if (n <= 0.35L) {
    u = 1.8L - q;
  } else if (q <= 0.2L) {
    u = 1.8L - 4.0L * q;
  }
  return {u * Square(1.0L - q) - Square(q / n) * (1.6L - 0.3L * n) + 2.0L * turbulent.Zeta,
          150.0L / Re + 2.0L * turbulent.Zeta2};
}

long double SharpTeeZeta(long double d1, long double d2) { return 1.0L + 0.075L * Power(d1 / d2, 4); }

long double StraightBreechesZeta(long double delta) { return TableValue(kStraightBreeches, delta); }

long double CurvedBreechesZeta(long double ratio) { return TableValue(kCurvedBreeches, ratio); }

namespace laws {

namespace {

LawOutput SharpTee(const LawInput& x) { return Fitting(SharpTeeZeta(x.In.Input1, x.In.Input2), x); }

// 5/2 … 5/4: fixed coefficients of the program, both regimes.
LawOutput SphericalTee(const LawInput& x) { return Fitting(5.0L, x); }

LawOutput RoundedTee(const LawInput& x) { return Fitting(0.7L, x); }

LawOutput SphericalRoundedTee(const LawInput& x) { return Fitting(0.9L, x); }

// 5/5 and 5/6: both losses with the main velocity; the branch loss in mbar.
LawOutput BranchPiece(const LawInput& x) {
  const MainInput& in = x.In;
  const long double q = in.BranchFlow / in.VolumeFlow;
  const long double n = Square(in.Input2 / in.Input1);
  const long double alpha = in.Input4;
  const long double Re = x.Flow.Reynolds;
  BranchCoefficients zeta{};
  if (in.ElementKind == 5) {
    zeta = DividingBranchZeta(q, n, in.Input3, in.Input1, alpha);
    if (x.Laminar) zeta = DividingBranchLaminarZeta(zeta, q, n, alpha, Re);
  } else {
    zeta = CombiningBranchZeta(q, n, in.Input3, in.Input1, alpha);
    if (x.Laminar) zeta = CombiningBranchLaminarZeta(zeta, q, n, Re);
  }
  LawOutput out = Fitting(zeta.Zeta, x);
  out.Zeta2 = zeta.Zeta2;
  out.BranchPressureLoss = BranchPressureLossMbar(zeta.Zeta2, in.Density, x.Flow.Velocity);
  return out;
}

LawOutput StraightBreeches(const LawInput& x) { return Fitting(StraightBreechesZeta(x.In.Input2), x); }

LawOutput CurvedBreeches(const LawInput& x) { return Fitting(CurvedBreechesZeta(x.In.Input2 / x.In.Input1), x); }

}  // namespace

Law BranchLaw(int kind) {
  switch (kind) {
    case 1: return &SharpTee;
    case 2: return &SphericalTee;
    case 3: return &RoundedTee;
    case 4: return &SphericalRoundedTee;
    case 5:
    case 6: return &BranchPiece;
    case 7: return &StraightBreeches;
    case 8: return &CurvedBreeches;
    default: return nullptr;
  }
}

}  // namespace laws

}  // namespace velmora::hydraulics
