#pragma once

#include <string_view>

#include "text/Message.h"
#include "text/TextStore.h"

namespace velmora::units {

// Limits of one value. A value must not be negative; with checkMin it must reach `min`, with
// checkMax it must stay below `max` (max itself is refused); zero is refused unless allowZero.
struct ValueLimits {
  bool checkMin = false;
  bool checkMax = false;
  bool allowZero = false;
  long double min = 0;
  long double max = 0;
};

inline constexpr ValueLimits kPositive{};

// The value check of every input: each failed rule yields one message (error icon, focus on the
// field), in the order negative, minimum, maximum, zero. No message means the value passes.
text::Messages CheckValue(const text::TextStore& texts, const ValueLimits& limits, std::string_view label,
                          std::string_view field, long double value);

// The message of one broken limit: below a minimum (or zero, or negative) or above a maximum.
text::Message LimitMessage(const text::TextStore& texts, std::string_view label, std::string_view field,
                           bool aboveMaximum, const std::string& limit);

}  // namespace velmora::units
