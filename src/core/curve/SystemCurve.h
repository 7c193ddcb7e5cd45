#pragma once

#include <vector>

#include "hydraulics/MainInput.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::curve {

// The curve asked for: the flow range in a unit of CurveFlowUnits() and the number of points.
struct CurveRequest {
  long double from = 1;
  long double to = 10;
  int flowUnit = 0;      // entry of CurveFlowUnits(); an entry outside the list counts as m³/h
  int points = 20;       // fewer than 2 are 10
  bool tableUs = false;  // the table's cells are in US units (in., ft., sq.yd.)
  bool psi = false;      // the losses in psi instead of bar
  int threads = 0;       // 0: one, or two for a long computation on a machine with two cores
};

// Why no curve came about.
enum class CurveFailure {
  None,
  EmptyRange,        // to ≤ from, a negative from, or a limit that is not a finite number
  NoElements,        // the table holds no element column
  UnreadableColumn,  // a column names no element of the catalogue, or a number of it cannot be read
  GasLimit,          // a gas loss above half the inlet pressure at some point
  CalculationError,  // an arithmetic fault at some point
  ZeroCurve,         // every summed loss is smaller than 10⁻⁷ in its unit
};

struct CurvePoint {
  long double flow = 0;  // in the request's flow unit
  long double loss = 0;  // summed over the elements: bar, or psi
};

// The system curve: the summed loss of every element column at every point, or why there is none.
struct SystemCurve {
  CurveFailure failure = CurveFailure::None;
  int failedColumn = 0;        // the element column that failed (unreadable, gas limit, calculation error)
  long double failedFlow = 0;  // the flow of the point where it failed, in the request's unit

  std::vector<CurvePoint> points;  // empty unless the curve came about
  long double smallestLoss = 0;
  long double largestLoss = 0;
  // The smallest and the largest Reynolds number of the elements that have one, over every point
  // with a flow (both 0 when none was met).
  long double reynoldsMin = 0;
  long double reynoldsMax = 0;
  // Some element is calculated with its laminar law at some points and with its turbulent law at
  // others: the curve has a kink or a step there.
  bool regimeChange = false;

  bool Ok() const { return failure == CurveFailure::None; }
};

// Recalculates every element column of the table at every point and sums the losses. The points
// lie evenly from `from` to `to` (both included); Q = 0 gives every element a loss of 0, except
// those whose loss does not depend on a flow regime: the known ζ of 12/1 (0 all the same) and the
// height difference 13/1, whose static pressure change stands at every flow. `operating` supplies
// density, viscosity and, for a gas, its inlet pressure and temperatures; the element data come
// from the columns, the flow from the point. Works on copies: the table is only read.
SystemCurve ComputeSystemCurve(const results::ResultsTable& table, const hydraulics::MainInput& operating,
                               const CurveRequest& request, const text::TextStore& texts);

// The number of points a request computes: fewer than 2 are 10.
int PointCount(int requested);

}  // namespace velmora::curve
