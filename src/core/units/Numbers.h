#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/Edition.h"

namespace velmora::units {

// Reads a typed number: blanks removed, empty reads 0, a decimal comma or point. A text that is not
// a finite number (also one with both a point and a comma, or beyond the range of long double)
// yields nothing.
std::optional<long double> ParseNumber(std::string_view text);

// Fixed-point with exactly `decimals` digits, no grouping, the edition's decimal separator.
std::string FormatNumber(long double value, int decimals, text::Edition edition);

// Rounds half away from zero (a count of 2.5 identical elements is 3); exact for every finite value.
long double RoundHalfAway(long double value);

// The value rounded half away from zero as an int; nothing when it does not fit (or is not finite),
// so that no narrowing can wrap around.
std::optional<int> RoundToInt(long double value);

}  // namespace velmora::units
