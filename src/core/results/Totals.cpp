#include "results/Totals.h"

#include "results/TableFormat.h"
#include "results/TableTexts.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::results {
namespace {

// 1 psi = 144 lbw./sq.ft. (square inches per square foot).
using units::kSquareInchesPerSquareFoot;
constexpr long double kMbarPerBar = 1000.0L;

}  // namespace

StatusTexts InitialStatus(const text::TextStore& texts, const DisplayOptions& options) {
  return {WindowText(texts, "TotalLabel"), FormatValue(0, 2, texts.edition()) + (options.us ? " psi" : " bar"), false};
}

StatusTexts UpdateTotals(const ResultsTable& table, const text::TextStore& texts, const DisplayOptions& options) {
  StatusTexts status;
  status.label = WindowText(texts, "TotalLabel");
  long double sum = 0;
  for (int column = 1; column <= table.ElementCount(); ++column) {
    const auto value = units::ParseNumber(table.Cell(column, row::LossSmall));
    if (value) {
      sum += *value;
    } else {
      status.unreadableCell = true;
    }
  }
  const text::Edition edition = texts.edition();
  const std::string orWord = " " + WindowText(texts, "wOr") + " ";
  if (options.us) {
    status.totals = FormatLoss(sum, options.decimals, edition) + " lbw./sq.ft." + orWord +
                    FormatLoss(sum / kSquareInchesPerSquareFoot, options.decimals, edition) + " psi";
  } else {
    status.totals = FormatLoss(sum, options.decimals, edition) + " mbar" + orWord +
                    FormatLoss(sum / kMbarPerBar, options.decimals, edition) + " bar";
  }
  return status;
}

std::string CopyTableToClipboard(const ResultsTable& table, const StatusTexts& status) {
  std::string text;
  for (int r = 0; r < kRowCount; ++r) {
    for (int column = 0; column <= table.LastElementColumn(); ++column) {
      if (column > 0) text += '\t';
      text += table.Cell(column, r);
    }
    text += "\r\n";
  }
  return text + status.label + status.totals;
}

}  // namespace velmora::results
