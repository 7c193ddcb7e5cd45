#pragma once

#include <cstddef>
#include <string_view>

namespace velmora::text {

// The length in bytes of the valid UTF-8 sequence of two to four bytes starting at s[i], or 0 when
// none starts there (ASCII, a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i);

}  // namespace velmora::text
