#pragma once

#include <optional>

#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"

namespace velmora::hydraulics {

// How an element is calculated. The defaults are the interactive calculation.
struct CalculationOptions {
  // Set while the system curve recalculates stored elements: the laminar warning and the range
  // notes are suppressed (the gas limit and the calculation error are still reported).
  bool SystemCurveMode = false;
  // System-curve mode: the two-way option decided from the stored column text, 0 or 1
  // (−1: take MainInput::Option).
  int StoredOption = -1;
  // System-curve mode: the ζ stored with a lyre bend (6/2) or venturi nozzle (9/7), used instead
  // of recomputing it. Without it those two are computed from the option.
  std::optional<long double> StoredZeta;
};

// One element calculation with its notes.
struct ElementOutcome {
  ElementResult result;
  bool Laminar = false;               // the laminar law was chosen (false for 13/1, which has no regime)
  bool LaminarWarning = false;        // laminar flow through an element without laminar law
  bool RangeNote = false;             // group 9: Re outside the law's range of validity
  bool GasLimit = false;              // the gas loss exceeds half the inlet pressure: no result
  bool Error = false;                 // arithmetic fault or unknown element: no result
  const char* ErrorReason = nullptr;  // short English reason when Error, else nullptr
};

// Calculates one element: PrepareFlow, the choice of law by the regime Reynolds number, the
// element's law, the gas correction (MainInput::Gas) and the multiplication by Count. With
// Error or GasLimit set the result must not be used. Never yields NaN or infinity: an
// arithmetic fault anywhere (division by zero, invalid operation, overflow) sets Error.
// Clears the floating-point status flags of the calling thread.
ElementOutcome CalculateElement(const MainInput& input, const CalculationOptions& options = {});

}  // namespace velmora::hydraulics
