#pragma once

#include <optional>

#include "mainform/MainForm.h"
#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::catalogue {
struct ElementLayout;
}

namespace velmora::results {

// The catalogue element whose kind name stands in row 7 of the column before the "/" (the longest
// name that fits, so a name holding a "/" is found as well); nullptr when the row names none.
const catalogue::ElementLayout* ElementOfColumn(const ResultColumn& column, const text::TextStore& texts);

// Restores the main window's inputs from element column `column` of the table, starting from the
// form the main window holds now: element kind (found by its name in row 7), count, description,
// inputs 1–5 with their units, the two-way option, medium and phase, flow, density and viscosity
// in the table's display units, roughness, gas data and, for the branch pieces 5/5 and 5/6, the
// branch flow. Nothing for a column that is not an element column.
std::optional<mainform::MainForm> CopyColumnToInputs(const ResultsTable& table, int column,
                                                     const mainform::MainForm& current, const text::TextStore& texts,
                                                     const DisplayOptions& options);

}  // namespace velmora::results
