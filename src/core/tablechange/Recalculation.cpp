#include "tablechange/Recalculation.h"

#include <cmath>

#include "hydraulics/CalculateElement.h"
#include "mainform/CalculateCommand.h"
#include "results/ColumnBuilder.h"
#include "results/CopyToInputs.h"
#include "results/DisplayValues.h"
#include "results/Notes.h"
#include "tablechange/DialogTexts.h"
#include "text/GlobalTexts.h"

namespace velmora::tablechange {
namespace {

bool AllFinite(const results::ColumnValues& v) {
  const long double scalars[] = {v.flow,      v.density,    v.viscosity, v.roughness, v.velocity,
                                 v.velocity2, v.reynolds,   v.reynolds2, v.lambda,    v.zeta,
                                 v.zeta2,     v.branchLoss, v.lossSmall, v.lossLarge};
  for (const long double x : scalars) {
    if (!std::isfinite(x)) return false;
  }
  for (const long double x : v.inputs) {
    if (!std::isfinite(x)) return false;
  }
  return true;
}

}  // namespace

ColumnCalculator::ColumnCalculator(const text::TextStore& texts, const results::DisplayOptions& options,
                                   mainform::MainForm current)
    : texts_(&texts), options_(options), current_(std::move(current)) {}

std::optional<mainform::MainForm> ColumnCalculator::Inputs(const results::ResultsTable& table, int column) const {
  if (!table.IsElementColumn(column) || results::ElementOfColumn(table.Column(column), *texts_) == nullptr) {
    return std::nullopt;
  }
  results::DisplayOptions precise = options_;
  precise.decimals = kIntermediateDecimals;
  return results::CopyColumnToInputs(table, column, current_, *texts_, precise);
}

text::Message ColumnCalculator::UnknownElement() const {
  return {texts_->FormText(kTableBlock, "msgUnknownElement"),
          texts_->GlobalText(text::global::kErrorCaption),
          text::MessageIcon::Error,
          {}};
}

ColumnResult ColumnCalculator::Calculate(const mainform::MainForm& form, int number) const {
  ColumnResult result;
  // The main window's calculation-error message, shown as a plain box.
  const text::Message calculationError{
      texts_->FormText(text::kMainWindowBlock, "info0"), {}, text::MessageIcon::None, {}};
  if (!results::KnownElement(form.elementGroup, form.elementKind)) {
    result.failure = {UnknownElement()};
    return result;
  }
  const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, *texts_);
  if (!checks.input) {
    // No message: a unit choice outside its list, which only a damaged form can hold.
    result.failure = checks.messages.empty() ? text::Messages{calculationError} : checks.messages;
    return result;
  }
  const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(*checks.input);
  if (outcome.GasLimit) {
    hydraulics::ElementOutcome limit;
    limit.GasLimit = true;
    result.failure = results::CalculationNotes(limit, form.elementGroup, form.elementKind, *texts_);
    return result;
  }
  const results::ColumnValues values = results::DisplayValues(*checks.input, outcome.result, options_.us);
  if (outcome.Error || !AllFinite(values)) {
    result.failure = {calculationError};
    return result;
  }
  result.notes = results::CalculationNotes(outcome, form.elementGroup, form.elementKind, *texts_);
  if (auto note = results::BoundaryRegionNote(outcome.result.Reynolds, *texts_)) result.notes.push_back(*note);
  result.column = results::BuildColumn(form, values, outcome.Laminar, number, *texts_, options_);
  return result;
}

}  // namespace velmora::tablechange
