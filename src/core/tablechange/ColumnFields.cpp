#include "tablechange/ColumnFields.h"

#include <span>
#include <string_view>

#include "catalogue/ElementLayout.h"
#include "results/CopyToInputs.h"
#include "results/RowLabels.h"
#include "results/TableTexts.h"
#include "tablechange/DialogTexts.h"
#include "tablechange/FieldMessages.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"

namespace velmora::tablechange {
namespace {

constexpr int kElementWord = 126;  // "Rohrleitungselement"

// The dialog's fields for the fields of the main window that the calculate command's messages name.
struct FieldPair {
  std::string_view mainWindow;
  std::string_view dialog;
};
constexpr FieldPair kDialogFields[] = {
    {"Va1_Edit", "Edit_Element1"},
    {"Va2_Edit", "Edit_Element2"},
    {"Va3_Edit", "Edit_Element3"},
    {"Va4_Edit", "Edit_Element4"},
    {"Va5_Edit", "Edit_Element5"},
    {"VaAnz_Edit", "Edit11"},
    {"Edit2", "Edit_Rauhigkeit"},
    {"Eingabe_Volumenstrom", "Edit3"},
    {"ComboBox1", "ComboBox4"},
    {"Eingabe_Dichte", "Edit4"},
    {"Eingabe_Viskositaet", "Edit5"},
    {"Edit_EingangsdruckN", "Edit_Eingangsdruck"},
    {"Edit_EingangstemperaturN", "Edit_Eingangstemperatur"},
    {"Edit_AusgangstemperaturN", "Edit_Ausgangstemperatur"},
};

std::string DialogField(const std::string& mainWindowField) {
  for (const FieldPair& pair : kDialogFields) {
    if (pair.mainWindow == mainWindowField) return std::string(pair.dialog);
  }
  return {};  // a field the dialog does not have (the branch flow): the focus stays
}

int IndexOf(std::span<const units::Unit> list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return 0;
}

std::optional<int> FoundIndex(std::span<const units::Unit> list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string TrimLeft(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

// "label: value"; a row without a colon is all label.
InputLine LineOf(const std::string& row) {
  InputLine line;
  line.shown = true;
  const std::size_t colon = row.find(':');
  line.label = row.substr(0, colon);
  if (colon != std::string::npos) line.value = TrimLeft(std::string_view(row).substr(colon + 1));
  return line;
}

std::string Caption(const text::TextStore& texts, const char* key) { return texts.FormText(kColumnBlock, key); }

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

ColumnFields LoadColumnFields(const results::ResultsTable& table, int column, const text::TextStore& texts,
                              const results::DisplayOptions& options) {
  ColumnFields fields;
  if (!table.IsElementColumn(column)) return fields;
  const results::ResultColumn& source = table.Column(column);
  const results::ColumnTexts& cell = source.rows;
  if (const catalogue::ElementLayout* layout = results::ElementOfColumn(source, texts)) {
    fields.group = layout->group;
    fields.kind = layout->kind;
  }

  const std::string& mediumRow = cell[results::row::Medium];
  const std::size_t slash = mediumRow.rfind('/');
  fields.medium.medium = mediumRow.substr(0, slash);
  fields.medium.gas =
      slash != std::string::npos && mediumRow.substr(slash + 1) == texts.GlobalText(results::global_text::GasWord);
  fields.medium.flowKind = 0;
  fields.medium.flow = cell[results::row::Flow];
  fields.medium.flowUnit = IndexOf(units::FlowUnits(0), options.us ? "gal/min" : "m³/h");
  fields.medium.density = cell[results::row::Density];
  fields.medium.densityUnit = IndexOf(units::DensityUnits(), options.us ? "lb./cu.ft." : "kg/m³");
  fields.medium.viscosityKind = 0;
  fields.medium.viscosity = cell[results::row::Viscosity];
  fields.medium.viscosityUnit = IndexOf(units::ViscosityUnits(0), options.us ? "cP" : "10-6 kg/ms");

  if (source.gas) {
    const results::TGasinfos& gas = *source.gas;
    fields.inletPressure = gas.inletPressure;
    fields.inletTemperature = gas.inletTemperature;
    fields.outletTemperature = gas.outletTemperature;
    fields.inletPressureUnit = FoundIndex(units::PressureUnits(), gas.pressureUnit);
    fields.inletTemperatureUnit = FoundIndex(units::TemperatureUnits(), gas.inletTemperatureUnit);
    fields.outletTemperatureUnit = FoundIndex(units::TemperatureUnits(), gas.outletTemperatureUnit);
  } else {
    fields.inletPressureUnit = fields.inletTemperatureUnit = fields.outletTemperatureUnit = 0;
  }

  fields.description = cell[results::row::Description];
  const std::string& kindRow = cell[results::row::Kind];
  const std::size_t kindSlash = kindRow.find('/');
  fields.element = texts.GlobalText(kElementWord) + ": " + kindRow.substr(0, kindSlash);
  fields.count = kindSlash == std::string::npos ? std::string() : kindRow.substr(kindSlash + 1);

  for (std::size_t slot = 0; slot < 5; ++slot) {
    const std::string& row = cell[results::row::Input1 + slot];
    const bool lastRows = slot >= 3;  // rows 11 and 12 may hold a single blank
    if (row.empty() || (lastRows && row == " ")) continue;
    fields.inputs[slot] = LineOf(row);
  }
  const results::ColumnTexts labels = results::RowLabels(texts, options.us);
  if (const std::string& k = cell[results::row::Roughness]; !k.empty()) {
    fields.roughness = {true, labels[results::row::Roughness], k};
  }
  fields.lossSmall = {true, labels[results::row::LossSmall], cell[results::row::LossSmall]};
  fields.lossLarge = {true, labels[results::row::LossLarge], cell[results::row::LossLarge]};
  return fields;
}

text::Messages CheckColumnFields(const ColumnFields& fields, const text::TextStore& texts) {
  const auto read = [&](const std::string& value, const std::string& caption, const char* field) {
    return units::ParseNumber(value) ? text::Messages{} : text::Messages{InvalidField(texts, caption, field)};
  };
  const char* const inputFields[] = {"Edit_Element1", "Edit_Element2", "Edit_Element3", "Edit_Element4",
                                     "Edit_Element5"};
  text::Messages messages = read(fields.count, Caption(texts, "Label11"), "Edit11");
  for (std::size_t slot = 0; slot < 5 && messages.empty(); ++slot) {
    if (fields.inputs[slot].shown)
      messages = read(fields.inputs[slot].value, fields.inputs[slot].label, inputFields[slot]);
  }
  if (messages.empty() && fields.roughness.shown) {
    messages = read(fields.roughness.value, fields.roughness.label, "Edit_Rauhigkeit");
  }
  const Medium& m = fields.medium;
  if (messages.empty())
    messages = read(m.flow, Caption(texts, m.flowKind == 1 ? "ComboBox7_1" : "ComboBox7_0"), "Edit3");
  if (messages.empty()) messages = read(m.density, Caption(texts, "Label5"), "Edit4");
  if (messages.empty()) {
    messages = read(m.viscosity, Caption(texts, m.viscosityKind == 1 ? "ComboBox8_1" : "ComboBox8_0"), "Edit5");
  }
  if (!messages.empty()) return messages;

  const units::Unit* flowUnit = units::UnitAt(units::FlowUnits(m.flowKind), m.flowUnit);
  if (!m.gas && flowUnit != nullptr && flowUnit->standard) {
    return {{texts.FormText(text::kMainWindowBlock, "msgNormFlowLiquid"), texts.GlobalText(text::global::kErrorCaption),
             text::MessageIcon::Error, "ComboBox4"}};
  }
  if (m.gas) {
    const std::pair<const std::string*, const char*> gas[] = {
        {&fields.inletPressure, "Edit_Eingangsdruck"},
        {&fields.inletTemperature, "Edit_Eingangstemperatur"},
        {&fields.outletTemperature, "Edit_Ausgangstemperatur"},
    };
    const char* const captions[] = {"Label_Eingangsdruck", "Label_Eingangstemperatur", "Label_Ausgangstemperatur"};
    for (std::size_t i = 0; i < 3; ++i) {
      if (IsBlank(*gas[i].first) || !units::ParseNumber(*gas[i].first)) {
        return {InvalidField(texts, Caption(texts, captions[i]), gas[i].second)};
      }
    }
  }
  return {};
}

ColumnResult RecalculateColumn(const results::ResultsTable& table, int column, const ColumnFields& fields,
                               const ColumnCalculator& calculator) {
  ColumnResult result;
  const text::TextStore& texts = calculator.Texts();
  result.failure = CheckColumnFields(fields, texts);
  if (!result.failure.empty()) return result;
  std::optional<mainform::MainForm> form = calculator.Inputs(table, column);
  if (!form) {
    result.failure = {calculator.UnknownElement()};
    return result;
  }
  const catalogue::ElementLayout* layout = catalogue::FindLayout(form->elementGroup, form->elementKind);

  // The share of the flow that takes the branch, as the column was calculated.
  std::optional<long double> branchShare;
  if (layout->extra == catalogue::ElementExtra::BranchFlow) {
    const auto q = units::ParseNumber(form->flow);
    const auto q2 = units::ParseNumber(form->branchFlow);
    if (q && q2 && *q != 0) branchShare = *q2 / *q;
  }

  fields.medium.WriteInto(*form);
  if (fields.medium.gas) {
    form->inletPressure = fields.inletPressure;
    form->inletTemperature = fields.inletTemperature;
    form->outletTemperature = fields.outletTemperature;
    if (fields.inletPressureUnit) form->inletPressureUnit = *fields.inletPressureUnit;
    if (fields.inletTemperatureUnit) form->inletTemperatureUnit = *fields.inletTemperatureUnit;
    if (fields.outletTemperatureUnit) form->outletTemperatureUnit = *fields.outletTemperatureUnit;
  }
  form->count = fields.count;
  form->description = fields.description;
  form->dimensions[0] = fields.inputs[0].value;
  for (int slot = 1; slot < 5; ++slot) {
    if (layout->UsesSlot(slot))
      form->dimensions[static_cast<std::size_t>(slot)] = fields.inputs[static_cast<std::size_t>(slot)].value;
  }
  if (layout->roughness) form->roughness = fields.roughness.value;
  if (branchShare) {
    // Typed in the unit of the main flow, like the main window's branch flow.
    const auto q = units::ParseNumber(form->flow);
    if (q) form->branchFlow = units::FormatNumber(*q * *branchShare, kIntermediateDecimals, texts.edition());
  }

  result = calculator.Calculate(*form, column);
  for (text::Message& message : result.failure) message.focus = DialogField(message.focus);
  return result;
}

}  // namespace velmora::tablechange
