#include "hydraulics/OrificeLaws.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"

namespace velmora::hydraulics {

namespace {

// 0.70710678118654752440 = √0.5
constexpr long double kRootHalf = 0.70710678118654752440L;

}  // namespace

long double SharpOrificeZeta(long double n) { return Square((1.0L - n) + 0.707L * Power(1.0L - n, 0.375L)) / (n * n); }

long double OrificeInletTerm(long double n, long double y) {
  return 0.39L * std::exp(-18.34L * Power(n, 3.5L)) * std::exp(-1.078L * (y - 3.0L));
}

long double ThickEdgedOrificeZeta(long double n, long double l, long double d, long double y, long double friction) {
  const long double t = std::tanh((l / d - 0.657L) * 2.264L);
  const long double m = 1.0L - n;
  return (1.0L / (n * n)) * (OrificeInletTerm(n, y) +
                             (m * (kRootHalf * (1.0L - t) * std::sqrt(m) + 0.5L) + m * m) *
                                 (0.26L * std::tanh(1.04L * (y - 4.0L)) + 0.74L) +
                             friction);
}

}  // namespace velmora::hydraulics
