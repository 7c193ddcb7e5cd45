#pragma once

#include <optional>

#include "hydraulics/ElementCalculation.h"
#include "hydraulics/MainInput.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::curve {

// An element column of the results table as the system curve recalculates it: the element's
// kind, count, dimensions and roughness in base units, and what the curve takes from the column
// instead of the main window — the two-way option, the ζ of the lyre bend and the venturi nozzle,
// the share of the branch flow of the branch pieces.
struct StoredElement {
  int column = 0;
  // The element part of the input (group, kind, Input1 … Input6, Count); the operating data are
  // the main window's and the flow that of the point.
  hydraulics::MainInput input;
  hydraulics::CalculationOptions options;
  // 5/5 and 5/6: g = Q/Q₂, so that the branch flow at a point is Q/g; 0 for every other element.
  long double branchRatio = 0;
};

// Reads element column `column`: the kind by its name in row 7 and the count after the "/",
// inputs 1 … 5 from rows 8 … 12 by the unit each row names (in., ft. and sq.yd. of a table in US
// units brought back to mm, m and m²), the roughness from row 19 (in. in US units), the option
// from row 13 (option 0 when the row holds the text of option 0), the stored ζ of 6/2 and 9/7
// from row 21, and for 5/5 and 5/6 g = (Input1/Input2)²·v/v₂ with the velocities of rows 14 and
// 16 (v₂ = v/1000 when row 16 holds 0). Nothing when the column names no element of the
// catalogue or a number it needs cannot be read.
std::optional<StoredElement> ReadStoredElement(const results::ResultsTable& table, int column,
                                               const text::TextStore& texts, bool tableUs);

}  // namespace velmora::curve
