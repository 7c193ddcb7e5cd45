#include "hydraulics/CrossSectionChanges.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/FrictionFactor.h"

namespace velmora::hydraulics {

namespace {

// Laminar ζ of the sudden contraction, tabulated: rows n = 0.1 … 0.6, columns at Re₂ = 10 … 10000,
// then the value from 10000 on.
constexpr long double kContractionRe[] = {10, 20, 30, 40, 50, 100, 200, 500, 1000, 2000, 4000, 5000, 10000};
constexpr long double kContractionZeta[6][14] = {
    {5.0L, 3.2L, 2.4L, 2.0L, 1.8L, 1.3L, 1.04L, 0.82L, 0.64L, 0.5L, 0.8L, 0.75L, 0.5L, 0.45L},
    {5.0L, 3.1L, 2.3L, 1.84L, 1.62L, 1.2L, 0.95L, 0.7L, 0.5L, 0.4L, 0.6L, 0.6L, 0.4L, 0.4L},
    {5.0L, 2.95L, 2.15L, 1.7L, 1.5L, 1.1L, 0.85L, 0.6L, 0.44L, 0.3L, 0.55L, 0.55L, 0.35L, 0.35L},
    {5.0L, 2.8L, 2.0L, 1.6L, 1.4L, 1.0L, 0.78L, 0.5L, 0.35L, 0.25L, 0.45L, 0.5L, 0.3L, 0.3L},
    {5.0L, 2.7L, 1.8L, 1.46L, 1.3L, 0.9L, 0.65L, 0.42L, 0.3L, 0.2L, 0.4L, 0.42L, 0.25L, 0.25L},
    {5.0L, 2.6L, 1.7L, 1.35L, 1.2L, 0.8L, 0.56L, 0.35L, 0.24L, 0.15L, 0.35L, 0.35L, 0.2L, 0.2L},
};
constexpr std::size_t kContractionColumns = std::size(kContractionRe);

}  // namespace

long double SuddenExpansionZeta(long double d1, long double d2) { return Square(Square(d1 / d2) - 1.0L); }

long double SuddenExpansionLaminarZeta(long double d1, long double d2, long double Re) {
  if (Re < 10.0L) return 30.0L / Re;
  const long double m = 1.0L - Square(d1 / d2);
  const long double m2 = m * m;
  const long double m4 = m2 * m2;
  const long double x = std::log10(Re);
  if (Re < 500.0L) {
    return 3.62536L + 10.744L * m2 - 4.41041L * m4 + (33.40344L * m4 - 18.13L - 56.77855L * m2) / x +
           (30.8558L + 99.9542L * m2 - 62.78L * m4) / (x * x) + (33.8053L * m4 - 13.217L - 53.9555L * m2) / (x * x * x);
  }
  return -8.44556L - 26.163L * m2 - 5.38086L * m4 + x * (3.9978L * m4 + 18.5372L * m2 + 6.007L) +
         x * x * (-1.02318L - 3.0916L * m2 - 0.680943L * m4);
}

long double GradualExpansionZeta(long double d1, long double d2, long double delta, long double lambda) {
  const long double t = Square(d1 / d2);
  const long double theta = Radians(delta);
  const long double a = 0.0282L * delta;
  const long double friction =
      (1.0L - t * t) * (lambda * ((d2 - d1) / 2.0L / std::tan(theta)) / d1 / 4.0L) / (1.0L / std::sqrt(t) - 1.0L);
  const long double local =
      (std::tanh(a) + 522.0L * Power(delta / 50.0L, 4.365L) * std::exp(-0.16L * delta)) * Square(1.0L - t);
  return friction + local;
}

long double GradualExpansionLaminarZeta(long double d1, long double d2, long double delta, long double Re) {
  return 20.0L * Power(Square(d2 / d1), 0.33L) / Power(std::tan(Radians(delta)), 0.75L) / Re;
}

long double SuddenContractionZeta(long double d1, long double d2) {
  const long double n = Square(d2 / d1);
  return 0.5L * Power(1.0L - n, 0.75L) * Power(d1 / d2, 4);
}

long double SuddenContractionLaminarZeta(long double d1, long double d2, long double Re2) {
  const long double n = Square(d2 / d1);
  int row = NearestInteger(10.0L * n);
  if (row < 1) row = 1;
  if (row > 6) row = 6;
  const long double* zeta = kContractionZeta[row - 1];
  if (Re2 < kContractionRe[0]) return zeta[0];
  for (std::size_t i = 0; i + 1 < kContractionColumns; ++i) {
    if (Re2 < kContractionRe[i + 1]) {
      return Interpolate(zeta[i + 1], zeta[i], kContractionRe[i + 1], kContractionRe[i], Re2);
    }
  }
  return zeta[kContractionColumns];  // from Re₂ = 10000 on (and NaN, which is already a fault)
}

long double GradualContractionZeta(long double d1, long double d2, long double delta, long double lambda) {
  const long double n = Square(d2 / d1);
  const long double n2 = n * n;
  const long double l = 2.0L * delta * 0.01745L;
  const long double shape = -0.0125L * n2 * n2 + 0.0224L * n2 * n - 0.00723L * n2 + 0.00444L * n - 0.00745L;
  // θ is δ in radians, as for the gradual expansion.
  const long double friction = lambda * (1.0L - n2) / (8.0L * std::sin(Radians(delta)));
  return (shape * (l * l * l - 2.0L * Pi * l * l - 10.0L * l) + friction) * Power(d1 / d2, 4);
}

long double GradualContractionLaminarZeta(long double d1, long double d2, long double delta, long double Re2) {
  return 20.5L / (d2 / d1) / Power(std::tan(Radians(delta)), 0.75L) / Re2;
}

namespace laws {

namespace {

// Laminar ζ is referred to the downstream velocity v₂, so is its loss.
LawOutput Downstream(long double zeta, const LawInput& x) { return FittingAt(zeta, x, x.Flow.Velocity2); }

LawOutput SuddenExpansion(const LawInput& x) {
  const MainInput& in = x.In;
  if (x.Laminar) return Downstream(SuddenExpansionLaminarZeta(in.Input1, in.Input2, x.Flow.Reynolds), x);
  return Fitting(SuddenExpansionZeta(in.Input1, in.Input2), x);
}

LawOutput GradualExpansion(const LawInput& x) {
  const MainInput& in = x.In;
  if (x.Laminar) {
    return Downstream(GradualExpansionLaminarZeta(in.Input1, in.Input2, in.Input3, x.Flow.Reynolds), x);
  }
  const long double lambda = ColebrookLambda(in.Input1, x.Flow.Reynolds, in.Input6);
  LawOutput out = Fitting(GradualExpansionZeta(in.Input1, in.Input2, in.Input3, lambda), x);
  out.Lambda = lambda;
  return out;
}

LawOutput SuddenContraction(const LawInput& x) {
  const MainInput& in = x.In;
  if (x.Laminar) return Downstream(SuddenContractionLaminarZeta(in.Input1, in.Input2, x.Flow.Reynolds2), x);
  return Fitting(SuddenContractionZeta(in.Input1, in.Input2), x);
}

LawOutput GradualContraction(const LawInput& x) {
  const MainInput& in = x.In;
  if (x.Laminar) {
    return Downstream(GradualContractionLaminarZeta(in.Input1, in.Input2, in.Input3, x.Flow.Reynolds2), x);
  }
  const long double lambda = ColebrookLambda(in.Input1, x.Flow.Reynolds, in.Input6);
  LawOutput out = Fitting(GradualContractionZeta(in.Input1, in.Input2, in.Input3, lambda), x);
  out.Lambda = lambda;
  return out;
}

}  // namespace

Law CrossSectionChangeLaw(int kind) {
  switch (kind) {
    case 1: return &SuddenExpansion;
    case 2: return &GradualExpansion;
    case 3: return &SuddenContraction;
    case 4: return &GradualContraction;
    default: return nullptr;
  }
}

}  // namespace laws

}  // namespace velmora::hydraulics
