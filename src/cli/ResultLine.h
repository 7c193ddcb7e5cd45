#pragma once

#include <string>

#include "Request.h"
#include "hydraulics/ElementCalculation.h"

// The JSON line written for one request.
namespace velmora::cli {

// What an answer says beyond the calculation.
struct AnswerNotes {
  std::string_view refused;  // the main window's messages when its checks refused the input
  bool unchecked = false;    // calculated without those checks (--no-checks)
};

// Appends one line (with its newline) to `out`: the id when given, the ten ElementResult values
// at full precision (null when there is no result), the four notes and Error (null or a reason),
// then "refused" (only when refused) and "unchecked" (only when set). `outcome` is ignored when
// the request failed or was refused.
void AppendResultLine(std::string& out, const Request& request, const hydraulics::ElementOutcome& outcome,
                      const AnswerNotes& notes = {});

// Appends a finite number with 18 significant digits, independent of the process locale.
void AppendJsonNumber(std::string& out, long double value);

// Appends `text` as a JSON string: quotes, backslashes and control characters escaped; bytes
// that are not valid UTF-8 become U+FFFD.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace velmora::cli
