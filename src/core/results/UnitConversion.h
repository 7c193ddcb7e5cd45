#pragma once

#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::results {

// Converts every element column in place between metric and US display units (toUs: metric to US,
// else US to metric): flow, density, viscosity, the inputs 1 … 4 shown in mm, m or m², the
// velocities, the roughness and the losses; row 25 is recomputed from the new row 24. Each value
// is read from its text and rewritten with `decimals` digits (losses above 9999 in the scientific
// form); empty and unreadable cells keep their text. Reynolds numbers, λ and ζ stay. The labels
// and totals are the caller's to rewrite afterwards.
void ConvertTableUnits(ResultsTable& table, bool toUs, int decimals, const text::TextStore& texts);

}  // namespace velmora::results
