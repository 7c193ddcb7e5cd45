#pragma once

#include <string>
#include <string_view>

#include "CalcRequest.h"
#include "JsonWriter.h"
#include "calculators/Converters.h"
#include "calculators/EconomicDiameter.h"
#include "calculators/PumpDesignDialog.h"

// velmora-calc calc: the pump quick design, NPSH, the economic nominal diameter, the converters and
// the pipeline content of a project file.
namespace velmora::cli {

// The outcomes one answer may hold.
struct CalculatorsII {
  calculators::PumpDesignOutcome pump;
  calculators::TwoResults two;
  calculators::ValveZetaOutcome zeta;
  calculators::EconomicDiameterOutcome dn;
  calculators::Outcome plain;
};

bool IsCalculatorII(std::string_view name);

// Writes the answer's members; the outcome with the messages, nothing for another calculator. A
// file that cannot be read sets `error`.
const calculators::Outcome* AnswerCalculatorII(const CalcRequest& request, const text::TextStore& texts,
                                               const calculators::Display& display, JsonWriter& json,
                                               CalculatorsII& outcomes, std::string& error);

}  // namespace velmora::cli
