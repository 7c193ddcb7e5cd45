// Group 12, elements with a known ζ, and group 13, reversible pressure changes (ζ = 0).
#include "hydraulics/ElementLaws.h"
#include "hydraulics/PressureLoss.h"

namespace velmora::hydraulics::laws {

namespace {

// The user's own ζ, both regimes.
LawOutput KnownZetaCircular(const LawInput& x) { return Fitting(x.In.Input2, x); }

LawOutput KnownZetaRectangular(const LawInput& x) { return Fitting(x.In.Input3, x); }

LawOutput HeightDifference(const LawInput& x) {
  LawOutput out;
  out.PressureLoss = HeightPressureChange(x.In.Density, x.In.Input1);
  return out;
}

LawOutput DynamicChange(const LawInput& x) {
  LawOutput out;
  out.PressureLoss = DynamicPressureChange(x.Flow.Velocity, x.Flow.Velocity2, x.In.Density);
  return out;
}

}  // namespace

Law KnownZetaAndReversibleLaw(int group, int kind) {
  if (group == 12 && kind == 1) return &KnownZetaCircular;
  if (group == 12 && kind == 2) return &KnownZetaRectangular;
  if (group == 13 && kind == 1) return &HeightDifference;
  if (group == 13 && (kind == 2 || kind == 3)) return &DynamicChange;
  return nullptr;
}

}  // namespace velmora::hydraulics::laws
