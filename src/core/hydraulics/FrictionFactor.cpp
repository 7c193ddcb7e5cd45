#include "hydraulics/FrictionFactor.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/PointTable.h"

namespace velmora::hydraulics {

namespace {

// Laminar factor φ = λ·Re/64 of rectangular ducts at r = 0, 0.1, …, 1.0 (smaller side over
// larger side); tabulated, laminar flow.
constexpr long double kRectangularFactor[] = {1.5L, 1.34L, 1.2L, 1.1L, 1.02L, 0.97L, 0.94L, 0.92L, 0.9L, 0.89L, 0.88L};
constexpr long double kRectangularRatio[] = {0.0L, 0.1L, 0.2L, 0.3L, 0.4L, 0.5L, 0.6L, 0.7L, 0.8L, 0.9L, 1.0L};

// Laminar factor φ = λ·Re/64 of annuli over R = D/d, 1 … 100; tabulated, laminar flow.
constexpr TablePoint kAnnularFactorPoints[] = {{1, 1.5L},   {5, 1.45L},  {10, 1.4L},
                                               {20, 1.35L}, {50, 1.28L}, {100, 1.25L}};
constexpr PointTable kAnnularFactor{kAnnularFactorPoints, Outside::Zero, Outside::Zero};

// The Colebrook iteration's forward-difference step and stopping tolerance.
constexpr long double kStep = 1e-8L;
constexpr long double kTolerance = 1e-8L;
constexpr int kMaxPasses = 100;

}  // namespace

long double LaminarLambdaRectangular(long double a, long double b, long double Re) {
  const long double r = a < b ? a / b : b / a;
  // The segment is picked by the integer part of 10·r; r = 1 is the last point.
  const int segment = TruncateToInt(10.0L * r);
  long double factor = 0.0L;
  if (segment >= 10) {
    factor = kRectangularFactor[10];
  } else if (segment >= 0) {
    const auto i = static_cast<std::size_t>(segment);
    factor = Interpolate(kRectangularFactor[i + 1], kRectangularFactor[i], kRectangularRatio[i + 1],
                         kRectangularRatio[i], r);
  }
  return factor * 64.0L / Re;
}

long double LaminarLambdaAnnular(long double d, long double D, long double Re) {
  return TableValue(kAnnularFactor, D / d) * 64.0L / Re;
}

long double ColebrookResidual(long double lambda, long double d, long double Re, long double k) {
  const long double root = std::sqrt(lambda);
  // 0.868588 = 2/ln 10, 0.269 = 1/3.71: −2·log₁₀(x) = −0.868588·ln x.
  return 1.0L / root + 0.868588L * std::log(2.51L / (root * Re) + 0.269L * k / d);
}

long double ColebrookStartValue(long double d, long double Re, long double k) {
  if (Re * k / d < 65.0L) return 0.0032L + 0.221L * Power(Re, -0.237L);
  return 0.02L;
}

long double ColebrookLambda(long double d, long double Re, long double k) {
  long double lambda = ColebrookStartValue(d, Re, k);
  long double next = lambda;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    const long double f1 = ColebrookResidual(lambda, d, Re, k);
    const long double f2 = ColebrookResidual(lambda + kStep, d, Re, k);
    next = lambda - f1 * kStep / (f2 - f1);
    // From a start far above the root (very smooth pipe, very high Re) the Newton step can land
    // at or below zero, where √λ faults; halving toward zero keeps λ positive instead. Where
    // the step stays positive the iteration is untouched.
    if (next <= 0) next = lambda / 2.0L;
    if (std::fabs(lambda - next) < kTolerance) break;
    lambda = next;
  }
  return next;
}

long double CorrugatedLambda(long double x1, long double x2, long double x3, long double Re) {
  const long double e = x2 / x1;
  // e⁶ and (x3/x2)⁷ inside the tenth root, x2/x3 in the later factors, as the law is written.
  const long double lambda1 = 0.2L * Power(Power(e, 6) * Power(x3 / x2, 7), 0.1L);
  if (x2 / x3 <= 0.6L && e <= 0.0635L) {
    const long double h = std::exp(-3300.0L * Power(e, 2.6L));
    return 17000.0L * lambda1 * Power(e, 3.53L) * Power(x2 / x3, 230.0L * Power(e, 2.1L)) *
           Power(Re, 0.193L * h * x2 / x3);
  }
  return lambda1;
}

}  // namespace velmora::hydraulics
