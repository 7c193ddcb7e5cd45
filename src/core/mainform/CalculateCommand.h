#pragma once

#include <optional>

#include "hydraulics/MainInput.h"
#include "mainform/InputChecks.h"
#include "mainform/MainForm.h"
#include "text/TextStore.h"

namespace velmora::mainform {

// Reads, converts and checks every input of one calculation, stopping at the first failed step.
// Each text of the form is read once; the checks are those of CheckCalculation.
CalculateChecks CheckCalculateInputs(const MainForm& form, const text::TextStore& texts,
                                     const CalculateOptions& options = {});

// The values of the form in base units (no checks): density, flow, viscosity, gas data, branch flow.
// Fails (nothing) when a value or unit cannot be read.
std::optional<hydraulics::MainInput> ConvertMainInputs(const MainForm& form);

}  // namespace velmora::mainform
