#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "curve/SystemCurve.h"

// A pump curve laid over the system curve: its points, the quadratic fitted through them by least
// squares, and the operating point where it meets the system curve.
namespace velmora::curve {

// One point of a pump curve: the flow in the curve's flow unit and the head, in m or as a
// pressure in the diagram's axis unit.
struct PumpPoint {
  long double flow = 0;
  long double head = 0;
};

enum class PumpProblem {
  None,
  NotANumber,    // a line (or pair) that is not two numbers
  TooFewPoints,  // fewer than three points with different flows
  Rising,        // the fitted head rises with the flow somewhere between the points
};

struct PumpPoints {
  std::vector<PumpPoint> points;
  PumpProblem problem = PumpProblem::None;
  int line = 0;          // NotANumber: the line (1, 2, …) or pair that could not be read
  std::string lineText;  // and its text
};

// Lines of "flow<tab>head" or "flow;head", as typed or pasted from a spreadsheet; numbers with a
// decimal point or comma; empty lines and empty trailing cells are skipped. With headingAllowed a
// first line without any number is taken as the heading a spreadsheet copies along.
PumpPoints ParsePumpLines(std::string_view text, bool headingAllowed = true);
// Pairs "Q1:H1,Q2:H2,…" with decimal points, as the command line takes them.
PumpPoints ParsePumpPairs(std::string_view text);

// What the heads are given in.
enum class HeadUnit { Metre, AxisUnit };

// The unit of the summed losses (bar or psi), the axis unit's factor to it and the medium's
// density, which turn a head into a pressure: Δp = ρ·g·H with standard gravity.
struct LossUnit {
  bool psi = false;
  long double axisScale = 1;  // axis value per loss: 1000 for mbar
  long double density = 998.2L;

  long double FromHead(long double metres) const;
  long double ToHead(long double loss) const;
};

// The pump's pressure rise over the flow, Δp(Q) = c0 + c1·x + c2·x² with x = (Q − centre)/halfSpan,
// in the losses' unit (bar or psi), fitted to points from `lowest` to `highest` flow.
struct PumpCurve {
  long double c0 = 0, c1 = 0, c2 = 0;
  long double centre = 0;
  long double halfSpan = 1;
  long double lowest = 0;
  long double highest = 0;

  long double At(long double flow) const;
};

struct PumpFit {
  std::optional<PumpCurve> curve;
  PumpProblem problem = PumpProblem::None;
};

// The least-squares quadratic through the points (their heads converted into losses). Refused
// with fewer than three different flows, and when the fitted pressure rises with the flow
// (dH/dQ > 0) between the lowest and the highest flow given, as a pump's does not: by more than
// 0.1 % of its largest value, so that a flat start typed with rounded figures passes.
PumpFit FitPumpCurve(std::span<const PumpPoint> points, HeadUnit unit, const LossUnit& loss);

struct OperatingPoint {
  long double flow = 0;  // in the curve's flow unit
  long double loss = 0;  // bar or psi, on the system curve
  long double head = 0;  // m
};

// Where the pump curve meets the system curve, the latter interpolated linearly between its
// points; sought where both are known: within the computed range and within the flows of the pump
// points. The first meeting from the low flows on; nothing when they do not meet there.
std::optional<OperatingPoint> FindOperatingPoint(const SystemCurve& system, const PumpCurve& pump,
                                                 const LossUnit& loss);

}  // namespace velmora::curve
