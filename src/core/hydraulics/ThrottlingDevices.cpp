#include "hydraulics/ThrottlingDevices.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/OrificeLaws.h"
#include "hydraulics/PointTable.h"

namespace velmora::hydraulics {

namespace {

// ζ of venturi nozzles over n = β², 0.1 … 0.6, for the first and the second diffuser; tabulated.
constexpr TablePoint kVenturiFirstPoints[] = {{0.1L, 13},   {0.2L, 3},     {0.3L, 1},
                                              {0.4L, 0.5L}, {0.5L, 0.27L}, {0.6L, 0.15L}};
constexpr TablePoint kVenturiSecondPoints[] = {{0.1L, 22},   {0.2L, 5},    {0.3L, 1.8L},
                                               {0.4L, 0.8L}, {0.5L, 0.4L}, {0.6L, 0.2L}};
constexpr PointTable kVenturiFirst{kVenturiFirstPoints, Outside::Zero, Outside::Zero};
constexpr PointTable kVenturiSecond{kVenturiSecondPoints, Outside::Zero, Outside::Zero};

// The small-pipe correction of the orifice coefficient applies below 71.12 mm (2.8 in.).
constexpr long double kSmallPipe = 71.12L;

}  // namespace

long double FlowCoefficientZeta(long double beta, long double C) {
  const long double b2 = beta * beta;
  return Square(std::sqrt(1.0L - b2 * b2 * (1.0L - C * C)) / (b2 * C) - 1.0L);
}

long double OrificeDischargeCoefficient(long double beta, long double D, long double Re) {
  const long double b2 = beta * beta;
  const long double b4 = b2 * b2;
  // The Reader-Harris/Gallagher terms as ISO 5167-2:2003 writes them, D in mm.
  const long double A = Power(19000.0L * beta / Re, 0.8L);
  long double C = 0.5961L + 0.0261L * b2 - 0.216L * b4 * b4 + 0.000521L * Power(1e6L * beta / Re, 0.7L) +
                  (0.0188L + 0.0063L * A) * Power(beta, 3.5L) * Power(1e6L / Re, 0.3L) +
                  0.043L * (1.0L - 0.11L * A) * b4 / (1.0L - b4);
  if (D < kSmallPipe) C += 0.011L * (0.75L - beta) * (2.8L - D / 25.4L);
  return C;
}

long double RoundedOrificeZeta(long double n, long double r, long double d) {
  const long double t = std::tanh(13.9L * r / d);
  return Square(1.0L - n + std::sqrt((0.5L - 0.47L * t) * (1.0L - n))) / (n * n);
}

long double ThickOrificeZeta(long double beta, long double l, long double d, long double Re2) {
  const long double lambda = Re2 > 2300.0L ? 0.22L / Power(Re2, 0.2L) : 64.0L / Re2;
  // Re₂·β = Re·D/d·d/D is the pipe Reynolds number again.
  return ThickEdgedOrificeZeta(beta * beta, l, d, std::log10(Re2 * beta), l * lambda / d);
}

long double NozzleDischargeCoefficient(long double beta, long double Re) {
  return 0.99L - 0.2262L * Power(beta, 4.1L) -
         (0.00175L * beta * beta - 0.0033L * Power(beta, 4.15L)) * Power(1e6L / Re, 1.15L);
}

long double LongRadiusNozzleDischargeCoefficient(long double beta, long double Re) {
  return 0.9965L - 0.00653L * std::sqrt(beta) * std::sqrt(1e6L / Re);
}

long double VenturiNozzleZeta(long double n, int option) {
  return TableValue(option == 0 ? kVenturiFirst : kVenturiSecond, n);
}

namespace laws {

namespace {

long double Beta(const MainInput& in) { return in.Input2 / in.Input1; }

// The range notes belong to the turbulent branch only.
LawOutput WithNote(LawOutput out, const LawInput& x, bool outside) {
  out.RangeNote = !x.Laminar && outside;
  return out;
}

LawOutput IsoOrifice(const LawInput& x) {
  const long double beta = Beta(x.In);
  const long double Re = x.Flow.Reynolds;
  const long double C = OrificeDischargeCoefficient(beta, x.In.Input1, Re);
  return WithNote(Fitting(FlowCoefficientZeta(beta, C), x), x, Re < 5000.0L || Re > 1e7L);
}

LawOutput SharpOrifice(const LawInput& x) {
  return WithNote(Fitting(SharpOrificeZeta(Square(Beta(x.In))), x), x, x.Flow.Reynolds < 100000.0L);
}

LawOutput RoundedOrifice(const LawInput& x) {
  const long double zeta = RoundedOrificeZeta(Square(Beta(x.In)), x.In.Input3, x.In.Input2);
  return WithNote(Fitting(zeta, x), x, x.Flow.Reynolds < 3000.0L);
}

LawOutput ThickOrifice(const LawInput& x) {
  const long double zeta = ThickOrificeZeta(Beta(x.In), x.In.Input3, x.In.Input2, x.Flow.Reynolds2);
  return WithNote(Fitting(zeta, x), x, x.Flow.Reynolds2 < 4000.0L);
}

LawOutput Nozzle(const LawInput& x) {
  const long double beta = Beta(x.In);
  return Fitting(FlowCoefficientZeta(beta, NozzleDischargeCoefficient(beta, x.Flow.Reynolds)), x);
}

LawOutput LongRadiusNozzle(const LawInput& x) {
  const long double beta = Beta(x.In);
  return Fitting(FlowCoefficientZeta(beta, LongRadiusNozzleDischargeCoefficient(beta, x.Flow.Reynolds)), x);
}

// In system-curve mode the venturi nozzle keeps the ζ stored with the element.
LawOutput VenturiNozzle(const LawInput& x) {
  if (x.StoredZeta != nullptr) return Fitting(*x.StoredZeta, x);
  return Fitting(VenturiNozzleZeta(Square(Beta(x.In)), x.Option), x);
}

}  // namespace

Law ThrottlingDeviceLaw(int kind) {
  constexpr Law kLaws[] = {&IsoOrifice, &SharpOrifice,     &RoundedOrifice, &ThickOrifice,
                           &Nozzle,     &LongRadiusNozzle, &VenturiNozzle};
  return kind >= 1 && kind <= 7 ? kLaws[kind - 1] : nullptr;
}

}  // namespace laws

}  // namespace velmora::hydraulics
