#pragma once

#include <span>
#include <string>

#include "text/TextStore.h"

namespace velmora::cli {

// `velmora-calc curve FILE --from A --to B ...`: the system curve of a project file as CSV or JSON.
// Writes the answer into `out` and what the user is told into `err` (each message ended by a line
// break); returns the exit status: 0 a curve, 1 a file that cannot be read or a project without a
// curve (no elements, the gas limit, a calculation error, a zero curve), 2 unusable options
// (including a refused pump curve).
int RunCurve(std::span<const char* const> arguments, const text::TextStore& texts, std::string& out, std::string& err);

}  // namespace velmora::cli
