#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "printing/TextMetrics.h"

namespace velmora::printing {

// Breaks a text into lines no wider than `width` ems: at blanks where it can, inside a word that
// is wider than a line on its own (never inside a UTF-8 character). Every line holds at least one
// character, so a narrow width still ends; an empty text is one empty line.
std::vector<std::string> WrapText(std::string_view text, double width, const TextMetrics& metrics);

}  // namespace velmora::printing
