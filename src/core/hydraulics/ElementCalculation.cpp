#include "hydraulics/ElementCalculation.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/CrossSection.h"
#include "hydraulics/ElementKinds.h"
#include "hydraulics/ElementLaws.h"
#include "hydraulics/PrepareFlow.h"
#include "hydraulics/PressureLoss.h"

namespace velmora::hydraulics {

namespace laws {

LawOutput FittingAt(long double zeta, const LawInput& x, long double velocity) {
  LawOutput out;
  out.Zeta = zeta;
  out.PressureLoss = FittingPressureLoss(zeta, x.In.Density, velocity);
  return out;
}

LawOutput Fitting(long double zeta, const LawInput& x) { return FittingAt(zeta, x, x.Flow.Velocity); }

Law LawOf(int group, int kind) {
  switch (group) {
    case 1: return StraightDuctLaw(kind);
    case 2: return InletLaw(kind);
    case 3: return CrossSectionChangeLaw(kind);
    case 4: return BendLaw(kind);
    case 5: return BranchLaw(kind);
    case 6:
    case 7:
    case 8: return CompensatorAndValveLaw(group, kind);
    case 9: return ThrottlingDeviceLaw(kind);
    case 10:
    case 11: return PlateAndScreenLaw(group, kind);
    case 12:
    case 13: return KnownZetaAndReversibleLaw(group, kind);
    default: return nullptr;
  }
}

}  // namespace laws

namespace {

constexpr const char* kUnknownElement = "unknown element";
constexpr const char* kNonFinite = "non-finite result";

// Makes the compiler finish every computation feeding `value` before the status flags are read.
template <class T>
void Settle(T& value) {
  asm volatile("" : "+m"(value));
}

bool AllFinite(const ElementResult& r) {
  const long double values[] = {
      r.Velocity, r.Velocity2, r.HydraulicDiameter, r.Reynolds,          r.Reynolds2, r.Lambda,
      r.Zeta,     r.Zeta2,     r.PressureLoss,      r.BranchPressureLoss};
  for (const long double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

ElementOutcome Failed(const char* reason) {
  ElementOutcome out;
  out.Error = true;
  out.ErrorReason = reason;
  return out;
}

// The two-way option in effect: in system-curve mode the one decided from the stored column.
int EffectiveOption(const MainInput& in, const CalculationOptions& options) {
  if (options.SystemCurveMode && (options.StoredOption == 0 || options.StoredOption == 1)) {
    return options.StoredOption;
  }
  return in.Option == 0 ? 0 : 1;
}

}  // namespace

ElementOutcome CalculateElement(const MainInput& in, const CalculationOptions& options) {
  const ElementKindInfo* kind = FindElementKind(in.ElementGroup, in.ElementKind);
  const laws::Law law = kind == nullptr ? nullptr : laws::LawOf(in.ElementGroup, in.ElementKind);
  if (law == nullptr) return Failed(kUnknownElement);

  ArithmeticFaultGuard guard;
  ElementOutcome out;
  out.result = PrepareFlow(*kind, in);
  Settle(out.result);
  if (const char* fault = guard.Fault()) return Failed(fault);

  // 13/1 has no flow at all, hence no regime. The contractions are decided in the narrow section.
  const bool hasRegime = kind->Main != MainSection::None;
  const long double regimeRe = kind->RegimeBySecondSection ? out.result.Reynolds2 : out.result.Reynolds;
  const bool laminar = hasRegime && IsLaminar(regimeRe);
  const bool messages = !options.SystemCurveMode;
  const long double* storedZeta =
      options.SystemCurveMode && options.StoredZeta.has_value() ? &*options.StoredZeta : nullptr;

  laws::LawOutput lawOut = law({*kind, in, out.result, laminar, EffectiveOption(in, options), storedZeta});
  Settle(lawOut);
  if (const char* fault = guard.Fault()) return Failed(fault);

  ElementResult& r = out.result;
  r.Zeta = lawOut.Zeta;
  r.Zeta2 = lawOut.Zeta2;
  r.Lambda = lawOut.Lambda;
  r.PressureLoss = lawOut.PressureLoss;
  r.BranchPressureLoss = lawOut.BranchPressureLoss;
  // Quiet NaN or infinite inputs pass through arithmetic without raising a flag.
  if (!AllFinite(r)) return Failed(kNonFinite);
  out.Laminar = laminar;
  out.LaminarWarning = messages && laminar && kind->LaminarWarning;
  out.RangeNote = messages && lawOut.RangeNote;

  if (in.Gas) {
    const GasCorrected gas = GasCorrection(r.PressureLoss, in.InletPressure, in.InletTemperature, in.OutletTemperature);
    if (gas.Limit) {
      out.GasLimit = true;
      return out;
    }
    r.PressureLoss = gas.PressureLoss;
  }
  r.PressureLoss *= static_cast<long double>(in.Count);
  Settle(out.result);
  if (const char* fault = guard.Fault()) return Failed(fault);
  if (!AllFinite(r)) return Failed(kNonFinite);
  return out;
}

}  // namespace velmora::hydraulics
