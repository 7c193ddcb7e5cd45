#pragma once

#include <optional>

#include "hydraulics/ElementCalculation.h"
#include "text/Message.h"
#include "text/TextStore.h"

namespace velmora::results {

// The information shown before a column is appended whose Reynolds number lies in the boundary
// region of the laminar/turbulent change, 2200 ≤ Re ≤ 2320 (both ends included); nothing otherwise.
std::optional<text::Message> BoundaryRegionNote(long double reynolds, const text::TextStore& texts);

// The messages of one element calculation, in the order they are shown: the range note of a
// throttling device (note caption, information icon), the laminar warning (a plain box), the
// gas-limit message (its caption, error icon). The calculation-error message belongs to the main
// window and is not among them.
text::Messages CalculationNotes(const hydraulics::ElementOutcome& outcome, int group, int kind,
                                const text::TextStore& texts);

}  // namespace velmora::results
