#pragma once

#include <optional>

#include "mainform/MainForm.h"
#include "results/DisplayOptions.h"
#include "results/ResultColumn.h"
#include "results/ResultsTable.h"
#include "text/Message.h"
#include "text/TextStore.h"

// Recalculating a stored column: its inputs restored into a copy of the main window's form, the
// copy changed, checked as the calculate command checks it, calculated and written as a new column.
// The main window's own form is never touched.
namespace velmora::tablechange {

// Digits of intermediate values that are never shown (the branch flow of 5/5 and 5/6 restored from
// its column): the table's own decimals (0 … 6) could round a small branch flow away.
inline constexpr int kIntermediateDecimals = 15;

// One column recalculated: the new column, or why there is none.
struct ColumnResult {
  std::optional<results::ResultColumn> column;
  // Why the column could not be recalculated, as the messages to show: the calculate command's
  // (their focus names a field of the main window), the gas limit, the calculation error, an
  // element the catalogue does not know.
  text::Messages failure;
  // The notes of a successful calculation: the range note of a throttling device, the laminar
  // warning, the boundary region of the regime change.
  text::Messages notes;

  bool ok() const { return column.has_value(); }
};

class ColumnCalculator {
 public:
  // `options`: the units and decimals of the table; `current`: the main window's inputs, where
  // copying a column into the inputs starts from.
  ColumnCalculator(const text::TextStore& texts, const results::DisplayOptions& options, mainform::MainForm current);

  const text::TextStore& Texts() const { return *texts_; }
  const results::DisplayOptions& Options() const { return options_; }

  // The inputs of element column `column` as "copy column into inputs" restores them, the branch
  // flow of 5/5 and 5/6 with full precision (it is only an intermediate value). Nothing when the
  // column is not an element column or its row 7 names no element of the catalogue: calculating it
  // as whatever element the main window shows would give a wrong column.
  std::optional<mainform::MainForm> Inputs(const results::ResultsTable& table, int column) const;

  // Checks and calculates `form` and writes its column with running number `number`.
  ColumnResult Calculate(const mainform::MainForm& form, int number) const;

  // The message for a column whose element the catalogue does not know.
  text::Message UnknownElement() const;

 private:
  const text::TextStore* texts_;
  results::DisplayOptions options_;
  mainform::MainForm current_;
};

}  // namespace velmora::tablechange
