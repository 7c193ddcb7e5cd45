#include "hydraulics/PlatesAndScreens.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/InputSlots.h"
#include "hydraulics/OrificeLaws.h"
#include "hydraulics/PointTable.h"

namespace velmora::hydraulics {

namespace {

// Laminar factor of wire screens over Re, 50 … 600 (1.0 above); tabulated.
constexpr TablePoint kWireScreenFactorPoints[] = {{50, 1.4L}, {100, 1.2L}, {200, 1.08L}, {300, 1.05L}, {600, 1.0L}};
constexpr PointTable kWireScreenFactor{kWireScreenFactorPoints, Outside::Zero, Outside::HoldEnd};

// ζ of Y-strainers over the nominal diameter, 17.3 … 392.2 mm (flat outside); tabulated.
constexpr TablePoint kYStrainerPoints[] = {{17.3L, 3.07L},  {22.3L, 3.25L},  {28.5L, 2.14L},  {37.2L, 2.58L},
                                           {43.1L, 2.83L},  {54.5L, 3.11L},  {70.3L, 3.51L},  {82.5L, 4.02L},
                                           {107.1L, 3.92L}, {131.7L, 3.49L}, {159.3L, 3.26L}, {207.3L, 5.5L},
                                           {260.4L, 3.8L},  {309.7L, 4.2L},  {341.4L, 4.2L},  {392.2L, 3.5L}};
constexpr PointTable kYStrainer{kYStrainerPoints, Outside::HoldEnd, Outside::HoldEnd};

}  // namespace

long double ThinPlateLaminarZeta(long double f, long double Re) {
  const long double x = std::log10(Re);
  const long double x2 = x * x;
  const long double epsilon = 0.461465L - 0.2648592L * x + 0.2030479L * x2 - 0.06602521L * x2 * x +
                              0.01325519L * x2 * x2 - 0.001058041L * x2 * x2 * x;
  if (Re < 10.0L) return 33.0L / (Re * f * f);
  if (Re < 30.0L) return epsilon * SharpOrificeZeta(f) + 33.0L / (Re * f * f);
  return OrificeInletTerm(f, x) / (f * f) + epsilon * SharpOrificeZeta(f);
}

long double ThickPlateZeta(long double f, long double thickness, long double hole, long double Re) {
  // The holes' friction with λ = 0.02.
  return ThickEdgedOrificeZeta(f, thickness, hole, std::log10(Re), 0.02L * thickness / hole);
}

long double WireScreenZeta(long double f) { return Square(1.0L / f - 1.0L) + 1.3L * (1.0L - f); }

long double WireScreenLaminarZeta(long double f, long double Re) {
  const long double turbulent = WireScreenZeta(f);
  if (Re < 50.0L) return turbulent + 22.0L / Re;
  if (Re < 1000.0L) return turbulent * TableValue(kWireScreenFactor, Re);
  return turbulent;
}

long double DoubleGridZeta(long double f) { return 1.28L * (1.0L - f) / (f * f); }

long double YStrainerZeta(long double D) { return TableValue(kYStrainer, D); }

namespace laws {

namespace {

// The free-area ratio f from the kind's percentage slot.
long double FreeArea(const LawInput& x) { return SlotValue(x.In, x.Kind.OpeningSlot) / 100.0L; }

LawOutput ThinPlate(const LawInput& x) {
  const long double f = FreeArea(x);
  return Fitting(x.Laminar ? ThinPlateLaminarZeta(f, x.Flow.Reynolds) : SharpOrificeZeta(f), x);
}

// 10/3: hole Input2, thickness Input3; 10/4: hole Input3, thickness Input4.
LawOutput ThickPlate(const LawInput& x) {
  const MainInput& in = x.In;
  const bool circular = in.ElementKind == 3;
  const long double hole = circular ? in.Input2 : in.Input3;
  const long double thickness = circular ? in.Input3 : in.Input4;
  return Fitting(ThickPlateZeta(FreeArea(x), thickness, hole, x.Flow.Reynolds), x);
}

LawOutput WireScreen(const LawInput& x) {
  const long double f = FreeArea(x);
  return Fitting(x.Laminar ? WireScreenLaminarZeta(f, x.Flow.Reynolds) : WireScreenZeta(f), x);
}

LawOutput DoubleGrid(const LawInput& x) { return Fitting(DoubleGridZeta(FreeArea(x)), x); }

LawOutput YStrainer(const LawInput& x) { return Fitting(YStrainerZeta(x.In.Input1), x); }

// 11/8 and 11/9: fixed coefficients of the program, both regimes.
LawOutput BasketStrainer(const LawInput& x) { return Fitting(1.7L, x); }

LawOutput HatScreen(const LawInput& x) { return Fitting(4.0L, x); }

}  // namespace

Law PlateAndScreenLaw(int group, int kind) {
  constexpr Law kGroup10[] = {&ThinPlate, &ThinPlate, &ThickPlate, &ThickPlate};
  constexpr Law kGroup11[] = {&ThinPlate,  &ThinPlate, &WireScreen,     &WireScreen, &DoubleGrid,
                              &DoubleGrid, &YStrainer, &BasketStrainer, &HatScreen};
  if (group == 10 && kind >= 1 && kind <= 4) return kGroup10[kind - 1];
  if (group == 11 && kind >= 1 && kind <= 9) return kGroup11[kind - 1];
  return nullptr;
}

}  // namespace laws

}  // namespace velmora::hydraulics
