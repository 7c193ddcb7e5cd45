#pragma once

#include <string>

#include "text/Edition.h"

// The axes of the curve diagram: where they start and end, their steps and how their labels are
// written.
namespace velmora::curve {

// One axis: labels at Value(i) = start + i·step for i = 0 … intervals.
struct Axis {
  long double start = 0;
  long double step = 1;
  int intervals = 1;
  int decimals = 0;         // of the labels
  bool scientific = false;  // labels in scientific notation, written in a field of 8 or 11
  int scientificWidth = 0;  // 8 or 11 when scientific
  // The values had no range (the largest equal to the lower limit, as a line of height
  // differences alone gives): the axis got a span of its own instead of looking for a step in
  // nothing.
  bool mended = false;

  long double Value(int i) const { return start + static_cast<long double>(i) * step; }
  long double End() const { return Value(intervals); }
};

// The lower limit of the pressure axis from the smallest value: above 10 it is cut to its leading
// digit (347 → 300), between 0 and 1 as well (0.0347 → 0.03); from 1 to 10, 0 and values below 0
// stay as they are.
long double RoundedLowerLimit(long double smallest);

// An axis from `lower` to cover `largest`. It starts at 0 when largest ≥ 10·lower (lower not
// negative). The step is a tenth of the range brought to 1, 2, 2.5, 5 or 10 times a power of ten;
// the labels get the decimals of the step (at most 4, one more for a step of 2.5 below 1; none
// for steps of 1 and more, one for 2.5 itself), and scientific notation where they would need four
// or more (width 8, or 11 for five). The axis ends at the first step that reaches `largest`.
// A lower limit below 0 moves down to a whole number of steps.
Axis MakeAxis(long double lower, long double largest);

// The flow axis over the range in the chosen unit (the lower limit is not rounded).
inline Axis MakeFlowAxis(long double from, long double to) { return MakeAxis(from, to); }

// The unit the pressure axis shows the summed losses in.
struct PressureUnit {
  const char* name = "bar";  // "bar", "mbar" or "psi"
  long double scale = 1;     // axis value per summed loss: 1000 for mbar
};

// psi in US units; otherwise bar when the smallest or the largest loss reaches 1 bar (in size:
// a gain of 1 bar counts as well), else mbar.
PressureUnit ChoosePressureUnit(long double smallest, long double largest, bool psi);

struct PressureAxis {
  PressureUnit unit;
  Axis axis;
};

// The pressure axis over summed losses from `smallest` to `largest` (bar or psi) in `unit`.
PressureAxis MakePressureAxis(PressureUnit unit, long double smallest, long double largest);

// The left margin of the diagram in pixels: 30, or 45 for scientific labels of width 8, 55 for 11.
int LeftMargin(const Axis& axis);

// The label at Value(i): with the axis' decimals and the edition's decimal separator, or in
// scientific notation ("1.0E-04" for width 8, "1.25E-04" for width 11: the four-digit exponent of
// the platform's notation cut to its last two digits).
std::string AxisLabel(const Axis& axis, int i, text::Edition edition);

}  // namespace velmora::curve
