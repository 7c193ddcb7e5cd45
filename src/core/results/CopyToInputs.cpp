#include "results/CopyToInputs.h"

#include <cmath>
#include <string_view>

#include "catalogue/ElementLayout.h"
#include "results/ColumnBuilder.h"
#include "results/TableFormat.h"
#include "results/TableTexts.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"

namespace velmora::results {
namespace {

using catalogue::ElementLayout;

// Unit list entries the flow, density and viscosity lists are set to: m³/h, kg/m³, 10-6 kg/ms in
// metric display; gal/min, lb./cu.ft., cP in US display.
constexpr int kMetricFlowUnit = 0, kMetricDensityUnit = 0, kMetricViscosityUnit = 0;
constexpr int kUsFlowUnit = 14, kUsDensityUnit = 8, kUsViscosityUnit = 5;
// Roughness list (ComboBox6): "mm", "in.".
constexpr int kRoughnessMm = 0, kRoughnessInch = 1;

// The text after the first ":" and a blank ("Elementdurchm. D in mm: 100,000" gives "100,000").
std::string ValueAfterColon(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return {};
  std::size_t start = colon + 1;
  if (start < text.size() && text[start] == ' ') ++start;
  return text.substr(start);
}

// The entry of `list` whose name stands as the unit before the first ":" of the row, or -1.
int UnitIndexInRow(const std::string& text, std::span<const units::Unit> list) {
  const std::string head = text.substr(0, text.find(':'));
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string unit = " " + std::string(list[i].name);
    if (head.size() >= unit.size() && head.compare(head.size() - unit.size(), unit.size(), unit) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int IndexOf(std::span<const units::Unit> list, const std::string& name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

// Option 0 when the chosen item of row 13 is the text of option 0, else option 1. The row holds the
// caption, a blank and the item; the blanks before the item are skipped, so that the caption-less
// choice of the lyre bend reads both as written now (" gewellt") and as older files hold it
// ("gewellt"). The texts are those the element's panel shows, so a column copies back to the
// option it was calculated with (for the venturi nozzle 9/7 the "15 " and "30 " options with the
// degree word).
int RestoreOption(const ElementLayout& layout, const std::string& text, const text::TextStore& texts) {
  std::string_view chosen = text;
  const std::string caption = ChoiceCaption(layout, texts);
  if (chosen.starts_with(caption)) chosen.remove_prefix(caption.size());
  const std::size_t start = chosen.find_first_not_of(' ');
  chosen = start == std::string_view::npos ? std::string_view() : chosen.substr(start);
  return chosen == OptionText(layout, 0, texts) ? 0 : 1;
}

// Q₂ = Q/g with g = (d₁/d₂)²·v/v₂: the branch flow in the unit of the restored main flow, from the
// velocities of the main pipe (row 14) and of the branch (row 16) and the diameters d₁, d₂.
std::string BranchFlow(const ResultColumn& column, const mainform::MainForm& form, const DisplayOptions& options,
                       text::Edition edition) {
  const auto q = units::ParseNumber(column.rows[row::Flow]);
  const auto v = units::ParseNumber(column.rows[row::Velocity]);
  const auto v2 = units::ParseNumber(column.rows[row::Velocity2]);
  const auto d1 = units::ParseNumber(form.dimensions[0]);
  const auto d2 = units::ParseNumber(form.dimensions[1]);
  if (!q || !v || !v2 || !d1 || !d2) return {};
  const long double g = (*d1 / *d2) * (*d1 / *d2) * *v / *v2;
  const long double branch = *q / g;
  if (!std::isfinite(branch)) return {};
  return FormatValue(branch, options.decimals, edition);
}

}  // namespace

const ElementLayout* ElementOfColumn(const ResultColumn& column, const text::TextStore& texts) {
  const std::string& kindRow = column.rows[row::Kind];
  const ElementLayout* found = nullptr;
  std::size_t foundLength = 0;
  for (const ElementLayout& layout : catalogue::ElementLayouts()) {
    const std::string& name = texts.KindName(layout.group, layout.kind);
    if (name.empty() || kindRow.size() <= name.size() || kindRow.compare(0, name.size(), name) != 0 ||
        kindRow[name.size()] != '/') {
      continue;
    }
    if (found == nullptr || name.size() > foundLength) {
      found = &layout;
      foundLength = name.size();
    }
  }
  return found;
}

std::optional<mainform::MainForm> CopyColumnToInputs(const ResultsTable& table, int column,
                                                     const mainform::MainForm& current, const text::TextStore& texts,
                                                     const DisplayOptions& options) {
  if (!table.IsElementColumn(column)) return std::nullopt;
  const ResultColumn& source = table.Column(column);
  const ColumnTexts& cell = source.rows;
  mainform::MainForm form = current;

  // Element, count, description.
  const std::string& kindRow = cell[row::Kind];
  const ElementLayout* layout = ElementOfColumn(source, texts);
  if (layout != nullptr) {
    form.elementGroup = layout->group;
    form.elementKind = layout->kind;
    form.option = 0;
    form.count = kindRow.substr(texts.KindName(layout->group, layout->kind).size() + 1);
  } else {
    layout = catalogue::FindLayout(form.elementGroup, form.elementKind);
    const std::size_t slash = kindRow.find('/');
    form.count = slash == std::string::npos ? std::string() : kindRow.substr(slash + 1);
  }
  form.description = cell[row::Description];

  // Inputs 1 … 5 and the units shown with them.
  for (std::size_t slot = 0; slot < 5; ++slot) {
    const std::string& text = cell[row::Input1 + slot];
    form.dimensions[slot] = ValueAfterColon(text);
    if (layout == nullptr) continue;
    const auto list = catalogue::SlotUnits(layout->slotLayouts[slot].unit);
    const int unit = list.empty() ? -1 : UnitIndexInRow(text, list);
    if (unit >= 0) form.dimensionUnits[slot] = unit;
  }
  if (layout != nullptr && layout->extra == catalogue::ElementExtra::Choice) {
    form.option = RestoreOption(*layout, cell[row::Option], texts);
  }

  // Medium and phase: the text after the last "/" is the phase word.
  const std::string& medium = cell[row::Medium];
  const std::size_t slash = medium.rfind('/');
  form.medium = medium.substr(0, slash);
  const std::string phase = slash == std::string::npos ? std::string() : medium.substr(slash + 1);
  form.gas = phase != texts.GlobalText(global_text::LiquidWord);

  // Operating data in the table's display units; volume flow and dynamic viscosity.
  form.flowKind = 0;
  form.viscosityKind = 0;
  form.flow = cell[row::Flow];
  form.density = cell[row::Density];
  form.viscosity = cell[row::Viscosity];
  form.flowUnit = options.us ? kUsFlowUnit : kMetricFlowUnit;
  form.densityUnit = options.us ? kUsDensityUnit : kMetricDensityUnit;
  form.viscosityUnit = options.us ? kUsViscosityUnit : kMetricViscosityUnit;
  form.roughness = cell[row::Roughness];
  form.roughnessUnit = options.us ? kRoughnessInch : kRoughnessMm;

  // Gas data; a unit the lists do not offer leaves the list as it is.
  if (source.gas) {
    const TGasinfos& gas = *source.gas;
    form.inletPressure = gas.inletPressure;
    form.inletTemperature = gas.inletTemperature;
    form.outletTemperature = gas.outletTemperature;
    if (const int i = IndexOf(units::PressureUnits(), gas.pressureUnit); i >= 0) form.inletPressureUnit = i;
    if (const int i = IndexOf(units::TemperatureUnits(), gas.inletTemperatureUnit); i >= 0)
      form.inletTemperatureUnit = i;
    if (const int i = IndexOf(units::TemperatureUnits(), gas.outletTemperatureUnit); i >= 0)
      form.outletTemperatureUnit = i;
  } else {
    form.inletPressure.clear();
    form.inletTemperature.clear();
    form.outletTemperature.clear();
  }

  if (layout != nullptr && layout->extra == catalogue::ElementExtra::BranchFlow) {
    form.branchFlow = BranchFlow(source, form, options, texts.edition());
  }
  return form;
}

}  // namespace velmora::results
