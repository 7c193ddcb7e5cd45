#pragma once

#include "hydraulics/ElementKinds.h"
#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"

namespace velmora::hydraulics {

// The flow quantities of an element: Velocity, Velocity2, HydraulicDiameter, Reynolds and
// Reynolds2 from the element's inputs and the operating data (the other fields stay 0).
// An element outside the catalogue yields all zeros. Inputs that make a quantity non-finite
// (a zero diameter, say) are not caught here: CalculateElement reports them as faults.
ElementResult PrepareFlow(const MainInput& input);

// The same for a kind already looked up.
ElementResult PrepareFlow(const ElementKindInfo& kind, const MainInput& input);

}  // namespace velmora::hydraulics
