#include "Answer.h"

#include "ResultLine.h"
#include "hydraulics/ElementCalculation.h"

namespace velmora::cli {

void Checks::Refusal(const hydraulics::MainInput& input, std::string& refused) const {
  refused.clear();
  if (!window_) return;
  for (const text::Message& message : (*window_)(input)) {
    if (!refused.empty()) refused += "\n\n";
    refused += message.text;
  }
}

bool Answer(const Checks& checks, Scratch& scratch, std::string& out) {
  const Request& request = scratch.request;
  scratch.refused.clear();
  if (!request.Failed()) checks.Refusal(request.input, scratch.refused);
  const bool refused = !scratch.refused.empty();
  hydraulics::ElementOutcome outcome;
  if (!request.Failed() && !refused) outcome = hydraulics::CalculateElement(request.input);
  AppendResultLine(out, request, outcome, {.refused = scratch.refused, .unchecked = !checks.Enabled()});
  return !refused;
}

}  // namespace velmora::cli
