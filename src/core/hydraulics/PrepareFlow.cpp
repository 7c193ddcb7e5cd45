#include "hydraulics/PrepareFlow.h"

#include "hydraulics/CrossSection.h"
#include "hydraulics/InputSlots.h"

namespace velmora::hydraulics {

namespace {

void PrepareMainSection(MainSection section, const MainInput& in, ElementResult& r) {
  const long double Q = in.VolumeFlow;
  switch (section) {
    case MainSection::None: return;
    case MainSection::Circular:
      r.Velocity = PipeVelocityCircular(Q, in.Input1);
      r.HydraulicDiameter = in.Input1;
      break;
    case MainSection::Rectangular:
      r.Velocity = PipeVelocityRectangular(Q, in.Input1, in.Input2);
      r.HydraulicDiameter = HydraulicDiameterRectangular(in.Input1, in.Input2);
      break;
    case MainSection::Annular:
      r.Velocity = PipeVelocityAnnular(Q, in.Input1, in.Input2);
      r.HydraulicDiameter = in.Input1 - in.Input2;
      break;
    case MainSection::FreeShape:
      r.Velocity = PipeVelocityFreeShape(Q, in.Input1);
      r.HydraulicDiameter = HydraulicDiameterFreeShape(in.Input1, in.Input2);
      break;
  }
  r.Reynolds = Reynolds(r.Velocity, in.Density, r.HydraulicDiameter, in.Viscosity);
}

void PrepareSecondSection(const ElementKindInfo& kind, const MainInput& in, ElementResult& r) {
  const long double rho = in.Density;
  const long double eta = in.Viscosity;
  switch (kind.Second) {
    case SecondSection::None: return;
    case SecondSection::Circular:
      r.Velocity2 = PipeVelocityCircular(in.VolumeFlow, in.Input2);
      r.Reynolds2 = Reynolds(r.Velocity2, rho, in.Input2, eta);
      return;
    case SecondSection::CircularHalfFlow:
      r.Velocity2 = PipeVelocityCircular(in.VolumeFlow / 2.0L, in.Input2);
      r.Reynolds2 = Reynolds(r.Velocity2, rho, in.Input2, eta);
      return;
    case SecondSection::CircularBranchFlow:
      r.Velocity2 = PipeVelocityCircular(in.BranchFlow, in.Input2);
      r.Reynolds2 = Reynolds(r.Velocity2, rho, in.Input2, eta);
      return;
    case SecondSection::Bore:
      r.Velocity2 = PipeVelocityCircular(in.VolumeFlow, in.Input2);
      r.Reynolds2 = r.Reynolds * in.Input1 / in.Input2;
      return;
    case SecondSection::Openings: r.Velocity2 = r.Velocity * 100.0L / SlotValue(in, kind.OpeningSlot); return;
    case SecondSection::Rectangular:
      r.Velocity2 = PipeVelocityRectangular(in.VolumeFlow, in.Input3, in.Input4);
      // The second Reynolds number belongs to the second section: its velocity and its
      // hydraulic diameter (pairing the first velocity with it would mix two sections).
      r.Reynolds2 = Reynolds(r.Velocity2, rho, HydraulicDiameterRectangular(in.Input3, in.Input4), eta);
      return;
  }
}

}  // namespace

ElementResult PrepareFlow(const ElementKindInfo& kind, const MainInput& input) {
  ElementResult r;
  PrepareMainSection(kind.Main, input, r);
  PrepareSecondSection(kind, input, r);
  return r;
}

ElementResult PrepareFlow(const MainInput& input) {
  const ElementKindInfo* kind = FindElementKind(input.ElementGroup, input.ElementKind);
  return kind == nullptr ? ElementResult{} : PrepareFlow(*kind, input);
}

}  // namespace velmora::hydraulics
