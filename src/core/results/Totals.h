#pragma once

#include <string>

#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::results {

// The two panels of the results window's status bar.
struct StatusTexts {
  std::string label;   // panel 0: the total-loss label
  std::string totals;  // panel 1: the pipeline total
  // A loss cell that did not read as a number (it counted 0); the main window's input state then
  // becomes invalid.
  bool unreadableCell = false;

  bool operator==(const StatusTexts&) const = default;
};

// The status of a table without totals yet: "0,00 bar" ("0.00 bar" in English; psi in US mode).
StatusTexts InitialStatus(const text::TextStore& texts, const DisplayOptions& options);

// Sums row 24 of all element columns as shown (the displayed, rounded values; an empty or
// unreadable cell counts 0) and writes the total in both units: metric "<sum> mbar <or> <sum/1000>
// bar", US "<sum> lbw./sq.ft. <or> <sum/144> psi", both formatted like pressure losses.
StatusTexts UpdateTotals(const ResultsTable& table, const text::TextStore& texts, const DisplayOptions& options);

// The table as text for the clipboard: every row with the cells of column 0 to the last element
// column separated by tabs and ended by CR LF, then the two status texts directly after each other.
std::string CopyTableToClipboard(const ResultsTable& table, const StatusTexts& status);

}  // namespace velmora::results
