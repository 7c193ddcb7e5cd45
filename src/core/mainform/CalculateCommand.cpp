#include "mainform/CalculateCommand.h"

#include <cmath>

#include "catalogue/CheckElement.h"
#include "catalogue/ElementLayout.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"
#include "units/ValueCheck.h"

namespace velmora::mainform {
namespace {

using hydraulics::MainInput;

constexpr int kInvalidFieldText = 183;
constexpr int kErrorCaption = 184;
constexpr const char* kWindow = "MyWindow";

constexpr units::ValueLimits kCountLimits{.checkMin = true, .checkMax = true, .min = 1, .max = MainForm::kMaxCount + 1};

const char* const kDimensionEdits[] = {"Va1_Edit", "Va2_Edit", "Va3_Edit", "Va4_Edit", "Va5_Edit"};

bool IsBranchPiece(const MainForm& form) {
  return form.elementGroup == 5 && (form.elementKind == 5 || form.elementKind == 6);
}

std::string ItemText(std::span<const units::Unit> list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
  return std::string(list[static_cast<std::size_t>(index)].name);
}

bool IsStandardFlowUnit(const MainForm& form) {
  const auto list = units::FlowUnits(form.flowKind);
  return form.flowUnit >= 0 && static_cast<std::size_t>(form.flowUnit) < list.size() &&
         list[static_cast<std::size_t>(form.flowUnit)].standard;
}

// Builds the messages of one command run and remembers whether it may go on.
class Command {
 public:
  explicit Command(const text::TextStore& texts) : texts_(texts) {}

  // The invalid-field message: text 183, a line break and the label caption in quotes.
  void InvalidField(const std::string& caption, const std::string& field) {
    result_.messages.push_back({texts_.GlobalText(kInvalidFieldText) + "\n\"" + caption + "\"!",
                                texts_.GlobalText(kErrorCaption), text::MessageIcon::Error, field});
  }

  std::optional<long double> Parse(const std::string& text, const std::string& caption, const std::string& field) {
    const auto value = units::ParseNumber(text);
    if (!value) InvalidField(caption, field);
    return value;
  }

  void Add(const text::Messages& messages) {
    result_.messages.insert(result_.messages.end(), messages.begin(), messages.end());
  }

  void Refuse(const char* key, const char* field) {
    result_.messages.push_back(
        {texts_.FormText(kWindow, key), texts_.GlobalText(kErrorCaption), text::MessageIcon::Error, field});
  }

  bool Failed() const { return !result_.messages.empty(); }
  CalculateChecks& result() { return result_; }

