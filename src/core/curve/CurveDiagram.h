#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "curve/CurveAxis.h"
#include "curve/PumpCurve.h"
#include "curve/SystemCurve.h"
#include "text/TextStore.h"

namespace velmora::curve {

// A point of the diagram in axis values: flow in the flow unit, pressure in the axis unit.
struct DiagramPoint {
  long double flow = 0;
  long double pressure = 0;
};

// Everything the diagram shows, in axis values; a painter only maps it onto its frame.
struct Diagram {
  Axis flowAxis;
  PressureAxis pressure;
  std::string pressureTitle;  // loss word and axis unit in parentheses, top left
  std::string flowTitle;      // flow word and flow unit in parentheses, bottom right
  std::vector<std::string> flowLabels;
  std::vector<std::string> pressureLabels;
  std::vector<DiagramPoint> system;  // the system curve, through its points
  std::vector<DiagramPoint> pump;    // the fitted pump curve where it is known; empty without one
  std::optional<DiagramPoint> operatingPoint;
};

// The pump curve over the system curve, with the operating point (when they meet).
struct PumpOverlay {
  PumpCurve curve;
  std::optional<OperatingPoint> operatingPoint;
};

// The diagram of a computed curve: the flow axis over the range, the pressure axis in the unit the
// curve's own losses choose (bar or mbar, psi in US units), stretched where a pump curve reaches
// beyond them.
Diagram MakeDiagram(const SystemCurve& curve, std::string_view flowUnit, bool psi, const PumpOverlay* pump,
                    const text::TextStore& texts);

}  // namespace velmora::curve
