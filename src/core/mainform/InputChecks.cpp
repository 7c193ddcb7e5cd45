#include "mainform/InputChecks.h"

#include "catalogue/CheckElement.h"
#include "catalogue/ElementLayout.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/ValueCheck.h"

namespace velmora::mainform {
namespace {

constexpr units::ValueLimits kCountLimits{.checkMin = true, .checkMax = true, .min = 1, .max = MainForm::kMaxCount + 1};

const char* const kDimensionEdits[] = {"Va1_Edit", "Va2_Edit", "Va3_Edit", "Va4_Edit", "Va5_Edit"};

bool IsBranchPiece(int group, int kind) { return group == 5 && (kind == 5 || kind == 6); }

// Builds the messages of one command run and remembers whether it may go on.
class Command {
 public:
  explicit Command(const text::TextStore& texts) : texts_(texts) {}

  // The invalid-field message: text 183, a line break and the label caption in quotes.
  void InvalidField(const std::string& caption, const std::string& field) {
    result_.messages.push_back({texts_.GlobalText(text::global::kInvalidInput) + "\n\"" + caption + "\"!",
                                texts_.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, field});
  }

  // Whether the number was read; reports the field when it was not.
  bool Read(const std::optional<long double>& value, const std::string& caption, const std::string& field) {
    if (!value) InvalidField(caption, field);
    return value.has_value();
  }

  void Add(const text::Messages& messages) {
    result_.messages.insert(result_.messages.end(), messages.begin(), messages.end());
  }

  void Refuse(const char* key, const char* field) {
    result_.messages.push_back({texts_.FormText(text::kMainWindowBlock, key),
                                texts_.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, field});
  }

  bool Failed() const { return !result_.messages.empty(); }
  CalculateChecks& result() { return result_; }