 private:
  const text::TextStore& texts_;
  CalculateChecks result_;
};

std::optional<long double> ToBaseOrZero(std::span<const units::Unit> list, int index, long double value,
                                        long double density = 1) {
  // A list without a selection counts in its first unit.
  return units::ToBase(list, index < 0 ? 0 : index, value, density);
}

}  // namespace

FieldCaptions FieldCaptions::For(const MainForm& form, const text::TextStore& texts) {
  FieldCaptions captions;
  captions.count = texts.FormText(kWindow, "LabelAnz");
  captions.roughness = texts.FormText(kWindow, "Label4");
  captions.flow = texts.FormText(kWindow, form.flowKind == 1 ? "ComboBox4_1" : "ComboBox4_0");
  captions.density = texts.FormText(kWindow, "Dichte_Titel");
  captions.viscosity = texts.FormText(kWindow, form.viscosityKind == 1 ? "ComboBox5_1" : "ComboBox5_0");
  captions.branchFlow = texts.FormText(kWindow, "Label6");
  captions.inletPressure = texts.FormText(kWindow, "Label4N");
  captions.inletTemperature = texts.FormText(kWindow, "Label5N");
  captions.outletTemperature = texts.FormText(kWindow, "Label6N");
  return captions;
}

std::optional<MainInput> ConvertMainInputs(const MainForm& form) {
  MainInput input;
  input.ElementGroup = form.elementGroup;
  input.ElementKind = form.elementKind;
  input.Option = form.option;
  input.Gas = form.gas;

  const auto density = units::ParseNumber(form.density);
  const auto flow = units::ParseNumber(form.flow);
  const auto viscosity = units::ParseNumber(form.viscosity);
  if (!density || !flow || !viscosity) return std::nullopt;

  const auto rho = ToBaseOrZero(units::DensityUnits(), form.densityUnit, *density);
  if (!rho) return std::nullopt;
  input.Density = *rho;
  const auto q = ToBaseOrZero(units::FlowUnits(form.flowKind), form.flowUnit, *flow, input.Density);
  const auto eta =
      ToBaseOrZero(units::ViscosityUnits(form.viscosityKind), form.viscosityUnit, *viscosity, input.Density);
  if (!q || !eta) return std::nullopt;
  input.VolumeFlow = *q;
  input.Viscosity = *eta;

  if (form.gas) {
    const auto p = units::ParseNumber(form.inletPressure);
    const auto t1 = units::ParseNumber(form.inletTemperature);
    const auto t2 = units::ParseNumber(form.outletTemperature);
    if (!p || !t1 || !t2) return std::nullopt;
    const auto bar = units::PressureToBar(
        ItemText(units::PressureUnits(), form.inletPressureUnit < 0 ? 0 : form.inletPressureUnit), *p);
    const auto k1 = units::TemperatureToKelvin(
        ItemText(units::TemperatureUnits(), form.inletTemperatureUnit < 0 ? 0 : form.inletTemperatureUnit), *t1);
    const auto k2 = units::TemperatureToKelvin(
        ItemText(units::TemperatureUnits(), form.outletTemperatureUnit < 0 ? 0 : form.outletTemperatureUnit), *t2);
    if (!bar || !k1 || !k2) return std::nullopt;
    input.InletPressure = *bar;
    input.InletTemperature = *k1;
    input.OutletTemperature = *k2;
    if (IsStandardFlowUnit(form)) {
      input.VolumeFlow = units::StandardToOperating(input.VolumeFlow, input.InletPressure, input.InletTemperature);
    }
  }

  if (IsBranchPiece(form)) {
    // The branch flow is typed in the main flow's unit.
    const auto branch = units::ParseNumber(form.branchFlow);
    if (!branch) return std::nullopt;
    const auto q2 = ToBaseOrZero(units::FlowUnits(form.flowKind), form.flowUnit, *branch, input.Density);
    if (!q2) return std::nullopt;
    input.BranchFlow = *q2;
    if (form.gas && IsStandardFlowUnit(form)) {
      input.BranchFlow = units::StandardToOperating(input.BranchFlow, input.InletPressure, input.InletTemperature);
    }
  }
  return input;
}

CalculateChecks CheckCalculateInputs(const MainForm& form, const text::TextStore& texts,
                                     const CalculateOptions& options) {
  Command command(texts);
  const catalogue::ElementLayout* layout = catalogue::FindLayout(form.elementGroup, form.elementKind);
  if (layout == nullptr) return {};
  const FieldCaptions captions = FieldCaptions::For(form, texts);

  // Dimensions in order; only the slots the element shows are read (a hidden edit cannot be
  // corrected by the user).
  std::array<long double, 5> dimensions{};
  for (int slot = 0; slot < 5; ++slot) {
    if (!layout->UsesSlot(slot)) continue;
    const auto value = command.Parse(form.dimensions[static_cast<std::size_t>(slot)],
                                     catalogue::SlotLabel(texts, form.elementGroup, form.elementKind, slot + 1),
                                     kDimensionEdits[slot]);
    if (!value) return std::move(command.result());
    dimensions[static_cast<std::size_t>(slot)] = *value;
  }
  const auto count = command.Parse(form.count, captions.count, "VaAnz_Edit");
  if (!count) return std::move(command.result());
  // From one element (a count rounding to zero or below would hide or invert the loss) up to the
  // three digits the field holds.
  const long double rounded = units::RoundHalfAway(*count);
  command.Add(units::CheckValue(texts, kCountLimits, captions.count, "VaAnz_Edit", rounded));
  if (command.Failed()) return std::move(command.result());
  const int roundedCount = static_cast<int>(rounded);  // within 1 … kMaxCount by the check
  command.result().showGasNotes = roundedCount > 1 && form.gas;

  long double roughness = 0;
  if (layout->roughness) {
    const auto value = command.Parse(form.roughness, captions.roughness, "Edit2");
    if (!value) return std::move(command.result());
    roughness = *ToBaseOrZero(units::LengthUnits(units::LengthList::Millimetre), form.roughnessUnit, *value);
  }
  for (int slot = 0; slot < 5; ++slot) {
    const auto& slotLayout = layout->slotLayouts[static_cast<std::size_t>(slot)];
    const auto list = catalogue::SlotUnits(slotLayout.unit);
    if (list.empty()) continue;
    dimensions[static_cast<std::size_t>(slot)] = *ToBaseOrZero(
        list, form.dimensionUnits[static_cast<std::size_t>(slot)], dimensions[static_cast<std::size_t>(slot)]);
  }

  // Flow, density, viscosity, then the branch flow and the gas data.
  const auto flow = command.Parse(form.flow, captions.flow, "Eingabe_Volumenstrom");
  if (!flow) return std::move(command.result());
  if (!command.Parse(form.density, captions.density, "Eingabe_Dichte")) return std::move(command.result());
  if (!command.Parse(form.viscosity, captions.viscosity, "Eingabe_Viskositaet")) return std::move(command.result());
  if (!form.gas && IsStandardFlowUnit(form)) {
    command.Refuse("msgNormFlowLiquid", "ComboBox1");
    return std::move(command.result());
  }
  if (IsBranchPiece(form) && !options.pumpDesignVisible) {
    const auto branch = units::ParseNumber(form.branchFlow);
    // A negative branch flow is as meaningless as none at all.
    if (!branch || *branch <= 0) {
      command.InvalidField(captions.branchFlow, "Edit3");
      return std::move(command.result());
    }
    if (!(*branch < *flow)) {  // both in the unit the user typed them in
      command.Refuse("msgBranchTooLarge", "Edit3");
      return std::move(command.result());
    }
  }
  if (form.gas) {
    const struct {
      const std::string& text;
      const std::string& caption;
      const char* field;
    } gasFields[] = {{form.inletPressure, captions.inletPressure, "Edit_EingangsdruckN"},
                     {form.inletTemperature, captions.inletTemperature, "Edit_EingangstemperaturN"},
                     {form.outletTemperature, captions.outletTemperature, "Edit_AusgangstemperaturN"}};
    for (const auto& field : gasFields) {
      const bool blank = field.text.find_first_not_of(' ') == std::string::npos;
      if (blank || !units::ParseNumber(field.text)) {
        command.InvalidField(field.caption, field.field);
        return std::move(command.result());
      }
    }
  }
  std::optional<MainInput> converted = ConvertMainInputs(form);
  if (!converted) return std::move(command.result());
  MainInput& input = *converted;
  input.Input1 = dimensions[0];
  input.Input2 = dimensions[1];
  input.Input3 = dimensions[2];
  input.Input4 = dimensions[3];
  input.Input5 = dimensions[4];
  input.Input6 = roughness;
  input.Count = roundedCount;

  // The element's own plausibility checks.
  command.Add(catalogue::CheckElement(input, texts));
  if (command.Failed()) return std::move(command.result());

  // Signs of the operating data.
  command.Add(units::CheckValue(texts, units::kPositive, captions.flow, "Eingabe_Volumenstrom", input.VolumeFlow));
  command.Add(units::CheckValue(texts, units::kPositive, captions.density, "Eingabe_Dichte", input.Density));
  command.Add(units::CheckValue(texts, units::kPositive, captions.viscosity, "Eingabe_Viskositaet", input.Viscosity));
  if (form.gas) {
    command.Add(
        units::CheckValue(texts, units::kPositive, captions.inletPressure, "Edit_EingangsdruckN", input.InletPressure));
    // Absolute temperatures below zero would make the gas correction meaningless.
    command.Add(units::CheckValue(texts, units::kPositive, captions.inletTemperature, "Edit_EingangstemperaturN",
                                  input.InletTemperature));
    command.Add(units::CheckValue(texts, units::kPositive, captions.outletTemperature, "Edit_AusgangstemperaturN",
                                  input.OutletTemperature));
  }
  if (command.Failed()) return std::move(command.result());

  command.result().input = input;
  return std::move(command.result());
}

}  // namespace velmora::mainform
