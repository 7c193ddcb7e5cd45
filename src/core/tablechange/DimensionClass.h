#pragma once

namespace velmora::tablechange {

// What a table change may do to an element: give a circular element a new diameter (input 1),
// a rectangular one a new width and height (inputs 1 and 2), an element of any other shape only a
// new medium; the dividing and combining flows 5/5 and 5/6 are never recalculated by it.
enum class DimensionClass { Circular, Rectangular, Other, NotRecalculable };

// The class of element (group, kind); Other for a pair outside the catalogue.
DimensionClass ClassOf(int group, int kind);

}  // namespace velmora::tablechange
