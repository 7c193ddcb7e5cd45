#pragma once

#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"
#include "results/ColumnValues.h"

namespace velmora::results {

// The figures of a calculated element in the table's display units: as calculated (metric), or
// converted by the calculation's US display conversion, each input by the unit list its slot shows.
ColumnValues DisplayValues(const hydraulics::MainInput& input, const hydraulics::ElementResult& result, bool us);

}  // namespace velmora::results
