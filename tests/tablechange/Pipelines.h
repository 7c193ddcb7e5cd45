#pragma once

#include <string>
#include <vector>

#include "mainform/MainForm.h"
#include "results/ResultsTable.h"
#include "tablechange/Recalculation.h"

namespace velmora::tablechange::testing {

// The main window's inputs for one element: water (998,2 kg/m³, 1002·10⁻⁶ kg/ms) at 36 m³/h, or
// air at 1 bar and 20 °C; the dimensions in the panel's units, the description "E<n>".
mainform::MainForm Water(int group, int kind, std::vector<std::string> dimensions);
mainform::MainForm Air(int group, int kind, std::vector<std::string> dimensions);

// A table built as the main window builds it, one calculated column per form (metric, three
// decimals, German edition).
results::ResultsTable Table(const std::vector<mainform::MainForm>& forms);

// The calculator of those tables; `current` is what the main window holds.
ColumnCalculator Calculator(bool us = false);

}  // namespace velmora::tablechange::testing
