#pragma once

#include "hydraulics/ElementKinds.h"
#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"

// Internal to the element calculation: one law function per element kind, filling ζ, ζ₂, λ and
// the losses of an element whose flow quantities are prepared. The public formula functions
// of each group live in the group headers (FrictionFactor.h, Bends.h, ...).
namespace velmora::hydraulics::laws {

struct LawInput {
  const ElementKindInfo& Kind;
  const MainInput& In;
  const ElementResult& Flow;      // v, v₂, dh, Re, Re₂
  bool Laminar;                   // the regime decision
  int Option;                     // the two-way option in effect, 0 or 1
  const long double* StoredZeta;  // system-curve mode: the stored ζ (6/2, 9/7), else nullptr
};

struct LawOutput {
  long double Zeta = 0;
  long double Zeta2 = 0;
  long double Lambda = 0;
  long double PressureLoss = 0;        // bar, one element, before the gas correction
  long double BranchPressureLoss = 0;  // mbar
  bool RangeNote = false;              // group 9: outside the law's range of validity
};

using Law = LawOutput (*)(const LawInput&);

// A fitting: ζ referred to the element velocity v.
LawOutput Fitting(long double zeta, const LawInput& x);
// A fitting whose ζ is referred to the given velocity (the downstream one of laminar cross-section changes).
LawOutput FittingAt(long double zeta, const LawInput& x, long double velocity);

// The law of (group, kind), or nullptr for an element outside the catalogue.
Law LawOf(int group, int kind);

// The laws of each group, kind by kind (defined in the group's source file).
Law StraightDuctLaw(int kind);
Law InletLaw(int kind);
Law CrossSectionChangeLaw(int kind);
Law BendLaw(int kind);
Law BranchLaw(int kind);
Law CompensatorAndValveLaw(int group, int kind);
Law ThrottlingDeviceLaw(int kind);
Law PlateAndScreenLaw(int group, int kind);
Law KnownZetaAndReversibleLaw(int group, int kind);

}  // namespace velmora::hydraulics::laws
