#include "tablechange/TableChange.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "catalogue/ElementLayout.h"
#include "mainform/InputChecks.h"
#include "results/CopyToInputs.h"
#include "tablechange/DialogTexts.h"
#include "tablechange/FieldMessages.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"
#include "units/ValueCheck.h"

namespace velmora::tablechange {
namespace {

bool IsCircularBend(const mainform::MainForm& form) { return form.elementGroup == 4 && form.elementKind == 1; }

// R_new = R/D · D_new, both old lengths taken in mm so that a radius and a diameter given in
// different units keep their true ratio; the radius is then given in the new diameter's unit.
void KeepBendRatio(mainform::MainForm& form, const Length& diameter, int decimals, text::Edition edition) {
  const auto mm = units::LengthUnits(units::LengthList::Millimetre);
  const auto oldD = units::ParseNumber(form.dimensions[0]);
  const auto oldR = units::ParseNumber(form.dimensions[1]);
  const auto newD = units::ParseNumber(diameter.text);
  if (!oldD || !oldR || !newD) return;  // the checks name the field
  const auto dMm = units::ToBase(mm, form.dimensionUnits[0], *oldD);
  const auto rMm = units::ToBase(mm, form.dimensionUnits[1], *oldR);
  if (!dMm || !rMm) return;
  const long double radius = *rMm / *dMm * *newD;
  if (!std::isfinite(radius)) return;
  form.dimensions[1] = units::FormatNumber(radius, decimals, edition);
  form.dimensionUnits[1] = diameter.unit;
}

void SetLength(mainform::MainForm& form, std::size_t slot, const Length& length) {
  form.dimensions[slot] = length.text;
  form.dimensionUnits[slot] = length.unit;
}

// Reads a ticked dimension of the dialog: a number above 0. Nothing (and the message) otherwise.
std::optional<Length> ReadLength(const std::string& text, int unit, const char* captionKey, const char* field,
                                 const text::TextStore& texts, text::Messages& messages) {
  const std::string& caption = texts.FormText(kTableBlock, captionKey);
  const auto value = units::ParseNumber(text);
  if (!value) {
    messages.push_back(InvalidField(texts, caption, field));
    return std::nullopt;
  }
  const text::Messages sign = units::CheckValue(texts, units::kPositive, caption, field, *value);
  if (!sign.empty()) {
    messages.insert(messages.end(), sign.begin(), sign.end());
    return std::nullopt;
  }
  return Length{text, unit};
}

}  // namespace

bool Touches(const TableChange& change, DimensionClass cls) {
  if (cls == DimensionClass::NotRecalculable) return false;
  if (change.medium) return true;
  if (change.diameter && cls == DimensionClass::Circular) return true;
  return change.width && change.height && cls == DimensionClass::Rectangular;
}

void ApplyChange(const TableChange& change, DimensionClass cls, mainform::MainForm& form, int decimals,
                 text::Edition edition) {
  if (cls == DimensionClass::NotRecalculable) return;
  if (change.medium) change.medium->WriteInto(form);
  if (change.diameter && cls == DimensionClass::Circular) {
    if (IsCircularBend(form)) KeepBendRatio(form, *change.diameter, decimals, edition);
    SetLength(form, 0, *change.diameter);
  }
  if (change.width && change.height && cls == DimensionClass::Rectangular) {
    SetLength(form, 0, *change.width);
    SetLength(form, 1, *change.height);
  }
}

namespace {

// Recalculates one column with the change, when the change touches it: its new column, its
// failure, or nothing (untouched).
std::optional<ColumnResult> RecalculateWith(const results::ResultsTable& table, int column, const TableChange& change,
                                            bool touchAll, const ColumnCalculator& calculator) {
  const catalogue::ElementLayout* element = results::ElementOfColumn(table.Column(column), calculator.Texts());
  std::optional<mainform::MainForm> form = calculator.Inputs(table, column);
  if (element == nullptr || !form) {
    // Whether the change would touch it cannot even be told.
    ColumnResult unknown;
    unknown.failure = {calculator.UnknownElement()};
    return unknown;
  }
  const DimensionClass cls = ClassOf(element->group, element->kind);
  if (touchAll && cls == DimensionClass::NotRecalculable) {
    ColumnResult kept;
    kept.failure = {
        {calculator.Texts().FormText(kTableBlock, "msgNotRecalculable"), {}, text::MessageIcon::Information, {}}};
    return kept;
  }
  if (!touchAll && !Touches(change, cls)) return std::nullopt;
  ApplyChange(change, cls, *form, calculator.Options().decimals, calculator.Texts().edition());
  return calculator.Calculate(*form, column);
}

}  // namespace

TableChangeOutcome ChangeTable(results::ResultsTable& table, const TableChange& change,
                               const ColumnCalculator& calculator) {
  TableChangeOutcome outcome;
  const int first = std::max(1, change.first);
  const int last = change.last <= 0 ? table.ElementCount() : std::min(change.last, table.ElementCount());
  std::vector<std::pair<int, results::ResultColumn>> recalculated;
  for (int column = first; column <= last; ++column) {
    std::optional<ColumnResult> result = RecalculateWith(table, column, change, false, calculator);
    if (!result) continue;
    if (!result->ok()) {
      outcome.failure = ColumnFailure{column, std::move(result->failure)};
      outcome.notes.clear();
      return outcome;
    }
    for (text::Message& note : result->notes) outcome.notes.push_back({column, std::move(note)});
    recalculated.emplace_back(column, std::move(*result->column));
  }
  for (auto& [column, replacement] : recalculated) table.Column(column) = std::move(replacement);
  outcome.recalculated = static_cast<int>(recalculated.size());
  return outcome;
}

std::vector<ColumnFailure> RecalculateTable(results::ResultsTable& table, const ColumnCalculator& calculator) {
  std::vector<ColumnFailure> failures;
  for (int column = 1; column <= table.ElementCount(); ++column) {
    std::optional<ColumnResult> result = RecalculateWith(table, column, {}, true, calculator);
    if (result->ok()) {
      table.Column(column) = std::move(*result->column);
    } else {
      failures.push_back({column, std::move(result->failure)});
    }
  }
  return failures;
}

RequestCheck CheckTableChange(const TableChangeRequest& request, const mainform::MainForm& mainWindow,
                              const text::TextStore& texts, int elementCount) {
  RequestCheck check;
  if (!request.changeMedium && !request.changeCircular && !request.changeRectangular) return check;

  // The main window's medium data, named by the main window's labels.
  const mainform::FieldCaptions captions = mainform::FieldCaptions::For(mainWindow, texts);
  const std::pair<const std::string*, const std::string*> medium[] = {
      {&mainWindow.flow, &captions.flow},
      {&mainWindow.density, &captions.density},
      {&mainWindow.viscosity, &captions.viscosity},
  };
  const char* const mediumFields[] = {"Eingabe_Volumenstrom", "Eingabe_Dichte", "Eingabe_Viskositaet"};
  for (std::size_t i = 0; i < 3; ++i) {
    if (!units::ParseNumber(*medium[i].first)) {
      check.messages.push_back(InvalidField(texts, *medium[i].second, mediumFields[i]));
      check.closeDialog = true;
      return check;
    }
  }

  TableChange change;
  if (request.changeCircular) {
    change.diameter = ReadLength(request.diameter, request.diameterUnit, "Label4", "Edit4", texts, check.messages);
    if (!change.diameter) return check;
  }
  if (request.changeRectangular) {
    change.width = ReadLength(request.width, request.widthUnit, "Label5", "Edit5", texts, check.messages);
    if (!change.width) return check;
    change.height = ReadLength(request.height, request.heightUnit, "Label6", "Edit6", texts, check.messages);
    if (!change.height) return check;
  }
  if (request.changeMedium) {
    const units::Unit* flowUnit = units::UnitAt(units::FlowUnits(mainWindow.flowKind), mainWindow.flowUnit);
    if (!mainWindow.gas && flowUnit != nullptr && flowUnit->standard) {
      check.messages.push_back({texts.FormText(text::kMainWindowBlock, "msgNormFlowLiquid"),
                                texts.GlobalText(text::global::kErrorCaption),
                                text::MessageIcon::Error,
                                {}});
      return check;
    }
    change.medium = Medium::Of(mainWindow);
  }
  if (request.wholeTable) {
    change.first = 1;
    change.last = elementCount;
  } else {
    change.first = std::clamp(std::min(request.from, request.to), 1, std::max(1, elementCount));
    change.last = std::clamp(std::max(request.from, request.to), 1, std::max(1, elementCount));
  }
  check.change = change;
  return check;
}

}  // namespace velmora::tablechange
