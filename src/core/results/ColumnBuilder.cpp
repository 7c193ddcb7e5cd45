#include "results/ColumnBuilder.h"

#include "catalogue/CheckElement.h"
#include "catalogue/ElementLayout.h"
#include "results/RowRules.h"
#include "results/TableFormat.h"
#include "results/TableTexts.h"
#include "units/UnitLists.h"

namespace velmora::results {
namespace {

using catalogue::SlotUnit;

// "<label without its colon> in <unit>: <value>"; a slot without a unit drops the "in <unit>".
std::string InputRow(const catalogue::ElementLayout& layout, int slot, long double value, const text::TextStore& texts,
                     const DisplayOptions& options) {
  const catalogue::SlotLayout& s = layout.slotLayouts[static_cast<std::size_t>(slot)];
  std::string label = catalogue::SlotLabel(texts, layout.group, layout.kind, slot + 1);
  if (!label.empty()) label.pop_back();
  const std::string number = FormatValue(value, options.decimals, texts.edition());
  if (s.unit == SlotUnit::None) return label + ": " + number;
  return label + " " + texts.GlobalText(global_text::InWord) + " " + SlotUnitText(s.unit, options.us, texts) + ": " +
         number;
}

std::string OptionRow(const catalogue::ElementLayout& layout, int option, const text::TextStore& texts) {
  const std::string caption = ChoiceCaption(layout, texts);
  const std::string item = OptionText(layout, option, texts);
  // The caption, a blank and the chosen item; a choice without a caption (the lyre bend 6/2)
  // keeps the blank: " gewellt".
  return caption + " " + item;
}

TGasinfos GasData(const mainform::MainForm& form) {
  return {form.inletPressure,
          form.inletTemperature,
          form.outletTemperature,
          std::string(units::UnitName(units::PressureUnits(), form.inletPressureUnit)),
          std::string(units::UnitName(units::TemperatureUnits(), form.inletTemperatureUnit)),
          std::string(units::UnitName(units::TemperatureUnits(), form.outletTemperatureUnit))};
}

}  // namespace

bool KnownElement(int group, int kind) { return catalogue::FindLayout(group, kind) != nullptr; }

std::string SlotUnitText(SlotUnit unit, bool us, const text::TextStore& texts) {
  switch (unit) {
    case SlotUnit::MmList: return us ? "in." : "mm";
    case SlotUnit::MList: return us ? "ft." : "m";
    case SlotUnit::AreaList: return us ? "sq.yd." : "m²";
    case SlotUnit::Degree: return texts.GlobalText(global_text::DegreeWord);
    case SlotUnit::Percent: return "%";
    case SlotUnit::Pieces: return texts.GlobalText(global_text::PiecesUnit);
    case SlotUnit::None:
    case SlotUnit::Hidden: break;
  }
  return {};
}

std::string OptionText(const catalogue::ElementLayout& layout, int option, const text::TextStore& texts) {
  const catalogue::ChoiceOption& o = layout.options[option == 0 ? 0 : 1];
  return std::string(o.prefix) + texts.GlobalText(o.text);
}

std::string ChoiceCaption(const catalogue::ElementLayout& layout, const text::TextStore& texts) {
  if (layout.choiceCaption == 0) return {};
  return texts.GlobalText(layout.choiceCaption) + ": ";
}

ResultColumn BuildColumn(const mainform::MainForm& form, const ColumnValues& values, bool laminar, int number,
                         const text::TextStore& texts, const DisplayOptions& options) {
  const text::Edition edition = texts.edition();
  const int n = options.decimals;
  const auto value = [&](long double x) { return FormatValue(x, n, edition); };
  const catalogue::ElementLayout* layout = catalogue::FindLayout(form.elementGroup, form.elementKind);

  ResultColumn column;
  ColumnTexts& cell = column.rows;
  cell[row::Number] = std::to_string(number);
  cell[row::Medium] = form.medium + "/" + texts.GlobalText(form.gas ? global_text::GasWord : global_text::LiquidWord);
  if (form.gas) column.gas = GasData(form);
  cell[row::Flow] = value(values.flow);
  cell[row::Density] = value(values.density);
  cell[row::Viscosity] = value(values.viscosity);
  cell[row::Description] = form.description;
  cell[row::Kind] = texts.KindName(form.elementGroup, form.elementKind) + "/" + form.count;
  if (layout != nullptr) {
    for (int slot = 0; slot < 5; ++slot) {
      if (!layout->UsesSlot(slot)) continue;
      cell[static_cast<std::size_t>(row::Input1 + slot)] =
          InputRow(*layout, slot, values.inputs[static_cast<std::size_t>(slot)], texts, options);
    }
    if (layout->extra == catalogue::ElementExtra::Choice) cell[row::Option] = OptionRow(*layout, form.option, texts);
  }

  const ElementRows rows = RowsOf(form.elementGroup, form.elementKind, laminar);
  if (rows.flowQuantities) {
    cell[row::Velocity] = value(values.velocity);
    cell[row::Reynolds] = FormatReynolds(values.reynolds, edition);
    if (rows.velocity2) cell[row::Velocity2] = value(values.velocity2);
    if (rows.reynolds2) cell[row::Reynolds2] = FormatReynolds(values.reynolds2, edition);
    cell[row::Regime] = texts.GlobalText(laminar ? global_text::LaminarWord : global_text::TurbulentWord);
    if (rows.roughness) cell[row::Roughness] = value(values.roughness);
    if (rows.lambda) cell[row::Lambda] = value(values.lambda);
    if (values.zeta != 0) cell[row::Zeta] = value(values.zeta);
  }
  if (rows.branch) {
    cell[row::Zeta2] = value(values.zeta2);
    cell[row::BranchLoss] = FormatLoss(values.branchLoss, n, edition);
  }
  cell[row::LossSmall] = FormatLoss(values.lossSmall, n, edition);
  cell[row::LossLarge] = FormatLoss(values.lossLarge, n, edition);
  return column;
}

std::vector<std::string> CatalogueColumnTexts(long double value, int decimals, const text::TextStore& texts) {
  std::vector<std::string> found;
  ColumnValues values;
  values.inputs.fill(value);
  for (const catalogue::ElementLayout& layout : catalogue::ElementLayouts()) {
    mainform::MainForm form = mainform::MainForm::Defaults(texts.edition());
    form.elementGroup = layout.group;
    form.elementKind = layout.kind;
    form.count = "1";
    const int options = layout.extra == catalogue::ElementExtra::Choice ? 2 : 1;
    for (form.option = 0; form.option < options; ++form.option) {
      for (const bool us : {false, true}) {
        const ResultColumn column = BuildColumn(form, values, false, 1, texts, {.decimals = decimals, .us = us});
        for (int r = row::Kind; r <= row::Option; ++r) {
          const std::string& text = column.rows[static_cast<std::size_t>(r)];
          if (!text.empty()) found.push_back(text);
        }
      }
    }
  }
  return found;
}

int AppendColumn(ResultsTable& table, const mainform::MainForm& form, const ColumnValues& values, bool laminar,
                 const text::TextStore& texts, const DisplayOptions& options) {
  return table.AppendColumn(BuildColumn(form, values, laminar, table.ElementCount() + 1, texts, options));
}

}  // namespace velmora::results
