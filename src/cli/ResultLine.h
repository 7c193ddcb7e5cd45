#pragma once

#include <string>

#include "Request.h"
#include "hydraulics/ElementCalculation.h"

// The JSON line written for one request.
namespace velmora::cli {

// Appends one line (with its newline) to `out`: the id when given, the ten ElementResult values
// at full precision (null when there is no result), the four notes and Error (null or a reason).
// `outcome` is ignored when the request failed.
void AppendResultLine(std::string& out, const Request& request, const hydraulics::ElementOutcome& outcome);

// Appends `text` as a JSON string: quotes, backslashes and control characters escaped; bytes
// that are not valid UTF-8 become U+FFFD.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace velmora::cli
