#pragma once

#include <span>
#include <string_view>

#include "units/UnitLists.h"

namespace velmora::curve {

// The flow units of the curve's range: the volume flows of the main window without the standard
// cubic metres, in their list order (m³/h, m³/min, m³/s, l/min, l/s, cu.ft./hr, cu.ft./min,
// cu.ft./s, petr.bl./hr, petr.bl./day, gal/hr, gal/min, gal/s), each with its factor to m³/h.
std::span<const units::Unit> CurveFlowUnits();

// The entry named `name`, or −1. "m3" may stand for "m³" (m3/h), for typing on a command line.
int FindCurveFlowUnit(std::string_view name);

}  // namespace velmora::curve
