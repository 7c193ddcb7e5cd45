#pragma once

#include <string>
#include <string_view>

namespace velmora::text {

// Field k (from 1) of a tab-separated line: the text between the (k-1)-th and the k-th tab.
// A line with fewer than k-1 tabs yields an empty field; a line without a tab is field 1.
std::string_view FieldView(std::string_view line, int k);

inline std::string FieldOf(std::string_view line, int k) { return std::string(FieldView(line, k)); }

}  // namespace velmora::text
