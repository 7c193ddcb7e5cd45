#include "curve/StoredElements.h"

#include <cmath>
#include <string>

#include "catalogue/ElementLayout.h"
#include "results/ColumnBuilder.h"
#include "results/CopyToInputs.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"

namespace velmora::curve {
namespace {

// The lyre bend (6/2) and the venturi nozzle (9/7) keep the ζ they were calculated with.
bool KeepsStoredZeta(int group, int kind) { return (group == 6 && kind == 2) || (group == 9 && kind == 7); }

bool IsBranchPiece(int group, int kind) { return group == 5 && (kind == 5 || kind == 6); }

// The text of a number in its list's unit, converted to the base unit.
std::optional<long double> InBase(const std::string& text, std::span<const units::Unit> list, int unit) {
  const std::optional<long double> value = units::ParseNumber(text);
  if (!value || list.empty()) return value;
  return units::ToBase(list, unit, *value);
}

}  // namespace

std::optional<StoredElement> ReadStoredElement(const results::ResultsTable& table, int column,
                                               const text::TextStore& texts, bool tableUs) {
  if (!table.IsElementColumn(column)) return std::nullopt;
  // The column's element, count, inputs with the units the rows name and roughness, as "copy
  // column into inputs" restores them into the main window.
  const std::optional<mainform::MainForm> form =
      results::CopyColumnToInputs(table, column, mainform::MainForm{}, texts, {.us = tableUs});
  const results::ColumnTexts& cell = table.Column(column).rows;
  const catalogue::ElementLayout* layout =
      form ? catalogue::FindLayout(form->elementGroup, form->elementKind) : nullptr;
  // The element must be the one row 7 names, not the form's default.
  const std::string named = layout ? texts.KindName(layout->group, layout->kind) + "/" : std::string();
  if (layout == nullptr || !cell[results::row::Kind].starts_with(named)) return std::nullopt;

  StoredElement element;
  element.column = column;
  hydraulics::MainInput& in = element.input;
  in.ElementGroup = layout->group;
  in.ElementKind = layout->kind;
  const auto count = units::ParseNumber(form->count);
  const auto rounded = count ? units::RoundToInt(*count) : std::nullopt;
  if (!rounded) return std::nullopt;
  in.Count = *rounded;

  long double* const slots[] = {&in.Input1, &in.Input2, &in.Input3, &in.Input4, &in.Input5};
  for (std::size_t slot = 0; slot < 5; ++slot) {
    if (!layout->UsesSlot(static_cast<int>(slot))) continue;
    const auto value = InBase(form->dimensions[slot], catalogue::SlotUnits(layout->slotLayouts[slot].unit),
                              form->dimensionUnits[slot]);
    if (!value) return std::nullopt;
    *slots[slot] = *value;
  }
  // Row 19 holds the roughness only where the turbulent law uses it; elsewhere it is empty (0).
  const auto roughness =
      InBase(form->roughness, units::LengthUnits(units::LengthList::Millimetre), form->roughnessUnit);
  if (!roughness) return std::nullopt;
  in.Input6 = *roughness;

  element.options.SystemCurveMode = true;
  if (layout->extra == catalogue::ElementExtra::Choice) {
    const std::string first = results::OptionText(*layout, 0, texts);
    element.options.StoredOption = cell[results::row::Option].find(first) != std::string::npos ? 0 : 1;
  }
  if (KeepsStoredZeta(layout->group, layout->kind)) {
    const auto zeta = units::ParseNumber(cell[results::row::Zeta]);
    if (!zeta) return std::nullopt;
    element.options.StoredZeta = *zeta;
  }
  if (IsBranchPiece(layout->group, layout->kind)) {
    const auto v = units::ParseNumber(cell[results::row::Velocity]);
    auto v2 = units::ParseNumber(cell[results::row::Velocity2]);
    if (!v || !v2) return std::nullopt;
    if (*v2 == 0) *v2 = *v / 1000.0L;
    const long double ratio = in.Input1 / in.Input2;
    element.branchRatio = ratio * ratio * *v / *v2;
    if (!std::isfinite(element.branchRatio) || !(element.branchRatio > 0)) return std::nullopt;
  }
  return element;
}

}  // namespace velmora::curve