 private:
  const text::TextStore& texts_;
  CalculateChecks result_;
};

}  // namespace

FieldCaptions FieldCaptions::For(const MainForm& form, const text::TextStore& texts) {
  FieldCaptions captions;
  captions.count = texts.FormText(text::kMainWindowBlock, "LabelAnz");
  captions.roughness = texts.FormText(text::kMainWindowBlock, "Label4");
  captions.flow = texts.FormText(text::kMainWindowBlock, form.flowKind == 1 ? "ComboBox4_1" : "ComboBox4_0");
  captions.density = texts.FormText(text::kMainWindowBlock, "Dichte_Titel");
  captions.viscosity = texts.FormText(text::kMainWindowBlock, form.viscosityKind == 1 ? "ComboBox5_1" : "ComboBox5_0");
  captions.branchFlow = texts.FormText(text::kMainWindowBlock, "Label6");
  captions.inletPressure = texts.FormText(text::kMainWindowBlock, "Label4N");
  captions.inletTemperature = texts.FormText(text::kMainWindowBlock, "Label5N");
  captions.outletTemperature = texts.FormText(text::kMainWindowBlock, "Label6N");
  return captions;
}

CalculationValues CalculationValues::InBaseUnits(const hydraulics::MainInput& input) {
  CalculationValues values;
  values.input = input;
  values.dimensions = {input.Input1, input.Input2, input.Input3, input.Input4, input.Input5};
  values.count = static_cast<long double>(input.Count);
  values.roughness = input.Input6;
  values.flow = input.VolumeFlow;
  values.density = input.Density;
  values.viscosity = input.Viscosity;
  values.branchFlow = input.BranchFlow;
  values.inletPressure = input.InletPressure;
  values.inletTemperature = input.InletTemperature;
  values.outletTemperature = input.OutletTemperature;
  return values;
}

CalculateChecks CheckCalculation(const CalculationValues& values, const text::TextStore& texts,
                                 const FieldCaptions& captions, const CalculateOptions& options) {
  Command command(texts);
  const int group = values.input.ElementGroup;
  const int kind = values.input.ElementKind;
  const bool gas = values.input.Gas;
  const catalogue::ElementLayout* layout = catalogue::FindLayout(group, kind);
  if (layout == nullptr) return {};

  // Dimensions in order; only the slots the element shows count (a hidden edit cannot be
  // corrected by the user).
  for (int slot = 0; slot < 5; ++slot) {
    if (layout->UsesSlot(slot) &&
        !command.Read(values.dimensions[static_cast<std::size_t>(slot)],
                      catalogue::SlotLabel(texts, group, kind, slot + 1), kDimensionEdits[slot])) {
      return std::move(command.result());
    }
  }
  if (!command.Read(values.count, captions.count, "VaAnz_Edit")) return std::move(command.result());
  // From one element (a count rounding to zero or below would hide or invert the loss) up to the
  // three digits the field holds.
  const long double rounded = units::RoundHalfAway(*values.count);
  command.Add(units::CheckValue(texts, kCountLimits, captions.count, "VaAnz_Edit", rounded));
  if (command.Failed()) return std::move(command.result());
  const int count = static_cast<int>(rounded);  // within 1 … kMaxCount by the check
  command.result().showGasNotes = count > 1 && gas;

  if (layout->roughness && !command.Read(values.roughness, captions.roughness, "Edit2")) {
    return std::move(command.result());
  }

  // Flow, density, viscosity, then the branch flow and the gas data.
  if (!command.Read(values.flow, captions.flow, "Eingabe_Volumenstrom") ||
      !command.Read(values.density, captions.density, "Eingabe_Dichte") ||
      !command.Read(values.viscosity, captions.viscosity, "Eingabe_Viskositaet")) {
    return std::move(command.result());
  }
  if (!gas && values.standardFlowUnit) {
    command.Refuse("msgNormFlowLiquid", "ComboBox1");
    return std::move(command.result());
  }
  if (IsBranchPiece(group, kind) && !options.pumpDesignVisible) {
    // A negative branch flow is as meaningless as none at all.
    if (!values.branchFlow || *values.branchFlow <= 0) {
      command.InvalidField(captions.branchFlow, "Edit3");
      return std::move(command.result());
    }
    if (!(*values.branchFlow < *values.flow)) {  // both in the unit the user typed them in
      command.Refuse("msgBranchTooLarge", "Edit3");
      return std::move(command.result());
    }
  }
  if (gas && (!command.Read(values.inletPressure, captions.inletPressure, "Edit_EingangsdruckN") ||
              !command.Read(values.inletTemperature, captions.inletTemperature, "Edit_EingangstemperaturN") ||
              !command.Read(values.outletTemperature, captions.outletTemperature, "Edit_AusgangstemperaturN"))) {
    return std::move(command.result());
  }
  if (!values.converted) return std::move(command.result());
  hydraulics::MainInput input = values.input;
  input.Count = count;

  // The element's own plausibility checks.
  command.Add(catalogue::CheckElement(input, texts));
  if (command.Failed()) return std::move(command.result());

  // Signs of the operating data.
  command.Add(units::CheckValue(texts, units::kPositive, captions.flow, "Eingabe_Volumenstrom", input.VolumeFlow));
  command.Add(units::CheckValue(texts, units::kPositive, captions.density, "Eingabe_Dichte", input.Density));
  command.Add(units::CheckValue(texts, units::kPositive, captions.viscosity, "Eingabe_Viskositaet", input.Viscosity));
  if (gas) {
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

MainInputChecks::MainInputChecks(const text::TextStore& texts)
    : texts_(&texts), captions_(FieldCaptions::For(MainForm{}, texts)) {}  // volume flow, dynamic viscosity

text::Messages MainInputChecks::operator()(const hydraulics::MainInput& input) const {
  return CheckCalculation(CalculationValues::InBaseUnits(input), *texts_, captions_).messages;
}

}  // namespace velmora::mainform
