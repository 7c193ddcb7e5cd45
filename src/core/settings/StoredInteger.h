#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::settings {

// Integers and list indices are stored as decimal text. Reading takes an optional sign and digits,
// nothing else: an empty, blank-padded, fractional or out-of-range text is no integer.
std::optional<int> ParseStoredInteger(std::string_view text);
std::string StoredIntegerText(int value);

}  // namespace velmora::settings
