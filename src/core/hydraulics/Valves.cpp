#include "hydraulics/Valves.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/PointTable.h"

namespace velmora::hydraulics {

namespace {

// Crane TP-410 fT over the nominal size in mm (½ in. = 15 mm, …, 2½ in. = 65.8 mm, …, 18 in. = 450 mm).
constexpr TablePoint kNominalFrictionPoints[] = {{15, 0.027L},  {20, 0.025L},  {25, 0.023L},    {32, 0.022L},
                                                 {40, 0.021L},  {50, 0.019L},  {65.8L, 0.018L}, {100, 0.017L},
                                                 {125, 0.016L}, {150, 0.015L}, {200, 0.014L},   {250, 0.014L},
                                                 {300, 0.013L}, {400, 0.013L}, {450, 0.012L}};
constexpr PointTable kNominalFriction{kNominalFrictionPoints, Outside::HoldEnd, Outside::HoldEnd};

// ζ of U-bends over L/D, 0 … 2 (flat above); tabulated.
constexpr TablePoint kUBendPoints[] = {{0, 0.33L}, {2, 0.21L}};
constexpr PointTable kUBend{kUBendPoints, Outside::Zero, Outside::HoldEnd};

// ζ of cocks over the closing angle, 0 … 50°; tabulated.
constexpr TablePoint kCockPoints[] = {{0, 0}, {10, 0.31L}, {20, 1.84L}, {30, 6.15L}, {40, 20.7L}, {50, 95.3L}};
constexpr PointTable kCock{kCockPoints, Outside::Zero, Outside::Zero};

// ζ of butterfly valves over the closing angle, 0 … 70°; tabulated.
constexpr TablePoint kButterflyPoints[] = {{0, 0},      {10, 0.52L}, {20, 1.54L}, {30, 3.91L},
                                           {40, 10.8L}, {50, 32.6L}, {60, 118},   {70, 251}};
constexpr PointTable kButterfly{kButterflyPoints, Outside::Zero, Outside::Zero};

}  // namespace

long double TwoKZeta(long double K1, long double KInfinity, long double Re, long double D) {
  // 25.4/D is the law's 1/D with D in inches.
  return K1 / Re + KInfinity * (1.0L + 25.4L / D);
}

long double NominalSizeFrictionFactor(long double D) { return TableValue(kNominalFriction, D); }

long double UBendZeta(long double ratio) { return TableValue(kUBend, ratio); }

long double GlobeValveZeta(long double Re, long double D) { return TwoKZeta(1500.0L, 4.0L, Re, D); }

long double ObliqueGlobeValveZeta(long double Re, long double D) { return TwoKZeta(1000.0L, 2.0L, Re, D); }

long double GateValveZeta(long double x) {
  const long double theta = std::acos(x);
  // The blocked share of the bore; 0.6366197723675813431 = 2/π.
  const long double blocked = (theta - x * std::sqrt(1.0L - x * x)) * 0.6366197723675813431L;
  return 3.5L * Square(1.0L / (1.0L - blocked) - 1.0L) + 0.78L;
}

long double CockZeta(long double angle) { return TableValue(kCock, angle); }

long double ButterflyValveZeta(long double angle) { return TableValue(kButterfly, angle); }

long double LiftCheckValveZeta(long double Re, long double D) { return TwoKZeta(2000.0L, 10.0L, Re, D); }

long double SwingCheckValveZeta(long double Re, long double D) { return TwoKZeta(1500.0L, 1.5L, Re, D); }

namespace laws {

namespace {

// 6/1: 0.2 per corrugation (Input2 counts them); 6/2: 0.7 smooth, 1.4 corrugated. Fixed
// coefficients of the program, both regimes.
LawOutput Bellows(const LawInput& x) { return Fitting(0.2L * x.In.Input2, x); }

// In system-curve mode the lyre bend keeps the ζ stored with the element.
LawOutput LyreBend(const LawInput& x) {
  if (x.StoredZeta != nullptr) return Fitting(*x.StoredZeta, x);
  return Fitting(x.Option == 0 ? 0.7L : 1.4L, x);
}

LawOutput UBend(const LawInput& x) { return Fitting(UBendZeta(x.In.Input2 / x.In.Input1), x); }

LawOutput GlobeValve(const LawInput& x) { return Fitting(GlobeValveZeta(x.Flow.Reynolds, x.In.Input1), x); }

LawOutput ObliqueGlobeValve(const LawInput& x) {
  return Fitting(ObliqueGlobeValveZeta(x.Flow.Reynolds, x.In.Input1), x);
}

// 7/3 and 8/2: multiples of fT, in the form K = n·fT of Crane TP-410; turbulent flow.
LawOutput AngleValve(const LawInput& x) { return Fitting(150.0L * NominalSizeFrictionFactor(x.In.Input1), x); }

LawOutput GateValve(const LawInput& x) { return Fitting(GateValveZeta(x.In.Input2 / x.In.Input1), x); }

LawOutput Cock(const LawInput& x) { return Fitting(CockZeta(x.In.Input2), x); }

LawOutput ButterflyValve(const LawInput& x) { return Fitting(ButterflyValveZeta(x.In.Input2), x); }

LawOutput LiftCheckValve(const LawInput& x) { return Fitting(LiftCheckValveZeta(x.Flow.Reynolds, x.In.Input1), x); }

LawOutput ObliqueCheckValve(const LawInput& x) { return Fitting(55.0L * NominalSizeFrictionFactor(x.In.Input1), x); }

LawOutput SwingCheckValve(const LawInput& x) { return Fitting(SwingCheckValveZeta(x.Flow.Reynolds, x.In.Input1), x); }

}  // namespace

Law CompensatorAndValveLaw(int group, int kind) {
  constexpr Law kGroup6[] = {&Bellows, &LyreBend, &UBend};
  constexpr Law kGroup7[] = {&GlobeValve, &ObliqueGlobeValve, &AngleValve, &GateValve, &Cock, &ButterflyValve};
  constexpr Law kGroup8[] = {&LiftCheckValve, &ObliqueCheckValve, &SwingCheckValve};
  const auto pick = [kind](const auto& table) -> Law {
    return kind >= 1 && kind <= static_cast<int>(std::size(table)) ? table[kind - 1] : nullptr;
  };
  switch (group) {
    case 6: return pick(kGroup6);
    case 7: return pick(kGroup7);
    case 8: return pick(kGroup8);
    default: return nullptr;
  }
}

}  // namespace laws

}  // namespace velmora::hydraulics
