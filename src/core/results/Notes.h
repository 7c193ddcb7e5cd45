#pragma once

#include <optional>

#include "text/Message.h"
#include "text/TextStore.h"

namespace velmora::results {

// The information shown before a column is appended whose Reynolds number lies in the boundary
// region of the laminar/turbulent change, 2200 ≤ Re ≤ 2320 (both ends included); nothing otherwise.
std::optional<text::Message> BoundaryRegionNote(long double reynolds, const text::TextStore& texts);

}  // namespace velmora::results
