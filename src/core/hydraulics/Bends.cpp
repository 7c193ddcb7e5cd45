#include "hydraulics/Bends.h"

#include <algorithm>
#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/PointTable.h"

namespace velmora::hydraulics {

namespace {

// Angle factor A of the local part of a bend, over δ (at most 90); tabulated.
constexpr TablePoint kBendAnglePoints[] = {{0, 0},      {20, 0.067L}, {30, 0.099L}, {45, 0.136L},
                                           {60, 0.17L}, {75, 0.195L}, {90, 0.21L}};
constexpr PointTable kBendAngleFactor{kBendAnglePoints, Outside::Zero, Outside::HoldEnd};

// ζ of segment bends over the angle, 0 … 90°; tabulated.
constexpr TablePoint kSegmentBendPoints[] = {{0, 0}, {30, 0.1L}, {45, 0.15L}, {60, 0.2L}, {90, 0.25L}};
constexpr PointTable kSegmentBend{kSegmentBendPoints, Outside::Zero, Outside::Zero};

// ζ of cast-iron bends over the nominal size, 50 … 400 mm (flat above); tabulated.
constexpr TablePoint kCastIronBendPoints[] = {{50, 1.3L}, {100, 1.5L}, {200, 1.8L}, {300, 2.1L}, {400, 2.2L}};
constexpr PointTable kCastIronBend{kCastIronBendPoints, Outside::Zero, Outside::HoldEnd};

// Aspect-ratio factor C of rectangular bends over H/B, 0.2 … 8 (flat above); tabulated.
constexpr TablePoint kRectangularBendPoints[] = {{0.2L, 1.8L}, {1, 1.0L},  {1.5L, 0.5L}, {2, 0.45L}, {3, 0.4L},
                                                 {4, 0.42L},   {5, 0.48L}, {6, 0.56L},   {7, 0.59L}, {8, 0.6L}};
constexpr PointTable kRectangularBend{kRectangularBendPoints, Outside::Zero, Outside::HoldEnd};

// K of laminar mitre elbows over δ: 6.0 up to 30°, 1.3 from 90° on; tabulated.
constexpr TablePoint kMitreLaminarPoints[] = {{30, 6.0L}, {45, 3.6L}, {75, 1.5L}, {90, 1.3L}};
constexpr PointTable kMitreLaminar{kMitreLaminarPoints, Outside::HoldEnd, Outside::HoldEnd};

// The Reynolds number that separates the rough regimes of bends.
constexpr long double kBendRoughRe = 200000.0L;

// The limit Re* = (2.89/(1000·r + 1))¹² of relative roughness r = k/D below which a bend is in
// the transition regime.
long double BendLimitReynolds(long double r) { return Power(2.89L / (1000.0L * r + 1.0L), 12); }

}  // namespace

BendRegime BendRoughnessRegime(long double k, long double D, long double Re) {
  const long double r = k / D;
  const long double limit = BendLimitReynolds(r);
  // Start with no regime; each later rule overrides; still none is "nahezu rauh".
  BendRegime regime = BendRegime::NearlyRough;
  if (r == 0) regime = BendRegime::HydraulicallySmooth;
  if (Re < limit) regime = BendRegime::Transition;
  if (Re >= kBendRoughRe && r >= 0.001L) regime = BendRegime::FullyRough;
  return regime;
}

BendCoefficient BendZeta(long double lambda, long double k, long double delta, long double R, long double D,
                         long double Re) {
  const long double friction = 0.0175L * lambda * (R / D) * delta;
  const long double A = TableValue(kBendAngleFactor, std::min(delta, 90.0L));
  const long double r = k / D;
  const BendRegime regime = BendRoughnessRegime(k, D, Re);
  const long double limit = BendLimitReynolds(r);
  const long double lambda0 = ColebrookLambda(D, Re, 0.0L);
  const long double s = A / std::sqrt(R / D);
  long double local = 0.0L;
  switch (regime) {
    case BendRegime::HydraulicallySmooth:  // reached only with Re ≥ Re* > 200000
      local = s;
      break;
    case BendRegime::Transition: local = 58.5L * s / Power(Re, 1.0L / 3.0L); break;
    case BendRegime::FullyRough: local = 2.0L * s; break;
    case BendRegime::NearlyRough:  // later rules overwrite earlier ones
      if (Re >= kBendRoughRe && r <= 0.001L) local = (1000.0L * r + 1.0L) * s;
      if (limit <= Re && Re <= kBendRoughRe && r <= 0.001L) local = 64.0L * lambda0 * (1000.0L * r + 1.0L) * s;
      if (Re <= kBendRoughRe && r >= 0.001L) local = 128.0L * lambda0 * s;
      break;
  }
  return {friction, local, friction + local};
}

long double LaminarBendZeta(long double Re, long double delta, long double R, long double D) {
  const long double De = std::sqrt(D / (2.0L * R)) * Re / 2.0L;
  if (De > 1000.0L) return 0.082L * delta / Power(Re, 0.45L) * Power(R / D, 0.725L);
  return 0.415L * delta * (R / D) / Re * Power(De, 0.36L);
}

long double SegmentBendZeta(long double delta) { return TableValue(kSegmentBend, delta); }

long double CastIronBendZeta(long double nominalSize) { return TableValue(kCastIronBend, nominalSize); }

long double RectangularBendFactor(long double ratio) { return TableValue(kRectangularBend, ratio); }

long double MitreZeta(long double Re, long double k, long double D, long double delta) {
  const long double r = k / D;
  const bool fast = Re / 1000.0L > 40.0L;
  long double C = 1.0L;
  if (r > 0 && r <= 0.001L) C = fast ? 1.0L + 500.0L * r : 1.0L;
  if (r > 0.001L) C = fast ? 1.5L : 1.0L;
  // δ in degrees in 33.5/δ, in radians inside the sines.
  const long double s = std::sin(Radians(delta) / 2.0L);
  const long double s2 = s * s;
  return 4.06L / Power(Re, 0.118L) * (33.5L / delta + 0.95L) * (0.95L * s2 + 2.05L * s2 * s2) * C;
}

long double MitreLaminarZeta(long double Re, long double k, long double D, long double delta) {
  return MitreZeta(1e6L, k, D, delta) * (1.0L + TableValue(kMitreLaminar, delta)) + 1200.0L / Re;
}

namespace laws {

namespace {

LawOutput CircularBend(const LawInput& x) {
  const MainInput& in = x.In;
  const long double Re = x.Flow.Reynolds;
  if (x.Laminar) return Fitting(LaminarBendZeta(Re, in.Input3, in.Input2, in.Input1), x);
  const long double lambda = ColebrookLambda(in.Input1, Re, in.Input6);
  LawOutput out = Fitting(BendZeta(lambda, in.Input6, in.Input3, in.Input2, in.Input1, Re).Total, x);
  out.Lambda = lambda;
  return out;
}

LawOutput SegmentBend(const LawInput& x) { return Fitting(SegmentBendZeta(x.In.Input2), x); }

LawOutput CastIronBend(const LawInput& x) { return Fitting(CastIronBendZeta(x.In.Input1), x); }

LawOutput RectangularBend(const LawInput& x) {
  const MainInput& in = x.In;
  const long double Re = x.Flow.Reynolds;
  const long double dh = x.Flow.HydraulicDiameter;
  if (x.Laminar) return Fitting(LaminarBendZeta(Re, in.Input4, in.Input3, dh), x);
  const long double lambda = ColebrookLambda(dh, Re, in.Input6);
  const BendCoefficient bend = BendZeta(lambda, in.Input6, in.Input4, in.Input3, dh, Re);
  const long double C = RectangularBendFactor(in.Input2 / in.Input1);
  LawOutput out = Fitting(bend.Friction + (bend.Total - bend.Friction) * C, x);
  out.Lambda = lambda;
  return out;
}

// 4/5 takes its angle from Input2, 4/6 from Input3 (the slot after the two sides).
LawOutput MitreElbow(const LawInput& x) {
  const MainInput& in = x.In;
  const long double Re = x.Flow.Reynolds;
  const long double D = x.Flow.HydraulicDiameter;
  const long double delta = in.ElementKind == 5 ? in.Input2 : in.Input3;
  if (x.Laminar) return Fitting(MitreLaminarZeta(Re, in.Input6, D, delta), x);
  LawOutput out = Fitting(MitreZeta(Re, in.Input6, D, delta), x);
  // The mitre law needs no friction factor, but the results table shows the pipe's λ in
  // turbulent flow as for every other bend.
  out.Lambda = ColebrookLambda(D, Re, in.Input6);
  return out;
}

}  // namespace

Law BendLaw(int kind) {
  switch (kind) {
    case 1: return &CircularBend;
    case 2: return &SegmentBend;
    case 3: return &CastIronBend;
    case 4: return &RectangularBend;
    case 5:
    case 6: return &MitreElbow;
    default: return nullptr;
  }
}

}  // namespace laws

}  // namespace velmora::hydraulics
